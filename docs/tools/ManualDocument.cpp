#include "ManualDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <functional>

namespace qf::docs {
namespace {

const QColor kHeadingColor(0x1f, 0x3a, 0x5f);
const QColor kLinkColor(0x1a, 0x5f, 0xb4);
const QColor kCodeBackground(0xf2, 0xf2, 0xf2);
const QColor kNoteBackground(0xfd, 0xf6, 0xdc);
const QColor kTableBorder(0x9a, 0xa5, 0xb1);
const QColor kTableHeader(0xe3, 0xe9, 0xf0);

enum class Target { HelpPage, Book };

struct Fragment {
    int position;
    int length;
    QTextCharFormat format;
};

QList<Fragment> FragmentsOf(const QTextBlock& block) {
    QList<Fragment> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        fragments << Fragment{it.fragment().position(), it.fragment().length(), it.fragment().charFormat()};
    return fragments;
}

// Gives every fragment of the block the format `change` makes of its own.
void ChangeFragments(QTextDocument& doc, const QTextBlock& block, const std::function<void(QTextCharFormat&)>& change) {
    for (Fragment f : FragmentsOf(block)) {
        change(f.format);
        QTextCursor cursor(&doc);
        cursor.setPosition(f.position);
        cursor.setPosition(f.position + f.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(f.format);
    }
}

bool IsCode(const QTextCharFormat& format) {
    return format.fontFixedPitch() || format.fontFamilies().toStringList().contains("monospace");
}

void StyleHeading(QTextDocument& doc, const QTextBlock& block, Target target) {
    const int level = block.blockFormat().headingLevel();
    QTextBlockFormat bf = block.blockFormat();
    const qreal points = level == 1 ? 20 : level == 2 ? 14 : 11.5;
    bf.setTopMargin(level == 1 ? 0 : level == 2 ? 16 : 10);
    bf.setBottomMargin(level == 1 ? 12 : 6);
    if (level == 1 && target == Target::Book) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (level <= 2) bf.setPageBreakPolicy(bf.pageBreakPolicy() | QTextFormat::PageBreak_Auto);
    QTextCursor(block).setBlockFormat(bf);
    ChangeFragments(doc, block, [&](QTextCharFormat& cf) {
        cf.clearProperty(QTextFormat::FontSizeAdjustment);
        cf.setFontPointSize(points);
        cf.setFontWeight(QFont::Bold);
        cf.setForeground(kHeadingColor);
    });
}

void StyleBody(const QTextBlock& block, Target target) {
    QTextBlockFormat bf = block.blockFormat();
    if (bf.hasProperty(QTextFormat::BlockCodeFence)) {
        bf.setBackground(kCodeBackground);
        bf.setLeftMargin(8);
        bf.setTopMargin(0);
        bf.setBottomMargin(0);
        // On screen a long line scrolls; on paper it wraps rather than run off the page.
        bf.setNonBreakableLines(target == Target::HelpPage);
    } else if (bf.intProperty(QTextFormat::BlockQuoteLevel) > 0) {
        bf.setBackground(kNoteBackground);
        bf.setLeftMargin(8);
        bf.setRightMargin(8);
        bf.setTopMargin(4);
        bf.setBottomMargin(8);
    } else if (block.textList()) {
        bf.setTopMargin(2);
        bf.setBottomMargin(2);
    }
    QTextCursor(block).setBlockFormat(bf);
}

void StyleFragments(QTextDocument& doc, const QTextBlock& block, Target target) {
    ChangeFragments(doc, block, [&](QTextCharFormat& cf) {
        if (IsCode(cf)) {
            cf.setFontFamilies(QStringList{CodeFont().family()});
            cf.setFontPointSize(CodeFont().pointSizeF());
            cf.setFontFixedPitch(true);
        }
        if (cf.isAnchor() && !cf.anchorHref().isEmpty()) {
            if (target == Target::Book) {
                // Printed, a link is the title of what it leads to.
                cf.setAnchor(false);
                cf.clearProperty(QTextFormat::AnchorHref);
                cf.clearForeground();
                cf.setFontUnderline(false);
                cf.setFontItalic(true);
            } else {
                QString href = cf.anchorHref();
                const qsizetype hash = href.indexOf('#');
                QString file = hash < 0 ? href : href.left(hash);
                if (file.endsWith(".md")) {
                    file.chop(3);
                    href = file + ".html" + (hash < 0 ? QString() : href.mid(hash));
                }
                cf.setAnchorHref(href);
                cf.setForeground(kLinkColor);
                cf.setFontUnderline(false);
            }
        }
    });
}

void StyleTables(QTextDocument& doc) {
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat tf = table->format();
        tf.setBorder(0);
        tf.setBorderCollapse(true);
        tf.setCellSpacing(0);
        tf.setCellPadding(4);
        tf.setTopMargin(4);
        tf.setBottomMargin(8);
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(tf);
        // A shaded head row and a thin rule under every row.
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat cf = cell.format().toTableCellFormat();
                if (row == 0) cf.setBackground(kTableHeader);
                cf.setBottomBorder(0.75);
                cf.setBottomBorderBrush(kTableBorder);
                cf.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cell.setFormat(cf);
            }
    }
}

// The heading blocks of a document and of its source must match one for one.
bool CheckHeadings(const QList<QTextBlock>& blocks, const QList<Heading>& headings, const QString& where, QString& error) {
    if (blocks.size() != headings.size()) {
        error = where + ": " + QString::number(headings.size()) + " headings in the source, " +
                QString::number(blocks.size()) + " in the laid-out text";
        return false;
    }
    for (qsizetype i = 0; i < blocks.size(); ++i)
        if (blocks[i].blockFormat().headingLevel() != headings[i].level || blocks[i].text() != headings[i].text) {
            // Raw HTML in the text (an unescaped <) is the usual cause.
            error = where + ": the heading \"" + headings[i].text + "\" came out as \"" + blocks[i].text() + "\"";
            return false;
        }
    return true;
}

QList<QTextBlock> HeadingBlockList(const QTextDocument& doc) {
    QList<QTextBlock> blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() > 0) blocks << b;
    return blocks;
}

void Style(QTextDocument& doc, Target target) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        StyleFragments(doc, b, target);
        if (b.blockFormat().headingLevel() > 0)
            StyleHeading(doc, b, target);
        else
            StyleBody(b, target);
    }
    StyleTables(doc);
}

// Calls `visit` with the format and position of every picture of the document.
void ForEachPicture(QTextDocument& doc, const std::function<bool(QTextImageFormat&)>& visit) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (Fragment f : FragmentsOf(b)) {
            if (!f.format.isImageFormat()) continue;
            QTextImageFormat image = f.format.toImageFormat();
            if (!visit(image)) continue;
            QTextCursor cursor(&doc);
            cursor.setPosition(f.position);
            cursor.setPosition(f.position + f.length, QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
}

void StartDocument(QTextDocument& doc, const QString& markdown) {
    doc.setDefaultFont(BodyFont());
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
}

}  // namespace

QFont BodyFont() {
    QFont font("Liberation Sans");
    font.setPointSizeF(10);
    return font;
}

QFont CodeFont() {
    QFont font("Liberation Mono");
    font.setPointSizeF(9);
    font.setFixedPitch(true);
    return font;
}

std::optional<Picture> LoadPicture(const QString& path, qreal scale, QString& error) {
    if (QFileInfo(path).suffix().toLower() == "svg") {
        QSvgRenderer svg(path);
        if (!svg.isValid() || svg.defaultSize().isEmpty()) {
            error = path + ": not a drawing";
            return std::nullopt;
        }
        const QSize size = svg.defaultSize();
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        return Picture{image.convertToFormat(QImage::Format_RGB32), QSizeF(size)};
    }
    QImage image(path);
    if (image.isNull()) {
        error = path + ": not a picture";
        return std::nullopt;
    }
    return Picture{image, QSizeF(image.size())};
}

QString HelpPictureName(const QString& sourceName) {
    return "images/" + QFileInfo(sourceName).completeBaseName() + ".png";
}

bool BuildHelpPage(QTextDocument& doc, const Chapter& chapter, const QHash<QString, Picture>& pictures,
                   QString& error) {
    StartDocument(doc, chapter.markdown);
    doc.setMetaInformation(QTextDocument::DocumentTitle, chapter.title);
    const QList<QTextBlock> blocks = HeadingBlockList(doc);
    if (!CheckHeadings(blocks, chapter.headings, chapter.sourceName, error)) return false;
    Style(doc, Target::HelpPage);
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        QTextCursor cursor(blocks[i]);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({chapter.headings[i].anchor});
        cursor.mergeCharFormat(anchor);
    }
    bool known = true;
    ForEachPicture(doc, [&](QTextImageFormat& image) {
        const auto picture = pictures.constFind(image.name());
        if (picture == pictures.constEnd()) {
            error = chapter.sourceName + ": " + image.name() + ": picture not loaded";
            known = false;
            return false;
        }
        image.setName(HelpPictureName(image.name()));
        image.setWidth(picture->size.width());
        image.setHeight(picture->size.height());
        return true;
    });
    return known;
}

bool BuildBook(QTextDocument& doc, const Manual& manual, qreal textWidth, QString& error) {
    QStringList parts{"FRONT MATTER"};
    QList<Heading> headings;
    for (const Chapter& chapter : manual.chapters) {
        parts << chapter.markdown;
        headings << chapter.headings;
    }
    StartDocument(doc, parts.join("\n\n"));
    if (!CheckHeadings(HeadingBlockList(doc), headings, "the manual", error)) return false;
    Style(doc, Target::Book);

    QHash<QString, Picture> pictures;
    bool loaded = true;
    ForEachPicture(doc, [&](QTextImageFormat& image) {
        const QString name = image.name();
        if (!pictures.contains(name)) {
            const bool drawing = QFileInfo(name).suffix().toLower() == "svg";
            auto picture = LoadPicture(QDir(manual.dir).filePath(name), drawing ? 4 : 1, error);
            if (!picture) {
                loaded = false;
                return false;
            }
            pictures.insert(name, *picture);
            doc.addResource(QTextDocument::ImageResource, QUrl(name), picture->image);
        }
        QSizeF size = pictures[name].size;
        if (size.width() > textWidth) size *= textWidth / size.width();
        image.setWidth(size.width());
        image.setHeight(size.height());
        return true;
    });
    if (!loaded) return false;

    // The first paragraph is the front matter's place: a plain, empty one.
    QTextCursor cursor(doc.begin());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    return true;
}

QList<HeadingBlock> HeadingBlocks(const QTextDocument& doc) {
    QList<HeadingBlock> headings;
    for (const QTextBlock& b : HeadingBlockList(doc)) {
        const int level = b.blockFormat().headingLevel();
        if (level <= 2) headings << HeadingBlock{level, b.text(), b.position()};
    }
    return headings;
}

}  // namespace qf::docs

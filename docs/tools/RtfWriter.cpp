#include "RtfWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <cmath>

#include "FrontMatter.h"
#include "ManualDocument.h"

namespace qf::docs {
namespace {

constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch, 96 pixels an inch
constexpr int kTextWidthTwips = 12240 - 2 * 1296;  // Letter, 0.9 inch margins

int Twips(qreal pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

class RtfBuilder {
public:
    explicit RtfBuilder(const QTextDocument& doc) : doc_(doc) {}

    QByteArray Build(const QString& title) {
        WriteFrame(*doc_.rootFrame());
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                         "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}\n";
        rtf += "{\\colortbl;";
        for (const QColor& c : colors_)
            rtf += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
                   QByteArray::number(c.blue()) + ";";
        rtf += "}\n{\\info{\\title " + RtfText(title) + "}{\\author " + RtfText(kProductName) + "}}\n";
        rtf += "\\paperw12240\\paperh15840\\margl1296\\margr1296\\margt1296\\margb1296\\titlepg\n";
        rtf += "{\\footerf\\pard\\plain\\par}\n";
        rtf += "{\\footer\\pard\\plain\\qr\\f0\\fs16 " + RtfText(kManualTitle) +
               "\\tab {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}\n";
        rtf += body_;
        rtf += "}\n";
        return rtf;
    }

private:
    int ColorIndex(const QColor& color) {
        const qsizetype at = colors_.indexOf(color);
        if (at >= 0) return static_cast<int>(at) + 1;
        colors_ << color;
        return static_cast<int>(colors_.size());
    }

    void WriteFrame(const QTextFrame& frame) {
        for (auto it = frame.begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child))
                    WriteTable(*table);
                else
                    WriteFrame(*child);
            } else {
                WriteBlock(it.currentBlock(), false, true);
            }
        }
    }

    void WriteTable(const QTextTable& table) {
        const int columns = table.columns();
        QList<int> weights(columns, 6);
        for (int row = 0; row < table.rows(); ++row)
            for (int column = 0; column < columns; ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                const int length = cell.lastPosition() - cell.firstPosition();
                weights[column] = std::clamp(std::max(weights[column], length), 6, 60);
            }
        int total = 0;
        for (int w : weights) total += w;
        const QColor border = table.format().borderBrush().color();
        const bool ruled = table.format().border() > 0;
        for (int row = 0; row < table.rows(); ++row) {
            body_ += "\\trowd\\trgaph80\\trleft0";
            if (row == 0 && ruled) body_ += "\\trhdr";
            int edge = 0;
            for (int column = 0; column < columns; ++column) {
                if (ruled) {
                    const QByteArray line = "\\brdrs\\brdrw10\\brdrcf" + QByteArray::number(ColorIndex(border));
                    body_ += "\\clbrdrt" + line + "\\clbrdrl" + line + "\\clbrdrb" + line + "\\clbrdrr" + line;
                }
                const QBrush shade = table.cellAt(row, column).format().background();
                if (shade.style() != Qt::NoBrush) body_ += "\\clcbpat" + QByteArray::number(ColorIndex(shade.color()));
                edge += kTextWidthTwips * weights[column] / total;
                body_ += "\\cellx" + QByteArray::number(edge);
            }
            body_ += "\n";
            for (int column = 0; column < columns; ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                QTextFrame::iterator it = cell.begin();
                bool any = false;
                while (!it.atEnd()) {
                    const QTextBlock block = it.currentBlock();
                    ++it;
                    WriteBlock(block, true, !it.atEnd());
                    any = true;
                }
                if (!any) body_ += "\\pard\\intbl\\plain";
                body_ += "\\cell\n";
            }
            body_ += "\\row\n";
        }
        body_ += "\\pard\\plain\n";
    }

    // One paragraph; `ends` says whether it ends with a paragraph mark (in a cell the last one
    // ends with the cell mark instead).
    void WriteBlock(const QTextBlock& block, bool inTable, bool ends) {
        const QTextBlockFormat bf = block.blockFormat();
        body_ += "\\pard\\plain";
        if (inTable) body_ += "\\intbl";
        if (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) body_ += "\\pagebb";
        const int level = bf.headingLevel();
        if (level > 0) body_ += "\\outlinelevel" + QByteArray::number(level - 1) + "\\keepn";
        const Qt::Alignment align = bf.alignment();
        if (align & Qt::AlignHCenter) body_ += "\\qc";
        else if (align & Qt::AlignRight) body_ += "\\qr";
        body_ += "\\sb" + QByteArray::number(Twips(bf.topMargin())) + "\\sa" + QByteArray::number(Twips(bf.bottomMargin()));
        int indent = Twips(bf.leftMargin());
        QByteArray marker;
        if (const QTextList* list = block.textList()) {
            indent += 360 * list->format().indent();
            body_ += "\\fi-300";
            const QTextListFormat::Style style = list->format().style();
            marker = style == QTextListFormat::ListDecimal ? RtfText(list->itemText(block)) : QByteArray("\\u8226?");
            marker += "\\tab ";
        }
        if (bf.intProperty(QTextFormat::BlockQuoteLevel) > 0)
            body_ += "\\brdrl\\brdrs\\brdrw20\\brsp100\\brdrcf" + QByteArray::number(ColorIndex(QColor(0xd4, 0xa0, 0x17)));
        if (bf.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) body_ += "\\brdrb\\brdrs\\brdrw10\\brsp20";
        if (indent > 0) body_ += "\\li" + QByteArray::number(indent);
        body_ += "\\f0\\fs20 " + marker;
        for (auto it = block.begin(); !it.atEnd(); ++it) WriteFragment(it.fragment());
        body_ += ends ? "\\par\n" : "";
    }

    void WriteFragment(const QTextFragment& fragment) {
        const QTextCharFormat cf = fragment.charFormat();
        if (cf.isImageFormat()) {
            WritePicture(cf.toImageFormat());
            return;
        }
        body_ += "{";
        body_ += cf.fontFixedPitch() ? "\\f1" : "\\f0";
        const qreal points = cf.fontPointSize() > 0 ? cf.fontPointSize() : doc_.defaultFont().pointSizeF();
        body_ += "\\fs" + QByteArray::number(static_cast<int>(std::lround(points * 2)));
        if (cf.fontWeight() >= QFont::Bold) body_ += "\\b";
        if (cf.fontItalic()) body_ += "\\i";
        if (cf.fontUnderline()) body_ += "\\ul";
        if (cf.foreground().style() != Qt::NoBrush && cf.foreground().color() != Qt::black)
            body_ += "\\cf" + QByteArray::number(ColorIndex(cf.foreground().color()));
        body_ += " " + RtfText(fragment.text()) + "}";
    }

    void WritePicture(const QTextImageFormat& format) {
        const QImage image = doc_.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
        if (image.isNull()) return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const qreal width = format.width() > 0 ? format.width() : image.width();
        const qreal height = format.height() > 0 ? format.height() : image.height();
        body_ += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                 QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(Twips(width)) +
                 "\\pichgoal" + QByteArray::number(Twips(height)) + "\n";
        const QByteArray hex = png.toHex();
        for (qsizetype at = 0; at < hex.size(); at += 128) body_ += hex.mid(at, 128) + "\n";
        body_ += "}";
    }

    const QTextDocument& doc_;
    QList<QColor> colors_;
    QByteArray body_;
};

}  // namespace

QByteArray RtfText(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == '\n' || u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u == QChar::Nbsp) {
            out += "\\~";
        } else if (u == QChar::ObjectReplacementCharacter) {
            // a picture's place: the picture is written from its format
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u >= 0x20) {
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + "?";
        }
    }
    return out;
}

QByteArray ToRtf(const QTextDocument& doc, const QString& title) { return RtfBuilder(doc).Build(title); }

bool WriteRtf(const Manual& manual, const QString& path, QString& error) {
    QTextDocument doc;
    if (!BuildBook(doc, manual, kTextWidthTwips / qreal(kTwipsPerPixel), error)) return false;
    InsertFrontMatter(doc, HeadingBlocks(doc), false);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ToRtf(doc, kManualTitle)) < 0 || !file.commit()) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace qf::docs

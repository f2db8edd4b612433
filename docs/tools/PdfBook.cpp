#include "PdfBook.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "FrontMatter.h"
#include "ManualDocument.h"

namespace qf::docs {
namespace {

constexpr int kResolution = 600;       // dots per inch of the PDF's coordinates
constexpr qreal kMarginInches = 0.9;   // around the text
constexpr qreal kHeadFootInches = 0.5; // from the paper's edge to the running head and the foot

// The page (from 1) on which a block's first line stands.
int PageOf(const QTextDocument& doc, int position) {
    const QTextBlock block = doc.findBlock(position);
    const QTextLayout* layout = block.layout();
    qreal y = layout->position().y();
    if (layout->lineCount() > 0) y += layout->lineAt(0).y();
    return static_cast<int>(y / doc.pageSize().height()) + 1;
}

// A heading never stands alone at the foot of a page: one that would starts the next page
// instead. Moving a heading changes only the pages after it, so one pass does.
void KeepHeadingsWithText(QTextDocument& doc) {
    doc.pageCount();  // lays the document out
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() == 0 || (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) continue;
        const QTextBlock next = block.next();
        if (!next.isValid() || PageOf(doc, next.position()) == PageOf(doc, block.position())) continue;
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        doc.pageCount();
    }
}

// Writes the page numbers into the contents; true when none changed. The headings are held by
// cursors, which keep to their blocks while the numbers change the text before them.
bool FillPageNumbers(QTextDocument& doc, QTextTable& contents, const QList<QTextCursor>& headings) {
    doc.pageCount();  // lays the document out
    QStringList pages;
    for (const QTextCursor& heading : headings) pages << QString::number(PageOf(doc, heading.position()));
    bool same = true;
    QTextCursor edit(&doc);
    edit.beginEditBlock();  // one layout for all the numbers
    for (int row = 0; row < headings.size(); ++row) {
        QTextTableCell cell = contents.cellAt(row, 1);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        if (cursor.selectedText() == pages[row]) continue;
        same = false;
        cursor.insertText(pages[row]);
    }
    edit.endEditBlock();
    return same;
}

void DrawHeadAndFoot(QPainter& painter, const QRectF& paper, qreal dpi, const QString& chapter, int page) {
    QFont font = BodyFont();
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x5f, 0x6a));
    const qreal margin = kMarginInches * dpi;
    const qreal line = painter.fontMetrics().height();
    const QRectF head(margin, kHeadFootInches * dpi - line, paper.width() - 2 * margin, line);
    const QRectF foot(margin, paper.height() - kHeadFootInches * dpi, paper.width() - 2 * margin, line);
    painter.drawText(head, Qt::AlignRight | Qt::AlignBottom, chapter);
    painter.drawLine(QPointF(head.left(), head.bottom() + dpi / 30), QPointF(head.right(), head.bottom() + dpi / 30));
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignTop, kManualTitle);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignTop, QString::number(page));
}

}  // namespace

bool WritePdf(const Manual& manual, const QString& path, QString& error) {
    // Written beside the file and renamed over it when whole: a failed build leaves no half PDF.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = path + ": cannot be written";
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(kManualTitle);
    writer.setCreator(kProductName);
    const qreal dpi = writer.resolution();
    const QRectF paper(0, 0, writer.width(), writer.height());
    const QRectF body = paper.adjusted(kMarginInches * dpi, kMarginInches * dpi, -kMarginInches * dpi,
                                       -kMarginInches * dpi);

    QTextDocument doc;
    if (!BuildBook(doc, manual, body.width() / dpi * 96, error)) return false;
    QTextTable* contents = InsertFrontMatter(doc, HeadingBlocks(doc), true);
    QList<QTextCursor> headings;
    QList<std::pair<QTextCursor, QString>> chapters;
    for (const HeadingBlock& h : HeadingBlocks(doc)) {
        headings << QTextCursor(doc.findBlock(h.position));
        if (h.level == 1) chapters.emplace_back(headings.last(), h.text);
    }
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    doc.setPageSize(body.size());
    KeepHeadingsWithText(doc);
    // The numbers are as wide as their placeholders' rows allow, so filling them moves no page;
    // the second pass makes sure.
    bool settled = false;
    for (int pass = 0; pass < 3 && !settled; ++pass) settled = FillPageNumbers(doc, *contents, headings);
    if (!settled) {
        error = path + ": the contents' page numbers do not settle";
        return false;
    }

    QStringList chapterOfPage(doc.pageCount() + 1, "Contents");
    for (const auto& [at, title] : chapters)
        for (int page = PageOf(doc, at.position()); page <= doc.pageCount(); ++page) chapterOfPage[page] = title;

    QPainter painter(&writer);
    if (!painter.isActive()) {
        error = path + ": cannot be written";
        return false;
    }
    for (int page = 1; page <= doc.pageCount(); ++page) {
        if (page > 1) writer.newPage();
        painter.save();
        painter.translate(body.topLeft());
        const QRectF view(0, (page - 1) * body.height(), body.width(), body.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        if (page > 1) DrawHeadAndFoot(painter, paper, dpi, chapterOfPage[page], page);
    }
    if (!painter.end() || !file.commit()) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace qf::docs

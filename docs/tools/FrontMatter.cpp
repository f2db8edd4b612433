#include "FrontMatter.h"

#include <QTextCursor>

namespace qf::docs {
namespace {

QTextCharFormat Text(qreal points, bool bold, QColor color = Qt::black) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(color);
    return format;
}

QTextBlockFormat Centred(qreal top, qreal bottom) {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    format.setTopMargin(top);
    format.setBottomMargin(bottom);
    return format;
}

}  // namespace

QTextTable* InsertFrontMatter(QTextDocument& doc, const QList<HeadingBlock>& entries, bool pageColumn) {
    const QColor heading(0x1f, 0x3a, 0x5f);
    QTextCursor cursor(doc.begin());
    cursor.setBlockFormat(Centred(220, 12));
    cursor.insertText(kProductName, Text(34, true, heading));
    cursor.insertBlock(Centred(0, 36), Text(20, false, heading));
    cursor.insertText("User Manual");
    cursor.insertBlock(Centred(0, 8), Text(12, false));
    cursor.insertText(kVersionText);
    cursor.insertBlock(Centred(0, 0), Text(11, false));
    cursor.insertText("Crossword puzzles for the classroom: word lists, shapes, page layouts, printing and sharing.");

    QTextBlockFormat contents;
    contents.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    contents.setBottomMargin(12);
    cursor.insertBlock(contents, Text(20, true, heading));
    cursor.insertText("Contents");

    QTextTableFormat table;
    table.setBorder(0);
    table.setCellPadding(1);
    table.setCellSpacing(0);
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    if (pageColumn)
        table.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                         QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* rows = cursor.insertTable(static_cast<int>(entries.size()), pageColumn ? 2 : 1, table);
    for (int row = 0; row < entries.size(); ++row) {
        const bool chapter = entries[row].level == 1;
        QTextCursor title = rows->cellAt(row, 0).firstCursorPosition();
        QTextBlockFormat titleFormat;
        titleFormat.setLeftMargin(chapter ? 0 : 24);
        titleFormat.setTopMargin(chapter && row > 0 ? 8 : 0);
        title.setBlockFormat(titleFormat);
        title.insertText(entries[row].text, Text(chapter ? 11 : 10, chapter));
        if (!pageColumn) continue;
        QTextCursor page = rows->cellAt(row, 1).firstCursorPosition();
        QTextBlockFormat pageFormat;
        pageFormat.setAlignment(Qt::AlignRight);
        pageFormat.setTopMargin(titleFormat.topMargin());
        page.setBlockFormat(pageFormat);
        page.insertText("0", Text(chapter ? 11 : 10, chapter));
    }
    return rows;
}

}  // namespace qf::docs

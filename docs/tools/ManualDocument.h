#pragma once
// The manual laid out as rich text. The help pages and the printed manuals share one styling,
// so what the help window shows is what the PDF prints.
#include <QHash>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QTextDocument>
#include <optional>

#include "ManualSource.h"

namespace qf::docs {

// A picture of the manual folder. SVG drawings are drawn at `scale` times their own size; a
// PNG or JPEG keeps its pixels. `size` is what the picture is shown at, in pixels at 96 dpi.
struct Picture {
    QImage image;
    QSizeF size;
};
std::optional<Picture> LoadPicture(const QString& path, qreal scale, QString& error);

// The name a picture of the source has in the help: images/NAME.png.
QString HelpPictureName(const QString& sourceName);

// One chapter as a help page: its headings carry their anchors, links to other chapters point
// at their pages, pictures are named by HelpPictureName and shown at the size of `pictures`
// (the chapter's pictures by their source names).
bool BuildHelpPage(QTextDocument& doc, const Chapter& chapter, const QHash<QString, Picture>& pictures,
                   QString& error);

// The whole manual for print: an empty first paragraph for the front matter, then the chapters,
// each from a new page. Links are reduced to their text; pictures are held by the document,
// drawn for print and no wider than `textWidth` (pixels at 96 dpi).
bool BuildBook(QTextDocument& doc, const Manual& manual, qreal textWidth, QString& error);

// The chapter and section headings of a document (levels 1 and 2), in reading order.
struct HeadingBlock {
    int level = 0;
    QString text;
    int position = 0;  // of its block in the document
};
QList<HeadingBlock> HeadingBlocks(const QTextDocument& doc);

// The fonts of the manual.
QFont BodyFont();
QFont CodeFont();

}  // namespace qf::docs

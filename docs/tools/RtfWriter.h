#pragma once
// The manual as Rich Text, the document form every word processor opens whatever the file's
// name: the title page, the list of chapters, the chapters each from a new page with their
// headings as outline levels, tables, and the pictures embedded as PNG.
#include <QByteArray>
#include <QString>

#include "ManualSource.h"

class QTextDocument;

namespace qf::docs {

// The RTF of a laid-out document; `title` goes into the document's properties.
QByteArray ToRtf(const QTextDocument& doc, const QString& title);

// Text as RTF writes it: backslash and braces escaped, other than ASCII as \uN? escapes.
QByteArray RtfText(const QString& text);

bool WriteRtf(const Manual& manual, const QString& path, QString& error);

}  // namespace qf::docs

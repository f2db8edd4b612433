#pragma once
// The pages before the first chapter of the printed manuals: the title page and the contents.
#include <QTextDocument>
#include <QTextTable>

#include "ManualDocument.h"

namespace qf::docs {

constexpr const char* kProductName = "Quernfold 98";
constexpr const char* kVersionText = "Version 3.1a";
constexpr const char* kManualTitle = "Quernfold 98 User Manual";

// Fills the empty first paragraph BuildBook leaves with the title page and the contents: one
// row per chapter and section of `entries`, with a second column for page numbers when
// `pageColumn` (filled in later). Returns the contents table.
QTextTable* InsertFrontMatter(QTextDocument& doc, const QList<HeadingBlock>& entries, bool pageColumn);

}  // namespace qf::docs

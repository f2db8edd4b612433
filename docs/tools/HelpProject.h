#pragma once
// The manual as a Qt help project: one HTML page per chapter and a contents page, the pictures
// as PNG files, the help project (.qhp) with the contents tree and the keywords, and the
// collection project (.qhcp) from which qhelpgenerator makes the help collection and the
// compressed help file it names.
#include <QString>

#include "ManualSource.h"

namespace qf::docs {

constexpr const char* kHelpProjectFile = "quernfold.qhp";
constexpr const char* kCollectionProjectFile = "quernfold.qhcp";
constexpr const char* kContentsPage = "index.html";

// Writes the project into `outDir`; the collection project names `compressedName` (the .qch
// that lies beside the collection).
bool WriteHelpProject(const Manual& manual, const QString& outDir, const QString& compressedName, QString& error);

// The contents page's text: every chapter and its sections as links.
QString ContentsMarkdown(const Manual& manual);

}  // namespace qf::docs

#pragma once
// The manual as a PDF of Letter pages: the title page, the contents with page numbers, the
// chapters each from a new page under a running head with the chapter's title, and the page
// number at the foot of every page after the title page.
#include <QString>

#include "ManualSource.h"

namespace qf::docs {

bool WritePdf(const Manual& manual, const QString& path, QString& error);

}  // namespace qf::docs

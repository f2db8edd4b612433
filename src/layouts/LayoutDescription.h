#pragma once
// What a picture of a page layout says to a screen reader: "Page layout Standard, portrait,
// 6 objects".
#include <string>

#include "layouts/PageLayoutRecord.h"

namespace qf {

std::string LayoutDescription(const PageLayoutRecord& layout);

}  // namespace qf

#pragma once
// The real document opener: the desktop's default application for the file's type.
#include "base/DocumentOpener.h"

namespace qf {

class DesktopDocumentOpener : public DocumentOpener {
public:
    bool Open(const std::string& path) override;
};

}  // namespace qf

#pragma once
// The real document opener: the desktop's default application for the file's type.
#include "base/DocumentOpener.h"

namespace qf {

class DesktopDocumentOpener : public DocumentOpener {
public:
    void Open(const std::string& path) override;
};

}  // namespace qf

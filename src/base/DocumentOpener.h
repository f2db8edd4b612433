#pragma once
// Hands a document to the desktop, which opens it with the program it associates with the
// file's type. Windows install the desktop's opener, tests a recording one.
#include <string>

namespace qf {

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // `path` is a local file that exists; false when no program to open it could be found.
    virtual bool Open(const std::string& path) = 0;
};

}  // namespace qf

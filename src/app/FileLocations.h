#pragma once
// Where this run keeps its files, as the About box and `quernfold-cli paths` show them, so a
// user can find their libraries, word lists, settings and collections.
#include <string>
#include <vector>

#include "base/Directories.h"

namespace qf {

struct FileLocation {
    std::string what;  // "Shapes library"
    std::string path;
};

std::vector<FileLocation> FileLocations(const Directories& dirs);

}  // namespace qf

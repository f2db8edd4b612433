#pragma once
// A program directory of its own for each test, with the lexicon and thesaurus files written
// for the dictionaries installed on this machine.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "editor/LexiconFiles.h"
#include "support/TempDir.h"

namespace qf::test {

inline std::string CompanionSourceDir() {
    const char* src = std::getenv("QF_SOURCE_DIR");
    return src ? std::string(src) + "/data/lexicons" : std::string();
}

class ProgramDir {
public:
    explicit ProgramDir(LexiconSetup setup = {}) {
        if (setup.companionSourceDir.empty()) setup.companionSourceDir = CompanionSourceDir();
        const auto written = WriteLexiconFiles(dir_.Path(), setup);
        EXPECT_TRUE(written.has_value());
        if (written) files_ = *written;
    }
    const std::string& Path() const { return dir_.Path(); }
    std::string File(const std::string& name) const { return dir_.File(name); }
    const std::vector<std::string>& Written() const { return files_; }

private:
    TempDir dir_;
    std::vector<std::string> files_;
};

}  // namespace qf::test

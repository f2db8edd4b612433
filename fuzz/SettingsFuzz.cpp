// The settings file QFOLD3.INI: read, written and read again; a second round changes nothing
// (every value written reads back as the same value) and keeps the lines the program does not know.
#include <filesystem>

#include "FuzzInput.h"
#include "base/FileUtil.h"
#include "base/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const Directories dirs{fuzz::ScratchFolder(), fuzz::ScratchFolder()};
    const std::string path = SettingsPath(dirs);
    fuzz::InputFile("QFOLD3.INI", data, size);
    const Settings first = LoadSettings(dirs);
    QF_FUZZ_CHECK(SaveSettings(first, dirs));
    const Settings second = LoadSettings(dirs);
    const auto written = ReadWholeFile(path);
    QF_FUZZ_CHECK(SaveSettings(second, dirs));
    QF_FUZZ_CHECK(DumpSettings(LoadSettings(dirs)) == DumpSettings(second));
    QF_FUZZ_CHECK(ReadWholeFile(path) == written);
    return 0;
}

// Build-time generator of the shipped libraries: turns the shapes drawn as text into
// QFFLAY.DAT and the layouts written as text into QFFPAGE.DAT. A source that does not parse,
// or a layout that breaks the design rules, fails the build.
#include <iostream>
#include <string>
#include <vector>

#include "app/ByteCodec.h"
#include "app/FileUtil.h"
#include "layouts/LayoutText.h"
#include "shapes/ShapeText.h"

namespace {

int Fail(const std::string& source, const std::string& why) {
    std::cerr << source << ": " << why << '\n';
    return 1;
}

template <typename R>
bool WriteLibrary(const std::string& path, const std::vector<R>& records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * R::kStoredSize);
    for (const R& r : records) {
        const auto one = qf::EncodeRecord(r);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return qf::ReplaceFileAtomically(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: qf-datagen shapes|layouts SOURCE.txt OUTPUT.DAT\n";
        return 2;
    }
    const std::string kind = argv[1], source = argv[2], output = argv[3];
    const auto contents = qf::ReadWholeFile(source);
    if (!contents) return Fail(source, "cannot be read");
    const std::string text(contents->begin(), contents->end());
    std::string error;
    if (kind == "shapes") {
        std::vector<qf::ShapeRecord> shapes;
        if (!qf::ParseShapeText(text, shapes, error)) return Fail(source, error);
        if (shapes.empty()) return Fail(source, "no shapes");
        if (!WriteLibrary(output, shapes)) return Fail(output, "cannot be written");
        return 0;
    }
    if (kind == "layouts") {
        std::vector<qf::PageLayoutRecord> layouts;
        if (!qf::ParseLayoutText(text, layouts, error)) return Fail(source, error);
        if (layouts.empty()) return Fail(source, "no layouts");
        for (const auto& layout : layouts)
            if (std::string problem = qf::CheckLayoutDesign(layout); !problem.empty()) return Fail(source, problem);
        if (!WriteLibrary(output, layouts)) return Fail(output, "cannot be written");
        return 0;
    }
    std::cerr << "usage: qf-datagen shapes|layouts SOURCE.txt OUTPUT.DAT\n";
    return 2;
}

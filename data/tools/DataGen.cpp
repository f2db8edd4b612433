// Build-time generator of the shipped data: turns the shapes drawn as text into QFFLAY.DAT and
// single .LAY files, the layouts written as text into QFFPAGE.DAT, and checks the generated
// sample collection. A source that does not parse, a layout that breaks the design rules or a
// sample puzzle that left a word out fails the build.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "collections/CollectionFile.h"
#include "collections/PuzzleText.h"
#include "shapes/ShapeFiles.h"
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
    return qf::WriteWholeFile(path, bytes);
}

constexpr const char* kUsage =
    "usage: qf-datagen shapes|layouts SOURCE.txt OUTPUT.DAT\n"
    "       qf-datagen lay SHAPES.txt NAME OUTPUT.LAY\n"
    "       qf-datagen check-sample COLLECTION.QF3 PUZZLES\n";

// Every slot generated, every word placed, and the expected number of puzzles.
int CheckSample(const std::string& path, const std::string& expected) {
    const auto count = qf::CountSlots(path);
    if (!count || std::to_string(*count) != expected)
        return Fail(path, "holds " + (count ? std::to_string(*count) : std::string("no")) + " puzzles, not " + expected);
    for (std::int64_t k = 0; k < *count; ++k) {
        auto puzzle = std::make_unique<qf::PuzzleRecord>();
        if (!qf::ReadPuzzle(path, k, *puzzle).IsDone()) return Fail(path, "cannot be read");
        int leftOut = 0;
        for (int i = puzzle->UsedWords() + 1; i <= qf::kMaxWords; ++i) leftOut += !puzzle->Word(i).Empty();
        if (!puzzle->generated || leftOut > 0 || puzzle->wordCount != puzzle->acrossCount + puzzle->downCount) {
            for (const auto& line : qf::PuzzleAsText(*puzzle)) std::cerr << line << '\n';
            return Fail(path, "puzzle " + std::to_string(k) + " left " + std::to_string(leftOut) + " words out");
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "check-sample") return CheckSample(argv[2], argv[3]);
    if (argc == 5 && std::string(argv[1]) == "lay") {
        const auto contents = qf::ReadWholeFile(argv[2]);
        std::vector<qf::ShapeRecord> shapes;
        std::string error;
        if (!contents || !qf::ParseShapeText(std::string(contents->begin(), contents->end()), shapes, error))
            return Fail(argv[2], contents ? error : "cannot be read");
        for (const auto& shape : shapes)
            if (shape.name.Str() == argv[3])
                return qf::WriteWholeFile(argv[4], qf::EncodeShapeExchange(shape)) ? 0 : Fail(argv[4], "cannot be written");
        return Fail(argv[2], std::string("has no shape named ") + argv[3]);
    }
    if (argc != 4) {
        std::cerr << kUsage;
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
    std::cerr << kUsage;
    return 2;
}

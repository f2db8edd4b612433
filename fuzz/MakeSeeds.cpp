// qf-fuzz-seeds PROGRAM_DIR OUT_DIR: the fuzz targets' first inputs, made from the shipped data
// (QFFLAY.DAT, QFFPAGE.DAT, SAMPLE.QF3 of a built program directory), one folder per target.
// Made at run time so that no opaque binary is kept in the sources.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "base/Settings.h"
#include "collections/CollectionFile.h"
#include "collections/OldVersions.h"
#include "exchange/ExchangePuzzle.h"
#include "exchange/Ipuz.h"
#include "exchange/Puz.h"
#include "exchange/Xd.h"
#include "layouts/LayoutExchange.h"
#include "shapes/ShapeFiles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

std::string outDir;

void Seed(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(outDir + "/" + target);
    if (!qf::WriteWholeFile(outDir + "/" + target + "/" + name, bytes)) {
        std::cerr << "cannot write " << target << "/" << name << '\n';
        std::exit(1);
    }
}

Bytes Slice(const Bytes& b, std::size_t from, std::size_t count) {
    from = std::min(from, b.size());
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from),
                 b.begin() + static_cast<std::ptrdiff_t>(std::min(b.size(), from + count)));
}

Bytes Join(const std::string& tag, const Bytes& b) {
    Bytes out(tag.begin(), tag.end());
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

void PutText(Bytes& b, std::size_t at, std::size_t capacity, const std::string& text) {
    const std::size_t n = std::min(text.size(), capacity);
    b[at] = static_cast<std::uint8_t>(n);
    std::memcpy(b.data() + at + 1, text.data(), n);
}

void PutInt16(Bytes& b, std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

// The old version's record of a puzzle (its layout as the conversion reads it, field by field).
Bytes OldRecord(const qf::PuzzleRecord& p) {
    Bytes b(qf::kOldPuzzleSize, 0);
    PutText(b, 0, 35, p.title.Str());
    PutInt16(b, 36, p.width);
    std::memcpy(b.data() + 40, p.grid.data(), p.grid.size());
    PutInt16(b, 2540, p.wordCount);
    PutInt16(b, 2542, p.acrossCount);
    PutInt16(b, 2544, p.downCount);
    for (std::size_t i = 0; i < 200; ++i) {
        PutText(b, 2546 + i * 31, 30, p.words[i].Str());
        PutText(b, 8746 + i * 101, 100, p.clues[i].Str());
        PutInt16(b, 28946 + i * 2, p.startCell[i]);
        PutInt16(b, 29346 + i * 2, p.letterCount[i]);
        PutInt16(b, 29746 + i * 2, p.number[i]);
        b[30146 + i] = p.isAcross[i];
    }
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: qf-fuzz-seeds PROGRAM_DIR OUT_DIR\n";
        return 2;
    }
    const std::string program = argv[1];
    outDir = argv[2];
    const auto sample = qf::ReadWholeFile(program + "/SAMPLE.QF3");
    const auto shapes = qf::ReadWholeFile(program + "/QFFLAY.DAT");
    const auto layouts = qf::ReadWholeFile(program + "/QFFPAGE.DAT");
    if (!sample || !shapes || !layouts || sample->size() < 3 * qf::kSlotSize) {
        std::cerr << "qf-fuzz-seeds: " << program << " lacks the built SAMPLE.QF3, QFFLAY.DAT or QFFPAGE.DAT\n";
        return 1;
    }
    const std::size_t slot = qf::kSlotSize, shape = qf::ShapeRecord::kStoredSize, layout = qf::PageLayoutRecord::kStoredSize;
    const std::size_t puzzles = sample->size() / slot;

    Seed("CollectionFuzz", "empty", {});
    Seed("CollectionFuzz", "three", Slice(*sample, 0, 3 * slot));
    Seed("CollectionFuzz", "one-and-a-part", Slice(*sample, slot, slot + 1000));
    Bytes words;
    for (std::size_t k = 0; k < puzzles; ++k) {
        const Bytes one = Slice(*sample, k * slot, slot);
        Seed("PuzzleRecordFuzz", "puzzle-" + std::to_string(k), one);
        auto p = std::make_unique<qf::PuzzleRecord>();
        qf::DecodeRecord(std::span<const std::uint8_t>(one), *p);
        const Bytes old = OldRecord(*p);
        if (k < 3) Seed("OldPuzzlesFuzz", "old-" + std::to_string(k), old);
        if (k < 3) Seed("QfdFuzz", "qfd-" + std::to_string(k), Join("QFD\x05saved", old));
        for (int i = 1; i <= p->wordCount && i <= qf::kMaxWords; ++i) {
            const std::string line = p->Word(i).Str() + ":" + p->Clue(i).Str() + "\r\n";
            words.insert(words.end(), line.begin(), line.end());
        }
        if (k == 1) Seed("WordListFuzz", "ansi", words);
        qf::ExchangePuzzle crossword;
        if (k < 3 && qf::MakeExchangePuzzle(*p, "-", crossword).IsDone()) {
            const QByteArray ipuz = qf::IpuzBytes(crossword);
            const std::string xd = qf::XdText(crossword);
            const std::string n = std::to_string(k);
            Seed("CrosswordFuzz", "ipuz-" + n, Join(std::string(1, '\0'), Bytes(ipuz.begin(), ipuz.end())));
            Seed("CrosswordFuzz", "puz-" + n, Join(std::string(1, '\1'), qf::PuzBytes(crossword)));
            Seed("CrosswordFuzz", "xd-" + n, Join(std::string(1, '\2'), Bytes(xd.begin(), xd.end())));
        }
    }
    Seed("WordListFuzz", "utf8", Join("\xEF\xBB\xBF" "caf\xC3\xA9:coffee house\nna\xC3\xAFve:innocent\n", {}));
    Seed("OldPuzzlesFuzz", "two", [&] {
        Bytes b = qf::ReadWholeFile(outDir + "/OldPuzzlesFuzz/old-0").value();
        const Bytes second = qf::ReadWholeFile(outDir + "/OldPuzzlesFuzz/old-1").value();
        b.insert(b.end(), second.begin(), second.end());
        return b;
    }());

    for (std::size_t k = 0; k * shape < shapes->size(); ++k) {
        Seed("ShapeExchangeFuzz", "shape-" + std::to_string(k), Join(qf::kShapeExchangeTag, Slice(*shapes, k * shape, shape)));
        if (k < 4) Seed("OldShapesFuzz", "shapes-" + std::to_string(k), Slice(*shapes, 0, (k + 1) * shape));
    }
    Seed("ShapesLibraryFuzz", "four", Slice(*shapes, 0, 4 * shape));
    Seed("ShapesLibraryFuzz", "one-and-a-part", Slice(*shapes, 0, shape + 100));
    for (std::size_t k = 0; k * layout < layouts->size(); ++k)
        Seed("LayoutExchangeFuzz", "layout-" + std::to_string(k),
             Join(qf::kLayoutExchangeTag, Slice(*layouts, k * layout, layout)));
    Seed("LayoutsLibraryFuzz", "two", Slice(*layouts, 0, 2 * layout));

    // The settings file as the program writes it, and one edited by hand.
    const fs::path scratch = fs::temp_directory_path() / ("qf-seeds-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    const qf::Directories dirs{program, scratch.string()};
    qf::Settings settings = qf::DefaultSettings(dirs);
    settings.lastFiles[0] = "/home/someone/Puzzles/BIRDS.QF3";
    settings.firstHeader.text = "  Weekly puzzle  ";
    settings.wordSepChar = '"';
    if (!qf::SaveSettings(settings, dirs)) return 1;
    Seed("SettingsFuzz", "written", qf::ReadWholeFile(qf::SettingsPath(dirs)).value());
    const std::string edited = "; by hand\r\n[misc]\r\nwindow size = 1024x\r\nDictionary=\r\n[HTML]\r\nFirst Header=\"\"q\"\"\r\n"
                               "[Create Options]\r\nSep Char=\r\nAttempts=-12\r\n[Unknown]\r\nKey=Value\r\n";
    Seed("SettingsFuzz", "edited", Bytes(edited.begin(), edited.end()));
    fs::remove_all(scratch);
    return 0;
}

#pragma once
// What the printing windows' tests share: a small generated puzzle on the default layout, a
// printer that records its jobs, and an exporter that records what it was handed.
#include <memory>
#include <string>
#include <vector>

#include "layouts/PageObjects.h"
#include "model/PuzzleRecord.h"
#include "output/forms/PageExporter.h"
#include "output/forms/PagePrinter.h"

namespace qf::test {

//   S U N      across 1 SUN, 3 DEW; down 1 SOD, 2 NOW
//   O # O
//   D E W
inline std::unique_ptr<PuzzleRecord> PrintablePuzzle() {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->title = "Sun and Dew";
    p->category = "Weather";
    p->width = 3;
    p->height = 3;
    const char* rows[] = {"SUN", "O O", "DEW"};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p->Cell(r * 50 + c + 1) = static_cast<std::uint8_t>(rows[r][c]);
    struct Entry {
        const char* word;
        int start, number;
        bool across;
    };
    const Entry entries[] = {{"SUN", 1, 1, true}, {"DEW", 101, 3, true}, {"SOD", 1, 1, false}, {"NOW", 3, 2, false}};
    for (int i = 1; i <= 4; ++i) {
        const Entry& e = entries[i - 1];
        const auto k = static_cast<std::size_t>(i - 1);
        p->Word(i) = e.word;
        p->Clue(i) = std::string("Clue for ") + e.word;
        p->startCell[k] = static_cast<std::int16_t>(e.start);
        p->letterCount[k] = 3;
        p->number[k] = static_cast<std::int16_t>(e.number);
        p->isAcross[k] = e.across;
        p->inGrid[k] = 1;
    }
    p->wordCount = 4;
    p->acrossCount = 2;
    p->downCount = 2;
    p->generated = 1;
    BuildDefaultLayout(p->layout);
    return p;
}

class RecordingPrinter : public PagePrinter {
public:
    bool Busy() override { return busy; }
    int CopiesItCanMake() override { return copiesItCanMake; }
    bool Print(const PrintedPage& page, int copies) override {
        jobs.push_back(copies);
        pageWidth = page.setup.Width();
        return !failing;
    }
    void Setup(QWidget*) override { ++setups; }

    bool busy = false;
    bool failing = false;
    int copiesItCanMake = 1;
    std::vector<int> jobs;  // the copies of each job
    double pageWidth = 0;
    int setups = 0;
};

class RecordingExporter : public PageExporter {
public:
    Outcome SaveBitmap(const ExportPage& page) override { return Record("bitmap", page); }
    Outcome SaveJpeg(const ExportPage& page) override { return Record("jpeg", page); }
    Outcome SaveMetafile(const ExportPage& page) override { return Record("metafile", page); }
    Outcome SaveWindowsMetafile(const ExportPage& page) override { return Record("wmf", page); }
    Outcome SaveEnhancedMetafile(const ExportPage& page) override { return Record("emf", page); }
    Outcome SaveHtml(const ExportPage& page) override { return Record("html", page); }

    std::vector<std::string> calls;
    std::vector<std::string> titles;
    std::vector<double> pageWidths;

private:
    Outcome Record(const char* what, const ExportPage& page) {
        calls.emplace_back(what);
        titles.push_back(page.puzzle.title.Str());
        pageWidths.push_back(page.rendering.pageWidth);
        return Outcome::Done();
    }
};

}  // namespace qf::test

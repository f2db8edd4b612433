#include "exchange/ImportedEntry.h"

#include "model/PuzzleRecord.h"

namespace qf {
namespace {

// Control characters (a line break too) become blanks; the word and clue are cut to what a
// puzzle holds.
std::string CleanImported(std::string ansi, std::size_t capacity) {
    for (char& c : ansi)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    const auto first = ansi.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    ansi = ansi.substr(first, ansi.find_last_not_of(' ') - first + 1);
    return ansi.substr(0, capacity);
}

}  // namespace

ImportedEntry MakeImportedEntry(const std::string& wordAnsi, const std::string& clueAnsi) {
    return {CleanImported(wordAnsi, kWordCapacity), CleanImported(clueAnsi, kClueCapacity)};
}

std::string CrosswordUnreadable(const std::string& reason) {
    return "Unable to read the crossword file: " + reason + ".";
}

Outcome RefuseCrossword(const std::string& reason) { return Outcome::Refused(ErrorMessage(CrosswordUnreadable(reason))); }

std::vector<GridRun> GridRuns(int width, int height, const std::vector<bool>& white) {
    auto at = [&](int r, int c) { return r >= 0 && c >= 0 && r < height && c < width && white[static_cast<std::size_t>(r * width + c)]; };
    std::vector<GridRun> runs;
    int number = 0;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            if (!at(r, c)) continue;
            const bool across = !at(r, c - 1) && at(r, c + 1);
            const bool down = !at(r - 1, c) && at(r + 1, c);
            if (!across && !down) continue;
            ++number;
            for (bool dir : {true, false}) {
                if (dir ? !across : !down) continue;
                GridRun run{number, dir, {}};
                for (int k = 0; dir ? at(r, c + k) : at(r + k, c); ++k) run.cells.push_back(dir ? r * width + c + k : (r + k) * width + c);
                runs.push_back(std::move(run));
            }
        }
    return runs;
}

}  // namespace qf

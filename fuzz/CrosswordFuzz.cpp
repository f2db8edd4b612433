// A crossword made elsewhere (ipuz, .puz or .xd, chosen by the first byte): read as the
// generator's import reads it; what is accepted fits a puzzle's words and clues, and a refusal
// takes nothing.
#include "FuzzInput.h"
#include "exchange/Ipuz.h"
#include "exchange/Puz.h"
#include "exchange/Xd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    if (size < 1) return 0;
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    std::vector<ImportedEntry> entries{{"KEEP", "me"}};
    Outcome read;
    switch (data[0] % 3) {
    case 0: read = ParseIpuz(file, entries); break;
    case 1: read = ParsePuz(file, entries); break;
    default: read = ParseXd(file, entries); break;
    }
    if (!read.IsDone()) {
        QF_FUZZ_CHECK(read.IsRefused() && entries.size() == 1 && entries[0].word == "KEEP");
        return 0;
    }
    QF_FUZZ_CHECK(!entries.empty() && entries.size() <= 2000);
    for (const ImportedEntry& e : entries) {
        QF_FUZZ_CHECK(e.word.size() <= static_cast<std::size_t>(kWordCapacity) && e.clue.size() <= static_cast<std::size_t>(kClueCapacity));
        for (char c : e.word + e.clue) QF_FUZZ_CHECK(static_cast<unsigned char>(c) >= 32);
    }
    return 0;
}

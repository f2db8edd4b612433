// A word and clue text file: read as the import reads it (UTF-8 or Windows-1252) and put into the
// editor's grid as words, as clues and as both, with a separator taken from the input.
#include "FuzzInput.h"
#include "base/Prompter.h"
#include "editor/EditorGrid.h"
#include "editor/WordTextImport.h"

namespace {

class Yes : public qf::Prompter {
public:
    void Inform(const qf::Message&) override {}
    qf::Answer Ask(const qf::Message&, qf::Question) override { return qf::Answer::Yes; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("WORDS.TXT", data, size);
    std::vector<std::string> lines;
    QF_FUZZ_CHECK(ReadImportFile(path, lines).IsDone());
    const std::string separator(1, size > 0 ? static_cast<char>(data[0]) : ':');
    Yes yes;
    for (WordTextKind kind : {WordTextKind::Words, WordTextKind::Clues, WordTextKind::WordsAndClues}) {
        EditorGrid grid;
        grid.words[3] = "KEPT";
        const Outcome o = ImportIntoGrid(grid, lines, kind, separator, yes);
        QF_FUZZ_CHECK(grid.WordCount() <= kEditorRows);
        if (o.IsDone()) QF_FUZZ_CHECK(o.index >= 0 && o.index <= kEditorRows);
    }
    return 0;
}

// The import of several word files: what it refuses before building anything, and its summary.
#include <gtest/gtest.h>

#include "app/ListPuzzle.h"

namespace qf {
namespace {

TEST(WordListImport, RefusedBeforeAnythingIsBuilt) {
    const struct {
        std::vector<std::string> files;
        const char* category;
        const char* attempts;
        const char* text;  // empty: accepted
        const char* focus;
    } rows[] = {
        {{}, "Space", "5", "Add one or more word list files to import.", "AddFiles"},
        {{"a.txt"}, "  ", "5", "No category specified.  Please correct.", "Category"},
        {{"a.txt"}, "Space", "0", "Attempts must be between 1 and 999.  Please correct.", "Attempts"},
        {{"a.txt"}, "Space", "1000", "Attempts must be between 1 and 999.  Please correct.", "Attempts"},
        {{"a.txt"}, "Space", "", "Attempts must be between 1 and 999.  Please correct.", "Attempts"},
        {{"a.txt", "b.txt"}, "Space", "999", "", ""},
    };
    for (const auto& r : rows) {
        const Outcome o = CheckWordListImport({r.files, r.category, r.attempts});
        EXPECT_EQ(o.message.text, r.text) << r.category << "/" << r.attempts;
        EXPECT_EQ(o.IsDone(), std::string(r.text).empty());
        EXPECT_EQ(o.message.focus, r.focus);
    }
}

TEST(WordListImport, TheSummaryWarnsOnlyWhenAFileWasNotStored) {
    const Message all = WordListImportSummary({"Moons: 3 of 3 words"}, {});
    EXPECT_EQ(all.text, "1 of 1 word list stored as new puzzles.\n\nMoons: 3 of 3 words");
    EXPECT_EQ(all.severity, Severity::Information);
    const Message none = WordListImportSummary({}, {"a.txt: No words have been entered.  Please correct."});
    EXPECT_EQ(none.text, "0 of 1 word list stored as new puzzles.\n\nNot stored:\na.txt: No words have been entered.  "
                         "Please correct.");
    EXPECT_EQ(none.severity, Severity::Warning);
    EXPECT_EQ(none.caption, "Import Word Lists");
}

}  // namespace
}  // namespace qf

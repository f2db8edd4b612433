#pragma once
// The rules of the print options form that need no window: which answer key options can be
// used, the letters and texts cut to their fields, the list of fonts a print can change, the
// words offered for partial answers, and the number of copies and how they are printed.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Choosers.h"
#include "base/Message.h"
#include "layouts/PageLayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "output/PrintOptions.h"

namespace qf {

// "Answer Key" switches the partial options off; each partial option opens its own control.
struct AnswerKeyEnabling {
    bool partialAnswer = true;
    bool select = false;
    bool partialLetters = true;
    bool letters = false;
};
AnswerKeyEnabling EnablingOf(const PrintOptions& options);

// The letters box as stored: blanks trimmed at both ends, at most 25 characters.
std::string LettersFromBox(std::string_view text);

inline constexpr std::size_t kBonusQuestionBoxCapacity = 120;

// One font the user can change in this print: the object's text font or the grid's number font.
enum class FontRole { Text, Number };
struct FontListEntry {
    int slot = 0;  // 1-based object slot
    FontRole role = FontRole::Text;
    std::string caption;
};
inline constexpr int kMaxFontEntries = 21;
inline constexpr std::size_t kFontCaptionCapacity = 20;

// For each object in slot order: the grid gives "Puzzle Answer Font" and "Puzzle Clue Numbers
// Font"; the text kinds give their name and " Font"; pictures and shapes give none.
std::vector<FontListEntry> BuildFontList(const PageLayoutRecord& layout);
FontChoice FontOf(const PageLayoutRecord& layout, const FontListEntry& entry);
void StoreFont(PageLayoutRecord& layout, const FontListEntry& entry, const FontChoice& font);

// The ticked parts the layout has no object to print them in (a word bank on a layout without a
// word list prints nothing), as a note for the print options: empty when every ticked part has
// its place, else "This page layout has no place for the Puzzle Words." and the like.
std::string PartsWithoutPlaceNote(const PrintOptions& options, const PageLayoutRecord& layout);

// The words of slots 1 to WordCount, in slot order, for the partial answer list.
std::vector<std::string> PartialAnswerWords(const PuzzleRecord& puzzle);

// Copies to print: a whole number above 0, blanks trimmed.
inline constexpr const char* kInvalidCopiesText = "Invalid number of copies entered.";
// The copies dialog's controls that its messages focus.
struct CopiesControls {
    static constexpr ControlName kCopies{"CopiesBox"};
    static constexpr ControlName kAll[] = {kCopies};
};
std::optional<int> ParseCopies(std::string_view text);
Message InvalidCopiesMessage();

// Print jobs for n copies: one job of n copies when the printer makes more than n itself,
// otherwise n jobs of one copy each.
struct CopyPlan {
    int jobs = 1;
    int copiesPerJob = 1;
    bool operator==(const CopyPlan&) const = default;
};
CopyPlan PlanCopies(int copies, int printerCopies);

inline constexpr const char* kPrinterBusyText = "Previous print job has not yet finished.  Try again later.";

}  // namespace qf

#include "output/PrintChoices.h"

#include "base/TextHelpers.h"
#include "layouts/LayoutFonts.h"
#include "layouts/PageObjects.h"
#include "output/PuzzleEntries.h"

namespace qf {
namespace {

const StoredFont& FontIn(const PageObject& o, FontRole role) { return role == FontRole::Number ? o.numberFont : o.textFont; }
StoredFont& FontIn(PageObject& o, FontRole role) { return role == FontRole::Number ? o.numberFont : o.textFont; }

bool HasTextFont(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Title:
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
    case ObjectKind::BonusQuestion:
    case ObjectKind::CombinedClues:
    case ObjectKind::Text: return true;
    default: return false;
    }
}

}  // namespace

std::string PartsWithoutPlaceNote(const PrintOptions& options, const PageLayoutRecord& layout) {
    auto has = [&](std::initializer_list<ObjectKind> kinds) {
        for (int i = 0; i < layout.UsedObjects(); ++i)
            for (ObjectKind k : kinds)
                if (layout.objects[static_cast<std::size_t>(i)].Kind() == k) return true;
        return false;
    };
    std::vector<std::string> missing;
    if (options.printTitle && !has({ObjectKind::Title})) missing.push_back("Title");
    if (options.printBody && !has({ObjectKind::Puzzle})) missing.push_back("Body");
    if (options.printClues && !has({ObjectKind::AcrossClues, ObjectKind::DownClues, ObjectKind::CombinedClues}))
        missing.push_back("Clues");
    if (options.printWords && !has({ObjectKind::WordList})) missing.push_back("Words");
    if (options.printBonus && !has({ObjectKind::BonusQuestion})) missing.push_back("Bonus Question");
    if (missing.empty()) return {};
    std::string parts;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (i > 0) parts += i + 1 == missing.size() ? " or the " : ", the ";
        parts += (missing[i] == "Bonus Question" ? "" : "Puzzle ") + missing[i];
    }
    return "This page layout has no place for the " + parts + ".";
}

AnswerKeyEnabling EnablingOf(const PrintOptions& o) {
    if (o.answerKey) return {false, false, false, false};
    return {true, o.partialAnswer, true, o.partialLetters};
}

std::string LettersFromBox(std::string_view text) {
    return TrimBlanks(std::string(text)).substr(0, kLettersCapacity);
}

std::vector<FontListEntry> BuildFontList(const PageLayoutRecord& layout) {
    std::vector<FontListEntry> list;
    for (int slot = 1; slot <= layout.UsedObjects(); ++slot) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(slot - 1)];
        if (o.Kind() == ObjectKind::Puzzle) {
            list.push_back({slot, FontRole::Text, "Puzzle Answer Font"});
            list.push_back({slot, FontRole::Number, "Puzzle Clue Numbers Font"});
        } else if (HasTextFont(o.Kind())) {
            list.push_back({slot, FontRole::Text, (o.name.Str() + " Font").substr(0, kFontCaptionCapacity)});
        }
    }
    if (list.size() > static_cast<std::size_t>(kMaxFontEntries)) list.resize(kMaxFontEntries);
    return list;
}

FontChoice FontOf(const PageLayoutRecord& layout, const FontListEntry& entry) {
    return ChoiceOfFont(FontIn(layout.objects[static_cast<std::size_t>(entry.slot - 1)], entry.role));
}

void StoreFont(PageLayoutRecord& layout, const FontListEntry& entry, const FontChoice& font) {
    if (entry.slot < 1 || entry.slot > kMaxPageObjects) return;
    StoreChoice(FontIn(layout.objects[static_cast<std::size_t>(entry.slot - 1)], entry.role), font);
}

std::vector<std::string> PartialAnswerWords(const PuzzleRecord& puzzle) {
    std::vector<std::string> words;
    for (int slot = 1; slot <= puzzle.UsedWords(); ++slot) words.push_back(puzzle.Word(slot).Str());
    return words;
}

std::optional<int> ParseCopies(std::string_view text) {
    const auto n = ParseWholeNumber(text, 9);
    if (!n || *n < 1) return std::nullopt;
    return static_cast<int>(*n);
}

Message InvalidCopiesMessage() { return ErrorMessage(kInvalidCopiesText).Focus(CopiesControls::kCopies); }

CopyPlan PlanCopies(int copies, int printerCopies) {
    if (copies < 1) return {0, 1};
    if (copies < printerCopies) return {1, copies};
    return {copies, 1};
}

}  // namespace qf

#include "output/PrintOptions.h"

#include "base/TextHelpers.h"
#include "layouts/PageObjects.h"

namespace qf {

PrintOptions PrintOptionsFromSettings(const Settings& s) {
    PrintOptions o;
    o.printTitle = s.printTitle;
    o.printBody = s.printBody;
    o.printClues = s.printClues;
    o.printWords = s.printWords;
    o.printBonus = s.printBonus;
    o.answerKey = s.answerKey;
    o.markAnswerKey = s.markAnswerKey;
    o.partialAnswer = s.partialAnswer;
    o.partialLetters = s.partialLetters;
    o.letters = TrimBlanks(s.letters).substr(0, kLettersCapacity);
    o.useBoxes = s.useBoxes;
    o.boxColor = s.boxColor;
    o.wordSepDash = s.wordSepDash;
    o.wordSepSlash = s.wordSepSlash;
    o.wordSepPlus = s.wordSepPlus;
    o.wordSepStar = s.wordSepStar;
    o.wordSepOther = s.wordSepOther;
    o.wordSepChar = s.wordSepChar;
    return o;
}

void StorePrintOptions(const PrintOptions& o, Settings& s) {
    s.printTitle = o.printTitle;
    s.printBody = o.printBody;
    s.printClues = o.printClues;
    s.printWords = o.printWords;
    s.printBonus = o.printBonus;
    s.answerKey = o.answerKey;
    s.markAnswerKey = o.markAnswerKey;
    s.partialAnswer = o.partialAnswer;
    s.partialLetters = o.partialLetters;
    s.letters = o.letters;
    s.useBoxes = o.useBoxes;
    s.boxColor = o.boxColor;
}

PrintHeadings DerivePrintOverrides(const PageLayoutRecord& layout, const Settings& settings, PrintOptions& options) {
    PrintHeadings h{settings.acrossLabel.substr(0, kHeadingCapacity), settings.downLabel.substr(0, kHeadingCapacity)};
    for (int i = 0; i < layout.UsedObjects(); ++i) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(i)];
        switch (o.Kind()) {
        case ObjectKind::Puzzle:
            options.useBoxes = o.transparent == 0;
            options.boxColor = o.fillColor;
            break;
        case ObjectKind::DownHeader: h.down = ObjectText(o); break;
        case ObjectKind::AcrossHeader: h.across = ObjectText(o); break;
        case ObjectKind::CombinedClues: {
            const std::string text = ObjectText(o);
            const auto colon = text.find(':');
            h.across = colon == std::string::npos ? std::string() : text.substr(0, colon);
            h.down = colon == std::string::npos ? text : text.substr(colon + 1);
            break;
        }
        default: break;
        }
    }
    h.across = h.across.substr(0, kHeadingCapacity);
    h.down = h.down.substr(0, kHeadingCapacity);
    return h;
}

}  // namespace qf

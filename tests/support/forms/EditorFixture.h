#pragma once
// A word list editor over a stored puzzle of three words ("Owls", category "Birds") in slot 1 of
// a collection of two, in either mode, with the fixture's prompter and chooser.
#include <deque>
#include <memory>
#include <string>

#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "editor/forms/WordList.h"
#include "support/forms/FormFixture.h"

namespace qf {

// A stored puzzle with three words in the grid.
inline std::unique_ptr<PuzzleRecord> StoredPuzzle() {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->title = "Owls";
    p->category = "Birds";
    p->bonusQuestion = "Which one hoots?";
    const char* words[] = {"BARN", "SNOWY", "TAWNY"};
    for (int i = 1; i <= 3; ++i) {
        p->Word(i) = words[i - 1];
        p->Clue(i) = std::string("clue ") + words[i - 1];
        p->inGrid[static_cast<std::size_t>(i - 1)] = 1;
    }
    p->wordCount = 3;
    p->generated = 1;
    return p;
}

struct Editor {
    explicit Editor(test::FormFixture& f, bool isNew, std::deque<Answer> answers = {})
        : working(StoredPuzzle()) {
        f.prompter->asked.clear();
        for (Answer a : answers) script.push_back(a);
        path = f.dir.File("SET.QF3");
        test::WriteCollection(path, {{"Birds", "Eagles"}, {"Birds", "Owls"}});
        if (!WritePuzzle(path, 1, *working).IsDone()) qFatal("fixture not written");
        collection.Open(path);
        inputs = std::make_unique<WordListInputs>(WordListInputs{
            f.context.Look(), isNew, isNew ? kCaptionCreateNew : kCaptionModify, 1, *working,
            f.context.state.settings, f.context.state.currentShape, f.context.state.lastRun, collection,
            *f.prompter, *f.chooser, f.dir.File("QFFLAY.DAT"), true, true, {}});
    }
    std::unique_ptr<PuzzleRecord> working;
    std::deque<Answer> script;
    std::string path;
    CollectionModel collection;
    std::unique_ptr<WordListInputs> inputs;
};

}  // namespace qf

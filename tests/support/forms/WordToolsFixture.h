#pragma once
// A word list editor on a puzzle stored in a collection of the fixture's folder, with the
// lexicon and thesaurus files written there for the dictionaries of this machine.
#include <memory>
#include <string>

#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "editor/LexiconFiles.h"
#include "shapes/ShapeFiles.h"
#include "editor/forms/WordList.h"
#include "support/forms/EditorFixture.h"
#include "support/forms/FormFixture.h"

namespace qf::test {

// The editor fixture's three owls, not yet built into a grid and without a bonus question.
inline std::unique_ptr<PuzzleRecord> ThreeBirds() {
    auto p = StoredPuzzle();
    p->bonusQuestion = "";
    p->generated = 0;
    return p;
}

struct EditorOnDisk {
    EditorOnDisk(FormFixture& f, bool isNew, bool lexicons = false) : working(ThreeBirds()) {
        path = f.dir.File("SET.QF3");
        WriteCollection(path, {{"Birds", "Owls"}});
        if (!WritePuzzle(path, 0, *working).IsDone()) qFatal("fixture not written");
        collection.Open(path);
        // A shapes library of one square, so the editor's shape list has something to show.
        ShapeRecord square;
        square.width = square.height = 15;
        for (int r = 1; r <= 15; ++r)
            for (int c = 1; c <= 15; ++c) square.Cell(CellIndex(r, c)) = 1;
        if (!AppendShape(f.dir.File("QFFLAY.DAT"), square).IsDone()) qFatal("shapes not written");
        WordToolInputs tools;
        tools.programDir = f.dir.Path();
        tools.userLists = UserListNamesFor(1);
        if (lexicons) {
            if (!WriteLexiconFiles(f.dir.Path(), LexiconSetup{})) qFatal("lexicons not written");
            tools.spelling.fill(true);
            tools.thesaurus.fill(true);
            // Start-up found no lexicons in the fresh folder and turned the languages off.
            f.context.state.settings.dictionary = 1;
            f.context.state.settings.thesaurus = 1;
        }
        inputs = std::make_unique<WordListInputs>(WordListInputs{
            f.context.Look(), isNew, isNew ? kCaptionCreateNew : kCaptionModify, 0, *working,
            f.context.state.settings, f.context.state.currentShape, f.context.state.lastRun, collection,
            *f.prompter, *f.chooser, f.dir.File("QFFLAY.DAT"), lexicons, lexicons, {}, tools});
    }
    std::unique_ptr<PuzzleRecord> working;
    std::string path;
    CollectionModel collection;
    std::unique_ptr<WordListInputs> inputs;
};

}  // namespace qf::test

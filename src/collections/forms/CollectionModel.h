#pragma once
// The open collection as the windows see it: its path and the two lists (categories, and the
// puzzles of the chosen category) with their selection. Every change of the lists goes through
// here and ends in one signal, Changed, so a window shows the lists again in one place and a
// writer never reloads a window by hand: it says what it wrote (Written) and the model reloads.
#include <QObject>
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "collections/PuzzleLists.h"

namespace qf {

class CollectionModel : public QObject {
    Q_OBJECT
public:
    explicit CollectionModel(QObject* parent = nullptr) : QObject(parent) {}

    // Opens (or re-opens) a collection: its lists are read from the file (LoadInPuzzles).
    void Open(const std::string& path);
    const std::string& Path() const { return path_; }
    const PuzzleLists& Lists() const { return lists_; }

    // The user picked a category row (SetCategory when it differs from the one shown) or a
    // puzzle row.
    void SelectCategory(int row);
    void SelectPuzzle(int row);

    // A writer has stored a puzzle of this category and title in the open collection: the lists
    // are read again and that puzzle selected.
    void Written(const std::string& category, const std::string& title);
    // Puzzles were added to the open collection: read again, keeping the selected rows.
    void Added();
    // The delete command on the selected puzzle (asks first).
    Outcome DeleteSelected(Prompter& prompter);

signals:
    void Changed();

private:
    void Reload();

    std::string path_;
    PuzzleLists lists_;
};

}  // namespace qf

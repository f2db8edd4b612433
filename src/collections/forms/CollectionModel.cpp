#include "collections/forms/CollectionModel.h"

#include "collections/CollectionOperations.h"

namespace qf {

void CollectionModel::Open(const std::string& path) {
    path_ = path;
    lists_.reselectPending = false;
    Reload();
}

void CollectionModel::Reload() {
    lists_.LoadInPuzzles(path_);
    emit Changed();
}

void CollectionModel::SelectCategory(int row) {
    if (row == lists_.currentCategoryIndex && row == lists_.categoryRow) return;
    lists_.categoryRow = row;
    lists_.SetCategory(row);
    emit Changed();
}

void CollectionModel::SelectPuzzle(int row) {
    if (row == lists_.puzzleRow) return;
    lists_.puzzleRow = row < static_cast<int>(lists_.puzzleBox.size()) ? row : -1;
    emit Changed();
}

void CollectionModel::Written(const std::string& category, const std::string& title) {
    lists_.SetReselect(category, title);
    Reload();
}

void CollectionModel::Added() {
    lists_.ReselectCurrent();
    Reload();
}

Outcome CollectionModel::DeleteSelected(Prompter& prompter) {
    Outcome outcome = DeletePuzzle(lists_, path_, prompter);
    if (outcome.IsDone()) emit Changed();
    return outcome;
}

}  // namespace qf

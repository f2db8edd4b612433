#include "collections/PuzzleLists.h"

#include <utility>

namespace qf {
namespace {

int FindRow(const std::vector<ListRow>& rows, const std::string& text) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (SameIgnoringCase(rows[i].text, text)) return static_cast<int>(i);
    return -1;
}

}  // namespace

void PuzzleLists::LoadInPuzzles(const std::string& path) {
    puzzleBox.clear();
    categoryBox.clear();
    categoryRow = puzzleRow = -1;
    listing = ListCollection(path);
    categoryBox = CategoryRows(listing);
    if (!categoryBox.empty()) categoryRow = 0;
    SetCategory(0);
}

void PuzzleLists::SetCategory(int row) {
    if (categoryBox.empty()) return;
    if (reselectPending) {
        if (const int found = FindRow(categoryBox, reselectCategory); found >= 0) categoryRow = found;
        row = categoryRow;
    }
    if (row < 0 || row >= static_cast<int>(categoryBox.size())) row = 0;
    categoryRow = row;
    puzzleBox = TitleRows(listing, static_cast<int>(categoryBox[static_cast<std::size_t>(row)].value));
    puzzleRow = -1;
    currentCategoryIndex = row;
    if (reselectPending) {
        puzzleRow = FindRow(puzzleBox, reselectTitle);
        reselectPending = false;
    }
}

void PuzzleLists::SetReselect(std::string category, std::string title) {
    reselectCategory = std::move(category);
    reselectTitle = std::move(title);
    reselectPending = true;
}

void PuzzleLists::ReselectAfterDelete() {
    const ListRow* category = SelectedCategory();
    std::string title;
    if (puzzleBox.size() > 1 && puzzleRow >= 0) {
        title = puzzleBox[static_cast<std::size_t>(puzzleRow > 0 ? puzzleRow - 1 : 0)].text;
    }
    SetReselect(category ? category->text : std::string(), title);
}

void PuzzleLists::ReselectCurrent() {
    std::string category, title;
    if (!categoryBox.empty()) category = categoryBox[static_cast<std::size_t>(categoryRow >= 0 ? categoryRow : 0)].text;
    if (!puzzleBox.empty()) title = puzzleBox[static_cast<std::size_t>(puzzleRow >= 0 ? puzzleRow : 0)].text;
    SetReselect(category, title);
}

const ListRow* PuzzleLists::SelectedCategory() const {
    if (categoryRow < 0 || categoryRow >= static_cast<int>(categoryBox.size())) return nullptr;
    return &categoryBox[static_cast<std::size_t>(categoryRow)];
}

const ListRow* PuzzleLists::SelectedPuzzle() const {
    if (puzzleRow < 0 || puzzleRow >= static_cast<int>(puzzleBox.size())) return nullptr;
    return &puzzleBox[static_cast<std::size_t>(puzzleRow)];
}

}  // namespace qf

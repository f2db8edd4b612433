#pragma once
// The main window: the open collection's categories and puzzles, and every command.
#include <QMainWindow>

#include "app/forms/ProgramContext.h"
#include "collections/forms/CollectionModel.h"
#include "model/PuzzleRecord.h"

class QListWidget;

namespace qf {

class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWin(ProgramContext& context, QWidget* parent = nullptr);

    // "Quernfold 98 (" + DisplayName + ")"
    void DoCaption();
    const QString& DisplayName() const { return displayName_; }
    CollectionModel& Collection() { return collection_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void ShowLists();
    void WordSeparatorsClick();

    ProgramContext& context_;
    CollectionModel collection_;
    std::unique_ptr<PuzzleRecord> working_;
    QString displayName_;
    QListWidget* categoryBox_ = nullptr;
    QListWidget* puzzleBox_ = nullptr;
};

// The open collection's file name without its folder and its last four characters.
std::string ComputeDisplayName(const std::string& collectionPath);

}  // namespace qf

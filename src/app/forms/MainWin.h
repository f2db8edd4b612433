#pragma once
// The main window: the open collection's categories and puzzles, and every command.
#include <QMainWindow>

#include "app/forms/ProgramContext.h"
#include "model/PuzzleRecord.h"

namespace qf {

class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWin(ProgramContext& context, QWidget* parent = nullptr);

    // "Quernfold 98 (" + DisplayName + ")"
    void DoCaption();
    const QString& DisplayName() const { return displayName_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramContext& context_;
    PuzzleRecord working_;
    QString displayName_;
};

// The open collection's file name without its folder and its last four characters.
std::string ComputeDisplayName(const std::string& collectionPath);

}  // namespace qf

#pragma once
// TManualAdd, "Manual Word Addition": letters typed into the blank cells of a built puzzle's
// grid; every new word they form is asked for its clue (TAddAClue, "Add A Clue"), added, and
// the puzzle renumbered and written back to its slot of the open collection. Opened by the main
// window (mode 1) and by the word list editor in modify mode (mode 2), on a copy of the record.
#include <functional>
#include <memory>
#include <string>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "collections/forms/CollectionModel.h"
#include "editor/ManualAdd.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qf {

class TAddAClue : public ProgramDialog {
    Q_OBJECT
public:
    TAddAClue(const FormLook& look, const std::string& word, Settings& settings, QWidget* parent = nullptr);
    // Shows the dialog; the clue typed, however it was closed.
    std::string Ask();

private:
    QLineEdit* theClue_ = nullptr;
};

// Asks for the clue of one new word (the scripted stand-in of TAddAClue in tests).
using ClueAsker = std::function<std::string(const std::string& word)>;

struct ManualAddInputs {
    FormLook look;
    int mode = 1;                      // 1: main window, 2: word list editor
    const PuzzleRecord& record;        // copied when the dialog is made
    PuzzleRecord& working;             // the main window's working record
    std::int64_t editRecordIndex = 0;  // the puzzle's slot in the collection
    CollectionModel& collection;
    Settings& settings;
    Prompter& prompter;
    ClueAsker askClue;                 // empty: TAddAClue
    SlotOrigins* origins = nullptr;    // given: where each slot came from, once words were added
};

class TPuzzImage;

class TManualAdd : public ProgramDialog {
    Q_OBJECT
public:
    explicit TManualAdd(ManualAddInputs inputs, QWidget* parent = nullptr);
    ~TManualAdd() override;

    // Shows the dialog; true when new words were written to the collection. The working record
    // takes them even when the collection could not be written (that was reported).
    static bool Run(ManualAddInputs inputs, QWidget* parent = nullptr);
    bool Stored() const { return stored_; }

    // The edited copy, and where a cell lies in the picture (for tests and the picture).
    const PuzzleRecord& Edited() const { return *edited_; }
    const ManualAddGrid& StartGrid() const { return start_; }
    QPoint CellCentre(int cell) const;

private:
    friend class TPuzzImage;
    void ImagePress(int cell);
    void ImageRelease(int cell);
    bool FinishLetter();  // false when the letter was refused
    void HideLetter();
    void AcceptClick();
    void RejectClick();
    void OkButtonClick();

    ManualAddInputs in_;
    std::unique_ptr<PuzzleRecord> edited_;
    ManualAddGrid start_;
    int pressedCell_ = 0;
    int editedCell_ = 0;
    bool pressFlag_ = false;
    bool stored_ = false;
    TPuzzImage* image_ = nullptr;
    QLineEdit* theLetter_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* reject_ = nullptr;
};

}  // namespace qf

#pragma once
// TWordList, the word list editor: title, category, up to 200 words with their clues and a
// bonus question; the puzzle's shape and page layout; Create (the generation run and the choice
// of a candidate) for a new puzzle, Save for a puzzle being modified. It works on the main
// window's working record, which it fills from and stores into with SetValues.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Choosers.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "editor/ClueCheck.h"
#include "editor/ClueFill.h"
#include "collections/forms/CollectionModel.h"
#include "editor/WordListRules.h"
#include "editor/forms/WordListTools.h"
#include "model/GenerationRun.h"
#include "shapes/ShapeRecord.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace qf {

class ClueDictionary;
class TPageBox;
class TShapePanel;

struct WordListInputs {
    FormLook look;
    bool isNewPuzzle = true;
    std::string caption;                 // kCaptionCreateNew, kCaptionCreateCopy or kCaptionModify
    std::int64_t editRecordIndex = 0;    // the slot a modified puzzle is written back to
    PuzzleRecord& working;
    Settings& settings;
    ShapeRecord& currentShape;
    RunResults& lastRun;
    CollectionModel& collection;         // the open collection: its path, categories, reselection
    Prompter& prompter;
    FileChooser& fileChooser;
    std::string shapesLibrary;
    bool anySpellingLanguage = false;    // installed, and one of them chosen
    bool anyThesaurusLanguage = false;
    // The layout chooser in its mode for the editor: true when a layout was chosen into the
    // argument. Without it "Change La&yout" stays disabled.
    std::function<bool(PageLayoutRecord&)> chooseLayout;
    WordToolInputs tools = {};           // lexicons, thesauri and user lists for the word tools
};

class TWordList : public ProgramDialog {
    Q_OBJECT
public:
    explicit TWordList(WordListInputs inputs, QWidget* parent = nullptr);
    ~TWordList() override;

    // Shows the editor modally.
    static void Run(WordListInputs inputs, QWidget* parent = nullptr);

    // The grid and texts as typed (rows 1..200 at [0..199]).
    EditorGrid Grid() const;
    EditorTexts Texts() const;
    // Puts grid cells back (for the word tools that work on the grid).
    void SetGrid(const EditorGrid& grid);
    // GetWordCount: rows whose word, trimmed, is not empty.
    int GetWordCount() const { return Grid().WordCount(); }
    // PuzzleChanged (modify mode): SetValues, then a comparison with the record as opened.
    bool PuzzleChanged();
    const Outcome& Result() const { return result_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool ConfirmLeave() override;
    void ScaleChosen(double scale) override;

private:
    // The controls, built by their rows.
    void BuildControls();
    QGridLayout* TitleRow();
    void BuildGrid();
    QVBoxLayout* CommandColumn();
    QHBoxLayout* BonusRow();
    QHBoxLayout* OptionsRow();
    void FillFromRecord();
    void SetValues();
    void CreateItClick();
    void SaveButtonClick();
    void DeleteClueClick();
    void DeleteAllClueClick();
    void ChangeLayoutClick();
    void DrawPageBox();
    // SaveIt: the working record written at its slot; false when the collection could not be
    // opened (the message was shown).
    bool SaveIt();
    void Written();
    // The word tools (WordListTools.cpp).
    void ConnectWordTools();
    void ImportClueClick();
    void ExportClueClick();
    void SpellClueClick();
    void DoSpellCheck(int language);
    void ThesClick();
    void DoThesCheck(int language, int row);
    void AddWordsButtonClick();
    void IntCharButtonClick();
    void IntKeyClick(int key);
    // The clue commands (WordListClues.cpp).
    void ConnectClueTools();
    QHBoxLayout* ClueRow();
    // The suggestions' data for the current languages, opened on first use; null (the message
    // shown) when there is none.
    ClueDictionary* OpenClueDictionary();
    ClueFits ClueFitOfLayout() const;
    void SuggestClueClick();
    void FillCluesClick();
    void UndoFillClick();
    void CheckCluesClick();
    // Create's question about clues that give their answers away; false when the user said No.
    bool CluesPassForCreate();
    void GoToCell(int row, int column);

    WordListInputs in_;
    std::unique_ptr<PuzzleRecord> snapshot_;
    EditorTexts openedTexts_;  // what a new puzzle's editor opened with
    EditorGrid openedGrid_;
    Outcome result_ = Outcome::Cancelled();
    QLineEdit* title_ = nullptr;
    QComboBox* category_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* bonus_ = nullptr;
    QLineEdit* attempts_ = nullptr;
    QCheckBox* shrink_ = nullptr;
    QCheckBox* quick_ = nullptr;
    QCheckBox* thorough_ = nullptr;
    TShapePanel* shapes_ = nullptr;
    bool shapesShown_ = false;
    TPageBox* pageBox_ = nullptr;
    std::unique_ptr<ClueDictionary> clueDictionary_;
    std::optional<ClueFillResult> lastFill_;  // what Undo Fill takes back
};

}  // namespace qf

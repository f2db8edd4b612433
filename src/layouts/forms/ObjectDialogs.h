#pragma once
// The small dialogs of the page designer's object menu. Each opens on one object of the
// design and writes it back through the core only when its "&Ok" is accepted; a refusal is
// shown and the dialog stays open. Exec returns true when the object was changed.
#include "base/Choosers.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "layouts/PageDesign.h"
#include "layouts/PageObjectDialogs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace qf {

// The common frame: the design, the slot, the prompter and the "&Ok" / "&Cancel" row.
class ObjectDialog : public ProgramDialog {
    Q_OBJECT
public:
    ObjectDialog(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent);
    bool Exec() { return exec() == QDialog::Accepted; }

protected:
    // Adds the button row under `body` and lays the dialog out.
    void Finish(QLayout* body);
    // "&Ok": the dialog's own check and write.
    virtual Outcome Confirm() = 0;
    const PageObject& Object() const { return design_.Object(slot_); }

    PageDesign& design_;
    int slot_;
    Prompter& prompter_;

private:
    void OkClick();
};

// "Size & Location of NAME".
class TSizeLocation : public ObjectDialog {
    Q_OBJECT
public:
    TSizeLocation(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QLineEdit *left_, *top_, *width_, *height_;
};

// "Properties for NAME" of every kind but the Puzzle.
class TObjectProp : public ObjectDialog {
    Q_OBJECT
public:
    TObjectProp(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox *transparent_, *makeFit_, *split_;
    QLineEdit* columns_;
};

// A colour swatch with its button; the button asks the colour dialog.
class ColorSwatch;

// "Properties for Puzzle".
class TObjectProp2 : public ObjectDialog {
    Q_OBJECT
public:
    TObjectProp2(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                 QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox* skeleton_;
    ColorSwatch *fill_, *block_, *line_;
    QLineEdit* lineWidth_;
};

// "Border Info for NAME".
class TObjectBorders : public ObjectDialog {
    Q_OBJECT
public:
    TObjectBorders(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                   QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox* useBorder_;
    QLineEdit* width_;
    ColorSwatch* color_;
};

// "Fill Info for NAME".
class TObjectFill : public ObjectDialog {
    Q_OBJECT
public:
    TObjectFill(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox* fill_;
    ColorSwatch* color_;
};

// "Clue Headers": the text of a heading, 25 characters.
class TClueChange : public ObjectDialog {
    Q_OBJECT
public:
    TClueChange(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QLineEdit* text_;
};

// "Text": the text of any other kind, 1000 characters.
class TTextInput : public ObjectDialog {
    Q_OBJECT
public:
    TTextInput(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QPlainTextEdit* text_;
};

// "Numbers In Puzzle": the grid numbers' font and orientation.
class TNumberClueFont : public ObjectDialog {
    Q_OBJECT
public:
    TNumberClueFont(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, FontChooser& fonts,
                    QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QRadioButton* horizontal_;
    StoredFont font_;
};

}  // namespace qf

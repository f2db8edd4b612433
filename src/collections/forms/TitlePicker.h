#pragma once
// TTitlePicker: the frame of the dialogs that pick puzzles of a collection by title (import,
// export, extract): a heading over the list of every title, sorted by the core; the column of
// buttons at the right, with "&Select All" and "C&lear All" where several may be picked; the
// action button, enabled only while a title is selected; and the button that leaves. An
// input/output error of the action is held and thrown again from RunModal.
#include <QSize>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/forms/FormControls.h"
#include "base/forms/ProgramDialog.h"
#include "collections/CollectionListing.h"
#include "collections/forms/HeldFailure.h"

class QLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace qf {

struct PickerButton {
    const char* name;
    const char* caption;
    FocusEnter enter = FocusEnter::Passes;
};

struct TitlePickerShape {
    const char* name;     // the dialog's object name
    const char* title;    // its caption
    const char* heading;  // the label over the list
    bool several;         // several titles may be picked, each click toggling one
    PickerButton action;  // the default button
    PickerButton leave;
    const char* noneSelected;  // the error when the action is pressed with nothing picked
    QSize designSize;
};

class TTitlePicker : public ProgramDialog {
    Q_OBJECT
public:
    const Outcome& Result() const { return result_; }

protected:
    // Lists `listing`; `fileName`, when given, is shown over the list and the buttons.
    TTitlePicker(const FormLook& look, const TitlePickerShape& shape, CollectionListing listing, Prompter& prompter,
                 const QString& fileName, QWidget* parent);

    // The action on the picked slots, in the order of the list; guarded by the held failure.
    virtual void Act(const std::vector<std::int64_t>& picked) = 0;

    // exec(), then the held input/output error is thrown; Result() holds the outcome otherwise.
    void RunModal();

    const CollectionListing& Listing() const { return listing_; }
    // Places a dialog's own controls under the list.
    void AddUnderList(QLayout* controls);

    Prompter& prompter_;
    Outcome result_ = Outcome::Cancelled();

private:
    void SelectAllClick();
    void ClearAllClick();
    void PuzzleListClick();
    void ActionClick();

    const char* noneSelected_;
    CollectionListing listing_;
    HeldFailure failure_;
    QListWidget* list_ = nullptr;
    QPushButton* action_ = nullptr;
    QVBoxLayout* listColumn_ = nullptr;
};

}  // namespace qf

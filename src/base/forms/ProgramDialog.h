#pragma once
// The base of every dialog: when shown, it takes the interface fonts, is scaled by the screen
// scale from its design size and is centred on the screen; where the scaled dialog would not fit
// on the real screen it is scaled down until it does, and it never opens off screen. Each
// showing starts again from the design size and fonts, so a dialog shown several times never
// grows.
//
// Leaving: Escape, the close button and a window's Exit or Cancel (connected to reject()) first
// commit a grid cell still being edited, then ask ConfirmLeave(), where a window that edits
// something asks about unsaved changes; the keyboard rules of WindowKeys hold in every dialog.
//
// A dialog takes its inputs in its constructor and hands back a typed result; the caller
// applies the result through the core. Controls are named (objectName) as the core's messages
// name them for the focus.
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QSize>
#include <vector>

#include "base/FormGeometry.h"

namespace qf {

class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgramDialog(FormLook look, QWidget* parent = nullptr);

    const FormLook& Look() const { return look_; }
    // For a dialog that lives longer than one command: the look of its next showing.
    void SetLook(const FormLook& look) { look_ = look; }

    // Escape, the close button, Exit or Cancel: commits open cell edits, then closes when
    // ConfirmLeave() allows it.
    void reject() override;

protected:
    // Told the scale the dialog is shown at (the look's, or less where the screen is smaller),
    // before it is sized: for sizes a dialog sets in pixels itself.
    virtual void ScaleChosen(double /*scale*/) {}
    // Whether the dialog may close without saving; a window that edits asks here (and may save).
    virtual bool ConfirmLeave() { return true; }
    // Dialogs that keep their design fonts (they are still scaled and centred).
    void KeepDesignFonts() { applyFonts_ = false; }
    // The size at scale 1 when it is not the dialog's size hint.
    void SetDesignSize(QSize size) { designSize_ = size; }

    void showEvent(QShowEvent* event) override;

private:
    void RecordDesign();
    void Place();

    FormLook look_;
    bool applyFonts_ = true;
    bool recorded_ = false;
    QSize designSize_;
    std::vector<std::pair<QPointer<QWidget>, QFont>> designFonts_;
};

}  // namespace qf

#include "layouts/forms/TextInput.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

TTextInput::TTextInput(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("TextInput");
    setWindowTitle("Text");
    text_ = new QPlainTextEdit(FromAnsi(ObjectText(Object())));
    text_->setObjectName("TextMemo");
    text_->setAccessibleName("Text");
    // The memo holds at most what the object keeps.
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        const int limit = static_cast<int>(TextLimit(Object().Kind()));
        if (text_->toPlainText().size() <= limit) return;
        const QSignalBlocker quiet(text_);
        text_->setPlainText(text_->toPlainText().left(limit));
        text_->moveCursor(QTextCursor::End);
    });
    auto* body = new QVBoxLayout;
    body->addWidget(text_);
    Finish(body);
    SetDesignSize(QSize(400, 260));
}

Outcome TTextInput::Confirm() { return ApplyObjectText(design_, slot_, ToAnsi(text_->toPlainText())); }

}  // namespace qf

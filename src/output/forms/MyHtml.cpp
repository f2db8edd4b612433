#include "output/forms/MyHtml.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/TextHelpers.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

constexpr const char* kSizes[7] = {"8 pt", "10 pt", "12 pt", "14 pt", "18 pt", "24 pt", "36 pt"};

// The memo shows lines; the page keeps them with CR LF, as typed on the desktop it came from.
QString Shown(const std::string& text) { return FromAnsi(text).replace("\r\n", "\n"); }
std::string Kept(const QString& text) {
    QString t = text;
    t.replace("\n", "\r\n");
    return ToAnsi(t).substr(0, kHtmlBlockCapacity);
}

QCheckBox* StyleBox(const QString& name, const char* caption, bool checked, bool& field) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, box, [&field](bool on) { field = on; });
    return box;
}

}  // namespace

TMyHtml::TMyHtml(const FormLook& look, const HtmlPage& start, Prompter& prompter, SaveStep save, QWidget* parent)
    : ProgramDialog(look, parent), page_(start), prompter_(prompter), save_(std::move(save)) {
    setObjectName("MyHtml");
    setWindowTitle("HTML Creation");
    auto* heading = new QLabel("Create A Web Page");
    heading->setObjectName("Heading");
    QFont big = heading->font();
    big.setBold(true);
    heading->setFont(big);

    title_ = new QLineEdit(FromAnsi(start.title));
    title_->setObjectName("TitleEdit");
    title_->setMaxLength(static_cast<int>(kWebTitleCapacity));
    QLabel* titleLabel = BuddyLabel("Web Page Title", title_);

    auto* upper = StyleBox("UpperRule", "Horizontal Line", start.upperRule, page_.upperRule);
    auto* lower = StyleBox("LowerRule", "Horizontal Line", start.lowerRule, page_.lowerRule);
    auto* placeholder = new QLabel("Puzzle will go here");
    placeholder->setObjectName("Placeholder");
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setFrameShape(QFrame::Box);
    placeholder->setMinimumHeight(40);

    QPushButton* saveButton = DefaultButton("SaveButton", "&Save HTML");
    connect(saveButton, &QPushButton::clicked, this, &TMyHtml::SaveClick);
    QPushButton* cancel = NamedButton("CancelButton", "&Cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(title_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(titleRow);
    layout->addWidget(MakeBlock(0, "FirstHeader", "First Header Lines"));
    layout->addWidget(MakeBlock(1, "SecondHeader", "Second Header Lines"));
    layout->addWidget(upper);
    layout->addWidget(placeholder);
    layout->addWidget(lower);
    layout->addWidget(MakeBlock(2, "FirstFooter", "First Footer Lines"));
    layout->addWidget(MakeBlock(3, "SecondFooter", "Second Footer Lines"));
    layout->addLayout(ButtonRow({saveButton, cancel}));
    SetDesignSize(QSize(560, 620));
}

QWidget* TMyHtml::MakeBlock(std::size_t index, const char* name, const char* caption) {
    HtmlLine& line = page_.blocks[index];
    Block& b = blocks_[index];
    const QString prefix = QString::fromLatin1(name);
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    b.text = new QPlainTextEdit(Shown(line.text));
    b.text->setObjectName(prefix + "Memo");
    b.text->setAccessibleName(caption);
    b.text->setTabChangesFocus(true);
    b.text->setFixedHeight(b.text->fontMetrics().lineSpacing() * 3 + 12);
    // At most 1000 characters as stored, where a line break takes two (CR LF): what does not fit
    // is not typed, so the stored text is the text shown.
    connect(b.text, &QPlainTextEdit::textChanged, b.text, [edit = b.text, last = b.text->toPlainText()]() mutable {
        int cursor = -1;
        const std::u16string fitted = FitBlockEdit(last.toStdU16String(), edit->toPlainText().toStdU16String(), cursor);
        last = QString::fromStdU16String(fitted);
        if (cursor < 0) return;
        const QSignalBlocker quiet(edit);
        edit->setPlainText(last);
        QTextCursor at = edit->textCursor();
        at.setPosition(cursor);
        edit->setTextCursor(at);
    });
    b.bold = StyleBox(prefix + "Bold", "Bold", line.bold, line.bold);
    b.italic = StyleBox(prefix + "Italic", "Italic", line.italic, line.italic);
    b.center = StyleBox(prefix + "Center", "Center", line.center, line.center);
    b.size = new QComboBox;
    b.size->setObjectName(prefix + "Size");
    for (const char* s : kSizes) b.size->addItem(s);
    b.size->setCurrentIndex(line.fontSize >= 1 && line.fontSize <= 7 ? line.fontSize - 1 : -1);
    connect(b.size, &QComboBox::currentIndexChanged, b.size, [&line](int i) {
        if (i >= 0) line.fontSize = i + 1;
    });
    QLabel* sizeLabel = BuddyLabel("Font Size", b.size);
    grid->addWidget(label, 0, 0, 1, 5);
    grid->addWidget(b.text, 1, 0, 1, 5);
    grid->addWidget(b.bold, 2, 0);
    grid->addWidget(b.italic, 2, 1);
    grid->addWidget(b.center, 2, 2);
    grid->addWidget(sizeLabel, 2, 3, Qt::AlignRight);
    grid->addWidget(b.size, 2, 4);
    return box;
}

void TMyHtml::SaveClick() {
    RunCommand(prompter_, [&] {
        page_.title = TrimBlanks(ToAnsi(title_->text())).substr(0, kWebTitleCapacity);
        for (std::size_t i = 0; i < blocks_.size(); ++i) page_.blocks[i].text = Kept(blocks_[i].text->toPlainText());
        const Outcome outcome = save_ ? save_(page_) : Outcome::Cancelled();
        if (outcome.IsDone()) {
            saved_ = true;
            accept();
        } else {
            ShowOutcome(*this, prompter_, outcome);
        }
    });
}

}  // namespace qf

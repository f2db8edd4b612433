#include "editor/forms/ManualAdd.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/TextHelpers.h"
#include "base/forms/AccessibleNames.h"
#include "base/forms/DevicePixels.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionFile.h"
#include "editor/forms/WordToolControls.h"
#include "model/PuzzleDescription.h"

namespace qf {

TAddAClue::TAddAClue(const FormLook& look, const std::string& word, Settings& settings, QWidget* parent)
    : ProgramDialog(look, parent) {
    setObjectName("AddAClue");
    setWindowTitle("Add A Clue");
    auto* myWord = new QLabel(FromAnsi(word));
    myWord->setObjectName("MyWord");
    theClue_ = new QLineEdit;
    theClue_->setObjectName("TheClue");
    theClue_->setMaxLength(kClueCapacity);
    QLabel* clueLabel = BuddyLabel("Clue:", theClue_);
    QPushButton* ok = DefaultButton("OkButton", "&Ok", FocusEnter::Passes);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cases = new QHBoxLayout;
    const std::pair<const char*, const char*> kCases[] = {
        {"UpperCase", "&Upper Case"}, {"LowerCase", "&Lower Case"}, {"FirstCap", "&First Letter Cap"}};
    for (int c = 0; c < 3; ++c) {
        QRadioButton* radio = ToolRadio(kCases[c].first, kCases[c].second);
        radio->setChecked(settings.caseSensitivity == c + 1);
        connect(radio, &QRadioButton::clicked, this, [&settings, c] { settings.caseSensitivity = c + 1; });
        cases->addWidget(radio);
    }
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(new QLabel("Word:"));
    wordRow->addWidget(myWord, 1);
    auto* clueRow = new QHBoxLayout;
    clueRow->addWidget(clueLabel);
    clueRow->addWidget(theClue_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(wordRow);
    layout->addLayout(clueRow);
    layout->addLayout(cases);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    SetDesignSize(QSize(460, 140));
}

std::string TAddAClue::Ask() {
    theClue_->setFocus();
    exec();
    return ToAnsi(theClue_->text());
}

// PuzzImage1: the grid, drawn as the dialog sees it, and the pointer's cell.
class TPuzzImage : public QWidget {
public:
    explicit TPuzzImage(TManualAdd& owner) : owner_(owner) {
        setObjectName("PuzzImage1");
        DescribePicture(*this, FromAnsi(GridDescription(owner_.Edited())));
        setMouseTracking(true);
    }
    int CellSize() const {
        const PuzzleRecord& r = owner_.Edited();
        return ManualCellSize(width(), height(), r.UsedWidth(), r.UsedHeight());
    }
    int CellAt(const QPoint& p) const {
        const PuzzleRecord& r = owner_.Edited();
        return CellAtPoint(p.x(), p.y(), CellSize(), r.UsedWidth(), r.UsedHeight());
    }

protected:
    void paintEvent(QPaintEvent*) override { DrawAPuzzle(); }
    void mousePressEvent(QMouseEvent* e) override { owner_.ImagePress(CellAt(e->position().toPoint())); }
    void mouseReleaseEvent(QMouseEvent* e) override { owner_.ImageRelease(CellAt(e->position().toPoint())); }
    void mouseMoveEvent(QMouseEvent* e) override {
        const int cell = CellAt(e->position().toPoint());
        if (cell == 0) unsetCursor();
        else setCursor(owner_.StartGrid().Editable(cell) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    }

private:
    void DrawAPuzzle() {
        const PuzzleRecord& r = owner_.Edited();
        DescribePicture(*this, FromAnsi(GridDescription(r)));  // what is drawn is what is said
        const int s = CellSize();
        const int w = r.UsedWidth(), h = r.UsedHeight();
        const QColor face = palette().color(QPalette::Window);
        QPainter p(this);
        p.fillRect(rect(), face);
        if (s < 1) return;
        {
            // The grid in device pixels: its lines 1 pixel thin on any screen.
            const DevicePixels d(p);
            p.fillRect(0, 0, d.At(w * s), d.At(h * s), Qt::white);
            for (int x = 0; x <= w; ++x) p.fillRect(d.At(x * s), 0, 1, d.At(h * s) + 1, Qt::black);
            for (int y = 0; y <= h; ++y) p.fillRect(0, d.At(y * s), d.At(w * s) + 1, 1, Qt::black);
            for (int row = 1; row <= h; ++row) {
                for (int column = 1; column <= w; ++column) {
                    const int k = CellIndex(row, column);
                    const int left = d.At((column - 1) * s) + 1, top = d.At((row - 1) * s) + 1;
                    const QRect square(left, top, d.At(column * s) - left, d.At(row * s) - top);
                    const std::uint8_t value = r.Cell(k);
                    if (value == kCellOutside) p.fillRect(square, face);
                    else if (value == kCellBlank) p.fillRect(square, owner_.StartGrid().Protected(k) ? QColor(0, 128, 128) : Qt::black);
                }
            }
        }
        p.setPen(Qt::black);
        QFont font("Arial");
        for (int size = 20; size >= 5; --size) {
            font.setPointSize(size);
            if (QFontMetrics(font).height() < s) break;
            if (size == 5) font.setPointSize(4);
        }
        p.setFont(font);
        for (int row = 1; row <= h; ++row) {
            for (int column = 1; column <= w; ++column) {
                const int k = CellIndex(row, column);
                const QRect square((column - 1) * s + 1, (row - 1) * s + 1, s - 1, s - 1);
                const std::uint8_t value = r.Cell(k);
                if (value != kCellOutside && value != kCellBlank)
                    p.drawText(square, Qt::AlignCenter, FromAnsi(std::string(1, static_cast<char>(value))));
            }
        }
    }

    TManualAdd& owner_;
};

TManualAdd::TManualAdd(ManualAddInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent), in_(std::move(inputs)), edited_(std::make_unique<PuzzleRecord>(in_.record)) {
    setObjectName("ManualAdd");
    setWindowTitle("Manual Word Addition");
    start_ = ManualAddGrid::Of(*edited_);
    image_ = new TPuzzImage(*this);
    image_->setMinimumSize(360, 360);
    theLetter_ = new QLineEdit(image_);
    theLetter_->setObjectName("TheLetter");
    theLetter_->setMaxLength(1);
    accept_ = DefaultButton("AcceptButton", "&Accept", FocusEnter::Passes);
    reject_ = NamedButton("RejectButton", "&Reject", FocusEnter::Passes);
    const OkCancel ends = OkCancelButtons(*this, [this] { OkButtonClick(); }, kColumnKeys);
    HideLetter();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(image_, 1);
    layout->addLayout(SideColumn({accept_, reject_}, {ends.ok, ends.cancel}));
    connect(accept_, &QPushButton::clicked, this, &TManualAdd::AcceptClick);
    connect(reject_, &QPushButton::clicked, this, &TManualAdd::RejectClick);
    connect(theLetter_, &QLineEdit::returnPressed, this, &TManualAdd::AcceptClick);
    SetDesignSize(QSize(500, 400));
}

TManualAdd::~TManualAdd() = default;

QPoint TManualAdd::CellCentre(int cell) const {
    const int s = image_->CellSize();
    const int row = (cell - 1) / kGridSide + 1, column = (cell - 1) % kGridSide + 1;
    return {(column - 1) * s + s / 2 + 1, (row - 1) * s + s / 2 + 1};
}

void TManualAdd::HideLetter() {
    for (QWidget* w : {static_cast<QWidget*>(theLetter_), static_cast<QWidget*>(accept_), static_cast<QWidget*>(reject_)}) {
        w->hide();
        w->setEnabled(false);
    }
}

bool TManualAdd::FinishLetter() {
    if (theLetter_->isHidden() || editedCell_ == 0) return true;
    const std::string typed = TrimBlanks(ToAnsi(theLetter_->text()));
    if (!typed.empty()) {
        const char letter = AcceptedLetter(typed);
        if (!letter) {
            ShowMessage(*this, in_.prompter, ErrorMessage(kLetterMustBeAToZ));
            theLetter_->setFocus();
            return false;
        }
        edited_->Cell(editedCell_) = static_cast<std::uint8_t>(letter);
        image_->update();
    }
    HideLetter();
    return true;
}

void TManualAdd::ImagePress(int cell) {
    if (!FinishLetter()) return;
    pressedCell_ = cell;
    if (cell != 0 && start_.Editable(cell)) pressFlag_ = true;
}

void TManualAdd::ImageRelease(int cell) {
    if (!pressFlag_) return;
    pressFlag_ = false;
    if (cell != pressedCell_) return;
    editedCell_ = cell;
    const int s = image_->CellSize();
    const int row = (cell - 1) / kGridSide + 1, column = (cell - 1) % kGridSide + 1;
    theLetter_->setGeometry((column - 1) * s + 1, (row - 1) * s + 1, std::max(s, 24), std::max(s, 20));
    theLetter_->clear();
    for (QWidget* w : {static_cast<QWidget*>(theLetter_), static_cast<QWidget*>(accept_), static_cast<QWidget*>(reject_)}) {
        w->show();
        w->setEnabled(true);
    }
    theLetter_->setFocus();
}

void TManualAdd::AcceptClick() {
    if (editedCell_ == 0) return;
    const std::string typed = TrimBlanks(ToAnsi(theLetter_->text()));
    if (typed.empty()) {
        edited_->Cell(editedCell_) = kCellBlank;
    } else {
        const char letter = AcceptedLetter(typed);
        if (!letter) {
            ShowMessage(*this, in_.prompter, ErrorMessage(kLetterMustBeAToZ));
            theLetter_->setFocus();
            return;
        }
        edited_->Cell(editedCell_) = static_cast<std::uint8_t>(letter);
    }
    image_->update();
    HideLetter();
}

void TManualAdd::RejectClick() {
    HideLetter();
    if (editedCell_ != 0 && edited_->Cell(editedCell_) != kCellBlank) {
        edited_->Cell(editedCell_) = kCellBlank;
        image_->update();
    }
}

void TManualAdd::OkButtonClick() {
    const ManualAddition added = AddTypedWords(*edited_, in_.settings.caseSensitivity, [&](const std::string& letters) {
        if (in_.askClue) return in_.askClue(letters);
        TAddAClue ask(Look(), letters, in_.settings, this);
        return ask.Ask();
    });
    if (!added.changed) {
        in_.prompter.Inform(added.notice);
        reject();
        return;
    }
    if (!added.notice.Empty()) in_.prompter.Inform(added.notice);
    if (in_.origins) *in_.origins = added.origins;
    in_.working = *edited_;
    RunCommand(in_.prompter, [&] {
        const Outcome written = WritePuzzle(in_.collection.Path(), in_.editRecordIndex, in_.working);
        if (!written.IsDone()) {
            ShowOutcome(*this, in_.prompter, written);
            return;
        }
        in_.collection.Written(in_.working.category.Str(), in_.working.title.Str());
        stored_ = true;
    });
    accept();
}

bool TManualAdd::Run(ManualAddInputs inputs, QWidget* parent) {
    TManualAdd dialog(std::move(inputs), parent);
    dialog.exec();
    return dialog.Stored();
}

}  // namespace qf

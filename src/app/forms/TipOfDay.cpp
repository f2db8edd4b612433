#include "app/forms/TipOfDay.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Tips.h"
#include "app/forms/ProgramPicture.h"
#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "model/RandomSource.h"

namespace qf {

TTipOfDay::TTipOfDay(const FormLook& look, bool showTips, std::uint64_t seed, QWidget* parent)
    : ProgramDialog(look, parent) {
    setObjectName("TipOfDay");
    setWindowTitle("Tip of the Day");
    KeepDesignFonts();

    AttemptRandom random(seed);
    tip_ = FirstTip(random);

    auto* picture = new ProgramPicture(ProgramPicture::Kind::Tip);

    auto* heading = new QLabel("Did you know?");
    heading->setObjectName("HeadingLabel");
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    heading->setFont(headingFont);

    text_ = new QLabel;
    text_->setObjectName("TipText");
    text_->setTextFormat(Qt::PlainText);  // an ampersand of a tip is shown as it is
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* page = new QFrame;
    page->setObjectName("TipPage");
    page->setFrameShape(QFrame::StyledPanel);
    page->setAutoFillBackground(true);
    QPalette paper = page->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(paper);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(heading);
    pageLayout->addWidget(text_, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(page, 1);

    showTips_ = new QCheckBox("&Show Tips at Startup");
    showTips_->setObjectName("ShowTipsBox");
    showTips_->setChecked(showTips);
    QPushButton* next = NamedButton("NextTipButton", "&Next Tip", FocusEnter::Passes);
    QPushButton* close = DefaultButton("CloseButton", "&Close");
    connect(next, &QPushButton::clicked, this, &TTipOfDay::NextTipClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(showTips_);
    bottom->addStretch();
    bottom->addWidget(next);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    SetDesignSize(QSize(430, 220));
    ShowTip();
}

bool TTipOfDay::ShowTips() const { return showTips_->isChecked(); }

void TTipOfDay::ShowTip() { text_->setText(FromAnsi(TipText(tip_))); }

void TTipOfDay::NextTipClick() {
    tip_ = NextTip(tip_);
    ShowTip();
}

bool TTipOfDay::Run(const FormLook& look, bool showTips, QWidget* parent) {
    TTipOfDay dialog(look, showTips, ClockSeed(), parent);
    dialog.exec();  // "&Close", Escape or the title bar: the box counts in every case
    return dialog.ShowTips();
}

}  // namespace qf

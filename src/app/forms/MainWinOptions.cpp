// The main window's Options menu: screen size, background, colours, fonts, languages, separators.
#include <QAction>
#include <QMenu>
#include <QScreen>

#include "app/ScreenOptions.h"
#include "app/forms/ClientArea.h"
#include "app/forms/MainWin.h"
#include "app/forms/WordLetters.h"
#include "base/forms/FormMessages.h"
#include "base/forms/InterfaceFonts.h"
#include "base/forms/WindowGeometry.h"

namespace qf {
namespace {

constexpr int kScreenSizes[] = {640, 800, 1024, 1280};
constexpr const char* kScreenActions[] = {"N640x480", "N800x600", "N1024x768", "N1280x1024"};
constexpr const char* kScreenShortcuts[] = {"Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4"};
constexpr const char* kAutomaticAction = "NAutomatic";

struct Language {
    const char* action;
    int value;
};
constexpr Language kDictionaries[] = {{"MenuEnglish", 1}, {"MenuBritish", 2}, {"MenuSpanish", 3},
                                      {"MenuItalian", 4}, {"MenuFrench", 5},  {"MenuGerman", 6},
                                      {"MenuDutch", 7},   {"MenuSwedish", 8}, {"MenuChooseSpell", 9}};
constexpr Language kThesauri[] = {{"MenuThesEnglish", 1}, {"MenuThesBritish", 2}, {"MenuChooseThes", 3}};

InterfaceFont& FontOf(Settings& settings, InterfaceFontKind kind) {
    switch (kind) {
        case InterfaceFontKind::Edit: return settings.editFont;
        case InterfaceFontKind::Button: return settings.buttonFont;
        default: return settings.labelFont;
    }
}

}  // namespace

void TMainWin::BuildOptionsMenu(QMenu* options) {
    QMenu* screen = options->addMenu("S&creen Size");
    QAction* automatic = screen->addAction("&Automatic");
    automatic->setObjectName(kAutomaticAction);
    automatic->setShortcut(QKeySequence("Ctrl+F5"));
    automatic->setCheckable(true);
    automatic->setToolTip("The largest size the screen the window is on can show");
    connect(automatic, &QAction::triggered, this, [this] { ChooseScreenSize(kAutomaticWindowSize); });
    actions_[kAutomaticAction] = automatic;
    screen->addSeparator();
    for (int i = 0; i < 4; ++i) {
        const int size = kScreenSizes[i];
        QAction* a = screen->addAction(QString::fromStdString(WindowSizeCaption(size)));
        a->setObjectName(kScreenActions[i]);
        a->setShortcut(QKeySequence(kScreenShortcuts[i]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, size] { ChooseScreenSize(size); });
        actions_[kScreenActions[i]] = a;
    }
    QAction* back = AddCommand(options, "MenuShowBack", "&Background Bitmap", "Ctrl+G", &TMainWin::ToggleBackground);
    back->setCheckable(true);
    AddCommand(options, "MenuJPeg", "&JPEG Compression Factor", "Ctrl+J", &TMainWin::JpegFactorClick);
    QMenu* colors = options->addMenu("C&olors For Saving Bitmaps && JPEGs");
    for (const auto& [name, caption, value] : {std::tuple{"Colors256", "&256 Colors", 2},
                                               std::tuple{"Colors16Mil", "&16 Million Colors", 1}}) {
        QAction* a = colors->addAction(caption);
        a->setObjectName(name);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, v = value] { ChoosePixelFormat(v); });
        actions_[name] = a;
    }
    options->addSeparator();
    AddCommand(options, "MenuIntChars", "&International Characters", "Ctrl+Y", &TMainWin::IntCharsClick);
    // Ctrl+H belongs to Puzzle Shape (first in menu order); two actions with one shortcut
    // would make Qt fire neither.
    AddCommand(options, "MenuClueHeaders", "&Clue Headers", nullptr, &TMainWin::ClueHeadersClick);
    AddCommand(options, "MenuWordSep", "&Word Separator Chars", "Ctrl+B", &TMainWin::WordSeparatorsClick);
    options->addSeparator();
    BuildLanguageMenus(options);
    options->addSeparator();
    using Kind = InterfaceFontKind;
    AddCommand(options, "MenuLabelFont", "&Label Font", "Shift+F8", [this] { ChooseInterfaceFont(Kind::Label); });
    AddCommand(options, "MenuEditFont", "E&dit Font", "Shift+F9", [this] { ChooseInterfaceFont(Kind::Edit); });
    AddCommand(options, "MenuButtonFont", "B&utton Font", "Shift+F10", [this] { ChooseInterfaceFont(Kind::Button); });
}

void TMainWin::BuildLanguageMenus(QMenu* options) {
    QMenu* spelling = options->addMenu("&Dictionary Type");
    static const char* const kCaptions[] = {"&American", "&British", "&Spanish", "&Italian", "&French",
                                            "&German",   "&Dutch",   "S&wedish", "&Choose At Spell Check Time"};
    for (std::size_t i = 0; i < std::size(kDictionaries); ++i) {
        if (i == 8) spelling->addSeparator();
        QAction* a = spelling->addAction(kCaptions[i]);
        a->setObjectName(kDictionaries[i].action);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, v = kDictionaries[i].value] { ChooseDictionary(v); });
        actions_[kDictionaries[i].action] = a;
    }
    AddCommand(options, "MenuAddDict", "&Add to Dictionary", "Ctrl+T", &TMainWin::AddDictClick);
    AddCommand(options, "MenuExcludeDict", "&Exclude From Dictionary", "Ctrl+U", &TMainWin::ExcludeDictClick);
    QMenu* thesaurus = options->addMenu("&Thesaurus Type");
    static const char* const kThesCaptions[] = {"&American", "&British", "&Choose at Thesaurus Use Time"};
    for (std::size_t i = 0; i < std::size(kThesauri); ++i) {
        QAction* a = thesaurus->addAction(kThesCaptions[i]);
        a->setObjectName(kThesauri[i].action);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, v = kThesauri[i].value] { ChooseThesaurus(v); });
        actions_[kThesauri[i].action] = a;
    }
}

void TMainWin::ShowLanguageChecks() {
    const ProgramState& state = context_.state;
    for (const Language& d : kDictionaries) {
        QAction* a = Action(d.action);
        a->setChecked(state.settings.dictionary == d.value);
        a->setEnabled(d.value == 9 || state.available.spelling[static_cast<std::size_t>(d.value)]);
    }
    for (const Language& t : kThesauri) {
        QAction* a = Action(t.action);
        a->setChecked(state.settings.thesaurus == t.value);
        a->setEnabled(t.value == 3 || state.available.thesaurus[static_cast<std::size_t>(t.value)]);
    }
}

void TMainWin::ChooseDictionary(int value) {
    // The user lists stay those named at start-up until the program starts again.
    context_.state.settings.dictionary = value;
    ShowLanguageChecks();
}

void TMainWin::ChooseThesaurus(int value) {
    context_.state.settings.thesaurus = value;
    ShowLanguageChecks();
}

void TMainWin::ChoosePixelFormat(int value) {
    context_.state.settings.pixelFormat = value;
    Action("Colors16Mil")->setChecked(value == 1);
    Action("Colors256")->setChecked(value == 2);
}

void TMainWin::ShowScreenSize(int windowSize) {
    const bool automatic = context_.state.settings.windowSize == kAutomaticWindowSize;
    Action(kAutomaticAction)->setChecked(automatic);
    for (int i = 0; i < 4; ++i) Action(kScreenActions[i])->setChecked(!automatic && kScreenSizes[i] == windowSize);
}

void TMainWin::ScreenMoved(QScreen* screen) {
    if (!screen) return;
    const bool pictureBefore = ShowsPuzzlePicture(context_.state, designWidth_);
    const bool rescaled = FollowScreen(context_.state, screen->geometry().width(), screen->geometry().height());
    if (rescaled || pictureBefore != ShowsPuzzlePicture(context_.state, designWidth_)) {
        ApplyLook();
        update();
    }
}

void TMainWin::ChooseScreenSize(int windowSize) {
    const Outcome chosen = ChooseWindowSize(context_.state, windowSize);
    if (chosen.IsDone()) {
        ShowScreenSize(windowSize);
        ApplyLook();
        update();
        return;
    }
    // Nothing happened: the check marks go back to the size in force.
    ShowScreenSize(StartUpWindowSize(context_.state.settings.windowSize, context_.state.screen.width,
                                     context_.state.screen.height));
    ShowOutcome(*this, *context_.prompter, chosen);
}

void TMainWin::ToggleBackground() {
    Settings& settings = context_.state.settings;
    settings.backgroundBitmap = !settings.backgroundBitmap;
    Action("MenuShowBack")->setChecked(settings.backgroundBitmap);
    client_->SetTiled(settings.backgroundBitmap);
}

void TMainWin::ChooseInterfaceFont(InterfaceFontKind kind) {
    InterfaceFont& font = FontOf(context_.state.settings, kind);
    FontChoice current;
    current.name = font.name;
    current.bold = font.bold;
    current.italic = font.italic;
    current.color = font.color;
    const auto chosen = context_.fontChooser->Choose(current);
    if (!chosen) return;
    // Only the typeface, the style and the colour are kept: a size chosen is not applied.
    font.name = chosen->name.substr(0, 149);
    font.bold = chosen->bold;
    font.italic = chosen->italic;
    font.color = chosen->color;
    ApplyInterfaceFonts(*client_, context_.Look());
}

void TMainWin::WordSeparatorsClick() {
    Settings& settings = context_.state.settings;
    StoreSeparators(TWordLetters::Run(context_.Look(), SeparatorsOf(settings), *context_.prompter, this), settings);
}

}  // namespace qf

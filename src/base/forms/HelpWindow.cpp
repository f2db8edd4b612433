#include "base/forms/HelpWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"

namespace qf {
namespace {

constexpr const char* kContentsPage = "index.html";  // the help project's contents page
constexpr const char* kVirtualFolder = "manual";

QPointer<THelpWindow>& Instance() {
    static QPointer<THelpWindow> instance;
    return instance;
}

}  // namespace

// Shows the pages of the help collection; links between pages stay in the help, links to the
// web go to the desktop's browser.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::Follow);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == "qthelp") return engine_.fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    void Follow(const QUrl& link) {
        const QUrl url = source().resolved(link);
        if (url.scheme() == "qthelp")
            setSource(url);
        else
            QDesktopServices::openUrl(url);
    }

    QHelpEngineCore& engine_;
};

THelpWindow* THelpWindow::Current() { return Instance(); }

THelpWindow* THelpWindow::Open(const QString& collectionFile, QWidget* parent) {
    // The engine would make a missing collection, and write to one it may change: neither
    // may happen to the program directory.
    if (!QFileInfo(collectionFile).isFile()) return nullptr;
    auto engine = std::make_unique<QHelpEngine>(collectionFile);
    engine->setReadOnly(true);
    if (!engine->setupData()) return nullptr;
    const QStringList namespaces = engine->registeredDocumentations();
    if (namespaces.isEmpty()) return nullptr;
    for (const QString& name : namespaces)
        if (!QFileInfo(engine->documentationFileName(name)).isFile()) return nullptr;
    return new THelpWindow(std::move(engine), collectionFile, parent);
}

THelpWindow::THelpWindow(std::unique_ptr<QHelpEngine> engine, const QString& collectionFile, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(std::move(engine)), collectionFile_(collectionFile) {
    setObjectName("HelpWindow");
    setWindowTitle("Quernfold 98 Help");
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildWidgets();
    resize(900, 640);
    // A window of its own, not a dialog: Escape closes it as it closes every dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

THelpWindow::~THelpWindow() = default;

void THelpWindow::BuildWidgets() {
    QPushButton* back = NamedButton("BackButton", "&Back");
    QPushButton* forward = NamedButton("ForwardButton", "&Forward");
    QPushButton* home = NamedButton("ContentsButton", "&Contents");

    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName("HelpContents");
    contents->setAccessibleName("Contents");
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName("HelpIndex");
    index->setAccessibleName("Index");
    lookFor_ = new QLineEdit;
    lookFor_->setObjectName("HelpLookFor");
    lookFor_->setPlaceholderText("Type the word to look for");
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(BuddyLabel("&Look for:", lookFor_));
    indexLayout->addWidget(lookFor_);
    indexLayout->addWidget(index);

    tabs_ = new QTabWidget;
    tabs_->setObjectName("HelpTabs");
    tabs_->setAccessibleName("Contents and index");
    tabs_->addTab(contents, "Co&ntents");
    tabs_->addTab(indexPage, "&Index");

    browser_ = new HelpBrowser(*engine_, this);
    browser_->setObjectName("HelpText");
    browser_->setAccessibleName("Help text");
    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({270, 630});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ButtonRow({back, forward, home}, RowAlign::Left));
    layout->addWidget(splitter, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this, [this] { ShowContents(); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &THelpWindow::SyncContents);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, &THelpWindow::SyncContents);
    connect(contents, &QHelpContentWidget::linkActivated, this, &THelpWindow::ShowPage);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& documents, const QString&) {
        if (!documents.isEmpty()) ShowPage(documents.first().url);
    });
    connect(lookFor_, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    // The index is read in the background: what was typed before it was there counts too.
    connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, index,
            [this, index] { index->filterIndices(lookFor_->text()); });
    connect(lookFor_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    // The index is used by typing: its box takes the cursor whenever the tab is opened.
    connect(tabs_, &QTabWidget::currentChanged, this, [this, indexPage](int tab) {
        if (tabs_->widget(tab) == indexPage) lookFor_->setFocus(Qt::TabFocusReason);
    });
}

bool THelpWindow::ShowContents() {
    for (const QString& name : engine_->registeredDocumentations()) {
        const QUrl page("qthelp://" + name + "/" + kVirtualFolder + "/" + kContentsPage);
        if (!engine_->findFile(page).isValid()) continue;
        ShowPage(page);
        return true;
    }
    return false;
}

bool THelpWindow::ShowKeyword(const QString& keyword) {
    const QList<QHelpLink> documents = engine_->documentsForKeyword(keyword);
    if (documents.isEmpty()) return false;
    ShowPage(documents.first().url);
    return true;
}

QUrl THelpWindow::Page() const { return browser_->source(); }

void THelpWindow::ShowPage(const QUrl& url) {
    if (url.scheme() != "qthelp") return;
    browser_->setSource(url);
}

namespace {

// The row of the contents tree that leads to `page`, searched below `parent`.
QModelIndex RowOf(const QHelpContentModel& model, const QUrl& page, const QModelIndex& parent) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex at = model.index(row, 0, parent);
        if (const QHelpContentItem* item = model.contentItemAt(at); item && item->url() == page) return at;
        if (const QModelIndex below = RowOf(model, page, at); below.isValid()) return below;
    }
    return {};
}

}  // namespace

// Selects the page shown in the contents tree (the section, else its chapter), once the tree is
// there.
void THelpWindow::SyncContents() {
    QHelpContentWidget* contents = engine_->contentWidget();
    const QHelpContentModel& model = *engine_->contentModel();
    contents->expandToDepth(0);
    const QUrl page = browser_->source();
    QModelIndex at = RowOf(model, page, {});
    if (!at.isValid()) at = RowOf(model, page.adjusted(QUrl::RemoveFragment), {});
    if (!at.isValid()) return;
    const QSignalBlocker quiet(contents);
    contents->setCurrentIndex(at);
    contents->scrollTo(at);
}

void THelpWindow::PlaceOnce(QWidget* owner) {
    if (placed_) return;
    placed_ = true;
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    resize(size().boundedTo(area.size() * 9 / 10));  // room for the frame
    move(area.center() - rect().center());
}

void ShowHelp(QWidget* parent, const std::string& programDir, const std::string& keyword) {
    const QString file = QFileInfo(QDir(QFile::decodeName(programDir.c_str())).filePath(kHelpFileName)).absoluteFilePath();
    // From a modal dialog the window must belong to the dialog to be usable while it is open.
    QWidget* owner = parent ? parent->window() : nullptr;
    QPointer<THelpWindow>& window = Instance();
    if (window && window->CollectionFile() != file) delete window;
    if (!window) {
        window = THelpWindow::Open(file, owner);
        if (!window) return;  // no help file: nothing to say
    } else if (window->parentWidget() != owner) {
        const QRect geometry = window->geometry();
        window->setParent(owner, Qt::Window);
        window->setGeometry(geometry);
    }
    // A keyword the help does not know opens it at its contents rather than nowhere.
    if (keyword.empty() || !window->ShowKeyword(QString::fromStdString(keyword))) window->ShowContents();
    window->PlaceOnce(owner);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace qf

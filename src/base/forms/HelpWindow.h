#pragma once
// The program's help: the help file QFOLD.HLP of the program directory (a Qt help collection,
// with its compressed help QFOLD.QCH beside it) shown in one help window with the contents,
// the index and the pages. Any window of any floor opens it with ShowHelp:
//
//   ShowHelp(this, state.dirs.program);                      // at the contents
//   ShowHelp(this, state.dirs.program, "CROSSWORD OBJECTS"); // at a keyword's topic
//
// The window is not modal and serves the whole run: a later call shows the same window at the
// new place. Opened from a modal dialog it belongs to that dialog, so that it can be used while
// the dialog is open (and closes with it). A missing or unreadable help file is not reported:
// nothing opens. A keyword the help does not know opens it at its contents.
#include <QUrl>
#include <QWidget>
#include <memory>
#include <string>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace qf {

constexpr const char* kHelpFileName = "QFOLD.HLP";

void ShowHelp(QWidget* parent, const std::string& programDir, const std::string& keyword = {});

class HelpBrowser;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // The window ShowHelp opened last, while it is open or hidden; null before and after.
    static THelpWindow* Current();

    ~THelpWindow() override;

    // The collection this window reads (its full path).
    const QString& CollectionFile() const { return collectionFile_; }

    // Shows the contents page; false when the help has none.
    bool ShowContents();
    // Shows the topic of a keyword of the help's index; false when the index does not hold it.
    bool ShowKeyword(const QString& keyword);

    QUrl Page() const;

private:
    friend void ShowHelp(QWidget*, const std::string&, const std::string&);
    // Opens the collection; null when it is missing or holds no help.
    static THelpWindow* Open(const QString& collectionFile, QWidget* parent);
    THelpWindow(std::unique_ptr<QHelpEngine> engine, const QString& collectionFile, QWidget* parent);

    void BuildWidgets();
    // The first showing centres the window on the screen of `owner` (or the main screen);
    // later ones keep where the user put it.
    void PlaceOnce(QWidget* owner);
    void ShowPage(const QUrl& url);
    void SyncContents();

    std::unique_ptr<QHelpEngine> engine_;
    QString collectionFile_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* lookFor_ = nullptr;
    HelpBrowser* browser_ = nullptr;
    bool placed_ = false;
};

}  // namespace qf

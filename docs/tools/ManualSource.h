#pragma once
// The user manual's source: one Markdown file per chapter in docs/manual, named NN-name.md and
// taken in name order. Each chapter starts with its one level-1 heading. A line
//     <!-- keywords: PUZZLE CONNECTION; another keyword -->
// gives the heading above it the help keywords the program's windows ask for; every heading is
// also an entry of the help index under its own text. Headings get the anchors GitHub gives
// them, so links between chapters (02-main-window.md#the-lists) work on GitHub, in the help
// and are checked here.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace qf::docs {

struct Heading {
    int level = 0;        // 1 for the chapter title
    QString text;         // as shown, without inline markup
    QString anchor;       // unique within its chapter
    QStringList keywords;
};

struct Chapter {
    QString sourceName;  // 03-making-a-puzzle.md
    QString pageName;    // 03-making-a-puzzle.html
    QString title;       // its level-1 heading
    QString markdown;    // the source without the keyword lines
    QList<Heading> headings;
    QStringList images;  // as written in the source: images/main-window.svg
};

struct Manual {
    QString dir;
    QList<Chapter> chapters;
};

// GitHub's anchor of a heading: lower case, punctuation dropped, blanks made hyphens.
QString Slug(const QString& headingText);

// Reads and checks one chapter's text. Fails (with the reason in `error`) on a missing or
// repeated chapter title, keywords before the first heading or given twice.
std::optional<Chapter> ParseChapter(const QString& sourceName, const QString& text, QString& error);

// Reads every chapter of `dir` and checks that each link names an existing chapter and anchor
// and each picture an existing file, and that no keyword names two topics.
std::optional<Manual> ReadManual(const QString& dir, QString& error);

}  // namespace qf::docs

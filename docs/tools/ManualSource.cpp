#include "ManualSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace qf::docs {
namespace {

const QRegularExpression kHeadingLine(R"(^(#{1,6})[ \t]+(.*?)(?:[ \t]+#+)?[ \t]*$)");
const QRegularExpression kFenceLine(R"(^ {0,3}(`{3,}|~{3,}))");
const QRegularExpression kKeywordLine(R"(^\s*<!--\s*keywords:(.*)-->\s*$)");
const QRegularExpression kLinkOrPicture(R"((!?)\[([^\]]*)\]\(([^)\s]+)\))");
const QRegularExpression kChapterName(R"(^\d\d-[a-z0-9-]+\.md$)");

// The heading as the reader sees it: links reduced to their text, emphasis and code marks gone.
QString PlainHeading(QString text) {
    static const QRegularExpression link(R"(\[([^\]]*)\]\([^)]*\))");
    text.replace(link, "\\1");
    text.remove('*');
    text.remove('`');
    return text.trimmed();
}

struct Reference {
    QString chapter;  // the file the link names, or empty for the same chapter
    QString anchor;
};

bool IsExternal(const QString& target) {
    return target.startsWith("http://") || target.startsWith("https://") || target.startsWith("mailto:");
}

Reference Split(const QString& target) {
    const qsizetype hash = target.indexOf('#');
    if (hash < 0) return {target, {}};
    return {target.left(hash), target.mid(hash + 1)};
}

bool HasAnchor(const Chapter& chapter, const QString& anchor) {
    for (const Heading& h : chapter.headings)
        if (h.anchor == anchor) return true;
    return false;
}

const Chapter* FindChapter(const Manual& manual, const QString& sourceName) {
    for (const Chapter& c : manual.chapters)
        if (c.sourceName == sourceName) return &c;
    return nullptr;
}

// Every link of every chapter leads somewhere and every picture exists.
bool CheckReferences(const Manual& manual, QString& error) {
    for (const Chapter& chapter : manual.chapters) {
        bool inFence = false;
        for (const QString& line : chapter.markdown.split('\n')) {
            if (kFenceLine.match(line).hasMatch()) inFence = !inFence;
            if (inFence) continue;
            for (auto it = kLinkOrPicture.globalMatch(line); it.hasNext();) {
                const auto m = it.next();
                const QString target = m.captured(3);
                const QString where = chapter.sourceName + ": " + target;
                if (m.captured(1) == "!") {
                    const QString suffix = QFileInfo(target).suffix().toLower();
                    if (suffix != "png" && suffix != "svg" && suffix != "jpg") {
                        error = where + ": pictures are PNG, JPEG or SVG files";
                        return false;
                    }
                    if (!QFileInfo::exists(QDir(manual.dir).filePath(target))) {
                        error = where + ": no such picture";
                        return false;
                    }
                    continue;
                }
                if (IsExternal(target)) continue;
                const Reference ref = Split(target);
                const Chapter* to = ref.chapter.isEmpty() ? &chapter : FindChapter(manual, ref.chapter);
                if (!to) {
                    error = where + ": no such chapter";
                    return false;
                }
                if (!ref.anchor.isEmpty() && !HasAnchor(*to, ref.anchor)) {
                    error = where + ": no such heading";
                    return false;
                }
            }
        }
    }
    return true;
}

bool CheckKeywordsUnique(const Manual& manual, QString& error) {
    QSet<QString> seen;
    for (const Chapter& chapter : manual.chapters)
        for (const Heading& heading : chapter.headings)
            for (const QString& keyword : heading.keywords) {
                if (seen.contains(keyword.toUpper())) {
                    error = chapter.sourceName + ": the keyword \"" + keyword + "\" names two topics";
                    return false;
                }
                seen.insert(keyword.toUpper());
            }
    return true;
}

}  // namespace

QString Slug(const QString& headingText) {
    QString slug;
    for (const QChar c : headingText.toLower()) {
        if (c.isLetterOrNumber() || c == '-' || c == '_')
            slug += c;
        else if (c == ' ')
            slug += '-';
    }
    return slug;
}

std::optional<Chapter> ParseChapter(const QString& sourceName, const QString& text, QString& error) {
    Chapter chapter;
    chapter.sourceName = sourceName;
    chapter.pageName = QFileInfo(sourceName).completeBaseName() + ".html";
    QStringList kept;
    QHash<QString, int> anchorUses;
    bool inFence = false;
    QString fence;
    int lineNumber = 0;
    for (QString line : text.split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r')) line.chop(1);
        const QString where = sourceName + ":" + QString::number(lineNumber) + ": ";
        if (const auto m = kFenceLine.match(line); m.hasMatch()) {
            if (!inFence) {
                inFence = true;
                fence = m.captured(1);
            } else if (m.captured(1).startsWith(fence)) {
                inFence = false;
            }
            kept << line;
            continue;
        }
        if (inFence) {
            kept << line;
            continue;
        }
        if (const auto m = kKeywordLine.match(line); m.hasMatch()) {
            if (chapter.headings.isEmpty()) {
                error = where + "keywords before the first heading";
                return std::nullopt;
            }
            for (const QString& part : m.captured(1).split(';')) {
                const QString keyword = part.trimmed();
                if (keyword.isEmpty()) continue;
                chapter.headings.last().keywords << keyword;
            }
            continue;  // the keyword line is not part of the text
        }
        if (const auto m = kHeadingLine.match(line); m.hasMatch()) {
            Heading heading;
            heading.level = static_cast<int>(m.captured(1).size());
            heading.text = PlainHeading(m.captured(2));
            const QString slug = Slug(heading.text);
            const int uses = anchorUses.value(slug, 0);
            anchorUses[slug] = uses + 1;
            heading.anchor = uses == 0 ? slug : slug + "-" + QString::number(uses);
            if (heading.level == 1) {
                if (!chapter.title.isEmpty()) {
                    error = where + "a chapter has one level-1 heading";
                    return std::nullopt;
                }
                chapter.title = heading.text;
            } else if (chapter.title.isEmpty()) {
                error = where + "a chapter starts with its level-1 heading";
                return std::nullopt;
            }
            chapter.headings << heading;
        }
        for (auto it = kLinkOrPicture.globalMatch(line); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(1) == "!") chapter.images << m.captured(3);
        }
        kept << line;
    }
    if (chapter.title.isEmpty()) {
        error = sourceName + ": no chapter title (a level-1 heading)";
        return std::nullopt;
    }
    chapter.markdown = kept.join('\n');
    return chapter;
}

std::optional<Manual> ReadManual(const QString& dir, QString& error) {
    Manual manual;
    manual.dir = dir;
    QStringList names = QDir(dir).entryList({"*.md"}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!kChapterName.match(name).hasMatch()) {
            error = QDir(dir).filePath(name) + ": chapter files are named NN-name.md";
            return std::nullopt;
        }
        QFile file(QDir(dir).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            error = file.fileName() + ": cannot be read";
            return std::nullopt;
        }
        auto chapter = ParseChapter(name, QString::fromUtf8(file.readAll()), error);
        if (!chapter) return std::nullopt;
        manual.chapters << *chapter;
    }
    if (manual.chapters.isEmpty()) {
        error = dir + ": no chapters";
        return std::nullopt;
    }
    if (!CheckReferences(manual, error) || !CheckKeywordsUnique(manual, error)) return std::nullopt;
    return manual;
}

}  // namespace qf::docs

#include "HelpProject.h"

#include <QDir>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include "FrontMatter.h"
#include "ManualDocument.h"

namespace qf::docs {
namespace {

constexpr const char* kNamespace = "org.quernfold.help";
constexpr const char* kContentsSource = "00-contents.md";

bool Save(const QString& path, const QByteArray& data, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) < 0 || !file.commit()) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

QString Ref(const Chapter& chapter, const Heading& heading) {
    return heading.level == 1 ? chapter.pageName : chapter.pageName + "#" + heading.anchor;
}

// Chapters hold their sections (level 2); sections their subsections.
void WriteToc(QXmlStreamWriter& xml, const Chapter& chapter) {
    int open = 0;
    for (const Heading& h : chapter.headings) {
        if (h.level > 3) continue;
        while (open >= h.level) {
            xml.writeEndElement();
            --open;
        }
        xml.writeStartElement("section");
        xml.writeAttribute("title", h.text);
        xml.writeAttribute("ref", Ref(chapter, h));
        open = h.level;
    }
    while (open-- > 0) xml.writeEndElement();
}

void WriteKeywords(QXmlStreamWriter& xml, const Manual& manual) {
    for (const Chapter& chapter : manual.chapters)
        for (const Heading& h : chapter.headings) {
            // A keyword's topic is always the heading itself, also a chapter's.
            for (const QString& keyword : h.keywords) {
                xml.writeEmptyElement("keyword");
                xml.writeAttribute("name", keyword);
                xml.writeAttribute("id", keyword);
                xml.writeAttribute("ref", chapter.pageName + "#" + h.anchor);
            }
            xml.writeEmptyElement("keyword");
            xml.writeAttribute("name", h.text);
            xml.writeAttribute("ref", Ref(chapter, h));
        }
}

QByteArray HelpProjectXml(const Manual& manual, const QStringList& files) {
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("QtHelpProject");
    xml.writeAttribute("version", "1.0");
    xml.writeTextElement("namespace", kNamespace);
    xml.writeTextElement("virtualFolder", "manual");
    xml.writeStartElement("filterSection");
    xml.writeStartElement("toc");
    xml.writeStartElement("section");
    xml.writeAttribute("title", QString(kProductName) + " Help");
    xml.writeAttribute("ref", kContentsPage);
    for (const Chapter& chapter : manual.chapters) WriteToc(xml, chapter);
    xml.writeEndElement();  // section
    xml.writeEndElement();  // toc
    xml.writeStartElement("keywords");
    WriteKeywords(xml, manual);
    xml.writeEndElement();
    xml.writeStartElement("files");
    for (const QString& file : files) xml.writeTextElement("file", file);
    xml.writeEndElement();
    xml.writeEndElement();  // filterSection
    xml.writeEndElement();  // QtHelpProject
    xml.writeEndDocument();
    return data;
}

QByteArray CollectionProjectXml(const QString& compressedName) {
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("QHelpCollectionProject");
    xml.writeAttribute("version", "1.0");
    xml.writeStartElement("docFiles");
    xml.writeStartElement("generate");
    xml.writeStartElement("file");
    xml.writeTextElement("input", kHelpProjectFile);
    xml.writeTextElement("output", compressedName);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement("register");
    xml.writeTextElement("file", compressedName);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return data;
}

bool WritePage(const Chapter& chapter, const QHash<QString, Picture>& pictures, const QString& outDir, QString& error) {
    QTextDocument doc;
    if (!BuildHelpPage(doc, chapter, pictures, error)) return false;
    return Save(QDir(outDir).filePath(chapter.pageName), doc.toHtml().toUtf8(), error);
}

}  // namespace

QString ContentsMarkdown(const Manual& manual) {
    QString text = "# " + QString(kProductName) + " Help\n\n";
    text += "This help tells you how to make crossword puzzles with " + QString(kProductName) +
            ": keeping them in collections, building them from your word lists, laying them out on the page, "
            "printing them and sharing them. Choose a chapter, or look a word up in the Index.\n\n";
    for (const Chapter& chapter : manual.chapters) {
        text += "- [" + chapter.title + "](" + chapter.sourceName + ")\n";
        for (const Heading& h : chapter.headings)
            if (h.level == 2) text += "  - [" + h.text + "](" + chapter.sourceName + "#" + h.anchor + ")\n";
    }
    return text;
}

bool WriteHelpProject(const Manual& manual, const QString& outDir, const QString& compressedName, QString& error) {
    if (!QDir().mkpath(QDir(outDir).filePath("images"))) {
        error = outDir + ": cannot be made";
        return false;
    }
    QStringList files{kContentsPage};
    QHash<QString, Picture> pictures;
    for (const Chapter& chapter : manual.chapters) {
        files << chapter.pageName;
        for (const QString& name : chapter.images) {
            if (pictures.contains(name)) continue;
            const bool drawing = name.endsWith(".svg", Qt::CaseInsensitive);
            auto picture = LoadPicture(QDir(manual.dir).filePath(name), drawing ? 2 : 1, error);
            if (!picture) return false;
            pictures.insert(name, *picture);
            const QString helpName = HelpPictureName(name);
            if (files.contains(helpName)) {
                error = name + ": another picture has the name " + helpName;
                return false;
            }
            files << helpName;
            if (!picture->image.save(QDir(outDir).filePath(helpName), "PNG")) {
                error = QDir(outDir).filePath(helpName) + ": cannot be written";
                return false;
            }
        }
    }
    for (const Chapter& chapter : manual.chapters)
        if (!WritePage(chapter, pictures, outDir, error)) return false;

    auto contents = ParseChapter(kContentsSource, ContentsMarkdown(manual), error);
    if (!contents) return false;
    contents->pageName = kContentsPage;
    return WritePage(*contents, pictures, outDir, error) &&
           Save(QDir(outDir).filePath(kHelpProjectFile), HelpProjectXml(manual, files), error) &&
           Save(QDir(outDir).filePath(kCollectionProjectFile), CollectionProjectXml(compressedName), error);
}

}  // namespace qf::docs

#include "exchange/Ipuz.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "base/Ansi.h"

namespace qf {
namespace {

// ---- writing

QString Text(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

// Readers of ipuz may show titles and clues as HTML, so the characters HTML gives a meaning are
// written as entities (the import reads them back).
QString Html(const std::string& ansi) {
    QString text;
    for (const QChar c : Text(ansi)) {
        if (c == '&') text += QStringLiteral("&amp;");
        else if (c == '<') text += QStringLiteral("&lt;");
        else if (c == '>') text += QStringLiteral("&gt;");
        else text += c;
    }
    return text;
}

QJsonValue PuzzleCell(const ExchangeCell& cell) {
    switch (cell.kind) {
    case CellKind::Omitted: return QJsonValue::Null;
    case CellKind::Block: return QStringLiteral("#");
    case CellKind::Letter: break;
    }
    if (!cell.given) return cell.number;
    return QJsonObject{{"cell", cell.number}, {"value", Text(std::string(1, cell.letter))}};
}

QJsonValue SolutionCell(const ExchangeCell& cell) {
    switch (cell.kind) {
    case CellKind::Omitted: return QJsonValue::Null;
    case CellKind::Block: return QStringLiteral("#");
    case CellKind::Letter: break;
    }
    return Text(std::string(1, cell.letter));
}

QJsonArray Clues(const std::vector<ExchangeEntry>& entries) {
    QJsonArray list;
    for (const ExchangeEntry& e : entries) {
        QJsonObject clue{{"number", e.number}, {"clue", Html(e.clue)}, {"answer", Text(e.answer)}};
        if (!e.enumeration.empty()) clue["enumeration"] = QString::fromStdString(e.enumeration);
        list.append(clue);
    }
    return list;
}

// ---- reading

QString CellText(const QJsonValue& v) {
    if (v.isString()) return v.toString();
    if (v.isDouble()) return QString::number(v.toInt());
    if (v.isObject()) return CellText(v.toObject().value("value"));
    return {};
}

// ipuz text fields may carry HTML entities (ours write "&", "<" and ">" so): the named ones of
// plain text and numeric ones are read back; anything else stays as written.
QString FromHtml(const QString& text) {
    static const std::pair<const char*, char16_t> kNamed[] = {
        {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", u'\u00A0'}};
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text[i] == '&' ? text.indexOf(';', i) : -1;
        if (end < 0 || end - i > 10) {
            out += text[i];
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        bool known = false;
        if (name.startsWith('#')) {
            bool ok = false;
            const uint code = name.size() > 1 && (name[1] == 'x' || name[1] == 'X') ? name.mid(2).toUInt(&ok, 16)
                                                                                    : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t c = code;
                out += QString::fromUcs4(&c, 1);
                known = true;
            }
        } else {
            for (const auto& [entity, c] : kNamed)
                if (name == QLatin1String(entity)) {
                    out += QChar(c);
                    known = true;
                }
        }
        if (known) i = end;
        else out += text[i];
    }
    return out;
}

int CellNumber(const QJsonValue& v) {
    if (v.isDouble()) return v.toInt();
    if (v.isString()) return v.toString().toInt();
    if (v.isObject()) return CellNumber(v.toObject().value("cell"));
    return 0;
}

}  // namespace

QByteArray IpuzBytes(const ExchangePuzzle& p) {
    QJsonArray puzzle, solution;
    for (int r = 0; r < p.height; ++r) {
        QJsonArray puzzleRow, solutionRow;
        for (int c = 0; c < p.width; ++c) {
            puzzleRow.append(PuzzleCell(p.At(r, c)));
            solutionRow.append(SolutionCell(p.At(r, c)));
        }
        puzzle.append(puzzleRow);
        solution.append(solutionRow);
    }
    bool enumerated = false;
    for (const auto* list : {&p.across, &p.down})
        for (const ExchangeEntry& e : *list) enumerated = enumerated || !e.enumeration.empty();

    QJsonObject root{
        {"version", "http://ipuz.org/v2"},
        {"kind", QJsonArray{"http://ipuz.org/crossword#1"}},
        {"origin", "Quernfold 98"},
        {"title", Html(p.title)},
        {"dimensions", QJsonObject{{"width", p.width}, {"height", p.height}}},
        {"block", "#"},
        {"empty", 0},
        {"puzzle", puzzle},
        {"solution", solution},
        {"clues", QJsonObject{{"Across", Clues(p.across)}, {"Down", Clues(p.down)}}},
    };
    if (enumerated) root["showenumerations"] = true;
    if (const std::string notes = p.Notes(); !notes.empty()) root["notes"] = Html(notes);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Outcome ParseIpuz(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return RefuseCrossword("it is not an ipuz file");
    const QJsonObject root = doc.object();
    bool crossword = false;
    for (const QJsonValue& kind : root.value("kind").toArray())
        crossword = crossword || kind.toString().startsWith("http://ipuz.org/crossword");
    if (!crossword) return RefuseCrossword("it is not an ipuz crossword");
    const QJsonObject dims = root.value("dimensions").toObject();
    const int width = dims.value("width").toInt(), height = dims.value("height").toInt();
    if (width < 1 || height < 1 || width > kMaxImportedSide || height > kMaxImportedSide) return RefuseCrossword("its size is wrong");
    const QJsonArray puzzle = root.value("puzzle").toArray(), solution = root.value("solution").toArray();
    const QString block = root.value("block").toString("#");

    // Where each number stands, and the letters of the solution, for clues without an answer.
    std::map<int, int> numberAt;
    std::vector<QString> letters(static_cast<std::size_t>(width * height));
    std::vector<bool> white(letters.size());
    for (int r = 0; r < height && r < puzzle.size(); ++r) {
        const QJsonArray row = puzzle[r].toArray();
        const QJsonArray solutionRow = solution.size() > r ? solution[r].toArray() : QJsonArray();
        for (int c = 0; c < width && c < row.size(); ++c) {
            const auto k = static_cast<std::size_t>(r * width + c);
            const QJsonValue cell = row[c];
            white[k] = !cell.isNull() && CellText(cell) != block && !(cell.isObject() && cell.toObject().value("cell").toString() == block);
            if (const int n = CellNumber(cell); white[k] && n > 0 && !numberAt.contains(n)) numberAt[n] = static_cast<int>(k);
            if (c < solutionRow.size()) letters[k] = CellText(solutionRow[c]);
        }
    }
    auto answerFrom = [&](int number, bool across) {
        std::string word;
        const auto start = numberAt.find(number);
        if (start == numberAt.end()) return word;
        for (int k = start->second; k < width * height && white[static_cast<std::size_t>(k)];) {
            const QString& l = letters[static_cast<std::size_t>(k)];
            if (l.isEmpty() || l == block) return std::string();
            word += Utf8ToAnsi(l.toStdString());
            if (across && (k + 1) % width == 0) break;
            k += across ? 1 : width;
        }
        return word;
    };

    std::vector<ImportedEntry> entries;
    const QJsonObject clues = root.value("clues").toObject();
    for (const char* direction : {"Across", "Down"}) {
        QJsonArray list;
        for (auto it = clues.begin(); it != clues.end(); ++it)
            if (it.key() == direction || it.key().startsWith(QString(direction) + ":")) list = it.value().toArray();
        for (const QJsonValue& v : list) {
            int number = 0;
            QString clue, answer;
            if (v.isArray()) {
                number = CellNumber(v.toArray().at(0));
                clue = FromHtml(v.toArray().at(1).toString());
            } else if (v.isObject()) {
                const QJsonObject o = v.toObject();
                number = CellNumber(o.value("number"));
                clue = FromHtml(o.value("clue").toString());
                answer = o.value("answer").toString();
            } else {
                return RefuseCrossword("a clue is not in the ipuz form");
            }
            std::string word = answer.isEmpty() ? answerFrom(number, std::string(direction) == "Across")
                                                : Utf8ToAnsi(answer.toStdString());
            if (word.empty()) return RefuseCrossword("the answer of " + std::to_string(number) + " " + direction + " is missing");
            entries.push_back(MakeImportedEntry(word, Utf8ToAnsi(clue.toStdString())));
            if (entries.size() > kMaxImportedEntries) return RefuseCrossword("it has too many clues");
        }
    }
    if (entries.empty()) return RefuseCrossword("it has no clues");
    out = std::move(entries);
    return Outcome::Done();
}

}  // namespace qf

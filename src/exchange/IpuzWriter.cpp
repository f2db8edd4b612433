#include "exchange/IpuzWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/Ansi.h"

namespace qf {
namespace {

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

}  // namespace qf

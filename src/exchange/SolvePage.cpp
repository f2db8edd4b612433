#include "exchange/SolvePage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/Ansi.h"

static void InitSolvePage() { Q_INIT_RESOURCE(solvepage); }

namespace qf {
namespace {

QString Text(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

std::string Resource(const char* name) {
    InitSolvePage();
    QFile file(QString(":/solvepage/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// The next key byte of a small linear congruential stream; the page's script has the same.
unsigned char NextKey(unsigned& state) {
    state = (state * 1103515245u + 12345u) & 0x7FFFFFFFu;
    return static_cast<unsigned char>(state >> 16);
}

QJsonArray Entries(const std::vector<ExchangeEntry>& entries) {
    QJsonArray list;
    for (const ExchangeEntry& e : entries)
        list.append(QJsonObject{{"n", e.number}, {"r", e.row}, {"c", e.column}, {"len", e.length},
                                {"clue", Text(e.clue)}, {"enum", QString::fromStdString(e.enumeration)}});
    return list;
}

// A seed from the puzzle itself, so that the same puzzle always gives the same page.
unsigned SeedOf(const std::string& text) {
    unsigned h = 2166136261u;
    for (unsigned char c : text) h = (h ^ c) * 16777619u;
    return h & 0x7FFFFFFFu;
}

std::string PuzzleData(const ExchangePuzzle& p) {
    QJsonArray cells;
    std::string answers;  // one UTF-8 character per letter cell, row by row
    for (const ExchangeCell& cell : p.cells) {
        switch (cell.kind) {
        case CellKind::Omitted: cells.append(0); break;
        case CellKind::Block: cells.append(1); break;
        case CellKind::Letter: {
            QJsonObject o{{"n", cell.number}};
            if (cell.given) o["g"] = Text(std::string(1, cell.letter));
            cells.append(o);
            answers += AnsiToUtf8(std::string(1, cell.letter));
            break;
        }
        }
    }
    const unsigned seed = SeedOf(answers + p.title);
    const QJsonObject data{{"w", p.width}, {"h", p.height}, {"title", Text(p.title)}, {"cells", cells},
                           {"across", Entries(p.across)}, {"down", Entries(p.down)},
                           {"seed", static_cast<qint64>(seed)},
                           {"answers", QString::fromStdString(ScrambleAnswers(answers, seed))}};
    std::string json = QJsonDocument(data).toJson(QJsonDocument::Compact).toStdString();
    // Inside a script element "</script" would end it and "<!--" would start a comment that
    // swallows the rest of the page; JSON reads the escape as the same character.
    std::string safe;
    safe.reserve(json.size());
    for (const char c : json) {
        if (c == '<') safe += "\\u003c";
        else safe += c;
    }
    return safe;
}

std::string Escaped(const std::string& ansi) { return Text(ansi).toHtmlEscaped().toStdString(); }

}  // namespace

std::string ScrambleAnswers(const std::string& text, unsigned seed) {
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    unsigned state = seed;
    for (char& b : bytes) b = static_cast<char>(static_cast<unsigned char>(b) ^ NextKey(state));
    return bytes.toBase64().toStdString();
}

std::string UnscrambleAnswers(const std::string& base64, unsigned seed) {
    QByteArray bytes = QByteArray::fromBase64(QByteArray::fromStdString(base64));
    unsigned state = seed;
    for (char& b : bytes) b = static_cast<char>(static_cast<unsigned char>(b) ^ NextKey(state));
    return bytes.toStdString();
}

std::string SolvePageHtml(const ExchangePuzzle& p) {
    const std::string title = p.title.empty() ? std::string("Crossword") : Escaped(p.title);
    std::string notes;
    if (!p.category.empty()) notes += "<p class=\"note\">Category: " + Escaped(p.category) + "</p>\n";
    if (!p.bonusQuestion.empty())
        notes += "<p class=\"note\">Bonus question: " + Escaped(p.bonusQuestion) + "</p>\n";
    std::string html;
    html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    html += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    html += "<meta name=\"generator\" content=\"Quernfold 98\">\n";
    html += "<title>" + title + "</title>\n<style>\n" + Resource("SolvePage.css") + "</style>\n</head>\n<body>\n";
    html += "<main>\n<h1>" + title + "</h1>\n" + notes;
    html += R"(<p class="help" id="help">Click or tap a square and type. Arrows move; Tab and Shift+Tab go to the next and previous word; Space or a second click turns the direction; Backspace goes back.</p>
<div class="tools" role="toolbar" aria-label="Check and reveal">
<span class="group"><span class="label" id="check-label">Check</span>
<button type="button" data-act="check" data-scope="letter" aria-describedby="check-label">Letter</button>
<button type="button" data-act="check" data-scope="word" aria-describedby="check-label">Word</button>
<button type="button" data-act="check" data-scope="puzzle" aria-describedby="check-label">Puzzle</button></span>
<span class="group"><span class="label" id="reveal-label">Reveal</span>
<button type="button" data-act="reveal" data-scope="letter" aria-describedby="reveal-label">Letter</button>
<button type="button" data-act="reveal" data-scope="word" aria-describedby="reveal-label">Word</button>
<button type="button" data-act="reveal" data-scope="puzzle" aria-describedby="reveal-label">Puzzle</button></span>
<span class="group"><button type="button" data-act="clear" data-scope="puzzle">Clear all</button></span>
</div>
<div class="layout">
<div class="board">
<div class="clue-bar" id="current" aria-hidden="true"></div>
<div id="grid" role="grid" aria-label="Puzzle grid" aria-describedby="help"></div>
<p id="status" class="status" role="status" aria-live="polite"></p>
<div id="keyboard" class="keyboard" aria-hidden="true"></div>
</div>
<div class="clues">
<section aria-labelledby="across-heading"><h2 id="across-heading">Across</h2><ol id="across" class="cluelist"></ol></section>
<section aria-labelledby="down-heading"><h2 id="down-heading">Down</h2><ol id="down" class="cluelist"></ol></section>
</div>
</div>
</main>
<script id="puzzle-data" type="application/json">)";
    html += PuzzleData(p);
    html += "</script>\n<script>\n" + Resource("SolvePage.js") + "</script>\n</body>\n</html>\n";
    return html;
}

}  // namespace qf

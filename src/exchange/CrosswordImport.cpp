#include "exchange/CrosswordImport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

#include "base/Ansi.h"
#include "exchange/PuzWriter.h"

namespace qf {
namespace {

constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;
constexpr int kMaxSide = 255;
constexpr std::size_t kMaxEntries = 2000;

Outcome Unreadable(const std::string& reason) { return Outcome::Refused(ErrorMessage(CrosswordUnreadable(reason))); }

// Control characters (a line break too) become blanks; the word and clue are cut to what a
// puzzle holds.
std::string Clean(std::string ansi, std::size_t capacity) {
    for (char& c : ansi)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    const auto first = ansi.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    ansi = ansi.substr(first, ansi.find_last_not_of(' ') - first + 1);
    return ansi.substr(0, capacity);
}

ImportedEntry Entry(const std::string& wordAnsi, const std::string& clueAnsi) {
    return {Clean(wordAnsi, kWordCapacity), Clean(clueAnsi, kClueCapacity)};
}

// The runs of a grid of letter cells, numbered as the formats without numbers of their own do.
struct Run {
    int number = 0;
    bool across = true;
    std::vector<int> cells;  // row * width + column
};
std::vector<Run> Runs(int width, int height, const std::vector<bool>& white) {
    auto at = [&](int r, int c) { return r >= 0 && c >= 0 && r < height && c < width && white[static_cast<std::size_t>(r * width + c)]; };
    std::vector<Run> runs;
    int number = 0;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            if (!at(r, c)) continue;
            const bool across = !at(r, c - 1) && at(r, c + 1);
            const bool down = !at(r - 1, c) && at(r + 1, c);
            if (!across && !down) continue;
            ++number;
            for (bool dir : {true, false}) {
                if (dir ? !across : !down) continue;
                Run run{number, dir, {}};
                for (int k = 0; dir ? at(r, c + k) : at(r + k, c); ++k) run.cells.push_back(dir ? r * width + c + k : (r + k) * width + c);
                runs.push_back(std::move(run));
            }
        }
    return runs;
}

// ---- ipuz

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

std::string CrosswordUnreadable(const std::string& reason) {
    return "Unable to read the crossword file: " + reason + ".";
}

Outcome ParseIpuz(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return Unreadable("it is not an ipuz file");
    const QJsonObject root = doc.object();
    bool crossword = false;
    for (const QJsonValue& kind : root.value("kind").toArray())
        crossword = crossword || kind.toString().startsWith("http://ipuz.org/crossword");
    if (!crossword) return Unreadable("it is not an ipuz crossword");
    const QJsonObject dims = root.value("dimensions").toObject();
    const int width = dims.value("width").toInt(), height = dims.value("height").toInt();
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return Unreadable("its size is wrong");
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
                return Unreadable("a clue is not in the ipuz form");
            }
            std::string word = answer.isEmpty() ? answerFrom(number, std::string(direction) == "Across")
                                                : Utf8ToAnsi(answer.toStdString());
            if (word.empty()) return Unreadable("the answer of " + std::to_string(number) + " " + direction + " is missing");
            entries.push_back(Entry(word, Utf8ToAnsi(clue.toStdString())));
            if (entries.size() > kMaxEntries) return Unreadable("it has too many clues");
        }
    }
    if (entries.empty()) return Unreadable("it has no clues");
    out = std::move(entries);
    return Outcome::Done();
}

Outcome ParsePuz(std::span<const std::uint8_t> b, std::vector<ImportedEntry>& out) {
    if (b.size() < 0x34 || std::string(reinterpret_cast<const char*>(b.data()) + 2, 12) != std::string("ACROSS&DOWN\0", 12))
        return Unreadable("it is not an Across Lite file");
    auto shortAt = [&](std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); };
    const int width = b[0x2C], height = b[0x2D];
    const int clueCount = shortAt(0x2E);
    const auto cells = static_cast<std::size_t>(width * height);
    if (width < 1 || height < 1 || b.size() < 0x34 + 2 * cells) return Unreadable("its grid is cut short");
    if (shortAt(0x32) != 0) return Unreadable("its answers are locked");
    if (PuzChecksum(b.subspan(0x2C, 8)) != shortAt(0x0E)) return Unreadable("its checksums do not match");

    const auto solution = b.subspan(0x34, cells), state = b.subspan(0x34 + cells, cells);
    std::vector<std::string> strings;
    std::size_t at = 0x34 + 2 * cells;
    while (strings.size() < static_cast<std::size_t>(3 + clueCount + 1)) {
        std::size_t end = at;
        while (end < b.size() && b[end] != 0) ++end;
        if (end >= b.size()) return Unreadable("its clues are cut short");
        strings.emplace_back(reinterpret_cast<const char*>(b.data()) + at, end - at);
        at = end + 1;
    }
    // The whole file's checksum, with the notes counted as newer files count them or not at all.
    auto textSum = [&](std::uint16_t sum, bool withNotes) {
        auto withNul = [&](const std::string& s) {
            if (!s.empty()) sum = PuzChecksum(std::span(reinterpret_cast<const std::uint8_t*>(s.c_str()), s.size() + 1), sum);
        };
        withNul(strings[0]);
        withNul(strings[1]);
        withNul(strings[2]);
        for (int i = 0; i < clueCount; ++i) {
            const std::string& clue = strings[static_cast<std::size_t>(3 + i)];
            sum = PuzChecksum(std::span(reinterpret_cast<const std::uint8_t*>(clue.data()), clue.size()), sum);
        }
        if (withNotes) withNul(strings.back());
        return sum;
    };
    const std::uint16_t boards = PuzChecksum(state, PuzChecksum(solution, shortAt(0x0E)));
    if (textSum(boards, true) != shortAt(0x00) && textSum(boards, false) != shortAt(0x00))
        return Unreadable("its checksums do not match");

    std::vector<bool> white(cells);
    for (std::size_t k = 0; k < cells; ++k) white[k] = solution[k] != '.' && solution[k] != ':';
    std::vector<Run> runs = Runs(width, height, white);
    if (static_cast<int>(runs.size()) != clueCount) return Unreadable("its clues do not fit its grid");
    // Stored in number order, the across clue before the down clue of the same number.
    std::stable_sort(runs.begin(), runs.end(), [](const Run& x, const Run& y) { return x.number < y.number; });
    std::vector<ImportedEntry> across, down;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::string word;
        for (int k : runs[i].cells) word += static_cast<char>(solution[static_cast<std::size_t>(k)]);
        (runs[i].across ? across : down).push_back(Entry(word, strings[3 + i]));
    }
    across.insert(across.end(), down.begin(), down.end());
    if (across.empty()) return Unreadable("it has no clues");
    out = std::move(across);
    return Outcome::Done();
}

Outcome ParseXd(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out) {
    const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!IsValidUtf8(text)) return Unreadable("it is not an xd text file");
    std::vector<ImportedEntry> across, down;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || (line[start] != 'A' && line[start] != 'D')) continue;
        std::size_t k = start + 1;
        while (k < line.size() && std::isdigit(static_cast<unsigned char>(line[k]))) ++k;
        if (k == start + 1 || k + 1 >= line.size() || line[k] != '.' || line[k + 1] != ' ') continue;
        const auto tilde = line.rfind(" ~ ");
        if (tilde == std::string::npos || tilde < k + 1) return Unreadable("a clue has no answer");
        const std::string clue = line.substr(k + 2, tilde > k + 2 ? tilde - k - 2 : 0);
        const std::string answer = line.substr(tilde + 3);
        if (answer.find_first_not_of(' ') == std::string::npos) return Unreadable("a clue has no answer");
        (line[start] == 'A' ? across : down).push_back(Entry(Utf8ToAnsi(answer), Utf8ToAnsi(clue)));
        if (across.size() + down.size() > kMaxEntries) return Unreadable("it has too many clues");
    }
    across.insert(across.end(), down.begin(), down.end());
    if (across.empty()) return Unreadable("it has no clues");
    out = std::move(across);
    return Outcome::Done();
}

Outcome ReadCrosswordFile(const std::string& path, ExchangeFormat format, std::vector<ImportedEntry>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Unreadable("the file cannot be opened");
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > kMaxFileSize) return Unreadable("it is too large");
    }
    if (in.bad()) return Unreadable("the file cannot be read");
    switch (format) {
    case ExchangeFormat::Ipuz: return ParseIpuz(bytes, out);
    case ExchangeFormat::Puz: return ParsePuz(bytes, out);
    case ExchangeFormat::Xd: return ParseXd(bytes, out);
    case ExchangeFormat::Html: break;
    }
    return Unreadable("a solving page holds no words to take");
}

}  // namespace qf

#include "exchange/PuzzleExport.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "base/SaveFile.h"
#include "exchange/ExchangePuzzle.h"
#include "exchange/Ipuz.h"
#include "exchange/Puz.h"
#include "exchange/SolvePage.h"
#include "exchange/Xd.h"

namespace qf {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace

std::string SuggestedExportName(const std::string& title) {
    std::string name;
    for (char c : title) {
        const auto u = static_cast<unsigned char>(c);
        const bool refused = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += !refused && u >= ' ' && u < 0x80 ? c : ' ';
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
    return (name.empty() ? std::string("Puzzle") : name) + ".ipuz";
}

FileDialogRequest ExportPuzzleAsRequest(const std::string& title) {
    return {"Export Puzzle As", kExchangeFilter, "ipuz", SuggestedExportName(title), true, true};
}

std::optional<ExchangeFormat> FormatOfFile(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "ipuz") return ExchangeFormat::Ipuz;
    if (ext == "puz") return ExchangeFormat::Puz;
    if (ext == "xd") return ExchangeFormat::Xd;
    if (ext == "html" || ext == "htm") return ExchangeFormat::Html;
    return std::nullopt;
}

std::string ShownSeparators(const Settings& s) {
    std::string shown;
    if (s.wordSepDash) shown += '-';
    if (s.wordSepSlash) shown += '/';
    if (s.wordSepPlus) shown += '+';
    if (s.wordSepStar) shown += '*';
    if (s.wordSepOther && s.wordSepChar != ' ') shown += s.wordSepChar;
    return shown;
}

Outcome ExportPuzzleFile(const PuzzleRecord& record, const std::string& shownSeparators, ExchangeFormat format,
                         const std::string& path) {
    ExchangePuzzle puzzle;
    if (Outcome o = MakeExchangePuzzle(record, shownSeparators, puzzle); !o.IsDone()) return o;
    const bool gridNumbered = format == ExchangeFormat::Puz || format == ExchangeFormat::Xd;
    if (gridNumbered && !NumberedLikeItsGrid(puzzle)) return Outcome::Refused(WarningMessage(kExportNumberingText));
    bool written = false;
    switch (format) {
    case ExchangeFormat::Ipuz: {
        const QByteArray json = IpuzBytes(puzzle);
        written = WriteWholeFile(path, {reinterpret_cast<const std::uint8_t*>(json.constData()),
                                        static_cast<std::size_t>(json.size())});
        break;
    }
    case ExchangeFormat::Puz: written = WriteWholeFile(path, PuzBytes(puzzle)); break;
    case ExchangeFormat::Xd: written = WriteWholeFile(path, Bytes(XdText(puzzle))); break;
    case ExchangeFormat::Html: written = WriteWholeFile(path, Bytes(SolvePageHtml(puzzle))); break;
    }
    if (!written) return Outcome::Refused(ErrorMessage(kExportWriteFailedText));
    return Outcome::Confirmed(InfoMessage(kExportedText, kCaptionOk));
}

}  // namespace qf

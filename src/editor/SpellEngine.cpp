#include "editor/SpellEngine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "base/WriteFaults.h"
#include "editor/AnsiCase.h"
#include "editor/HunspellDictionary.h"
#include "editor/LexiconFiles.h"

namespace qf {
namespace {

// Lexicon files larger than this are not lexicons of ours.
constexpr std::uintmax_t kMaxLexiconFileSize = 64u << 20;

struct Lexicon {
    std::int16_t kind = kSsceIncludeList;
    std::int16_t language = 0;
    std::string path;                  // user lists: the file AddToLex appends to
    std::vector<std::string> words;    // stored order
    std::set<std::string> folded;      // lower case, for look-ups
    std::shared_ptr<const HunspellDictionary> dictionary;  // main lexicons

    void Add(const std::string& word) {
        words.push_back(word);
        folded.insert(LowerAnsi(word));
    }
};

// One open session with its lexicons; the open sessions are found by their identifiers.
class Session {
public:
    // The lowest free identifier, or kSsceBadSession when none is left.
    static SsceSession Open() {
        for (SsceSession id = 1; id < INT16_MAX; ++id)
            if (Table().try_emplace(id).second) return id;
        return kSsceBadSession;
    }
    static Session* Find(SsceSession id) {
        auto it = Table().find(id);
        return it == Table().end() ? nullptr : &it->second;
    }
    static bool Close(SsceSession id) { return Table().erase(id) != 0; }
    static int OpenCount() { return static_cast<int>(Table().size()); }

    Lexicon* FindLexicon(SsceLexId id) {
        auto it = lexicons_.find(id);
        return it == lexicons_.end() ? nullptr : &it->second;
    }
    SsceLexId AddLexicon(Lexicon lexicon) {
        if (nextLex_ == INT16_MAX) return kSsceBadArgument;
        const SsceLexId id = nextLex_++;
        lexicons_.emplace(id, std::move(lexicon));
        return id;
    }
    bool CloseLexicon(SsceLexId id) { return lexicons_.erase(id) != 0; }
    const std::map<SsceLexId, Lexicon>& Lexicons() const { return lexicons_; }

private:
    static std::map<SsceSession, Session>& Table() {
        static std::map<SsceSession, Session> sessions;
        return sessions;
    }
    std::map<SsceLexId, Lexicon> lexicons_;  // ids rise, so the map keeps the opening order
    SsceLexId nextLex_ = 1;
};

std::int16_t UserListKind(const std::string& path) {
    const std::string name = LowerAnsi(std::filesystem::path(path).filename().string());
    return name.rfind("exc", 0) == 0 ? kSsceExcludeList : kSsceIncludeList;
}

bool InLists(const Session& s, const std::string& folded, bool exclude) {
    for (const auto& [id, lex] : s.Lexicons()) {
        const bool isExclude = lex.kind == kSsceExcludeList;
        if (lex.dictionary || isExclude != exclude) continue;
        if (lex.folded.count(folded)) return true;
    }
    return false;
}

// Excluded: false; accepted by a list or a dictionary: true; unknown: nullopt.
std::optional<bool> Decide(const Session& s, const std::string& word) {
    const std::string folded = LowerAnsi(word);
    if (InLists(s, folded, true)) return false;
    if (InLists(s, folded, false)) return true;
    for (const auto& [id, lex] : s.Lexicons())
        if (lex.dictionary && lex.dictionary->Spell(word)) return true;
    return std::nullopt;
}

// Letters (accented ones of Windows-1252 included) and digits; everything else around a word
// is punctuation such as "!" or quotes, which the clue delimiters do not cover.
bool IsWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) && u < 0x80) return true;
    if (u >= 0xC0) return u != 0xD7 && u != 0xF7;
    switch (u) {
        case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F: return true;
        default: return false;
    }
}

struct Affixed {
    std::string prefix, core, suffix;
};

Affixed SplitPunctuation(const std::string& word) {
    std::size_t begin = 0, end = word.size();
    while (begin < end && !IsWordChar(word[begin])) ++begin;
    while (end > begin && !IsWordChar(word[end - 1])) --end;
    return {word.substr(0, begin), word.substr(begin, end - begin), word.substr(end)};
}

// A word is taken as it stands first (so "AT&T" can be listed), then without the punctuation
// around it; punctuation alone is accepted.
bool Accepts(const Session& s, const std::string& word) {
    if (auto verdict = Decide(s, word)) return *verdict;
    const Affixed parts = SplitPunctuation(word);
    if (parts.core.empty()) return true;
    if (parts.core.size() != word.size())
        if (auto verdict = Decide(s, parts.core)) return *verdict;
    return false;
}

std::vector<std::string> SplitBlanks(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == ' ') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

// Edit distance of at most one (one letter changed, added, dropped or two swapped).
bool OneEditApart(const std::string& a, const std::string& b) {
    if (a == b) return false;
    const std::size_t la = a.size(), lb = b.size();
    if (la == lb) {
        std::vector<std::size_t> diff;
        for (std::size_t i = 0; i < la && diff.size() < 3; ++i)
            if (a[i] != b[i]) diff.push_back(i);
        if (diff.size() == 1) return true;
        return diff.size() == 2 && diff[1] == diff[0] + 1 && a[diff[0]] == b[diff[1]] && a[diff[1]] == b[diff[0]];
    }
    const std::string& longer = la > lb ? a : b;
    const std::string& shorter = la > lb ? b : a;
    if (longer.size() != shorter.size() + 1) return false;
    std::size_t i = 0;
    while (i < shorter.size() && shorter[i] == longer[i]) ++i;
    return shorter.compare(i, std::string::npos, longer, i + 1, std::string::npos) == 0;
}

void CopyOut(const std::string& text, char* buffer, std::int32_t size) {
    if (!buffer || size <= 0) return;
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

}  // namespace

SsceSession SSCE_OpenSession() { return Session::Open(); }

SsceLexId SSCE_OpenLex(SsceSession session, const char* path, std::int32_t /*memoryBudget*/) {
    Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    if (!path || !*path) return kSsceFileNotOpened;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || std::filesystem::file_size(path, ec) > kMaxLexiconFileSize)
        return kSsceFileNotOpened;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return kSsceFileNotOpened;
    const std::string text(bytes->begin(), bytes->end());

    Lexicon lex;
    lex.path = path;
    if (const auto desc = ParseLexiconDescriptor(text)) {
        if (desc->kind == LexiconDescriptor::Kind::Main) {
            const auto folder = std::filesystem::path(path).parent_path().string();
            const auto base = FindHunspellDictionary(desc->dictionary, folder);
            if (!base) return kSsceFileNotOpened;
            lex.dictionary = LoadHunspellDictionary(*base);
            if (!lex.dictionary) return kSsceFileNotOpened;
            lex.kind = kSsceMainLexicon;
        } else {
            lex.kind = kSsceCompanionLexicon;
            for (const auto& w : desc->words) lex.Add(w);
        }
    } else if (text.rfind("QUERNFOLD ", 0) == 0) {
        return kSsceFileNotOpened;  // a damaged descriptor is not a word list either
    } else {
        lex.kind = UserListKind(path);
        for (const auto& w : ParseWordLines(text)) lex.Add(w);
    }
    return s->AddLexicon(std::move(lex));
}

namespace {

// Adds one line to a word list, all or nothing: a write that fails halfway is cut off again,
// so the list never ends in half a word.
bool AppendLine(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const off_t size = ok ? st.st_size : 0;
    // A list edited by hand may lack its last line break.
    char last = '\n';
    if (ok && size > 0) ok = ::pread(fd, &last, 1, size - 1) == 1;
    const std::string line = (last != '\n' ? "\n" : "") + text + "\n";
    std::size_t done = 0;
    while (ok && done < line.size()) {
        const ssize_t put = faults::WriteFails() ? -1 : ::pwrite(fd, line.data() + done, line.size() - done,
                                                                 size + static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        ok = put > 0;
        if (ok) done += static_cast<std::size_t>(put);
    }
    if (ok) ok = !faults::WriteFails() && ::fsync(fd) == 0;
    if (!ok && done > 0) (void)::ftruncate(fd, size);
    return ::close(fd) == 0 && ok;
}

}  // namespace

SsceLexId SSCE_CreateLex(SsceSession session, const char* path, std::int16_t kind, std::int16_t language) {
    Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    if (!path || !*path || (kind != kSsceIncludeList && kind != kSsceExcludeList)) return kSsceBadArgument;
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return kSsceFileNotOpened;
    if (std::fclose(f) != 0) return kSsceWriteFailed;
    Lexicon lex;
    lex.kind = kind;
    lex.language = language;
    lex.path = path;
    return s->AddLexicon(std::move(lex));
}

std::int16_t SSCE_AddToLex(SsceSession session, SsceLexId id, const char* word, const char* /*otherWord*/) {
    Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    Lexicon* lex = s->FindLexicon(id);
    if (!lex) return kSsceBadLexicon;
    if (lex->kind != kSsceIncludeList && lex->kind != kSsceExcludeList) return kSsceBadLexicon;
    if (!word || !*word || std::strpbrk(word, "\r\n")) return kSsceBadArgument;

    if (!AppendLine(lex->path, AnsiToUtf8(word))) return kSsceWriteFailed;
    lex->Add(word);
    return 0;
}

std::int16_t SSCE_CheckWord(SsceSession session, std::uint32_t /*options*/, const char* word, char* replacement,
                            std::int16_t replacementSize) {
    CopyOut({}, replacement, replacementSize);
    const Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    if (!word || !*word) return kSsceAccepted;
    const std::string text = word;
    if (text.size() > static_cast<std::size_t>(kSsceMaxWordLength)) return kSsceMisspelled;
    if (Accepts(*s, text)) return kSsceAccepted;
    // Crossword entries may be phrases: accept them when every word is accepted, unless the
    // phrase itself is excluded.
    if (text.find(' ') == std::string::npos || InLists(*s, LowerAnsi(text), true)) return kSsceMisspelled;
    const auto parts = SplitBlanks(text);
    if (parts.empty()) return kSsceAccepted;
    for (const auto& part : parts)
        if (!Accepts(*s, part)) return kSsceMisspelled;
    return kSsceAccepted;
}

std::int16_t SSCE_Suggest(SsceSession session, const char* word, std::int16_t /*depth*/, char* suggestions,
                          std::int32_t size, std::int16_t* scores, std::int16_t scoreCount) {
    CopyOut({}, suggestions, size);
    const Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    if (!word || !*word || !suggestions || size <= 0) return 0;
    const std::string text = word;
    if (text.size() > static_cast<std::size_t>(kSsceMaxWordLength)) return 0;

    std::vector<std::string> found;
    const Affixed parts = SplitPunctuation(text);
    auto offer = [&](const std::string& core) {
        const std::string w = parts.prefix + core + parts.suffix;
        if (core.empty() || InLists(*s, LowerAnsi(w), true) || InLists(*s, LowerAnsi(core), true)) return;
        if (std::find(found.begin(), found.end(), w) == found.end()) found.push_back(w);
    };
    if (parts.core.empty()) return 0;
    for (const auto& [id, lex] : s->Lexicons())
        if (lex.dictionary)
            for (const auto& w : lex.dictionary->Suggest(parts.core)) offer(w);
    const std::string folded = LowerAnsi(parts.core);
    for (const auto& [id, lex] : s->Lexicons())
        if (!lex.dictionary && lex.kind != kSsceExcludeList)
            for (const auto& w : lex.words)
                if (OneEditApart(LowerAnsi(w), folded)) offer(w);

    // Words, each with its NUL, then the NUL of the empty word that ends the list.
    std::int32_t used = 0;
    std::int16_t count = 0;
    for (const auto& w : found) {
        const auto need = static_cast<std::int32_t>(w.size()) + 1;
        if (used + need + 1 > size || count == INT16_MAX) break;
        std::memcpy(suggestions + used, w.c_str(), static_cast<std::size_t>(need));
        used += need;
        if (scores && count < scoreCount) scores[count] = static_cast<std::int16_t>(std::max(1, 100 - count));
        ++count;
    }
    suggestions[used] = '\0';
    return count;
}

std::int16_t SSCE_GetLexInfo(SsceSession session, SsceLexId id, std::int32_t* size, std::int16_t* format,
                             std::int16_t* kind, std::int16_t* language) {
    Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    const Lexicon* lex = s->FindLexicon(id);
    if (!lex) return kSsceBadLexicon;
    std::int64_t bytes = 0;
    for (const auto& w : lex->words) bytes += static_cast<std::int64_t>(w.size()) + 1;
    if (size) *size = static_cast<std::int32_t>(std::min<std::int64_t>(bytes, INT32_MAX));
    if (format) *format = lex->dictionary ? 1 : 0;
    if (kind) *kind = lex->kind;
    if (language) *language = lex->language;
    return 0;
}

std::int32_t SSCE_GetLex(SsceSession session, SsceLexId id, char* buffer, std::int32_t size) {
    Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    const Lexicon* lex = s->FindLexicon(id);
    if (!lex) return kSsceBadLexicon;
    if (!buffer || size <= 0) return 0;
    std::int32_t used = 0;
    for (const auto& w : lex->words) {
        const auto need = static_cast<std::int32_t>(w.size()) + 1;
        if (used + need > size) break;
        std::memcpy(buffer + used, w.c_str(), static_cast<std::size_t>(need));
        used += need;
    }
    return used;
}

std::int16_t SSCE_CloseLex(SsceSession session, SsceLexId id) {
    Session* s = Session::Find(session);
    if (!s) return kSsceBadSession;
    return s->CloseLexicon(id) ? 0 : kSsceBadLexicon;
}

std::int16_t SSCE_CloseSession(SsceSession session) {
    return Session::Close(session) ? 0 : kSsceBadSession;
}

int SSCE_OpenSessionCount() { return Session::OpenCount(); }

}  // namespace qf

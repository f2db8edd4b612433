#include "editor/UserWordList.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "base/TextHelpers.h"
#include "editor/SpellEngine.h"

namespace qf {

std::string MaintenanceHeading(UserListMode mode, const std::string& languageName) {
    if (mode == UserListMode::Include)
        return "These words will be added to the " + languageName + " dictionary and counted as valid.";
    return "These words will be excluded from the  " + languageName + " dictionary and will be invalid.";
}

std::vector<std::string> LoadUserWordList(const std::string& path) {
    std::vector<std::string> words;
    if (!FileExists(path)) return words;
    const SsceSessionGuard guard;
    if (!guard.Opened()) return words;
    const SsceSession session = guard.Id();
    const SsceLexId lex = SSCE_OpenLex(session, path.c_str(), -1);
    if (lex < 0) return words;
    std::int32_t size = 0;
    std::int16_t format = 0, kind = 0, language = 0;
    SSCE_GetLexInfo(session, lex, &size, &format, &kind, &language);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 0));
    const std::int32_t used = SSCE_GetLex(session, lex, buffer.data(), size);
    std::string word;
    for (std::int32_t i = 0; i < used; ++i) {
        if (buffer[static_cast<std::size_t>(i)] != '\0') {
            word += buffer[static_cast<std::size_t>(i)];
        } else {
            if (!word.empty()) words.push_back(word);
            word.clear();
        }
    }
    SSCE_CloseLex(session, lex);
    return words;
}

namespace {

// The engine writes the list into `scratch`, an empty file of ours.
bool WriteListWithEngine(const std::string& scratch, UserListMode mode, std::int16_t languageCode,
                         const std::vector<std::string>& words) {
    const SsceSessionGuard guard;
    if (!guard.Opened()) return false;
    const std::int16_t kind = mode == UserListMode::Include ? kSsceIncludeList : kSsceExcludeList;
    const SsceLexId lex = SSCE_CreateLex(guard.Id(), scratch.c_str(), kind, languageCode);
    if (lex < 0) return false;
    bool ok = true;
    for (const auto& word : words) ok = SSCE_AddToLex(guard.Id(), lex, word.c_str(), "") >= 0 && ok;
    SSCE_CloseLex(guard.Id(), lex);
    return ok;
}

}  // namespace

bool SaveUserWordList(const std::string& path, UserListMode mode, std::int16_t languageCode,
                      const std::vector<std::string>& words) {
    // The engine writes the list into a scratch file; it then replaces the list as a whole file
    // (base/SaveFile.h), so a failure halfway keeps the old list with its links, owner and mode.
    std::error_code ec;
    std::string temp = (std::filesystem::temp_directory_path(ec) / "qf-list-XXXXXX").string();
    const int fd = ec ? -1 : ::mkstemp(temp.data());
    if (fd < 0) return false;
    ::close(fd);
    bool ok = WriteListWithEngine(temp, mode, languageCode, words);
    if (ok) {
        const auto bytes = ReadWholeFile(temp);
        ok = bytes && WriteWholeFile(path, *bytes);
    }
    std::remove(temp.c_str());
    return ok;
}

bool AddWordToIncludeList(const std::string& path, std::int16_t languageCode, const std::string& word) {
    const SsceSessionGuard guard;
    if (!guard.Opened()) return false;
    const bool existed = FileExists(path);
    const SsceLexId lex = existed ? SSCE_OpenLex(guard.Id(), path.c_str(), 0)
                                  : SSCE_CreateLex(guard.Id(), path.c_str(), kSsceIncludeList, languageCode);
    bool ok = lex >= 0;
    if (ok) {
        ok = SSCE_AddToLex(guard.Id(), lex, word.c_str(), "") >= 0;
        SSCE_CloseLex(guard.Id(), lex);
    }
    // A list made for this word is not left behind, empty, when the word could not be stored.
    if (!ok && !existed && lex >= 0) std::remove(path.c_str());
    return ok;
}

bool AddToWordList(std::vector<std::string>& words, const std::string& typed) {
    std::string word = TrimBlanks(typed);
    if (word.empty()) return false;
    words.push_back(std::move(word));
    return true;
}

int DeleteFromWordList(std::vector<std::string>& words, int selected) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= words.size()) return -1;
    words.erase(words.begin() + selected);
    if (words.empty()) return -1;
    return std::min(selected, static_cast<int>(words.size()) - 1);
}

}  // namespace qf

#pragma once
// The spelling engine: sessions, lexicons and the word operations the spelling check and the
// dictionary maintenance use, on Hunspell. Identifiers are 16-bit; a negative identifier or
// result is a failure. Texts are NUL-ended Windows-1252 strings.
//
// Lexicon files (see LexiconFiles.h): a main lexicon names a Hunspell dictionary, a companion
// lexicon holds extra accepted words, any other file is a user word list, one word a line; a
// user list whose file name starts with "Exc" is an exclude list, any other an include list.
// A word in an open exclude list is refused even when a dictionary knows it; a word in an open
// include list or companion lexicon is accepted. Words are compared without regard to case.
// Punctuation around a word ("Hello!", quotes) is not part of it: the word is checked without
// it, and suggestions keep it.
#include <cstdint>

namespace qf {

using SsceSession = std::int16_t;
using SsceLexId = std::int16_t;

inline constexpr std::int16_t kSsceFileNotOpened = -1;
inline constexpr std::int16_t kSsceBadSession = -2;
inline constexpr std::int16_t kSsceBadLexicon = -3;
inline constexpr std::int16_t kSsceBadArgument = -4;
inline constexpr std::int16_t kSsceWriteFailed = -5;
// Results of SSCE_CheckWord: the lowest bit tells a word that is not accepted.
inline constexpr std::int16_t kSsceAccepted = 0;
inline constexpr std::int16_t kSsceMisspelled = 1;
// Lexicon kinds: given to SSCE_CreateLex and reported by SSCE_GetLexInfo.
inline constexpr std::int16_t kSsceIncludeList = 1;
inline constexpr std::int16_t kSsceExcludeList = 3;
inline constexpr std::int16_t kSsceMainLexicon = 10;
inline constexpr std::int16_t kSsceCompanionLexicon = 11;
// Longer words are not accepted and get no suggestions.
inline constexpr int kSsceMaxWordLength = 100;

SsceSession SSCE_OpenSession();
// memoryBudget is accepted for every value and has no effect.
SsceLexId SSCE_OpenLex(SsceSession session, const char* path, std::int32_t memoryBudget);
// Creates (or empties) a user list file of `kind` 1 or 3.
SsceLexId SSCE_CreateLex(SsceSession session, const char* path, std::int16_t kind, std::int16_t language);
// Appends the word to a user list file. Empty words and words with line breaks are refused.
std::int16_t SSCE_AddToLex(SsceSession session, SsceLexId lex, const char* word, const char* otherWord);
// Writes nothing but an empty string into `replacement`; the result's lowest bit is set when
// the word is not accepted. A text of blank-separated words is accepted when each word is.
std::int16_t SSCE_CheckWord(SsceSession session, std::uint32_t options, const char* word, char* replacement,
                            std::int16_t replacementSize);
// Fills `suggestions` with NUL-ended words and one more NUL, never more than `size` bytes,
// and up to `scoreCount` scores; returns the number of words.
std::int16_t SSCE_Suggest(SsceSession session, const char* word, std::int16_t depth, char* suggestions,
                          std::int32_t size, std::int16_t* scores, std::int16_t scoreCount);
// size: the bytes SSCE_GetLex needs for the words (each with its NUL); 0 for a main lexicon.
std::int16_t SSCE_GetLexInfo(SsceSession session, SsceLexId lex, std::int32_t* size, std::int16_t* format,
                             std::int16_t* kind, std::int16_t* language);
// The list's words, each ended by a NUL, as many as fit; returns the bytes written.
std::int32_t SSCE_GetLex(SsceSession session, SsceLexId lex, char* buffer, std::int32_t size);
std::int16_t SSCE_CloseLex(SsceSession session, SsceLexId lex);
std::int16_t SSCE_CloseSession(SsceSession session);

// How many sessions are open: every user of the engine must close what it opened.
int SSCE_OpenSessionCount();

// A session opened for one task and closed, with whatever is still open in it, when the guard
// goes out of scope, on every way out.
class SsceSessionGuard {
public:
    SsceSessionGuard() : id_(SSCE_OpenSession()) {}
    ~SsceSessionGuard() {
        if (id_ >= 0) SSCE_CloseSession(id_);
    }
    SsceSessionGuard(const SsceSessionGuard&) = delete;
    SsceSessionGuard& operator=(const SsceSessionGuard&) = delete;

    bool Opened() const { return id_ >= 0; }
    SsceSession Id() const { return id_; }

private:
    SsceSession id_;
};

}  // namespace qf

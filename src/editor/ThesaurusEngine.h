#pragma once
// The thesaurus engine: sessions, thesaurus files and the look-ups of the thesaurus dialog, on
// MyThes. Identifiers are 16-bit, negative on failure; texts are NUL-ended Windows-1252.
//
// A category is one meaning of a word, named by a base word and a part-of-speech tag: ".n",
// ".v", ".adj" or ".adv". The first meaning of each part of speech takes the looked-up word as
// its base word, later ones the first of their synonyms not used yet ("bright.adj",
// "brilliant.adj", "smart.adj", ...). Category names met in a session are remembered, so the
// synonyms asked for a name are those of the meaning it was given to.
#include <cstdint>

namespace qf {

using ThesSession = std::int16_t;
using ThesId = std::int16_t;

inline constexpr std::int16_t kThesFileNotOpened = -1;
inline constexpr std::int16_t kThesBadSession = -2;
inline constexpr std::int16_t kThesNoThesaurus = -3;

// Part-of-speech codes of ThesDB_SplitCategoryName: the tag's letters from the highest byte down.
inline constexpr std::uint32_t kThesNoun = 0x6E000000;       // "n"
inline constexpr std::uint32_t kThesVerb = 0x76000000;       // "v"
inline constexpr std::uint32_t kThesAdjective = 0x61646A00;  // "adj"
inline constexpr std::uint32_t kThesAdverb = 0x61647600;     // "adv"

// Suggestions offered at most.
inline constexpr int kThesMaxSuggestions = 25;

ThesSession ThesDB_OpenSession();
ThesId ThesDB_OpenThesaurus(ThesSession session, const char* path);
// 1 and the first category name; 0 when the word is not in the thesaurus; negative on failure.
std::int16_t ThesDB_GetFirstCategory(ThesSession session, const char* word, char* buffer, std::int16_t size);
std::int16_t ThesDB_GetNextCategory(ThesSession session, char* buffer, std::int16_t size);
// 1 and the name of the category of the meaning's first antonym; 0 when it has none.
std::int16_t ThesDB_GetCategoryAntonym(ThesSession session, const char* category, char* buffer,
                                       std::int16_t size);
// The base word and the part-of-speech code (0 for a tag that is none of the four).
std::int16_t ThesDB_SplitCategoryName(const char* category, char* baseWord, std::int16_t size,
                                      std::uint32_t* partOfSpeech);
std::int16_t ThesDB_GetFirstSynonym(ThesSession session, const char* category, char* buffer, std::int16_t size);
std::int16_t ThesDB_GetNextSynonym(ThesSession session, char* buffer, std::int16_t size);
// Similar words the thesaurus holds: the spelling suggestions that it has entries for, then
// the neighbouring entries of its index that share the word's first three letters.
std::int16_t ThesDB_GetFirstSuggestion(ThesSession session, const char* word, char* buffer, std::int16_t size);
std::int16_t ThesDB_GetNextSuggestion(ThesSession session, char* buffer, std::int16_t size);
std::int16_t ThesDB_CloseThesaurus(ThesSession session, ThesId thesaurus);
std::int16_t ThesDB_CloseSession(ThesSession session);

int ThesDB_OpenSessionCount();

}  // namespace qf

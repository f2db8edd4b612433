#pragma once
// The user's own word lists (include and exclude) per language, read and written only through
// the spelling engine: what the dictionary maintenance dialog and the "&Add" button of the
// suggestions dialog do, without their windows.
#include <cstdint>
#include <string>
#include <vector>

namespace qf {

enum class UserListMode { Exclude = 1, Include = 2 };

// The maintenance dialog's heading for a language name ("American").
std::string MaintenanceHeading(UserListMode mode, const std::string& languageName);

inline constexpr const char* kUnableToSaveWordList = "Unable to save the dictionary word list.";

// The words of a list file in stored order; empty when the file is missing or unreadable.
std::vector<std::string> LoadUserWordList(const std::string& path);

// Replaces the list file by one holding exactly `words`, in order (kind 1 for an include
// list, 3 for an exclude list). Returns false when the file could not be created.
bool SaveUserWordList(const std::string& path, UserListMode mode, std::int16_t languageCode,
                      const std::vector<std::string>& words);

// Stores one word in the include list in a session of its own: the list is opened when it
// exists, else created. Returns false when the list could not be opened or created.
bool AddWordToIncludeList(const std::string& path, std::int16_t languageCode, const std::string& word);

// The maintenance list box: "&Add" appends the trimmed text unless empty (duplicates allowed);
// "&Delete" removes the selected entry and returns the entry to select next (-1 for none).
bool AddToWordList(std::vector<std::string>& words, const std::string& typed);
int DeleteFromWordList(std::vector<std::string>& words, int selected);

}  // namespace qf

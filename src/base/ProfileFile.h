#pragma once
// A profile (INI) file: sections in brackets and key=value lines. Section and key names are
// compared without regard to case; lines the program does not know are kept where they stand.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qf {

class ProfileFile {
public:
    // A missing or unreadable file (a folder, no permission, larger than any real profile)
    // reads as an empty profile.
    static ProfileFile Load(const std::string& path);
    static constexpr std::size_t kMaxProfileSize = 16 << 20;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Sets one value: the key's first line in the section is rewritten, later duplicates are
    // dropped; a new key goes at the end of its section, a new section at the end of the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;
    // Writes the whole file (base/SaveFile.h), creating it when missing. False when it cannot
    // be written, and when it was loaded from a file that exists but could not be read: its
    // other lines would be lost.
    bool Save(const std::string& path) const;

    // How a value is written so that reading gives it back exactly (blanks at either end and
    // surrounding quotes are protected by one pair of quotes), and how a line's value is read.
    static std::string EncodeValue(std::string_view value);
    static std::string DecodeValue(std::string_view raw);

private:
    struct Line {
        std::string text;
        std::string section;  // the section the line belongs to ("" before the first header)
        bool header = false;
        std::string key;      // empty for anything but a key line
    };
    static Line Parse(std::string text, const std::string& currentSection);

    std::vector<Line> lines_;
    bool unreadable_ = false;
};

bool SameName(std::string_view a, std::string_view b);  // ASCII case-insensitive

}  // namespace qf

#include "base/ProfileFile.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "base/FileUtil.h"
#include "base/Leftovers.h"
#include "base/SaveFile.h"
#include "base/TextHelpers.h"

namespace qf {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

namespace {
std::string TrimSpace(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return std::string(s.substr(b, e - b));
}
}  // namespace

ProfileFile::Line ProfileFile::Parse(std::string text, const std::string& currentSection) {
    Line line{std::move(text), currentSection, false, {}};
    const std::string t = TrimSpace(line.text);
    if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string::npos) {
        line.header = true;
        line.section = TrimSpace(std::string_view(t).substr(1, t.find(']') - 1));
    } else if (!t.empty() && t.front() != ';') {
        const std::size_t eq = t.find('=');
        if (eq != std::string::npos && eq > 0) line.key = TrimSpace(std::string_view(t).substr(0, eq));
    }
    return line;
}

ProfileFile ProfileFile::Load(const std::string& path) {
    ProfileFile file;
    if (const auto real = ResolveLinks(path)) RemoveLeftovers(*real);  // of a save that was killed
    const auto bytes = ReadWholeFile(path, kMaxProfileSize);
    if (!bytes) {
        std::error_code ec;
        file.unreadable_ = std::filesystem::exists(path, ec) || ec;
        return file;
    }
    std::string text(bytes->begin(), bytes->end());
    std::istringstream in(text);
    std::string raw, section;
    while (std::getline(in, raw)) {
        while (!raw.empty() && raw.back() == '\r') raw.pop_back();  // a kept line never ends in CR
        Line line = Parse(raw, section);
        section = line.section;
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::optional<std::string> ProfileFile::Get(std::string_view section, std::string_view key) const {
    for (const Line& l : lines_)
        if (!l.header && !l.key.empty() && SameName(l.section, section) && SameName(l.key, key)) {
            const std::size_t eq = l.text.find('=');
            return DecodeValue(std::string_view(l.text).substr(eq + 1));
        }
    return std::nullopt;
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = std::string(key) + "=" + EncodeValue(value);
    bool written = false;
    int sectionEnd = -1;  // index after the last non-empty line of the section
    for (std::size_t i = 0; i < lines_.size();) {
        Line& l = lines_[i];
        if (SameName(l.section, section) && (l.header || !section.empty())) {
            if (!l.header && SameName(l.key, key) && !l.key.empty()) {
                if (written) {
                    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
                    continue;
                }
                l.text = text;
                written = true;
            }
            if (!TrimSpace(l.text).empty()) sectionEnd = static_cast<int>(i) + 1;
        }
        ++i;
    }
    if (written) return;
    if (sectionEnd < 0) {
        if (!lines_.empty() && !TrimSpace(lines_.back().text).empty())
            lines_.push_back(Parse("", lines_.back().section));
        lines_.push_back(Parse("[" + std::string(section) + "]", ""));
        lines_.push_back(Parse(text, std::string(section)));
        return;
    }
    lines_.insert(lines_.begin() + sectionEnd, Parse(text, lines_[static_cast<std::size_t>(sectionEnd) - 1].section));
}

std::string ProfileFile::Text() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.text;
        out += '\n';
    }
    return out;
}

bool ProfileFile::Save(const std::string& path) const {
    if (unreadable_) return false;
    const std::string text = Text();
    return WriteWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string ProfileFile::EncodeValue(std::string_view value) {
    std::string v(value);
    std::replace(v.begin(), v.end(), '\n', ' ');  // one line per key
    std::replace(v.begin(), v.end(), '\r', ' ');
    const bool edgeBlank = !v.empty() && (v.front() == ' ' || v.back() == ' ' || v.front() == '\t' || v.back() == '\t');
    const bool quoted = v.size() >= 2 && v.front() == '"' && v.back() == '"';
    return (edgeBlank || quoted) ? "\"" + v + "\"" : v;
}

std::string ProfileFile::DecodeValue(std::string_view raw) {
    std::string v = TrimSpace(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return v;
}

}  // namespace qf

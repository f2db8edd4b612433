#pragma once
// Text and number helpers shared by every subsystem. Texts are Windows-1252 byte strings.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qf {

std::string TrimBlanks(std::string_view text);            // blanks (32 only), both ends
std::string PadRight(std::string_view text, std::size_t n);  // blanks appended up to n
std::string PadLeft(std::string_view text, std::size_t n);   // blanks put in front up to n
std::string LowerAscii(std::string_view text);            // A-Z only

// The order of every sorted list the user sees (categories, titles, shapes; the tool's lists
// too): alphabetical with letter case and accents set aside, so an accented E stands with the
// E's. Compare keys as unsigned bytes; rows whose keys are equal keep the order they came in.
std::string ListSortKey(std::string_view text);
bool ListOrderLess(std::string_view a, std::string_view b);
char UpperLetter(char c);                                 // the upper case of grid letters
std::string UpperLetters(std::string_view text);
std::string MakeCopyName(std::string_view title, std::size_t capacity);

// Fixed notation with `decimals` digits, rounded, padded in front to `width`.
std::string FormatPlain(double value, int width, int decimals);
// As FormatPlain, with a comma every three digits left of the point.
std::string FormatNumber(double value, int width, int decimals);

// The program's reading of a whole number from text: leading blanks skipped, an optional sign
// and the digits taken; when another character stops the reading, the digits read so far
// count without the sign. No digits read as 0.
std::int64_t ReadLeadingInteger(std::string_view text);

// The same reading but only the leading digits after blanks (no sign): Attempts and the like.
std::int64_t ReadLeadingDigits(std::string_view text);

// A whole number as the small number boxes take it: blanks trimmed at both ends, then one to
// `maxDigits` digits (at most 18) and nothing else; nothing for any other text.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::size_t maxDigits);

}  // namespace qf

#pragma once
// The web page of the printed page: up to two header and two footer blocks around the page's
// JPEG picture, with optional rules, written beside the picture. The blocks are written exactly
// as typed (markup in them is the user's own); only the picture's name is made safe as a link.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "base/Settings.h"
#include "output/ExportPage.h"
#include "report/RasterPictures.h"

namespace qf {

inline constexpr const char* kUnableToCreateHtmlText = "Unable to create html file.";
inline constexpr std::size_t kWebTitleCapacity = 100;
inline constexpr std::size_t kHtmlBlockCapacity = 1000;

struct HtmlPage {
    std::string title;                 // Windows-1252, blanks trimmed, at most 100 characters
    std::array<HtmlLine, 4> blocks{};  // first header, second header, first footer, second footer
    bool upperRule = false;
    bool lowerRule = false;
};

// The memo's side of the 1000 characters: a block is stored with CR LF line ends, so every line
// break of the memo takes two. `after` is `before` with one edit (typed or pasted); the text
// inserted is cut so that the stored text fits, and `cursor` goes after what was kept. Text the
// memo held is never cut.
std::u16string FitBlockEdit(const std::u16string& before, const std::u16string& after, int& cursor);
std::size_t StoredBlockLength(const std::u16string& memoText);

// The page as the settings of section "HTML" hold it.
HtmlPage HtmlPageFromSettings(const Settings& settings);
// And back (the title trimmed and cut).
void StoreHtmlPage(const HtmlPage& page, Settings& settings);
// The styles only: rules, and each block's bold, italic, centre and size.
void StoreHtmlStyles(const HtmlPage& page, Settings& settings);

// The picture's file name (no folder) for the page's path: the name's last three characters
// become "JPG", so "PUZZLE.htm" gives "PUZZLE.JPG". Never the page's own name.
std::string HtmlPictureName(const std::string& htmlPath);

// One block: two blanks, the centre, italic, bold and font tags around the text, and "<P>".
std::string HtmlBlockLine(const HtmlLine& block);
// Every line of the page, without line ends.
std::vector<std::string> HtmlLines(const HtmlPage& page, const std::string& pictureName);

// Writes the page (CR LF line ends) and its picture beside it, both or neither: a failure
// leaves both files as they were.
Outcome WriteHtmlExport(const std::string& htmlPath, const HtmlPage& page, const std::vector<std::uint8_t>& jpeg);

// The picture of the rendered page at `pixelWidth`, then the two files.
Outcome SaveHtmlExport(const ExportPage& rendered, const HtmlPage& page, int pixelWidth, int quality,
                       PixelFormat pixels, const std::string& htmlPath);

}  // namespace qf

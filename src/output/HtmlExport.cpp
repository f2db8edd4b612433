#include "output/HtmlExport.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "base/TextHelpers.h"
#include "output/MetafileExport.h"
#include "output/PagePictures.h"

namespace qf {
namespace {

std::array<HtmlLine*, 4> Blocks(Settings& s) { return {&s.firstHeader, &s.secondHeader, &s.firstFooter, &s.secondFooter}; }

std::string CleanTitle(const std::string& title) { return TrimBlanks(title).substr(0, kWebTitleCapacity); }

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The picture's name as a link: characters that would end the attribute, start a query or a
// fragment, or are not ASCII (the page is Windows-1252, the name UTF-8) are percent-encoded.
// A plain name such as "PUZZLE.JPG" is written as it is.
std::string LinkName(const std::string& name) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x21 || c >= 0x7F || c == '"' || c == '%' || c == '#' || c == '?' || c == '<' || c == '>') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
    return out;
}

std::vector<std::uint8_t> Document(const std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& line : lines) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    }
    return bytes;
}

}  // namespace

HtmlPage HtmlPageFromSettings(const Settings& settings) {
    HtmlPage page;
    page.title = CleanTitle(settings.webTitle);
    page.blocks = {settings.firstHeader, settings.secondHeader, settings.firstFooter, settings.secondFooter};
    page.upperRule = settings.horizontalUpper;
    page.lowerRule = settings.horizontalLower;
    return page;
}

void StoreHtmlPage(const HtmlPage& page, Settings& settings) {
    settings.webTitle = CleanTitle(page.title);
    const auto blocks = Blocks(settings);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        *blocks[i] = page.blocks[i];
        blocks[i]->text = blocks[i]->text.substr(0, kHtmlBlockCapacity);
    }
    settings.horizontalUpper = page.upperRule;
    settings.horizontalLower = page.lowerRule;
}

void StoreHtmlStyles(const HtmlPage& page, Settings& settings) {
    const auto blocks = Blocks(settings);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const std::string text = blocks[i]->text;
        *blocks[i] = page.blocks[i];
        blocks[i]->text = text;
    }
    settings.horizontalUpper = page.upperRule;
    settings.horizontalLower = page.lowerRule;
}

std::size_t StoredBlockLength(const std::u16string& memoText) {
    return memoText.size() + static_cast<std::size_t>(std::count(memoText.begin(), memoText.end(), u'\n'));
}

std::u16string FitBlockEdit(const std::u16string& before, const std::u16string& after, int& cursor) {
    if (StoredBlockLength(after) <= kHtmlBlockCapacity) {
        cursor = -1;  // nothing to change
        return after;
    }
    // The edit is what lies between the common start and the common end of the two texts.
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::u16string kept = after.substr(0, prefix) + after.substr(after.size() - suffix);
    std::u16string inserted = after.substr(prefix, after.size() - suffix - prefix);
    std::size_t room = kHtmlBlockCapacity > StoredBlockLength(kept) ? kHtmlBlockCapacity - StoredBlockLength(kept) : 0;
    std::size_t take = 0;
    for (; take < inserted.size(); ++take) {
        const std::size_t cost = inserted[take] == u'\n' ? 2 : 1;
        if (cost > room) break;
        room -= cost;
    }
    inserted.resize(take);
    cursor = static_cast<int>(prefix + take);
    return after.substr(0, prefix) + inserted + after.substr(after.size() - suffix);
}

std::string HtmlPictureName(const std::string& htmlPath) {
    const std::string name = NameOf(htmlPath);
    const std::string picture = name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "JPG";
    // A page saved under a name ending in "JPG" would be overwritten by its own picture.
    if (LowerAscii(picture) == LowerAscii(name)) return name + ".JPG";
    return picture;
}

std::string HtmlBlockLine(const HtmlLine& block) {
    std::string text = "<FONT SIZE=" + std::to_string(block.fontSize) + ">" + block.text + "</FONT>";
    if (block.bold) text = "<B>" + text + "</B>";
    if (block.italic) text = "<I>" + text + "</I>";
    if (block.center) text = "<CENTER>" + text + "</CENTER>";
    return "  " + text + "<P>";
}

std::vector<std::string> HtmlLines(const HtmlPage& page, const std::string& pictureName) {
    std::vector<std::string> lines{"<HTML>", " <HEAD>", "  <TITLE>" + page.title + "</TITLE>",
                                   "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenhall / Quernfold 97\">", " </HEAD>",
                                   " <BODY>"};
    const auto block = [&](const HtmlLine& b) {
        if (!b.text.empty()) lines.push_back(HtmlBlockLine(b));
    };
    block(page.blocks[0]);
    block(page.blocks[1]);
    if (page.upperRule) lines.push_back("  <HR><P>");
    lines.push_back("  <CENTER><IMG SRC=\"" + LinkName(pictureName) + "\" ALT=\"Quernfold 97 Puzzle\"></CENTER><P>");
    if (page.lowerRule) lines.push_back("  <HR><P>");
    block(page.blocks[2]);
    block(page.blocks[3]);
    lines.push_back(" </BODY>");
    lines.push_back("</HTML>");
    return lines;
}

Outcome WriteHtmlExport(const std::string& htmlPath, const HtmlPage& page, const std::vector<std::uint8_t>& jpeg) {
    const std::string pictureName = HtmlPictureName(htmlPath);
    const std::string picturePath = FolderOf(htmlPath) + pictureName;
    const std::vector<std::uint8_t> document = Document(HtmlLines(page, pictureName));

    SaveFile html(htmlPath);
    if (!html.Open() || !html.Write(std::span(document))) return Outcome::Refused(ErrorMessage(kUnableToCreateHtmlText));
    SaveFile picture(picturePath);
    if (jpeg.empty() || !picture.Open() || !picture.Write(std::span(jpeg)))
        return Outcome::Refused(ErrorMessage(kUnableToCreateExportText));
    // The picture goes in first; should the page then fail, the old picture is put back.
    const bool hadPicture = FileExists(picturePath);
    const auto oldPicture = hadPicture ? ReadWholeFile(picturePath) : std::nullopt;
    if (hadPicture && !oldPicture) return Outcome::Refused(ErrorMessage(kUnableToCreateExportText));
    if (!picture.Commit()) return Outcome::Refused(ErrorMessage(kUnableToCreateExportText));
    if (!html.Commit()) {
        if (oldPicture) WriteWholeFile(picturePath, std::span(*oldPicture));
        else std::remove(picturePath.c_str());
        return Outcome::Refused(ErrorMessage(kUnableToCreateHtmlText));
    }
    return Outcome::Done();
}

Outcome SaveHtmlExport(const ExportPage& rendered, const HtmlPage& page, int pixelWidth, int quality,
                       PixelFormat pixels, const std::string& htmlPath) {
    const std::vector<std::uint8_t> jpeg =
        PagePictureBytes(rendered, pixelWidth, PictureOptions{PictureKind::Jpeg, pixels, quality});
    return WriteHtmlExport(htmlPath, page, jpeg);
}

}  // namespace qf

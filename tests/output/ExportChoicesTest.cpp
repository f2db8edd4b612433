// The rules of the exports' small dialogs: widths, qualities and the file dialogs.
#include <gtest/gtest.h>

#include "output/ExportChoices.h"

namespace qf::test {
namespace {

TEST(ExportChoices, PixelWidthIsAWholeNumberOfAtLeastOne) {
    int width = 640;
    for (const char* bad : {"0", "12a", "", "   ", "-5", "1.5", "+7"}) {
        const Outcome o = CheckPixelWidth(bad, width);
        ASSERT_TRUE(o.IsRefused()) << bad;
        EXPECT_EQ(o.message.text, "Invalid width specified.  Please correct.");
        EXPECT_EQ(o.message.caption, "Error");
        EXPECT_EQ(o.message.focus, "WidthEdit");
        EXPECT_EQ(width, 640) << bad;
    }
    EXPECT_TRUE(CheckPixelWidth("1", width).IsDone());
    EXPECT_EQ(width, 1);
    EXPECT_TRUE(CheckPixelWidth("  9999 ", width).IsDone());
    EXPECT_EQ(width, 9999);
}

TEST(ExportChoices, JpegFactorFromOneToAHundred) {
    int quality = 50;
    for (const char* bad : {"0", "101", "abc", "", "5 0"}) {
        const Outcome o = CheckJpegFactor(bad, quality);
        ASSERT_TRUE(o.IsRefused()) << bad;
        EXPECT_EQ(o.message.text, "Invalid factor entered.  Factor must be between 1 and 100");
        EXPECT_EQ(o.message.focus, "FactorEdit");
        EXPECT_EQ(quality, 50);
    }
    EXPECT_TRUE(CheckJpegFactor("100", quality).IsDone());
    EXPECT_EQ(quality, 100);
    EXPECT_TRUE(CheckJpegFactor(" 1 ", quality).IsDone());
    EXPECT_EQ(quality, 1);
}

TEST(ExportChoices, EachFormatHasItsDialogAndRemembersItsFile) {
    Settings s;
    s.lastExportWmfFile = "/w/a.WMF";
    s.lastExportEmfFile = "/w/b.EMF";
    s.lastExportBitmapFile = "/w/c.BMP";
    s.lastExportJpegFile = "/w/d.JPG";
    s.lastExportHtmlFile = "/w/e.htm";
    struct Expected {
        ExportFormat format;
        const char *title, *filter, *extension, *last;
    } cases[] = {
        {ExportFormat::Wmf, "Save Puzzle As MetaFile", "Metafile (*.WMF)|*.WMF", "WMF", "/w/a.WMF"},
        {ExportFormat::Emf, "Save Puzzle As Enhanced MetaFile", "Enhanced Metafile (*.EMF)|*.EMF", "EMF", "/w/b.EMF"},
        {ExportFormat::Bmp, "Save Puzzle As Bitmap", "Bitmap (*.BMP)|*.BMP", "BMP", "/w/c.BMP"},
        {ExportFormat::Jpeg, "Save Puzzle As JPeg", "JPeg (*.JPG)|*.JPG", "JPG", "/w/d.JPG"},
        {ExportFormat::Html, "Save HTML Document", "html (*.htm)|*.htm", "htm", "/w/e.htm"},
    };
    for (const Expected& e : cases) {
        const FileDialogRequest r = ExportFileRequest(e.format, s);
        EXPECT_EQ(r.title, e.title);
        EXPECT_EQ(r.filter, e.filter);
        EXPECT_EQ(r.defaultExtension, e.extension);
        EXPECT_EQ(r.initialPath, e.last);
        EXPECT_TRUE(r.save);
        EXPECT_TRUE(r.confirmOverwrite);
    }
    RememberExportFile(ExportFormat::Jpeg, "/new/p.JPG", s);
    EXPECT_EQ(s.lastExportJpegFile, "/new/p.JPG");
    EXPECT_EQ(s.lastExportBitmapFile, "/w/c.BMP");
}

}  // namespace
}  // namespace qf::test

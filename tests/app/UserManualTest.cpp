// The user manual: which file each button opens and what a missing file says.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/UserManual.h"
#include "support/TempDir.h"

namespace qf {
namespace {

class RecordingOpener : public DocumentOpener {
public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return canOpen;
    }
    std::vector<std::string> opened;
    bool canOpen = true;
};

TEST(UserManual, AnInstalledManualIsHandedToTheDesktop) {
    test::TempDir program, work;
    test::WriteFile(program.File("QFOLD.DOC"), "doc");
    test::WriteFile(program.File("QFOLD.PDF"), "%PDF");
    const Directories dirs{program.Path(), work.Path()};
    RecordingOpener opener;
    EXPECT_TRUE(ViewManual(dirs, ManualFormat::WordProcessor, opener).IsDone());
    EXPECT_TRUE(ViewManual(dirs, ManualFormat::Pdf, opener).IsDone());
    EXPECT_EQ(opener.opened, (std::vector<std::string>{program.File("QFOLD.DOC"), program.File("QFOLD.PDF")}));
}

// Once said nothing: the button seemed dead.
TEST(UserManual, ADesktopWithoutAProgramForTheManualSaysWhereTheFileIs) {
    test::TempDir program, work;
    test::WriteFile(program.File("QFOLD.PDF"), "%PDF");
    const Directories dirs{program.Path(), work.Path()};
    RecordingOpener opener;
    opener.canOpen = false;
    const Outcome pdf = ViewManual(dirs, ManualFormat::Pdf, opener);
    ASSERT_TRUE(pdf.IsRefused());
    EXPECT_EQ(pdf.message.text, "No program to show this manual was found on this computer.  The manual is the file " +
                                    program.File("QFOLD.PDF") + ".");
    EXPECT_EQ(pdf.message.severity, Severity::Warning);
}

TEST(UserManual, AMissingManualIsReportedWithItsOwnMessageAndNothingOpened) {
    test::TempDir program, work;
    // The manuals are looked for in the program directory only.
    test::WriteFile(work.File("QFOLD.DOC"), "doc");
    test::WriteFile(work.File("QFOLD.PDF"), "%PDF");
    const Directories dirs{program.Path(), work.Path()};
    RecordingOpener opener;

    const Outcome doc = ViewManual(dirs, ManualFormat::WordProcessor, opener);
    ASSERT_TRUE(doc.IsRefused());
    EXPECT_EQ(doc.message.text,
              "The User Manual could not be located.  Please make sure the user manual was installed.  A copy is "
              "available at our web site.");
    EXPECT_EQ(doc.message.caption, "Error");
    EXPECT_EQ(doc.message.severity, Severity::Error);

    const Outcome pdf = ViewManual(dirs, ManualFormat::Pdf, opener);
    ASSERT_TRUE(pdf.IsRefused());
    EXPECT_EQ(pdf.message.text, "User Manual could not be located.  Please make sure that it was installed.");
    EXPECT_EQ(pdf.message.caption, "Error");
    EXPECT_TRUE(opener.opened.empty());
}

TEST(UserManual, AFolderOfTheManualsNameIsNoManual) {
    test::TempDir program, work;
    std::filesystem::create_directory(program.File("QFOLD.PDF"));  // a folder is no manual
    const Directories dirs{program.Path(), work.Path()};
    RecordingOpener opener;
    EXPECT_TRUE(ViewManual(dirs, ManualFormat::Pdf, opener).IsRefused());
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(ManualPath(dirs, ManualFormat::WordProcessor), program.File("QFOLD.DOC"));
    EXPECT_EQ(ManualPath(dirs, ManualFormat::Pdf), program.File("QFOLD.PDF"));
}

}  // namespace
}  // namespace qf

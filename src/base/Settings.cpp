#include "base/Settings.h"

#include <array>
#include <filesystem>
#include <sstream>

#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "base/ProfileFile.h"
#include "base/TextHelpers.h"

namespace qf {
namespace {

// Reading keeps at most (read buffer - 1) characters, then the field's capacity.
std::string CutText(const std::string& value, std::size_t readBuffer, std::size_t capacity) {
    std::string v = value.substr(0, readBuffer - 1);
    if (v.size() > capacity) v.resize(capacity);
    return v;
}

// Every key in file order. The visitor sees (section, key, field, ...) and decides whether it
// reads, writes or lists; so reading and writing share one table and one order.
template <typename Self, typename V>
void VisitKeys(Self& s, V& v) {
    const char* misc = "Misc";
    v.Text(misc, "Last Import Puzzle File", s.lastImportPuzzleFile, 150, 255);
    v.Text(misc, "Last Export Puzzle File", s.lastExportPuzzleFile, 150, 255);
    v.Text(misc, "Last Import Shape File", s.lastImportShapeFile, 150, 255);
    v.Text(misc, "Last Export Shape File", s.lastExportShapeFile, 150, 255);
    v.Text(misc, "Last Import Layout File", s.lastImportLayoutFile, 150, 255);
    v.Text(misc, "Last Export Layout File", s.lastExportLayoutFile, 150, 255);
    v.Text(misc, "Last Import Word File", s.lastImportWordFile, 150, 255);
    v.Text(misc, "Last Export Word File", s.lastExportWordFile, 150, 255);
    v.Text(misc, "Last Export Bitmap File", s.lastExportBitmapFile, 150, 255);
    v.Text(misc, "Last Export JPEG File", s.lastExportJpegFile, 150, 255);
    v.Text(misc, "Last Export EMF File", s.lastExportEmfFile, 150, 255);
    v.Text(misc, "Last Export WMF File", s.lastExportWmfFile, 150, 255);
    v.Text(misc, "Last Export HTML File", s.lastExportHtmlFile, 150, 255);
    v.Text(misc, "Last Export Text File", s.lastExportTextFile, 150, 255);
    v.Text(misc, "Last Group", s.lastGroup, 150, 255);
    static const char* const kLastFile[5] = {"Last File 1", "Last File 2", "Last File 3", "Last File 4",
                                             "Last File 5"};
    for (std::size_t i = 0; i < 5; ++i) v.Text(misc, kLastFile[i], s.lastFiles[i], 255, 255);
    v.Int(misc, "Window Size", s.windowSize);
    v.Bool(misc, "Background Bitmap", s.backgroundBitmap);
    v.Int(misc, "Dictionary", s.dictionary);
    v.Int(misc, "User Dictionary", s.userDictionary);
    v.Int(misc, "Thesaurus", s.thesaurus);
    v.Int(misc, "User Thesaurus", s.userThesaurus);
    v.Bool(misc, "Show Tips", s.showTips);
    v.Bool(misc, "Puzzle Picture", s.puzzlePicture);

    const char* html = "HTML";
    struct Group {
        const char* text;
        const char* bold;
        const char* italic;
        const char* center;
        const char* font;
    };
    static const Group kGroups[4] = {
        {"First Header", "Bold First Header", "Italic First Header", "Center First Header", "Font First Header"},
        {"Second Header", "Bold Second Header", "Italic Second Header", "Center Second Header", "Font Second Header"},
        {"First Footer", "Bold First Footer", "Italic First Footer", "Center First Footer", "Font First Footer"},
        {"Second Footer", "Bold Second Footer", "Italic Second Footer", "Center Second Footer", "Font Second Footer"},
    };
    const auto lines = std::array{&s.firstHeader, &s.secondHeader, &s.firstFooter, &s.secondFooter};
    for (std::size_t i = 0; i < 4; ++i) {
        v.Text(html, kGroups[i].text, lines[i]->text, 1000, 999);
        v.Bool(html, kGroups[i].bold, lines[i]->bold);
        v.Bool(html, kGroups[i].italic, lines[i]->italic);
        v.Bool(html, kGroups[i].center, lines[i]->center);
        v.Int(html, kGroups[i].font, lines[i]->fontSize);
    }
    v.Bool(html, "Horizontal Upper", s.horizontalUpper);
    v.Bool(html, "Horizontal Lower", s.horizontalLower);
    v.Text(html, "Web Title", s.webTitle, 150, 100);

    const char* create = "Create Options";
    v.Bool(create, "Shrink", s.shrink);
    v.Bool(create, "Quick Build", s.quickBuild);
    v.Bool(create, "Thorough Fill", s.thoroughFill);
    v.Int(create, "Attempts", s.attempts);
    v.Char(create, "Sep Char", s.sepChar, ':');
    v.Int(create, "Import Option", s.importOption);
    v.Int(create, "Export Option", s.exportOption);
    v.Int(create, "Case Sensitivity", s.caseSensitivity);
    v.Int(create, "Last Shape", s.lastShape);
    static const char* const kIntKey[12] = {"Int Key 1", "Int Key 2", "Int Key 3",  "Int Key 4",
                                            "Int Key 5", "Int Key 6", "Int Key 7",  "Int Key 8",
                                            "Int Key 9", "Int Key 10", "Int Key 11", "Int Key 12"};
    for (std::size_t i = 0; i < 12; ++i) v.Text(create, kIntKey[i], s.intKeys[i], 150, 4);

    const char* page = "Page Layout";
    v.Int(page, "Zoom", s.zoom);
    v.Int(page, "Page Designer Window Left", s.pageDesignerLeft);
    v.Int(page, "Page Designer Window Top", s.pageDesignerTop);
    v.Int(page, "Page Designer Window Width", s.pageDesignerWidth);
    v.Int(page, "Page Designer Window Height", s.pageDesignerHeight);
    v.Int(page, "Default Page", s.defaultPage);

    const char* rep = "Reports";
    v.Bool(rep, "Default Printer", s.defaultPrinter);
    v.Int(rep, "Printer Index", s.printerIndex);
    v.Int(rep, "Report Viewing Window Left", s.reportViewLeft);
    v.Int(rep, "Report Viewing Window Top", s.reportViewTop);
    v.Int(rep, "Report Viewing Window Width", s.reportViewWidth);
    v.Int(rep, "Report Viewing Window Height", s.reportViewHeight);
    v.Int(rep, "Pixel Width", s.pixelWidth);
    v.Int(rep, "JPeg Compression Quality", s.jpegQuality);
    v.Int(rep, "Pixel Format", s.pixelFormat);
    v.Colour(rep, "Box Color", s.boxColor);
    v.Bool(rep, "Use Boxes", s.useBoxes);
    v.Bool(rep, "Answer Key", s.answerKey);
    v.Bool(rep, "Mark Answer Key", s.markAnswerKey);
    v.Bool(rep, "Partial Answer", s.partialAnswer);
    v.Bool(rep, "Partial Letters", s.partialLetters);
    v.Text(rep, "Letters", s.letters, 150, 25);
    v.Bool(rep, "Print Title", s.printTitle);
    v.Bool(rep, "Print Body", s.printBody);
    v.Bool(rep, "Print Clues", s.printClues);
    v.Bool(rep, "Print Words", s.printWords);
    v.Bool(rep, "Print Bonus", s.printBonus);
    v.Text(rep, "Across Label", s.acrossLabel, 150, 25);
    v.Text(rep, "Down Label", s.downLabel, 150, 25);
    v.Char(rep, "Word Sep Char", s.wordSepChar, ' ');
    v.Bool(rep, "Word Sep Dash", s.wordSepDash);
    v.Bool(rep, "Word Sep Slash", s.wordSepSlash);
    v.Bool(rep, "Word Sep Plus", s.wordSepPlus);
    v.Bool(rep, "Word Sep Star", s.wordSepStar);
    v.Bool(rep, "Word Sep Other", s.wordSepOther);

    auto font = [&](const char* section, auto& f) {
        v.Text(section, "Font Name", f.name, 150, 149);
        v.Bool(section, "Bold", f.bold);
        v.Bool(section, "Italic", f.italic);
        v.Colour(section, "Color", f.color);
    };
    font("Edit Font", s.editFont);
    font("Label Font", s.labelFont);
    font("Button Font", s.buttonFont);
}

struct Reader {
    const ProfileFile& file;
    void Text(const char* sec, const std::string& key, std::string& f, std::size_t buf, std::size_t cap) {
        if (auto v = file.Get(sec, key)) f = CutText(*v, buf, cap);
    }
    void Int(const char* sec, const char* key, std::int32_t& f) {
        if (auto v = file.Get(sec, key)) f = static_cast<std::int32_t>(ReadLeadingInteger(CutText(*v, 15, 14)));
    }
    void Colour(const char* sec, const char* key, std::int32_t& f) {
        if (auto v = file.Get(sec, key)) f = static_cast<std::int32_t>(ReadLeadingInteger(CutText(*v, 150, 149)));
    }
    void Bool(const char* sec, const char* key, bool& f) {
        if (auto v = file.Get(sec, key)) f = ReadYesNo(CutText(*v, 15, 14));
    }
    void Char(const char* sec, const char* key, char& f, char fallback) {
        if (auto v = file.Get(sec, key)) f = v->empty() ? fallback : (*v)[0];
    }
};

struct Writer {
    ProfileFile& file;
    void Text(const char* sec, const std::string& key, const std::string& f, std::size_t, std::size_t) {
        file.Set(sec, key, f);
    }
    void Int(const char* sec, const char* key, std::int32_t f) { file.Set(sec, key, std::to_string(f)); }
    void Colour(const char* sec, const char* key, std::int32_t f) { Int(sec, key, f); }
    void Bool(const char* sec, const char* key, bool f) { file.Set(sec, key, WriteYesNo(f)); }
    void Char(const char* sec, const char* key, char f, char) { file.Set(sec, key, std::string(1, f)); }
};

struct Dumper {
    std::ostringstream out;
    void Put(const char* sec, const std::string& key, const std::string& value) {
        out << '[' << sec << "] " << key << '=' << AnsiToUtf8(value) << '\n';
    }
    void Text(const char* sec, const std::string& key, const std::string& f, std::size_t, std::size_t) { Put(sec, key, f); }
    void Int(const char* sec, const char* key, std::int32_t f) { Put(sec, key, std::to_string(f)); }
    void Colour(const char* sec, const char* key, std::int32_t f) { Int(sec, key, f); }
    void Bool(const char* sec, const char* key, bool f) { Put(sec, key, WriteYesNo(f)); }
    void Char(const char* sec, const char* key, char f, char) { Put(sec, key, std::string(1, f)); }
};

}  // namespace

bool ReadYesNo(const std::string& value) {
    std::string v = value;
    for (char& c : v)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return v == "YES";
}

std::string WriteYesNo(bool value) { return value ? "Yes" : "No"; }

std::string SettingsPath(const Directories& dirs) { return JoinPath(dirs.SettingsFolder(), kSettingsFileName); }

Settings DefaultSettings(const Directories& dirs) {
    Settings s;
    for (std::string* f : {&s.lastImportPuzzleFile, &s.lastExportPuzzleFile, &s.lastImportShapeFile,
                           &s.lastExportShapeFile, &s.lastImportLayoutFile, &s.lastExportLayoutFile,
                           &s.lastImportWordFile, &s.lastExportWordFile, &s.lastExportBitmapFile,
                           &s.lastExportJpegFile, &s.lastExportEmfFile, &s.lastExportWmfFile,
                           &s.lastExportHtmlFile, &s.lastExportTextFile})
        *f = CutText(dirs.working, 150, 255);
    const bool sampleOnly = FileExists(dirs.WorkingFile("SAMPLE.QF3")) && !FileExists(dirs.WorkingFile("DEFAULT.QF3"));
    s.lastGroup = dirs.WorkingFile(sampleOnly ? "SAMPLE.QF3" : "DEFAULT.QF3");
    return s;
}

Settings LoadSettings(const Directories& dirs) {
    Settings s = DefaultSettings(dirs);
    const ProfileFile file = ProfileFile::Load(SettingsPath(dirs));
    Reader reader{file};
    VisitKeys(s, reader);
    return s;
}

bool SaveSettings(const Settings& settings, const Directories& dirs) {
    const std::string path = SettingsPath(dirs);
    // The installed program's settings folder is made by its first save.
    if (!dirs.config.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(dirs.config, ec);
    }
    ProfileFile file = ProfileFile::Load(path);
    Writer writer{file};
    VisitKeys(settings, writer);
    return file.Save(path);
}

std::string DumpSettings(const Settings& settings) {
    Dumper dumper;
    VisitKeys(settings, dumper);
    return dumper.out.str();
}

}  // namespace qf

#include "app/StartFile.h"

#include <filesystem>

#include "app/RecentFiles.h"
#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "base/TextHelpers.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

// The file's name as the messages show it (Windows-1252, like every message text).
std::string Named(const std::string& path, const char* text) {
    const std::string name = "\"" + Utf8ToAnsi(std::filesystem::path(path).filename().string()) + "\"";
    std::string message = text;
    message.replace(message.find("%s"), 2, name);
    return message;
}

}  // namespace

StartFileKind KindOfStartFile(const std::string& path) {
    std::string extension = LowerAscii(std::filesystem::path(path).extension().string());
    if (extension == ".qf3") return StartFileKind::Collection;
    if (extension == ".lay") return StartFileKind::Shape;
    if (extension == ".pag") return StartFileKind::PageLayout;
    return StartFileKind::Other;
}

StartFileResult OpenStartFile(ProgramState& state, const std::string& path, Prompter& prompter) {
    const StartFileKind kind = KindOfStartFile(path);
    if (kind == StartFileKind::Other) return {kind, Outcome::Refused(ErrorMessage(Named(path, kStartFileUnknown)))};
    if (!FileExists(path)) return {kind, Outcome::Refused(ErrorMessage(Named(path, kStartFileMissing)))};
    // The settings keep whole paths: a file named from another folder must still open next time.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string full = ec ? path : absolute.lexically_normal().string();

    if (kind == StartFileKind::Collection) return {kind, OpenGroupFile(state.settings, full)};

    const bool shape = kind == StartFileKind::Shape;
    const Message question = InfoMessage(Named(path, shape ? kImportShapeQuestion : kImportLayoutQuestion), kCaptionImport);
    if (prompter.Ask(question, Question::YesNo) != Answer::Yes) return {kind, Outcome::Cancelled()};
    Outcome imported = shape ? ImportShape(full, state.ShapesLibrary(), state.currentShape)
                             : ImportLayout(full, state.LayoutsLibrary());
    if (!imported.IsDone()) return {kind, imported};
    const Message confirmation = InfoMessage(shape ? kShapeImported : kLayoutImported, kCaptionOK);
    return {kind, Outcome::Confirmed(confirmation, imported.index)};
}

}  // namespace qf

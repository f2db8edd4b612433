#include "output/forms/DialogPageExporter.h"

#include <QApplication>
#include <QCursor>

#include "base/TextHelpers.h"
#include "output/ExportChoices.h"
#include "output/HtmlExport.h"
#include "output/MetafileExport.h"
#include "output/PagePictures.h"
#include "output/forms/DoMeta.h"
#include "output/forms/MyBitmapWidth.h"
#include "output/forms/MyHtml.h"
#include "output/forms/TheJPegFactor.h"

namespace qf {
namespace {

bool EndsWithWmf(const std::string& path) {
    return path.size() >= 4 && LowerAscii(path.substr(path.size() - 4)) == ".wmf";
}

}  // namespace

DialogPageExporter::DialogPageExporter(const FormLook& look, Settings& settings, Prompter& prompter,
                                       FileChooser& chooser, TMyBitmapWidth& widthDialog, QWidget* parent)
    : look_(look), settings_(settings), prompter_(prompter), chooser_(chooser), widthDialog_(widthDialog),
      parent_(parent) {}

Outcome DialogPageExporter::SavePicture(const ExportPage& page, bool jpeg) {
    widthDialog_.SetLook(look_);
    const auto width = widthDialog_.Ask(jpeg ? TMyBitmapWidth::Form::Jpeg : TMyBitmapWidth::Form::Bitmap, settings_);
    if (!width) return Outcome::Cancelled();
    const ExportFormat format = jpeg ? ExportFormat::Jpeg : ExportFormat::Bmp;
    const std::string path = chooser_.Choose(ExportFileRequest(format, settings_));
    if (path.empty()) return Outcome::Cancelled();
    RememberExportFile(format, path, settings_);
    const PictureOptions options{jpeg ? PictureKind::Jpeg : PictureKind::Bitmap, PixelFormatOf(settings_.pixelFormat),
                                 settings_.jpegQuality};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Outcome outcome = SavePagePicture(page, *width, options, path);
    QApplication::restoreOverrideCursor();
    return outcome;
}

Outcome DialogPageExporter::SaveBitmap(const ExportPage& page) { return SavePicture(page, false); }

Outcome DialogPageExporter::SaveJpeg(const ExportPage& page) { return SavePicture(page, true); }

Outcome DialogPageExporter::WriteMetafile(const ExportPage& page, bool enhanced, const std::string& path) {
    if (HasBitmapObjects(page.layout)) prompter_.Inform(WarningMessage(kBitmapsNotSavedText));
    TDoMeta progress(look_, parent_);
    progress.setWindowModality(Qt::ApplicationModal);  // modal from the start, so its exec() below waits
    progress.show();
    QApplication::processEvents();
    const Outcome outcome =
        SaveMetafileFile(page, enhanced ? MetafileKind::Enhanced : MetafileKind::Windows, path);
    if (!outcome.IsDone()) return outcome;  // the window closes; the preview shows why
    progress.Created();
    progress.exec();
    return outcome;
}

Outcome DialogPageExporter::SaveEnhancedMetafile(const ExportPage& page) {
    const std::string path = chooser_.Choose(ExportFileRequest(ExportFormat::Emf, settings_));
    if (path.empty()) return Outcome::Cancelled();
    RememberExportFile(ExportFormat::Emf, path, settings_);
    return WriteMetafile(page, true, path);
}

Outcome DialogPageExporter::SaveWindowsMetafile(const ExportPage& page) {
    const std::string path = chooser_.Choose(ExportFileRequest(ExportFormat::Wmf, settings_));
    if (path.empty()) return Outcome::Cancelled();
    RememberExportFile(ExportFormat::Wmf, path, settings_);
    return WriteMetafile(page, false, path);
}

Outcome DialogPageExporter::SaveMetafile(const ExportPage& page) {
    FileDialogRequest request = ExportFileRequest(ExportFormat::Emf, settings_);
    request.filter = "Enhanced Metafile (*.EMF)|*.EMF|Metafile (*.WMF)|*.WMF";
    const std::string path = chooser_.Choose(request);
    if (path.empty()) return Outcome::Cancelled();
    const bool enhanced = !EndsWithWmf(path);
    RememberExportFile(enhanced ? ExportFormat::Emf : ExportFormat::Wmf, path, settings_);
    return WriteMetafile(page, enhanced, path);
}

Outcome DialogPageExporter::SaveHtml(const ExportPage& page) {
    const auto save = [&](const HtmlPage& html) -> Outcome {
        widthDialog_.SetLook(look_);
        const auto width = widthDialog_.Ask(TMyBitmapWidth::Form::Jpeg, settings_);
        if (!width) return Outcome::Cancelled();
        const std::string path = chooser_.Choose(ExportFileRequest(ExportFormat::Html, settings_));
        if (path.empty()) return Outcome::Cancelled();
        RememberExportFile(ExportFormat::Html, path, settings_);
        StoreHtmlPage(html, settings_);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Outcome outcome = SaveHtmlExport(page, html, *width, settings_.jpegQuality,
                                               PixelFormatOf(settings_.pixelFormat), path);
        QApplication::restoreOverrideCursor();
        return outcome;
    };
    TMyHtml form(look_, HtmlPageFromSettings(settings_), prompter_, save, parent_);
    form.exec();
    StoreHtmlStyles(form.Page(), settings_);
    return form.Saved() ? Outcome::Done() : Outcome::Cancelled();
}

void RunJpegFactorCommand(const FormLook& look, Settings& settings, Prompter& prompter, QWidget* parent) {
    TTheJPegFactor::Run(look, settings, prompter, parent);
}

}  // namespace qf

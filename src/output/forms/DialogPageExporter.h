#pragma once
// The program's exporter of the previewed page: the picture width, the JPEG quality, the file
// dialogs (each starting where its format was last saved), the metafile's progress window and
// the web page's form. Messages a dialog must show while it stays open are shown there; the
// outcome returned carries any other refusal for the preview to show.
#include <QPointer>

#include "base/FormGeometry.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "output/forms/PageExporter.h"

class QWidget;

namespace qf {

class TMyBitmapWidth;

class DialogPageExporter : public PageExporter {
public:
    // `widthDialog` is the pixel width window of the run; `parent` the preview.
    DialogPageExporter(const FormLook& look, Settings& settings, Prompter& prompter, FileChooser& chooser,
                       TMyBitmapWidth& widthDialog, QWidget* parent = nullptr);

    Outcome SaveBitmap(const ExportPage& page) override;
    Outcome SaveJpeg(const ExportPage& page) override;
    // One dialog for both kinds: a name ending in ".wmf" gives a Windows metafile, any other an
    // enhanced one.
    Outcome SaveMetafile(const ExportPage& page) override;
    Outcome SaveEnhancedMetafile(const ExportPage& page) override;
    Outcome SaveWindowsMetafile(const ExportPage& page) override;
    Outcome SaveHtml(const ExportPage& page) override;

private:
    Outcome SavePicture(const ExportPage& page, bool jpeg);
    Outcome WriteMetafile(const ExportPage& page, bool enhanced, const std::string& path);

    FormLook look_;
    Settings& settings_;
    Prompter& prompter_;
    FileChooser& chooser_;
    TMyBitmapWidth& widthDialog_;
    QPointer<QWidget> parent_;
};

// The JPEG Compression Factor command of the main window and the preview.
void RunJpegFactorCommand(const FormLook& look, Settings& settings, Prompter& prompter, QWidget* parent = nullptr);

}  // namespace qf

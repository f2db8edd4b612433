#pragma once
// TMyPreview, "Puzzle Preview": the rendered page at any zoom, printed once or in several copies,
// saved as PDF or as the clue and word lists, and handed to the picture, metafile and web page
// exports. Its position and size are kept in the settings.
#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/FormGeometry.h"
#include "output/PreviewZoom.h"
#include "output/TextExport.h"
#include "output/forms/PageExporter.h"
#include "output/forms/PagePrinter.h"

class QAction;
class QLineEdit;
class QPicture;
class QScrollArea;

namespace qf {

class DisplayList;
class PageView;

struct PreviewInputs {
    FormLook look;
    Settings& settings;
    Prompter& prompter;
    FileChooser& chooser;
    PagePrinter& printer;
    PageExporter* exporter = nullptr;           // none: the picture, metafile and web page commands stay disabled
    std::function<void(QWidget*)> jpegQuality;  // the JPEG quality dialog; none: its command stays disabled
    const QPicture& pageFile;                   // the recorded page, for the printer and the PDF
    const DisplayList& pageCalls;               // the same page as its drawing calls, for the view
    double pageDpi = 96;                        // the resolution it was recorded at
    PageSetup setup;                            // its paper and orientation
    ExportPage page;                            // what the exports draw from
    std::string workingDir;                     // where a first PDF is offered
};

inline constexpr const char* kUnableToCreatePdfText = "Unable to create PDF file.";
inline constexpr const char* kUnableToPrintText = "The page could not be printed.";

class TMyPreview : public QDialog {
    Q_OBJECT
public:
    explicit TMyPreview(PreviewInputs inputs, QWidget* parent = nullptr);
    ~TMyPreview() override;

    double Zoom() const { return zoom_; }
    const PageGeometry& Geometry() const { return geometry_; }
    QAction* Action(const char* name) const;

    // Sets the zoom (within its limits), shows it in the two boxes and redraws the page.
    void SetZoom(double zoom);
    void ZoomPageWidth();
    void ZoomWholePage();

    void PrintPage();            // the page shown, one copy
    void PrintFile();            // the whole page file (the print button)
    void PrintMultipleCopies();  // asks for the number of copies
    void SaveAsPdf();
    void ExportTextFile(TextExportKind kind);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    QAction* AddAction(QWidget* menu, const char* name, const QString& caption, const char* shortcut,
                       const std::function<void()>& handler);
    void ZoomBoxEntered();
    void PixelBoxEntered();
    bool PrintJobs(int jobs, int copiesPerJob);
    void Export(Outcome (PageExporter::*save)(const ExportPage&));
    PrintedPage Page() const;

    PreviewInputs in_;
    std::unique_ptr<QPicture> page_;  // the page file with the whole page as its bounds
    PageGeometry geometry_;
    double zoom_ = 100;
    bool shownOnce_ = false;
    QScrollArea* scroll_ = nullptr;
    PageView* view_ = nullptr;
    QLineEdit* zoomBox_ = nullptr;
    QLineEdit* pixelBox_ = nullptr;
    std::map<std::string, QAction*> actions_;
};

}  // namespace qf

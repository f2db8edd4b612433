#include "output/forms/MyPreview.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPicture>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

#include "base/Directories.h"
#include "base/forms/AccessibleNames.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "base/forms/WindowGeometry.h"
#include "base/forms/WindowKeys.h"
#include "model/PuzzleDescription.h"
#include "output/ExportChoices.h"
#include "output/PrintChoices.h"
#include "output/forms/NumCopies.h"
#include "output/forms/PageView.h"

namespace qf {
namespace {

constexpr int kViewMargin = 24;  // room around the page for the frame and a scroll bar

}  // namespace

TMyPreview::TMyPreview(PreviewInputs inputs, QWidget* parent) : QDialog(parent), in_(std::move(inputs)) {
    setObjectName("MyPreview");
    setWindowTitle("Puzzle Preview");
    setSizeGripEnabled(true);
    geometry_ = {in_.setup.Width(), in_.setup.Height(), static_cast<double>(logicalDpiX())};
    // A recorded page knows only the bounds of some of what it draws; devices that cull by them
    // would drop the rest (text outside them, or everything on a PDF).
    page_ = std::make_unique<QPicture>(in_.pageFile);
    page_->setBoundingRect(QRect(0, 0, static_cast<int>(std::ceil(geometry_.widthInches * in_.pageDpi)),
                                 static_cast<int>(std::ceil(geometry_.heightInches * in_.pageDpi))));

    view_ = new PageView(in_.pageCalls, geometry_.widthInches, geometry_.heightInches);
    DescribePicture(*view_, "Printed page of " + FromAnsi(in_.page.puzzle.title.Str()),
                    FromAnsi(GridDescription(in_.page.puzzle)));
    scroll_ = new QScrollArea;
    scroll_->setObjectName("PageScroll");
    scroll_->setAccessibleName("Page");
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenus();
    BuildToolBar();
    layout->addWidget(scroll_);

    const Settings& s = in_.settings;
    resize(std::max(s.reportViewWidth, 200), std::max(s.reportViewHeight, 150));
    move(s.reportViewLeft, s.reportViewTop);
    SetZoom(100);
    new WindowKeys(*this);
}

TMyPreview::~TMyPreview() = default;

QAction* TMyPreview::Action(const char* name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* TMyPreview::AddAction(QWidget* menu, const char* name, const QString& caption, const char* shortcut,
                               const std::function<void()>& handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (shortcut) action->setShortcut(QKeySequence(shortcut));
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { RunCommand(in_.prompter, handler); });
    else
        action->setEnabled(false);
    if (menu) menu->addAction(action);
    addAction(action);  // the shortcut works wherever the focus is
    actions_[name] = action;
    return action;
}

void TMyPreview::BuildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const bool exports = in_.exporter != nullptr;
    const auto exporting = [this, exports](Outcome (PageExporter::*save)(const ExportPage&)) -> std::function<void()> {
        if (!exports) return {};
        return [this, save] { Export(save); };
    };

    QMenu* file = bar->addMenu("&File");
    AddAction(file, "PrintPage", "&Print Page", "Ctrl+P", [this] { PrintPage(); });
    AddAction(file, "PrintMultiple", "Print &Multiple Copies", "Ctrl+M", [this] { PrintMultipleCopies(); });
    file->addSeparator();
    AddAction(file, "Exit", "E&xit", "Ctrl+X", [this] { close(); });

    QMenu* graphic = bar->addMenu("&Graphic Export");
    AddAction(graphic, "ExportWmf", "&Windows MetaFile (WMF)", "Ctrl+W", exporting(&PageExporter::SaveWindowsMetafile));
    AddAction(graphic, "ExportEmf", "&Enhanced MetaFile (EMF)", "Ctrl+E", exporting(&PageExporter::SaveEnhancedMetafile));
    AddAction(graphic, "ExportBmp", "Windows &Bitmap (BMP)", "Ctrl+B", exporting(&PageExporter::SaveBitmap));
    AddAction(graphic, "ExportJpeg", "&JPEG (JPG)", "Ctrl+J", exporting(&PageExporter::SaveJpeg));
    AddAction(graphic, "SavePdf", "Save as &PDF", nullptr, [this] { SaveAsPdf(); });
    graphic->addSeparator();
    std::function<void()> quality;
    if (in_.jpegQuality) quality = [this] { in_.jpegQuality(this); };
    AddAction(graphic, "JpegFactor", "JPEG Compression &Factor", "Ctrl+F", quality);

    AddAction(bar, "ExportHtml", "&HTML Export", nullptr, exporting(&PageExporter::SaveHtml));

    QMenu* text = bar->addMenu("&Text Export");
    AddAction(text, "ExportClues", "&Clues", nullptr, [this] { ExportTextFile(TextExportKind::Clues); });
    AddAction(text, "ExportWords", "&Words", nullptr, [this] { ExportTextFile(TextExportKind::Words); });

    QMenu* view = bar->addMenu("&View");
    QMenu* in = view->addMenu("Zoom &In");
    AddAction(in, "Zoom100", "&1 : 1", nullptr, [this] { SetZoom(100); });
    AddAction(in, "Zoom200", "&2 : 1", nullptr, [this] { SetZoom(200); });
    QMenu* out = view->addMenu("Zoom &Out");
    AddAction(out, "ZoomOut1", "1 : &1", nullptr, [this] { SetZoom(100); });
    AddAction(out, "ZoomOut2", "1 : &2", nullptr, [this] { SetZoom(50); });
    AddAction(out, "ZoomOut3", "1 : &3", nullptr, [this] { SetZoom(100.0 / 3); });
    AddAction(out, "ZoomOut4", "1 : &4", nullptr, [this] { SetZoom(25); });
    AddAction(out, "ZoomOut5", "1 : &5", nullptr, [this] { SetZoom(20); });
    AddAction(view, "ZoomPageWidth", "Zoom &Page Width", "Ctrl+Z", [this] { ZoomPageWidth(); });
    AddAction(view, "ZoomWholePage", "Zoom &Whole Page", nullptr, [this] { ZoomWholePage(); });
}

void TMyPreview::BuildToolBar() {
    auto* tools = new QToolBar;
    tools->setObjectName("ToolBar");
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The zoom steps carry the zoom menus' shortcuts: a submenu cannot have one.
    tools->addAction(AddAction(nullptr, "ZoomInTool", "Zoom In", "Ctrl+I", [this] { SetZoom(NextZoomIn(zoom_)); }));
    tools->addAction(AddAction(nullptr, "ZoomOutTool", "Zoom Out", "Ctrl+O", [this] { SetZoom(NextZoomOut(zoom_)); }));
    tools->addAction(AddAction(nullptr, "PrintTool", "Print", nullptr, [this] { PrintFile(); }));
    tools->addAction(Action("ZoomPageWidth"));
    tools->addAction(Action("ZoomWholePage"));
    tools->addSeparator();
    tools->addAction(Action("ExportBmp"));
    tools->addAction(Action("ExportEmf"));
    tools->addAction(Action("ExportJpeg"));
    tools->addAction(Action("ExportHtml"));
    tools->addAction(Action("SavePdf"));
    tools->addSeparator();
    tools->addAction(Action("Exit"));
    // The two boxes get a row of their own, so that a narrow window never hides them.
    auto* boxes = new QToolBar;
    boxes->setObjectName("ZoomBar");
    zoomBox_ = new QLineEdit;
    zoomBox_->setObjectName("ZoomBox");
    zoomBox_->setAccessibleName("Zoom %");
    zoomBox_->setFixedWidth(zoomBox_->fontMetrics().horizontalAdvance("8888.88") + 12);
    pixelBox_ = new QLineEdit;
    pixelBox_->setObjectName("PixelBox");
    pixelBox_->setAccessibleName("Pixel Width");
    pixelBox_->setFixedWidth(pixelBox_->fontMetrics().horizontalAdvance("888888") + 12);
    boxes->addWidget(new QLabel(" Zoom % "));
    boxes->addWidget(zoomBox_);
    boxes->addWidget(new QLabel("  Pixel Width "));
    boxes->addWidget(pixelBox_);
    connect(zoomBox_, &QLineEdit::editingFinished, this, &TMyPreview::ZoomBoxEntered);
    connect(pixelBox_, &QLineEdit::editingFinished, this, &TMyPreview::PixelBoxEntered);
    static_cast<QVBoxLayout*>(layout())->addWidget(tools);
    static_cast<QVBoxLayout*>(layout())->addWidget(boxes);
    // The tool bar's captions for the shared actions are the short ones.
    Action("ZoomPageWidth")->setIconText("Page Width");
    Action("ZoomWholePage")->setIconText("Whole Page");
    Action("ExportBmp")->setIconText("Bitmap");
    Action("ExportEmf")->setIconText("Metafile");
    Action("ExportJpeg")->setIconText("JPEG");
    Action("ExportHtml")->setIconText("HTML");
    Action("SavePdf")->setIconText("PDF");
    Action("Exit")->setIconText("Done");
}

void TMyPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The remembered place and size, as far as they fit on this screen.
    const ScreenArea area = AvailableArea(*this);
    const QSize frame = FrameAllowance(*this);
    if (area.width > 0) {
        resize(size().boundedTo(QSize(area.width - frame.width(), area.height - frame.height())));
        const Placement at = KeepInside({x(), y()}, width() + frame.width(), height() + frame.height(), area);
        move(at.left, at.top);
    }
    scroll_->setFocus();  // the page has the keys, so every menu shortcut is the menu's
    QTimer::singleShot(0, this, [this] { ZoomPageWidth(); });  // once the view has its size
}

void TMyPreview::done(int result) {
    Settings& s = in_.settings;
    s.reportViewLeft = x();
    s.reportViewTop = y();
    s.reportViewWidth = width();
    s.reportViewHeight = height();
    QDialog::done(result);
}

void TMyPreview::SetZoom(double zoom) {
    zoom_ = ClampZoom(zoom);
    const int pixels = geometry_.PixelWidth(zoom_);
    zoomBox_->setText(QString::fromStdString(FormatZoom(zoom_)));
    pixelBox_->setText(QString::number(pixels));
    view_->SetPixelWidth(pixels);
}

void TMyPreview::ZoomPageWidth() { SetZoom(geometry_.ZoomForPageWidth(scroll_->viewport()->width() - kViewMargin)); }

void TMyPreview::ZoomWholePage() {
    const QSize view = scroll_->viewport()->size();
    SetZoom(geometry_.ZoomForWholePage(view.width() - kViewMargin, view.height() - kViewMargin));
}

void TMyPreview::ZoomBoxEntered() {
    const auto zoom = ParseZoom(ToAnsi(zoomBox_->text()));
    if (zoom && QString::fromStdString(FormatZoom(ClampZoom(*zoom))) != QString::fromStdString(FormatZoom(zoom_)))
        SetZoom(*zoom);
    else
        SetZoom(zoom_);  // the box shows the zoom in force again
}

void TMyPreview::PixelBoxEntered() {
    const auto pixels = ParsePixelWidth(ToAnsi(pixelBox_->text()));
    if (pixels && *pixels != geometry_.PixelWidth(zoom_))
        SetZoom(geometry_.ZoomForPixelWidth(*pixels));
    else
        SetZoom(zoom_);
}

PrintedPage TMyPreview::Page() const { return {*page_, in_.pageDpi, in_.setup}; }

bool TMyPreview::PrintJobs(int jobs, int copiesPerJob) {
    if (in_.printer.Busy()) {
        in_.prompter.Inform(ErrorMessage(kPrinterBusyText));
        return false;
    }
    for (int job = 0; job < jobs; ++job)
        if (!in_.printer.Print(Page(), copiesPerJob)) {
            in_.prompter.Inform(ErrorMessage(kUnableToPrintText));
            return false;
        }
    return true;
}

void TMyPreview::PrintPage() { PrintJobs(1, 1); }

void TMyPreview::PrintFile() { PrintJobs(1, 1); }  // the page file holds the one page

void TMyPreview::PrintMultipleCopies() {
    const auto copies = TNumCopies::Run(in_.look, in_.prompter, this);
    if (!copies) return;
    const CopyPlan plan = PlanCopies(*copies, in_.printer.CopiesItCanMake());
    PrintJobs(plan.jobs, plan.copiesPerJob);
}

void TMyPreview::SaveAsPdf() {
    const std::string path =
        in_.chooser.Choose(PdfExportRequest(in_.settings, in_.page.puzzle.title.Str(), in_.workingDir));
    if (path.empty()) return;
    if (!WritePagePdf(Page(), path)) in_.prompter.Inform(ErrorMessage(kUnableToCreatePdfText));
}

void TMyPreview::ExportTextFile(TextExportKind kind) {
    ShowOutcome(*this, in_.prompter, ExportText(in_.page.puzzle, kind, in_.settings, in_.chooser));
}

void TMyPreview::Export(Outcome (PageExporter::*save)(const ExportPage&)) {
    if (!in_.exporter) return;
    ShowOutcome(*this, in_.prompter, (in_.exporter->*save)(in_.page));
}

}  // namespace qf

#include "output/forms/PagePrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPrinter>
#include <cmath>

#include "output/RenderResult.h"
#include "report/PageTargets.h"

namespace qf {
namespace {

// A printer that makes copies itself is asked for at most this many in one job.
constexpr int kMostPrinterCopies = 999;

}  // namespace

// At the screen's resolution, as the page file was recorded: played scaled, a recorded page loses
// its drawing on some devices. Text and lines stay vector.
QtPagePrinter::QtPagePrinter() : printer_(std::make_unique<QPrinter>(QPrinter::ScreenResolution)) {
    printer_->setDocName(kReportTitle);
}

QtPagePrinter::~QtPagePrinter() = default;

bool QtPagePrinter::Busy() { return printer_->printerState() == QPrinter::Active; }

// A printer that writes a file makes its copies as pages of the one file: printed as separate
// jobs, each would replace the last.
int QtPagePrinter::CopiesItCanMake() {
    const bool toFile = printer_->outputFormat() == QPrinter::PdfFormat || !printer_->outputFileName().isEmpty();
    return printer_->supportsMultipleCopies() || toFile ? kMostPrinterCopies : 1;
}

bool QtPagePrinter::Print(const PrintedPage& page, int copies) {
    if (copies < 1 || !(page.pictureDpi > 0)) return false;
    // A stopped queue would take the job and hold it without a word: it is not printing.
    if (printer_->outputFileName().isEmpty() &&
        QPrinterInfo::printerInfo(printer_->printerName()).state() == QPrinter::Error)
        return false;
    printer_->setFullPage(true);
    // The page places everything itself from the paper's corner, whatever the printable area.
    if (!printer_->setPageLayout(PaperPageLayout(page.setup, true))) return false;
    const bool itself = printer_->supportsMultipleCopies();
    printer_->setCopyCount(itself ? copies : 1);
    printer_->setDocName(kReportTitle);
    QPainter painter;
    if (!painter.begin(printer_.get())) return false;
    const double scale = printer_->resolution() / page.pictureDpi;
    painter.scale(scale, scale);
    const int pages = itself ? 1 : copies;
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer_->newPage()) {
            painter.end();
            return false;
        }
        painter.drawPicture(0, 0, page.picture);
    }
    return painter.end();
}

bool WritePagePdf(const PrintedPage& page, const std::string& path) {
    if (!(page.pictureDpi > 0)) return false;
    // Drawn at the page file's own resolution: a recorded page played scaled onto a PDF loses
    // its drawing. The PDF is vector either way.
    PdfTarget target(path, static_cast<int>(std::lround(page.pictureDpi)));
    QPaintDevice* device = target.Begin(page.setup);
    if (!device) return false;
    QPainter painter;
    if (!painter.begin(device)) return false;
    const double scale = device->logicalDpiX() / page.pictureDpi;
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, page.picture);
    if (!painter.end()) return false;
    return target.Finish();
}

void QtPagePrinter::Setup(QWidget* parent) {
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setObjectName("PrinterSetup");
    dialog.setWindowTitle("Printer Setup");
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.exec();  // the printer object keeps what was chosen
}

}  // namespace qf

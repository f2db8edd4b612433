#pragma once
// The printer the preview prints the page file on. The program keeps one for its whole run, so
// that the printer and settings chosen in the printer setup apply to later printing; tests
// install a recording one.
#include <memory>
#include <string>

#include "report/Surface.h"

class QPicture;
class QPrinter;
class QWidget;

namespace qf {

// The recorded page, its resolution and the paper it was drawn for.
struct PrintedPage {
    const QPicture& picture;
    double pictureDpi = 96;
    PageSetup setup;
};

class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    // Whether the last print job is still being taken by the printer.
    virtual bool Busy() = 0;
    // How many copies the printer makes of one job by itself (1 when it cannot).
    virtual int CopiesItCanMake() = 0;
    // One print job of the page, `copies` copies made by the printer; false when it failed or the
    // printer's queue is stopped.
    virtual bool Print(const PrintedPage& page, int copies) = 0;
    // The printer setup dialog; what is chosen applies to the next jobs.
    virtual void Setup(QWidget* parent) = 0;
};

// The page as a vector PDF of its paper's size, written as a whole file; false when it could not be.
bool WritePagePdf(const PrintedPage& page, const std::string& path);

// The printer through QPrinter and QPrintDialog.
class QtPagePrinter : public PagePrinter {
public:
    QtPagePrinter();
    ~QtPagePrinter() override;

    QPrinter& Printer() { return *printer_; }

    bool Busy() override;
    int CopiesItCanMake() override;
    bool Print(const PrintedPage& page, int copies) override;
    void Setup(QWidget* parent) override;

private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace qf

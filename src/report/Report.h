#pragma once
// A report run on a surface: one page, its four events, a status display and an abort flag.
// The windows layer shows the status and offers the abort button; the events draw.
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "report/Surface.h"

namespace qf {

class Report {
public:
    struct Events {
        std::function<void(Surface&)> beforeReport;
        std::function<void(Surface&)> page;
        std::function<void(Surface&)> pageFooter;
        std::function<void(Surface&)> afterReport;
    };

    static constexpr const char* kTitle = "Test Report";  // the print job's name
    static constexpr double kMargin = 0.5;                // inches on every side; the renderer places everything itself

    explicit Report(Surface& surface) : surface_(surface) {}

    // Runs the events in order for the one page. Returns false when the report was aborted; the
    // after-report event runs either way, so that what the before-report event took is released.
    bool Run(const Events& events);

    // Asks the running report to stop at its next check; safe from another thread.
    void Abort() { aborted_ = true; }
    bool Aborted() const { return aborted_; }

    // The status display: a format with %p for the page number and %0, %1, ... for the lines.
    void SetStatusFormat(std::string format) { format_ = std::move(format); }
    void AddStatusLine(std::string line) { lines_.push_back(std::move(line)); }
    void SetStatusLine(std::size_t index, std::string line);
    std::string StatusText() const;
    int PageNumber() const { return page_; }

private:
    Surface& surface_;
    std::atomic<bool> aborted_{false};
    std::string format_;
    std::vector<std::string> lines_;
    int page_ = 0;
};

}  // namespace qf

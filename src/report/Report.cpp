#include "report/Report.h"

namespace qf {

bool Report::Run(const Events& events) {
    page_ = 0;
    if (events.beforeReport && !aborted_) events.beforeReport(surface_);
    if (!aborted_) {
        page_ = 1;
        if (events.page) events.page(surface_);
        if (events.pageFooter && !aborted_) events.pageFooter(surface_);
    }
    if (events.afterReport) events.afterReport(surface_);
    return !aborted_;
}

void Report::SetStatusLine(std::size_t index, std::string line) {
    if (index >= lines_.size()) lines_.resize(index + 1);
    lines_[index] = std::move(line);
}

std::string Report::StatusText() const {
    std::string out;
    for (std::size_t i = 0; i < format_.size(); ++i) {
        if (format_[i] == '%' && i + 1 < format_.size()) {
            const char c = format_[i + 1];
            if (c == 'p') {
                out += std::to_string(page_);
                ++i;
                continue;
            }
            if (c >= '0' && c <= '9') {
                const auto index = static_cast<std::size_t>(c - '0');
                if (index < lines_.size()) out += lines_[index];
                ++i;
                continue;
            }
        }
        out += format_[i];
    }
    return out;
}

}  // namespace qf

#include "output/ReportRun.h"

namespace qf {

RenderResult RunRenderReport(Report& report, PageRenderer& renderer, const std::function<void()>& pump) {
    report.SetStatusFormat(kReportStatusFormat);
    report.AddStatusLine("");
    report.AddStatusLine("");
    Report::Events events;
    events.beforeReport = [&](Surface& s) { renderer.BeforeReport(s); };
    events.page = [&](Surface& s) {
        renderer.DrawPage(s, [&] {
            if (pump) pump();
            return report.Aborted();
        });
    };
    events.pageFooter = [](Surface&) {};
    events.afterReport = [&](Surface&) { renderer.AfterReport(report.Aborted()); };
    const bool done = report.Run(events);
    report.SetStatusLine(0, std::string("\n") + (done ? kReportDoneText : kReportCanceledText));
    return renderer.TakeResult();
}

}  // namespace qf

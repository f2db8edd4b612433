// The preview's page at 100, 200, 400 and 800 %: the time from a new zoom to the drawn view
// (the page view resized and the scroll area's view, scrolled to the page's middle, painted),
// and the memory the process holds then and took at its peak, over what it held at 100 %.
// A plain program: it prints a table. Offscreen unless a platform is chosen.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "BenchPuzzle.h"
#include "BenchWords.h"
#include "output/PageRenderer.h"
#include "output/forms/PageView.h"
#include "report/DisplayListSurface.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf::bench {
namespace {

// A field of /proc/self/status in KiB.
long StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    return -1;
}

// Starts the peak over again from what is held now.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double MiB(long kib) { return kib / 1024.0; }

struct Row {
    double zoom;
    double medianMs;
    double worstMs;
    double heldMiB;
    double peakMiB;
};

constexpr int kRuns = 7;

// The page of `words` on a square of `side`, recorded as the print options form records it for
// the preview, in a scroll area of 1000 x 750 as the preview shows it; prints its rows.
void Page(const char* name, const std::vector<std::string>& words, int side) {
    const auto puzzle = Puzzle(words, side);
    PageFileTarget pageFile;
    QPainterSurface surface(pageFile);
    DisplayList calls;
    DisplayListSurface both(surface, calls);
    PageLayoutRecord layout = puzzle->layout;
    (void)RenderPage(both, *puzzle, layout, PrintOptions{}, PrintHeadings{"Across", "Down"});
    if (!surface.Finish()) return;
    const PageSetup setup = both.Setup();
    const double screenDpi = 96;

    QScrollArea scroll;
    auto* view = new PageView(calls, setup.Width(), setup.Height());
    scroll.setWidget(view);
    scroll.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll.resize(1000, 750);
    scroll.show();

    // One zoom step as the preview takes it: the view takes the new size, scrolls to the page's
    // middle, and the pending paint is done.
    const auto show = [&](double zoom) {
        view->SetPixelWidth(static_cast<int>(setup.Width() * screenDpi * zoom / 100 + 0.5));
        scroll.horizontalScrollBar()->setValue(scroll.horizontalScrollBar()->maximum() / 2);
        scroll.verticalScrollBar()->setValue(scroll.verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
    };

    show(100);
    show(100);
    const long base = StatusKiB("VmRSS");
    std::vector<Row> rows;
    for (double zoom : {100.0, 200.0, 400.0, 800.0}) {
        std::vector<double> ms;
        double held = 0;
        double peak = 0;
        for (int run = 0; run < kRuns; ++run) {
            show(zoom == 100 ? 50 : 100);  // from another zoom, so the step redraws
            ResetPeak();
            QElapsedTimer timer;
            timer.start();
            show(zoom);
            ms.push_back(timer.nsecsElapsed() / 1e6);
            held = std::max(held, MiB(StatusKiB("VmRSS") - base));
            peak = std::max(peak, MiB(StatusKiB("VmHWM") - base));
        }
        std::sort(ms.begin(), ms.end());
        rows.push_back({zoom, ms[ms.size() / 2], ms.back(), held, peak});
    }
    for (const Row& r : rows)
        std::printf("| %s | %.0f %% | %.0f x %.0f | %.1f ms | %.1f ms | %.1f MiB | %.1f MiB |\n", name, r.zoom,
                    setup.Width() * screenDpi * r.zoom / 100, setup.Height() * screenDpi * r.zoom / 100, r.medianMs,
                    r.worstMs, r.heldMiB, r.peakMiB);
}

}  // namespace
}  // namespace qf::bench

int main(int argc, char** argv) {
    using namespace qf;
    using namespace qf::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::printf("| page | zoom | page pixels | redraw, median of %d | slowest | held over 100 %% | peak over 100 %% |\n", kRuns);
    std::printf("|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    // Each page in a process of its own, so that one page's freed memory is not the next one's.
    const auto inChild = [&](auto page) {
        const pid_t child = fork();
        if (child == 0) {
            QApplication app(argc, argv);
            page();
            std::fflush(stdout);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
    };
    inChild([] { Page("15 words", kWords15, 15); });
    inChild([] { Page("200 words", kWords200, 50); });
    return 0;
}

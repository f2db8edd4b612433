#pragma once
// The preview over the printable puzzle's rendered page, with a recording printer.
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "support/forms/FormFixture.h"
#include "support/forms/PrintFixtures.h"
#include "output/PageRenderer.h"
#include "output/forms/MyPreview.h"
#include "report/DisplayListSurface.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf {

// A rendered page and the preview over it.
struct Preview {
    // Prints on `to` when given (a real printer), else on the recording one.
    explicit Preview(test::FormFixture& f, PageExporter* exporter = nullptr, PagePrinter* to = nullptr,
                     bool answerKey = false)
        : puzzle(test::PrintablePuzzle()) {
        options.answerKey = answerKey;
        QPainterSurface surface(pageFile);
        DisplayListSurface both(surface, pageCalls);
        rendering = RenderPage(both, *puzzle, puzzle->layout, options, headings);
        if (!surface.Finish()) qFatal("page not recorded");
        auto& c = f.context;
        window = std::make_unique<TMyPreview>(PreviewInputs{c.Look(), c.state.settings, *c.prompter, *c.fileChooser,
                                                            to ? *to : printer, exporter, {}, pageFile.Page(), pageCalls,
                                                            pageFile.Dpi(), both.Setup(),
                                                            ExportPage{*puzzle, puzzle->layout, options, headings, rendering},
                                                            c.state.dirs.working});
    }
    QLineEdit* Box(const char* name) { return test::Control<QLineEdit>(*window, name); }
    void Type(const char* box, const char* text) {
        QLineEdit* b = Box(box);
        b->selectAll();
        QTest::keyClicks(b, text);
        QTest::keyClick(b, Qt::Key_Return);
    }

    std::unique_ptr<PuzzleRecord> puzzle;
    PrintOptions options;
    PrintHeadings headings{"Across", "Down"};
    PageFileTarget pageFile;
    DisplayList pageCalls;
    RenderResult rendering;
    test::RecordingPrinter printer;
    std::unique_ptr<TMyPreview> window;
};

}  // namespace qf

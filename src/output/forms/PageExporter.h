#pragma once
// What the preview hands a rendered page to when the user saves it as a picture, a metafile or
// a web page. The preview knows nothing of the formats: the program installs the exporter that
// asks for the file and writes it (with its own small dialogs: pixel width, JPEG quality,
// metafile kind, HTML); tests install a recording one.
#include "base/Outcome.h"
#include "layouts/PageLayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "output/PrintOptions.h"
#include "output/RenderResult.h"

namespace qf {

// One rendered page: the puzzle, the print's working copy of its layout (with the font sizes
// the rendering fitted), the print choices and headings, and what the rendering measured.
struct ExportPage {
    const PuzzleRecord& puzzle;
    const PageLayoutRecord& layout;
    const PrintOptions& options;
    const PrintHeadings& headings;
    const RenderResult& rendering;
};

class PageExporter {
public:
    virtual ~PageExporter() = default;
    virtual Outcome SaveBitmap(const ExportPage& page) = 0;    // .BMP at the pixel width
    virtual Outcome SaveJpeg(const ExportPage& page) = 0;      // .JPG at the pixel width and quality
    virtual Outcome SaveMetafile(const ExportPage& page) = 0;  // .EMF or .WMF
    virtual Outcome SaveHtml(const ExportPage& page) = 0;      // .HTM with its picture beside it
};

}  // namespace qf

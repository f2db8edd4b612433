#pragma once
// What the preview hands a rendered page to when the user saves it as a picture, a metafile or
// a web page. The preview knows nothing of the formats: the program installs the exporter that
// asks for the file and writes it (with its own small dialogs: pixel width, JPEG quality,
// metafile kind, HTML); tests install a recording one.
#include "base/Outcome.h"
#include "output/ExportPage.h"

namespace qf {

class PageExporter {
public:
    virtual ~PageExporter() = default;
    virtual Outcome SaveBitmap(const ExportPage& page) = 0;    // .BMP at the pixel width
    virtual Outcome SaveJpeg(const ExportPage& page) = 0;      // .JPG at the pixel width and quality
    virtual Outcome SaveMetafile(const ExportPage& page) = 0;  // .EMF or .WMF
    // The two metafile commands, each with its own file dialog; by default the one above.
    virtual Outcome SaveEnhancedMetafile(const ExportPage& page) { return SaveMetafile(page); }  // .EMF
    virtual Outcome SaveWindowsMetafile(const ExportPage& page) { return SaveMetafile(page); }   // .WMF
    virtual Outcome SaveHtml(const ExportPage& page) = 0;      // .HTM with its picture beside it
};

}  // namespace qf

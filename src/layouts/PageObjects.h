#pragma once
// New page objects with their defaults, the built-in default layout and the paper table.
#include <span>
#include <string>
#include <string_view>

#include "layouts/PageLayoutRecord.h"

namespace qf {

// The heading texts a new Across or Down Header starts with (settings "Across Label", "Down Label").
struct HeadingLabels {
    std::string across = "Across";
    std::string down = "Down";
};

// The name a new object of this kind gets ("Title", ..., "Text 1", "Bitmap 2").
std::string NewObjectName(ObjectKind kind, const PageLayoutRecord& layout);

// An object of the kind with every default of a new object; `layout` gives the numbering of
// Text, Bitmap, Rectangle and Circle names. The rectangle is left at zero for the caller.
PageObject NewPageObject(ObjectKind kind, const PageLayoutRecord& layout, const HeadingLabels& labels);

// Writes the built-in default layout into `layout`. Fields the default does not define (the zoom
// code, the split flag, the fields of other kinds, the unused slots) keep what they held.
void BuildDefaultLayout(PageLayoutRecord& layout);

// The object text, up to its NUL (at most 1000 characters), and its setter (cut to 1000).
std::string ObjectText(const PageObject& object);
void SetObjectText(PageObject& object, std::string_view text);

struct PaperSize {
    const char* name;
    double width;   // portrait, in the paper's unit
    double height;
    bool inches;
    int printerCode;  // DMPAPER value; 0 for a custom size
};
// "Letter", "Legal", "A4", "A5", "B5", "Executive"; nullptr for "Custom" or an unknown name.
const PaperSize* FindPaper(std::string_view name);
std::span<const PaperSize> StandardPapers();

}  // namespace qf

#pragma once
// What a screen reader reads out: a control without a caption of its own (an edit, a list, a
// combo box) is named by the label that leads to it, its buddy; a picture is a graphic whose
// name says what it shows ("Crossword grid, 15 by 15, 12 words") and changes with it.
#include <QString>

class QLabel;
class QWidget;

namespace qf {

// A caption as it is spoken: without the & of its Alt letter and without a closing colon.
QString SpokenText(const QString& caption);

// Names the label's buddy by the label, unless the buddy has a name of its own.
void NameByLabel(const QLabel& label);
// The same for every label of `window` that has a buddy (labels given buddies after creation).
void NameControlsByLabels(const QWidget& window);

// Makes `picture` a graphic for assistive technology, named `name` (and described, when given).
void DescribePicture(QWidget& picture, const QString& name, const QString& description = {});

}  // namespace qf

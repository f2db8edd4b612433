#pragma once
// TDoMeta, "Metafile Creation": says that the metafile is being made, then that it was made,
// and waits for "&Ok".
#include "base/forms/ProgramDialog.h"

class QLabel;
class QPushButton;

namespace qf {

class TDoMeta : public ProgramDialog {
    Q_OBJECT
public:
    explicit TDoMeta(const FormLook& look, QWidget* parent = nullptr);

    // The metafile was saved: the label says so and "&Ok" appears.
    void Created();

private:
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
};

inline constexpr const char* kCreatingMetafileText = "Creating Metafile...  Please Wait.";
inline constexpr const char* kMetafileCreatedText = "Metafile Created";

}  // namespace qf

#pragma once
// TAboutBox, "About": the program's picture, name and version, and where this run keeps its
// files. Scaled and centred; it keeps its design fonts.
#include <vector>

#include "app/FileLocations.h"
#include "base/forms/ProgramDialog.h"

namespace qf {

inline constexpr const char* kProductName = "Quernfold 98";
inline constexpr const char* kProductVersion = "Version 3.1a";

class TAboutBox : public ProgramDialog {
    Q_OBJECT
public:
    explicit TAboutBox(const FormLook& look, const std::vector<FileLocation>& files = {}, QWidget* parent = nullptr);

    static void Run(const FormLook& look, const std::vector<FileLocation>& files, QWidget* parent = nullptr);
};

}  // namespace qf

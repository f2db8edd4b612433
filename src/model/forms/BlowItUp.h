#pragma once
// TBlowItUp: one candidate enlarged, on a copy of its record, captioned with its label
// ("Best Fit" ... "Fourth Best Fit"); E&xit closes it.
#include <memory>
#include <string>

#include "base/forms/ProgramDialog.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

namespace qf {

class TPuzzleImage;

class TBlowItUp : public ProgramDialog {
    Q_OBJECT
public:
    TBlowItUp(const FormLook& look, const PuzzleRecord& candidate, const ShapeRecord& shape, const std::string& caption,
              QWidget* parent = nullptr);
    ~TBlowItUp() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DrawCandidate();

    std::unique_ptr<PuzzleRecord> candidate_;
    ShapeRecord shape_;
    TPuzzleImage* image_ = nullptr;
};

}  // namespace qf

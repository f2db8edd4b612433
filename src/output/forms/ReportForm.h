#pragma once
// TReportForm, "Report Status Screen": runs the page renderer on a surface (the printer, or the
// page file the preview shows) while showing the report's status, with a Cancel button that
// stops it at the next object. Once the page is drawn the button becomes OK and the warnings
// of the rendering are shown.
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "output/PageRenderer.h"
#include "report/Report.h"

class QLabel;
class QPushButton;

namespace qf {

class TReportForm : public ProgramDialog {
    Q_OBJECT
public:
    TReportForm(const FormLook& look, Surface& surface, PageRenderer& renderer, Prompter& prompter,
                QWidget* parent = nullptr);

    bool Finished() const { return finished_; }
    const RenderResult& Result() const { return result_; }

    // Shows the form, which runs the report at once; returns what the rendering left.
    static RenderResult Run(const FormLook& look, Surface& surface, PageRenderer& renderer, Prompter& prompter,
                            QWidget* parent = nullptr);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RunReport();
    void BitBtn1Click();
    void ShowStatus();

    Report report_;
    PageRenderer& renderer_;
    Prompter& prompter_;
    QLabel* status_ = nullptr;
    QPushButton* button_ = nullptr;
    bool started_ = false;
    bool finished_ = false;
    RenderResult result_;
};

}  // namespace qf

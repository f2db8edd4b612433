#pragma once
// Turns SIGTERM and SIGINT into an orderly close of a window, so that a session logout or a
// script ending the program still runs the close handler (which writes the settings).
#include <QObject>

class QSocketNotifier;
class QWidget;

namespace qf {

class TerminationHandler : public QObject {
    Q_OBJECT
public:
    explicit TerminationHandler(QWidget* windowToClose);

private:
    void OnSignal();

    QWidget* window_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qf

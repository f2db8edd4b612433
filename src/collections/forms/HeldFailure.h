#pragma once
// An input/output error met by a handler of a modal dialog must not cross Qt's event loop: it
// is held, the dialog closes, and the dialog's Run throws it again once exec() has returned, so
// the caller's RunCommand reports it as it reports every other command's.
#include <QDialog>
#include <exception>
#include <utility>

#include "base/RecordFile.h"

namespace qf {

class HeldFailure {
public:
    // Runs `handler`; on an input/output error keeps it and closes `dialog`. False then.
    template <typename Handler>
    bool Guard(QDialog& dialog, Handler&& handler) {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const IoError&) {
            failure_ = std::current_exception();
            dialog.reject();
            return false;
        }
    }
    void ThrowIfHeld() const {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    std::exception_ptr failure_;
};

}  // namespace qf

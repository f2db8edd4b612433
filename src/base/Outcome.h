#pragma once
// How a command ends: done, cancelled by the user, or refused with the reason. A done command
// may carry a confirmation to show ("Puzzle Shape Exported!") and the index of what it added.
// Input/output errors after a file was opened are not outcomes: they throw IoError, which the
// two edges (the tool's main, the windows' command dispatch) turn into the general report.
#include <cstdint>
#include <utility>

#include "base/Message.h"

namespace qf {

enum class Status { Done, Cancelled, Refused };

struct [[nodiscard]] Outcome {
    Status status = Status::Done;
    Message message;          // the refusal, or what a done command confirms; may be empty
    std::int64_t index = -1;  // the new record's index or position, where the command has one

    bool IsDone() const { return status == Status::Done; }
    bool IsCancelled() const { return status == Status::Cancelled; }
    bool IsRefused() const { return status == Status::Refused; }

    static Outcome Done(std::int64_t index = -1) { return {Status::Done, {}, index}; }
    static Outcome Confirmed(Message confirmation, std::int64_t index = -1) {
        return {Status::Done, std::move(confirmation), index};
    }
    static Outcome Cancelled() { return {Status::Cancelled, {}, -1}; }
    static Outcome Refused(Message why) { return {Status::Refused, std::move(why), -1}; }
};

}  // namespace qf

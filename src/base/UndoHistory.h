#pragma once
// Many steps of Undo and Redo over whole states of what a window edits. The owner records the
// state before each change; Undo hands back the state to return to and keeps the present one
// for Redo. A new change after an Undo drops what could have been redone. The oldest steps go
// beyond the cap, so a long session keeps its memory bounded.
#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

namespace qf {

inline constexpr std::size_t kUndoSteps = 100;

template <typename State>
class UndoHistory {
public:
    UndoHistory() = default;
    explicit UndoHistory(std::size_t cap) : cap_(cap > 0 ? cap : 1) {}

    // The state before a change.
    void Record(State before) {
        redo_.clear();
        Push(undo_, std::move(before));
    }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }

    // The state to go back to; `now` is kept for Redo. Nothing when there is nothing to undo.
    std::optional<State> Undo(State now) { return Step(undo_, redo_, std::move(now)); }
    // The state Undo left; `now` is kept for Undo.
    std::optional<State> Redo(State now) { return Step(redo_, undo_, std::move(now)); }

    void Clear() {
        undo_.clear();
        redo_.clear();
    }

private:
    void Push(std::deque<State>& steps, State state) {
        steps.push_back(std::move(state));
        while (steps.size() > cap_) steps.pop_front();
    }

    std::optional<State> Step(std::deque<State>& from, std::deque<State>& to, State now) {
        if (from.empty()) return std::nullopt;
        std::optional<State> back(std::move(from.back()));
        from.pop_back();
        Push(to, std::move(now));
        return back;
    }

    std::size_t cap_ = kUndoSteps;
    std::deque<State> undo_;
    std::deque<State> redo_;
};

}  // namespace qf

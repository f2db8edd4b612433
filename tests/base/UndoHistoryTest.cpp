#include <gtest/gtest.h>

#include <string>

#include "base/UndoHistory.h"

namespace qf {
namespace {

// A state edited by appending letters; each change records the state before it.
struct Edited {
    UndoHistory<std::string> history;
    std::string now;

    explicit Edited(std::size_t cap = kUndoSteps) : history(cap) {}
    void Change(char letter) {
        history.Record(now);
        now += letter;
    }
    bool Undo() {
        auto back = history.Undo(now);
        if (back) now = *back;
        return back.has_value();
    }
    bool Redo() {
        auto back = history.Redo(now);
        if (back) now = *back;
        return back.has_value();
    }
};

TEST(UndoHistory, UndoAllRedoAllAndANewChangeDropsTheRedoTail) {
    Edited e;
    EXPECT_FALSE(e.Undo());
    EXPECT_FALSE(e.Redo());
    for (char c : std::string("abcd")) e.Change(c);
    for (const char* expected : {"abc", "ab", "a", ""}) {
        ASSERT_TRUE(e.Undo());
        EXPECT_EQ(e.now, expected);
    }
    EXPECT_FALSE(e.Undo());
    EXPECT_EQ(e.history.RedoSteps(), 4u);
    for (const char* expected : {"a", "ab", "abc", "abcd"}) {
        ASSERT_TRUE(e.Redo());
        EXPECT_EQ(e.now, expected);
    }
    EXPECT_FALSE(e.Redo());

    e.Undo();
    e.Undo();
    e.Change('x');
    EXPECT_EQ(e.now, "abx");
    EXPECT_FALSE(e.history.CanRedo());
    e.Undo();
    e.Undo();
    EXPECT_EQ(e.now, "a");
    e.Redo();
    e.Redo();
    EXPECT_EQ(e.now, "abx");
}

TEST(UndoHistory, TheOldestStepsGoBeyondTheCap) {
    Edited e(3);
    for (char c : std::string("abcdef")) e.Change(c);
    EXPECT_EQ(e.history.UndoSteps(), 3u);
    while (e.Undo()) {
    }
    EXPECT_EQ(e.now, "abc");
    // Redo is bounded the same way, and holds all that was undone within it.
    EXPECT_EQ(e.history.RedoSteps(), 3u);
    while (e.Redo()) {
    }
    EXPECT_EQ(e.now, "abcdef");
}

}  // namespace
}  // namespace qf

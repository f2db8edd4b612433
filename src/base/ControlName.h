#pragma once
// The name of a window's control, as the core's messages name it for the focus and as the
// window names the control (its objectName). Each window's names are declared once, beside
// its messages in the core, in a struct whose `kAll` lists them; a form test checks that every
// one of them is a control of its window, so a rename cannot leave a message focusing nothing.
namespace qf {

struct ControlName {
    constexpr explicit ControlName(const char* name) : text(name) {}
    const char* text;
};

}  // namespace qf

#pragma once
// The desktop's colour scheme as the desktop portal tells it ("color-scheme" of
// "org.freedesktop.appearance" is 1 for dark).

namespace qf {

// False without a session bus or a portal, or without an answer within half a second.
bool DesktopPrefersDark();

}  // namespace qf

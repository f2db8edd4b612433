#pragma once
// Temporary files of whole-file writes (base/SaveFile.h) are named ".NAME.~<pid>_<n>_<ticks>"
// beside the file, the process id in a field of its own, and are locked by their writer while
// they exist. One left by a process that was killed is removed the next time the file is opened.
#include <string>

namespace qf {

// A new temporary name for `file` (a path whose links are resolved).
std::string TemporaryNameFor(const std::string& file);

// Removes the temporary files of `file` whose writer is gone: its process no longer runs and
// nobody holds the file's lock. Others' names and files still being written are left alone.
void RemoveLeftovers(const std::string& file);

}  // namespace qf

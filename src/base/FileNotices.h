#pragma once
// What the files' own machinery tells the user once, beside the command that met it: an
// interrupted change that was rolled back when the file was next opened. The tool prints these
// after its command, the windows show them after theirs.
#include <vector>

#include "base/Message.h"

namespace qf {

void AddFileNotice(Message message);
// The notices since the last call, oldest first.
std::vector<Message> TakeFileNotices();

}  // namespace qf

#pragma once
// The user's own copies of the shipped libraries (shapes QFFLAY.DAT, page layouts QFFPAGE.DAT).
// A portable program works on the program directory's files, as it always did. An installed
// program reads the shipped library until the user has a copy, and makes that copy on first
// use: written whole beside its final name and renamed, so a copy cut short (a kill, a full disk)
// is never taken for a library.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/Directories.h"
#include "base/Outcome.h"

namespace qf {

// The user's libraries (the shapes library, the page layouts library), made together, so that a
// folder holding one but not the other has lost it.
inline constexpr std::array<const char*, 2> kUserLibraries = {"QFFLAY.DAT", "QFFPAGE.DAT"};

// The library the user works on: the user's copy, made from the shipped one (with any other of
// the user's libraries still missing) when it is missing. When the copy cannot be made, the
// shipped library, so reading still works and a write reports its own failure.
std::string UserLibrary(const Directories& dirs, std::string_view name);

// One library of the installed program, as start-up finds it.
enum class LibraryState {
    Usable,   // the user's copy is whole, or not made yet, or the program is portable
    Damaged,  // the user's copy cannot be read, or is not a whole number of records
    Missing,  // the user's copy is gone while the other library's copy is still there
};

LibraryState CheckUserLibrary(const Directories& dirs, std::string_view name, std::size_t recordSize);

// The user's copy replaced by the shipped library, the one it replaces kept beside it as
// NAME.old. Refused with "Unable to reset the library "PATH"." when nothing was changed.
Outcome ResetUserLibrary(const Directories& dirs, std::string_view name);

// The installed program's first start (no settings file yet): the collections' folder is made,
// and the shipped sample collection copied into it when it holds neither DEFAULT.QF3 nor
// SAMPLE.QF3, so the program opens on the sample. Nothing happens for a portable program.
void PrepareCollectionsFolder(const Directories& dirs);

// What start-up tells about a library that is not usable; `what` names it ("puzzle shapes").
Message LibraryStateMessage(LibraryState state, const std::string& path, std::string_view what);

}  // namespace qf

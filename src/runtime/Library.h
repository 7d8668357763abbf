#pragma once
// Calling an entry of an outside library by name.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace qv {

// Binds `entry` of `library` on its first call (the run directory's file
// first, then the bare name through the system's search) and calls it with
// the given arguments (at most 8, each passed as a machine word). A library
// that cannot be loaded or lacks the entry raises the fatal runtime error
// "无法找到指定DLL库文件“<library>”中的输出命令“<entry>”". Returns the entry's
// 32-bit result.
int CallLibraryEntry(std::string_view library, std::string_view entry,
                     std::initializer_list<std::intptr_t> args);

// The same for an entry the program can do without: a library that cannot be
// loaded, lacks the entry or is given more than 8 arguments gives nothing, and
// no error is raised.
std::optional<int> TryCallLibraryEntry(std::string_view library, std::string_view entry,
                                       std::initializer_list<std::intptr_t> args);

}  // namespace qv

namespace qv::detail {
// Unloads every library bound by CallLibraryEntry (end-of-program clean-up).
void ReleaseBoundLibraries();
}  // namespace qv::detail

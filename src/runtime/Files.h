#pragma once
// Whole-file services. Every path is given in the program's own form (DOS
// style: "d:\1.bmp", the run directory joined with "\SkinH_EL.dll") and is
// mapped to a host path by ResolveHostPath before any file operation.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/ByteBuffer.h"

namespace qv {

// Maps a program path to a host path: a leading drive letter "X:" becomes the
// drive's folder (see DriveFolder), every backslash becomes a slash. Empty
// optional when the path names a drive that is missing (its folder cannot be
// created or is not a folder).
std::optional<std::string> ResolveHostPath(std::string_view path);
// The folder standing for drive X: $QUORVANE_DRIVES/X when that variable is
// set, else <the user's Pictures folder>/Quorvane/X. Created on first use.
std::optional<std::string> DriveFolder(char letter);

// The whole content of a file, shared read; empty on every failure; a short
// read keeps what arrived.
ByteBuffer ReadWholeFile(std::string_view path);
// Writes the buffers in order to a temporary file beside the target, flushes,
// and renames it over the target. On any failure the temporary is removed and
// the target is left as it was. False for an empty path, a missing folder, an
// existing read-only target, or any write error.
bool WriteWholeFile(std::string_view path, std::initializer_list<ByteView> buffers);
inline bool WriteWholeFile(std::string_view path, ByteView buffer) {
  return WriteWholeFile(path, {buffer});
}
// Why the last WriteWholeFile that returned false failed, as a short Chinese
// text for the user ("磁盘已满"); empty after a successful write.
std::string LastWriteFailure();
// True when a directory entry of exactly that name exists (file or folder).
bool PathExists(std::string_view path);

// File attribute flags: read-only 0x01, hidden 0x02, system 0x04, archive 0x20.
inline constexpr int kAttrReadOnly = 0x01, kAttrHidden = 0x02, kAttrSystem = 0x04,
                     kAttrArchive = 0x20;
// Replaces the file's whole attribute set with flags & 0x27. True on success.
bool SetFileAttributeFlags(std::string_view path, int flags);
// The file's attribute set (0 when it has none recorded); empty when unreadable.
std::optional<int> GetFileAttributeFlags(std::string_view path);

// The directory holding the program's executable, without a trailing separator.
std::string GetRunDirectory();

}  // namespace qv

#pragma once
// The operating system underneath the runtime: host files, attributes, the
// executable's location and shared libraries. PlatformPosix.cpp implements it
// for Linux; a port to another system replaces that one file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <initializer_list>

#include "runtime/ByteBuffer.h"

namespace qv::platform {

enum class EntryType { Missing, File, Directory, Other };
EntryType TypeOf(const std::string& hostPath);

// Creates the folder and its parents. True when it exists as a folder afterwards.
bool MakeFolders(const std::string& hostPath);

// Reads the whole file; empty on failure; a short read keeps what arrived.
ByteBuffer ReadFile(const std::string& hostPath);

enum class WriteError { None, EmptyPath, NoFolder, ReadOnlyTarget, NotAFile, OpenFailed, DiskFull, IoError };
// Writes the parts through a temporary file beside the target, flushed to
// disk, then renamed over it. On failure the target is untouched.
WriteError WriteFileAtomically(const std::string& hostPath, std::initializer_list<ByteView> parts);
// A short human-readable reason for a write error, in Chinese ("磁盘已满").
std::string DescribeWriteError(WriteError error);

// True when the owner's write bit is off or the recorded attributes say read-only.
bool IsReadOnly(const std::string& hostPath);
// Attribute flags stored as the extended attribute "user.DOSATTRIB" in Samba's
// text form ("0x2"); read-only also clears the owner's write bit.
bool WriteAttributes(const std::string& hostPath, int flags);
std::optional<int> ReadAttributes(const std::string& hostPath);

// The directory holding the running executable (no trailing slash), "" at "/".
std::string ExecutableDirectory();
bool SetCurrentDirectory(const std::string& hostPath);

// Shared libraries.
using LibraryHandle = void*;
LibraryHandle OpenLibrary(const std::string& pathOrName);  // nullptr on failure
void* FindSymbol(LibraryHandle library, const std::string& name);
void CloseLibrary(LibraryHandle library);

// Maps `bytes` of fresh memory in at the top of the calling thread's heap in
// one call, so that the allocations that grow into it do not fault page by
// page (a fault costs some 10 microseconds on a virtual machine). It works
// only on the main thread's heap, when the allocator neither maps a block of
// that size on its own nor trims the freed block off again (glibc: mallopt
// M_MMAP_THRESHOLD and M_TRIM_THRESHOLD above `bytes`). True when mapped in.
bool PrefaultHeap(std::size_t bytes);

// An environment variable, or empty when unset.
std::optional<std::string> Environment(const char* name);

}  // namespace qv::platform

// Binding and calling entries of outside libraries by name. One record per
// (library, entry) lives for the whole process; the libraries are closed at
// the end-of-program clean-up.
#include "runtime/Library.h"

#include <optional>
#include <string>
#include <vector>

#include "runtime/Dialogs.h"
#include "runtime/Files.h"
#include "runtime/Platform.h"
#include "runtime/Testing.h"

namespace qv {
namespace {

struct EntryBinding {
  std::string library;
  std::string entry;
  platform::LibraryHandle handle = nullptr;
  void* address = nullptr;
};

std::vector<EntryBinding>& Bindings() {
  static std::vector<EntryBinding> bindings;
  return bindings;
}

// The run directory's copy first, then the bare name through the system's
// search (which honours the program's RUNPATH).
platform::LibraryHandle LoadLibraryFile(const std::string& library) {
  if (std::optional<std::string> local = ResolveHostPath(GetRunDirectory() + "\\" + library)) {
    if (platform::LibraryHandle handle = platform::OpenLibrary(*local)) return handle;
  }
  return platform::OpenLibrary(library);
}

[[noreturn]] void RaiseBindingFailure(const std::string& library, const std::string& entry) {
  RaiseRuntimeError(
      "无法找到指定DLL库文件“" + library + "”中的输出命令“" + entry + "”", 0);
}

// The entry's address, bound on first use; nullptr when the library cannot be
// loaded or lacks it (nothing is kept then, so a later call tries again).
void* FindOrBindEntry(std::string_view library, std::string_view entry) {
  for (const EntryBinding& binding : Bindings()) {
    if (binding.library == library && binding.entry == entry) return binding.address;
  }
  EntryBinding binding{std::string(library), std::string(entry)};
  binding.handle = LoadLibraryFile(binding.library);
  binding.address = platform::FindSymbol(binding.handle, binding.entry);
  if (binding.address == nullptr) {
    platform::CloseLibrary(binding.handle);
    return nullptr;
  }
  Bindings().push_back(binding);
  return binding.address;
}

void CloseAllBindings() {
  for (const EntryBinding& binding : Bindings()) platform::CloseLibrary(binding.handle);
  Bindings().clear();
}

using W = std::intptr_t;

int CallWithWords(void* address, std::initializer_list<std::intptr_t> args) {
  const W* a = args.begin();
  // The 32-bit Windows build's stack check after the call guards against an
  // entry that removes the wrong number of argument bytes (stdcall against
  // cdecl). With the platform's single C calling convention on x86-64 the
  // caller owns the argument area, so that mismatch cannot occur and there is
  // nothing to check.
  switch (args.size()) {
    case 0: return reinterpret_cast<int (*)()>(address)();
    case 1: return reinterpret_cast<int (*)(W)>(address)(a[0]);
    case 2: return reinterpret_cast<int (*)(W, W)>(address)(a[0], a[1]);
    case 3: return reinterpret_cast<int (*)(W, W, W)>(address)(a[0], a[1], a[2]);
    case 4: return reinterpret_cast<int (*)(W, W, W, W)>(address)(a[0], a[1], a[2], a[3]);
    case 5:
      return reinterpret_cast<int (*)(W, W, W, W, W)>(address)(a[0], a[1], a[2], a[3], a[4]);
    case 6:
      return reinterpret_cast<int (*)(W, W, W, W, W, W)>(address)(a[0], a[1], a[2], a[3], a[4],
                                                                   a[5]);
    case 7:
      return reinterpret_cast<int (*)(W, W, W, W, W, W, W)>(address)(a[0], a[1], a[2], a[3],
                                                                      a[4], a[5], a[6]);
    default:
      return reinterpret_cast<int (*)(W, W, W, W, W, W, W, W)>(address)(a[0], a[1], a[2], a[3],
                                                                         a[4], a[5], a[6], a[7]);
  }
}

}  // namespace

int CallLibraryEntry(std::string_view library, std::string_view entry,
                     std::initializer_list<std::intptr_t> args) {
  if (args.size() > 8) {
    RaiseRuntimeError("调用DLL命令“" + std::string(entry) + "”的参数超过 8 个", 0);
  }
  void* address = FindOrBindEntry(library, entry);
  if (address == nullptr) RaiseBindingFailure(std::string(library), std::string(entry));
  return CallWithWords(address, args);
}

std::optional<int> TryCallLibraryEntry(std::string_view library, std::string_view entry,
                                       std::initializer_list<std::intptr_t> args) {
  if (args.size() > 8) return std::nullopt;
  void* address = FindOrBindEntry(library, entry);
  if (address == nullptr) return std::nullopt;
  return CallWithWords(address, args);
}

namespace detail {
void ReleaseBoundLibraries() { CloseAllBindings(); }
}  // namespace detail

namespace testing {
void ResetLibraryBindings() { CloseAllBindings(); }
}  // namespace testing

}  // namespace qv

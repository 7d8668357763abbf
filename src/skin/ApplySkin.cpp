// Hands one built-in skin to the engine: a private copy in the stored form,
// the address just past its header, released as soon as the engine returns.
// Ahead of that, the engine may be given the stored skin to decode early.
#include "skin/ApplySkin.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#include "runtime/ByteBuffer.h"
#include "runtime/Dialogs.h"
#include "runtime/Library.h"
#include "skin/SkinEngineFile.h"
#include "skin/SkinTable.h"

namespace qv {
namespace {

// A copy of a stored block, header included; raises the out-of-memory error
// when it cannot be had.
std::uint8_t* CopyStoredBlock(const std::uint8_t* stored) {
  const std::size_t size = kStoredHeaderSize + ReadLe32(stored + 4);
  auto* copy = new (std::nothrow) std::uint8_t[size];
  if (copy == nullptr) {
    char message[64];
    std::snprintf(message, sizeof message, "分配 %zu 字节内存失败!", size);
    RaiseRuntimeError(message, 0);
  }
  std::memcpy(copy, stored, size);
  return copy;
}

}  // namespace

void ApplySkin(int n) {
  EnsureSkinEngineFile();
  std::uint8_t* copy = n >= 1 && n <= kSkinCount ? CopyStoredBlock(SkinTable[n - 1]) : nullptr;
  const std::uint8_t* data = copy != nullptr ? copy + kStoredHeaderSize : nullptr;
  const std::intptr_t length = copy != nullptr ? ReadLe32(copy + 4) : 0;
  static const char kEmptyText[] = "";
  CallLibraryEntry("SkinH_EL.dll", "SkinH_AttachRes",
                   {reinterpret_cast<std::intptr_t>(data), length,
                    reinterpret_cast<std::intptr_t>(kEmptyText), 0, 0, 0});
  delete[] copy;
}

void PreloadSkin(int n) {
  if (n < 1 || n > kSkinCount) return;
  EnsureSkinEngineFile();
  const std::uint8_t* stored = SkinTable[n - 1];
  // The engine copies the bytes before it returns.
  TryCallLibraryEntry("SkinH_EL.dll", "SkinH_Preload",
                      {reinterpret_cast<std::intptr_t>(stored + kStoredHeaderSize),
                       std::intptr_t(ReadLe32(stored + 4))});
}

}  // namespace qv

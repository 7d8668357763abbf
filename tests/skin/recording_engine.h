#pragma once
// What the recording test engine remembers of its last SkinH_AttachRes call
// and of its last SkinH_Preload call.
#include <cstddef>
#include <cstdint>

struct RecordedAttach {
  int calls = 0;  // calls since the last reset
  const void* data = nullptr;
  int length = 0;
  const char* text = nullptr;
  int hue = 0, saturation = 0, value = 0;
  unsigned char header[8] = {};  // the 8 bytes just before data
  unsigned char head[16] = {};   // the first 16 bytes of data
  char textCopy[16] = {};
  std::uint64_t hash = 0;        // FNV-1a of all `length` bytes
  std::size_t heapInUse = 0;     // mallinfo2().uordblks during the call
};

// What it remembers of its last SkinH_Preload call.
struct RecordedPreload {
  int calls = 0;  // calls since the last reset
  const void* data = nullptr;
  int length = 0;
  std::uint64_t hash = 0;  // FNV-1a of all `length` bytes
};

extern "C" {
using RecordingEngineResetFn = void (*)(int result);
}

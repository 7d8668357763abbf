// A stand-in skin engine for tests: SkinH_AttachRes and SkinH_Preload record
// what they are given (without allocating); SkinH_AttachRes returns a result
// the test chooses. Built as
// "SkinH_EL.dll" so the program binds it exactly like the real engine.
#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "recording_engine.h"

namespace {
RecordedAttach recorded;
RecordedPreload recordedPreload;
int nextResult = 0;

std::uint64_t Fnv1a(const unsigned char* data, int length) {
  std::uint64_t hash = 1469598103934665603ull;
  for (int i = 0; i < length; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
  return hash;
}
}  // namespace

extern "C" {

__attribute__((visibility("default"))) int SkinH_AttachRes(const void* data, int length,
                                                           const char* text, int hue,
                                                           int saturation, int value) {
  RecordedAttach call{};
  call.calls = recorded.calls + 1;
  call.data = data;
  call.length = length;
  call.text = text;
  call.hue = hue;
  call.saturation = saturation;
  call.value = value;
  call.heapInUse = mallinfo2().uordblks;
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (bytes != nullptr && length > 0) {
    std::memcpy(call.header, bytes - sizeof call.header, sizeof call.header);
    std::memcpy(call.head, bytes, length < 16 ? std::size_t(length) : sizeof call.head);
    call.hash = Fnv1a(bytes, length);
  }
  if (text != nullptr) std::strncpy(call.textCopy, text, sizeof call.textCopy - 1);
  recorded = call;
  return nextResult;
}

__attribute__((visibility("default"))) int SkinH_Preload(const void* data, int length) {
  RecordedPreload call{};
  call.calls = recordedPreload.calls + 1;
  call.data = data;
  call.length = length;
  if (data != nullptr && length > 0) {
    call.hash = Fnv1a(static_cast<const unsigned char*>(data), length);
  }
  recordedPreload = call;
  return 0;
}

__attribute__((visibility("default"))) const RecordedPreload* RecordingEngineLastPreload() {
  return &recordedPreload;
}

__attribute__((visibility("default"))) const RecordedAttach* RecordingEngineLastAttach() {
  return &recorded;
}

__attribute__((visibility("default"))) void RecordingEngineReset(int result) {
  recorded = RecordedAttach{};
  recordedPreload = RecordedPreload{};
  nextResult = result;
}

// Entries of 0 to 8 word arguments; each returns a position-weighted sum.
#define QV_W std::intptr_t
__attribute__((visibility("default"))) int Arity0() { return 7; }
__attribute__((visibility("default"))) int Arity1(QV_W a) { return int(a); }
__attribute__((visibility("default"))) int Arity2(QV_W a, QV_W b) { return int(a + 2 * b); }
__attribute__((visibility("default"))) int Arity3(QV_W a, QV_W b, QV_W c) {
  return int(a + 2 * b + 3 * c);
}
__attribute__((visibility("default"))) int Arity4(QV_W a, QV_W b, QV_W c, QV_W d) {
  return int(a + 2 * b + 3 * c + 4 * d);
}
__attribute__((visibility("default"))) int Arity5(QV_W a, QV_W b, QV_W c, QV_W d, QV_W e) {
  return int(a + 2 * b + 3 * c + 4 * d + 5 * e);
}
__attribute__((visibility("default"))) int Arity6(QV_W a, QV_W b, QV_W c, QV_W d, QV_W e,
                                                  QV_W f) {
  return int(a + 2 * b + 3 * c + 4 * d + 5 * e + 6 * f);
}
__attribute__((visibility("default"))) int Arity7(QV_W a, QV_W b, QV_W c, QV_W d, QV_W e,
                                                  QV_W f, QV_W g) {
  return int(a + 2 * b + 3 * c + 4 * d + 5 * e + 6 * f + 7 * g);
}
__attribute__((visibility("default"))) int Arity8(QV_W a, QV_W b, QV_W c, QV_W d, QV_W e,
                                                  QV_W f, QV_W g, QV_W h) {
  return int(a + 2 * b + 3 * c + 4 * d + 5 * e + 6 * f + 7 * g + 8 * h);
}
#undef QV_W

}  // extern "C"

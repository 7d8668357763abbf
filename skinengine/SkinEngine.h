#pragma once
// The skin engine's public entries, SkinH_AttachRes and SkinH_Preload, and
// their status codes.
//
// SkinH_AttachRes(data, length, text, hue, saturation, value) decodes a skin
// (".SHE" header, LZMA content) and restyles every window of the process.
//   data, length  the whole skin, header included. Null data or length <= 0
//                 applies nothing and returns kSkinNoData.
//   text          optional skin name: null or "" accepts any skin; otherwise
//                 the skin's own name must equal it (kSkinNameMismatch).
//   hue           degrees added to every colour's hue; any value, taken
//                 modulo 360 (-180..180 is the useful range).
//   saturation    percent, -100..100 (clamped): -100 grey, 100 twice as vivid.
//   value         percent, -100..100 (clamped): -100 black, 100 twice as bright.
// 0, 0, 0 leaves the colours as the skin designs them. On any non-zero result
// the current look is left exactly as it was.
//
// SkinH_Preload(data, length) starts decoding a copy of the skin on a thread
// of the engine's own and returns at once: kSkinOk when started, kSkinNoData
// for null data or length <= 0, kSkinOutOfMemory when no copy or thread could
// be had. A later SkinH_AttachRes given the same bytes (at any address) waits
// for that decoding instead of decoding again; its result is exactly what it
// would have been without the preload. Other bytes drop the preload.

#ifdef __cplusplus
extern "C" {
#endif

enum SkinStatus {
  kSkinOk = 0,
  kSkinNoData = 1,          // null data or length <= 0: nothing applied
  kSkinBadMagic = 2,        // not ".SHE"
  kSkinBadVersion = 3,      // bytes 4 and 5 are not 00 03
  kSkinBadProperties = 4,   // LZMA properties are not 5D 00 00 80 00
  kSkinBadLength = 5,       // header shorter than 15 bytes, or a declared
                            // content length of 0 or above the limit
  kSkinTruncated = 6,       // the compressed stream ends before the content does
  kSkinCorrupt = 7,         // the compressed stream is not valid LZMA
  kSkinBadContent = 8,      // the content's structure or a field is invalid
  kSkinOutOfMemory = 9,     // memory for decoding could not be had
  kSkinNoApplication = 10,  // no QApplication to restyle
  kSkinNameMismatch = 11    // text names another skin
};

#if defined(SKINENGINE_BUILD)
#define SKINENGINE_EXPORT __attribute__((visibility("default")))
#else
#define SKINENGINE_EXPORT
#endif

SKINENGINE_EXPORT int SkinH_AttachRes(const void* data, int length, const char* text, int hue,
                                      int saturation, int value);
SKINENGINE_EXPORT int SkinH_Preload(const void* data, int length);

#ifdef __cplusplus
}
#endif

// The engine's entries: decode, check, shift, then restyle the application;
// and decoding ahead of that on a thread of the engine's own.
#include <QApplication>
#include <cstring>
#include <new>
#include <optional>
#include <span>
#include <utility>

#include "Preload.h"
#include "SkinEngine.h"
#include "format/ColourShift.h"
#include "format/SkinDecoder.h"
#include "style/SkinLook.h"
#include "style/SkinStyle.h"

namespace {

int Attach(const void* data, int length, const char* text, int hue, int saturation,
           int value) {
  using namespace qv::skin;
  if (data == nullptr || length <= 0) return kSkinNoData;
  const std::span<const std::uint8_t> file(static_cast<const std::uint8_t*>(data),
                                           static_cast<std::size_t>(length));
  // Everything is decoded into a fresh theme; the look changes only at the end.
  Theme theme;
  const std::optional<SkinStatus> preloaded = TakePreload(file, theme);
  const SkinStatus status = preloaded ? *preloaded : DecodeSkin(file, theme);
  if (status != kSkinOk) return status;
  if (text != nullptr && *text != '\0' && theme.name != text) return kSkinNameMismatch;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    return kSkinNoApplication;
  }
  ShiftTheme(theme, MakeShift(hue, saturation, value));
  auto look = BuildLook(std::move(theme));
  QApplication::setStyle(new SkinStyle(look));
  QApplication::setPalette(look->palette);
  return kSkinOk;
}

}  // namespace

extern "C" int SkinH_AttachRes(const void* data, int length, const char* text, int hue,
                               int saturation, int value) {
  try {
    return Attach(data, length, text, hue, saturation, value);
  } catch (const std::bad_alloc&) {
    return kSkinOutOfMemory;
  } catch (...) {
    return kSkinBadContent;
  }
}

extern "C" int SkinH_Preload(const void* data, int length) {
  if (data == nullptr || length <= 0) return kSkinNoData;
  const std::span<const std::uint8_t> file(static_cast<const std::uint8_t*>(data),
                                           static_cast<std::size_t>(length));
  return qv::skin::StartPreload(file) ? kSkinOk : kSkinOutOfMemory;
}

// Loading libtiff with the POSIX dynamic loader: the one place where the
// codecs depend on the platform.
#include <dlfcn.h>

#include "imaging/TiffLibrary.h"

namespace qv::imaging {
namespace {

template <typename Entry>
bool Find(void* handle, const char* name, Entry& entry) {
  entry = reinterpret_cast<Entry>(dlsym(handle, name));
  return entry != nullptr;
}

}  // namespace

std::optional<TiffLibrary> LoadTiffLibrary(const char* name) {
  void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return std::nullopt;
  TiffLibrary tiff{};
  const bool found =
      Find(handle, "TIFFOpenOptionsAlloc", tiff.openOptionsAlloc) &&
      Find(handle, "TIFFOpenOptionsFree", tiff.openOptionsFree) &&
      Find(handle, "TIFFOpenOptionsSetErrorHandlerExtR", tiff.setErrorHandler) &&
      Find(handle, "TIFFOpenOptionsSetWarningHandlerExtR", tiff.setWarningHandler) &&
      Find(handle, "TIFFOpenOptionsSetMaxSingleMemAlloc", tiff.setMaxSingleMemAlloc) &&
      Find(handle, "TIFFClientOpenExt", tiff.clientOpenExt) &&
      Find(handle, "TIFFClose", tiff.close) && Find(handle, "TIFFGetField", tiff.getField) &&
      Find(handle, "TIFFRGBAImageOK", tiff.rgbaImageOk) &&
      Find(handle, "TIFFReadRGBAImageOriented", tiff.readRgbaImageOriented);
  if (!found) {
    dlclose(handle);
    return std::nullopt;
  }
  return tiff;
}

const TiffLibrary* OpenTiffLibrary() {
  static const std::optional<TiffLibrary> library = LoadTiffLibrary(QV_TIFF_LIBRARY);
  return library ? &*library : nullptr;
}

}  // namespace qv::imaging

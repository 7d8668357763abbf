#pragma once
// libtiff's entry points, as the TIFF reader uses them. The library is opened
// when the first TIFF is read, not linked: few pictures are TIFFs, and a
// linked libtiff would load itself and all its codecs at every start.
#include <tiffio.h>

#include <optional>

namespace qv::imaging {

struct TiffLibrary {
  decltype(&TIFFOpenOptionsAlloc) openOptionsAlloc;
  decltype(&TIFFOpenOptionsFree) openOptionsFree;
  decltype(&TIFFOpenOptionsSetErrorHandlerExtR) setErrorHandler;
  decltype(&TIFFOpenOptionsSetWarningHandlerExtR) setWarningHandler;
  decltype(&TIFFOpenOptionsSetMaxSingleMemAlloc) setMaxSingleMemAlloc;
  decltype(&TIFFClientOpenExt) clientOpenExt;
  decltype(&TIFFClose) close;
  decltype(&TIFFGetField) getField;
  decltype(&TIFFRGBAImageOK) rgbaImageOk;
  decltype(&TIFFReadRGBAImageOriented) readRgbaImageOriented;
};

// Opens the named library and finds every entry; nothing when either fails.
// The library stays loaded.
std::optional<TiffLibrary> LoadTiffLibrary(const char* name);

// libtiff, loaded on the first call; null when it is missing. Thread-safe.
const TiffLibrary* OpenTiffLibrary();

}  // namespace qv::imaging

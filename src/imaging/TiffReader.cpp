#include <cstring>
#include <memory>

#include "imaging/SourceReaders.h"
#include "imaging/TiffLibrary.h"

namespace qv::imaging {
namespace {

// libtiff reads through these, from the ImageSource, with its own position.
struct TiffStream {
  ImageSource* source;
  std::uint64_t position = 0;
};

tmsize_t ReadProc(thandle_t handle, void* out, tmsize_t count) {
  auto* stream = static_cast<TiffStream*>(handle);
  if (count <= 0) return 0;
  std::size_t n = stream->source->ReadAt(stream->position, out, std::size_t(count));
  stream->position += n;
  return tmsize_t(n);
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) { return 0; }

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  auto* stream = static_cast<TiffStream*>(handle);
  std::uint64_t base = 0;
  if (whence == SEEK_CUR) base = stream->position;
  if (whence == SEEK_END) base = stream->source->Size();
  stream->position = base + offset;
  return stream->position;
}

int CloseProc(thandle_t) { return 0; }

toff_t SizeProc(thandle_t handle) { return static_cast<TiffStream*>(handle)->source->Size(); }

int MapProc(thandle_t, void**, toff_t*) { return 0; }

void UnmapProc(thandle_t, void*, toff_t) {}

int SilentHandler(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
  const TiffLibrary* library;
  void operator()(TIFF* tiff) const { library->close(tiff); }
};

struct OptionsFree {
  const TiffLibrary* library;
  void operator()(TIFFOpenOptions* options) const { library->openOptionsFree(options); }
};

// Classic and big TIFF, in either byte order. Anything else is left to the
// other readers without loading libtiff.
bool StartsLikeTiff(ImageSource& source) {
  unsigned char head[4];
  if (!source.ReadExact(0, head, sizeof head)) return false;
  static const unsigned char kHeads[][4] = {
      {'I', 'I', 42, 0}, {'M', 'M', 0, 42}, {'I', 'I', 43, 0}, {'M', 'M', 0, 43}};
  for (const auto& known : kHeads) {
    if (std::memcmp(head, known, sizeof head) == 0) return true;
  }
  return false;
}

// Largest single allocation libtiff may make for one file.
constexpr tmsize_t kMaxTiffAllocation = tmsize_t(512) << 20;

}  // namespace

ReadOutcome ReadTiff(ImageSource& source, std::uint64_t maxPixels, Raster& out) {
  if (!StartsLikeTiff(source)) return ReadOutcome::NotMine;
  // A TIFF that cannot be read without libtiff has failed, not been missed.
  const TiffLibrary* library = OpenTiffLibrary();
  if (library == nullptr) return ReadOutcome::Failed;
  std::unique_ptr<TIFFOpenOptions, OptionsFree> options(library->openOptionsAlloc(),
                                                        OptionsFree{library});
  if (!options) return ReadOutcome::NotMine;
  library->setErrorHandler(options.get(), SilentHandler, nullptr);
  library->setWarningHandler(options.get(), SilentHandler, nullptr);
  library->setMaxSingleMemAlloc(options.get(), kMaxTiffAllocation);

  TiffStream stream{&source};
  std::unique_ptr<TIFF, TiffCloser> tiff(
      library->clientOpenExt("picture", "rm", &stream, ReadProc, WriteProc, SeekProc, CloseProc,
                             SizeProc, MapProc, UnmapProc, options.get()),
      TiffCloser{library});
  if (!tiff) return ReadOutcome::NotMine;
  std::uint32_t width = 0, height = 0;
  if (!library->getField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) ||
      !library->getField(tiff.get(), TIFFTAG_IMAGELENGTH, &height))
    return ReadOutcome::NotMine;

  char message[1024];
  if (!WithinPixelBudget(width, height, maxPixels) || !library->rgbaImageOk(tiff.get(), message))
    return ReadOutcome::Failed;
  std::vector<std::uint8_t> rgba;
  if (!TryResize(rgba, std::uint64_t(width) * height * 4) ||
      !AllocateRaster(out, int(width), int(height), 3))
    return ReadOutcome::Failed;
  auto* pixels = reinterpret_cast<std::uint32_t*>(rgba.data());
  if (!library->readRgbaImageOriented(tiff.get(), width, height, pixels, ORIENTATION_TOPLEFT, 1))
    return ReadOutcome::Failed;

  // libtiff gives premultiplied alpha; lay the picture over white.
  const std::size_t count = std::size_t(width) * height;
  std::uint8_t* dst = out.pixels.data();
  for (std::size_t i = 0; i < count; ++i, dst += 3) {
    std::uint32_t p = pixels[i];
    unsigned clear = 255 - TIFFGetA(p);
    dst[0] = std::uint8_t(std::min(255u, TIFFGetR(p) + clear));
    dst[1] = std::uint8_t(std::min(255u, TIFFGetG(p) + clear));
    dst[2] = std::uint8_t(std::min(255u, TIFFGetB(p) + clear));
  }
  return ReadOutcome::Ok;
}

}  // namespace qv::imaging

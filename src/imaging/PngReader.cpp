#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>

#include "imaging/SourceReaders.h"

namespace qv::imaging {
namespace {

struct PngReadState {
  ImageSource* source = nullptr;
  std::uint64_t position = 0;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<std::uint8_t> pixels;
  std::vector<png_bytep> rows;
};

void ReadData(png_structp png, png_bytep out, png_size_t count) {
  auto* s = static_cast<PngReadState*>(png_get_io_ptr(png));
  if (s->source->ReadAt(s->position, out, count) != count) png_error(png, "short read");
  s->position += count;
}

void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void OnWarning(png_structp, png_const_charp) {}

// Lays a picture with alpha over white, in place, dropping the alpha byte.
void FlattenOverWhite(std::uint8_t* pixels, std::size_t count, int colourChannels) {
  const std::uint8_t* src = pixels;
  std::uint8_t* dst = pixels;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned alpha = src[colourChannels];
    for (int c = 0; c < colourChannels; ++c)
      *dst++ = std::uint8_t((src[c] * alpha + 255 * (255 - alpha) + 127) / 255);
    src += colourChannels + 1;
  }
}

constexpr png_alloc_size_t kMaxChunkAllocation = png_alloc_size_t(64) << 20;

}  // namespace

ReadOutcome ReadPng(ImageSource& source, std::uint64_t maxPixels, Raster& out) {
  png_byte signature[8];
  if (!source.ReadExact(0, signature, 8) || png_sig_cmp(signature, 0, 8) != 0)
    return ReadOutcome::NotMine;

  auto state = std::make_unique<PngReadState>();
  PngReadState* const s = state.get();
  s->source = &source;
  s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, s, OnError, OnWarning);
  if (!s->png) return ReadOutcome::Failed;
  s->info = png_create_info_struct(s->png);
  if (!s->info || setjmp(png_jmpbuf(s->png))) {
    png_destroy_read_struct(&s->png, &s->info, nullptr);
    return ReadOutcome::Failed;
  }
  png_set_read_fn(s->png, s, ReadData);
  png_set_user_limits(s->png, 0x7FFFFFFF, 0x7FFFFFFF);
  png_set_chunk_malloc_max(s->png, kMaxChunkAllocation);
  png_read_info(s->png, s->info);

  const png_uint_32 width = png_get_image_width(s->png, s->info);
  const png_uint_32 height = png_get_image_height(s->png, s->info);
  if (!WithinPixelBudget(width, height, maxPixels)) png_error(s->png, "too large");
  png_set_expand(s->png);
  png_set_scale_16(s->png);
  png_set_interlace_handling(s->png);
  png_read_update_info(s->png, s->info);

  const int channels = png_get_channels(s->png, s->info);
  const std::size_t stride = std::size_t(width) * channels;
  if (channels < 1 || channels > 4 || png_get_rowbytes(s->png, s->info) != stride ||
      !TryResize(s->pixels, std::uint64_t(stride) * height))
    png_error(s->png, "unexpected layout");
  bool rowsReserved = true;
  try {
    s->rows.resize(height);
  } catch (const std::bad_alloc&) {
    rowsReserved = false;
  }
  if (!rowsReserved) png_error(s->png, "out of memory");
  for (png_uint_32 y = 0; y < height; ++y) s->rows[y] = s->pixels.data() + y * stride;
  png_read_image(s->png, s->rows.data());
  png_destroy_read_struct(&s->png, &s->info, nullptr);

  const int colourChannels = channels == 1 || channels == 2 ? 1 : 3;
  if (channels == 2 || channels == 4)
    FlattenOverWhite(s->pixels.data(), std::size_t(width) * height, colourChannels);
  s->pixels.resize(std::size_t(width) * height * colourChannels);
  out.width = int(width);
  out.height = int(height);
  out.components = colourChannels;
  out.pixels = std::move(s->pixels);
  return ReadOutcome::Ok;
}

}  // namespace qv::imaging

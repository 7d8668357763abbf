#include <memory>
#include <new>

#include "imaging/JpegSupport.h"
#include "imaging/SourceReaders.h"

namespace qv::imaging {
namespace {

// libjpeg's own working memory (a progressive picture keeps all its
// coefficients) is capped too; past it the decode fails cleanly.
constexpr long kMaxLibjpegMemory = 1L << 30;

struct JpegReadState {
  jpeg_decompress_struct info{};
  JpegErrorTrap trap{};
  JpegChunkSource chunks{};
  JpegScanLimit scanLimit{};
  std::vector<std::uint8_t> row;
  std::vector<JSAMPROW> rows;
  bool headerRead = false;
};

// Picks the smallest power-of-two DCT scale whose output still covers the
// drawn size; full size when none does.
void ChooseDctScale(j_decompress_ptr info, int drawWidth, int drawHeight) {
  if (drawWidth <= 0 || drawHeight <= 0) return;
  for (unsigned denom : {8u, 4u, 2u}) {
    info->scale_num = 1;
    info->scale_denom = denom;
    jpeg_calc_output_dimensions(info);
    if (info->output_width >= JDIMENSION(drawWidth) &&
        info->output_height >= JDIMENSION(drawHeight))
      return;
  }
  info->scale_num = 1;
  info->scale_denom = 1;
}

bool TryResizeRows(std::vector<JSAMPROW>& rows, std::size_t count) {
  try {
    rows.resize(count);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void WidenGrey(const std::uint8_t* grey, std::uint8_t* rgb, int width) {
  for (int x = 0; x < width; ++x, rgb += 3) rgb[0] = rgb[1] = rgb[2] = grey[x];
}

}  // namespace

ReadOutcome ReadJpeg(ImageSource& source, const JpegReadOptions& options, Raster& out) {
  std::uint8_t signature[2];
  if (!source.ReadExact(0, signature, 2) || signature[0] != 0xFF || signature[1] != 0xD8)
    return ReadOutcome::NotMine;

  // Everything the error path touches lives behind this pointer, set before
  // setjmp and never changed after it.
  auto state = std::make_unique<JpegReadState>();
  JpegReadState* const s = state.get();
  s->info.err = InstallJpegErrorTrap(s->trap);
  if (setjmp(s->trap.jump)) {
    jpeg_destroy_decompress(&s->info);
    return s->headerRead ? ReadOutcome::Failed : ReadOutcome::NotMine;
  }
  jpeg_create_decompress(&s->info);
  s->info.mem->max_memory_to_use = kMaxLibjpegMemory;
  AttachJpegChunkSource(&s->info, s->chunks, source, options.cutShortFails);
  AttachJpegScanLimit(&s->info, s->scanLimit);
  jpeg_read_header(&s->info, TRUE);

  J_COLOR_SPACE space = s->info.out_color_space;
  bool cmyk = space == JCS_CMYK;
  if (space != JCS_RGB && space != JCS_GRAYSCALE && !cmyk) {
    jpeg_destroy_decompress(&s->info);
    return ReadOutcome::NotMine;
  }
  s->headerRead = true;
  if (!WithinPixelBudget(s->info.image_width, s->info.image_height, options.maxPixels)) {
    jpeg_destroy_decompress(&s->info);
    return ReadOutcome::Failed;
  }
  ChooseDctScale(&s->info, options.drawWidth, options.drawHeight);
  jpeg_start_decompress(&s->info);

  const int width = int(s->info.output_width);
  const int height = int(s->info.output_height);
  if (s->info.output_width != s->info.image_width ||
      s->info.output_height != s->info.image_height) {
    out.ownWidth = int(s->info.image_width);
    out.ownHeight = int(s->info.image_height);
  }
  const int components = s->info.output_components;
  const bool grey = components == 1;
  const int outComponents = grey && options.keepGrey ? 1 : 3;
  const bool direct = components == outComponents;
  bool allocated = AllocateRaster(out, width, height, outComponents);
  if (allocated && !direct) allocated = TryResize(s->row, std::uint64_t(width) * components);
  if (!allocated) {
    jpeg_destroy_decompress(&s->info);
    return ReadOutcome::Failed;
  }

  const std::size_t outStride = std::size_t(width) * outComponents;
  if (direct) {
    if (!TryResizeRows(s->rows, std::size_t(height))) {
      jpeg_destroy_decompress(&s->info);
      return ReadOutcome::Failed;
    }
    for (int y = 0; y < height; ++y) s->rows[y] = out.pixels.data() + y * outStride;
    while (s->info.output_scanline < s->info.output_height) {
      JDIMENSION at = s->info.output_scanline;
      jpeg_read_scanlines(&s->info, s->rows.data() + at, s->info.output_height - at);
    }
  } else {
    JSAMPROW row = s->row.data();
    while (s->info.output_scanline < s->info.output_height) {
      std::uint8_t* target = out.pixels.data() + s->info.output_scanline * outStride;
      if (jpeg_read_scanlines(&s->info, &row, 1) != 1) continue;
      if (cmyk)
        CmykRowToRgb(row, target, width, s->info.saw_Adobe_marker);
      else
        WidenGrey(row, target, width);
    }
  }
  jpeg_finish_decompress(&s->info);
  jpeg_destroy_decompress(&s->info);
  return ReadOutcome::Ok;
}

}  // namespace qv::imaging

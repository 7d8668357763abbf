#include "imaging/JpegSupport.h"

#include <jerror.h>

namespace qv::imaging {
namespace {

void JumpOnError(j_common_ptr info) {
  auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

void IgnoreMessage(j_common_ptr info, int level) {
  if (level < 0) ++info->err->num_warnings;
}

void IgnoreOutput(j_common_ptr) {}

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info) {
  auto* chunks = reinterpret_cast<JpegChunkSource*>(info->src);
  std::size_t n = chunks->source->ReadAt(chunks->position, chunks->buffer, chunks->kChunkSize);
  chunks->position += n;
  if (n == 0) {
    chunks->ranOut = true;
    if (chunks->cutShortFails) {
      info->err->msg_code = JERR_INPUT_EOF;
      info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
    }
    chunks->buffer[0] = 0xFF;
    chunks->buffer[1] = JPEG_EOI;
    n = 2;
  }
  chunks->manager.next_input_byte = chunks->buffer;
  chunks->manager.bytes_in_buffer = n;
  return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  auto* chunks = reinterpret_cast<JpegChunkSource*>(info->src);
  std::size_t skip = std::size_t(count);
  if (skip <= chunks->manager.bytes_in_buffer) {
    chunks->manager.next_input_byte += skip;
    chunks->manager.bytes_in_buffer -= skip;
    return;
  }
  // Past the buffered bytes: move the read position, refill on next use.
  chunks->position += skip - chunks->manager.bytes_in_buffer;
  chunks->manager.next_input_byte = chunks->buffer;
  chunks->manager.bytes_in_buffer = 0;
}

void TermSource(j_decompress_ptr) {}

void CheckScanCount(j_common_ptr info) {
  if (!info->is_decompressor) return;
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > JpegScanLimit::kMaxScans) {
    info->err->msg_code = JERR_BAD_SCAN_SCRIPT;
    info->err->error_exit(info);
  }
}

}  // namespace

jpeg_error_mgr* InstallJpegErrorTrap(JpegErrorTrap& trap) {
  jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOnError;
  trap.manager.emit_message = IgnoreMessage;
  trap.manager.output_message = IgnoreOutput;
  return &trap.manager;
}

void AttachJpegChunkSource(j_decompress_ptr info, JpegChunkSource& chunks, ImageSource& source,
                           bool cutShortFails) {
  chunks.source = &source;
  chunks.position = 0;
  chunks.cutShortFails = cutShortFails;
  chunks.ranOut = false;
  chunks.manager.init_source = InitSource;
  chunks.manager.fill_input_buffer = FillInputBuffer;
  chunks.manager.skip_input_data = SkipInputData;
  chunks.manager.resync_to_restart = jpeg_resync_to_restart;
  chunks.manager.term_source = TermSource;
  chunks.manager.next_input_byte = nullptr;
  chunks.manager.bytes_in_buffer = 0;
  info->src = &chunks.manager;
}

void AttachJpegScanLimit(j_decompress_ptr info, JpegScanLimit& limit) {
  limit.manager.progress_monitor = CheckScanCount;
  info->progress = &limit.manager;
}

void CmykRowToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    // Here each value is the amount of light left: 255 means no ink.
    rgb[0] = std::uint8_t((c * k + 127) / 255);
    rgb[1] = std::uint8_t((m * k + 127) / 255);
    rgb[2] = std::uint8_t((y * k + 127) / 255);
  }
}

}  // namespace qv::imaging

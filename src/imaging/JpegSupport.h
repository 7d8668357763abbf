#pragma once
// libjpeg plumbing shared by the decoders and the encoder: a silent error
// manager that jumps back on fatal errors, a source manager that feeds an
// ImageSource in 4096-byte chunks, and a limit on the number of scans.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

#include "imaging/ImageSource.h"

namespace qv::imaging {

// jpeg_error_mgr first, so libjpeg's err pointer is also a JpegErrorTrap*.
struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

// Fatal errors longjmp to trap.jump; warnings and messages go nowhere.
jpeg_error_mgr* InstallJpegErrorTrap(JpegErrorTrap& trap);

struct JpegChunkSource {
  static constexpr std::size_t kChunkSize = 4096;
  jpeg_source_mgr manager;
  ImageSource* source = nullptr;
  std::uint64_t position = 0;
  // When the bytes run out an end-of-image marker is supplied, so the decoder
  // finishes with what it has; with cutShortFails it stops with an error.
  bool cutShortFails = false;
  bool ranOut = false;
  JOCTET buffer[kChunkSize];
};

void AttachJpegChunkSource(j_decompress_ptr info, JpegChunkSource& chunks, ImageSource& source,
                           bool cutShortFails);

// Stops decoding (as a fatal error) once a file goes past this many scans:
// a few dozen bytes of repeated scans could otherwise keep the decoder busy.
struct JpegScanLimit {
  static constexpr int kMaxScans = 500;
  jpeg_progress_mgr manager;
};

void AttachJpegScanLimit(j_decompress_ptr info, JpegScanLimit& limit);

// Inverted CMYK (as Adobe writes it) or plain CMYK to red, green, blue.
void CmykRowToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, int width, bool inverted);

}  // namespace qv::imaging

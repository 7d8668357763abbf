#pragma once
// JPEG bytes made with libjpeg's own encoder, for the tests and benchmarks.
#include <cstdint>
#include <vector>

namespace qv::testsupport {

struct JpegOptions {
  int quality = 90;
  bool progressive = false;
  // 3: RGB in, 1: grey in, 4: CMYK in (written with an Adobe marker).
  int components = 3;
};

// Top-down pixels, width * components bytes a row.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, const std::vector<std::uint8_t>& pixels,
                                     const JpegOptions& options = {});

}  // namespace qv::testsupport

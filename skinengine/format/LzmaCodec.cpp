#include "format/LzmaCodec.h"

#include <lzma.h>

#include <algorithm>
#include <new>

#include "format/SkinFormat.h"

namespace qv::skin {
namespace {

void SetSkinProperties(lzma_options_lzma& options) {
  options.lc = 3;
  options.lp = 0;
  options.pb = 2;
}

// Owns an lzma_stream for the length of one call.
struct StreamGuard {
  lzma_stream stream = LZMA_STREAM_INIT;
  ~StreamGuard() { lzma_end(&stream); }
};

}  // namespace

LzmaResult DecodeLzma(std::span<const std::uint8_t> input, std::size_t outputLength,
                      std::vector<std::uint8_t>& output) {
  lzma_options_lzma options{};
  if (lzma_lzma_preset(&options, 0)) return LzmaResult::kCorrupt;
  SetSkinProperties(options);
  // Matches never reach before the start of the content, so a dictionary the
  // size of the content decodes the same stream with less memory.
  options.dict_size = std::clamp<std::uint32_t>(static_cast<std::uint32_t>(std::min<std::size_t>(
                                                    outputLength, kLzmaDictionarySize)),
                                                LZMA_DICT_SIZE_MIN, kLzmaDictionarySize);
  options.ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
  options.ext_size_low = static_cast<std::uint32_t>(outputLength);
  options.ext_size_high = static_cast<std::uint32_t>(std::uint64_t(outputLength) >> 32);
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &options},
                                 {LZMA_VLI_UNKNOWN, nullptr}};

  try {
    output.assign(outputLength, 0);
  } catch (const std::bad_alloc&) {
    return LzmaResult::kOutOfMemory;
  }
  StreamGuard guard;
  lzma_stream& stream = guard.stream;
  const lzma_ret init = lzma_raw_decoder(&stream, filters);
  if (init == LZMA_MEM_ERROR) return LzmaResult::kOutOfMemory;
  if (init != LZMA_OK) return LzmaResult::kCorrupt;

  stream.next_in = input.data();
  stream.avail_in = input.size();
  stream.next_out = output.data();
  stream.avail_out = output.size();
  while (stream.total_out < outputLength) {
    const std::size_t before = stream.total_out;
    const std::size_t availableBefore = stream.avail_in;
    const lzma_ret ret = lzma_code(&stream, LZMA_FINISH);
    if (stream.total_out >= outputLength) break;
    if (ret == LZMA_MEM_ERROR) return LzmaResult::kOutOfMemory;
    if (ret == LZMA_DATA_ERROR || ret == LZMA_OPTIONS_ERROR || ret == LZMA_PROG_ERROR) {
      return LzmaResult::kCorrupt;
    }
    // The stream ended early (an end marker before the declared length) or
    // the input ran out.
    if (ret == LZMA_STREAM_END) return LzmaResult::kCorrupt;
    if (ret == LZMA_BUF_ERROR) return LzmaResult::kTruncated;
    if (stream.total_out == before && stream.avail_in == availableBefore) {
      return LzmaResult::kTruncated;
    }
  }
  return LzmaResult::kOk;
}

std::vector<std::uint8_t> EncodeLzma(std::span<const std::uint8_t> input,
                                     const LzmaEncodeOptions& settings) {
  lzma_options_lzma options{};
  if (lzma_lzma_preset(&options, settings.preset)) return {};
  SetSkinProperties(options);
  options.dict_size = kLzmaDictionarySize;
  options.ext_flags = settings.endMarker ? LZMA_LZMA1EXT_ALLOW_EOPM : 0;
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &options},
                                 {LZMA_VLI_UNKNOWN, nullptr}};
  StreamGuard guard;
  lzma_stream& stream = guard.stream;
  if (lzma_raw_encoder(&stream, filters) != LZMA_OK) return {};

  std::vector<std::uint8_t> output(input.size() / 2 + 4096);
  stream.next_in = input.data();
  stream.avail_in = input.size();
  stream.next_out = output.data();
  stream.avail_out = output.size();
  for (;;) {
    const lzma_ret ret = lzma_code(&stream, LZMA_FINISH);
    if (ret == LZMA_STREAM_END) break;
    if (ret != LZMA_OK) return {};
    if (stream.avail_out == 0) {
      const std::size_t used = output.size();
      output.resize(used * 2);
      stream.next_out = output.data() + used;
      stream.avail_out = output.size() - used;
    }
  }
  output.resize(stream.total_out);
  return output;
}

}  // namespace qv::skin

// The TIFF reader opens libtiff for a TIFF and only then.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "imaging/ImageSource.h"
#include "imaging/SourceReaders.h"
#include "imaging/TiffLibrary.h"

namespace qv::imaging {
namespace {

bool TiffLoaded() {
  void* handle = dlopen(QV_TIFF_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) dlclose(handle);
  return handle != nullptr;
}

void PutLe16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(std::uint8_t(value));
  out.push_back(std::uint8_t(value >> 8));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

// A 2 x 2 uncompressed RGB TIFF, written by hand so that no libtiff is
// needed to make it: red, green / blue, white.
std::vector<std::uint8_t> SmallRgbTiff() {
  struct Entry {
    unsigned tag, type;
    std::uint32_t count, value;
  };
  constexpr unsigned kShort = 3, kLong = 4;
  constexpr std::uint32_t kEntries = 10, kBitsAt = 8 + 2 + kEntries * 12 + 4,
                          kPixelsAt = kBitsAt + 6;
  const Entry entries[kEntries] = {{256, kShort, 1, 2},       {257, kShort, 1, 2},
                                   {258, kShort, 3, kBitsAt}, {259, kShort, 1, 1},
                                   {262, kShort, 1, 2},       {273, kLong, 1, kPixelsAt},
                                   {277, kShort, 1, 3},       {278, kShort, 1, 2},
                                   {279, kLong, 1, 12},       {284, kShort, 1, 1}};
  std::vector<std::uint8_t> out = {'I', 'I', 42, 0};
  PutLe32(out, 8);
  PutLe16(out, kEntries);
  for (const Entry& e : entries) {
    PutLe16(out, e.tag);
    PutLe16(out, e.type);
    PutLe32(out, e.count);
    PutLe32(out, e.value);  // a short value sits in the low half, little-endian
  }
  PutLe32(out, 0);
  for (int i = 0; i < 3; ++i) PutLe16(out, 8);
  const std::uint8_t pixels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  out.insert(out.end(), std::begin(pixels), std::end(pixels));
  return out;
}

TEST(TiffOnDemand, OpensLibtiffForATiffAndNotBefore) {
  ASSERT_FALSE(TiffLoaded());
  const std::vector<std::vector<std::uint8_t>> others = {
      {'B', 'M', 0, 0, 0, 0, 0, 0}, {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, {'I', 'I'}, {}};
  for (const auto& bytes : others) {
    MemorySource source(ByteView(bytes.data(), bytes.size()));
    Raster raster;
    EXPECT_EQ(ReadTiff(source, 1 << 20, raster), ReadOutcome::NotMine);
  }
  EXPECT_FALSE(TiffLoaded());

  const std::vector<std::uint8_t> tiff = SmallRgbTiff();
  MemorySource source(ByteView(tiff.data(), tiff.size()));
  Raster raster;
  ASSERT_EQ(ReadTiff(source, 1 << 20, raster), ReadOutcome::Ok);
  EXPECT_TRUE(TiffLoaded());
  EXPECT_EQ(raster.width, 2);
  EXPECT_EQ(raster.height, 2);
  ASSERT_EQ(raster.components, 3);
  const std::vector<std::uint8_t> expected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  EXPECT_EQ(raster.pixels, expected);
}

TEST(TiffOnDemand, ATiffWithAMangledDirectoryIsNotRead) {
  std::vector<std::uint8_t> tiff = SmallRgbTiff();
  tiff[4] = 0xF0;  // the directory offset now points past the end
  MemorySource source(ByteView(tiff.data(), tiff.size()));
  Raster raster;
  EXPECT_NE(ReadTiff(source, 1 << 20, raster), ReadOutcome::Ok);
}

TEST(TiffOnDemand, AMissingLibraryIsReportedNotFatal) {
  EXPECT_FALSE(LoadTiffLibrary("libtiff-not-installed.so.99").has_value());
  // A library without libtiff's entries is refused too.
  EXPECT_FALSE(LoadTiffLibrary("libc.so.6").has_value());
  const auto real = LoadTiffLibrary(QV_TIFF_LIBRARY);
  ASSERT_TRUE(real.has_value());
  EXPECT_NE(real->readRgbaImageOriented, nullptr);
}

}  // namespace
}  // namespace qv::imaging

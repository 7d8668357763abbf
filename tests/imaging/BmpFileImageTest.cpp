#include <gtest/gtest.h>

#include "imaging/BmpFileImage.h"
#include "imaging/ByteReading.h"
#include "TestPictures.h"

namespace qv::imaging {
namespace {

struct SnapshotSize {
  int width, height;
  std::size_t stride, fileSize;
};

TEST(BmpFileImage, HeaderFieldsAndLengthsFollowTheTable) {
  for (SnapshotSize s :
       {SnapshotSize{352, 584, 1056, 616'758}, SnapshotSize{350, 584, 1052, 614'422},
        SnapshotSize{1, 1, 4, 58}, SnapshotSize{3, 2, 12, 78}}) {
    std::vector<std::uint8_t> rgb = test::SmoothRgb(s.width, s.height);
    ByteBuffer f = BuildBmpFileImage(s.width, s.height, rgb.data(), s.width * 3);
    ASSERT_EQ(f.size(), s.fileSize) << s.width;
    EXPECT_EQ(BmpStride24(s.width), (long long)s.stride);
    const std::uint8_t* p = f.data();
    EXPECT_EQ(p[0], 'B');
    EXPECT_EQ(p[1], 'M');
    EXPECT_EQ(Le32(p + 2), s.fileSize);
    EXPECT_EQ(Le32(p + 6), 0u);  // both reserved words
    EXPECT_EQ(Le32(p + 10), 54u);
    EXPECT_EQ(Le32(p + 14), 40u);
    EXPECT_EQ(Le32Signed(p + 18), s.width);
    EXPECT_EQ(Le32Signed(p + 22), s.height);
    EXPECT_EQ(Le16(p + 26), 1);
    EXPECT_EQ(Le16(p + 28), 24);
    EXPECT_EQ(Le32(p + 30), 0u);
    EXPECT_EQ(Le32(p + 34), s.stride * s.height);
    for (int at = 38; at < 54; at += 4) EXPECT_EQ(Le32(p + at), 0u) << at;

    // Bottom-up, blue-green-red, zero padding.
    for (int y = 0; y < s.height; ++y) {
      const std::uint8_t* row = p + 54 + (s.height - 1 - y) * s.stride;
      for (int x = 0; x < s.width; ++x) {
        const std::uint8_t* px = &rgb[(y * s.width + x) * 3];
        ASSERT_EQ(row[x * 3], px[2]);
        ASSERT_EQ(row[x * 3 + 1], px[1]);
        ASSERT_EQ(row[x * 3 + 2], px[0]);
      }
      for (std::size_t pad = s.width * 3; pad < s.stride; ++pad) ASSERT_EQ(row[pad], 0) << pad;
    }
  }
}

TEST(BmpFileImage, HonoursTheSourceStride) {
  // Two pixels a row in a 16-byte source stride: the extra bytes are not copied.
  std::vector<std::uint8_t> rgb(16 * 2, 0xEE);
  rgb[0] = 1, rgb[1] = 2, rgb[2] = 3;
  rgb[16] = 4, rgb[17] = 5, rgb[18] = 6;
  ByteBuffer f = BuildBmpFileImage(2, 2, rgb.data(), 16);
  ASSERT_EQ(f.size(), 54u + 16);
  EXPECT_EQ(f[54], 6);  // bottom row first: source row 1
  EXPECT_EQ(f[56], 4);
  EXPECT_EQ(f[57], 0xEE);
  EXPECT_EQ(f[60], 0);  // padding
  EXPECT_EQ(f[61], 0);
  EXPECT_EQ(f[62], 3);  // then source row 0
  EXPECT_EQ(f[64], 1);
  EXPECT_EQ(f[69], 0);
}

TEST(BmpFileImage, RefusesEmptyAndImpossibleSizes) {
  std::vector<std::uint8_t> rgb(12);
  EXPECT_TRUE(BuildBmpFileImage(0, 1, rgb.data(), 3).empty());
  EXPECT_TRUE(BuildBmpFileImage(1, 0, rgb.data(), 3).empty());
  EXPECT_TRUE(BuildBmpFileImage(-5, 2, rgb.data(), 3).empty());
  EXPECT_TRUE(BuildBmpFileImage(2, 2, rgb.data(), 5).empty());  // stride under 3 * width
  EXPECT_TRUE(BuildBmpFileImage(2, 2, nullptr, 6).empty());
  EXPECT_TRUE(BuildBmpFileImage(100000, 100000, rgb.data(), 300000).empty());  // over 4 GiB
}

}  // namespace
}  // namespace qv::imaging

// The embedded skins and engine image, as the program's constant data holds them.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

#include "runtime/ByteBuffer.h"
#include "skin/SkinTable.h"

namespace qv {
namespace {

struct SkinSize {
  std::uint32_t length;
  std::uint32_t decompressed;
};
constexpr std::array<SkinSize, kSkinCount> kSkinSizes = {{
    {15574, 277244}, {9533, 144932},  {19786, 334484}, {19497, 323060},  {17699, 595228},
    {41098, 230784}, {12564, 324980}, {18930, 457868}, {13192, 175192},  {24409, 196172},
    {30738, 297840}, {8321, 198740},  {26370, 275540}, {15733, 239620},  {12105, 310940},
    {23603, 280868}, {20863, 280868}, {16746, 298148}, {11676, 483428},  {17997, 203388},
    {12882, 294652}, {37461, 1028620}, {30958, 283604}, {25715, 380060}, {34523, 414724},
    {28961, 166400}, {29447, 328060}, {15562, 181412}, {20738, 263444},  {18765, 194716},
    {31134, 286868}, {44110, 338828}, {20275, 249044},
}};

TEST(SkinTableTest, EveryEntryIsAStoredSkinOfItsTableSize) {
  for (int n = 1; n <= kSkinCount; ++n) {
    SCOPED_TRACE("skin " + std::to_string(n));
    const std::uint8_t* stored = SkinTable[n - 1];
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(ReadLe32(stored), 1u) << "stored form starts with 1";
    const ByteView skin = StoredBytes(stored);
    ASSERT_EQ(skin.size(), kSkinSizes[n - 1].length);
    EXPECT_EQ(std::memcmp(skin.data(), ".SHE\x00\x03", 6), 0);
    EXPECT_EQ(ReadLe32(skin.data() + 6), kSkinSizes[n - 1].decompressed);
    EXPECT_EQ(std::memcmp(skin.data() + 10, "\x5D\x00\x00\x80\x00", 5), 0);
  }
}

TEST(SkinTableTest, EntriesAreDistinct) {
  for (int a = 0; a < kSkinCount; ++a) {
    for (int b = a + 1; b < kSkinCount; ++b) {
      const ByteView x = StoredBytes(SkinTable[a]), y = StoredBytes(SkinTable[b]);
      EXPECT_FALSE(x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size()) == 0)
          << "skins " << a + 1 << " and " << b + 1 << " are the same";
    }
  }
}

TEST(SkinTableTest, EngineImageIsASharedObject) {
  ASSERT_NE(SkinEngineImage, nullptr);
  EXPECT_EQ(ReadLe32(SkinEngineImage), 1u);
  const ByteView image = StoredBytes(SkinEngineImage);
  ASSERT_GT(image.size(), 64u);
  EXPECT_EQ(std::memcmp(image.data(), "\x7F" "ELF", 4), 0);
  EXPECT_EQ(image[16], 3) << "ET_DYN";
}

// The build embeds the engine built from the same sources.
TEST(SkinTableTest, EngineImageIsTheBuiltEngine) {
  std::ifstream in(QV_BUILT_ENGINE, std::ios::binary);
  ASSERT_TRUE(in) << QV_BUILT_ENGINE;
  const ByteBuffer built(std::istreambuf_iterator<char>(in), {});
  const ByteView image = StoredBytes(SkinEngineImage);
  EXPECT_TRUE(built == ByteBuffer(image.begin(), image.end()))
      << "built " << built.size() << " bytes, embedded " << image.size();
}

}  // namespace
}  // namespace qv

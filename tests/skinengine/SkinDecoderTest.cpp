// Decoding and validating skins: good streams in their variants, and bad data
// of every kind rejected with its code.
#include <gtest/gtest.h>

#include <functional>

#include "SkinFiles.h"
#include "SmallTheme.h"
#include "format/SkinDecoder.h"
#include "format/SkinEncoder.h"
#include "format/SkinFormat.h"

namespace qv::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe32(Bytes& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(v >> (8 * i));
}

SkinStatus Decode(const Bytes& file) {
  Theme theme;
  return DecodeSkin(file, theme);
}

TEST(SkinDecoder, SmallThemeRoundTrips) {
  const Theme original = test::SmallTheme();
  Theme decoded;
  ASSERT_EQ(DecodeSkin(WrapContent(SerializeContent(original)), decoded), kSkinOk);
  EXPECT_EQ(decoded.name, original.name);
  EXPECT_EQ(decoded.colours, original.colours);
  EXPECT_EQ(decoded.metrics, original.metrics);
  for (int id = 0; id < kBitmapCount; ++id) {
    EXPECT_EQ(decoded.bitmaps[id].pixels, original.bitmaps[id].pixels) << id;
    EXPECT_EQ(decoded.bitmaps[id].margins, original.bitmaps[id].margins) << id;
  }
}

// Streams with and without an end marker decode alike, and whatever follows
// the content is ignored.
TEST(SkinDecoder, AcceptsEndMarkerAndIgnoresTrailingBytes) {
  const Bytes content = SerializeContent(test::SmallTheme());
  LzmaEncodeOptions withMarker;
  withMarker.endMarker = true;
  for (Bytes file : {WrapContent(content), WrapContent(content, withMarker)}) {
    EXPECT_EQ(Decode(file), kSkinOk);
    file.insert(file.end(), {0xFF, 0x00, 0x13, 0x37, 0xAA});
    EXPECT_EQ(Decode(file), kSkinOk);
  }
  Bytes skin = test::CommittedSkin(25);
  skin.insert(skin.end(), 1000, 0xEE);
  EXPECT_EQ(Decode(skin), kSkinOk);
}

struct FileCase {
  const char* name;
  std::function<void(Bytes&)> damage;
  SkinStatus expected;
};

// File-level damage to the real skin 25.
TEST(SkinDecoder, RejectsDamagedFiles) {
  const Bytes original = test::CommittedSkin(25);
  ASSERT_FALSE(original.empty());
  const std::uint32_t length = 414724;
  const FileCase cases[] = {
      {"empty", [](Bytes& b) { b.clear(); }, kSkinNoData},
      {"three bytes of magic", [](Bytes& b) { b.resize(3); }, kSkinBadLength},
      {"header cut short", [](Bytes& b) { b.resize(14); }, kSkinBadLength},
      {"short and foreign", [](Bytes& b) { b = {'M', 'Z'}; }, kSkinBadMagic},
      {"wrong magic", [](Bytes& b) { b[0] = 'X'; }, kSkinBadMagic},
      {"lower-case magic", [](Bytes& b) { b[1] = 's'; }, kSkinBadMagic},
      {"byte 4 not zero", [](Bytes& b) { b[4] = 1; }, kSkinBadVersion},
      {"byte 5 not three", [](Bytes& b) { b[5] = 2; }, kSkinBadVersion},
      {"other lc/lp/pb", [](Bytes& b) { b[10] = 0x5E; }, kSkinBadProperties},
      {"other dictionary", [](Bytes& b) { b[13] = 0x40; }, kSkinBadProperties},
      {"declared length zero", [](Bytes& b) { PutLe32(b, 6, 0); }, kSkinBadLength},
      {"declared length huge", [](Bytes& b) { PutLe32(b, 6, 0xFFFFFFF0u); }, kSkinBadLength},
      {"declared length over the limit",
       [](Bytes& b) { PutLe32(b, 6, kMaxContentLength + 1); }, kSkinBadLength},
      {"declared length too long", [&](Bytes& b) { PutLe32(b, 6, length + 64); },
       kSkinTruncated},
      {"declared length too short", [&](Bytes& b) { PutLe32(b, 6, length - 64); },
       kSkinBadContent},
      {"header only", [](Bytes& b) { b.resize(15); }, kSkinTruncated},
      {"stream cut in half", [](Bytes& b) { b.resize(b.size() / 2); }, kSkinTruncated},
      {"last byte missing", [](Bytes& b) { b.pop_back(); }, kSkinTruncated},
      {"stream does not start with zero", [](Bytes& b) { b[15] = 0xFF; }, kSkinCorrupt},
  };
  for (const FileCase& c : cases) {
    Bytes damaged = original;
    c.damage(damaged);
    Theme theme;
    theme.name = "untouched";
    EXPECT_EQ(DecodeSkin(damaged, theme), c.expected) << c.name;
    EXPECT_EQ(theme.name, "untouched") << c.name;
  }
}

// Damage early in the stream breaks the structure and is rejected. Damage
// late in the stream may only change grain pixels (the content carries no
// checksum): then the result is still a whole theme, never a broken one.
TEST(SkinDecoder, RejectsFlippedStructureBytes) {
  const Bytes original = test::CommittedSkin(25);
  for (std::size_t at : {std::size_t(16), std::size_t(200), original.size() / 3}) {
    Bytes damaged = original;
    damaged[at] ^= 0x5A;
    const SkinStatus status = Decode(damaged);
    EXPECT_TRUE(status == kSkinCorrupt || status == kSkinBadContent || status == kSkinTruncated)
        << "byte " << at << " gave " << status;
  }
  for (std::size_t at = original.size() - 64; at < original.size(); at += 7) {
    Bytes damaged = original;
    damaged[at] ^= 0x5A;
    Theme theme;
    if (DecodeSkin(damaged, theme) != kSkinOk) continue;
    for (const Bitmap& bitmap : theme.bitmaps) {
      EXPECT_EQ(bitmap.pixels.size(),
                std::size_t(bitmap.width) * bitmap.height * bitmap.BytesPerPixel());
    }
  }
}

struct ThemeCase {
  const char* name;
  std::function<void(Theme&)> bend;
};

// Content fields out of range, each in an otherwise valid theme.
TEST(SkinDecoder, RejectsThemeFieldsOutOfRange) {
  const ThemeCase cases[] = {
      {"empty name", [](Theme& t) { t.name.clear(); }},
      {"name too long", [](Theme& t) { t.name.assign(65, 'n'); }},
      {"control character in name", [](Theme& t) { t.name = "bad\nname"; }},
      {"title align beyond centre", [](Theme& t) { t.metrics[kTitleAlign] = 2; }},
      {"grain strength over 100", [](Theme& t) { t.metrics[kGrainStrength] = 101; }},
      {"press shift over 2", [](Theme& t) { t.metrics[kPressShift] = 3; }},
      {"title not 22 high",
       [](Theme& t) {
         t.bitmaps[kTitleActive] = test::SolidBitmap(PixelFormat::kRgba, 16, 21, 1);
       }},
      {"grain in colour",
       [](Theme& t) { t.bitmaps[kGrain] = test::SolidBitmap(PixelFormat::kRgba, 8, 8, 1); }},
      {"button in grey",
       [](Theme& t) {
         t.bitmaps[kButtonHover] = test::SolidBitmap(PixelFormat::kGrey, 8, 8, 1);
       }},
      {"bitmap too wide",
       [](Theme& t) {
         t.bitmaps[kGrain] = test::SolidBitmap(PixelFormat::kGrey, kMaxBitmapSide + 1, 1, 1);
       }},
      {"margins wider than the bitmap",
       [](Theme& t) { t.bitmaps[kButtonNormal].margins = {7, 0, 6, 0}; }},
      {"margins taller than the bitmap",
       [](Theme& t) { t.bitmaps[kEditFocused].margins = {0, 12, 0, 1}; }},
      {"margins on the grain", [](Theme& t) { t.bitmaps[kGrain].margins = {1, 0, 0, 0}; }},
      {"pixels missing", [](Theme& t) { t.bitmaps[kEditNormal].pixels.pop_back(); }},
      {"pixels left over", [](Theme& t) { t.bitmaps[kEditNormal].pixels.push_back(0); }},
  };
  for (const ThemeCase& c : cases) {
    Theme theme = test::SmallTheme();
    c.bend(theme);
    EXPECT_EQ(Decode(WrapContent(SerializeContent(theme))), kSkinBadContent) << c.name;
  }
}

// Structural damage to the content: offsets follow SerializeContent's order.
TEST(SkinDecoder, RejectsBrokenContentStructure) {
  const Bytes content = SerializeContent(test::SmallTheme());
  const std::size_t info = kContentHeaderSize;
  const std::size_t params = info + kChunkHeaderSize + test::SmallTheme().name.size();
  const std::size_t firstBitmap = params + kChunkHeaderSize + 4 + kColourCount * 4 + kMetricCount;
  const FileCase cases[] = {
      {"content magic", [](Bytes& c) { c[0] = 'X'; }, kSkinBadContent},
      {"content version", [](Bytes& c) { c[4] = 2; }, kSkinBadContent},
      {"too many chunks", [](Bytes& c) { c[6] = 65; }, kSkinBadContent},
      {"one chunk fewer", [](Bytes& c) { c[6] -= 1; }, kSkinBadContent},
      {"one chunk more", [](Bytes& c) { c[6] += 1; }, kSkinBadContent},
      {"chunk size past the end", [&](Bytes& c) { PutLe32(c, info + 4, 0xFFFFFFFFu); },
       kSkinBadContent},
      {"INFO renamed away", [&](Bytes& c) { c[info] = 'X'; }, kSkinBadContent},
      {"PARM renamed to INFO", [&](Bytes& c) { c[params] = 'I', c[params + 1] = 'N',
                                                c[params + 2] = 'F', c[params + 3] = 'O'; },
       kSkinBadContent},
      {"colour count", [&](Bytes& c) { c[params + 8] += 1; }, kSkinBadContent},
      {"metric count", [&](Bytes& c) { c[params + 10] -= 1; }, kSkinBadContent},
      {"bitmap id out of range", [&](Bytes& c) { c[firstBitmap + 8] = kBitmapCount; },
       kSkinBadContent},
      {"bitmap id repeated", [&](Bytes& c) { c[firstBitmap + 8] = 1; }, kSkinBadContent},
      {"pixel format unknown", [&](Bytes& c) { c[firstBitmap + 9] = 7; }, kSkinBadContent},
      {"width zero", [&](Bytes& c) { c[firstBitmap + 10] = 0, c[firstBitmap + 11] = 0; },
       kSkinBadContent},
      {"bytes after the last chunk", [](Bytes& c) { c.push_back(0); }, kSkinBadContent},
  };
  for (const FileCase& c : cases) {
    Bytes damaged = content;
    c.damage(damaged);
    EXPECT_EQ(Decode(WrapContent(damaged)), c.expected) << c.name;
  }
}

TEST(SkinDecoder, SkipsUnknownChunks) {
  Bytes content = SerializeContent(test::SmallTheme());
  content[6] += 1;
  const Bytes extra = {'N', 'O', 'T', 'E', 3, 0, 0, 0, 'a', 'b', 'c'};
  content.insert(content.end(), extra.begin(), extra.end());
  EXPECT_EQ(Decode(WrapContent(content)), kSkinOk);
}

}  // namespace
}  // namespace qv::skin

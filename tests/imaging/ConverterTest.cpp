#include <gtest/gtest.h>
#include <png.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "imaging/BmpFileImage.h"
#include "imaging/JpegConverter.h"
#include "imaging/PictureDecoder.h"
#include "TestPictures.h"

namespace qv::imaging {
namespace {

using namespace test;

// A photo-like picture: gradients, waves and deterministic noise.
std::vector<std::uint8_t> PhotoRgb(int width, int height) {
  std::vector<std::uint8_t> p = SmoothRgb(width, height, 7);
  std::uint32_t state = 12345;
  for (std::uint8_t& v : p) {
    state = state * 1103515245u + 12345u;
    v = std::uint8_t(std::clamp(int(v) + int((state >> 16) % 41) - 20, 0, 255));
  }
  return p;
}

std::vector<std::uint32_t> AsColours(const std::vector<std::uint8_t>& rgb) {
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i < rgb.size(); i += 3)
    out.push_back(std::uint32_t(rgb[i]) << 16 | std::uint32_t(rgb[i + 1]) << 8 | rgb[i + 2]);
  return out;
}

class Converter : public ::testing::Test {
 protected:
  std::string WriteSnapshot(const std::string& name, int width, int height) {
    picture_ = PhotoRgb(width, height);
    std::string path = folder_.File(name);
    EXPECT_TRUE(WriteFile(path, BuildBmpFileImage(width, height, picture_.data(), width * 3)));
    return path;
  }
  int Save(const std::string& source, const std::string& target) {
    return ConvertFileToJpeg(source, target, false, 30, true, 0);
  }
  // Only the given names are in the folder: no temporaries left behind.
  void ExpectOnlyFiles(std::vector<std::string> names) {
    std::vector<std::string> found = folder_.Names();
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(found, names);
  }
  TempFolder folder_;
  std::vector<std::uint8_t> picture_;
};

TEST_F(Converter, ArgumentsAreCheckedBeforeAnyFileIsTouched) {
  std::string source = WriteSnapshot("1.bmp", 8, 8);
  std::string target = folder_.File("1.jpg");
  struct {
    const char* name;
    std::string source, target;
    int quality, smoothing;
  } cases[] = {
      {"no source path", "", target, 30, 0},
      {"no target path", source, "", 30, 0},
      {"quality 0", source, target, 0, 0},
      {"quality 101", source, target, 101, 0},
      {"smoothing -1", source, target, 30, -1},
      {"smoothing 101", source, target, 30, 101},
      {"missing source too", folder_.File("none.bmp"), target, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertFileToJpeg(c.source, c.target, false, c.quality, true, c.smoothing),
              ConvertBadArguments)
        << c.name;
    EXPECT_FALSE(FileExists(target)) << c.name;
  }
  for (int quality : {1, 100})
    for (int smoothing : {0, 100})
      EXPECT_EQ(ConvertFileToJpeg(source, target, false, quality, true, smoothing), ConvertOk);
}

TEST_F(Converter, ReportsEachFailureWithItsCode) {
  std::string good = WriteSnapshot("good.bmp", 9, 7);
  ByteBuffer bmp = ReadFile(good);
  ASSERT_TRUE(WriteFile(folder_.File("empty.bmp"), {}));
  ASSERT_TRUE(WriteFile(folder_.File("cut.bmp"), ByteBuffer(bmp.begin(), bmp.end() - 5)));
  ASSERT_TRUE(WriteFile(folder_.File("headers.bmp"), ByteBuffer(bmp.begin(), bmp.begin() + 54)));
  ASSERT_TRUE(WriteFile(folder_.File("noise.bin"), ByteBuffer(3000, 0x5A)));
  std::vector<std::uint32_t> values(9 * 7, 1);
  for (int bits : {1, 4, 8, 16, 32}) {
    BmpOptions o{bits, false, 0, 40,
                 bits <= 8 ? std::vector<std::uint32_t>(1u << bits, 0x336699)
                           : std::vector<std::uint32_t>{}};
    ASSERT_TRUE(
        WriteFile(folder_.File(std::to_string(bits) + "bit.bmp"), MakeBmp(9, 7, values, o)));
  }
  ASSERT_TRUE(
      WriteFile(folder_.File("rle.bmp"),
                MakeBmp(9, 7, values, {8, false, 1, 40, std::vector<std::uint32_t>(256, 1)})));
  ByteBuffer jpeg = EncodeJpeg(40, 40, PhotoRgb(40, 40));
  ASSERT_TRUE(WriteFile(folder_.File("cut.jpg"), ByteBuffer(jpeg.begin(), jpeg.end() - 200)));
  ByteBuffer png = MakePng(8, 8, PNG_COLOR_TYPE_RGB, 8, PhotoRgb(8, 8));
  ASSERT_TRUE(WriteFile(folder_.File("cut.png"), ByteBuffer(png.begin(), png.end() - 30)));
  ASSERT_EQ(::mkdir(folder_.File("folder").c_str(), 0755), 0);
  ASSERT_TRUE(WriteFile(folder_.File("plain"), {'x'}));

  struct {
    const char* source;
    std::string target;
    int code;
  } cases[] = {
      {"missing.bmp", folder_.File("out.jpg"), ConvertNoSource},
      {"folder", folder_.File("out.jpg"), ConvertNoSource},
      {"empty.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"cut.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"headers.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"noise.bin", folder_.File("out.jpg"), ConvertUnreadable},
      {"1bit.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"4bit.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"8bit.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"16bit.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"32bit.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"rle.bmp", folder_.File("out.jpg"), ConvertUnreadable},
      {"cut.jpg", folder_.File("out.jpg"), ConvertUnreadable},
      {"cut.png", folder_.File("out.jpg"), ConvertUnreadable},
      {"good.bmp", folder_.File("no-such-folder/out.jpg"), ConvertWriteFailed},
      {"good.bmp", folder_.File("plain/out.jpg"), ConvertWriteFailed},  // a file as folder
      {"good.bmp", folder_.File("folder"), ConvertWriteFailed},         // target is a folder
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Save(folder_.File(c.source), c.target), c.code) << c.source << " -> " << c.target;
    EXPECT_FALSE(FileExists(folder_.File("out.jpg"))) << c.source;
  }
  struct stat info {};
  ASSERT_EQ(::stat(folder_.File("folder").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  ExpectOnlyFiles({"good.bmp", "empty.bmp", "cut.bmp", "headers.bmp", "noise.bin", "1bit.bmp",
                   "4bit.bmp", "8bit.bmp", "16bit.bmp", "32bit.bmp", "rle.bmp", "cut.jpg",
                   "cut.png", "folder", "plain"});
  EXPECT_EQ(Save(good, folder_.File("out.jpg")), ConvertOk);
}

// The frame and segments of a JPEG file, as far as these tests look.
struct JpegLayout {
  std::vector<std::uint8_t> markers;
  std::vector<std::vector<std::uint8_t>> segments;  // payload after the length
  bool endsWithEoi = false;
};

JpegLayout ParseJpeg(const ByteBuffer& f) {
  JpegLayout layout;
  if (f.size() < 4 || f[0] != 0xFF || f[1] != 0xD8) return layout;
  std::size_t at = 2;
  while (at + 4 <= f.size() && f[at] == 0xFF) {
    std::uint8_t marker = f[at + 1];
    std::size_t length = std::size_t(f[at + 2]) << 8 | f[at + 3];
    if (at + 2 + length > f.size()) break;
    layout.markers.push_back(marker);
    layout.segments.emplace_back(f.begin() + at + 4, f.begin() + at + 2 + length);
    at += 2 + length;
    if (marker == 0xDA) {
      // Entropy-coded data: only stuffed zeros may follow 0xFF until EOI.
      while (at + 1 < f.size() && !(f[at] == 0xFF && f[at + 1] != 0)) ++at;
      if (at + 2 == f.size() && f[at + 1] == 0xD9) layout.endsWithEoi = true;
      break;
    }
  }
  return layout;
}

constexpr int kZigzagToNatural[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
constexpr int kAnnexKLuminance[64] = {16,  11,  10,  16,  24, 40, 51,  61,  12,  12,  14,  19,  26,
                                      58,  60,  55,  14,  13, 16, 24,  40,  57,  69,  56,  14,  17,
                                      22,  29,  51,  87,  80, 62, 18,  22,  37,  56,  68,  109, 103,
                                      77,  24,  35,  55,  64, 81, 104, 113, 92,  49,  64,  78,  87,
                                      103, 121, 120, 101, 72, 92, 95,  98,  112, 100, 103, 99};
constexpr int kAnnexKChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

TEST_F(Converter, SnapshotBecomesTheSpecifiedBaselineJfif) {
  std::string target = folder_.File("1.jpg");
  ASSERT_EQ(Save(WriteSnapshot("1.bmp", 352, 584), target), ConvertOk);
  JpegLayout j = ParseJpeg(ReadFile(target));
  ASSERT_FALSE(j.markers.empty());
  EXPECT_TRUE(j.endsWithEoi);

  ASSERT_EQ(j.markers[0], 0xE0);
  const std::vector<std::uint8_t> jfif = {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
  EXPECT_EQ(j.segments[0], jfif);

  std::vector<std::vector<int>> tables(2);
  int sofs = 0, scans = 0;
  for (std::size_t i = 0; i < j.markers.size(); ++i) {
    const auto& s = j.segments[i];
    switch (j.markers[i]) {
      case 0xDB:
        for (std::size_t at = 0; at + 65 <= s.size(); at += 65) {
          ASSERT_EQ(s[at] >> 4, 0) << "8-bit entries";
          ASSERT_LT(s[at] & 15, 2);
          tables[s[at] & 15].assign(s.begin() + at + 1, s.begin() + at + 65);
        }
        break;
      case 0xC0: {
        ++sofs;
        const std::vector<std::uint8_t> frame = {8, 0x02, 0x48, 0x01, 0x60, 3,    1, 0x22,
                                                 0, 2,    0x11, 1,    3,    0x11, 1};
        EXPECT_EQ(s, frame);  // 8 bits, 584 x 352, Y 2x2 table 0, Cb and Cr 1x1 table 1
        break;
      }
      case 0xDA: {
        ++scans;
        const std::vector<std::uint8_t> scan = {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0};
        EXPECT_EQ(s, scan);
        break;
      }
      case 0xE0:
        EXPECT_EQ(i, 0u);
        break;
      case 0xC4:
        break;
      default:
        ADD_FAILURE() << "unexpected marker " << std::hex << int(j.markers[i]);
    }
  }
  EXPECT_EQ(sofs, 1);
  EXPECT_EQ(scans, 1);
  for (int t = 0; t < 2; ++t) {
    ASSERT_EQ(tables[t].size(), 64u) << t;
    for (int k = 0; k < 64; ++k) {
      int entry = (t == 0 ? kAnnexKLuminance : kAnnexKChrominance)[kZigzagToNatural[k]];
      EXPECT_EQ(tables[t][k], std::clamp((entry * 166 + 50) / 100, 1, 255)) << t << " " << k;
    }
  }
  // The right way up and in its colours: close to the picture that was saved.
  auto decoded = DecodePictureForDisplay(ReadFile(target));
  ASSERT_TRUE(decoded);
  long long error = 0;
  for (std::size_t i = 0; i < picture_.size(); ++i)
    error += std::abs(int(decoded->image.pixels[i]) - int(picture_[i]));
  EXPECT_LT(double(error) / picture_.size(), 12.0);
}

TEST_F(Converter, MatchesTheReferenceEncoderByteForByte) {
#ifndef QV_CJPEG_PATH
  GTEST_SKIP() << "cjpeg not found at configure time";
#else
  if (::access(QV_CJPEG_PATH, X_OK) != 0) GTEST_SKIP() << "cjpeg not runnable";
  for (int width : {352, 350}) {
    std::string source = WriteSnapshot("1.bmp", width, 584);
    std::string ours = folder_.File("ours.jpg"), theirs = folder_.File("theirs.jpg");
    ASSERT_EQ(Save(source, ours), ConvertOk);
    std::string command = std::string(QV_CJPEG_PATH) +
                          " -quality 30 -optimize -baseline -outfile '" + theirs + "' '" + source +
                          "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ByteBuffer a = ReadFile(ours), b = ReadFile(theirs);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b) << "width " << width << ": " << a.size() << " vs " << b.size() << " bytes";
  }
#endif
}

TEST_F(Converter, EveryReaderGivesTheSamePictureAsTheBmp) {
  const int w = 37, h = 23;
  std::vector<std::uint8_t> rgb = PhotoRgb(w, h);
  std::vector<std::uint32_t> colours = AsColours(rgb);
  std::string reference = folder_.File("reference.jpg");
  ASSERT_TRUE(
      WriteFile(folder_.File("bottom-up.bmp"), MakeBmp(w, h, colours, {24, false, 0, 40, {}})));
  ASSERT_EQ(Save(folder_.File("bottom-up.bmp"), reference), ConvertOk);

  // An 8-bit palette of the picture's first 256 colours, used by the PCX case.
  std::vector<std::uint32_t> palette(colours.begin(), colours.begin() + 256), indices, paletted;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    indices.push_back(std::uint32_t(i % 256));
    paletted.push_back(palette[i % 256]);
  }
  std::string palettedReference = folder_.File("paletted-reference.jpg");
  ASSERT_TRUE(
      WriteFile(folder_.File("paletted.bmp"), MakeBmp(w, h, paletted, {24, false, 0, 40, {}})));
  ASSERT_EQ(Save(folder_.File("paletted.bmp"), palettedReference), ConvertOk);

  std::vector<std::uint8_t> rgba;
  for (std::size_t i = 0; i < rgb.size(); i += 3)
    rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 255});
  struct {
    const char* name;
    ByteBuffer bytes;
    const std::string& expected;
  } cases[] = {
      {"top-down.bmp", MakeBmp(w, h, colours, {24, true, 0, 40, {}}), reference},
      {"core.bmp", MakeBmp(w, h, colours, {24, false, 0, 12, {}}), reference},
      {"v5.bmp", MakeBmp(w, h, colours, {24, false, 0, 124, {}}), reference},
      {"gap.bmp", MakeBmp(w, h, colours, {24, false, 0, 40, {}, 0, 6}), reference},
      {"rgb.png", MakePng(w, h, PNG_COLOR_TYPE_RGB, 8, rgb), reference},
      {"opaque-rgba.png", MakePng(w, h, PNG_COLOR_TYPE_RGBA, 8, rgba), reference},
      {"interlaced.png", MakePng(w, h, PNG_COLOR_TYPE_RGB, 8, rgb, true), reference},
      {"24bit.pcx", MakePcx(w, h, 8, 3, colours), reference},
      {"8bit.pcx", MakePcx(w, h, 8, 1, indices, palette), palettedReference},
  };
  ByteBuffer bmA = MakeBmp(w, h, colours, {24, false, 0, 40, {}});
  bmA[1] = 'A';
  ASSERT_TRUE(WriteFile(folder_.File("ba.bmp"), bmA));
  ASSERT_TRUE(WriteTiff(folder_.File("lzw.tif"), w, h, 3, rgb));
  for (const char* file : {"ba.bmp", "lzw.tif"}) {
    std::string out = folder_.File(std::string(file) + ".jpg");
    ASSERT_EQ(Save(folder_.File(file), out), ConvertOk) << file;
    EXPECT_TRUE(ReadFile(out) == ReadFile(reference)) << file;
  }
  for (const auto& c : cases) {
    std::string source = folder_.File(c.name), out = source + ".jpg";
    ASSERT_TRUE(WriteFile(source, c.bytes));
    ASSERT_EQ(Save(source, out), ConvertOk) << c.name;
    EXPECT_TRUE(ReadFile(out) == ReadFile(c.expected)) << c.name;
  }
}

TEST_F(Converter, ConvertsBetweenGreyAndColour) {
  const int w = 24, h = 16;
  std::string colourBmp = WriteSnapshot("colour.bmp", w, h);
  std::vector<std::uint8_t> grey(w * h);
  for (int i = 0; i < w * h; ++i) grey[i] = std::uint8_t(i);
  ASSERT_TRUE(WriteFile(folder_.File("grey.jpg"), EncodeJpeg(w, h, grey, {100, false, 1})));
  std::vector<std::uint8_t> cmyk;
  for (int i = 0; i < w * h; ++i) cmyk.insert(cmyk.end(), {255, 0, 0, 255});  // inverted: red
  ASSERT_TRUE(WriteFile(folder_.File("cmyk.jpg"), EncodeJpeg(w, h, cmyk, {100, false, 4})));

  // Colour to grey: one component, values near the luma of the picture.
  std::string out = folder_.File("out.jpg");
  ASSERT_EQ(ConvertFileToJpeg(colourBmp, out, true, 95, false, 0), ConvertOk);
  ReferenceDecode g = DecodeJpegReference(ReadFile(out));
  ASSERT_EQ(g.components, 1);
  for (int i = 0; i < w * h; i += 7) {
    const std::uint8_t* p = &picture_[i * 3];
    EXPECT_NEAR(g.pixels[i], 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2], 6) << i;
  }
  // Grey to colour: three components, equal channels.
  ASSERT_EQ(ConvertFileToJpeg(folder_.File("grey.jpg"), out, false, 95, true, 0), ConvertOk);
  ReferenceDecode c = DecodeJpegReference(ReadFile(out));
  ASSERT_EQ(c.components, 3);
  for (int i = 0; i < w * h; i += 5) {
    EXPECT_NEAR(c.pixels[i * 3], c.pixels[i * 3 + 1], 3);
    EXPECT_NEAR(c.pixels[i * 3], grey[i], 3);
  }
  // CMYK becomes true colours.
  ASSERT_EQ(ConvertFileToJpeg(folder_.File("cmyk.jpg"), out, false, 95, true, 0), ConvertOk);
  ReferenceDecode r = DecodeJpegReference(ReadFile(out));
  ASSERT_EQ(r.components, 3);
  EXPECT_GT(r.pixels[0], 235);
  EXPECT_LT(r.pixels[1], 20);
  EXPECT_LT(r.pixels[2], 20);
}

TEST_F(Converter, ReplacesAnEarlierTargetOnlyWhenComplete) {
  std::string source = WriteSnapshot("1.bmp", 352, 584);
  std::string target = folder_.File("1.jpg");
  const ByteBuffer earlier(5000, 'E');
  ASSERT_TRUE(WriteFile(target, earlier));
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);

  // A full disk: the child may write no more than 2000 bytes to any file.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{2000, 2000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(Save(source, target) + 10);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status) - 10, ConvertWriteFailed);
  EXPECT_TRUE(ReadFile(target) == earlier);
  ExpectOnlyFiles({"1.bmp", "1.jpg"});

  // A source that cannot be read leaves it as well.
  ASSERT_TRUE(WriteFile(folder_.File("bad.bmp"), {'B', 'M', 1, 2, 3}));
  EXPECT_EQ(Save(folder_.File("bad.bmp"), target), ConvertUnreadable);
  EXPECT_TRUE(ReadFile(target) == earlier);

  // Success replaces it and keeps its permissions.
  EXPECT_EQ(Save(source, target), ConvertOk);
  ByteBuffer written = ReadFile(target);
  ASSERT_GT(written.size(), 2u);
  EXPECT_EQ(written[0], 0xFF);
  EXPECT_EQ(written[1], 0xD8);
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  ExpectOnlyFiles({"1.bmp", "1.jpg", "bad.bmp"});
}

TEST_F(Converter, WritesThroughASymbolicLinkTarget) {
  std::string source = WriteSnapshot("1.bmp", 16, 16);
  ASSERT_EQ(::mkdir(folder_.File("real").c_str(), 0755), 0);
  std::string real = folder_.File("real/picture.jpg"), link = folder_.File("1.jpg");
  ASSERT_TRUE(WriteFile(real, {'o', 'l', 'd'}));
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
  ASSERT_EQ(Save(source, link), ConvertOk);
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  ByteBuffer written = ReadFile(real);
  ASSERT_GT(written.size(), 3u);
  EXPECT_EQ(written[0], 0xFF);
}

TEST_F(Converter, ReencodesAJpegSourceAtTheRequestedQuality) {
  std::string source = folder_.File("photo.bmp");
  ASSERT_TRUE(WriteFile(source, EncodeJpeg(120, 90, PhotoRgb(120, 90), {95, true, 3})));
  std::string out = folder_.File("out.jpg");
  ASSERT_EQ(Save(source, out), ConvertOk);  // the name's extension does not matter
  JpegLayout j = ParseJpeg(ReadFile(out));
  auto sof = std::find(j.markers.begin(), j.markers.end(), 0xC0);
  ASSERT_NE(sof, j.markers.end());
  const auto& frame = j.segments[sof - j.markers.begin()];
  EXPECT_EQ((frame[1] << 8 | frame[2]), 90);
  EXPECT_EQ((frame[3] << 8 | frame[4]), 120);
  EXPECT_LT(ReadFile(out).size(), ReadFile(source).size());
}

}  // namespace
}  // namespace qv::imaging

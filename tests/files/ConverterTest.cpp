// The converter in the program's path form: argument checks, drive mapping.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDrives.h"
#include "imaging/BmpFileImage.h"
#include "runtime/Files.h"
#include "runtime/Snapshot.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::TempDrives;

class ConverterTest : public ::testing::Test {
 protected:
  void WriteSourceBmp() {
    std::vector<std::uint8_t> rgb(8 * 6 * 3, 0x80);
    const ByteBuffer bmp = imaging::BuildBmpFileImage(8, 6, rgb.data(), 8 * 3);
    ASSERT_TRUE(WriteWholeFile("d:\\1.bmp", bmp));
  }
  TempDrives drives;
};

TEST_F(ConverterTest, BadArgumentsAreRefusedBeforeAnyDriveIsTouched) {
  struct Case {
    const char* source;
    const char* target;
    int quality;
    int smoothing;
  };
  const Case cases[] = {
      {"", "c:\\1.jpg", 30, 0},           {"d:\\1.bmp", "", 30, 0},
      {"d:\\1.bmp", "c:\\1.jpg", 0, 0},   {"d:\\1.bmp", "c:\\1.jpg", 101, 0},
      {"d:\\1.bmp", "c:\\1.jpg", 30, -1}, {"d:\\1.bmp", "c:\\1.jpg", 30, 101},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConvertToJpeg(c.source, c.target, false, c.quality, true, c.smoothing), -7)
        << c.source << " " << c.target << " " << c.quality << " " << c.smoothing;
  }
  EXPECT_TRUE(fs::is_empty(drives.Root()));
}

TEST_F(ConverterTest, MissingSourceOrDriveGivesTheConvertersCodes) {
  EXPECT_EQ(ConvertToJpeg("e:\\1.bmp", "f:\\1.jpg", false, 30, true, 0), -1);
  // The missing source is reported first, even when the target drive is missing too.
  drives.BlockDrive('C');
  EXPECT_EQ(ConvertToJpeg("d:\\1.bmp", "c:\\1.jpg", false, 30, true, 0), -1);
  WriteSourceBmp();
  EXPECT_EQ(ConvertToJpeg("d:\\1.bmp", "c:\\1.jpg", false, 30, true, 0), -4);
  drives.BlockDrive('G');
  EXPECT_EQ(ConvertToJpeg("g:\\1.bmp", "d:\\1.jpg", false, 30, true, 0), -1);
  EXPECT_FALSE(fs::exists(drives.Host('D', "1.jpg")));
}

TEST_F(ConverterTest, ReadOnlyOrFolderTargetIsNotReplaced) {
  WriteSourceBmp();
  TempDrives::WriteHostFile(drives.Host('C', "1.jpg"), "earlier jpeg");
  ASSERT_TRUE(SetFileAttributeFlags("c:\\1.jpg", kAttrReadOnly));
  EXPECT_EQ(ConvertToJpeg("d:\\1.bmp", "c:\\1.jpg", false, 30, true, 0), -4);
  EXPECT_EQ(TempDrives::ReadHostFile(drives.Host('C', "1.jpg")), "earlier jpeg");
  fs::create_directories(drives.Host('C', "folder.jpg"));
  EXPECT_EQ(ConvertToJpeg("d:\\1.bmp", "c:\\folder.jpg", false, 30, true, 0), -4);
  EXPECT_EQ(ConvertToJpeg("d:\\none.bmp", "c:\\1.jpg", false, 30, true, 0), -1);
}

TEST_F(ConverterTest, ConvertsBetweenDrives) {
  WriteSourceBmp();
  ASSERT_EQ(ConvertToJpeg("d:\\1.bmp", "c:\\1.jpg", false, 30, true, 0), 1);
  const std::string jpeg = TempDrives::ReadHostFile(drives.Host('C', "1.jpg"));
  ASSERT_GE(jpeg.size(), 4u);
  EXPECT_EQ(std::uint8_t(jpeg[0]), 0xFF);
  EXPECT_EQ(std::uint8_t(jpeg[1]), 0xD8);
  // An empty source is refused and makes no target.
  ASSERT_TRUE(WriteWholeFile("d:\\empty.bmp", ByteView{}));
  EXPECT_EQ(ConvertToJpeg("d:\\empty.bmp", "c:\\2.jpg", false, 30, true, 0), -3);
  EXPECT_FALSE(fs::exists(drives.Host('C', "2.jpg")));
}

}  // namespace
}  // namespace qv

#include <gtest/gtest.h>

#include "imaging/PictureDecoder.h"
#include "imaging/PicturePlacement.h"

namespace qv::imaging {
namespace {

struct RecognitionCase {
  const char* name;
  ByteBuffer bytes;
  PictureKind kind;
};

TEST(PictureRecognition, FollowsTheSignatureTableInOrder) {
  const std::vector<RecognitionCase> cases = {
      {"bmp", {'B', 'M', 0, 0, 0, 0}, PictureKind::Bmp},
      {"jpeg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureKind::Jpeg},
      {"icon", {0, 0, 1, 0, 1, 0}, PictureKind::Icon},
      {"cursor", {0, 0, 2, 0, 3, 0}, PictureKind::Cursor},
      {"icon with no entries", {0, 0, 1, 0, 0, 0}, PictureKind::None},
      {"icon type 3", {0, 0, 3, 0, 1, 0}, PictureKind::None},
      {"gif87a", {'G', 'I', 'F', '8', '7', 'a'}, PictureKind::Gif},
      {"gif89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureKind::Gif},
      {"gif88a", {'G', 'I', 'F', '8', '8', 'a'}, PictureKind::None},
      {"pcx 8 bit version 5", {0x0A, 5, 1, 8, 0, 0}, PictureKind::Pcx8},
      {"pcx 8 bit version 0", {0x0A, 0, 1, 8, 0, 0}, PictureKind::Pcx8},
      {"pcx 8 bit version 6", {0x0A, 6, 1, 8, 0, 0}, PictureKind::None},
      {"pcx 1 bit", {0x0A, 3, 1, 1, 0, 0}, PictureKind::Pcx1},
      {"pcx 1 bit version 5", {0x0A, 5, 1, 1, 0, 0}, PictureKind::None},
      {"pcx uncompressed", {0x0A, 5, 0, 8, 0, 0}, PictureKind::None},
      {"png", {0x89, 'P', 'N', 'G', '\r', '\n'}, PictureKind::None},
      {"bm in five bytes", {'B', 'M', 0, 0, 0}, PictureKind::None},
      {"jpeg in two bytes", {0xFF, 0xD8}, PictureKind::None},
      {"empty", {}, PictureKind::None},
      {"lower-case bm", {'b', 'm', 0, 0, 0, 0}, PictureKind::None},
  };
  for (const auto& c : cases) EXPECT_EQ(RecognisePicture(c.bytes), c.kind) << c.name;
}

TEST(PictureRecognition, UndecodableBytesGiveNoPicture) {
  for (ByteBuffer bytes : {ByteBuffer{}, ByteBuffer{'B', 'M', 1, 2, 3},
                           ByteBuffer{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'},
                           ByteBuffer{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}})
    EXPECT_FALSE(DecodePictureForDisplay(bytes).has_value()) << bytes.size();
}

struct PlacementCase {
  int mode, cw, ch, w, h;
  Placement expected;
};

TEST(PicturePlacement, GivesEachModesIntegerGeometry) {
  const std::vector<PlacementCase> cases = {
      {0, 100, 100, 200, 400, {0, 0, 200, 400}},  {0, 348, 580, 10, 20, {0, 0, 10, 20}},
      {1, 348, 580, 580, 978, {0, 0, 348, 580}},  {1, 100, 100, 10, 10, {0, 0, 100, 100}},
      {2, 100, 100, 200, 400, {25, 0, 50, 100}},   // shrunk by 0.25
      {2, 100, 100, 40, 20, {30, 40, 40, 20}},     // smaller: own size, centred
      {2, 101, 100, 40, 21, {30, 39, 40, 21}},     // odd remainders round down
      {2, 100, 100, 100, 100, {0, 0, 100, 100}},   // exactly fits
      {2, 300, 100, 200, 400, {125, 0, 50, 100}},  // wide client, tall picture
      {2, 100, 300, 400, 200, {0, 125, 100, 50}},  // tall client, wide picture
      {2, 50, 100, 60, 10, {0, 46, 50, 8}},        // too wide only: scale 50/60
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlacePicture(c.mode, c.cw, c.ch, c.w, c.h), c.expected)
        << "mode " << c.mode << " " << c.cw << "x" << c.ch << " picture " << c.w << "x" << c.h;
}

}  // namespace
}  // namespace qv::imaging

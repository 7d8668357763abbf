// What ApplySkin hands the engine, checked through the recording engine.
#include <malloc.h>

#include <climits>
#include <cstring>

#include "SkinTestSupport.h"
#include "runtime/ByteBuffer.h"
#include "skin/ApplySkin.h"
#include "skin/SkinTable.h"

namespace qv::skintest {
namespace {

std::uint64_t Fnv1a(ByteView bytes) {
  std::uint64_t hash = 1469598103934665603ull;
  for (std::uint8_t byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

void ExpectNoDataCall(const RecordedAttach& call) {
  EXPECT_EQ(call.calls, 1);
  EXPECT_EQ(call.data, nullptr);
  EXPECT_EQ(call.length, 0);
  ASSERT_NE(call.text, nullptr) << "the skin text is the empty text, not null";
  EXPECT_STREQ(call.textCopy, "");
  EXPECT_EQ(call.hue, 0);
  EXPECT_EQ(call.saturation, 0);
  EXPECT_EQ(call.value, 0);
}

class ApplySkinTest : public RunDirectoryTest {
 protected:
  void SetUp() override {
    RunDirectoryTest::SetUp();
    InstallRecordingEngine();
  }
  // Forgets earlier calls once the engine has been loaded.
  void ClearRecord() {
    if (IsLoaded(EnginePath())) ResetRecording(EnginePath(), 0);
  }
};

TEST_F(ApplySkinTest, Skin25IsAPrivateStoredCopyWithEmptyTextAndNoAdjustment) {
  ApplySkin(25);
  const RecordedAttach call = RecordOf(EnginePath());
  EXPECT_EQ(call.calls, 1);
  EXPECT_EQ(call.length, 34523);
  EXPECT_EQ(std::memcmp(call.head, ".SHE\x00\x03", 6), 0);
  const unsigned char header[8] = {1, 0, 0, 0, 0xDB, 0x86, 0, 0};  // 1, 34,523
  EXPECT_EQ(std::memcmp(call.header, header, 8), 0) << "the copy keeps the stored header";
  EXPECT_NE(call.data, SkinTable[24] + kStoredHeaderSize) << "the engine gets a copy";
  ASSERT_NE(call.text, nullptr);
  EXPECT_STREQ(call.textCopy, "");
  EXPECT_EQ(call.hue, 0);
  EXPECT_EQ(call.saturation, 0);
  EXPECT_EQ(call.value, 0);
}

TEST_F(ApplySkinTest, EveryNumberSelectsItsOwnSkin) {
  for (int n = 1; n <= kSkinCount; ++n) {
    SCOPED_TRACE("skin " + std::to_string(n));
    ClearRecord();
    ApplySkin(n);
    const RecordedAttach call = RecordOf(EnginePath());
    const ByteView skin = StoredBytes(SkinTable[n - 1]);
    EXPECT_EQ(call.calls, 1);
    EXPECT_EQ(call.length, static_cast<int>(skin.size()));
    EXPECT_EQ(call.hash, Fnv1a(skin));
    EXPECT_EQ(std::memcmp(call.header, SkinTable[n - 1], 8), 0);
    EXPECT_STREQ(call.textCopy, "");
  }
}

TEST_F(ApplySkinTest, FirstAndLastSkinHaveTheirTableLengths) {
  ApplySkin(1);
  EXPECT_EQ(RecordOf(EnginePath()).length, 15574);
  ApplySkin(33);
  EXPECT_EQ(RecordOf(EnginePath()).length, 20275);
  EXPECT_EQ(RecordOf(EnginePath()).calls, 2) << "the binding is reused";
}

TEST_F(ApplySkinTest, NumbersOutsideTheTableHandNoSkin) {
  for (int n : {0, 34, -1, INT_MIN, INT_MAX}) {
    SCOPED_TRACE("number " + std::to_string(n));
    ClearRecord();
    ApplySkin(n);
    ExpectNoDataCall(RecordOf(EnginePath()));
  }
}

// The copy is live during the call and gone afterwards, whatever the engine
// answers.
TEST_F(ApplySkinTest, ReleasesTheCopyAfterTheCall) {
  for (int engineResult : {0, 7}) {
    SCOPED_TRACE("engine result " + std::to_string(engineResult));
    ApplySkin(25);  // binds the engine and settles one-time allocations
    ResetRecording(EnginePath(), engineResult);
    const std::size_t before = mallinfo2().uordblks;
    ApplySkin(25);
    const std::size_t after = mallinfo2().uordblks;
    const RecordedAttach call = RecordOf(EnginePath());
    EXPECT_EQ(call.calls, 1);
    EXPECT_GE(call.heapInUse, before + 34523 + 8);
    EXPECT_EQ(after, before);
  }
}

TEST_F(ApplySkinTest, OutOfRangeNumberAllocatesNothing) {
  ApplySkin(0);
  ResetRecording(EnginePath(), 0);
  const std::size_t before = mallinfo2().uordblks;
  ApplySkin(-1);
  EXPECT_EQ(mallinfo2().uordblks, before);
  EXPECT_EQ(RecordOf(EnginePath()).heapInUse, before);
}

}  // namespace
}  // namespace qv::skintest

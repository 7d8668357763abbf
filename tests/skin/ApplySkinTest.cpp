// What ApplySkin hands the engine, checked through the recording engine.
#include <malloc.h>

#include <climits>
#include <cstdlib>
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

constexpr std::size_t kSkin25CopySize = 34523 + 8;

// Blocks the main arena counts as used. With glibc's thread cache off (as
// ctest runs these tests) the count is exact; otherwise freed blocks parked
// in the cache still count, and only a leak of a skin's size is told apart.
std::size_t HeapInUse() { return mallinfo2().uordblks; }

bool HeapCountIsExact() {
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  return tunables != nullptr && std::strstr(tunables, "glibc.malloc.tcache_count=0") != nullptr;
}

void ExpectNothingLeft(std::size_t before, std::size_t after) {
  if (HeapCountIsExact()) {
    EXPECT_EQ(after, before);
  } else {
    EXPECT_LT(after, before + kSkin25CopySize);
  }
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
  if (HeapInUse() == 0) GTEST_SKIP() << "no heap statistics (replaced allocator)";
  for (int engineResult : {0, 7}) {
    SCOPED_TRACE("engine result " + std::to_string(engineResult));
    ApplySkin(25);  // binds the engine and settles one-time allocations
    ResetRecording(EnginePath(), engineResult);
    const std::size_t before = HeapInUse();
    ApplySkin(25);
    const std::size_t after = HeapInUse();
    const RecordedAttach call = RecordOf(EnginePath());
    EXPECT_EQ(call.calls, 1);
    EXPECT_GE(call.heapInUse, before + kSkin25CopySize);
    ExpectNothingLeft(before, after);
  }
}

TEST_F(ApplySkinTest, OutOfRangeNumberAllocatesNothing) {
  if (HeapInUse() == 0) GTEST_SKIP() << "no heap statistics (replaced allocator)";
  ApplySkin(0);
  ResetRecording(EnginePath(), 0);
  const std::size_t before = HeapInUse();
  ApplySkin(-1);
  ExpectNothingLeft(before, HeapInUse());
  const std::size_t during = RecordOf(EnginePath()).heapInUse;
  if (HeapCountIsExact()) {
    EXPECT_EQ(during, before);
  } else {
    EXPECT_LT(during, before + kSkin25CopySize);
  }
}

// The preload hands the engine the stored skin itself, and nothing else.
TEST_F(ApplySkinTest, PreloadHandsTheEngineTheStoredSkin) {
  PreloadSkin(25);
  const RecordedPreload preload = PreloadRecordOf(EnginePath());
  const ByteView skin = StoredBytes(SkinTable[24]);
  EXPECT_EQ(preload.calls, 1);
  EXPECT_EQ(preload.length, 34523);
  EXPECT_EQ(preload.hash, Fnv1a(skin));
  EXPECT_EQ(RecordOf(EnginePath()).calls, 0) << "nothing is applied yet";
  ApplySkin(25);
  EXPECT_EQ(RecordOf(EnginePath()).calls, 1);
  EXPECT_EQ(PreloadRecordOf(EnginePath()).calls, 1);
}

TEST_F(ApplySkinTest, PreloadOfANumberOutsideTheTableDoesNothing) {
  fs::remove(EnginePath());
  for (int n : {0, 34, -1}) PreloadSkin(n);
  EXPECT_FALSE(fs::exists(EnginePath())) << "not even the engine is installed";
}

}  // namespace
}  // namespace qv::skintest

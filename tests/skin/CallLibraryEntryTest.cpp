// Binding and calling library entries: argument passing, the binding record,
// and the search order (run directory first, then the system's search, which
// for this test program reaches the recording engine through its RUNPATH).
#include <fstream>

#include "SkinTestSupport.h"
#include "runtime/Library.h"
#include "skin/ApplySkin.h"

namespace qv::skintest {
namespace {

class CallLibraryEntryTest : public RunDirectoryTest {};

TEST_F(CallLibraryEntryTest, PassesUpToEightWordArguments) {
  InstallRecordingEngine();
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity0", {}), 7);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity1", {-5}), -5);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity2", {1, 10}), 21);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity3", {1, 10, 100}), 321);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity4", {1, 10, 100, 1000}), 4321);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity5", {1, 10, 100, 1000, 10000}), 54321);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity6", {1, 10, 100, 1000, 10000, 100000}),
            654321);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity7", {1, 10, 100, 1000, 10000, 100000, 1000000}),
            7654321);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity8",
                             {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000}),
            87654321);
}

// An entry the program can do without: a missing library, a missing entry or
// too many arguments give nothing, and nothing is raised or kept.
TEST_F(CallLibraryEntryTest, TryCallGivesNothingWhereCallWouldFail) {
  InstallRecordingEngine();
  EXPECT_EQ(TryCallLibraryEntry("SkinH_EL.dll", "Arity2", {1, 10}), 21);
  EXPECT_EQ(TryCallLibraryEntry("SkinH_EL.dll", "NoSuchEntry", {}), std::nullopt);
  EXPECT_EQ(TryCallLibraryEntry("NoSuchLibrary.dll", "Arity0", {}), std::nullopt);
  EXPECT_EQ(TryCallLibraryEntry("SkinH_EL.dll", "Arity1", {1, 2, 3, 4, 5, 6, 7, 8, 9}),
            std::nullopt);
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity1", {4}), 4) << "the library still binds";
}

// A library of the engine's name that cannot preload is passed over in
// silence (the later ApplySkin reports what it must) and left as it is.
TEST_F(CallLibraryEntryTest, PreloadPassesOverALibraryWithoutTheEntry) {
  fs::copy_file(QV_ENTRYLESS_LIBRARY, EnginePath());
  const auto size = fs::file_size(EnginePath());
  PreloadSkin(25);
  EXPECT_FALSE(IsLoaded(EnginePath())) << "nothing is kept loaded";
  EXPECT_EQ(fs::file_size(EnginePath()), size);
}

// Once bound, an entry stays bound even when the file disappears.
TEST_F(CallLibraryEntryTest, BindsOnceForTheProcess) {
  InstallRecordingEngine();
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity1", {3}), 3);
  fs::remove(EnginePath());
  EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity1", {4}), 4);
  EXPECT_FALSE(IsLoaded(QV_RECORDING_ENGINE)) << "no second load through the search";
}

TEST_F(CallLibraryEntryTest, RunDirectoryCopyComesBeforeTheSystemSearch) {
  InstallRecordingEngine();
  ApplySkin(25);
  EXPECT_TRUE(IsLoaded(EnginePath()));
  EXPECT_FALSE(IsLoaded(QV_RECORDING_ENGINE));
}

TEST_F(CallLibraryEntryTest, ReleaseUnloadsBoundLibraries) {
  InstallRecordingEngine();
  CallLibraryEntry("SkinH_EL.dll", "Arity0", {});
  CallLibraryEntry("SkinH_EL.dll", "Arity1", {1});
  ASSERT_TRUE(IsLoaded(EnginePath()));
  detail::ReleaseBoundLibraries();
  EXPECT_FALSE(IsLoaded(EnginePath()));
}

// When the run directory's entry cannot be loaded, the system's search finds
// the engine installed elsewhere (as in an install whose bin folder cannot be
// written).
TEST_F(CallLibraryEntryTest, FallsBackToTheSystemSearch) {
  struct Case {
    const char* name;
    void (*make)(const std::string& runDirectory);
  };
  const Case cases[] = {
      {"nothing there", [](const std::string&) {}},
      {"a directory of that name",
       [](const std::string& dir) { fs::create_directory(dir + "/SkinH_EL.dll"); }},
      {"a garbage file",
       [](const std::string& dir) { std::ofstream(dir + "/SkinH_EL.dll") << "MZ garbage"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(EnginePath());
    c.make(runDirectory);
    const bool wasDirectory = fs::is_directory(EnginePath());
    // ApplySkin would install the real engine into an empty folder; bind directly.
    EXPECT_EQ(CallLibraryEntry("SkinH_EL.dll", "Arity1", {9}), 9);
    EXPECT_TRUE(IsLoaded(QV_RECORDING_ENGINE));
    EXPECT_EQ(fs::is_directory(EnginePath()), wasDirectory);
    qv::testing::ResetLibraryBindings();
  }
}

TEST_F(CallLibraryEntryTest, ApplySkinFallsBackWhenTheRunDirectoryIsUnusable) {
  const std::string notAFolder = runDirectory + "/program";
  std::ofstream(notAFolder) << "a file where the run directory should be";
  qv::testing::OverrideRunDirectory(notAFolder);
  ApplySkin(25);
  const RecordedAttach call = RecordOf(QV_RECORDING_ENGINE);
  EXPECT_EQ(call.calls, 1);
  EXPECT_EQ(call.length, 34523);
}

TEST_F(CallLibraryEntryTest, ApplySkinThroughADirectoryOfThatName) {
  fs::create_directory(EnginePath());
  ApplySkin(1);
  EXPECT_EQ(RecordOf(QV_RECORDING_ENGINE).length, 15574);
  EXPECT_TRUE(fs::is_empty(EnginePath()));
}

}  // namespace
}  // namespace qv::skintest

// Installing the engine library into the run directory.
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "SkinTestSupport.h"
#include "runtime/ByteBuffer.h"
#include "runtime/Files.h"
#include "skin/ApplySkin.h"
#include "skin/SkinEngineFile.h"
#include "skin/SkinTable.h"

namespace qv::skintest {
namespace {

ByteBuffer ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteBuffer(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

void ExpectSameEntry(const struct stat& a, const struct stat& b) {
  EXPECT_EQ(a.st_ino, b.st_ino);
  EXPECT_EQ(a.st_mode, b.st_mode);
  EXPECT_EQ(a.st_size, b.st_size);
  EXPECT_EQ(a.st_mtim.tv_sec, b.st_mtim.tv_sec);
  EXPECT_EQ(a.st_mtim.tv_nsec, b.st_mtim.tv_nsec);
}

// True when the run directory's file system keeps user extended attributes.
bool KeepsUserAttributes(const std::string& folder) {
  const std::string probe = folder + "/attribute-probe";
  WriteBytes(probe, "x");
  const bool kept = SetFileAttributeFlags(probe, kAttrArchive) &&
                    GetFileAttributeFlags(probe) == std::optional<int>(kAttrArchive);
  fs::remove(probe);
  return kept;
}

using EnsureSkinEngineFileTest = RunDirectoryTest;

TEST_F(EnsureSkinEngineFileTest, FirstRunWritesTheExactImageHidden) {
  EnsureSkinEngineFile();
  const ByteView image = StoredBytes(SkinEngineImage);
  ASSERT_GT(image.size(), 0u);
  const ByteBuffer written = ReadBytes(EnginePath());
  EXPECT_TRUE(written == ByteBuffer(image.begin(), image.end()))
      << "written " << written.size() << " bytes, image " << image.size();
  EXPECT_EQ(std::distance(fs::directory_iterator(runDirectory), {}), 1) << "no temporary left";
  if (!KeepsUserAttributes(runDirectory)) {
    GTEST_SKIP() << "the temporary file system keeps no user extended attributes";
  }
  EXPECT_EQ(GetFileAttributeFlags(EnginePath()), std::optional<int>(kAttrHidden));
  EXPECT_TRUE(StatOf(EnginePath()).st_mode & S_IWUSR) << "hidden alone: not read-only";
}

TEST_F(EnsureSkinEngineFileTest, SecondRunWritesNothingAndKeepsAttributes) {
  EnsureSkinEngineFile();
  const bool attributes = KeepsUserAttributes(runDirectory);
  if (attributes) {
    ASSERT_TRUE(SetFileAttributeFlags(EnginePath(), kAttrHidden | kAttrArchive));
  }
  const struct stat first = StatOf(EnginePath());
  EnsureSkinEngineFile();
  ExpectSameEntry(StatOf(EnginePath()), first);
  if (attributes) {
    EXPECT_EQ(GetFileAttributeFlags(EnginePath()), std::optional<int>(kAttrHidden | kAttrArchive));
  }
}

// Whatever bears the name counts as installed and is left exactly as it is.
TEST_F(EnsureSkinEngineFileTest, AnythingOfThatNameIsLeftAlone) {
  struct Case {
    const char* name;
    void (*make)(const std::string& path);
  };
  const Case cases[] = {
      {"empty file", [](const std::string& path) { WriteBytes(path, ""); }},
      {"garbage file", [](const std::string& path) { WriteBytes(path, "not a library"); }},
      {"read-only file",
       [](const std::string& path) {
         WriteBytes(path, "old engine");
         fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
       }},
      {"directory", [](const std::string& path) { fs::create_directory(path); }},
      {"dangling link", [](const std::string& path) { fs::create_symlink("nowhere", path); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::error_code ignored;
    fs::permissions(EnginePath(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(EnginePath());
    c.make(EnginePath());
    const struct stat before = StatOf(EnginePath());
    const ByteBuffer content = fs::is_regular_file(EnginePath()) ? ReadBytes(EnginePath())
                                                                 : ByteBuffer{};
    EnsureSkinEngineFile();
    ExpectSameEntry(StatOf(EnginePath()), before);
    if (fs::is_regular_file(EnginePath())) {
      EXPECT_EQ(ReadBytes(EnginePath()), content);
    }
    if (fs::is_directory(EnginePath())) {
      EXPECT_TRUE(fs::is_empty(EnginePath()));
    }
  }
}

TEST_F(EnsureSkinEngineFileTest, UnwritableRunDirectoryPassesSilently) {
  const std::string notAFolder = runDirectory + "/program";
  WriteBytes(notAFolder, "a file where the run directory should be");
  qv::testing::OverrideRunDirectory(notAFolder);
  EnsureSkinEngineFile();
  EXPECT_TRUE(fs::is_regular_file(notAFolder));
  EXPECT_EQ(std::distance(fs::directory_iterator(runDirectory), {}), 1);
}

// The image written on a first run is the engine itself: the runtime loads it
// from the run directory and finds its entry.
TEST_F(EnsureSkinEngineFileTest, WrittenImageIsTheLoadedEngine) {
  ApplySkin(25);
  EXPECT_TRUE(IsLoaded(EnginePath()));
}

}  // namespace
}  // namespace qv::skintest

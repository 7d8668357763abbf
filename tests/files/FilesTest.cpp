// Whole-file services in the program's path form, over a temporary drive map.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "TempDrives.h"
#include "runtime/Files.h"
#include "runtime/Testing.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::TempDrives;
using test::View;

class FilesTest : public ::testing::Test {
 protected:
  // Entries of a folder other than the given names (leftover temporaries).
  static std::vector<std::string> OtherEntries(const std::string& folder,
                                               std::initializer_list<std::string> expected) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
        others.push_back(name);
      }
    }
    return others;
  }
  TempDrives drives;
};

TEST_F(FilesTest, ResolvesDrivePathsToUpperCaseDriveFolders) {
  struct Case {
    const char* path;
    std::string expected;
  };
  const Case cases[] = {
      {"d:\\1.bmp", drives.Host('D', "1.bmp")},
      {"C:\\1.jpg", drives.Host('C', "1.jpg")},
      {"d:\\sub\\dir\\a.txt", drives.Host('D', "sub/dir/a.txt")},
      {"d:1.bmp", drives.Host('D', "1.bmp")},
      {"e:", drives.Drive('E')},
      {"/opt/q\\SkinH_EL.dll", "/opt/q/SkinH_EL.dll"},
      {"relative\\name.dll", "relative/name.dll"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolveHostPath(c.path), std::optional<std::string>(c.expected)) << c.path;
  }
  // Resolving a drive creates its folder.
  EXPECT_TRUE(fs::is_directory(drives.Drive('D')));
  EXPECT_FALSE(fs::exists(drives.Root() + "/d"));
}

TEST_F(FilesTest, DriveThatIsNotAFolderIsMissing) {
  drives.BlockDrive('D');
  EXPECT_EQ(DriveFolder('d'), std::nullopt);
  EXPECT_EQ(ResolveHostPath("d:\\1.bmp"), std::nullopt);
  EXPECT_FALSE(WriteWholeFile("d:\\1.bmp", View("x")));
  EXPECT_EQ(LastWriteFailure(), "找不到驱动器 D:");
  EXPECT_TRUE(ReadWholeFile("d:\\1.bmp").empty());
  EXPECT_FALSE(PathExists("d:\\1.bmp"));
  EXPECT_EQ(DriveFolder('7'), std::nullopt);
}

TEST_F(FilesTest, DriveThatCannotBeCreatedIsMissing) {
  // The drives' root lies under a regular file, so no folder can be made.
  TempDrives::WriteHostFile(drives.Root() + "/blocker", "");
  ::setenv("QUORVANE_DRIVES", (drives.Root() + "/blocker/drives").c_str(), 1);
  EXPECT_EQ(DriveFolder('C'), std::nullopt);
}

TEST_F(FilesTest, DrivesDefaultToThePicturesFolder) {
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  ::unsetenv("QUORVANE_DRIVES");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", drives.Root().c_str(), 1);
  const std::optional<std::string> folder = DriveFolder('d');
  ::setenv("HOME", savedHome.c_str(), 1);
  ASSERT_TRUE(folder);
  EXPECT_EQ(*folder, drives.Root() + "/Pictures/Quorvane/D");
  EXPECT_TRUE(fs::is_directory(*folder));
}

TEST_F(FilesTest, WriteThenReadRoundTripsAndReplaces) {
  const std::string first(70000, 'a');
  ASSERT_TRUE(WriteWholeFile("d:\\1.bmp", {View("head-"), ByteView{}, View(first)}));
  EXPECT_EQ(LastWriteFailure(), "");
  const ByteBuffer read = ReadWholeFile("d:\\1.bmp");
  EXPECT_EQ(std::string(read.begin(), read.end()), "head-" + first);

  ASSERT_TRUE(WriteWholeFile("d:\\1.bmp", View("short")));
  EXPECT_EQ(TempDrives::ReadHostFile(drives.Host('D', "1.bmp")), "short");
  EXPECT_TRUE(OtherEntries(drives.Drive('D'), {"1.bmp"}).empty());
}

TEST_F(FilesTest, EmptyBuffersWriteAnEmptyFile) {
  ASSERT_TRUE(WriteWholeFile("d:\\empty.bin", ByteView{}));
  EXPECT_TRUE(fs::is_regular_file(drives.Host('D', "empty.bin")));
  EXPECT_EQ(fs::file_size(drives.Host('D', "empty.bin")), 0u);
}

TEST_F(FilesTest, RefusedWritesLeaveTheTargetAsItWas) {
  struct Case {
    const char* name;
    std::function<void(const TempDrives& d, const std::string& host)> prepare;
    const char* path;
    std::string reason;
  };
  const Case cases[] = {
      {"empty path", [](const TempDrives&, const std::string&) {}, "", "没有给出文件名"},
      {"missing folder", [](const TempDrives&, const std::string&) {}, "d:\\no\\such\\1.bmp",
       "找不到文件夹或驱动器"},
      {"path through a file",
       [](const TempDrives& d, const std::string&) {
         TempDrives::WriteHostFile(d.Host('D', "plain"), "f");
       },
       "d:\\plain\\1.bmp", "找不到文件夹或驱动器"},
      {"folder of that name",
       [](const TempDrives&, const std::string& host) { fs::create_directories(host); },
       "d:\\1.bmp", "同名的文件夹已存在"},
      {"write bit off",
       [](const TempDrives&, const std::string& host) {
         TempDrives::WriteHostFile(host, "earlier");
         ::chmod(host.c_str(), 0444);
       },
       "d:\\1.bmp", "文件是只读的"},
      {"read-only attribute",
       [](const TempDrives&, const std::string& host) {
         TempDrives::WriteHostFile(host, "earlier");
         ASSERT_TRUE(SetFileAttributeFlags("d:\\1.bmp", kAttrReadOnly));
       },
       "d:\\1.bmp", "文件是只读的"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDrives local;
    const std::string host = local.Host('D', "1.bmp");
    fs::create_directories(local.Drive('D'));
    c.prepare(local, host);
    const bool existed = fs::is_regular_file(host);
    EXPECT_FALSE(WriteWholeFile(c.path, View("new content")));
    EXPECT_EQ(LastWriteFailure(), c.reason);
    if (existed) {
      EXPECT_EQ(TempDrives::ReadHostFile(host), "earlier");
    }
    EXPECT_FALSE(fs::exists(local.Host('D', "no")));
    if (fs::is_directory(local.Drive('D'))) {
      for (const std::string& name : OtherEntries(local.Drive('D'), {"1.bmp", "plain"})) {
        ADD_FAILURE() << "left behind: " << name;
      }
    }
  }
}

// A full disk, simulated by a file size limit in a child process.
TEST_F(FilesTest, FullDiskKeepsTheEarlierFileAndLeavesNoTemporary) {
  const std::string host = drives.Host('D', "1.bmp");
  TempDrives::WriteHostFile(host, "earlier save");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::string big(616758, 'x');
    const bool written = WriteWholeFile("d:\\1.bmp", View(big));
    ::_exit(!written && LastWriteFailure() == "磁盘已满" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(TempDrives::ReadHostFile(host), "earlier save");
  EXPECT_TRUE(OtherEntries(drives.Drive('D'), {"1.bmp"}).empty());
}

TEST_F(FilesTest, ReadGivesEmptyOnEveryFailure) {
  fs::create_directories(drives.Host('D', "folder"));
  TempDrives::WriteHostFile(drives.Host('D', "zero"), "");
  ::mkfifo(drives.Host('D', "pipe").c_str(), 0666);
  for (const char* path : {"", "d:\\missing", "d:\\folder", "d:\\zero", "d:\\pipe"}) {
    EXPECT_TRUE(ReadWholeFile(path).empty()) << path;
  }
}

TEST_F(FilesTest, PathExistsForFilesAndFoldersOnly) {
  TempDrives::WriteHostFile(drives.Host('C', "a.txt"), "a");
  fs::create_directories(drives.Host('C', "sub"));
  EXPECT_TRUE(PathExists("c:\\a.txt"));
  EXPECT_TRUE(PathExists("C:\\sub"));
  EXPECT_FALSE(PathExists("c:\\A.TXT"));
  EXPECT_FALSE(PathExists("c:\\b.txt"));
  EXPECT_FALSE(PathExists(""));
}

TEST_F(FilesTest, AttributesRoundTripMaskedAndDriveTheWriteBit) {
  const std::string host = drives.Host('C', "SkinH_EL.dll");
  TempDrives::WriteHostFile(host, "library");
  EXPECT_EQ(GetFileAttributeFlags("c:\\SkinH_EL.dll"), std::optional<int>(0));

  ASSERT_TRUE(SetFileAttributeFlags("c:\\SkinH_EL.dll", 0xFF));
  EXPECT_EQ(GetFileAttributeFlags("c:\\SkinH_EL.dll"), std::optional<int>(0x27));
  EXPECT_EQ(fs::status(host).permissions() & fs::perms::owner_write, fs::perms::none);

  ASSERT_TRUE(SetFileAttributeFlags("c:\\SkinH_EL.dll", kAttrHidden));
  EXPECT_EQ(GetFileAttributeFlags("c:\\SkinH_EL.dll"), std::optional<int>(kAttrHidden));
  EXPECT_NE(fs::status(host).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_TRUE(WriteWholeFile("c:\\SkinH_EL.dll", View("replaced")));

  // A file whose write bit was taken away elsewhere reads as read-only.
  ::chmod(host.c_str(), 0444);
  EXPECT_EQ(GetFileAttributeFlags("c:\\SkinH_EL.dll"), std::optional<int>(kAttrHidden | 1));

  EXPECT_FALSE(SetFileAttributeFlags("c:\\missing", kAttrHidden));
  EXPECT_EQ(GetFileAttributeFlags("c:\\missing"), std::nullopt);
}

TEST_F(FilesTest, RunDirectoryFollowsTheOverride) {
  const std::string real = GetRunDirectory();
  EXPECT_FALSE(real.empty());
  EXPECT_TRUE(fs::exists(real + "/files_tests"));
  qv::testing::OverrideRunDirectory("/somewhere/else");
  EXPECT_EQ(GetRunDirectory(), "/somewhere/else");
  qv::testing::OverrideRunDirectory("");
  EXPECT_EQ(GetRunDirectory(), real);
}

}  // namespace
}  // namespace qv

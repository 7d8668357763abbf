// Asset files are replaced whole or not at all.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FileOutput.h"
#include "ImageReaders.h"

namespace qv::artgen {
namespace {

namespace fs = std::filesystem;

class FileOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("artgen-out-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(FileOutputTest, ReplacesAnExistingFileAndLeavesNoTemporary) {
  const std::string path = (dir_ / "asset.bin").string();
  ASSERT_TRUE(WriteFileAtomically(path, {1, 2, 3, 4, 5}));
  ASSERT_TRUE(WriteFileAtomically(path, {9}));
  EXPECT_EQ(test::ReadFile(path), test::Bytes{9});
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(FileOutputTest, FailsWhenTheDirectoryIsAFile) {
  const std::string notADirectory = (dir_ / "plain").string();
  ASSERT_TRUE(WriteFileAtomically(notADirectory, {7}));
  EXPECT_FALSE(WriteFileAtomically(notADirectory + "/asset.bin", {1, 2}));
  EXPECT_EQ(test::ReadFile(notADirectory), test::Bytes{7});
}

TEST_F(FileOutputTest, FailsWithoutTouchingTheOldFileWhenTheNameIsADirectory) {
  fs::create_directory(dir_ / "taken");
  EXPECT_FALSE(WriteFileAtomically((dir_ / "taken").string(), {1}));
  EXPECT_TRUE(fs::is_directory(dir_ / "taken"));
  EXPECT_FALSE(fs::exists(dir_ / "taken.tmp"));
}

}  // namespace
}  // namespace qv::artgen

#pragma once
// Shared fixture of the skin tests: a temporary run directory that the
// runtime reports as the program's own, and access to the recording engine.
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "recording_engine.h"
#include "runtime/Testing.h"

namespace qv::skintest {

namespace fs = std::filesystem;

inline std::string MakeTemporaryFolder() {
  std::string pattern = (fs::temp_directory_path() / "qv-skin-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

// A record kept by the engine loaded from `libraryPath`, read through its
// accessor `symbol`; fails the test when the runtime has not loaded that file.
template <typename Record>
Record LastRecordOf(const std::string& libraryPath, const char* symbol) {
  void* handle = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) {
    ADD_FAILURE() << libraryPath << " is not loaded";
    return {};
  }
  auto last = reinterpret_cast<const Record* (*)()>(::dlsym(handle, symbol));
  Record record = last != nullptr ? *last() : Record{};
  ::dlclose(handle);
  return record;
}

inline RecordedAttach RecordOf(const std::string& libraryPath) {
  return LastRecordOf<RecordedAttach>(libraryPath, "RecordingEngineLastAttach");
}

inline RecordedPreload PreloadRecordOf(const std::string& libraryPath) {
  return LastRecordOf<RecordedPreload>(libraryPath, "RecordingEngineLastPreload");
}

inline bool IsLoaded(const std::string& libraryPath) {
  void* handle = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle != nullptr) ::dlclose(handle);
  return handle != nullptr;
}

inline void ResetRecording(const std::string& libraryPath, int result) {
  void* handle = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(handle, nullptr) << libraryPath << " is not loaded";
  auto reset = reinterpret_cast<RecordingEngineResetFn>(::dlsym(handle, "RecordingEngineReset"));
  ASSERT_NE(reset, nullptr);
  reset(result);
  ::dlclose(handle);
}

class RunDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    runDirectory = MakeTemporaryFolder();
    ASSERT_FALSE(runDirectory.empty());
    qv::testing::OverrideRunDirectory(runDirectory);
  }
  void TearDown() override {
    qv::testing::ResetLibraryBindings();
    qv::testing::OverrideRunDirectory("");
    std::error_code ignored;
    fs::permissions(EnginePath(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(runDirectory, ignored);
  }
  std::string EnginePath() const { return runDirectory + "/SkinH_EL.dll"; }
  void InstallRecordingEngine() { fs::copy_file(QV_RECORDING_ENGINE, EnginePath()); }

  std::string runDirectory;
};

}  // namespace qv::skintest

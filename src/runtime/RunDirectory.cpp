// The program's run directory, with the test seam that replaces it.
#include "runtime/Files.h"
#include "runtime/Platform.h"
#include "runtime/Testing.h"

namespace qv {
namespace {
std::string& RunDirectoryOverride() {
  static std::string directory;
  return directory;
}
}  // namespace

std::string GetRunDirectory() {
  const std::string& overridden = RunDirectoryOverride();
  return overridden.empty() ? platform::ExecutableDirectory() : overridden;
}

namespace testing {
void OverrideRunDirectory(const std::string& directory) { RunDirectoryOverride() = directory; }
}  // namespace testing

}  // namespace qv

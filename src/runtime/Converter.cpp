// The JPEG converter in the program's path form.
#include <optional>
#include <string>

#include "imaging/JpegConverter.h"
#include "runtime/Files.h"
#include "runtime/Platform.h"
#include "runtime/Snapshot.h"

namespace qv {
namespace {

// A target that cannot be written; a missing source is still the earlier
// failure, as in the converter's own order of checks.
int TargetFailure(const std::string& source) {
  return platform::TypeOf(source) == platform::EntryType::Missing ? imaging::ConvertNoSource
                                                                  : imaging::ConvertWriteFailed;
}

}  // namespace

int ConvertToJpeg(std::string_view sourcePath, std::string_view targetPath, bool greyscale,
                  int quality, bool optimizeHuffman, int smoothing) {
  // Arguments are checked before any path is resolved, so no drive folder is
  // created for a call that is refused.
  if (sourcePath.empty() || targetPath.empty() || quality < 1 || quality > 100 || smoothing < 0 ||
      smoothing > 100) {
    return imaging::ConvertBadArguments;
  }
  const std::optional<std::string> source = ResolveHostPath(sourcePath);
  if (!source) return imaging::ConvertNoSource;
  const std::optional<std::string> target = ResolveHostPath(targetPath);
  if (!target) return TargetFailure(*source);
  // Renaming over a file ignores its own permissions, so a read-only target
  // is refused here, before anything is written.
  const platform::EntryType existing = platform::TypeOf(*target);
  if (existing == platform::EntryType::Directory ||
      (existing == platform::EntryType::File && platform::IsReadOnly(*target))) {
    return TargetFailure(*source);
  }
  return imaging::ConvertFileToJpeg(*source, *target, greyscale, quality, optimizeHuffman,
                                    smoothing);
}

}  // namespace qv

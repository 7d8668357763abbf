// Whole-file services over the OS layer, in the program's DOS path form.
#include "runtime/Files.h"

#include <QStandardPaths>
#include <QString>

#include "runtime/Platform.h"

namespace qv {
namespace {

thread_local std::string lastWriteFailure;

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

std::string WithSlashes(std::string_view path) {
  std::string result(path);
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

// The folder under which the drive folders lie.
std::optional<std::string> DrivesRoot() {
  if (auto configured = platform::Environment("QUORVANE_DRIVES")) return configured;
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (pictures.isEmpty()) return std::nullopt;
  return pictures.toStdString() + "/Quorvane";
}

}  // namespace

std::optional<std::string> DriveFolder(char letter) {
  if (!IsDriveLetter(letter)) return std::nullopt;
  const std::optional<std::string> root = DrivesRoot();
  if (!root) return std::nullopt;
  std::string folder = *root;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  folder += '/';
  folder += UpperLetter(letter);
  if (!platform::MakeFolders(folder)) return std::nullopt;
  return folder;
}

std::optional<std::string> ResolveHostPath(std::string_view path) {
  if (!HasDrive(path)) return WithSlashes(path);
  std::optional<std::string> folder = DriveFolder(path[0]);
  if (!folder) return std::nullopt;
  std::string rest = WithSlashes(path.substr(2));
  if (rest.empty()) return folder;
  if (rest.front() != '/') rest.insert(rest.begin(), '/');
  return *folder + rest;
}

ByteBuffer ReadWholeFile(std::string_view path) {
  if (path.empty()) return {};
  const std::optional<std::string> host = ResolveHostPath(path);
  if (!host) return {};
  // Devices and pipes could block or never end; only regular files are read.
  if (platform::TypeOf(*host) != platform::EntryType::File) return {};
  return platform::ReadFile(*host);
}

bool WriteWholeFile(std::string_view path, std::initializer_list<ByteView> buffers) {
  if (path.empty()) {
    lastWriteFailure = platform::DescribeWriteError(platform::WriteError::EmptyPath);
    return false;
  }
  const std::optional<std::string> host = ResolveHostPath(path);
  if (!host) {
    lastWriteFailure = std::string("找不到驱动器 ") + UpperLetter(path[0]) + ":";
    return false;
  }
  // The replacement is a new file: it takes over the attributes recorded on
  // the one it replaces (a hidden library stays hidden).
  std::optional<int> attributes;
  if (platform::TypeOf(*host) == platform::EntryType::File) {
    attributes = platform::ReadAttributes(*host);
  }
  const platform::WriteError error = platform::WriteFileAtomically(*host, buffers);
  lastWriteFailure = platform::DescribeWriteError(error);
  if (error != platform::WriteError::None) return false;
  if (attributes && *attributes != 0) platform::WriteAttributes(*host, *attributes);
  return true;
}

std::string LastWriteFailure() { return lastWriteFailure; }

bool PathExists(std::string_view path) {
  if (path.empty()) return false;
  const std::optional<std::string> host = ResolveHostPath(path);
  return host && platform::TypeOf(*host) != platform::EntryType::Missing;
}

bool SetFileAttributeFlags(std::string_view path, int flags) {
  if (path.empty()) return false;
  const std::optional<std::string> host = ResolveHostPath(path);
  if (!host || platform::TypeOf(*host) == platform::EntryType::Missing) return false;
  return platform::WriteAttributes(
      *host, flags & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive));
}

std::optional<int> GetFileAttributeFlags(std::string_view path) {
  if (path.empty()) return std::nullopt;
  const std::optional<std::string> host = ResolveHostPath(path);
  if (!host || platform::TypeOf(*host) == platform::EntryType::Missing) return std::nullopt;
  std::optional<int> flags = platform::ReadAttributes(*host);
  // A file whose owner may not write it is read-only whatever was recorded.
  if (flags && platform::IsReadOnly(*host)) *flags |= kAttrReadOnly;
  return flags;
}

}  // namespace qv

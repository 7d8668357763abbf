// The desktop entry: a valid [Desktop Entry] group naming the program, its
// command and an icon that is installed under that name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "ImageReaders.h"

namespace qv::artgen {
namespace {

struct Entry {
  std::string firstLine;
  std::map<std::string, std::string> keys;
  std::vector<std::string> problems;
};

Entry ReadEntry(const std::string& path) {
  Entry entry;
  std::ifstream in(path);
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (first) entry.firstLine = line, first = false;
    if (line.empty() || line[0] == '#' || line[0] == '[') continue;
    const auto equals = line.find('=');
    if (equals == std::string::npos || equals == 0) {
      entry.problems.push_back("not a key=value line: " + line);
      continue;
    }
    const std::string key = line.substr(0, equals);
    if (!entry.keys.emplace(key, line.substr(equals + 1)).second) {
      entry.problems.push_back("duplicate key " + key);
    }
  }
  return entry;
}

TEST(DesktopEntry, DescribesTheProgram) {
  const Entry entry = ReadEntry(test::AssetPath("quorvane.desktop"));
  EXPECT_EQ(entry.firstLine, "[Desktop Entry]");
  EXPECT_TRUE(entry.problems.empty()) << entry.problems.front();
  const std::pair<const char*, const char*> expected[] = {
      {"Type", "Application"}, {"Name", "Quorvane"},       {"Exec", "quorvane"},
      {"Icon", "quorvane"},    {"Categories", "Graphics;"}, {"Terminal", "false"},
  };
  for (const auto& [key, value] : expected) {
    ASSERT_TRUE(entry.keys.count(key)) << key;
    EXPECT_EQ(entry.keys.at(key), value) << key;
  }
  ASSERT_TRUE(entry.keys.count("Comment"));
  EXPECT_FALSE(entry.keys.at("Comment").empty());
}

TEST(DesktopEntry, ItsIconExistsAsSvgAndPng) {
  for (const char* file : {"quorvane.svg", "quorvane-icon-48.png"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(test::AssetPath(file))) << file;
  }
}

}  // namespace
}  // namespace qv::artgen

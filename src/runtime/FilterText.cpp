// Conversion of "|"-separated dialog filters into entries.
#include "runtime/detail/FilterText.h"

namespace qv::detail {
namespace {

bool IsTrailingSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimTrailing(std::string_view text) {
  while (!text.empty() && IsTrailingSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitParts(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
}

std::vector<std::string> SplitPatterns(std::string_view text) {
  std::vector<std::string> patterns;
  std::string current;
  for (char c : text) {
    if (c == ';' || c == ' ') {
      if (!current.empty()) patterns.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) patterns.push_back(current);
  return patterns;
}

}  // namespace

std::vector<FilterEntry> ParseDialogFilter(std::string_view filter) {
  std::string text(TrimTrailing(filter));
  if (text.empty()) return {};
  if (!text.ends_with("||")) text += "||";
  const std::vector<std::string_view> parts = SplitParts(text);
  std::vector<FilterEntry> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() || parts[i + 1].empty()) break;
    FilterEntry entry{std::string(parts[i]), SplitPatterns(parts[i + 1])};
    if (entry.patterns.empty()) break;
    entries.push_back(std::move(entry));
  }
  return entries;
}

int DialogFilterIndex(std::string_view filter, int initialFilter) {
  if (TrimTrailing(filter).empty()) return 0;
  return (initialFilter < 0 ? 0 : initialFilter) + 1;
}

std::string NameFilterText(const FilterEntry& entry) {
  std::string text = entry.description + " (";
  for (std::size_t i = 0; i < entry.patterns.size(); ++i) {
    if (i > 0) text += ' ';
    text += entry.patterns[i];
  }
  return text + ")";
}

}  // namespace qv::detail

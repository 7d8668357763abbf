#pragma once
// Turns a file dialog filter ("描述|*.jpg;*.jpeg|All|*.*") into its entries.
#include <string>
#include <string_view>
#include <vector>

namespace qv::detail {

struct FilterEntry {
  std::string description;
  std::vector<std::string> patterns;  // "*.jpg", "*.jpeg"
};

// The entries of a "|"-separated filter: description, patterns, description,
// patterns... Trailing white space is ignored; the list ends at the first
// empty part; a description without patterns is dropped.
std::vector<FilterEntry> ParseDialogFilter(std::string_view filter);

// The 1-based entry to select: 0 for an empty filter, else initial + 1
// (a negative initial counts as 0).
int DialogFilterIndex(std::string_view filter, int initialFilter);

// The toolkit's name filter for an entry: "description (pattern pattern)".
std::string NameFilterText(const FilterEntry& entry);

}  // namespace qv::detail

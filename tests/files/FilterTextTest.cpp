// Dialog filter text: "|"-separated pairs to entries and the toolkit's form.
#include <gtest/gtest.h>

#include "runtime/detail/FilterText.h"

namespace qv::detail {
namespace {

// Each entry rendered as the toolkit's name filter, joined by " ; ".
std::string Rendered(std::string_view filter) {
  std::string text;
  for (const FilterEntry& entry : ParseDialogFilter(filter)) {
    if (!text.empty()) text += " ; ";
    text += NameFilterText(entry);
  }
  return text;
}

TEST(FilterText, PairsBecomeNameFilters) {
  struct Case {
    const char* filter;
    const char* expected;
  };
  const Case cases[] = {
      {"*.jpg|*.jpg", "*.jpg (*.jpg)"},
      {"*.jpg|*.jpg||", "*.jpg (*.jpg)"},
      {"*.jpg|*.jpg  \t\n", "*.jpg (*.jpg)"},
      {"图片|*.jpg;*.jpeg|所有文件|*.*", "图片 (*.jpg *.jpeg) ; 所有文件 (*.*)"},
      {"JPEG (*.jpg)|*.jpg", "JPEG (*.jpg) (*.jpg)"},
      {"a|*.a||b|*.b", "a (*.a)"},  // the list ends at the first empty part
      {"a|*.a|b", "a (*.a)"},       // a description without patterns is dropped
      {"a|*.a|b|", "a (*.a)"},
      {"", ""},
      {"   ", ""},
      {"|*.a", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Rendered(c.filter), c.expected) << c.filter;
}

TEST(FilterText, IndexIsOneBasedAndZeroWithoutFilter) {
  EXPECT_EQ(DialogFilterIndex("", 0), 0);
  EXPECT_EQ(DialogFilterIndex("", 3), 0);
  EXPECT_EQ(DialogFilterIndex("*.jpg|*.jpg", 0), 1);
  EXPECT_EQ(DialogFilterIndex("*.jpg|*.jpg", -5), 1);
  EXPECT_EQ(DialogFilterIndex("a|*.a|b|*.b", 1), 2);
}

}  // namespace
}  // namespace qv::detail

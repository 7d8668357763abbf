// The wording after a save: success only when both files were written.
#include <gtest/gtest.h>

#include "compose/SaveMessage.h"

namespace qv {
namespace {

TEST(SaveMessage, NamesEachFileThatCouldNotBeWritten) {
  struct Case {
    SaveOutcome outcome;
    const char* expected;
  };
  const Case cases[] = {
      {{true, true, "", 1}, "以保存到D盘内"},
      {{true, false, "磁盘已满", -3},
       "无法写入 d:\\1.bmp：磁盘已满\n无法写入 c:\\1.jpg：无法读取源文件 d:\\1.bmp"},
      {{true, false, "文件是只读的", 1},
       "无法写入 d:\\1.bmp：文件是只读的\nc:\\1.jpg 是由先前保存的 d:\\1.bmp 生成的"},
      {{true, false, "", -1},
       "无法写入 d:\\1.bmp：写入时出错\n无法写入 c:\\1.jpg：找不到源文件 d:\\1.bmp"},
      {{true, true, "", -4}, "无法写入 c:\\1.jpg：无法创建文件"},
      {{true, true, "", -7}, "无法写入 c:\\1.jpg：转换参数无效"},
      {{true, true, "", 0}, "无法写入 c:\\1.jpg：转换时出错"},
      {{false, false, "", 0}, "无法截取图片区域，没有保存任何文件"},
  };
  for (const Case& c : cases) EXPECT_EQ(ComposeSaveMessage(c.outcome), c.expected);
}

}  // namespace
}  // namespace qv

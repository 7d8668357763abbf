// "生成效果": copies the three typed lines into the captions over the picture.
#include <string>

#include "compose/Handlers.h"
#include "runtime/Controls.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

namespace qv {

void ApplyDialogueLines() {
  static constexpr const char* kRows[][2] = {
      {"编辑框1", "透明标签1"},
      {"编辑框2", "透明标签2"},
      {"编辑框3", "透明标签3"},
  };
  for (const auto& row : kRows) {
    const std::string line = GetEditText(ToolbarWindow, row[0]);
    SetLabelCaption(StageWindow, row[1], line);
  }
}

}  // namespace qv

#pragma once
// The composition handlers bound to the buttons of both windows.
namespace qv {

void ApplyDialogueLines();   // "生成效果" on ToolbarWindow
void OpenPicture();          // "打开图片" on StageWindow
void SaveComposedPicture();  // "保存图片" on StageWindow

}  // namespace qv

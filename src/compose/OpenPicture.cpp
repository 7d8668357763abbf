// "打开图片": lets the user choose a JPEG and shows it in the picture box.
#include <string>

#include "compose/Handlers.h"
#include "runtime/Controls.h"
#include "runtime/Dialogs.h"
#include "runtime/Files.h"
#include "runtime/Windows.h"
#include "windows/StageWindow.h"

namespace qv {

void OpenPicture() {
  SetDialogFilter(StageWindow, "通用对话框1", "*.jpg|*.jpg");
  const bool confirmed = RunFileDialog(StageWindow, "通用对话框1");
  // The window may have been closed while the dialog was up.
  if (!IsWindowLoaded(StageWindow)) return;
  // A cancelled dialog leaves the picture as it is.
  if (!confirmed) return;
  const std::string fileName = GetDialogFileName(StageWindow, "通用对话框1");
  const ByteBuffer bytes = ReadWholeFile(fileName);
  SetPicture(StageWindow, "图片框1", bytes);
}

}  // namespace qv

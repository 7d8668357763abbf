// "保存图片": saves what the picture box shows as "d:\1.bmp", then converts
// that file into "c:\1.jpg".
#include "compose/Handlers.h"
#include "compose/SaveMessage.h"
#include "runtime/Controls.h"
#include "runtime/Dialogs.h"
#include "runtime/Files.h"
#include "runtime/Snapshot.h"
#include "windows/StageWindow.h"

namespace qv {

void SaveComposedPicture() {
  const WindowHandle handle = GetWindowHandle(StageWindow, "图片框1");
  const ByteBuffer snapshot = SnapshotWindow(handle, 352, 584);
  SaveOutcome outcome;
  outcome.captured = !snapshot.empty();
  // Nothing is written without a picture, so an earlier save is never
  // replaced by an empty file.
  if (outcome.captured) {
    outcome.bmpWritten = WriteWholeFile("d:\\1.bmp", snapshot);
    if (!outcome.bmpWritten) outcome.bmpFailure = LastWriteFailure();
    outcome.jpegResult = ConvertToJpeg("d:\\1.bmp", "c:\\1.jpg", false, 30, true, 0);
  }
  PauseWithEvents(200);
  ShowMessageBox(ComposeSaveMessage(outcome), 0);
}

}  // namespace qv

#include "app/StartProgram.h"

#include "runtime/Dialogs.h"
#include "runtime/Windows.h"
#include "skin/ApplySkin.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

extern "C" const unsigned char qv_app_icon_16[];
extern "C" const unsigned char qv_app_icon_32[];
extern "C" const unsigned char qv_app_icon_48[];
extern "C" const unsigned char qv_app_icon_64[];

namespace qv {

namespace {

// The skin StageWindow wears.
constexpr int kStageSkin = 25;

void UnloadIfLoaded(const WindowLayout& window) {
  if (IsWindowLoaded(window)) UnloadWindow(window);
}

}  // namespace

int StartProgram() {
  // Window icons up to 64 pixels: each window sends every size to the
  // window system, and the desktop file's installed icons cover larger uses.
  const ByteView icons[] = {StoredBytes(qv_app_icon_16), StoredBytes(qv_app_icon_32),
                            StoredBytes(qv_app_icon_48), StoredBytes(qv_app_icon_64)};
  InitialiseRuntime(icons);
  // The engine decodes the skin while the windows are built.
  PreloadSkin(kStageSkin);
  if (!LoadWindow(ToolbarWindow)) RaiseRuntimeError("载入启动窗口失败");
  RunMessageLoop();
  return 0;
}

void OnToolbarCreated() { LoadWindow(StageWindow); }

void OnStageCreated() { ApplySkin(kStageSkin); }

void CloseFromToolbar() {
  UnloadIfLoaded(StageWindow);
  UnloadIfLoaded(ToolbarWindow);
}

void CloseFromStage() {
  UnloadIfLoaded(ToolbarWindow);
  UnloadIfLoaded(StageWindow);
}

}  // namespace qv

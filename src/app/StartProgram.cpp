#include "app/StartProgram.h"

#include "runtime/Dialogs.h"
#include "runtime/Windows.h"
#include "skin/ApplySkin.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

extern "C" const unsigned char qv_app_icon[];

namespace qv {

namespace {

void UnloadIfLoaded(const WindowLayout& window) {
  if (IsWindowLoaded(window)) UnloadWindow(window);
}

}  // namespace

int StartProgram() {
  InitialiseRuntime(StoredBytes(qv_app_icon));
  if (!LoadWindow(ToolbarWindow)) RaiseRuntimeError("载入启动窗口失败");
  RunMessageLoop();
  return 0;
}

void OnToolbarCreated() { LoadWindow(StageWindow); }

void OnStageCreated() { ApplySkin(25); }

void CloseFromToolbar() {
  UnloadIfLoaded(StageWindow);
  UnloadIfLoaded(ToolbarWindow);
}

void CloseFromStage() {
  UnloadIfLoaded(ToolbarWindow);
  UnloadIfLoaded(StageWindow);
}

}  // namespace qv

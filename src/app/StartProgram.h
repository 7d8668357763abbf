#pragma once
// The program's start routine, the window chain and the close handlers.
namespace qv {

// Sets the runtime up, loads ToolbarWindow and runs the message loop; 0 at the end.
int StartProgram();

void OnToolbarCreated();  // ToolbarWindow created: loads StageWindow
void OnStageCreated();    // StageWindow created
void CloseFromToolbar();  // "关闭" on ToolbarWindow: StageWindow goes first
void CloseFromStage();    // "关闭" on StageWindow: ToolbarWindow goes first

}  // namespace qv

// ToolbarWindow's stored layout: window settings, then the controls in
// stored order (#1 first), then the event bindings.
#include "windows/ToolbarWindow.h"

#include "app/StartProgram.h"
#include "compose/Handlers.h"

namespace qv {

// The layout is laid out as a table, one control a row.
// clang-format off

namespace {

// The row names: black, the default GUI font, left-aligned, centred vertically.
const LabelSettings kRowLabel{.textColour = {0, 0, 0},
                              .font = {},
                              .hAlign = HAlign::Left,
                              .vAlign = VAlign::Centre,
                              .wordWrap = false,
                              .textEffect = 0};

}  // namespace

const WindowLayout ToolbarWindow{
    .name = "ToolbarWindow",
    .caption = "编辑 工具栏",
    .outerWidth = 331, .outerHeight = 196,
    .storedLeft = 50, .storedTop = 50,
    .position = WindowPosition::CentredOnScreen,
    .border = WindowBorder::Fixed,
    .controlBox = false,
    .minButton = false, .maxButton = false,
    .movable = true,
    .dragByClient = false,
    .background = SystemColour{.buttonFace = true},
    .showInTaskbar = true,
    .alwaysOnTop = false,
    .escCloses = true,
    .enterMovesFocus = false,
    .f1Help = false,
    .visible = true,
    .font = {},
    .onCreated = OnToolbarCreated,
    .controls = {
        // #1  透明标签3  transparent label  8, 96  40 x 24  visible, no Tab stop
        {.kind = ControlKind::TransparentLabel, .name = "透明标签3", .rect = {8, 96, 40, 24},
         .parent = "", .visible = true, .tabStop = false, .text = "对话三", .label = kRowLabel},
        // #2  透明标签2  transparent label  8, 48  40 x 24  visible, no Tab stop
        {.kind = ControlKind::TransparentLabel, .name = "透明标签2", .rect = {8, 48, 40, 24},
         .parent = "", .visible = true, .tabStop = false, .text = "对话二", .label = kRowLabel},
        // #3  透明标签1  transparent label  8, 8  40 x 24  visible, no Tab stop
        {.kind = ControlKind::TransparentLabel, .name = "透明标签1", .rect = {8, 8, 40, 24},
         .parent = "", .visible = true, .tabStop = false, .text = "对话一", .label = kRowLabel},
        // #4  编辑框3  edit box  56, 96  256 x 24  visible, Tab stop
        {.kind = ControlKind::EditBox, .name = "编辑框3", .rect = {56, 96, 256, 24},
         .parent = "", .visible = true, .tabStop = true, .text = ""},
        // #5  编辑框2  edit box  56, 48  256 x 24  visible, Tab stop
        {.kind = ControlKind::EditBox, .name = "编辑框2", .rect = {56, 48, 256, 24},
         .parent = "", .visible = true, .tabStop = true, .text = ""},
        // #6  按钮2  button  16, 136  232 x 24  visible, Tab stop  "生成效果"
        {.kind = ControlKind::PushButton, .name = "按钮2", .rect = {16, 136, 232, 24},
         .parent = "", .visible = true, .tabStop = true, .text = "生成效果",
         .events = {{EventKind::Clicked, ApplyDialogueLines}}},
        // #7  编辑框1  edit box  56, 8  256 x 24  visible, Tab stop
        {.kind = ControlKind::EditBox, .name = "编辑框1", .rect = {56, 8, 256, 24},
         .parent = "", .visible = true, .tabStop = true, .text = ""},
        // #8  按钮1  button  264, 136  48 x 24  visible, Tab stop  "关闭"
        {.kind = ControlKind::PushButton, .name = "按钮1", .rect = {264, 136, 48, 24},
         .parent = "", .visible = true, .tabStop = true, .text = "关闭",
         .events = {{EventKind::Clicked, CloseFromToolbar}}},
    },
};

// clang-format on

}  // namespace qv

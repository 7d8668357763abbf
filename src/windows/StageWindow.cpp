// StageWindow's stored layout: window settings, then the controls in stored
// order (#1 first), then the event bindings.
#include "windows/StageWindow.h"

#include "app/StartProgram.h"
#include "compose/Handlers.h"

extern "C" const unsigned char qv_stage_picture[];

namespace qv {

// The layout is laid out as a table, one control a row.
// clang-format off

namespace {

// The dialogue captions: light grey, bold, 16-pixel character height, no face
// named, centred both ways, one line, no effect.
const LabelSettings kCaption{
    .textColour = {205, 205, 205},
    .font = {.height = -16, .width = 0, .escapement = 0, .orientation = 0, .weight = 700,
             .italic = false, .underline = false, .strikeOut = false, .faceName = ""},
    .hAlign = HAlign::Centre,
    .vAlign = VAlign::Centre,
    .wordWrap = false,
    .textEffect = 0};

// 图片框1: sunken client edge with a raised dialog frame, grey background,
// the built-in picture stretched, animation on.
PictureBoxSettings PictureArea() {
  return {.border = PictureBorder::SunkenDialogFrame,
          .background = {142, 142, 142},
          .mode = DisplayMode::Stretch,
          .animate = true,
          .picture = StoredBytes(qv_stage_picture)};
}

// 通用对话框1: every setting at its default; only the filter changes later.
const CommonDialogSettings kOpenDialog{.type = DialogType::Open,
                                       .title = "",
                                       .fileName = "",
                                       .filter = "",
                                       .filterIndex = 0,
                                       .initialDirectory = "",
                                       .defaultExtension = "",
                                       .promptToCreate = false,
                                       .fileMustExist = true,
                                       .overwritePrompt = true,
                                       .pathMustExist = true,
                                       .keepCurrentDirectory = false};

}  // namespace

const WindowLayout StageWindow{
    .name = "StageWindow",
    .caption = "Quorvane",
    .outerWidth = 379, .outerHeight = 668,
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
    .escCloses = false,
    .enterMovesFocus = false,
    .f1Help = false,
    .visible = true,
    .font = {},
    .onCreated = OnStageCreated,
    .controls = {
        // #1  通用对话框1  common dialog  in 图片框1  271, 16  48 x 24  never shown, no Tab stop
        {.kind = ControlKind::CommonDialog, .name = "通用对话框1", .rect = {271, 16, 48, 24},
         .parent = "图片框1", .visible = false, .tabStop = false, .text = "",
         .dialog = kOpenDialog},
        // #2  按钮3  button  256, 600  104 x 32  visible, Tab stop  "关闭"
        {.kind = ControlKind::PushButton, .name = "按钮3", .rect = {256, 600, 104, 32},
         .parent = "", .visible = true, .tabStop = true, .text = "关闭",
         .events = {{EventKind::Clicked, CloseFromStage}}},
        // #3  透明标签2  transparent label  in 图片框1  15, 352  312 x 16  visible, no Tab stop
        {.kind = ControlKind::TransparentLabel, .name = "透明标签2", .rect = {15, 352, 312, 16},
         .parent = "图片框1", .visible = true, .tabStop = false, .text = "", .label = kCaption},
        // #4  按钮2  button  16, 600  104 x 32  visible, Tab stop  "打开图片"
        {.kind = ControlKind::PushButton, .name = "按钮2", .rect = {16, 600, 104, 32},
         .parent = "", .visible = true, .tabStop = true, .text = "打开图片",
         .events = {{EventKind::Clicked, OpenPicture}}},
        // #5  按钮1  button  136, 600  112 x 32  visible, Tab stop  "保存图片"
        {.kind = ControlKind::PushButton, .name = "按钮1", .rect = {136, 600, 112, 32},
         .parent = "", .visible = true, .tabStop = true, .text = "保存图片",
         .events = {{EventKind::Clicked, SaveComposedPicture}}},
        // #6  图片框1  picture box  9, 8  352 x 584  visible, no Tab stop  the built-in picture
        {.kind = ControlKind::PictureBox, .name = "图片框1", .rect = {9, 8, 352, 584},
         .parent = "", .visible = true, .tabStop = false, .text = "",
         .picture = PictureArea()},
        // #7  透明标签3  transparent label  in 图片框1  28, 546  280 x 16  visible, no Tab stop
        {.kind = ControlKind::TransparentLabel, .name = "透明标签3", .rect = {28, 546, 280, 16},
         .parent = "图片框1", .visible = true, .tabStop = false, .text = "", .label = kCaption},
        // #8  透明标签1  transparent label  in 图片框1  18, 165  304 x 16  visible, no Tab stop
        {.kind = ControlKind::TransparentLabel, .name = "透明标签1", .rect = {18, 165, 304, 16},
         .parent = "图片框1", .visible = true, .tabStop = false, .text = "", .label = kCaption},
    },
};

// clang-format on

}  // namespace qv

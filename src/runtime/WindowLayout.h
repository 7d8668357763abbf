#pragma once
// A window's stored description: its settings and its ordered control list.
// The order of the control list fixes stacking (first entry on top), the Tab
// order (last entry first) and the first focus.
#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/ByteBuffer.h"

namespace qv {

using Handler = void (*)();

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Sentinel for "the system's colour for 3-D faces" (follows the palette/skin).
struct SystemColour {
  bool buttonFace = false;
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Position modes: 0 as stored, 1 centred on the screen, 2 minimised, 3 maximised.
enum class WindowPosition : int { AsStored = 0, CentredOnScreen = 1, Minimised = 2, Maximised = 3 };

// Border: 0 none, 1 resizable, 2 fixed, 3 resizable tool window, 4 fixed tool
// window, 5 resizable with sunken client edge, 6 fixed with sunken client edge.
enum class WindowBorder : int {
  None = 0, Resizable = 1, Fixed = 2, ResizableTool = 3, FixedTool = 4,
  ResizableSunken = 5, FixedSunken = 6
};

// A font record as a layout stores it. An empty face lets the system choose.
struct FontRecord {
  int height = 0;  // negative: character height in pixels; 0: the default GUI font
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 400;  // 700 is bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::string_view faceName;
};

enum class ControlKind { EditBox, PushButton, TransparentLabel, PictureBox, CommonDialog };

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

// Picture box border styles: 0 none, 1 sunken client edge, 2 raised dialog
// frame, 3 thin static edge, 4 sunken client edge plus raised dialog frame,
// 5 single line.
enum class PictureBorder : int { None = 0, Sunken = 1, DialogFrame = 2, Static = 3, SunkenDialogFrame = 4, Single = 5 };

// Picture display modes: 0 own size at top-left, 1 stretched, 2 centred and shrunk to fit.
enum class DisplayMode : int { TopLeft = 0, Stretch = 1, FitCentred = 2 };

enum class DialogType { Open, Save, Font, Help };

// Clicked: a button. Moved, Resized, MayClose, WillBeDestroyed: the window.
enum class EventKind { Clicked, Moved, Resized, MayClose, WillBeDestroyed };

struct EventBinding {
  EventKind event;
  Handler handler;
};

struct EditBoxSettings {
  bool readOnly = false;
  bool password = false;
  int maxLength = 0;  // 0: the system's own maximum
};

struct LabelSettings {
  Rgb textColour{0, 0, 0};
  FontRecord font{};  // height 0: the default GUI font
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Centre;
  bool wordWrap = false;
  int textEffect = 0;  // 0 none (the only value the program uses)
};

struct PictureBoxSettings {
  PictureBorder border = PictureBorder::None;
  Rgb background{142, 142, 142};
  DisplayMode mode = DisplayMode::Stretch;
  bool animate = true;
  ByteView picture{};  // stored picture bytes, decoded at creation
};

struct CommonDialogSettings {
  DialogType type = DialogType::Open;
  std::string_view title;
  std::string_view fileName;
  std::string_view filter;
  int filterIndex = 0;
  std::string_view initialDirectory;
  std::string_view defaultExtension;
  bool promptToCreate = false;
  bool fileMustExist = true;
  bool overwritePrompt = true;
  bool pathMustExist = true;
  bool keepCurrentDirectory = false;
};

struct ControlLayout {
  ControlKind kind;
  std::string_view name;
  Rect rect;
  std::string_view parent;  // empty: the window's client area; else a container control's name
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  std::string_view text;  // caption of a button or label, content of an edit box
  EditBoxSettings edit{};
  LabelSettings label{};
  PictureBoxSettings picture{};
  CommonDialogSettings dialog{};
  std::vector<EventBinding> events{};
};

struct WindowLayout {
  std::string_view name;     // the program's name for the window, e.g. "ToolbarWindow"
  std::string_view caption;  // title bar text
  int outerWidth = 0, outerHeight = 0;
  int storedLeft = 0, storedTop = 0;
  WindowPosition position = WindowPosition::AsStored;
  WindowBorder border = WindowBorder::Fixed;
  bool controlBox = false;
  bool minButton = false, maxButton = false;
  bool movable = true;
  bool dragByClient = false;
  SystemColour background{true};
  bool showInTaskbar = true;
  bool alwaysOnTop = false;
  bool escCloses = false;
  bool enterMovesFocus = false;
  bool f1Help = false;
  bool visible = true;
  FontRecord font{};  // height 0: the system's default GUI font
  Handler onCreated = nullptr;
  std::vector<ControlLayout> controls;
  std::vector<EventBinding> events{};  // the window's own events besides created
};

}  // namespace qv

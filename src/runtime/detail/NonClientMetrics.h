#pragma once
// Fixed sizes of the frame and title bar the runtime draws around a window's
// client area, and where a window goes when it is centred on the screen.
#include "runtime/WindowLayout.h"

namespace qv::detail {

struct NonClientMetrics {
  int frame = 0;       // fixed frame on every side
  int titleBar = 0;    // title bar height below the top frame
  int clientEdge = 0;  // sunken edge just inside the frame (borders 5 and 6)

  int ClientLeft() const { return frame + clientEdge; }
  int ClientTop() const { return frame + titleBar + clientEdge; }
  int ClientWidth(int outerWidth) const { return outerWidth - 2 * ClientLeft(); }
  int ClientHeight(int outerHeight) const { return outerHeight - ClientTop() - ClientLeft(); }
};

inline constexpr int kFrameWidth = 3;
inline constexpr int kTitleBarHeight = 22;
inline constexpr int kToolTitleBarHeight = 16;
inline constexpr int kClientEdgeWidth = 2;

NonClientMetrics MetricsFor(const WindowLayout& layout);

struct Position {
  int left = 0, top = 0;
  friend bool operator==(const Position&, const Position&) = default;
};
// Centres an outer rectangle on a screen: each division drops the remainder
// toward zero, so a window larger than the screen gets a negative position.
Position CentredOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace qv::detail

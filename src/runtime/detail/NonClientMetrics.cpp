#include "runtime/detail/NonClientMetrics.h"

namespace qv::detail {

NonClientMetrics MetricsFor(const WindowLayout& layout) {
  NonClientMetrics m;
  if (layout.border == WindowBorder::None) return m;
  m.frame = kFrameWidth;
  const bool hasTitle = !layout.caption.empty() || layout.controlBox;
  const bool tool =
      layout.border == WindowBorder::FixedTool || layout.border == WindowBorder::ResizableTool;
  if (hasTitle) m.titleBar = tool ? kToolTitleBarHeight : kTitleBarHeight;
  if (layout.border == WindowBorder::FixedSunken || layout.border == WindowBorder::ResizableSunken)
    m.clientEdge = kClientEdgeWidth;
  return m;
}

Position CentredOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  // C++ integer division truncates toward zero, exactly the rule wanted.
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace qv::detail

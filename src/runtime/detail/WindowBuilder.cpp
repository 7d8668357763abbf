#include "runtime/detail/WindowBuilder.h"

#include <QGuiApplication>
#include <QScreen>
#include <set>
#include <string_view>

#include "runtime/detail/EditBox.h"
#include "runtime/detail/FrameWindow.h"
#include "runtime/detail/NonClientMetrics.h"
#include "runtime/detail/PictureBox.h"
#include "runtime/detail/PushButton.h"
#include "runtime/detail/TransparentLabel.h"

namespace qv::detail {

namespace {

constexpr int kMaxWindowSide = 32767;

QWidget* CreateControl(const ControlLayout& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::EditBox: return new EditBox(c, parent);
    case ControlKind::PushButton: return new PushButton(c, parent);
    case ControlKind::TransparentLabel: return new TransparentLabel(c, parent);
    case ControlKind::PictureBox: return new PictureBox(c, parent);
    case ControlKind::CommonDialog: {
      // Never shown; a hidden widget keeps its place in the stacking order.
      auto* w = new QWidget(parent);
      w->setAttribute(Qt::WA_DontShowOnScreen);
      return w;
    }
  }
  return nullptr;
}

Qt::FocusPolicy FocusPolicyFor(const ControlLayout& c) {
  switch (c.kind) {
    case ControlKind::EditBox:
    case ControlKind::PushButton:
      return c.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    default:
      return Qt::NoFocus;
  }
}

void PlaceWindow(FrameWindow& window, const WindowLayout& layout) {
  if (layout.position == WindowPosition::CentredOnScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    const Position p =
        CentredOnScreen(area.width(), area.height(), layout.outerWidth, layout.outerHeight);
    window.move(area.left() + p.left, area.top() + p.top);
  } else {
    window.move(layout.storedLeft, layout.storedTop);
  }
}

void StartDialogState(ControlRecord& record) {
  const CommonDialogSettings& s = record.layout->dialog;
  CommonDialogState& d = record.dialog;
  d.settings = s;
  d.title = std::string(s.title);
  d.filter = std::string(s.filter);
  d.fileName = std::string(s.fileName);
  d.initialDirectory = std::string(s.initialDirectory);
  d.defaultExtension = std::string(s.defaultExtension);
  d.filterIndex = s.filterIndex;
}

}  // namespace

bool IsBuildable(const WindowLayout& layout) {
  if (layout.outerWidth <= 0 || layout.outerHeight <= 0 || layout.outerWidth > kMaxWindowSide ||
      layout.outerHeight > kMaxWindowSide)
    return false;
  std::set<std::string_view> names, containers;
  for (const ControlLayout& c : layout.controls) {
    if (c.name.empty() || !names.insert(c.name).second) return false;
    if (c.kind == ControlKind::PictureBox) containers.insert(c.name);
  }
  for (const ControlLayout& c : layout.controls) {
    if (c.parent.empty()) continue;
    if (c.parent == c.name || !containers.count(c.parent)) return false;
  }
  return true;
}

std::unique_ptr<WindowRecord> BuildWindow(const WindowLayout& layout, QWidget* owner) {
  if (!IsBuildable(layout)) return nullptr;
  auto record = std::make_unique<WindowRecord>();
  record->layout = &layout;
  auto* window = new FrameWindow(layout, owner);
  record->window = window;
  record->handle = RegisterHandle(window);
  PlaceWindow(*window, layout);

  const int count = int(layout.controls.size());
  record->controls.resize(count);
  for (int i = count - 1; i >= 0; --i) {
    const ControlLayout& c = layout.controls[i];
    auto control = std::make_unique<ControlRecord>();
    control->layout = &c;
    QWidget* w = CreateControl(c, window->ClientArea());
    w->setObjectName(QString::fromUtf8(c.name.data(), qsizetype(c.name.size())));
    w->setGeometry(c.rect.left, c.rect.top, c.rect.width, c.rect.height);
    w->setFocusPolicy(FocusPolicyFor(c));
    w->setEnabled(!c.disabled);
    control->widget = w;
    control->handle = RegisterHandle(w);
    if (c.kind == ControlKind::CommonDialog) StartDialogState(*control);
    record->controls[i] = std::move(control);
  }
  // Children go into their container's client area, at their stored places.
  for (int i = count - 1; i >= 0; --i) {
    const ControlLayout& c = layout.controls[i];
    if (c.parent.empty()) continue;
    auto* box = qobject_cast<PictureBox*>(record->Find(c.parent)->widget.data());
    QWidget* w = record->controls[i]->widget;
    w->setParent(box->ClientArea());
    w->setGeometry(c.rect.left, c.rect.top, c.rect.width, c.rect.height);
  }
  // Raising from the last entry to the first leaves the first entry on top.
  std::vector<QPointer<QWidget>> tabChain;
  for (int i = count - 1; i >= 0; --i) {
    const ControlLayout& c = layout.controls[i];
    QWidget* w = record->controls[i]->widget;
    w->raise();
    w->setVisible(c.visible && c.kind != ControlKind::CommonDialog);
    if (c.tabStop && (c.kind == ControlKind::EditBox || c.kind == ControlKind::PushButton))
      tabChain.push_back(w);
  }
  window->SetTabChain(std::move(tabChain));
  return record;
}

}  // namespace qv::detail

// The common dialog component's file dialog: the toolkit's own widget-based
// dialog, modal to the component's window only.
#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "runtime/Dialogs.h"
#include "runtime/Windows.h"
#include "runtime/detail/FilterText.h"
#include "runtime/detail/Registry.h"

namespace qv {
namespace {

// A path must fit the classic 260-character buffer, terminator included.
constexpr std::size_t kMaxPathBytes = 259;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void ApplyFilter(QFileDialog& dialog, const detail::CommonDialogState& state) {
  const std::vector<detail::FilterEntry> entries = detail::ParseDialogFilter(state.filter);
  if (entries.empty()) return;
  QStringList nameFilters;
  for (const detail::FilterEntry& entry : entries) {
    nameFilters << FromUtf8(detail::NameFilterText(entry));
  }
  dialog.setNameFilters(nameFilters);
  const int index = detail::DialogFilterIndex(state.filter, state.filterIndex);
  dialog.selectNameFilter(nameFilters.value(index - 1, nameFilters.front()));
}

void ApplySettings(QFileDialog& dialog, const detail::CommonDialogState& state) {
  dialog.setObjectName(QStringLiteral("qv_file_dialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  const bool save = state.settings.type == DialogType::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save || !state.settings.fileMustExist ? QFileDialog::AnyFile
                                                           : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !state.settings.overwritePrompt);
  if (!state.title.empty()) dialog.setWindowTitle(FromUtf8(state.title));
  if (!state.initialDirectory.empty()) dialog.setDirectory(FromUtf8(state.initialDirectory));
  if (!state.defaultExtension.empty()) dialog.setDefaultSuffix(FromUtf8(state.defaultExtension));
  ApplyFilter(dialog, state);
  if (!state.fileName.empty()) dialog.selectFile(FromUtf8(state.fileName));
}

}  // namespace

bool RunFileDialog(const WindowLayout& window, std::string_view control) {
  detail::CommonDialogState& state = detail::FindCommonDialog(window, control);
  if (state.settings.type != DialogType::Open && state.settings.type != DialogType::Save) {
    return false;
  }
  const QPointer<QWidget> owner = detail::TopLevelWidget(window);
  const QPointer<QWidget> focused = QApplication::focusWidget();

  // Owned by the window, so it goes with it when the window is destroyed
  // while the dialog runs.
  const QPointer<QFileDialog> dialog = new QFileDialog(owner);
  dialog->setAttribute(Qt::WA_DeleteOnClose, false);
  dialog->setWindowModality(Qt::WindowModal);
  ApplySettings(*dialog, state);

  const int result = dialog->exec();
  if (dialog.isNull() || owner.isNull() || !IsWindowLoaded(window)) {
    delete dialog.data();
    return false;
  }
  const QStringList chosen = dialog->selectedFiles();
  delete dialog.data();

  if (focused) focused->setFocus(Qt::OtherFocusReason);
  if (result != QDialog::Accepted || chosen.isEmpty()) return false;
  const std::string path = chosen.front().toStdString();
  if (path.empty() || path.size() > kMaxPathBytes) return false;
  // The window may have been rebuilt meanwhile: look its component up again.
  detail::FindCommonDialog(window, control).fileName = path;
  return true;
}

}  // namespace qv

// Design files in the window: "Открыть проект...", "Сохранить проект",
// "Сохранить проект как...", the recent files, and what the program
// remembers between runs (the last inputs and the window's position, in
// QSettings). A file that cannot be read changes nothing in the window.
#pragma once

#include <QMenu>
#include <QObject>
#include <QSettings>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "app/form_layout.h"
#include "design/design_file.h"
#include "report/open_save.h"

namespace tavro::app {

class DesignFiles : public QObject {
  Q_OBJECT

 public:
  // `message` shows a failure (the window's message sink).
  DesignFiles(QWidget& window, const FormControls& controls, char separator,
              std::function<void(const QString&)> message);

  // The open and save dialog; tests give one that does not block.
  void SetFileDialog(report::FileDialog dialog) { dialog_ = std::move(dialog); }

  // The inputs as they stand in the window, and putting a file's inputs in.
  design::DesignFile Inputs() const;
  void Apply(const design::DesignFile& file);

  // Each reports a failure in one message and then changes nothing.
  bool Open(const QString& path);
  void OpenWithDialog();
  void Save();
  void SaveAs();
  const QString& CurrentFile() const { return current_; }

  // Most recent first, at most kRecentFiles.
  QStringList RecentFiles() const;
  void FillRecentMenu(QMenu& menu);

  // The last inputs and the window's position: kept at close, given back at
  // the next start. Restore returns the position to move the window to.
  void StoreSession(const QPoint& position);
  std::optional<QPoint> RestoreSession();

  static constexpr int kRecentFiles = 8;

 signals:
  // A design file was opened or saved: the window's inputs now belong to it.
  void CurrentFileChanged(const QString& path);

 private:
  std::unique_ptr<QSettings> Settings() const;
  bool WriteTo(const QString& path);
  void Remember(const QString& path);

  QWidget& window_;
  const FormControls& controls_;
  char separator_;
  report::FileDialog dialog_ = report::ShowReplacingFileDialog;
  std::function<void(const QString&)> message_;
  QString current_;
};

}  // namespace tavro::app

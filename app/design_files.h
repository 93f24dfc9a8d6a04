// Design files in the window: "Открыть проект...", "Сохранить проект",
// "Сохранить проект как...", the recent files, and what the program
// remembers between runs (the last inputs and the window's position, in
// QSettings). A file holds the inputs and the settings that change a result
// (mains, parts, simulation); a file that cannot be read changes nothing in
// the window. Opening over edits not saved asks first.
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

  // What to do with edits not saved before another file is opened.
  enum class UnsavedChoice { Save, Discard, Cancel };
  using UnsavedQuestion = std::function<UnsavedChoice(QWidget* parent, const QString& name)>;
  void SetUnsavedQuestion(UnsavedQuestion ask) { ask_ = std::move(ask); }

  // The window's settings as a file keeps them, and taking a file's: the
  // entry out of its range when it refuses them (then nothing changes).
  using SettingsGetter = std::function<design::DesignSettings()>;
  using SettingsTaker = std::function<std::optional<std::string>(const design::DesignSettings&)>;
  void SetSettingsAccess(SettingsGetter get, SettingsTaker take);
  // The check of a transformer one has, likewise (none: not kept).
  using AnalysisGetter = std::function<std::optional<design::AnalysisTexts>()>;
  using AnalysisTaker = std::function<void(const std::optional<design::AnalysisTexts>&)>;
  void SetAnalysisAccess(AnalysisGetter get, AnalysisTaker take);

  // The inputs and settings as they stand in the window, and putting a
  // file's inputs in.
  design::DesignFile Inputs() const;
  void Apply(const design::DesignFile& file);

  // Whether the inputs or settings differ from the file last opened or
  // saved (from the start's when there is none). Call Check after a change
  // the window's fields do not show (the mains, the parts).
  bool Modified() const;
  void Check();
  // The window's state as the baseline Modified compares with (a file was
  // opened or saved, or the program has just started).
  void MarkSaved();
  // Asks about edits not saved, if there are any: true when the caller may
  // go on (saved or discarded).
  bool MayDiscard();

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
  // A file was opened and its inputs are in the window.
  void Opened();
  // Modified() may have changed.
  void ModifiedChanged(bool modified);

 private:
  std::unique_ptr<QSettings> Settings() const;
  bool WriteTo(const QString& path);
  void Remember(const QString& path);

  QWidget& window_;
  const FormControls& controls_;
  char separator_;
  report::FileDialog dialog_ = report::ShowReplacingFileDialog;
  std::function<void(const QString&)> message_;
  UnsavedQuestion ask_;
  SettingsGetter settingsOf_;
  SettingsTaker takeSettings_;
  AnalysisGetter analysisOf_;
  AnalysisTaker takeAnalysis_;
  QString current_;
  std::string saved_;  // the file text of the baseline
  bool modified_ = false;
};

}  // namespace tavro::app

#include "app/design_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/native_path.h"
#include "app/qt_text.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

using design::Field;

constexpr const char* kRecentKey = "recent_files";
constexpr const char* kLastInputsKey = "last_inputs";
constexpr const char* kPositionKey = "window_position";

DesignFiles::UnsavedChoice AskAboutUnsaved(QWidget* parent, const QString& name) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                  name.isEmpty() ? T(texts::kUnsavedDesign) : T(texts::kUnsavedFile).arg(name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return DesignFiles::UnsavedChoice::Save;
    case QMessageBox::Discard:
      return DesignFiles::UnsavedChoice::Discard;
    default:
      return DesignFiles::UnsavedChoice::Cancel;
  }
}

}  // namespace

DesignFiles::DesignFiles(QWidget& window, const FormControls& controls, char separator,
                         std::function<void(const QString&)> message)
    : QObject(&window),
      window_(window),
      controls_(controls),
      separator_(separator),
      message_(std::move(message)),
      ask_(AskAboutUnsaved) {
  for (QLineEdit* edit : controls_.edits) {
    if (!edit->isReadOnly()) connect(edit, &QLineEdit::textChanged, this, &DesignFiles::Check);
  }
  connect(controls_.radioButton2, &QRadioButton::toggled, this, &DesignFiles::Check);
  MarkSaved();
}

std::unique_ptr<QSettings> DesignFiles::Settings() const {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::make_unique<QSettings>(folder + "/tavro/tavro.ini", QSettings::IniFormat);
}

design::DesignFile DesignFiles::Inputs() const {
  const auto text = [&](Field f) { return controls_.Edit(f)->text().toStdString(); };
  return {{text(Field::Edit1), text(Field::Edit2), text(Field::Edit3),
           controls_.radioButton2->isChecked() ? "2" : "1", text(Field::Edit5), text(Field::Edit6)},
          separator_,
          settingsOf_ ? settingsOf_() : design::DesignSettings{},
          analysisOf_ ? analysisOf_() : std::nullopt};
}

void DesignFiles::SetAnalysisAccess(AnalysisGetter get, AnalysisTaker take) {
  analysisOf_ = std::move(get);
  takeAnalysis_ = std::move(take);
  MarkSaved();
}

void DesignFiles::SetSettingsAccess(SettingsGetter get, SettingsTaker take) {
  settingsOf_ = std::move(get);
  takeSettings_ = std::move(take);
  MarkSaved();
}

void DesignFiles::MarkSaved() {
  saved_ = design::DesignFileText(Inputs());
  Check();
}

bool DesignFiles::Modified() const {
  return design::DesignFileText(Inputs()) != saved_;
}

void DesignFiles::Check() {
  const bool modified = Modified();
  if (modified == modified_) return;
  modified_ = modified;
  emit ModifiedChanged(modified);
}

bool DesignFiles::MayDiscard() {
  if (!Modified()) return true;
  const QString name = current_.isEmpty() ? QString() : QFileInfo(current_).fileName();
  switch (ask_(&window_, name)) {
    case UnsavedChoice::Save: {
      Save();
      // Saved only if it was written (the dialog may have been cancelled).
      return !Modified();
    }
    case UnsavedChoice::Discard:
      return true;
    case UnsavedChoice::Cancel:
      break;
  }
  return false;
}

void DesignFiles::Apply(const design::DesignFile& file) {
  const auto put = [&](Field f, const std::string& text) { controls_.Edit(f)->setText(Q(text)); };
  put(Field::Edit1, file.Inputs.U0);
  put(Field::Edit2, file.Inputs.I0);
  put(Field::Edit3, file.Inputs.Kp);
  (file.Inputs.Limbs == "2" ? controls_.radioButton2 : controls_.radioButton1)->setChecked(true);
  put(Field::Edit5, file.Inputs.Bm);
  put(Field::Edit6, file.Inputs.Ud);
}

bool DesignFiles::Open(const QString& path) {
  if (!MayDiscard()) return false;
  const design::DesignFileReading reading = design::ReadDesignFile(NativePath(path), separator_);
  const auto refuse = [&](const design::DesignFileError& error) {
    message_(Q(design::DescribeDesignFileError(path.toStdString(), error, i18n::TranslateUtf8)));
    return false;
  };
  if (const auto* error = std::get_if<design::DesignFileError>(&reading)) return refuse(*error);
  const design::DesignFile& file = std::get<design::DesignFile>(reading);
  if (takeSettings_) {
    if (const auto entry = takeSettings_(file.Settings)) {
      return refuse({design::DesignFileProblem::BadEntry, *entry});
    }
  }
  Apply(file);
  if (takeAnalysis_) takeAnalysis_(file.Analysis);
  current_ = path;
  Remember(path);
  MarkSaved();
  emit CurrentFileChanged(path);
  emit Opened();
  return true;
}

void DesignFiles::OpenWithDialog() {
  QString path;
  if (dialog_(&window_, Q(design::kDesignFileExtension), T(texts::kDesignFilter),
              current_.isEmpty() ? QString() : QFileInfo(current_).path(),
              T(texts::kOpenDesignTitle), path, true) &&
      !path.isEmpty()) {
    Open(path);
  }
}

void DesignFiles::Save() {
  if (current_.isEmpty()) {
    SaveAs();
  } else {
    WriteTo(current_);
  }
}

void DesignFiles::SaveAs() {
  QString path = current_.isEmpty() ? QString() : QFileInfo(current_).fileName();
  if (dialog_(&window_, Q(design::kDesignFileExtension), T(texts::kDesignFilter),
              current_.isEmpty() ? QString() : QFileInfo(current_).path(),
              i18n::WithoutMnemonic(T(texts::kSaveDesignTitle)), path, false) &&
      !path.isEmpty()) {
    WriteTo(path);
  }
}

bool DesignFiles::WriteTo(const QString& path) {
  if (const auto error = design::WriteDesignFile(NativePath(path), Inputs())) {
    message_(Q(design::DescribeDesignFileError(path.toStdString(), *error, i18n::TranslateUtf8)));
    return false;
  }
  current_ = path;
  Remember(path);
  MarkSaved();
  emit CurrentFileChanged(path);
  return true;
}

QStringList DesignFiles::RecentFiles() const {
  return Settings()->value(kRecentKey).toStringList();
}

void DesignFiles::Remember(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList recent = RecentFiles();
  recent.removeAll(full);
  recent.prepend(full);
  while (recent.size() > kRecentFiles) recent.removeLast();
  Settings()->setValue(kRecentKey, recent);
}

void DesignFiles::FillRecentMenu(QMenu& menu) {
  menu.clear();
  const QStringList recent = RecentFiles();
  if (recent.isEmpty()) menu.addAction(T(texts::kNoRecent))->setEnabled(false);
  int n = 1;
  for (const QString& path : recent) {
    const QString shown = QStringLiteral("&%1 %2").arg(n++).arg(QDir::toNativeSeparators(path));
    connect(menu.addAction(shown), &QAction::triggered, this, [this, path] { Open(path); });
  }
}

void DesignFiles::StoreSession(const QPoint& position) {
  const std::unique_ptr<QSettings> settings = Settings();
  settings->setValue(kLastInputsKey, Q(design::DesignFileText(Inputs())));
  settings->setValue(kPositionKey, position);
}

std::optional<QPoint> DesignFiles::RestoreSession() {
  const std::unique_ptr<QSettings> settings = Settings();
  const QString last = settings->value(kLastInputsKey).toString();
  if (!last.isEmpty()) {
    const auto reading = design::ParseDesignFile(last.toStdString(), separator_);
    if (const auto* file = std::get_if<design::DesignFile>(&reading)) Apply(*file);
  }
  // What the last run left is where this one starts, not an edit.
  MarkSaved();
  if (!settings->contains(kPositionKey)) return std::nullopt;
  const QPoint position = settings->value(kPositionKey).toPoint();
  // Only a place where the title bar is on some screen.
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(position + QPoint(40, 10))) return position;
  }
  return std::nullopt;
}

}  // namespace tavro::app

#include "report/open_save.h"

#include <QFileInfo>

namespace tavro::report {

QString ReplaceChar(const QString& S, QChar OldChar, QChar NewChar) {
  QString copy = S;
  const qsizetype length = copy.size();
  for (qsizetype i = 0; i < length; ++i) {
    if (copy[i] == OldChar) copy[i] = NewChar;
  }
  return copy;
}

QStringList NameFilters(const QString& Filter) {
  const QStringList parts = ReplaceChar(Filter, QLatin1Char('|'), QChar(0)).split(QChar(0));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString patterns = parts[i + 1];
    if (description.isEmpty() && patterns.isEmpty()) continue;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString bracketed = QLatin1Char('(') + patterns + QLatin1Char(')');
    filters << (description.endsWith(bracketed) ? description
                                                : description + QLatin1Char(' ') + bracketed);
  }
  return filters;
}

std::unique_ptr<QFileDialog> BuildFileDialog(QWidget* Owner, const QString& DefaultExt,
                                             const QString& Filter, const QString& InitialDir,
                                             const QString& Title, const QString& FileName,
                                             bool IsOpen) {
  auto dialog = std::make_unique<QFileDialog>(Owner);
  dialog->setWindowModality(Qt::WindowModal);
  // The toolkit's own dialog: platform dialogs may ask before "overwriting"
  // a file the report would only append to.
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog->setAcceptMode(IsOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog->setFileMode(IsOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!Title.isEmpty()) dialog->setWindowTitle(Title);
  if (!InitialDir.isEmpty()) dialog->setDirectory(InitialDir);
  const QStringList filters = NameFilters(Filter);
  if (!filters.isEmpty()) {
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.front());
  }
  if (!DefaultExt.isEmpty()) dialog->setDefaultSuffix(DefaultExt);
  if (!FileName.isEmpty()) dialog->selectFile(FileName);
  return dialog;
}

namespace {

// Runs the dialog; the chosen name, with the default extension when it has none.
bool RunFileDialog(QFileDialog& dialog, const QString& DefaultExt, QString& FileName) {
  QString chosen;
  QObject::connect(&dialog, &QFileDialog::fileSelected,
                   [&chosen](const QString& file) { chosen = file; });
  if (dialog.exec() != QDialog::Accepted || chosen.isEmpty()) return false;
  // The dialog does not always add the default extension to a typed name;
  // a name without one gets it here.
  if (!DefaultExt.isEmpty() && !QFileInfo(chosen).fileName().contains(QLatin1Char('.'))) {
    chosen += QLatin1Char('.') + DefaultExt;
  }
  FileName = chosen;
  return true;
}

}  // namespace

bool ShowFileDialog(QWidget* Owner, const QString& DefaultExt, const QString& Filter,
                    const QString& InitialDir, const QString& Title, QString& FileName,
                    bool IsOpen) {
  const auto dialog =
      BuildFileDialog(Owner, DefaultExt, Filter, InitialDir, Title, FileName, IsOpen);
  return RunFileDialog(*dialog, DefaultExt, FileName);
}

bool ShowReplacingFileDialog(QWidget* Owner, const QString& DefaultExt, const QString& Filter,
                             const QString& InitialDir, const QString& Title, QString& FileName,
                             bool IsOpen) {
  const auto dialog =
      BuildFileDialog(Owner, DefaultExt, Filter, InitialDir, Title, FileName, IsOpen);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  return RunFileDialog(*dialog, DefaultExt, FileName);
}

}  // namespace tavro::report

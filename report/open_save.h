// The file dialog wrapper: one call that takes plain strings, shows the
// toolkit's modal open or save dialog and hands back the chosen file name.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace tavro::report {

// A copy of S with every OldChar replaced by NewChar; S keeps its length.
QString ReplaceChar(const QString& S, QChar OldChar, QChar NewChar);

// "description|pattern|description|pattern" as the dialog's name filters;
// a description that already names its pattern in brackets is kept as is.
QStringList NameFilters(const QString& Filter);

// The dialog as ShowFileDialog runs it: owned by Owner, with the title and
// start folder when given, the filters (the first preselected), the default
// extension added to a typed name without one, and no overwrite prompt (a
// report is appended, never replacing the file).
std::unique_ptr<QFileDialog> BuildFileDialog(QWidget* Owner, const QString& DefaultExt,
                                             const QString& Filter, const QString& InitialDir,
                                             const QString& Title, const QString& FileName,
                                             bool IsOpen);

// True with FileName set to the chosen full path; false (cancelled or failed)
// with FileName untouched.
bool ShowFileDialog(QWidget* Owner, const QString& DefaultExt, const QString& Filter,
                    const QString& InitialDir, const QString& Title, QString& FileName,
                    bool IsOpen);

// As ShowFileDialog, but saving over an existing file is confirmed first:
// for files that are replaced whole (design files, PDF documents).
bool ShowReplacingFileDialog(QWidget* Owner, const QString& DefaultExt, const QString& Filter,
                             const QString& InitialDir, const QString& Title, QString& FileName,
                             bool IsOpen);

// The signature of ShowFileDialog, so the window can be given another dialog.
using FileDialog = std::function<bool(QWidget*, const QString&, const QString&, const QString&,
                                      const QString&, QString&, bool)>;

}  // namespace tavro::report

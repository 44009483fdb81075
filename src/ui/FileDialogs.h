#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace numora::ui {

// File dialogs of the program. A test answers the next one with `answerNext` instead.
namespace FileDialogs {

QString save(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix);
QString open(QWidget* parent, const QString& caption, const QString& directory, const QString& filter);
// An open dialog that proposes a file name and default extension, as its save dialog does.
QString open(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix);

// The next dialog returns `path` without showing (an empty path is a cancel).
void answerNext(const QString& path);

} // namespace FileDialogs
} // namespace numora::ui

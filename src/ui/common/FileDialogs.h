#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace numora::ui {

// File dialogs of the program. A test answers the next one with `answerNext` instead.
namespace FileDialogs {

// Filter and default suffix are given per dialog, so a dialog never inherits another's.
QString save(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix);
// `proposed` is a folder or a file name the dialog starts on (an open dialog may propose the name
// its save dialog would).
QString open(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix = QString());

// The next dialog returns `path` without showing (an empty path is a cancel).
void answerNext(const QString& path);

// What the last dialog was opened with, for tests.
struct Request {
    QString caption;
    QString proposed; // the proposed file name, or the folder of an open dialog
    QString filter;
    QString suffix;
};
Request lastRequest();

} // namespace FileDialogs
} // namespace numora::ui

#include "ui/FileDialogs.h"

#include <QFileDialog>

#include <optional>

namespace numora::ui::FileDialogs {

namespace {
std::optional<QString> nextAnswer;

std::optional<QString> takeAnswer()
{
    auto answer = nextAnswer;
    nextAnswer.reset();
    return answer;
}
} // namespace

void answerNext(const QString& path) { nextAnswer = path; }

QString save(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix)
{
    if (auto answer = takeAnswer())
        return *answer;
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString open(QWidget* parent, const QString& caption, const QString& directory, const QString& filter)
{
    if (auto answer = takeAnswer())
        return *answer;
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString open(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix)
{
    if (auto answer = takeAnswer())
        return *answer;
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace numora::ui::FileDialogs

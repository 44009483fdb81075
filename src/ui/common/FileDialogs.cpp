#include "ui/common/FileDialogs.h"

#include <QFileDialog>

#include <optional>

namespace numora::ui::FileDialogs {

namespace {
std::optional<QString> nextAnswer;
Request last;

std::optional<QString> takeAnswer()
{
    auto answer = nextAnswer;
    nextAnswer.reset();
    return answer;
}

QString show(QWidget* parent, QFileDialog::AcceptMode mode, const Request& request)
{
    last = request;
    if (auto answer = takeAnswer())
        return *answer;
    QFileDialog dialog(parent, request.caption, request.proposed, request.filter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.suffix);
    if (!request.proposed.isEmpty())
        dialog.selectFile(request.proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
} // namespace

void answerNext(const QString& path) { nextAnswer = path; }

Request lastRequest() { return last; }

QString save(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix)
{
    return show(parent, QFileDialog::AcceptSave, {caption, proposed, filter, suffix});
}

QString open(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
             const QString& suffix)
{
    return show(parent, QFileDialog::AcceptOpen, {caption, proposed, filter, suffix});
}

} // namespace numora::ui::FileDialogs

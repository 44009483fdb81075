#include "ui/common/WindowHooks.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

namespace numora::ui {

WindowHooks::WindowHooks(QWidget* window) : m_window(window) {}

WindowHooks::~WindowHooks() = default;

void WindowHooks::showMessage(const QString& text)
{
    QMessageBox::information(m_window, QApplication::applicationName(), text);
}

bool WindowHooks::askYesNo(const QString& caption, const QString& text)
{
    return QMessageBox::question(m_window, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void WindowHooks::showError(const QString& text)
{
    QMessageBox::critical(m_window, QApplication::applicationName(), text);
}

void WindowHooks::playSound(const QString& path)
{
    // Without an audio device, or without the file, the program simply stays silent.
    if (!QFileInfo::exists(path))
        return;
    if (!m_sound)
        m_sound = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_sound->source() != source)
        m_sound->setSource(source);
    m_sound->stop();
    m_sound->play();
}

} // namespace numora::ui

#pragma once

#include "model/UiHooks.h"

#include <memory>

class QSoundEffect;
class QWidget;

namespace numora::ui {

// Message boxes and sound for the domain operations, shown over the main window.
class WindowHooks final : public UiHooks {
public:
    explicit WindowHooks(QWidget* window);
    ~WindowHooks() override;

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    void playSound(const QString& path) override;
    void showError(const QString& text);

private:
    QWidget* m_window;
    std::unique_ptr<QSoundEffect> m_sound;
};

} // namespace numora::ui

#pragma once

#include <QString>

namespace numora {

// What an operation needs from the window while it runs. The window implements it; the
// command line and the tests use this silent default or a fake.
class UiHooks {
public:
    virtual ~UiHooks() = default;
    virtual void showMessage(const QString& text) { (void)text; }
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text)
    {
        (void)caption;
        (void)text;
        return false;
    }
    // Starts playing a sound file without waiting; a new start cuts the previous one.
    virtual void playSound(const QString& path) { (void)path; }

    static UiHooks& silent();
};

} // namespace numora

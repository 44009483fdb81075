#pragma once

// What the mail window tests share: pressing the e-mail button and acting in the window it shows.
#include "ui/mail/MailWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <functional>

namespace numora::test {

// Presses `mailButton`; `inWindow` runs while the mail window is shown (it may close it).
// Returns whether the window was still open after `inWindow`. The button asks the keyring before
// the window shows, so the window is waited for.
inline bool withMailWindow(QAbstractButton* mailButton, const std::function<void(ui::TMailerForm&)>& inWindow)
{
    bool stillOpen = false;
    int tries = 0;
    std::function<void()> attempt = [&] {
        auto* form = qobject_cast<ui::TMailerForm*>(QApplication::activeModalWidget());
        if (!form) {
            if (++tries < 1000)
                QTimer::singleShot(10, attempt);
            else
                qWarning("no mail window");
            return;
        }
        inWindow(*form);
        stillOpen = form->isVisible();
        if (stillOpen)
            form->reject();
    };
    QTimer::singleShot(0, attempt);
    mailButton->click();
    return stillOpen;
}

} // namespace numora::test

#pragma once

#include <QObject>

class QWidget;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class LottotippPage;
class TMailerForm;

// The sheet's e-mail button: the sheet goes into the mail window with its evaluation link.
class MailController final : public QObject {
    Q_OBJECT
public:
    // `window` is the main window: parent of the mail window.
    MailController(ProgramState& state, LottotippPage* sheet, QWidget* window);

    TMailerForm* mailer() const { return m_mailer; }

private:
    void mailTip();

    ProgramState& m_state;
    TMailerForm* m_mailer;
};

} // namespace numora::ui

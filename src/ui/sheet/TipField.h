#pragma once

#include <QLineEdit>
#include <QMetaObject>

namespace numora::ui {

// A number field of the tip sheet; reports when the input focus moves from it to another control.
class TipField final : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    ~TipField() override;

Q_SIGNALS:
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void awaitReturn();
    void onFocusChanged(QWidget* now);

    QMetaObject::Connection m_awaiting;
};

} // namespace numora::ui

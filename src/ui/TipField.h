#pragma once

#include <QLineEdit>

namespace numora::ui {

// A number field of the tip sheet; reports when the input focus moves from it to another control.
class TipField final : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace numora::ui

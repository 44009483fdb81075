#pragma once

#include <QLabel>

namespace numora::ui {

// A label that reports left clicks (row labels, links, product panels).
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace numora::ui

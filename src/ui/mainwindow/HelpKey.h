#pragma once

#include <QObject>

#include <functional>

namespace numora::ui {

// F1 anywhere in the program: watches the key events of the whole application, so the main
// window, the options pages and every dialog (modal or not) share one help key. Lives as long as
// its parent; a second instance replaces nothing, each calls its own `open`.
class HelpKey final : public QObject {
public:
    HelpKey(QObject* parent, std::function<void()> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_open;
};

} // namespace numora::ui

#pragma once

// What every window test needs: a main window on a temporary program directory with a fixed
// "today", and widgets found by their component names.
#include "ui/LottoZahlen.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace numora::test {

class WindowFixture {
protected:
    QTemporaryDir m_dir;
    std::unique_ptr<ui::TForm1> m_window;

    QString drawPath() const { return m_dir.filePath(QStringLiteral("ZahlenTr.dat")); }

    // Shows a new main window, which runs its start-up.
    void startWindow(QDate today)
    {
        m_window = std::make_unique<ui::TForm1>(m_dir.path());
        m_window->state().today = [today] { return today; };
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    template <typename T>
    T* find(const QString& name)
    {
        auto* widget = m_window->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
};

} // namespace numora::test

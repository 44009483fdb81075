#pragma once

// What every window test needs: a main window on a temporary program directory with a fixed
// "today", and widgets found by their component names.
#include "base/DayDate.h"
#include "model/TZiehung.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

namespace numora::test {

// A draw of the history: date and six numbers.
inline TZiehung draw(int y, int m, int d, std::array<int, 6> numbers)
{
    TZiehung record;
    record.Datum = DayDate::fromYmd(y, m, d);
    for (int i = 0; i < 6; ++i)
        record.Zahlen[i] = static_cast<std::uint8_t>(numbers[std::size_t(i)]);
    return record;
}

// Answers the next modal message box with `button` and remembers its text.
inline void answerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr)
{
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (text)
            *text = box->text();
        box->button(button)->click();
    });
}

// Answers the next input box with `text`.
inline void answerInput(const QString& text)
{
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setTextValue(text);
        dialog->accept();
    });
}

// Answers the next choice box by choosing `item`; keeps the item it offered first.
inline void answerChoice(const QString& item, QString* offered = nullptr)
{
    QTimer::singleShot(0, [item, offered] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (offered)
            *offered = dialog->textValue();
        dialog->setTextValue(item);
        dialog->accept();
    });
}

class WindowFixture {
protected:
    QTemporaryDir m_dir;
    std::unique_ptr<ui::TForm1> m_window;

    QString drawPath() const { return m_dir.filePath(QStringLiteral("ZahlenTr.dat")); }

    // The settings store of the tests' user: a folder of the test's own.
    QString configHome() const { return m_dir.filePath(QStringLiteral("config")); }

    // Shows a new main window, which runs its start-up with the settings stored in configHome():
    // those an earlier window of the test saved when `keepSettings`, else none (a first run).
    void startWindow(QDate today, bool keepSettings = false)
    {
        if (!keepSettings)
            QDir(configHome()).removeRecursively();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
        m_window = std::make_unique<ui::TForm1>(m_dir.path());
        m_window->state().today = [today] { return today; };
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // The texts of the six fields of a row whose first field is "Edit" + firstField.
    QStringList rowTexts(int firstField)
    {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << find<QLineEdit>(QStringLiteral("Edit%1").arg(firstField + i))->text();
        return texts;
    }

    // Types `numbers` into a row's fields, then leaves the row, which evaluates the sheet.
    void typeRow(int firstField, const QStringList& numbers)
    {
        for (int i = 0; i < numbers.size(); ++i) {
            auto* field = find<QLineEdit>(QStringLiteral("Edit%1").arg(firstField + i));
            field->setFocus();
            field->clear();
            QTest::keyClicks(field, numbers[i]);
        }
        find<QLineEdit>(QStringLiteral("Edit79"))->setFocus();
        QApplication::processEvents();
    }

    // Answers the message boxes to come with `buttons`, one each, and keeps their texts. Polls,
    // since the next box opens only after the work the previous answer started.
    std::shared_ptr<QStringList> answerMessageBoxes(QList<QMessageBox::StandardButton> buttons)
    {
        auto texts = std::make_shared<QStringList>();
        auto* timer = new QTimer(m_window.get());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, buttons, texts]() mutable {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            texts->append(box->text());
            QAbstractButton* button = box->button(buttons.takeFirst());
            if (buttons.isEmpty())
                timer->deleteLater();
            if (button)
                button->click();
        });
        timer->start();
        return texts;
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

// The long runs of the window exclude each other: a run reads or writes what another one uses, so
// while one goes on the others neither start from their controls, which are off, nor from a
// signal that reaches their handlers all the same.
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "support/ServicesProcess.h"
#include "support/TestSupport.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace numora;
using numora::test::ServicesProcess;

class RunGateWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    const QString m_csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");

    // The history without its last five draws, which the services stand-in has.
    void storeAllButTheLastFive()
    {
        QFile file(m_csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        auto records = DrawCsv::parse(file.readAll()).value();
        records.resize(records.size() - 5);
        QVERIFY(DrawFile(drawPath()).replaceAll(records).ok());
    }

    void pointAt(const ServicesProcess& services)
    {
        find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(services.baseUrl());
        m_window->state().hosts.results = services.baseUrl();
    }

    // Every run that starts asks or reports through a modal dialog; each one is rejected and its
    // title kept.
    std::shared_ptr<QStringList> refuseDialogs()
    {
        auto titles = std::make_shared<QStringList>();
        auto* timer = new QTimer(m_window.get());
        timer->setInterval(10);
        connect(timer, &QTimer::timeout, timer, [titles] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || dialog->property("refused").toBool())
                return;
            dialog->setProperty("refused", true);
            titles->append(QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(": ") + dialog->windowTitle());
            dialog->reject();
        });
        timer->start();
        return titles;
    }

    // Starts a generation no row can pass, calls `during` while it runs, then stops it.
    void duringAGeneration(const std::function<void()>& during)
    {
        find<QSpinBox>(QStringLiteral("UpDown1"))->setValue(21);
        find<QSpinBox>(QStringLiteral("UpDown2"))->setValue(21);
        find<QSpinBox>(QStringLiteral("UpDown7"))->setValue(30000);
        auto* calculate = find<QPushButton>(QStringLiteral("BitBtn4"));
        QTimer::singleShot(100, [&] {
            QVERIFY(m_window->state().generation.running());
            during();
            QVERIFY(m_window->state().generation.running());
            QTest::mouseClick(calculate, Qt::LeftButton);
        });
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(!m_window->state().generation.running());
    }

    // What starts the run: a button's click or a menu item's trigger, sent to its handler even
    // when the control is off.
    void start(QObject* starter)
    {
        if (auto* action = qobject_cast<QAction*>(starter))
            Q_EMIT action->triggered(false);
        else
            Q_EMIT qobject_cast<QAbstractButton*>(starter)->clicked(false);
    }

    bool enabled(QObject* starter)
    {
        if (auto* action = qobject_cast<QAction*>(starter))
            return action->isEnabled();
        return qobject_cast<QWidget*>(starter)->isEnabled();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void cleanup() { m_window.reset(); }

    void noOtherRunStartsDuringAGeneration_data()
    {
        QTest::addColumn<QString>("starter");
        QTest::newRow("Aktualisieren, Datenbank") << QStringLiteral("BitBtn1");
        QTest::newRow("Aktualisieren, Lottotipp") << QStringLiteral("SpeedButton4");
        QTest::newRow("Aktualisieren, Menü") << QStringLiteral("Aktualisieren1");
        QTest::newRow("Neu aufbauen") << QStringLiteral("Button7");
        QTest::newRow("Tipps in DB suchen") << QStringLiteral("SpeedButton10");
        QTest::newRow("Parameter testen") << QStringLiteral("BitBtn9");
        QTest::newRow("Ziehungen vergleichen") << QStringLiteral("BitBtn19");
        QTest::newRow("Eingeben") << QStringLiteral("BitBtn8");
        QTest::newRow("Löschen") << QStringLiteral("BitBtn6");
        QTest::newRow("Datenbank neu anlegen") << QStringLiteral("BitBtn2");
    }

    void noOtherRunStartsDuringAGeneration()
    {
        QFETCH(QString, starter);
        storeAllButTheLastFive();
        const QByteArray before = test::readBytes(drawPath());
        ServicesProcess services({QStringLiteral("--draws"), m_csv});
        QVERIFY(services.isRunning());
        startWindow(QDate(2019, 11, 2));
        pointAt(services);
        QObject* control = find<QObject>(starter);
        const auto dialogs = refuseDialogs();
        bool enabledDuringRun = true;
        duringAGeneration([&] {
            enabledDuringRun = enabled(control);
            start(control);
        });
        QVERIFY2(dialogs->isEmpty(), qPrintable(dialogs->join(QLatin1Char('\n'))));
        QVERIFY(test::readBytes(drawPath()) == before);
        QVERIFY(!enabledDuringRun);
        QVERIFY(enabled(control));
    }

    void noGenerationStartsDuringAnUpdate()
    {
        storeAllButTheLastFive();
        // Slow answers, so that the window pumps while the update runs.
        ServicesProcess services({QStringLiteral("--draws"), m_csv, QStringLiteral("--delay"), QStringLiteral("20:/zahlen/*")});
        QVERIFY(services.isRunning());
        startWindow(QDate(2019, 11, 2));
        pointAt(services);
        auto* calculate = find<QPushButton>(QStringLiteral("BitBtn4"));
        bool enabledDuringRun = true;
        QStringList rowDuringRun;
        QTimer::singleShot(100, [&] {
            enabledDuringRun = calculate->isEnabled();
            start(calculate);
            start(find<QAction>(QStringLiteral("Berechnen1")));
            rowDuringRun = rowTexts(1);
        });
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QCOMPARE(rowDuringRun, QStringList(6, QString()));
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), std::size_t(1267));
        QVERIFY(!enabledDuringRun);
        QVERIFY(calculate->isEnabled());
    }
};

QTEST_MAIN(RunGateWindowTest)
#include "RunGateWindowTest.moc"

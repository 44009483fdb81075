// The history from the window: the update from the services stand-in with its stop button, the
// update from a CSV address, and entering and deleting a draw by hand.
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "support/ServicesProcess.h"
#include "support/TestSupport.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace numora;
using numora::test::ServicesProcess;
using numora::ui::TForm1;

class DatabaseWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    std::vector<TZiehung> history(const QString& csv)
    {
        QFile file(csv);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return DrawCsv::parse(file.readAll()).value();
    }


private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void cleanup() { m_window.reset(); }

    void updateBringsTheHistoryUpToDate()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        std::vector<TZiehung> all = history(csv);
        QVERIFY(all.size() == 1267);
        // The file ends five draws early; the update fetches them.
        const std::vector<TZiehung> old(all.begin(), all.end() - 5);
        QVERIFY(DrawFile(drawPath()).replaceAll(old).ok());
        // Slow answers, so that the window pumps while the update runs.
        ServicesProcess services({QStringLiteral("--draws"), csv, QStringLiteral("--delay"), QStringLiteral("20:/zahlen/*")});
        QVERIFY(services.isRunning());

        startWindow(QDate(2019, 11, 2));
        find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(services.baseUrl());
        auto* stop = find<QPushButton>(QStringLiteral("StopButton"));
        bool stopShown = false;
        QTimer::singleShot(0, [&] { stopShown = !stop->isHidden(); });
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QVERIFY(stopShown);
        QVERIFY(stop->isHidden());
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled());
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), all.size());
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Sa 02.11.19    6  29  31  32  44  45"));
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("03.11.2019"));
    }

    void stopEndsTheUpdateAfterTheDayInProgress()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        QVERIFY(DrawFile(drawPath()).create().ok());
        ServicesProcess services({QStringLiteral("--draws"), csv, QStringLiteral("--delay"), QStringLiteral("20:/zahlen/*")});
        QVERIFY(services.isRunning());
        startWindow(QDate(2019, 11, 2));
        find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(services.baseUrl());
        QTimer::singleShot(300, [this] { QTest::mouseClick(find<QPushButton>(QStringLiteral("StopButton")), Qt::LeftButton); });
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        const auto stored = DrawFile(drawPath()).readAll();
        QVERIFY(stored.ok());
        QVERIFY(stored->size() < 1267);
        // What arrived is whole and in order: a prefix of the real history.
        const std::vector<TZiehung> all = history(csv);
        for (std::size_t i = 0; i < stored->size(); ++i)
            QCOMPARE((*stored)[i].toBytes(), all[i].toBytes());
    }

    void aDeadServiceEndsTheUpdateWithAMessage()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        const std::vector<TZiehung> all = history(csv);
        QVERIFY(DrawFile(drawPath()).replaceAll(all).ok());
        // A stand-in that has ended: its port refuses every connection at once.
        ServicesProcess gone({QStringLiteral("--draws"), csv});
        QVERIFY(gone.isRunning());
        const QString address = gone.baseUrl();
        QCOMPARE(gone.stop(), 0);

        startWindow(QDate(2026, 12, 10));
        find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(address);
        const auto messages = answerMessageBoxes({QMessageBox::Ok});
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QCOMPARE(messages->size(), 1);
        QVERIFY2(messages->first().contains(address) && messages->first().contains(QStringLiteral("nicht erreichbar")),
                 qPrintable(messages->first()));
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled());
        QVERIFY(find<QPushButton>(QStringLiteral("StopButton"))->isHidden());
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), all.size());
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Sa 02.11.19    6  29  31  32  44  45"));
    }

    // With "CSV-Adresse der Ziehungen:" set, the update merges that file (here behind a redirect)
    // instead of asking the service, and the address is kept for the next start.
    void updateMergesTheCsvAddressInstead()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        const std::vector<TZiehung> all = history(csv);
        QVERIFY(DrawFile(drawPath()).replaceAll(all).ok());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("csv")));
        QFile shipped(csv);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QFile served(m_dir.filePath(QStringLiteral("csv/neu.csv")));
        QVERIFY(served.open(QIODevice::WriteOnly));
        served.write(shipped.readAll() + "06.11.2019,2,9,17,24,38,41\n09.11.2019,4,12,19,28,33,47\n");
        served.close();
        ServicesProcess services({QStringLiteral("--draws"), csv, QStringLiteral("--csv"), m_dir.filePath(QStringLiteral("csv"))});
        QVERIFY(services.isRunning());
        const QString address = services.baseUrl() + QStringLiteral("/numora-services/redirect?to=/csv/neu.csv");

        startWindow(QDate(2019, 11, 20));
        auto* field = find<QLineEdit>(QStringLiteral("CsvAddressEdit"));
        QVERIFY(field->text().isEmpty());
        field->setText(address);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QVERIFY(find<QPushButton>(QStringLiteral("StopButton"))->isHidden());
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled());
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), all.size() + 2);
        QCOMPARE(m_window->statusPanel(0)->text(), QStringLiteral("Angefügt: 2, schon vorhanden: 1267, Konflikte: 0, Lücken: 0"));
        QCOMPARE(m_window->statusPanel(1)->text(), m_window->statusPanel(0)->text());
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Sa 09.11.19    4  12  19  28  33  47"));

        m_window->close();
        startWindow(QDate(2019, 11, 20), true);
        QCOMPARE(find<QLineEdit>(QStringLiteral("CsvAddressEdit"))->text(), address);
    }

    void aDeadCsvAddressEndsTheUpdateWithOneMessage()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        const std::vector<TZiehung> all = history(csv);
        QVERIFY(DrawFile(drawPath()).replaceAll(all).ok());
        ServicesProcess gone({QStringLiteral("--draws"), csv});
        QVERIFY(gone.isRunning());
        const QString address = gone.baseUrl() + QStringLiteral("/csv/ziehungen.csv");
        QCOMPARE(gone.stop(), 0);

        startWindow(QDate(2026, 12, 10));
        find<QLineEdit>(QStringLiteral("CsvAddressEdit"))->setText(address);
        const auto messages = answerMessageBoxes({QMessageBox::Ok});
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QCOMPARE(messages->size(), 1);
        QVERIFY2(messages->first().contains(address) && messages->first().contains(QStringLiteral("nicht erreichbar")),
                 qPrintable(messages->first()));
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled());
        QVERIFY2(m_window->statusPanel(0)->text().startsWith(QStringLiteral("Failed : ")),
                 qPrintable(m_window->statusPanel(0)->text()));
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), all.size());
    }

    // An answer that stalls halfway: "Stopp" ends the fetch, and nothing is written or reported.
    void stopEndsAStalledCsvDownload()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        QVERIFY(DrawFile(drawPath()).replaceAll(history(csv)).ok());
        const QByteArray before = DrawFile(drawPath()).readAll().ok() ? numora::test::readBytes(drawPath()) : QByteArray();
        ServicesProcess services({QStringLiteral("--draws"), csv, QStringLiteral("--stall-body"), QStringLiteral("/csv/*")});
        QVERIFY(services.isRunning());
        startWindow(QDate(2019, 11, 20));
        find<QLineEdit>(QStringLiteral("CsvAddressEdit"))->setText(services.baseUrl() + QStringLiteral("/csv/ziehungen.csv"));
        auto* stop = find<QPushButton>(QStringLiteral("StopButton"));
        // Clicked once the download shows in the status bar.
        auto* clicker = new QTimer(m_window.get());
        clicker->setInterval(20);
        connect(clicker, &QTimer::timeout, clicker, [this, stop, clicker] {
            if (!stop->isHidden() && m_window->statusPanel(0)->text().startsWith(QStringLiteral("Received"))) {
                clicker->stop();
                QTest::mouseClick(stop, Qt::LeftButton);
            }
        });
        clicker->start();
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QVERIFY(!clicker->isActive());
        QCOMPARE(m_window->statusPanel(0)->text(), QStringLiteral("Gestoppt"));
        QVERIFY(numora::test::readBytes(drawPath()) == before);
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn1"))->isEnabled());
    }

    void aFailedRebuildShowsAndDeletesOnlyStoredDraws()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        const std::vector<TZiehung> all = history(csv);
        QVERIFY(DrawFile(drawPath()).replaceAll(all).ok());
        // Pages 1 and 2 are read, page 3 fails.
        ServicesProcess services({QStringLiteral("--draws"), csv, QStringLiteral("--results"),
                                  QStringLiteral(NUMORA_SOURCE_DIR "/tests/data/lotto_6aus49.csv"),
                                  QStringLiteral("--status"), QStringLiteral("500:*nr=3")});
        QVERIFY(services.isRunning());
        startWindow(QDate(2026, 12, 10));
        m_window->state().hosts.results = services.baseUrl();

        const auto messages = answerMessageBoxes({QMessageBox::Yes, QMessageBox::Ok});
        find<QPushButton>(QStringLiteral("Button7"))->click();
        QCOMPARE(messages->size(), 2);
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), all.size());
        // Back on the newest stored draw, not on the draw of 16.10.1955 from page 2.
        const QString newest = QStringLiteral("Sa 02.11.19    6  29  31  32  44  45");
        QCOMPARE(find<QLabel>(QStringLiteral("Label29"))->text(), newest);
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), newest);

        // "Löschen" deletes that draw and nothing else.
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);
        const auto stored = DrawFile(drawPath()).readAll();
        QCOMPARE(stored->size(), all.size() - 1);
        QCOMPARE(stored->back().toBytes(), all[all.size() - 2].toBytes());
    }

    void enterAndDeleteADraw()
    {
        const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
        QVERIFY(DrawFile(drawPath()).replaceAll(history(csv)).ok());
        startWindow(QDate(2019, 11, 2));

        // A new draw after the newest one, typed in any order.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ui::TForm3*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Zahlen der Ziehung eingeben"));
            QCOMPARE(dialog->date->date(), QDate(2019, 11, 2));
            dialog->date->setDate(QDate(2019, 11, 6));
            const int numbers[] = {45, 3, 19, 8, 33, 27};
            for (int i = 0; i < 6; ++i)
                dialog->upDowns[std::size_t(i)]->setValue(numbers[i]);
            dialog->accept();
        });
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn8")), Qt::LeftButton);
        auto stored = DrawFile(drawPath()).readAll();
        QCOMPARE(stored->size(), std::size_t(1268));
        const TZiehung& added = stored->back();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(added.Zahlen), 6), QByteArray("\x03\x08\x13\x1b\x21\x2d", 6));
        // The browser stays on the draw it showed; the next one is the new draw.
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Sa 02.11.19    6  29  31  32  44  45"));
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton7")), Qt::LeftButton);
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Mi 06.11.19    3  8  19  27  33  45"));

        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), std::size_t(1267));
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Sa 02.11.19    6  29  31  32  44  45"));
    }
};

QTEST_MAIN(DatabaseWindowTest)
#include "DatabaseWindowTest.moc"

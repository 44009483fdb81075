// The settings store from the window: what a user leaves is there at the next start.
#include "app/Einstellungen.h"
#include "base/DayDate.h"
#include "base/RegistryKey.h"
#include "draws/DrawFile.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace numora;

class SettingsWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    const QDate m_today{2026, 12, 10};

    QString storePath() const { return configHome() + QStringLiteral("/Veldor/Orbix.reg"); }

    QByteArray storeBytes() const
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeStore(const QByteArray& lines)
    {
        QDir().mkpath(configHome() + QStringLiteral("/Veldor"));
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\r\n");
        file.write(lines);
    }

    QButtonGroup* radioItems(const QString& name)
    {
        return find<QGroupBox>(name)->findChild<QButtonGroup*>();
    }

    void closeWindow()
    {
        m_window->close();
        QVERIFY(!m_window->isVisible());
        m_window.reset();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TZiehung first;
        first.Datum = DayDate::fromYmd(2019, 10, 30);
        const std::uint8_t numbers[6] = {3, 8, 19, 27, 33, 45};
        std::copy(numbers, numbers + 6, first.Zahlen);
        TZiehung second = first;
        second.Datum = DayDate::fromYmd(2019, 11, 2);
        QVERIFY(DrawFile(drawPath()).replaceAll(std::vector<TZiehung>{first, second}).ok());
    }

    void cleanup() { m_window.reset(); }

    void firstRunShowsTheDesignedValues()
    {
        startWindow(m_today);
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("80"));
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox16"))->isChecked());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox17"))->isChecked());
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), QDate(1996, 11, 16));
        QCOMPARE(m_window->state().ticket.tippTop, 39);
        QCOMPARE(m_window->state().ticket.land, 1);
        QVERIFY(!QFile::exists(storePath())); // nothing is written before the window closes
    }

    void everythingTheUserLeftIsBackAfterARestart()
    {
        startWindow(m_today);
        find<QCheckBox>(QStringLiteral("CheckBox2"))->setChecked(true);
        find<QCheckBox>(QStringLiteral("CheckBox10"))->setChecked(false);
        find<QCheckBox>(QStringLiteral("CheckBox17"))->setChecked(false);
        find<QCheckBox>(QStringLiteral("CheckBox31"))->setChecked(true);
        find<QSpinBox>(QStringLiteral("UpDown7"))->setValue(120);
        find<QSpinBox>(QStringLiteral("UpDown8"))->setValue(5);
        find<QSpinBox>(QStringLiteral("UpDown12"))->setValue(44);
        QTest::keyClicks(find<QLineEdit>(QStringLiteral("Edit1")), QStringLiteral("7"));
        QTest::keyClicks(find<QLineEdit>(QStringLiteral("Edit79")), QStringLiteral("49"));
        find<QLineEdit>(QStringLiteral("ProxyHostEdit"))->setText(QStringLiteral("proxy.local"));
        find<QLineEdit>(QStringLiteral("ProxyPortEdit"))->setText(QStringLiteral("3128"));
        find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(QStringLiteral("http://127.0.0.1:9999"));
        find<QLineEdit>(QStringLiteral("Edit81"))->setText(QStringLiteral("0,60"));
        find<QCheckBox>(QStringLiteral("CheckBox32"))->setChecked(true);
        radioItems(QStringLiteral("RadioGroup2"))->button(1)->setChecked(true);
        find<QDateEdit>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2001, 5, 5));
        m_window->resize(820, 610);
        QApplication::processEvents();
        closeWindow();

        const QByteArray bytes = storeBytes();
        QVERIFY(bytes.startsWith("Windows Registry Editor Version 5.00\r\n"));
        QVERIFY(bytes.contains("\"Chekcbox2\"=dword:00000001\r\n"));
        QVERIFY(bytes.contains("\"width\"=dword:00000334\r\n"));

        startWindow(m_today, true);
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox2"))->isChecked());
        QVERIFY(!find<QCheckBox>(QStringLiteral("CheckBox10"))->isChecked());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox16"))->isChecked());
        QVERIFY(!find<QCheckBox>(QStringLiteral("CheckBox17"))->isChecked());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox31"))->isChecked());
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown7"))->value(), 120);
        QCOMPARE(m_window->state().generatorLoopLimit, 120000);
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown8"))->value(), 5);
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown12"))->value(), 44);
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("7"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit79"))->text(), QStringLiteral("49"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.local"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("3128"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->text(), QStringLiteral("http://127.0.0.1:9999"));
        QCOMPARE(m_window->state().hosts.services, QStringLiteral("http://127.0.0.1:9999"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit81"))->text(), QStringLiteral("0,60"));
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox32"))->isChecked());
        QCOMPARE(radioItems(QStringLiteral("RadioGroup2"))->checkedId(), 1);
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), QDate(2001, 5, 5));
        QCOMPARE(m_window->size(), QSize(820, 610));
        // The sheet was evaluated against the newest draw with the loaded rows.
        QVERIFY(m_window->state().sheet.sheetReady());
    }

    // A store the window of an earlier build wrote (tests/data/ui/Orbix.reg) loads unchanged:
    // every value is back, and a close without a change writes the same file again.
    void aStoreFromAnEarlierBuildLoadsUnchanged()
    {
        QFile fixture(QStringLiteral(NUMORA_SOURCE_DIR "/tests/data/ui/Orbix.reg"));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        const QByteArray stored = fixture.readAll();
        QVERIFY(stored.contains("\"Chekcbox2\"=dword:00000001\r\n"));
        QDir().mkpath(configHome() + QStringLiteral("/Veldor"));
        QFile::remove(storePath());
        QVERIFY(fixture.copy(storePath()));
        QFile(storePath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

        startWindow(m_today, true);
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox2"))->isChecked());
        QVERIFY(!find<QCheckBox>(QStringLiteral("CheckBox10"))->isChecked());
        QVERIFY(!find<QCheckBox>(QStringLiteral("CheckBox17"))->isChecked());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox31"))->isChecked());
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown7"))->value(), 120);
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown8"))->value(), 5);
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown12"))->value(), 44);
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("7"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit79"))->text(), QStringLiteral("49"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.local"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("3128"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->text(), QStringLiteral("http://127.0.0.1:9999"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit81"))->text(), QStringLiteral("0,60"));
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox32"))->isChecked());
        QCOMPARE(radioItems(QStringLiteral("RadioGroup2"))->checkedId(), 1);
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), QDate(2001, 5, 5));
        QCOMPARE(m_window->size(), QSize(820, 610));
        closeWindow();
        QCOMPARE(storeBytes(), stored);
    }

    void aMaximisedCloseKeepsTheLastNormalSize()
    {
        writeStore("\"height\"=dword:00000258\r\n\"width\"=dword:00000320\r\n");
        startWindow(m_today, true);
        QCOMPARE(m_window->size(), QSize(800, 600));
        m_window->showMaximized();
        QApplication::processEvents();
        closeWindow();
        const QByteArray bytes = storeBytes();
        QVERIFY(bytes.contains("\"height\"=dword:00000258\r\n"));
        QVERIFY(bytes.contains("\"width\"=dword:00000320\r\n"));
    }

    void aDamagedStoreCostsOnlyTheDamagedValues()
    {
        writeStore("\"Chekcbox2\"=dword:00000001\r\n"
                   "\"Chekcbox3\"=dwort:0\r\n" // damaged: skipped, the group goes on
                   "\"Chekcbox14\"=dword:00000000\r\n"
                   "\"Sprache\"=\"Deutsch\"\r\n" // wrong type: the rest of its group stays designed
                   "\"UpDown7\"=dword:00000063\r\n"
                   "\"ProxyHostEdit\"=\"proxy.local\"\r\n"
                   "\"ProxyPortEdit\"=\"8080\"\r\n"
                   "\"DateTimePicker2\"=hex:00,00");
        startWindow(m_today, true);
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox2"))->isChecked());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox3"))->isChecked());
        QVERIFY(!find<QCheckBox>(QStringLiteral("CheckBox14"))->isChecked());
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown7"))->value(), 50);
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("8080"));
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), QDate(1996, 11, 15));
        const QString status = m_window->statusPanel(1)->text();
        QVERIFY2(status.startsWith(QStringLiteral("Einstellungen: 3 unlesbare")), qPrintable(status));

        closeWindow();
        RegistryKey clean(QString::fromLatin1(Einstellungen::KeyPath), storePath());
        QVERIFY(clean.load().ok());
        QVERIFY2(clean.problems().isEmpty(), qPrintable(clean.problems().join(QLatin1Char('\n'))));
        QVERIFY(clean.contains(QStringLiteral("Chekcbox3")));
    }

    void aFailedSaveIsShownAndTheWindowClosesAllTheSame()
    {
        startWindow(m_today);
        // The store's folder cannot be made: a file stands where it belongs.
        QDir().mkpath(configHome());
        QFile blocker(configHome() + QStringLiteral("/Veldor"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto shown = std::make_shared<QString>();
        QTimer::singleShot(0, [shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *shown = box->text();
                box->accept();
            }
        });
        closeWindow();
        QVERIFY2(shown->startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.")),
                 qPrintable(*shown));
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"

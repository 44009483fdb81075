// The sheet's file, search and report buttons of the main window.
#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "ui/common/FileDialogs.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDateEdit>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using namespace numora;
using numora::test::answerNextMessageBox;
using numora::test::draw;
using numora::ui::FileDialogs::answerNext;
using numora::ui::FileDialogs::lastRequest;
using numora::ui::TForm1;

class TipsWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the desktop's viewer.
    void openedUrl(const QUrl& url) { m_opened << url; }

private:
    QList<QUrl> m_opened;

    void click(const char* name) { QTest::mouseClick(find<QToolButton>(QString::fromLatin1(name)), Qt::LeftButton); }

    QString label(const char* name) { return find<QLabel>(QString::fromLatin1(name))->text(); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QApplication::setApplicationName(TForm1::applicationTitle());
        QVERIFY(m_dir.isValid());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        const std::vector<TZiehung> history{
            draw(1996, 11, 16, {3, 8, 19, 27, 33, 45}),
            draw(1996, 11, 23, {3, 14, 16, 23, 27, 43}),
            draw(1996, 11, 30, {1, 2, 3, 4, 5, 6}),
        };
        QVERIFY(DrawFile(drawPath()).replaceAll(history).ok());
        m_opened.clear();
        startWindow(QDate(2026, 12, 10));
    }

    void cleanup() { m_window.reset(); }

    void saveClearAndLoadBack()
    {
        typeRow(1, {"6", "5", "4", "3", "2", "1"});
        typeRow(13, {"3", "8", "19", "27", "33", "45"});
        const QString path = m_dir.filePath(QStringLiteral("mein.ntp"));
        answerNext(path);
        click("SpeedButton8");
        // The next draw after Saturday 30.11.1996 is Wednesday 04.12.1996.
        QCOMPARE(lastRequest().proposed, QStringLiteral("19961204.ntp"));
        QCOMPARE(lastRequest().filter, QStringLiteral("Tippdatei (*.ntp)"));
        QCOMPARE(lastRequest().suffix, QStringLiteral("ntp"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("1,2,3,4,5,6\r\n,,,,,\r\n3,8,19,27,33,45\r\n,,,,,\r\n"));

        answerNextMessageBox(QMessageBox::Yes);
        click("SpeedButton11");
        QCOMPARE(rowTexts(1), QStringList(6));
        // A locked row is overwritten by its line, here the empty row 2.
        typeRow(7, {"7", "8", "9", "10", "11", "12"});
        QTest::mouseClick(find<QLabel>(QStringLiteral("Label30")), Qt::LeftButton);

        answerNext(path);
        click("SpeedButton9");
        QCOMPARE(lastRequest().filter, QStringLiteral("Tippdatei (*.ntp)"));
        QCOMPARE(rowTexts(1), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(rowTexts(7), QStringList(6));
        QCOMPARE(rowTexts(13), (QStringList{"3", "8", "19", "27", "33", "45"}));
        // Evaluated against the chosen date's draw.
        QCOMPARE(label("Label22"), QStringLiteral("6"));
        QCOMPARE(label("Label24"), QStringLiteral("1"));
        QCOMPARE(label("Label36"), QStringLiteral("21"));
    }

    void searchMovesTheDisplayAndACancelledLoadBringsItBack()
    {
        typeRow(1, {"3", "8", "19", "27", "33", "45"});
        QString question;
        QTimer::singleShot(0, [&question] {
            auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(input);
            QCOMPARE(input->textValue(), QStringLiteral("6"));
            input->setTextValue(QStringLiteral("5"));
            answerNextMessageBox(QMessageBox::No, &question);
            input->accept();
        });
        click("SpeedButton10");
        QCOMPARE(question, QStringLiteral("Ein Treffer gefunden am :16.11.1996   Weiter?"));
        QCOMPARE(label("Label35"), QStringLiteral("Sa 16.11.96    3  8  19  27  33  45"));
        QCOMPARE(label("Label22"), QStringLiteral("6"));
        QCOMPARE(find<QLabel>(QStringLiteral("Label22"))->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate(1996, 11, 30));

        answerNext(QString());
        click("SpeedButton9");
        QCOMPARE(label("Label35"), QStringLiteral("Sa 30.11.96    1  2  3  4  5  6"));
        QCOMPARE(label("Label22"), QStringLiteral("1"));
        QCOMPARE(rowTexts(1), (QStringList{"3", "8", "19", "27", "33", "45"}));
    }

    void reportIsWrittenAndOpened()
    {
        typeRow(1, {"1", "2", "3", "4", "5", "6"});
        click("SpeedButton13");
        QCOMPARE(m_opened.size(), 1);
        const QString path = m_dir.filePath(QStringLiteral("Tipp.txt"));
        QCOMPARE(m_opened.first().toLocalFile(), path);
        QFile report(path);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(report.readAll()),
                 QStringLiteral("Veldors Numora www.numora.example Tipp für Mittwoch 04.12.96\r\n"
                                "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n\r\n"
                                " 1. Tipp:  1    2    3    4    5    6\r\n"));

        // A half-filled row: the error, and nothing opened.
        auto* field = find<QLineEdit>(QStringLiteral("Edit7"));
        field->setText(QStringLiteral("9"));
        QString error;
        answerNextMessageBox(QMessageBox::Ok, &error);
        click("SpeedButton13");
        QCOMPARE(error, QStringLiteral("'' ist kein gültiger Integerwert"));
        QCOMPARE(m_opened.size(), 1);
    }
};

QTEST_MAIN(TipsWindowTest)
#include "TipsWindowTest.moc"

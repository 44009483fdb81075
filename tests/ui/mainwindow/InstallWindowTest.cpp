// The window of an installed program: shipped files in a read-only prefix, the user's own in his
// data folder, the desktop's language at the first start, a tip file handed over at the start.
#include "app/CommandLine.h"
#include "base/ProgramFolders.h"
#include "draws/DrawFile.h"
#include "support/TestSupport.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QInputDialog>

using namespace numora;
using numora::test::draw;
using numora::ui::TForm1;

class InstallWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<TForm1> m_window;

    QString prefix() const { return m_root.filePath(QStringLiteral("usr")); }
    QString shippedHistory() const { return prefix() + QStringLiteral("/share/numora/ZahlenTr.dat"); }
    QString userHistory() const { return m_root.filePath(QStringLiteral("data/numora/ZahlenTr.dat")); }

    ProgramFolders installed() const
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), m_root.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_root.filePath(QStringLiteral("data")));
        return ProgramFolders::forExecutable(prefix() + QStringLiteral("/bin"), QStringLiteral("ZahlenTr.dat"), env);
    }

    void start(const ProgramFolders& folders, const QStringList& desktop, const QStringList& arguments = {})
    {
        m_window = std::make_unique<TForm1>(folders, CommandLine::parse(arguments));
        m_window->state().today = [] { return QDate(2026, 12, 10); };
        m_window->setDesktopLanguages([desktop] { return desktop; });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    QString drawLine() const { return m_window->findChild<QLabel*>(QStringLiteral("Label29"))->text(); }
    QString firstTab() const { return m_window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabText(0); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QApplication::setApplicationName(TForm1::applicationTitle());
        QVERIFY(m_root.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("config"))));
        const QString shared = prefix() + QStringLiteral("/share/numora/");
        QVERIFY(QDir().mkpath(prefix() + QStringLiteral("/bin")));
        QVERIFY(QDir().mkpath(shared + QStringLiteral("land")));
        const QDir land(QStringLiteral(NUMORA_SOURCE_DIR "/data/land"));
        for (const QString& name : land.entryList(QDir::Files))
            QVERIFY(QFile::copy(land.filePath(name), shared + QStringLiteral("land/") + name));
        const std::vector<TZiehung> history{draw(1996, 11, 16, {3, 8, 19, 27, 33, 45}),
                                            draw(1996, 11, 23, {3, 14, 16, 23, 27, 43}), draw(1996, 11, 30, {1, 2, 3, 4, 5, 6})};
        QVERIFY(DrawFile(shippedHistory()).replaceAll(history).ok());
    }

    void cleanup() { m_window.reset(); }

    // The first start copies the shipped history into the user's folder, says where it is and
    // speaks the desktop's language, which the store keeps from then on. It offers the game of
    // the desktop's language; the player keeps the default one.
    void firstStartCopiesTheHistoryAndSpeaksTheDesktopsLanguage()
    {
        const ProgramFolders folders = installed();
        QVERIFY(!folders.portable);
        QString offered;
        test::answerChoice(QStringLiteral("Sayisal Loto (6/49)"), &offered);
        start(folders, {QStringLiteral("tr_TR.UTF-8")});
        QCOMPARE(offered, QStringLiteral("Çılgın Sayısal Loto (6/90)"));
        QCOMPARE(m_window->state().game.id, QStringLiteral("sayisal"));
        QCOMPARE(m_window->windowTitle(), TForm1::caption());
        QCOMPARE(test::readBytes(userHistory()), test::readBytes(shippedHistory()));
        QVERIFY2(drawLine().startsWith(QStringLiteral("Sa 30.11.96 ")), qPrintable(drawLine()));
        QCOMPARE(m_window->state().sprache, 4);
        QCOMPARE(firstTab(), QStringLiteral("Kolonlar"));
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Dosyalarınız: ") + folders.data);
        // It stays between hints: a control without one brings it back.
        auto* withHint = m_window->findChild<QLabel*>(QStringLiteral("Label13"));
        auto* withoutHint = m_window->findChild<QLabel*>(QStringLiteral("Label29"));
        withHint->setToolTip(QStringLiteral("Quersumme"));
        withoutHint->setToolTip(QString());
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(withHint, &enter);
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Quersumme"));
        QApplication::sendEvent(withoutHint, &enter);
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Dosyalarınız: ") + folders.data);
        QCOMPARE(m_window->state().programDir, folders.data);
        m_window->close(); // stores the settings
    }

    // A later start keeps the user's changed history and his stored language, whatever the
    // shipped history and the desktop say now.
    void laterStartsKeepTheUsersHistoryAndLanguage()
    {
        const std::vector<TZiehung> changedHistory{draw(1996, 11, 16, {3, 8, 19, 27, 33, 45})};
        QVERIFY(DrawFile(userHistory()).replaceAll(changedHistory).ok());
        const QByteArray changed = test::readBytes(userHistory());
        start(installed(), {QStringLiteral("en_GB.UTF-8")});
        QCOMPARE(test::readBytes(userHistory()), changed);
        QVERIFY2(drawLine().startsWith(QStringLiteral("Sa 16.11.96 ")), qPrintable(drawLine()));
        QCOMPARE(m_window->state().sprache, 4);
        QCOMPARE(firstTab(), QStringLiteral("Kolonlar"));
    }

    // A double-click on a tip file starts the program with it: the sheet is filled from it and
    // checked against the newest draw.
    void aTipFileGivenAtTheStartIsLoaded()
    {
        QDir(m_root.filePath(QStringLiteral("config"))).removeRecursively();
        const QString tip = m_root.filePath(QStringLiteral("20261212.ntp"));
        QVERIFY(test::writeBytes(tip, "1,2,3,40,41,42\r\n5,6,7,8,9,10\r\n"));
        start(installed(), {}, {tip});
        QCOMPARE(m_window->state().sprache, 0);
        QStringList row;
        for (int i = 1; i <= 6; ++i)
            row << m_window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->text();
        QCOMPARE(row, (QStringList{"1", "2", "3", "40", "41", "42"}));
        QCOMPARE(m_window->state().sheet.field(1, 5), QStringLiteral("10"));
    }

    // A new installation on a German desktop confirms the suggested game and plays it from
    // then on; the next start asks nothing, whatever the desktop says.
    void aNewInstallationPlaysTheConfirmedGame()
    {
        QDir(m_root.filePath(QStringLiteral("config"))).removeRecursively();
        QVERIFY(QFile::remove(userHistory()));
        QString offered;
        QTimer::singleShot(0, [&offered] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            offered = dialog->textValue();
            dialog->accept();
        });
        start(installed(), {QStringLiteral("de_DE.UTF-8")});
        QCOMPARE(offered, QStringLiteral("Lotto 6 aus 49 (6/49)"));
        QCOMPARE(m_window->state().game.id, QStringLiteral("lotto6aus49"));
        QVERIFY2(m_window->windowTitle().contains(QStringLiteral("Lotto 6 aus 49")), qPrintable(m_window->windowTitle()));
        m_window->close();

        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                asked = true;
                dialog->reject();
            }
        });
        start(installed(), {QStringLiteral("tr_TR.UTF-8")});
        QVERIFY(!asked);
        QCOMPARE(m_window->state().game.id, QStringLiteral("lotto6aus49"));
    }
};

QTEST_MAIN(InstallWindowTest)
#include "InstallWindowTest.moc"

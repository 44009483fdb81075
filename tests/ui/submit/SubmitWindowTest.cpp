// "Tipp &abgeben": the tip-transfer file, the script choice dialog and the start of Clickrunner
// (the stand-in from tools/, installed in a folder with blanks).
#include "base/RegistryKey.h"
#include "base/WebClient.h"
#include "output/ClickScript.h"
#include "support/ServicesProcess.h"
#include "support/TestSupport.h"
#include "ui/common/FileDialogs.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/submit/ScriptChoiceDialog.h"
#include "ui/submit/SubmitController.h"
#include "ui/print/PrintSettingsDialog.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QLabel>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

using namespace numora;
using numora::ui::TCRSForm;
using numora::ui::TForm5;

class SubmitWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    QStringList m_boxes;
    QMessageBox::StandardButton m_boxAnswer = QMessageBox::No;
    QTimer m_boxAnswerer;
    QList<QUrl> m_opened;

    QString install() const { return m_dir.filePath(QStringLiteral("Click Runner")); }
    QString log() const { return install() + QStringLiteral("/clickrunner.log"); }
    QString programDir() const { return m_dir.path() + QLatin1Char('/'); }

    void setInstallPath(const QString& path)
    {
        RegistryKey key = RegistryKey::userKey(ClickScript::keyPath());
        key.load();
        key.setString(QStringLiteral("Path"), path);
        QVERIFY(key.save().ok());
    }

    // Presses "Tipp &abgeben"; `inDialog` runs while the script choice is shown.
    bool submit(const std::function<void(TCRSForm&)>& inDialog)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (auto* form = qobject_cast<TCRSForm*>(QApplication::activeModalWidget())) {
                shown = true;
                inDialog(*form);
                if (form->isVisible())
                    form->reject();
            }
        });
        find<QToolButton>(QStringLiteral("OnlineSpiel"))->click();
        return shown;
    }

    // Runs `trigger`; once the print settings dialog shows, `inDialog` runs and "&Online" (or, when
    // it returns false, "Abbrechen") closes it.
    bool online(const std::function<void()>& trigger, const std::function<bool(TForm5&)>& inDialog = {})
    {
        bool shown = false;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* form = qobject_cast<TForm5*>(QApplication::activeModalWidget());
            if (!form || shown)
                return;
            shown = true;
            const bool go = !inDialog || inDialog(*form);
            form->findChild<QPushButton*>(QLatin1String(go ? "BitBtn3" : "BitBtn1"))->click();
        });
        poll.start();
        trigger();
        return shown;
    }

    QString stored() const
    {
        QFile store(configHome() + QStringLiteral("/Veldor/Orbix.reg"));
        return store.open(QIODevice::ReadOnly) ? QString::fromUtf8(store.readAll()) : QString();
    }

public Q_SLOTS:
    // The browser: what it was asked to open, and for the stand-in's broker pages the request.
    void openUrl(const QUrl& url)
    {
        m_opened << url;
        if (url.scheme() == QLatin1String("http") && url.host() == QLatin1String("127.0.0.1"))
            WebClient().get(url.toString());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        m_boxAnswerer.setInterval(20);
        connect(&m_boxAnswerer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_boxes << box->windowTitle() + QLatin1Char('|') + box->text();
                box->button(box->standardButtons().testFlag(m_boxAnswer) ? m_boxAnswer : QMessageBox::Ok)->click();
            }
        });
        m_boxAnswerer.start();
    }

    void init()
    {
        m_boxes.clear();
        m_opened.clear();
        const TZiehung draws[] = { test::makeDraw(2024, 3, 2, { 3, 8, 19, 27, 33, 45 }) };
        QVERIFY(test::writeRecords(drawPath(), draws));
        QDir(m_dir.path()).mkpath(QStringLiteral("Script"));
        QFile::remove(m_dir.filePath(QStringLiteral("Script/Tipp24.crs")));
        QVERIFY(QFile::copy(QStringLiteral(NUMORA_SOURCE_DIR "/data/Script/Tipp24.crs"),
                            m_dir.filePath(QStringLiteral("Script/Tipp24.crs"))));
        QDir(install()).removeRecursively();
        QDir(m_dir.filePath(QStringLiteral("Tipps"))).removeRecursively();
        QVERIFY(QDir().mkpath(install()));
        QVERIFY(QFile::copy(QStringLiteral(NUMORA_CLICKRUNNER_EXE), install() + QStringLiteral("/Clickrunner")));
        startWindow(QDate(2024, 3, 5));
        m_window->state().hosts.services = QStringLiteral("http://127.0.0.1:1"); // no template update
        auto& sheet = m_window->state().sheet;
        for (int p = 0; p < 6; ++p)
            sheet.setField(1, p, QString::number(p * 7 + 1));
        setInstallPath(install());
    }

    void cleanup() { m_window.reset(); }

    void cleanupTestCase()
    {
        for (const char* scheme : { "https", "http", "file" })
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void tipp24RouteOpensTheBrokerAddressOrALocalPage()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        QFile csv(m_dir.filePath(QStringLiteral("draws.csv")));
        QVERIFY(test::writeBytes(csv.fileName(), "date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n"));
        auto& state = m_window->state();
        state.sheet.setTipCount(2);
        state.sheet.setTicketNumber(QStringLiteral("7654321"));
        auto* button = find<QToolButton>(QStringLiteral("SpeedButton17"));
        struct {
            SubmitWindowTest* test;
            QToolButton* button;
            void click() { QVERIFY(test->online([this] { button->click(); })); }
        } tipp24{ this, button };
        {
            test::ServicesProcess server({ QStringLiteral("--draws"), csv.fileName() });
            QVERIFY(server.isRunning());
            state.hosts.services = server.baseUrl();
            find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(server.baseUrl());
            tipp24.click();
            QCOMPARE(m_opened.size(), 1);
            const QUrl opened = m_opened.takeFirst();
            QCOMPARE(opened.path(), QStringLiteral("/broker/abgabe.asp"));
            const QUrlQuery query(opened);
            QCOMPARE(query.queryItemValue(QStringLiteral("Tippreihe2_Zahl6")), QStringLiteral("36"));
            QCOMPARE(query.queryItemValue(QStringLiteral("Tippreihe1_Zahl1")), QString());
            QVERIFY(!query.hasQueryItem(QStringLiteral("Tippreihe3_Zahl1")));
            QCOMPARE(query.queryItemValue(QStringLiteral("command")), QStringLiteral("abgeben"));
            QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Tipp24 nicht geöffnet? => Linkseite aktivieren!"));

            find<QCheckBox>(QStringLiteral("CheckBox21"))->setChecked(true);
            tipp24.click();
            QCOMPARE(m_opened, QList<QUrl> { QUrl::fromLocalFile(programDir() + QStringLiteral("tipp.htm")) });
            m_opened.clear();
        }
        {
            test::ServicesProcess server({ QStringLiteral("--draws"), csv.fileName(), QStringLiteral("--broker-error") });
            QVERIFY(server.isRunning());
            find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(server.baseUrl());
            tipp24.click();
            QCOMPARE(m_opened, QList<QUrl> { QUrl::fromLocalFile(programDir() + QStringLiteral("Meldung.htm")) });
            m_opened.clear();
        }
        // Nobody answers any more: the message, and nothing opened.
        tipp24.click();
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].contains(QStringLiteral("Abgabe-Service steht momentan nicht zur Verfügung.")), qPrintable(m_boxes[0]));
    }

    void abgebenOpensTheOnlineModeAndLeavesThePrintMode()
    {
        auto* abgeben = m_window->findChild<QAction*>(QStringLiteral("Abgeben1"));
        QVERIFY(abgeben->isEnabled());
        QCOMPARE(abgeben->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
        const char* printOnly[] = { "CheckBox5", "CheckBox6", "BitBtn2", "RadioGroup1", "anpassen", "ComboBox1",
                                    "UpDown1", "UpDown2", "SpeedButton1" };
        const char* onlineOnly[] = { "Label1", "BitBtn3", "RadioGroup2" };
        const char* both[] = { "Edit3", "Edit9", "SpeedButton2", "SpeedButton3" };
        // "Extra" is the broker's offer of 2008 only.
        for (const QDate today : { QDate(2008, 12, 31), QDate(2009, 1, 1) }) {
            m_window->state().today = [today] { return today; };
            TForm5* dialog = m_window->printSettings();
            QApplication::setActiveWindow(m_window.get());
            QVERIFY(online([&] { QTest::keyClick(m_window.get(), Qt::Key_G, Qt::ControlModifier); }, [&](TForm5& form) {
                for (const char* name : printOnly)
                    [&] { QVERIFY2(!form.findChild<QWidget*>(QLatin1String(name))->isVisible(), name); }();
                for (const char* name : onlineOnly)
                    [&] { QVERIFY2(form.findChild<QWidget*>(QLatin1String(name))->isVisible(), name); }();
                for (const char* name : both)
                    [&] { QVERIFY2(form.findChild<QWidget*>(QLatin1String(name))->isVisible(), name); }();
                [&] {
                    QCOMPARE(form.findChild<QCheckBox*>(QStringLiteral("CheckBox7"))->isVisible(), today.year() < 2009);
                    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                             QStringLiteral("Klicken Sie auf \"Online\" um  die Daten anonym an Tipp24 oder lottobay zu "
                                            "übergeben.  Anschließend können Sie sich  einloggen oder neu registrieren. "));
                    QCOMPARE(form.windowTitle(), QStringLiteral("Lottoschein Online Abgabe"));
                    QCOMPARE(form.height(), 260);
                    QVERIFY(form.options().portal == 1);
                    // No grey in online mode: a click on a ticked "Spiel 77" unticks it.
                    auto* spiel77 = form.findChild<QCheckBox*>(QStringLiteral("CheckBox3"));
                    spiel77->setCheckState(Qt::Checked);
                    spiel77->click();
                    QCOMPARE(spiel77->checkState(), Qt::Unchecked);
                }();
                return false;
            }));
            // Back in print mode, the choices of the aborted submission kept.
            for (const char* name : printOnly)
                QVERIFY2(dialog->findChild<QWidget*>(QLatin1String(name))->isVisibleTo(dialog), name);
            for (const char* name : onlineOnly)
                QVERIFY2(!dialog->findChild<QWidget*>(QLatin1String(name))->isVisibleTo(dialog), name);
            QVERIFY(!dialog->findChild<QWidget*>(QStringLiteral("CheckBox7"))->isVisibleTo(dialog));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Druckeeinstellungen für den Lottoschein"));
            const QString number = m_window->state().sheet.ticketNumber();
            QCOMPARE(number.size(), 7);
            QCOMPARE(find<QLabel>(QStringLiteral("LosnummerLabel"))->text(), QStringLiteral("Schein Nr : ") + number);
            QVERIFY2(stored().contains(QStringLiteral("\"Losnummer\"=\"%1\"").arg(number)), qPrintable(stored()));
        }
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('\n'))));
        QVERIFY(m_opened.isEmpty());
    }

    void onlineResultReachesTheBrokerWithTheSheetAndTicketNumber()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        QFile csv(m_dir.filePath(QStringLiteral("draws.csv")));
        QVERIFY(test::writeBytes(csv.fileName(), "date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n"));
        test::ServicesProcess server({ QStringLiteral("--draws"), csv.fileName() });
        QVERIFY(server.isRunning());
        m_window->state().hosts.services = server.baseUrl();
        find<QLineEdit>(QStringLiteral("ServiceAddressEdit"))->setText(server.baseUrl());
        m_window->state().sheet.setTipCount(2);
        m_window->state().ticket.glueckJa = 1; // no Glücksspirale online

        QString sent;
        QVERIFY(online([&] { m_window->findChild<QAction*>(QStringLiteral("Abgeben1"))->trigger(); }, [&](TForm5& form) {
            form.findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->setCheckState(Qt::Checked);
            form.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->setCheckState(Qt::Unchecked);
            form.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
            form.findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->setChecked(false);
            sent = form.ticketNumber();
            return true;
        }));
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('\n'))));
        QCOMPARE(m_opened.size(), 1);

        const QString requests = QString::fromUtf8(WebClient().get(server.baseUrl() + QStringLiteral("/numora-services/requests")).body);
        QUrlQuery query;
        for (const QString& line : requests.split(QLatin1Char('\n')))
            if (line.startsWith(m_opened[0].path() + QLatin1Char('?')))
                query = QUrlQuery(line.mid(m_opened[0].path().size() + 1));
        QVERIFY2(!query.isEmpty(), qPrintable(requests));
        QCOMPARE(query.queryItemValue(QStringLiteral("Tippreihe2_Zahl1")), QStringLiteral("1"));
        QCOMPARE(query.queryItemValue(QStringLiteral("Tippreihe2_Zahl6")), QStringLiteral("36"));
        QCOMPARE(query.queryItemValue(QStringLiteral("Spiel77")), QStringLiteral("tipp24on"));
        QCOMPARE(query.queryItemValue(QStringLiteral("Super6")), QStringLiteral("tipp24off"));
        QCOMPARE(query.queryItemValue(QStringLiteral("gluecksspirale")), QStringLiteral("tipp24off"));
        QCOMPARE(query.queryItemValue(QStringLiteral("Teilnahme")), QStringLiteral("samstag"));
        QCOMPARE(sent.size(), 7);
        QCOMPARE(query.queryItemValue(QStringLiteral("Losnummer")), sent);

        // The four values of the submission are stored.
        QCOMPARE(m_window->state().sheet.ticketNumber(), sent);
        const QString kept = stored();
        for (const QString& line : { QStringLiteral("\"Losnummer\"=\"%1\"").arg(sent), QStringLiteral("\"Spiel77Ja\"=dword:00000001"),
                                     QStringLiteral("\"Super6Ja\"=dword:00000000"), QStringLiteral("\"GlueckJa\"=dword:00000000") })
            QVERIFY2(kept.contains(line), qPrintable(kept));
    }

    // A game without online submission: both buttons off saying why, and a submission that
    // comes all the same (a stored shortcut, a script) says why and writes nothing.
    void aGameWithoutOnlineSubmissionRefusesSayingWhy()
    {
        auto* submit = find<QToolButton>(QStringLiteral("OnlineSpiel"));
        const QString ownHint = submit->toolTip();
        auto* controller = m_window->findChild<ui::SubmitController*>();
        QVERIFY(controller);
        Game game;
        game.id = QStringLiteral("mine54");
        game.numbers = 54;
        const Game played = m_window->state().game;
        m_window->state().useGame(game, std::nullopt);
        controller->showGame();
        const QString why = QStringLiteral("Für dieses Spiel gibt es keine Online-Abgabe.");
        for (const char* name : {"OnlineSpiel", "SpeedButton17"}) {
            auto* button = find<QToolButton>(QString::fromLatin1(name));
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->statusTip(), why);
        }
        QCOMPARE(submit->toolTip(), why);
        controller->toClickrunner();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes.first().endsWith(why), qPrintable(m_boxes.first()));
        QVERIFY(!QFileInfo::exists(programDir() + QStringLiteral("Tipps")));

        m_window->state().useGame(played, std::nullopt);
        controller->showGame();
        QVERIFY(submit->isEnabled());
        QCOMPARE(submit->toolTip(), ownHint);
        QVERIFY(submit->statusTip().isEmpty());
    }

    void otherPortalHandsTheSheetToClickrunner()
    {
        bool scriptChoice = false;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* form = qobject_cast<TCRSForm*>(QApplication::activeModalWidget())) {
                scriptChoice = true;
                form->cancelButton->click();
            }
        });
        poll.start();
        QVERIFY(online([&] { find<QToolButton>(QStringLiteral("SpeedButton17"))->click(); }, [](TForm5& form) {
            form.findChild<QWidget*>(QStringLiteral("RadioGroup2"))->findChildren<QRadioButton*>().first()->click();
            return true;
        }));
        // No service request (nobody would answer), the transfer file and the script choice instead.
        QVERIFY(scriptChoice);
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('\n'))));
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(test::readBytes(programDir() + QStringLiteral("Tipps/20240306.ntp")), QByteArray("1,8,15,22,29,36\r\n"));
    }

    void filledScriptStartsClickrunnerWithWholeArguments()
    {
        const bool shown = submit([&](TCRSForm& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Script für Zahlenübergabe auswählen!"));
            QCOMPARE(form.scriptBox->count(), 1);
            QCOMPARE(form.script(), programDir() + QStringLiteral("Script/Tipp24.crs")); // none stored: the last found
            form.zahl1->clear();
            form.zahl2->setText(QStringLiteral("2"));
            form.text1->setText(QStringLiteral("anna maria"));
            form.text2->setText(QStringLiteral("geheim"));
            form.okButton->click();
        });
        QVERIFY(shown);
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('\n'))));

        // The chosen date (02.03.2024, a Saturday) names the transfer file; today the script.
        const QString transfer = programDir() + QStringLiteral("Tipps/20240306.ntp");
        QCOMPARE(test::readBytes(transfer), QByteArray("1,8,15,22,29,36\r\n"));
        const QString script = programDir() + QStringLiteral("Tipps/20240305.crs");
        const QByteArray filled = test::readBytes(script);
        QVERIFY(filled.contains("TIP 2 1 8 15 22 29 36\r\n"));
        QVERIFY(filled.contains("NOTE FILE " + transfer.toUtf8() + "\r\n"));

        for (int i = 0; i < 300 && !QFile::exists(log()); ++i)
            QTest::qWait(50);
        QCOMPARE(QString::fromUtf8(test::readBytes(log())),
                 QStringLiteral("arg1=START\narg2=%1\narg3=0\narg4=anna maria\narg5=2\narg6=geheim\nend\n").arg(script));

        const ClickScript::Settings kept = ClickScript::Settings::load(ClickScript::storeFile());
        QCOMPARE(kept.script, programDir() + QStringLiteral("Script/Tipp24.crs"));
        QCOMPARE(kept.zahl1, QStringLiteral("0"));
        QCOMPARE(kept.text1, QStringLiteral("anna maria"));
        QCOMPARE(kept.path, install());
    }

    void cancelWritesNoScriptAndStartsNothing()
    {
        const QString other = m_dir.filePath(QStringLiteral("Eigenes Skript.crs"));
        QVERIFY(test::writeBytes(other, "STOP\r\n"));
        QVERIFY(submit([&](TCRSForm& form) {
            ui::FileDialogs::answerNext(other);
            form.browseButton->click();
            QCOMPARE(form.script(), other);
            const auto asked = ui::FileDialogs::lastRequest();
            QCOMPARE(asked.filter, QStringLiteral("Veldors Click Script (*.crs)"));
            QCOMPARE(asked.suffix, QStringLiteral("crs"));
            QCOMPARE(asked.proposed, programDir() + QStringLiteral("Script"));
            form.cancelButton->click();
        }));
        // Nothing of a cancelled choice is kept.
        QVERIFY(ClickScript::Settings::load(ClickScript::storeFile()).script.isEmpty());
        QVERIFY(!QFile::exists(programDir() + QStringLiteral("Tipps/20240305.crs")));
        QTest::qWait(200);
        QVERIFY(!QFile::exists(log()));
    }

    void unreadableTemplateIsReportedWithTheTransferFile()
    {
        QVERIFY(submit([&](TCRSForm& form) {
            form.setScript(programDir() + QStringLiteral("Script/fehlt.crs"));
            form.okButton->click();
        }));
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].contains(programDir() + QStringLiteral("Tipps/20240306.ntp die Datei für die Tippübergabe "
                                                                   "konnte nicht angelegt werden.")),
                 qPrintable(m_boxes[0]));
        QVERIFY(m_boxes[0].contains(QStringLiteral("fehlt.crs")));
    }

    void missingClickrunnerOffersTheInstaller()
    {
        QFile::remove(install() + QStringLiteral("/Clickrunner")); // installed once, deleted since
        for (auto answer : { QMessageBox::No, QMessageBox::Yes }) {
            m_boxes.clear();
            m_boxAnswer = answer;
            QVERIFY(!submit([](TCRSForm&) {}));
            QCOMPARE(m_boxes, QStringList { QStringLiteral("Clickrunner jetzt installieren?|Veldors Clickrunner installieren?") });
        }
        m_boxAnswer = QMessageBox::No;
        QCOMPARE(m_opened, QList<QUrl> { QUrl(ClickScript::downloadAddress()) });
    }
};

QTEST_MAIN(SubmitWindowTest)
#include "SubmitWindowTest.moc"

// The window plays one game at a time: the menu "Spiel", each game's own sheet and options over
// a restart, the numbers 1..N everywhere the player types or ticks, a player's own game, and the
// update of a game without an address or no longer drawn.
#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "model/RunControl.h"
#include "support/TestSupport.h"
#include "ui/common/FileDialogs.h"
#include "ui/game/GameController.h"
#include "ui/game/OwnGameDialog.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/sheet/NumberSelectionDialog.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace numora;
using numora::test::answerNextMessageBox;
using numora::test::draw;
using numora::ui::FileDialogs::answerNext;
using numora::ui::TForm1;

class GameWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

    // The item of game `id` in the menu "Spiel".
    QAction* gameItem(const QString& id)
    {
        for (QAction* item : m_window->games()->menu()->actions())
            if (item->data().toString() == id)
                return item;
        qFatal("no menu item for %s", qPrintable(id));
    }

    void play(const QString& id)
    {
        gameItem(id)->trigger();
        QApplication::processEvents();
    }

    QString typeField(int field, const QString& text)
    {
        auto* edit = find<QLineEdit>(QStringLiteral("Edit%1").arg(field));
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        find<QLineEdit>(QStringLiteral("Edit79"))->setFocus();
        QApplication::processEvents();
        return edit->text();
    }

    QString label(const QString& name) { return find<QLabel>(name)->text(); }

    // Column and row of number `n` in the number choice.
    static QPoint cellOf(ui::TForm6* dialog, int n)
    {
        auto* grid = dialog->findChild<QGridLayout*>();
        int row = -1, column = -1, span = 0;
        grid->getItemPosition(grid->indexOf(dialog->numberBox(n)), &row, &column, &span, &span);
        return QPoint(column, row);
    }

    // The chosen date's draw of cilgin: its last one in the shipped history.
    static QDate cilginToday() { return QDate(2022, 9, 20); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QApplication::setApplicationName(TForm1::applicationTitle());
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        // A folder as today's release leaves it, with cilgin's shipped history beside it.
        for (const QString& entry : QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QVERIFY(QFileInfo(m_dir.filePath(entry)).isDir() ? QDir(m_dir.filePath(entry)).removeRecursively()
                                                            : QFile::remove(m_dir.filePath(entry)));
        const std::vector<TZiehung> sayisal{draw(2020, 4, 11, {3, 8, 19, 27, 33, 45}), draw(2020, 4, 18, {1, 2, 3, 4, 5, 6})};
        QVERIFY(DrawFile(drawPath()).replaceAll(sayisal).ok());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("games")));
        QVERIFY(QFile::copy(QStringLiteral(NUMORA_SOURCE_DIR "/data/games/cilgin.csv"), m_dir.filePath(QStringLiteral("games/cilgin.csv"))));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("land")));
        const QDir land(QStringLiteral(NUMORA_SOURCE_DIR "/data/land"));
        for (const QString& name : land.entryList(QDir::Files))
            QVERIFY(QFile::copy(land.filePath(name), m_dir.filePath(QStringLiteral("land/") + name)));
    }

    void cleanup() { m_window.reset(); }

    // Switching stores the game left and loads the other; each keeps its sheet and options,
    // also over a restart, and the window starts with the game played last.
    void eachGameKeepsItsSheetAndOptionsOverARestart()
    {
        startWindow(cilginToday());
        QCOMPARE(m_window->windowTitle(), TForm1::caption());
        QVERIFY(gameItem(QStringLiteral("sayisal"))->isChecked());
        typeRow(1, {"1", "2", "3", "4", "5", "49"});
        find<QSpinBox>(QStringLiteral("UpDown8"))->setValue(5);

        play(QStringLiteral("cilgin"));
        QCOMPARE(m_window->state().game.id, QStringLiteral("cilgin"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Veldors Numora Çılgın Sayısal Loto 6/90"));
        QVERIFY(gameItem(QStringLiteral("cilgin"))->isChecked());
        QVERIFY(!gameItem(QStringLiteral("sayisal"))->isChecked());
        QCOMPARE(rowTexts(1), QStringList(6));
        QCOMPARE(m_window->state().programDir, m_dir.filePath(QStringLiteral("games/cilgin/")));
        QVERIFY2(label(QStringLiteral("Label29")).startsWith(QStringLiteral("Mo 19.09.22 ")), qPrintable(label(QStringLiteral("Label29"))));
        typeRow(1, {"15", "23", "35", "39", "56", "90"});
        find<QSpinBox>(QStringLiteral("UpDown8"))->setValue(10);
        // The results address is the game's own ("Internet-Optionen").
        auto* address = find<QLineEdit>(QStringLiteral("CsvAddressEdit"));
        QCOMPARE(address->text(), QString());
        address->setText(QStringLiteral("http://127.0.0.1:1/cilgin.csv"));
        // A game never played before takes neither the sheet nor the address of the one left,
        // but its options and language.
        m_window->setDesktopLanguages([] { return QStringList{QStringLiteral("de_DE")}; });
        find<QAction>(QStringLiteral("Englisch1"))->trigger();
        play(QStringLiteral("lotto649"));
        QCOMPARE(address->text(), QString());
        QCOMPARE(rowTexts(1), QStringList(6));
        QCOMPARE(m_window->state().sheet.tipCount(), 10);
        QCOMPARE(m_window->state().sprache, 1);
        find<QAction>(QStringLiteral("Deutsch1"))->trigger();

        play(QStringLiteral("sayisal"));
        QCOMPARE(m_window->windowTitle(), TForm1::caption());
        QCOMPARE(rowTexts(1), (QStringList{"1", "2", "3", "4", "5", "49"}));
        QCOMPARE(m_window->state().sheet.tipCount(), 5);
        QCOMPARE(find<QLineEdit>(QStringLiteral("CsvAddressEdit"))->text(), QString());
        QCOMPARE(m_window->state().programDir, m_dir.path() + QLatin1Char('/'));
        m_window->close();

        startWindow(cilginToday(), true);
        QCOMPARE(m_window->state().game.id, QStringLiteral("sayisal"));
        play(QStringLiteral("cilgin"));
        m_window->close();

        startWindow(cilginToday(), true);
        QCOMPARE(m_window->state().game.id, QStringLiteral("cilgin"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Veldors Numora Çılgın Sayısal Loto 6/90"));
        QCOMPARE(rowTexts(1), (QStringList{"15", "23", "35", "39", "56", "90"}));
        QCOMPARE(m_window->state().sheet.tipCount(), 10);
        QCOMPARE(find<QLineEdit>(QStringLiteral("CsvAddressEdit"))->text(), QStringLiteral("http://127.0.0.1:1/cilgin.csv"));
        // Checked against cilgin's last draw, 15 23 35 39 56 64.
        QCOMPARE(label(TTippSchein::hitLabelName(0)), QStringLiteral("5"));
        // The default game's history and store stay where they were.
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), std::size_t(2));
    }

    // A run holds the window to its game: the switch is refused, saying why.
    void aSwitchWaitsForTheRunningCalculation()
    {
        startWindow(cilginToday());
        QString text;
        answerNextMessageBox(QMessageBox::Ok, &text);
        {
            RunControl::Scope running(m_window->state().generation);
            play(QStringLiteral("cilgin"));
        }
        QVERIFY2(text.contains(QStringLiteral("Berechnung")), qPrintable(text));
        QCOMPARE(m_window->state().game.id, QStringLiteral("sayisal"));
        QVERIFY(gameItem(QStringLiteral("sayisal"))->isChecked());
        QVERIFY(!gameItem(QStringLiteral("cilgin"))->isChecked());
    }

    // A 6/90 sheet end to end: the fields take 1..90, the row is checked and searched in
    // cilgin's history, saved and loaded back; the number choice, the wheel window and the draw
    // entry show 90 numbers on the 10 x 9 grid.
    void aSheetOfNinetyNumbersEndToEnd()
    {
        startWindow(cilginToday());
        play(QStringLiteral("cilgin"));
        const struct {
            const char* typed;
            const char* kept;
        } fields[] = {{"90", "90"}, {"91", ""}, {"0", ""}, {"49", "49"}, {"050", "50"}};
        for (const auto& f : fields)
            QCOMPARE(typeField(1, QString::fromLatin1(f.typed)), QString::fromLatin1(f.kept));

        // The draw of 14.09.2022: 18 34 52 64 66 67.
        typeRow(1, {"18", "34", "52", "64", "66", "67"});
        QString found;
        QTimer::singleShot(0, [&found] {
            auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(input);
            input->setTextValue(QStringLiteral("6"));
            test::answerNextMessageBox(QMessageBox::No, &found);
            input->accept();
        });
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton10")), Qt::LeftButton);
        QVERIFY2(found.contains(QStringLiteral("14.09.2022")), qPrintable(found));
        QCOMPARE(label(TTippSchein::hitLabelName(0)), QStringLiteral("6"));

        const QString path = m_dir.filePath(QStringLiteral("neunzig.ntp"));
        answerNext(path);
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton8")), Qt::LeftButton);
        QVERIFY(test::readBytes(path).startsWith("18,34,52,64,66,67\r\n"));
        answerNextMessageBox(QMessageBox::Yes);
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton11")), Qt::LeftButton);
        QCOMPARE(rowTexts(1), QStringList(6));
        QVERIFY(test::writeBytes(path, "18,34,52,64,66,90\r\n"));
        answerNext(path);
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton9")), Qt::LeftButton);
        QCOMPARE(rowTexts(1), (QStringList{"18", "34", "52", "64", "66", "90"}));

        // The row's number choice: 90 boxes, ten to a row, the row's numbers ticked.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ui::TForm6*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox90")));
            QVERIFY(!dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox91")));
            QVERIFY(dialog->numberBox(90)->isChecked());
            QCOMPARE(cellOf(dialog, 11), QPoint(0, 1));
            dialog->reject();
        });
        QTest::mouseClick(find<QToolButton>(TTippSchein::editButtonName(0)), Qt::LeftButton);

        // The draw entry takes 90 and the Joker.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ui::TForm3*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->upDowns[0]->maximum(), 90);
            QVERIFY(dialog->upDowns[6]->isVisibleTo(dialog));
            QCOMPARE(dialog->upDowns[6]->maximum(), 90);
            QVERIFY(!dialog->upDowns[7]->isVisibleTo(dialog));
            dialog->reject();
        });
        find<QPushButton>(QStringLiteral("BitBtn8"))->click();

        find<QAction>(QStringLiteral("Systeme1"))->trigger();
        auto* wheels = find<QWidget>(QStringLiteral("Systeme"));
        QVERIFY(wheels->findChild<QCheckBox*>(QStringLiteral("WheelNumber90")));
        QTest::mouseClick(wheels->findChild<QPushButton*>(QStringLiteral("WheelFromSheet")), Qt::LeftButton);
        QVERIFY(wheels->findChild<QCheckBox*>(QStringLiteral("WheelNumber90"))->isChecked());
        QVERIFY(wheels->findChild<QCheckBox*>(QStringLiteral("WheelNumber18"))->isChecked());
        // Back in the default game the wheel window has its 49 numbers again.
        play(QStringLiteral("sayisal"));
        find<QAction>(QStringLiteral("Systeme1"))->trigger();
        wheels = find<QWidget>(QStringLiteral("Systeme"));
        QVERIFY(wheels->findChild<QCheckBox*>(QStringLiteral("WheelNumber49")));
        QVERIFY(!wheels->findChild<QCheckBox*>(QStringLiteral("WheelNumber50")));
        QCOMPARE(typeField(1, QStringLiteral("50")), QString());
    }

    // "Eigenes Spiel…": an error keeps the dialog open and writes nothing; a good game is written
    // and, when the player agrees, played on its near-square grid.
    void aPlayersOwnGameIsMadeAndPlayed()
    {
        startWindow(cilginToday());
        QStringList errors;
        const QString games = m_dir.filePath(QStringLiteral("games"));
        QTimer::singleShot(0, [&errors, games] {
            auto* dialog = qobject_cast<ui::OwnGameDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const struct {
                const char* id;
                const char* name;
            } wrong[] = {{"Mein", "Mein Lotto"}, {"cilgin", "Noch eins"}, {"mein", ""}};
            for (const auto& w : wrong) {
                dialog->id->setText(QString::fromLatin1(w.id));
                dialog->name->setText(QString::fromLatin1(w.name));
                dialog->accept();
                QVERIFY(dialog->isVisible());
                errors << dialog->error->text();
            }
            // Nothing written on an error.
            QCOMPARE(QDir(games).entryList({QStringLiteral("*.game")}), QStringList());
            dialog->id->setText(QStringLiteral("mein54"));
            dialog->name->setText(QStringLiteral("Mein Lotto"));
            dialog->numbers->setValue(54);
            dialog->days[2]->setChecked(true); // Mi
            dialog->extra->setCurrentIndex(1);
            test::answerNextMessageBox(QMessageBox::Yes);
            dialog->accept();
        });
        m_window->games()->ownGameAction()->trigger();
        QApplication::processEvents();
        QCOMPARE(errors.size(), 3);
        // The catalogue's own errors (in the interface language), each naming what is wrong.
        QVERIFY2(errors[0].contains(QStringLiteral("Mein")), qPrintable(errors[0]));
        QVERIFY2(errors[1].contains(QStringLiteral("cilgin")), qPrintable(errors[1]));
        QVERIFY2(!errors[2].isEmpty() && errors[2] != errors[1], qPrintable(errors[2]));

        QCOMPARE(m_window->state().game.id, QStringLiteral("mein54"));
        QCOMPARE(m_window->state().game.numbers, 54);
        QCOMPARE(m_window->state().game.extra, Game::Extra::Bonus);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Veldors Numora Mein Lotto 6/54"));
        QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("games/mein54.game"))));
        QVERIFY(gameItem(QStringLiteral("mein54"))->isChecked());
        // Nothing of the other game's draw stays on show.
        QCOMPARE(label(QStringLiteral("Label29")), QString());
        QCOMPARE(typeField(1, QStringLiteral("54")), QStringLiteral("54"));
        QCOMPARE(typeField(1, QStringLiteral("55")), QString());
        // 54 numbers: eight to a row.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ui::TForm6*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(cellOf(dialog, 54), QPoint(5, 6));
            dialog->reject();
        });
        QTest::mouseClick(find<QToolButton>(TTippSchein::editButtonName(0)), Qt::LeftButton);

        // The empty history takes its first draw through the entry, by the game's rules: a
        // bonus ball among the six is refused and nothing is written.
        for (int bonus : {54, 12}) {
            QString error;
            QTimer::singleShot(0, [bonus, &error] {
                auto* dialog = qobject_cast<ui::TForm3*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                const int drawn[] = {54, 3, 17, 29, 41, 8};
                for (int i = 0; i < 6; ++i)
                    dialog->upDowns[std::size_t(i)]->setValue(drawn[i]);
                dialog->upDowns[6]->setValue(bonus);
                if (bonus == 54)
                    test::answerNextMessageBox(QMessageBox::Ok, &error);
                dialog->accept();
            });
            find<QPushButton>(QStringLiteral("BitBtn8"))->click();
            QApplication::processEvents();
            const auto stored = DrawFile(m_window->state().drawFilePath()).readAll();
            QVERIFY(stored.ok());
            if (bonus == 54) {
                QVERIFY2(error.contains(QStringLiteral("54")), qPrintable(error));
                QVERIFY(stored->empty());
            } else {
                QCOMPARE(stored->size(), std::size_t(1));
                QCOMPARE(int(stored->front().Zusatzzahl), 12);
                QCOMPARE(stored->front().Datum, DayDate::fromDate(cilginToday()));
            }
        }
        // The draw line ends with the game's extra number.
        QVERIFY2(label(QStringLiteral("Label29")).endsWith(QStringLiteral("3  8  17  29  41  54  + 12")), qPrintable(label(QStringLiteral("Label29"))));
    }

    // "Datenbank aktualisieren": a game without an address is told where to set one; a game
    // no longer drawn names its last draw and asks nothing.
    void updateOfAGameWithoutAddressOrNoLongerDrawn()
    {
        QVERIFY(test::writeBytes(m_dir.filePath(QStringLiteral("games/alt.game")),
                                 "id = alt\nname = Altes Lotto\nnumbers = 45\nlast-draw = 02.01.2021\n"));
        startWindow(cilginToday());
        play(QStringLiteral("cilgin"));
        QString text;
        answerNextMessageBox(QMessageBox::Ok, &text);
        find<QPushButton>(QStringLiteral("BitBtn1"))->click();
        QVERIFY2(text.contains(QStringLiteral("Internet-Optionen")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("erreichbar")), qPrintable(text));

        play(QStringLiteral("alt"));
        auto texts = answerMessageBoxes({QMessageBox::Ok});
        find<QPushButton>(QStringLiteral("BitBtn1"))->click();
        QTRY_COMPARE(texts->size(), 1);
        QVERIFY2(texts->first().contains(QStringLiteral("02.01.2021")), qPrintable(texts->first()));
    }

    // The first start's suggestion follows the desktop's first language.
    void theFirstStartSuggestsTheGameOfTheDesktopsLanguage()
    {
        const struct {
            QStringList languages;
            const char* game;
        } cases[] = {{{QStringLiteral("tr_TR.UTF-8")}, "cilgin"},
                     {{QStringLiteral("de-AT"), QStringLiteral("en")}, "lotto6aus49"},
                     {{QStringLiteral("en_GB.UTF-8"), QStringLiteral("de")}, "sayisal"},
                     {{}, "sayisal"}};
        for (const auto& c : cases)
            QCOMPARE(ui::GameController::suggestedGame(c.languages), QString::fromLatin1(c.game));
    }
};

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"

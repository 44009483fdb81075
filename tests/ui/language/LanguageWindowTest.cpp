// The interface languages from the window: the menu, the shipped files, the start-up and the
// export for translators.
#include "WindowFixture.h"
#include "app/LanguageFiles.h"
#include "model/Meldungen.h"
#include "model/TTippSchein.h"
#include "base/TextCatalog.h"
#include "draws/DrawFile.h"
#include "ui/analysis/ChanceComparisonWindow.h"
#include "ui/common/FileDialogs.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/chart/MainChart.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace numora;

namespace {

QString shippedFolder() { return QStringLiteral(NUMORA_SOURCE_DIR "/data/land/"); }

QStringList readLines(const QString& path)
{
    return LanguageFiles::readLines(path).value_or(QStringList());
}

void writeLines(const QString& path, const QStringList& lines)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        file.write(line.toUtf8() + "\r\n");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList radioItems(QWidget* window, const QString& group)
{
    QStringList texts;
    for (auto* b : window->findChild<QGroupBox*>(group)->findChildren<QRadioButton*>())
        texts << b->text();
    return texts;
}

// What Qt's own dialogs call their cancel button.
QString qtCancel()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

} // namespace

class LanguageWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

public Q_SLOTS:
    // What the window asked the desktop to open.
    void opened(const QUrl& url) { m_opened << url; }

private:
    const QDate m_today{2026, 12, 10};
    QList<QUrl> m_opened;

    QString land() const { return m_dir.filePath(QStringLiteral("land")) + QLatin1Char('/'); }

    // The shipped language files in the program directory.
    void shipLanguageFiles()
    {
        QDir().mkpath(land());
        for (const QString& name : QDir(shippedFolder()).entryList(QDir::Files)) {
            QFile::remove(land() + name);
            QVERIFY(QFile::copy(shippedFolder() + name, land() + name));
        }
    }

    void writeHistory()
    {
        const std::vector<TZiehung> history{test::draw(2026, 12, 5, {3, 11, 17, 25, 33, 41})};
        QVERIFY(DrawFile(drawPath()).replaceAll(history).ok());
    }

    static void choose(ui::TForm1& window, const char* menuItem)
    {
        auto* item = window.findChild<QAction*>(QString::fromLatin1(menuItem));
        QVERIFY(item);
        item->trigger();
    }

    QString exportWindow(ui::TForm1& window)
    {
        const QString path = m_dir.filePath(QStringLiteral("export.txt"));
        const Status written = window.exportTextsTo(path);
        if (!written)
            qWarning("%s", qPrintable(written.error().message));
        return path;
    }

private Q_SLOTS:
    void init()
    {
        QDir(land()).removeRecursively();
        TextCatalog::clear();
    }
    // The shipped base file is what the export of the designed windows writes: a window that
    // gains or renames a widget shows up here until the language files follow.
    void shippedBaseFileIsTheExportOfTheWindows()
    {
        ui::TForm1 window(m_dir.path());
        const QString path = exportWindow(window);
        const QStringList exported = readLines(path);
        // NUMORA_EXPORT_TEXTS=folder keeps the export there, for translators.
        if (const QString keep = qEnvironmentVariable("NUMORA_EXPORT_TEXTS"); !keep.isEmpty()) {
            QFile::remove(keep + QStringLiteral("/bezeich.txt"));
            QFile::remove(keep + QStringLiteral("/bezeich.txt.trans"));
            QFile::copy(path, keep + QStringLiteral("/bezeich.txt"));
            QFile::copy(path + QStringLiteral(".trans"), keep + QStringLiteral("/bezeich.txt.trans"));
        }
        QVERIFY(exported.size() > 500);
        const QStringList shipped = readLines(shippedFolder() + QStringLiteral("bezeich.txt"));
        for (qsizetype i = 0; i < std::min(exported.size(), shipped.size()); ++i)
            if (exported[i] != shipped[i])
                QFAIL(qPrintable(QStringLiteral("line %1: shipped '%2', the windows have '%3' (the export is %4)")
                                     .arg(i + 1).arg(shipped[i], exported[i], m_dir.filePath(QStringLiteral("export.txt")))));
        QCOMPARE(shipped.size(), exported.size());
        // Number captions are no texts: the 49 boxes of the number choice are not exported.
        QStringList widgets;
        for (qsizetype i = 0; i + 1 < shipped.size(); i += LanguageFiles::RecordLines)
            widgets << shipped[i] + u'/' + shipped[i + 1];
        QVERIFY(widgets.contains(QStringLiteral("Form6/BitBtn4")));
        QVERIFY(!widgets.contains(QStringLiteral("Form6/CheckBox12")));
        QVERIFY(!widgets.contains(QStringLiteral("Form1/Export1"))); // hidden menu item
    }

    // Every language from the menu: every widget of every window gets its translation, the
    // messages and radio items follow, and so do Qt's own texts.
    void everyLanguageFromTheMenu_data()
    {
        QTest::addColumn<int>("sprache");
        for (const Language& l : LanguageFiles::languages())
            QTest::newRow(l.code) << l.sprache;
    }
    void everyLanguageFromTheMenu()
    {
        QFETCH(int, sprache);
        const Language& language = *LanguageFiles::languageOf(sprache);
        const QString code = QString::fromLatin1(language.code);
        shipLanguageFiles();
        ui::TForm1 window(m_dir.path());
        if (sprache != 0)
            choose(window, "Trkisch1"); // from another language, not only from the designed one
        choose(window, language.menuItem);
        QCOMPARE(window.state().sprache, sprache);
        for (const Language& other : LanguageFiles::languages())
            QCOMPARE(window.findChild<QAction*>(QString::fromLatin1(other.menuItem))->isChecked(), &other == &language);

        const QString path = exportWindow(window);
        const QStringList texts = readLines(path + QStringLiteral(".trans"));
        const QStringList translation = readLines(land() + QStringLiteral("bezeich.txt.") + code);
        QCOMPARE(texts.size(), translation.size());
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (texts[i] != translation[i])
                QFAIL(qPrintable(QStringLiteral("line %1: '%2', the file has '%3'").arg(i + 1).arg(texts[i], translation[i])));

        QCOMPARE(window.state().meldungen.lines(), readLines(land() + QStringLiteral("meldungen.txt.") + code));
        QCOMPARE(radioItems(&window, QStringLiteral("RadioGroup1")), readLines(land() + QStringLiteral("Radio1.txt.") + code));
        QCOMPARE(radioItems(&window, QStringLiteral("RadioGroup2")), readLines(land() + QStringLiteral("Radio2.txt.") + code));
        QCOMPARE(radioItems(&window, QStringLiteral("RadioGroup4")), readLines(land() + QStringLiteral("Radio3.txt.") + code));
        const QString cancel = qtCancel();
        QVERIFY2(language.sprache == 1 ? cancel == QStringLiteral("Cancel") || cancel == QStringLiteral("&Cancel")
                                       : cancel != QStringLiteral("Cancel") && cancel != QStringLiteral("&Cancel"),
                 qPrintable(cancel));

        // A screen reader says the field's label in the language.
        const QStringList german = readLines(land() + QStringLiteral("bezeich.txt.de"));
        const QString from = translation[german.indexOf(QStringLiteral("Quersummen von"))];
        const QString spoken = window.findChild<QWidget*>(QStringLiteral("UpDown2"))->accessibleName();
        QVERIFY2(spoken.startsWith(from), qPrintable(spoken));
        // and the names the program composes for fields without a label.
        QString field;
        for (const QString& line : readLines(land() + QStringLiteral("texte.txt.") + code))
            if (line.startsWith(QStringLiteral("Tipp %1, Zahl %2\t")))
                field = line.section(u'\t', 1).arg(1).arg(5);
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Edit5"))->accessibleName(), field);

        // A dialog made after the switch is shown in the language too.
        ui::TForm3 entry(nullptr);
        entry.show();
        QCOMPARE(entry.windowTitle(), translation[2 * readLines(land() + QStringLiteral("bezeich.txt")).indexOf(QStringLiteral("Form3")) / 5]);
        choose(window, "Deutsch1");
    }

    // At the designed width every item of the menu bar is on it, in every language: none behind
    // the overflow button.
    void theMenuBarFitsInEveryLanguage()
    {
        shipLanguageFiles();
        writeHistory();
        ui::TForm1 window(m_dir.path());
        window.show();
        for (const Language& language : LanguageFiles::languages()) {
            choose(window, language.menuItem);
            window.resize(601, 476);
            QMenuBar* bar = window.menuBar();
            QApplication::processEvents();
            for (QAction* item : bar->actions())
                if (item->isVisible())
                    QVERIFY2(bar->actionGeometry(item).right() < bar->width()
                                 && !bar->actionGeometry(item).isEmpty(),
                             qPrintable(QStringLiteral("%1: %2 at %3 of %4").arg(QString::fromLatin1(language.code), item->text())
                                            .arg(bar->actionGeometry(item).right()).arg(bar->width())));
            auto* overflow = bar->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"));
            QVERIFY2(!overflow || !overflow->isVisible(), language.code);
        }
        choose(window, "Deutsch1");
    }

    // Turkish with only a base file and a message file: captions, hints and character sets
    // come from the base file, the messages from the file, the radio groups keep their items.
    void baseFileAndMessagesOnly()
    {
        QDir().mkpath(land());
        writeLines(land() + QStringLiteral("bezeich.txt"),
                   {"Application", "Form1", "Numora Türkçe", "", "162",               //
                    " Form1 ", "BitBtn4 ", "Kolonları &hesapla", "Kolon sayısı kadar", "162", //
                    "Form1", "Label13", "RT: ", "Rakam toplamı", "kein Zeichensatz"});
        writeLines(land() + QStringLiteral("meldungen.txt.tr"), {"Sayı dağılımı", "Çekilişler"});
        ui::TForm1 window(m_dir.path());
        const QStringList items = radioItems(&window, QStringLiteral("RadioGroup1"));
        choose(window, "Trkisch1");
        QCOMPARE(window.windowTitle(), QStringLiteral("Numora Türkçe"));
        auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn4"));
        QCOMPARE(button->text(), QStringLiteral("Kolonları &hesapla"));
        QCOMPARE(button->toolTip(), QStringLiteral("Kolon sayısı kadar"));
        QCOMPARE(button->property("fontCharset").toInt(), 162);
        auto* label = window.findChild<QLabel*>(QStringLiteral("Label13"));
        QCOMPARE(label->text(), QStringLiteral("RT: "));
        QCOMPARE(label->property("fontCharset").isValid(), false); // not a number: that part is left
        QCOMPARE(window.state().meldungen.text(1), QStringLiteral("Çekilişler"));
        QCOMPARE(window.state().meldungen.text(16), QStringLiteral("Stoppen")); // the short file's rest stays
        QCOMPARE(radioItems(&window, QStringLiteral("RadioGroup1")), items);

        // With a translation file the texts come from it; the character set stays.
        writeLines(land() + QStringLiteral("bezeich.txt.en"), {"Numora", "", "&Calculate rows", "As many rows as set",
                                                               "SD: ", "Digit sum"});
        choose(window, "Englisch1");
        QCOMPARE(button->text(), QStringLiteral("&Calculate rows"));
        QCOMPARE(label->text(), QStringLiteral("SD: "));
        QCOMPARE(button->property("fontCharset").toInt(), 162);
        QCOMPARE(window.state().meldungen.text(1), QStringLiteral("Çekilişler")); // no English messages
    }

    // Records in another order than the walk: only those within eleven records of the last
    // match are found.
    void baseFileInAnotherOrder()
    {
        QDir().mkpath(land());
        QStringList lines{"Form1", "SpeedButton4", "late", "", "0", "Application", "Form1", "Title", "", "0"};
        for (int i = 0; i < 10; ++i)
            lines << "Form9" << QStringLiteral("Gap%1").arg(i) << "" << "" << "0";
        lines << "Form1" << "TabSheet1" << "Tab eleven on" << "" << "0";  // record 12: 1 + 11
        lines << "Form1" << "Label28" << "Row one" << "" << "0";           // record 13
        writeLines(land() + QStringLiteral("bezeich.txt"), lines);
        ui::TForm1 window(m_dir.path());
        choose(window, "Polnisch1");
        QCOMPARE(window.windowTitle(), QStringLiteral("Title"));
        QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabText(0), QStringLiteral("Lottotipp"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label28"))->text(), QStringLiteral("1. Tipp"));
        QVERIFY(window.findChild<QAbstractButton*>(QStringLiteral("SpeedButton4"))->text().isEmpty());
    }

    // Damaged files never stop the start-up nor blank a window: what they lack keeps its text.
    void damagedFilesKeepTheCurrentTexts()
    {
        shipLanguageFiles();
        const QStringList translation = readLines(land() + QStringLiteral("bezeich.txt.de"));
        writeLines(land() + QStringLiteral("bezeich.txt.nl"), {"Numora NL", "", "Lotto-tip NL"}); // far too short
        writeBytes(land() + QStringLiteral("meldungen.txt.nl"), QByteArray("\x7F" "ELF\0\x02\x01\0garbage", 16));
        writeBytes(land() + QStringLiteral("Radio1.txt.nl"), QByteArray());
        ui::TForm1 window(m_dir.path());
        choose(window, "Niederlndisch1");
        QCOMPARE(window.windowTitle(), QStringLiteral("Numora NL"));
        QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabText(0), QStringLiteral("Lotto-tip NL"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->text(), QStringLiteral("Tipps &berechnen"));
        QCOMPARE(window.state().meldungen.lines(), Meldungen::germanTexts());
        QCOMPARE(radioItems(&window, QStringLiteral("RadioGroup1")).size(), 3);
        QVERIFY(!radioItems(&window, QStringLiteral("RadioGroup1")).contains(QString()));

        // A translation that is no text at all changes no caption.
        writeBytes(land() + QStringLiteral("bezeich.txt.cz"), QByteArray("\0\0\0\x01binary", 10));
        choose(window, "schechisch1");
        QCOMPARE(window.windowTitle(), QStringLiteral("Numora NL"));

        // Without the folder nothing changes but the marks and the stored choice.
        QVERIFY(QDir(land()).removeRecursively());
        choose(window, "Russisch1");
        QCOMPARE(window.state().sprache, 5);
        QCOMPARE(window.windowTitle(), QStringLiteral("Numora NL"));
        Q_UNUSED(translation);
    }

    // What stays on screen across a switch speaks the new language: the hint in the status bar,
    // and the number selection dialog of a row says which row it edits, its "Zufall" button
    // what it reads. The German catalogue gives the technical texts in German too.
    void textsOnShowFollowTheLanguage()
    {
        shipLanguageFiles();
        writeHistory();
        ui::TForm1 window(m_dir.path());
        window.show();
        // The folder in use, resting in the status bar, follows the switch.
        const QString folder = window.statusPanel(1)->text().section(QStringLiteral(": "), 1);
        QVERIFY(window.statusPanel(1)->text().startsWith(QStringLiteral("Ihre Dateien: ")));
        choose(window, "Englisch1");
        QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("Your files: ") + folder);
        choose(window, "Russisch1");
        auto* clearAll = window.findChild<QWidget*>(QStringLiteral("SpeedButton11"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(clearAll, &enter);
        const QString russian = clearAll->toolTip();
        QCOMPARE(window.statusPanel(1)->text(), russian);
        choose(window, "Englisch1");
        QVERIFY(clearAll->toolTip() != russian);
        QCOMPARE(window.statusPanel(1)->text(), clearAll->toolTip());

        QString title, spoken, shown;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            title = dialog->windowTitle();
            auto* random = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn3"));
            random->click(); // the caption counts from the first tick of its timer
            QTest::qWaitFor([random] { return random->text().contains(QRegularExpression(QStringLiteral("\\d"))); }, 5000);
            shown = random->text().remove(QLatin1Char('&'));
            spoken = random->accessibleName();
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        });
        window.findChild<QAbstractButton*>(QStringLiteral("Tipp2Edit"))->click();
        // The row named as its label on the sheet names it.
        QCOMPARE(title, QStringLiteral("Line 2"));
        QCOMPARE(window.findChild<QLabel*>(TTippSchein::rowLabelName(1))->text(), title);
        // The hint of each row's edit button names its own row.
        auto* second = window.findChild<QAbstractButton*>(QStringLiteral("Tipp2Edit"));
        QEvent enterSecond(QEvent::Enter);
        QApplication::sendEvent(second, &enterSecond);
        QVERIFY2(window.statusPanel(1)->text().contains(QStringLiteral("line 2")), qPrintable(window.statusPanel(1)->text()));
        QCOMPARE(shown, QStringLiteral("1 Stop")); // English, like the rest of the window
        QCOMPARE(spoken, shown);

        choose(window, "Deutsch1");
        QEvent enterLast(QEvent::Enter);
        QApplication::sendEvent(window.findChild<QAbstractButton*>(QStringLiteral("Tipp12Edit")), &enterLast);
        QVERIFY2(window.statusPanel(1)->text().contains(QStringLiteral("Tipp 12 ")), qPrintable(window.statusPanel(1)->text()));
        QCOMPARE(tx(QStringLiteral("%1 fields, expected %2")), QStringLiteral("%1 Felder, erwartet %2"));
        QCOMPARE(tx(QStringLiteral("Connecting to %1.")), QStringLiteral("Verbinde mit %1."));
    }

    // The texts composed at run time follow a language that has a catalogue; Deutsch, a language
    // without one and a damaged one give German again. The comparison window, built once, is
    // refreshed.
    void composedTextsFollowTheLanguage()
    {
        QDir().mkpath(land());
        writeLines(land() + QStringLiteral("texte.txt.en"),
                   {"CSV importieren\tImport CSV", "Reihen nach Anzahl der Richtigen\tRows by hits",
                    "Optionen\tOptions", "%1 Richtige\t%1 hits",
                    "Es wurde keine Reihe ausgewertet, ein Vergleich mit dem Zufall ist nicht möglich.\tNo rows."});
        writeLines(land() + QStringLiteral("texte.txt.fr"), {"CSV importieren\tImporter CSV"});
        writeBytes(land() + QStringLiteral("texte.txt.nl"), QByteArray("\0\0\0\x01binary", 10));
        ui::TForm1 window(m_dir.path());
        ui::ChanceComparisonWindow comparison(nullptr);
        comparison.showComparison(ChanceComparison{});
        const auto chartTitle = [&] { return comparison.findChild<QChartView*>()->chart()->title(); };
        const auto table = comparison.findChild<QTableWidget*>(QStringLiteral("ComparisonTable"));
        const auto sentence = comparison.findChild<QLabel*>(QStringLiteral("ComparisonSentence"));

        choose(window, "Englisch1");
        comparison.retranslate();
        QCOMPARE(tx(QStringLiteral("CSV importieren")), QStringLiteral("Import CSV"));
        QCOMPARE(chartTitle(), QStringLiteral("Rows by hits"));
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Options"));
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Zufallstipps")); // no entry: German
        QCOMPARE(table->verticalHeaderItem(3)->text(), QStringLiteral("3 hits"));
        QCOMPARE(sentence->text(), QStringLiteral("No rows."));

        choose(window, "Franzsisch1");
        QCOMPARE(tx(QStringLiteral("CSV importieren")), QStringLiteral("Importer CSV"));
        QCOMPARE(tx(QStringLiteral("Optionen")), QStringLiteral("Optionen")); // nothing of English is left
        for (const char* german : {"Deutsch1", "Spanisch1", "Niederlndisch1"}) {
            choose(window, "Englisch1");
            choose(window, german);
            QCOMPARE(tx(QStringLiteral("CSV importieren")), QStringLiteral("CSV importieren"));
        }
        comparison.retranslate();
        QCOMPARE(chartTitle(), QStringLiteral("Reihen nach Anzahl der Richtigen"));
        QCOMPARE(table->verticalHeaderItem(3)->text(), QStringLiteral("3 Richtige"));
    }

    // What the export writes, applied as a new language, reaches every widget it exported.
    void exportThenApplyAsANewLanguage()
    {
        ui::TForm1 window(m_dir.path());
        const QString path = exportWindow(window);
        QDir().mkpath(land());
        QVERIFY(QFile::copy(path, land() + QStringLiteral("bezeich.txt")));
        QStringList marked = readLines(path + QStringLiteral(".trans"));
        for (QString& line : marked)
            line.prepend(QStringLiteral("§"));
        writeLines(land() + QStringLiteral("bezeich.txt.sp"), marked);
        choose(window, "Spanisch1");
        const QStringList again = readLines(exportWindow(window) + QStringLiteral(".trans"));
        QCOMPARE(again, marked);
    }

    // The hidden export: Ctrl+Shift+E shows it, and it asks for the file name.
    void exportFromTheMenu()
    {
        writeHistory();
        startWindow(m_today);
        auto* item = find<QAction>(QStringLiteral("Export1"));
        QVERIFY(!item->isVisible());
        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(item->isVisible());
        const QString path = m_dir.filePath(QStringLiteral("vorlage.txt"));
        ui::FileDialogs::answerNext(path);
        item->trigger();
        QCOMPARE(ui::FileDialogs::lastRequest().filter, QStringLiteral("Textdatei (*.txt)"));
        QCOMPARE(ui::FileDialogs::lastRequest().suffix, QStringLiteral("txt"));
        QVERIFY(readLines(path).size() > 500);
        QCOMPARE(readLines(path + QStringLiteral(".trans")).size() * 5, readLines(path).size() * 2);
        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!item->isVisible());
        m_window.reset();
        // The switch shows it from the start.
        ui::TForm1 window(m_dir.path(), CommandLine::parse({QStringLiteral("--export-texts")}));
        QVERIFY(window.findChild<QAction*>(QStringLiteral("Export1"))->isVisible());
    }

    // The choice is kept: the next start comes up in it before any message is shown.
    void startUpAppliesTheStoredLanguage()
    {
        shipLanguageFiles();
        writeHistory();
        startWindow(m_today);
        choose(*m_window, "Trkisch1");
        m_window->close();
        m_window.reset();
        startWindow(m_today, true);
        QVERIFY(m_window->findChild<QAction*>(QStringLiteral("Trkisch1"))->isChecked());
        QVERIFY(!m_window->findChild<QAction*>(QStringLiteral("Deutsch1"))->isChecked());
        QCOMPARE(m_window->state().meldungen.text(0), readLines(land() + QStringLiteral("meldungen.txt.tr")).value(0));
        const auto* tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
        QCOMPARE(tabs->tabText(0), readLines(land() + QStringLiteral("bezeich.txt.tr")).value(2));
        // A switch while the window runs keeps the draw on show, not the designed texts of its labels.
        choose(*m_window, "Englisch1");
        QVERIFY(find<QLabel>(QStringLiteral("Label13"))->text().contains(QStringLiteral("130")));
        // and draws the chart on show again under its title in the new language.
        const QString distribution = readLines(land() + QStringLiteral("meldungen.txt.en")).value(0);
        QVERIFY(find<ui::MainChart>(QStringLiteral("Chart1"))->title().startsWith(distribution));
        QCOMPARE(tabs->currentIndex(), 0);
        choose(*m_window, "Deutsch1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Lottotipp"));
        m_window.reset();
    }

    // A store an earlier build wrote (tests/data/ui/Orbix.reg, its language set to Turkish) comes
    // up in that language from the shipped files before any message, and a close without a
    // change writes the same file again.
    void aStoreFromAnEarlierBuildStartsInItsLanguage()
    {
        shipLanguageFiles();
        writeHistory();
        QFile fixture(QStringLiteral(NUMORA_SOURCE_DIR "/tests/data/ui/Orbix.reg"));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        QByteArray stored = fixture.readAll();
        const QByteArray german = "\"Sprache\"=dword:00000000\r\n";
        QVERIFY(stored.contains(german));
        stored.replace(german, "\"Sprache\"=dword:00000004\r\n");
        const QString storePath = configHome() + QStringLiteral("/Veldor/Orbix.reg");
        QDir().mkpath(configHome() + QStringLiteral("/Veldor"));
        writeBytes(storePath, stored);

        startWindow(m_today, true);
        QCOMPARE(m_window->state().sprache, 4);
        QVERIFY(m_window->findChild<QAction*>(QStringLiteral("Trkisch1"))->isChecked());
        QCOMPARE(m_window->state().meldungen.lines(), readLines(land() + QStringLiteral("meldungen.txt.tr")));
        QCOMPARE(find<QTabWidget>(QStringLiteral("PageControl1"))->tabText(0),
                 readLines(land() + QStringLiteral("bezeich.txt.tr")).value(2));
        QCOMPARE(radioItems(m_window.get(), QStringLiteral("RadioGroup1")),
                 readLines(land() + QStringLiteral("Radio1.txt.tr")));
        m_window->close();
        m_window.reset();
        QFile written(storePath);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), stored);
    }

    // "Dokumentation anzeigen" opens the manual of the interface language, German for a
    // language it is not written in; F1 does the same from a page of the main window and from
    // a dialog in front of it.
    void theManualOfTheInterfaceLanguageOpens_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("manual");
        QTest::newRow("German") << "Deutsch1" << "Numora.pdf";
        QTest::newRow("English") << "Englisch1" << "Numora.en.pdf";
        QTest::newRow("Turkish") << "Trkisch1" << "Numora.tr.pdf";
        QTest::newRow("French has none") << "Franzsisch1" << "Numora.pdf";
    }

    void theManualOfTheInterfaceLanguageOpens()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, manual);
        shipLanguageFiles();
        writeHistory();
        startWindow(m_today);
        choose(*m_window, qPrintable(menuItem));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "opened");
        m_opened.clear();

        choose(*m_window, "Dokumentationanzeigen1");
        find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        QTest::keyClick(find<QSpinBox>(QStringLiteral("UpDown12")), Qt::Key_F1);
        bool inDialog = false;
        QTimer::singleShot(0, this, [&inDialog] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            inDialog = true;
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
            dialog->close();
        });
        find<QPushButton>(QStringLiteral("BitBtn8"))->click(); // the draw entry
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QVERIFY(inDialog);

        const QUrl expected = QUrl::fromLocalFile(QDir(m_dir.path()).filePath(manual));
        QCOMPARE(m_opened, (QList<QUrl>{expected, expected, expected}));
        m_window.reset();
    }
};

QTEST_MAIN(LanguageWindowTest)
#include "LanguageWindowTest.moc"

// The print settings, the print-position window and the ticket print of the main window.
#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "output/TicketLayout.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/print/PrintSettingsDialog.h"
#include "ui/print/RowListPrint.h"
#include "ui/print/TicketPositionDialog.h"
#include "print/TicketPainter.h"
#include "ui/print/TicketPage.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace numora;
using numora::ui::TForm1;
using numora::ui::TForm4;
using numora::ui::TForm5;
namespace RowListPrint = numora::ui::RowListPrint;

namespace {

TZiehung draw(int y, int m, int d, std::array<int, 6> numbers, int superzahl)
{
    TZiehung record;
    record.Datum = DayDate::fromYmd(y, m, d);
    for (int i = 0; i < 6; ++i)
        record.Zahlen[i] = static_cast<std::uint8_t>(numbers[std::size_t(i)]);
    record.Superzahl = static_cast<std::uint8_t>(superzahl);
    return record;
}

} // namespace

class PrintWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT


    TForm5* dialog() { return m_window->printSettings(); }

    template <typename T>
    T* inDialog(const char* name)
    {
        auto* widget = dialog()->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    // Runs the print settings through Ctrl+P; `act` works the dialog while it is shown.
    int runPrintSettings(std::function<void()> act)
    {
        bool acted = false;
        QTimer::singleShot(0, this, [&] {
            acted = dialog()->isVisible();
            act();
            // A failed check leaves the dialog open: close it, or the test would hang.
            if (dialog()->isVisible())
                dialog()->reject();
        });
        QAction* item = m_window->findChild<QAction*>(QStringLiteral("ScheinDrucken1"));
        if (!item)
            qFatal("no print menu item");
        QSignalSpy finished(dialog(), &QDialog::finished);
        item->trigger();
        if (!acted)
            qWarning("the print settings were not shown");
        return finished.isEmpty() ? -1 : finished.first().first().toInt();
    }

    void fillRow(int row, const QStringList& numbers)
    {
        for (int k = 0; k < 6; ++k)
            m_window->state().sheet.setField(row - 1, k, numbers.value(k));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        const std::vector<TZiehung> history{
            draw(2019, 10, 26, {3, 8, 19, 27, 33, 45}, 4),
            draw(2019, 10, 30, {3, 14, 16, 23, 27, 43}, 5),
            draw(2019, 11, 2, {1, 2, 3, 4, 5, 6}, 6),
        };
        QVERIFY(DrawFile(drawPath()).replaceAll(history).ok());
        startWindow(QDate(2026, 12, 10)); // a Thursday
    }

    void cleanup() { m_window.reset(); }

    // A 6-of-90 game without ticket layouts, additional games, ticket number or online
    // submission: one's own positions over its grid, those controls off saying why, the price in
    // its currency, and the plain list of the rows.
    void aGameWithoutTicketLayouts()
    {
        Game game;
        game.id = QStringLiteral("mine90");
        game.name = QStringLiteral("Mein Spiel");
        game.numbers = 90;
        game.gridColumns = 10;
        game.gridRows = 9;
        game.currency = QStringLiteral("TRY");
        game.feeCents = 1000;
        game.ticketLayouts = game.additionalGames = game.ticketNumber = game.onlineSubmission = false;
        m_window->state().useGame(game, std::nullopt);
        fillRow(1, {"1", "2", "3", "4", "64", "90"});
        fillRow(2, {"1", "2", "3", "4", "5", "49"});
        m_window->state().ticket.neuerSchein = 4; // a state ticket chosen in the default game
        print::TicketPage printed;
        TForm4::answerNextPreview([&](const print::TicketPage& page) { printed = page; });
        print::RowListPage list;
        RowListPrint::answerNextPreview([&](const print::RowListPage& page) { list = page; });
        const int result = runPrintSettings([&] {
            QVERIFY(inDialog<QRadioButton>("RadioGroup1Item13")->isChecked());
            QVERIFY(!inDialog<QRadioButton>("RadioGroup1Item4")->isEnabled());
            QVERIFY(inDialog<QRadioButton>("RadioGroup1Item4")->toolTip().startsWith(QStringLiteral("Für dieses Spiel gibt es keine Scheinvorlagen")));
            QVERIFY(inDialog<QPushButton>("anpassen")->isEnabled());
            for (const char* box : {"CheckBox3", "CheckBox4", "CheckBox6"}) {
                QVERIFY(!inDialog<QCheckBox>(box)->isEnabled());
                QCOMPARE(inDialog<QCheckBox>(box)->toolTip(), QStringLiteral("Dieses Spiel hat keine Zusatzspiele."));
            }
            QVERIFY(!inDialog<QSpinBox>("Edit3")->isEnabled());
            // Two rows on Saturday at 10 TRY.
            QCOMPARE(inDialog<QLabel>("Label4")->text(), QStringLiteral("20,00 TRY"));
            inDialog<QPushButton>("ListeDrucken")->click();
            inDialog<QPushButton>("BitBtn2")->click();
        });
        QCOMPARE(result, int(TForm5::Print));
        // The crosses over the 10-wide grid: 90 in the tenth column of the ninth line.
        QVERIFY(printed.layout.number(1, 6).printed);
        QCOMPARE(printed.layout.number(1, 6).left - printed.layout.number(1, 1).left,
                 9 * (printed.layout.number(1, 2).left - printed.layout.number(1, 1).left));
        QCOMPARE(printed.layout.number(1, 6).top - printed.layout.number(1, 1).top,
                 8 * (printed.layout.number(1, 5).top - printed.layout.number(1, 1).top) / 6);
        QVERIFY(!printed.layout.options[TicketLayout::Spiel77Nein].printed);
        QVERIFY(list.lines.size() >= 4);
        QCOMPARE(list.lines.first(), QStringLiteral("Mein Spiel 6/90"));
        QVERIFY(list.lines.join(QLatin1Char('\n')).contains(QStringLiteral(" 4   64   90")));
        QCOMPARE(list.lines.last(), QStringLiteral("Preis: 20,00 TRY"));
    }

    void printsThePresetAndKeepsItsChoices()
    {
        fillRow(1, {"1", "2", "3", "4", "5", "10"});
        fillRow(2, {"1", "2", "3", "4", "5", "49"});
        m_window->state().ticket.super6Ja = 1;
        print::TicketPage printed;
        bool previewed = false;
        TForm4::answerNextPreview([&](const print::TicketPage& page) {
            printed = page;
            previewed = true;
        });
        const int result = runPrintSettings([&] {
            QVERIFY(inDialog<QCheckBox>("CheckBox1")->isChecked()); // Thursday: Saturday
            QVERIFY(!inDialog<QCheckBox>("CheckBox2")->isChecked());
            QCOMPARE(inDialog<QCheckBox>("CheckBox4")->checkState(), Qt::Checked);
            // 2 rows + Super 6, one day.
            QCOMPARE(inDialog<QLabel>("Label4")->text(), QStringLiteral("3,25 €"));
            // Unticking the day by a click costs nothing.
            QTest::mouseClick(inDialog<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(4, 4));
            QCOMPARE(inDialog<QLabel>("Label4")->text(), QStringLiteral("0,00 €"));
            QTest::mouseClick(inDialog<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(4, 4));
            // A game box goes from unticked to ticked to grey.
            auto* spiel77 = inDialog<QCheckBox>("CheckBox3");
            QTest::mouseClick(spiel77, Qt::LeftButton, {}, QPoint(4, 4));
            QCOMPARE(spiel77->checkState(), Qt::Checked);
            QCOMPARE(inDialog<QLabel>("Label4")->text(), QStringLiteral("5,75 €"));
            QTest::mouseClick(spiel77, Qt::LeftButton, {}, QPoint(4, 4));
            QCOMPARE(spiel77->checkState(), Qt::PartiallyChecked);
            QCOMPARE(inDialog<QLabel>("Label4")->text(), QStringLiteral("3,25 €"));
            inDialog<QRadioButton>("RadioGroup1Item0")->click();
            QCOMPARE(inDialog<QSpinBox>("UpDown1")->value(), 50);
            QCOMPARE(inDialog<QSpinBox>("UpDown2")->value(), 52);
            for (int i = 0; i < 6; ++i)
                inDialog<QSpinBox>(qPrintable(QStringLiteral("Edit%1").arg(i + 3)))->setValue(i + 1);
            inDialog<QPushButton>("BitBtn2")->click();
        });
        QCOMPARE(result, int(TForm5::Print));
        QVERIFY(previewed);
        QCOMPARE(printed.layout.number(1, 6).left, 80);
        QCOMPARE(printed.layout.number(2, 6).top, 234);
        QVERIFY(!printed.layout.options[TicketLayout::Spiel77Ja].printed);
        QVERIFY(!printed.layout.options[TicketLayout::Spiel77Nein].printed);
        QVERIFY(printed.layout.options[TicketLayout::Super6].printed);
        QCOMPARE(printed.paper, (PaperSize{297, 210, false}));

        // The print's geometry and choices stay with the program.
        const QString number = m_window->state().sheet.ticketNumber();
        QVERIFY(number.startsWith(QStringLiteral("123456")));
        QCOMPARE(find<QLabel>(QStringLiteral("LosnummerLabel"))->text(), QStringLiteral("Schein Nr : ") + number);
        QCOMPARE(m_window->state().ticket.neuerSchein, 0);
        QCOMPARE(m_window->state().ticket.tippTop, 50);
        QCOMPARE(m_window->state().ticket.spiel77Ja, 0); // grey is not played
        QCOMPARE(m_window->state().ticket.super6Ja, 1);
        QCOMPARE(m_window->printPositions()->field(PositionField::LeftCorrection)->text(), QStringLiteral("2"));
        // The ticket choices are stored while printing, into the test's own store.
        QFile store(configHome() + QStringLiteral("/Veldor/Orbix.reg"));
        QVERIFY(store.open(QIODevice::ReadOnly));
        const QString stored = QString::fromUtf8(store.readAll());
        QVERIFY2(stored.contains(QStringLiteral("\"Losnummer\"=\"%1\"").arg(number)), qPrintable(stored));
    }

    void closingTheFrameIsAnAbort()
    {
        bool previewed = false;
        TForm4::answerNextPreview([&](const print::TicketPage&) { previewed = true; });
        const int result = runPrintSettings([&] { dialog()->close(); });
        QCOMPARE(result, int(TForm5::Abort));
        QVERIFY(!previewed);
        TForm4::answerNextPreview(nullptr);
    }

    void presetsSetTheLayoutAndCustomFieldsAreChecked()
    {
        // The preparation chooses the stored preset as the user would: Brandenburg keeps 49x1.
        m_window->state().ticket.neuerSchein = 1;
        m_window->state().ticket.neuerSchein = TicketPresets::Custom;
        m_window->state().print.layout = 1;
        m_window->printPositions()->showValues();
        QString error;
        bool previewed = false;
        TForm4::answerNextPreview([&](const print::TicketPage&) { previewed = true; });
        runPrintSettings([&] {
            auto* adjust = inDialog<QPushButton>("anpassen");
            inDialog<QRadioButton>("RadioGroup1Item1")->click(); // Brandenburg keeps the layout
            QCOMPARE(m_window->state().print.layout, 1);
            QVERIFY(!adjust->isEnabled());
            inDialog<QRadioButton>("RadioGroup1Item13")->click();
            QCOMPARE(m_window->state().print.layout, 1);
            QVERIFY(adjust->isEnabled());
            // The custom positioning: a height that is no integer.
            QTimer::singleShot(0, this, [this] {
                auto* positions = m_window->printPositions();
                positions->field(PositionField::FieldHeight)->setText(QStringLiteral("1 4"));
                positions->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            });
            adjust->click();
            QTimer::singleShot(0, this, [&error] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                error = box->text();
                box->accept();
            });
            inDialog<QPushButton>("BitBtn2")->click();
        });
        QVERIFY2(error.contains(QStringLiteral("Feldhöhe:")), qPrintable(error));
        QVERIFY(!previewed);
        QCOMPARE(m_window->state().print.positions[PositionField::FieldHeight], QStringLiteral("1 4"));
        TForm4::answerNextPreview(nullptr);

        // Any other preset sets blocks of 7x7.
        runPrintSettings([&] {
            inDialog<QRadioButton>("RadioGroup1Item7")->click();
            QCOMPARE(m_window->state().print.layout, 0);
            inDialog<QPushButton>("BitBtn1")->click();
        });
    }

    void aPresetCheckedByAScreenReaderBringsItsOffsets()
    {
        // A screen reader ticks the item through its toggle action, not with a click.
        runPrintSettings([&] {
            auto* bayern = inDialog<QRadioButton>("RadioGroup1Item10");
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(bayern);
            QVERIFY(item && item->actionInterface());
            item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            QVERIFY(bayern->isChecked());
            QCOMPARE(inDialog<QSpinBox>("UpDown1")->value(), 76);
            QCOMPARE(inDialog<QSpinBox>("UpDown2")->value(), 21);
            inDialog<QPushButton>("BitBtn1")->click();
        });
    }

    void crossesOffThePaperSendTheUserBackToTheSettings()
    {
        // Twelve rows at the designed custom positions, one line of 49 per row, on the smallest
        // paper: the right-hand ends of the rows lie beyond its edge.
        for (int r = 1; r <= 11; ++r)
            fillRow(r, {"1", "2", "3", "4", "5", "6"});
        fillRow(12, {"1", "9", "17", "25", "33", "49"});
        m_window->state().ticket.neuerSchein = TicketPresets::Custom;
        m_window->state().print.layout = 1;
        m_window->printPositions()->showValues();
        QString warning;
        int settingsShown = 0;
        print::TicketPage printed;
        TForm4::answerNextPreview([&](const print::TicketPage& page) { printed = page; });
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->objectName() == QLatin1String("OffPaperQuestion")) {
                warning = box->text();
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == QStringLiteral("Zurück zu den Einstellungen"))
                        button->click();
            } else if (modal == dialog() && settingsShown == 0) {
                // Shown again after the warning, as the user left it: a larger paper now.
                ++settingsShown;
                QCOMPARE(inDialog<QComboBox>("ComboBox1")->currentIndex(), 3);
                inDialog<QComboBox>("ComboBox1")->setCurrentIndex(0);
                inDialog<QPushButton>("BitBtn2")->click();
            }
        });
        const int result = runPrintSettings([&] {
            inDialog<QRadioButton>("RadioGroup1Item13")->click();
            inDialog<QComboBox>("ComboBox1")->setCurrentIndex(3);
            answer.start(10);
            inDialog<QPushButton>("BitBtn2")->click();
        });
        answer.stop();
        QCOMPARE(result, int(TForm5::Print));
        QVERIFY2(warning.startsWith(QStringLiteral("Kreuze außerhalb des Papiers, die nicht gedruckt würden: 1 (12. Tipp)")),
                 qPrintable(warning));
        QCOMPARE(settingsShown, 1);
        QCOMPARE(printed.paper, (PaperSize{297, 210, false}));
        QVERIFY(print::marksOffPaper(printed).empty());
    }

    // The preview's print dialog leaves its own default paper on the printer (US Letter for a
    // PDF); the page still comes out on the paper of the print settings.
    void thePrinterGetsTheChosenPaperWhateverItWasSetTo()
    {
        print::TicketPage page;
        page.paper = *Paper::size(3); // 18x10,6
        TTippSchein sheet;
        for (int k = 0; k < 6; ++k)
            sheet.setField(0, k, QString::number(k + 1));
        TicketRequest request;
        request.positions = PrintValues::designedPositions();
        const auto layout = layoutTicket(sheet, request);
        QVERIFY(layout.ok());
        page.layout = *layout;
        const QString pdf = m_dir.filePath(QStringLiteral("schein.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        TForm4::printOn(printer, page);
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(pdfinfo.waitForFinished(60000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        const auto size = QRegularExpression(QStringLiteral(R"re(Page size:\s+([\d.]+) x ([\d.]+) pts)re")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QCOMPARE(qRound(size.captured(1).toDouble()), 510);
        QCOMPARE(qRound(size.captured(2).toDouble()), 300);
    }

    void theExclusionWithTooFewDrawsIsDropped()
    {
        m_window->state().params.setCheckBox(33, true);
        m_window->state().params.setUpDown(19, 8); // three draws only
        m_window->state().ticket.superzahlOption = 1; // the rarest digit: 0 (never drawn)
        int superzahl = -1;
        runPrintSettings([&] {
            superzahl = inDialog<QSpinBox>("Edit9")->value();
            inDialog<QPushButton>("BitBtn1")->click();
        });
        QCOMPARE(superzahl, 0);
        QVERIFY(m_window->statusPanel(1)->text().contains(QStringLiteral("ohne")));
    }

    void printModeLoadsPrintsAndCloses()
    {
        m_window.reset();
        const QString tip = m_dir.filePath(QStringLiteral("druck.ntp"));
        QFile file(tip);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("7,8,9,10,11,12\r\n");
        file.close();
        CommandLine commandLine;
        commandLine.printMode = true;
        commandLine.tipFile = tip;
        m_window = std::make_unique<TForm1>(m_dir.path(), commandLine);
        m_window->state().today = [] { return QDate(2026, 12, 9); }; // a Wednesday
        bool wednesday = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(dialog()->isVisible());
            wednesday = inDialog<QCheckBox>("CheckBox2")->isChecked();
            inDialog<QPushButton>("BitBtn2")->click();
        });
        print::TicketPage printed;
        TForm4::answerNextPreview([&](const print::TicketPage& page) { printed = page; });
        m_window->show();
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(wednesday);
        QVERIFY(printed.layout.number(1, 1).printed);
        QCOMPARE(printed.layout.number(1, 1).left, 47 + 6 * 14 - 3); // 7 at L + 6h - 3
        QCOMPARE(m_window->state().sheet.field(0, 5), QStringLiteral("12"));
    }
};

QTEST_MAIN(PrintWindowTest)
#include "PrintWindowTest.moc"

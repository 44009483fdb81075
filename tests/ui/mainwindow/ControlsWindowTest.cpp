// Controls of the main window that must do what they show: the field exit of the tip sheet, the
// paired limits of the options, the statistic labels, and the "Internet-Optionen" fields.
#include "model/Links.h"
#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "model/TTippSchein.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/chart/MainChart.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace numora;
using numora::test::answerNextMessageBox;
using numora::test::draw;

class ControlsWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    void showPage(int outer, int inner = -1)
    {
        find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(outer);
        if (inner >= 0)
            find<QTabWidget>(QStringLiteral("PageControl2"))->setCurrentIndex(inner);
        QApplication::processEvents();
    }

    // The up arrow of a spin box: the upper half of its right edge.
    static void clickUpArrow(QSpinBox* spin)
    {
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() - 6, spin->height() / 4));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const std::vector<TZiehung> history{
            draw(1996, 11, 16, {3, 8, 19, 27, 33, 45}),
            draw(1996, 11, 23, {3, 14, 16, 23, 27, 43}),
            draw(1996, 11, 30, {1, 2, 3, 4, 5, 6}),
        };
        QVERIFY(DrawFile(drawPath()).replaceAll(history).ok());
    }

    void init() { startWindow(QDate(2026, 12, 10)); }

    void cleanup() { m_window.reset(); }

    void fieldExitOnlyWhenTheFocusMovesToAnotherControl()
    {
        // A complete row typed unsorted; the focus is still in its last field.
        const QStringList typed{"45", "3", "27", "8", "33", "19"};
        for (int i = 0; i < 6; ++i) {
            auto* field = find<QLineEdit>(QStringLiteral("Edit%1").arg(1 + i));
            field->setFocus();
            QTest::keyClicks(field, typed[i]);
        }
        auto* last = find<QLineEdit>(QStringLiteral("Edit6"));
        QCOMPARE(rowTexts(1), typed);

        // Switching windows, a menu or a message box take the focus away without leaving the field.
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QApplication::sendEvent(last, &out);
            QCOMPARE(rowTexts(1), typed);
        }
        // A move to another control evaluates the sheet: the row is sorted.
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(last, &out);
        QCOMPARE(rowTexts(1), (QStringList{"3", "8", "19", "27", "33", "45"}));
    }

    // The menu bar is no control of the sheet: Alt+D and Escape, or the bar taking the focus and
    // giving it back, leave the row as typed; the next move to another field checks it.
    void theMenuDoesNotLeaveTheField()
    {
        const QStringList typed{"45", "3", "27", "8", "33", "19"};
        for (int i = 0; i < 6; ++i) {
            auto* field = find<QLineEdit>(TTippSchein::fieldName(0, i));
            field->setFocus();
            QTest::keyClicks(field, typed[i]);
        }
        auto* last = find<QLineEdit>(TTippSchein::fieldName(0, 5));
        QApplication::setActiveWindow(m_window.get());
        QTest::keyClick(last, Qt::Key_D, Qt::AltModifier);
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        QCOMPARE(rowTexts(1), typed);
        if (QApplication::focusWidget() != last)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(rowTexts(1), typed);

        m_window->menuBar()->setFocus(Qt::MenuBarFocusReason);
        QCOMPARE(rowTexts(1), typed);
        last->setFocus(Qt::MenuBarFocusReason);
        QCOMPARE(rowTexts(1), typed);
        find<QLineEdit>(TTippSchein::fieldName(1, 0))->setFocus(Qt::TabFocusReason);
        QCOMPARE(rowTexts(1), (QStringList{"3", "8", "19", "27", "33", "45"}));
    }

    void fieldExitAfterTheWindowWasInactive()
    {
        // The newest draw, 1..6, typed into row 1; the focus stays in its last field.
        for (int i = 0; i < 6; ++i) {
            auto* field = find<QLineEdit>(TTippSchein::fieldName(0, i));
            field->setFocus();
            QTest::keyClicks(field, QString::number(6 - i));
        }
        auto* last = find<QLineEdit>(TTippSchein::fieldName(0, 5));
        auto* hits = find<QLabel>(TTippSchein::hitLabelName(0));
        const QStringList typed{"6", "5", "4", "3", "2", "1"};
        QWidget other;
        other.show();

        // Away to another window and back into the same field is no move.
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(m_window.get());
        QCOMPARE(QApplication::focusWidget(), last);
        QCOMPARE(rowTexts(1), typed);
        QVERIFY(hits->text().isEmpty());

        // Away again; a click into row 2 of the inactive window puts the focus there, which the
        // window only reports when it is active again: that is the move that checks the sheet.
        QApplication::setActiveWindow(&other);
        auto* next = find<QLineEdit>(TTippSchein::fieldName(1, 0));
        next->setFocus(Qt::MouseFocusReason);
        QVERIFY(hits->text().isEmpty());
        QApplication::setActiveWindow(m_window.get());
        QCOMPARE(QApplication::focusWidget(), next);
        QCOMPARE(hits->text(), QStringLiteral("6"));
        QCOMPARE(find<QLabel>(TTippSchein::sumLabelName(0))->text(), QStringLiteral("21"));
        QCOMPARE(rowTexts(1), (QStringList{"1", "2", "3", "4", "5", "6"}));
    }

    void hiddenFieldsAreNamedLikeTheRest()
    {
        QCOMPARE(find<QLineEdit>(QStringLiteral("URLEdit"))->accessibleName(), QStringLiteral("Adresse der Startseite"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit81"))->accessibleName(), QStringLiteral("Gebühr für eine Ziehung"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit82"))->accessibleName(), QStringLiteral("Gebühr für beide Ziehungen"));
    }

    void pairedLimitsShowWhatTheGeneratorUses_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typedInto");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("typedValue");
        QTest::addColumn<int>("clickedValue");
        // Minimum 4 typed above the maximum 2, then the maximum's up arrow: both come to 2..3.
        QTest::newRow("common numbers") << 1 << "UpDown9" << "4" << "UpDown3" << 2 << 3;
        // Even minimum 5 typed, then the odd minimum's up arrow: it cannot pass 6 - 5.
        QTest::newRow("even and odd") << 2 << "UpDown15" << "5" << "UpDown16" << 5 << 1;
    }

    void pairedLimitsShowWhatTheGeneratorUses()
    {
        QFETCH(int, page);
        QFETCH(QString, typedInto);
        QFETCH(QString, typed);
        QFETCH(QString, clicked);
        QFETCH(int, typedValue);
        QFETCH(int, clickedValue);
        showPage(1, page);
        auto* typedSpin = find<QSpinBox>(typedInto);
        typedSpin->setFocus();
        typedSpin->selectAll();
        QTest::keyClicks(typedSpin, typed);
        QCOMPARE(m_window->state().params.upDown(typedInto.mid(6).toInt()), typed.toInt());

        clickUpArrow(find<QSpinBox>(clicked));
        QCOMPARE(typedSpin->value(), typedValue);
        QCOMPARE(find<QSpinBox>(clicked)->value(), clickedValue);
        for (int n : {3, 9, 15, 16})
            QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown%1").arg(n))->value(), m_window->state().params.upDown(n));
    }

    void statisticLabelsChartLikeTheirButtons_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("button");
        QTest::newRow("pairs") << "LabelPaare" << "SpeedButtonPaare2";
        QTest::newRow("triples") << "LabelDreier" << "SpeedButtonDreier2";
        QTest::newRow("quads") << "LabelVierer" << "SpeedButtonVierer2";
    }

    void statisticLabelsChartLikeTheirButtons()
    {
        QFETCH(QString, label);
        QFETCH(QString, button);
        auto* chart = find<ui::MainChart>(QStringLiteral("Chart1"));
        auto* tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
        showPage(1, 2);
        QTest::mouseClick(find<QToolButton>(button), Qt::LeftButton);
        const QString expected = chart->title();
        QVERIFY(!expected.isEmpty());

        // Another statistic in between, so that the label has to draw its own.
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButtonQS")), Qt::LeftButton);
        QVERIFY(chart->title() != expected);
        showPage(1, 2);
        QTest::mouseClick(find<QLabel>(label), Qt::LeftButton);
        QCOMPARE(chart->title(), expected);
        QCOMPARE(tabs->currentIndex(), 2);
    }

    void runExplanationIsTwoLabels()
    {
        QCOMPARE(find<QLabel>(QStringLiteral("LabelDreier"))->text(), QStringLiteral("Dreier, "));
        QCOMPARE(find<QLabel>(QStringLiteral("LabelVierer"))->text(),
                 QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier ganz "
                                "verhindert werden"));
    }

    void internetOptionsAndHints()
    {
        showPage(4);
        auto* address = find<QLineEdit>(QStringLiteral("ServiceAddressEdit"));
        QVERIFY(address->isVisible());
        QVERIFY(address->isEnabled());
        QCOMPARE(find<QLabel>(QStringLiteral("LabelServiceAddress"))->text(), QStringLiteral("Dienst-Adresse:"));
        QCOMPARE(address->text(), QStringLiteral("http://127.0.0.1:8080"));
        address->setText(QStringLiteral("http://127.0.0.1:9999"));
        QCOMPARE(m_window->state().hosts.services, QStringLiteral("http://127.0.0.1:9999"));
        // URLEdit keeps the maker's home page, whatever the service address.
        QCOMPARE(find<QLineEdit>(QStringLiteral("URLEdit"))->text(), Links::makerHomePage());

        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox21"))->isVisible());
        QCOMPARE(find<QPushButton>(QStringLiteral("BitBtn6"))->toolTip(),
                 QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
    }
};

QTEST_MAIN(ControlsWindowTest)
#include "ControlsWindowTest.moc"

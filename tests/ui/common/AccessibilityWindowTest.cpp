// What a screen reader announces: every control of every window has a spoken name taken from the
// texts the window shows, and the names follow those texts when they change.
#include "draws/DrawFile.h"
#include "base/Random.h"
#include "gen/NumberSelection.h"
#include "ui/common/AccessibleNames.h"
#include "ui/analysis/ChanceComparisonWindow.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/mail/MailWindow.h"
#include "ui/submit/ScriptChoiceDialog.h"
#include "ui/print/PrintSettingsDialog.h"
#include "ui/wheel/WheelWindow.h"
#include "ui/sheet/NumberSelectionDialog.h"
#include "ui/print/TicketPositionDialog.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>
#include <vector>

using namespace numora;
using numora::test::draw;
namespace Names = numora::ui::AccessibleNames;

namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// The texts the window shows for a control: its caption and the label tied to it.
QStringList shownTexts(const QObject* object)
{
    QStringList texts;
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget)
        return texts;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << QString(button->text()).remove(u'&');
    for (const QLabel* label : widget->window()->findChildren<QLabel*>())
        if (label->buddy() == widget)
            texts << QString(label->text()).remove(u'&');
    return texts;
}

// "UpDown3", "Edit80": a component name, unless the window shows it as a text of the control.
bool soundsLikeComponent(const QString& name, const QObject* object)
{
    static const QRegularExpression component(QStringLiteral("^[A-Za-z]+_?[0-9]+$"));
    const bool componentName = (object && name == object->objectName()) || component.match(name).hasMatch();
    return componentName && !shownTexts(object).contains(name);
}

void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed)
{
    if (!node || !node->isValid())
        return;
    const QObject* object = node->object();
    const auto* widget = qobject_cast<const QWidget*>(object);
    // What the program keeps hidden is never presented; the pages of a tab widget are hidden only
    // until their tab is chosen.
    const bool presented = !widget || !widget->isHidden() || qobject_cast<const QStackedWidget*>(widget->parentWidget());
    if (presented && isInteractive(node->role())) {
        // On Linux a combo box reports its current item as its name and its label by relation, so
        // there the widget's own name is what counts.
        const QString name = node->role() == QAccessible::ComboBox && widget ? widget->accessibleName()
                                                                              : node->text(QAccessible::Name);
        if (name.trimmed().isEmpty() || soundsLikeComponent(name, object))
            unnamed << QStringLiteral("%1 (%2, role %3): \"%4\"")
                           .arg(object ? object->objectName() : QStringLiteral("?"),
                                object ? QString::fromLatin1(object->metaObject()->className()) : QString())
                           .arg(int(node->role()))
                           .arg(name);
    }
    if (!presented)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed);
}

QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

QString spokenName(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

} // namespace

class AccessibilityWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    enum class Window { Main, DrawEntry, NumberChoice, PrintSettings, PrintSettingsOnline, PrintPositions, Mail,
                        ClickScript, ChanceComparison, Wheels };

    // Shows `window` as the program would and lists its controls without a spoken name.
    QStringList shownUnnamed(QWidget* window)
    {
        window->show();
        QApplication::processEvents();
        QStringList unnamed = unnamedControls(window);
        window->hide();
        return unnamed;
    }

    QLabel* labelWithText(const QString& text)
    {
        for (QLabel* label : m_window->findChildren<QLabel*>())
            if (label->text() == text)
                return label;
        qFatal("no label %s", qPrintable(text));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const std::vector<TZiehung> history{draw(1996, 11, 16, {3, 8, 19, 27, 33, 45}),
                                            draw(1996, 11, 23, {3, 14, 16, 23, 27, 43})};
        QVERIFY(DrawFile(drawPath()).replaceAll(history).ok());
    }

    void init() { startWindow(QDate(2026, 12, 10)); }

    void cleanup() { m_window.reset(); }

    void everyControlOfEveryWindowHasASpokenName_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("main window") << int(Window::Main);
        QTest::newRow("draw entry") << int(Window::DrawEntry);
        QTest::newRow("number choice") << int(Window::NumberChoice);
        QTest::newRow("print settings") << int(Window::PrintSettings);
        QTest::newRow("print settings online") << int(Window::PrintSettingsOnline);
        QTest::newRow("print positions") << int(Window::PrintPositions);
        QTest::newRow("mail") << int(Window::Mail);
        QTest::newRow("click script") << int(Window::ClickScript);
        QTest::newRow("chance comparison") << int(Window::ChanceComparison);
        QTest::newRow("wheels") << int(Window::Wheels);
    }

    // Each window is described by the program itself when it is shown, dialogs made later too.
    void everyControlOfEveryWindowHasASpokenName()
    {
        QFETCH(int, window);
        NumberSelection selection;
        Random random(7);
        std::unique_ptr<QWidget> made;
        QWidget* shown = nullptr;
        switch (Window(window)) {
        case Window::Main: shown = m_window.get(); break;
        case Window::DrawEntry: made = std::make_unique<ui::TForm3>(m_window.get()); break;
        case Window::NumberChoice: made = std::make_unique<ui::TForm6>(selection, random, m_window.get()); break;
        case Window::PrintSettings: shown = m_window->printSettings(); break;
        case Window::PrintSettingsOnline:
            m_window->printSettings()->setOnlineMode(true, true);
            shown = m_window->printSettings();
            break;
        case Window::PrintPositions: shown = m_window->printPositions(); break;
        case Window::Mail:
            made = std::make_unique<ui::TMailerForm>(m_dir.filePath(QStringLiteral("mail.ini")), m_window.get());
            break;
        case Window::ClickScript: made = std::make_unique<ui::TCRSForm>(m_window.get()); break;
        case Window::ChanceComparison: made = std::make_unique<ui::ChanceComparisonWindow>(m_window.get()); break;
        case Window::Wheels: made = std::make_unique<ui::WheelWindow>(m_window->state(), ui::WheelWindow::Hooks{}, m_window.get()); break;
        }
        if (made)
            shown = made.get();
        const QStringList unnamed = shown == m_window.get() ? unnamedControls(shown) : shownUnnamed(shown);
        if (!unnamed.isEmpty())
            QFAIL(qPrintable(QStringLiteral("controls without a spoken name:\n") + unnamed.join(u'\n')));
    }

    void namesComeFromTheShownTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        // A field inside a sentence is announced by the sentence, its own hint describes it.
        QTest::newRow("spin box in a sentence") << "UpDown2" << "Quersummen von bis im Tipp zulassen" << "";
        QTest::newRow("spin box after a check box")
            << "UpDown12" << "Zahlen die besonders oft gezogen wurden bevorzugen"
            << "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
        QTest::newRow("field of a spin box") << "Edit85" << "Zahlen die besonders oft gezogen wurden bevorzugen"
                                             << "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
        QTest::newRow("date with a label") << "DateTimePicker2" << "Ziehungen ab"
                                           << "Beginn des Zeitraums der Auswertungen";
        QTest::newRow("field in a form") << "ProxyPortEdit" << "Proxy-Port" << "Port des Proxy-Servers";
        QTest::newRow("button with a mnemonic")
            << "BitBtn4" << "Tipps berechnen"
            << "Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet";
        QTest::newRow("icon button") << "SpeedButton11" << "Löschen aller Tipps" << "Löschen aller Tipps";
        QTest::newRow("name set by the page") << "UpDown8" << "Anzahl der Tipps" << "Anzahl der Tipps, die berechnet werden";
    }

    void namesComeFromTheShownTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto* widget = find<QWidget>(control);
        QCOMPARE(spokenName(widget), name);
        QCOMPARE(widget->accessibleDescription(), description);
    }

    // Another interface language replaces captions and hints; describing again announces the new
    // texts and keeps the names set elsewhere.
    void describingAgainFollowsChangedTexts()
    {
        labelWithText(QStringLiteral("Quersummen von"))->setText(QStringLiteral("Digit sums from"));
        labelWithText(QStringLiteral("bis"))->setText(QStringLiteral("to"));
        labelWithText(QStringLiteral("im Tipp zulassen"))->setText(QStringLiteral("allowed in a tip"));
        labelWithText(QStringLiteral("Ziehungen ab:"))->setText(QStringLiteral("Draws from:"));
        find<QCheckBox>(QStringLiteral("CheckBox3"))->setText(QStringLiteral("most matches with other tips"));
        auto* clearAll = find<QToolButton>(QStringLiteral("SpeedButton11"));
        clearAll->setToolTip(QStringLiteral("Delete all tips"));
        auto* tipCount = find<QSpinBox>(QStringLiteral("UpDown8"));
        tipCount->setToolTip(QStringLiteral("Number of tips to calculate"));
        auto* calculate = find<QWidget>(QStringLiteral("BitBtn4"));
        calculate->setAccessibleName(QStringLiteral("Calculate"));

        Names::describe(m_window.get());

        QCOMPARE(spokenName(find<QSpinBox>(QStringLiteral("UpDown1"))), QStringLiteral("Digit sums from to allowed in a tip"));
        QCOMPARE(spokenName(find<QSpinBox>(QStringLiteral("UpDown2"))), QStringLiteral("Digit sums from to allowed in a tip"));
        QCOMPARE(spokenName(find<QLineEdit>(QStringLiteral("Edit37"))), QStringLiteral("Digit sums from to allowed in a tip"));
        QCOMPARE(spokenName(find<QWidget>(QStringLiteral("DateTimePicker2"))), QStringLiteral("Draws from"));
        QCOMPARE(spokenName(find<QSpinBox>(QStringLiteral("UpDown3"))), QStringLiteral("most matches with other tips"));
        QCOMPARE(spokenName(clearAll), QStringLiteral("Delete all tips"));
        QCOMPARE(clearAll->accessibleDescription(), QStringLiteral("Delete all tips"));
        QCOMPARE(spokenName(tipCount), QStringLiteral("Anzahl der Tipps"));
        QCOMPARE(tipCount->accessibleDescription(), QStringLiteral("Number of tips to calculate"));
        QCOMPARE(spokenName(calculate), QStringLiteral("Calculate"));
    }
};

QTEST_MAIN(AccessibilityWindowTest)
#include "AccessibilityWindowTest.moc"

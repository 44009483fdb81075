// The draw entry dialog gives back what it was filled with, the fields the Turkish game does
// not use included: an edit must not change a stored record behind the user's back.

#include "ui/history/DrawEntryDialog.h"

#include "base/DayDate.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace numora {

class EntryDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void returnsTheRecordItWasFilledWith_data()
    {
        QTest::addColumn<int>("zusatzzahl");
        QTest::addColumn<int>("superzahl");
        // A draw from the update service carries 0 in both; the bonus field must not raise it to 1.
        QTest::newRow("nothing but the numbers") << 0 << 0;
        QTest::newRow("bonus and Superzahl") << 49 << 9;
    }

    void returnsTheRecordItWasFilledWith()
    {
        QFETCH(int, zusatzzahl);
        QFETCH(int, superzahl);
        TZiehung stored;
        stored.Datum = DayDate::fromYmd(1996, 11, 16);
        const std::uint8_t numbers[6] = {45, 3, 19, 8, 33, 27};
        std::copy(std::begin(numbers), std::end(numbers), stored.Zahlen);
        stored.Zusatzzahl = std::uint8_t(zusatzzahl);
        stored.Superzahl = std::uint8_t(superzahl);
        for (int i = 0; i < 7; ++i)
            stored.Spiel77[i] = std::uint8_t(i + 3);
        for (int i = 0; i < 6; ++i)
            stored.Super6[i] = std::uint8_t(9 - i);

        ui::TForm3 dialog(nullptr);
        dialog.fill(stored);
        const auto entered = dialog.record();
        QVERIFY(entered.ok());
        QCOMPARE(entered->toBytes(), stored.toBytes());
    }

    void digitFieldThatIsNoNumberIsAnError()
    {
        ui::TForm3 dialog(nullptr);
        dialog.fill(TZiehung{});
        dialog.super6[2]->setText(QStringLiteral("x"));
        const auto entered = dialog.record();
        QVERIFY(!entered.ok());
        QVERIFY2(entered.error().message.contains(QStringLiteral("'x'")), qPrintable(entered.error().message));
    }
};

} // namespace numora

QTEST_MAIN(numora::EntryDialogTest)
#include "EntryDialogTest.moc"

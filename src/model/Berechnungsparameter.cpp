#include "model/Berechnungsparameter.h"

#include "base/Formatting.h"

#include <algorithm>

namespace numora {

namespace {

using Kind = OptionInfo::Kind;
using Tab = OptionInfo::Tab;

OptionInfo box(int n, Tab tab, const char* caption, bool on, const char* hint = "", bool visible = true)
{
    OptionInfo o{Kind::CheckBox, n, 0, tab, QString::fromUtf8(caption), QString::fromUtf8(hint), 0, 1, on ? 1 : 0, visible};
    return o;
}

OptionInfo updown(int n, int field, Tab tab, int min, int max, int def, const char* caption, const char* hint = "")
{
    return OptionInfo{Kind::UpDown, n, field, tab, QString::fromUtf8(caption), QString::fromUtf8(hint), min, max, def, true};
}

const char* shareHint = "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
const char* historyHint = "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer "
                          "Diagrammübersicht";
const char* lastDrawHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
const char* recentXHint = "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen";
const char* recentNHint = "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen";

std::vector<OptionInfo> makeOptions()
{
    const Tab st = Tab::Statistisch, so = Tab::ScheinOptimierung, ma = Tab::Mathematisch, sz = Tab::Superzahl,
              al = Tab::Allgemein, el = Tab::Elsewhere;
    return {
        // Statistisch
        box(2, st, "Zahlen die besonders oft gezogen wurden bevorzugen", false,
            "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"),
        updown(12, 85, st, 5, 75, 30, "", shareHint),
        box(14, st, "Zahlen die besonders selten gezogen wurden bevorzugen", true,
            "die ersten X% der am seltensten gezogenen Zahlen bevorzugen"),
        updown(14, 87, st, 5, 75, 20, "", shareHint),
        box(10, st, "Zahlen die am längsten überfällig sind", true,
            "die ersten X% der am längsten überfälligen Zahlen bevorzugen"),
        updown(13, 86, st, 5, 75, 30, "", shareHint),
        box(1, st, "Zahlen mit einer häufigen Paarebildung bevorzugen", false),
        box(11, st, "seltensten", false),
        box(6, st, "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false),
        box(12, st, "seltensten", false),
        box(7, st, "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false),
        box(13, st, "seltensten", false),
        box(19, st, "benachbarte Zahlen der letzten Ziehung bevorzugen", false),
        box(29, st, "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false),
        box(30, st, "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten", false),
        // Schein Optimierung
        box(3, so, "maximale Übereinstimmungen mit anderen Tipps", true),
        updown(3, 39, so, 0, 5, 2, ""),
        box(24, so, "minimale Übereinstimmungen mit anderen Tipps", true),
        updown(9, 88, so, 0, 5, 0, ""),
        box(27, so, "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", true),
        box(9, so, "Tipp enspricht noch keiner Ziehung der Datenbank nit ", true, historyHint),
        updown(6, 42, so, 4, 6, 5, "", "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"),
        box(34, so, "Tipp ergibt keine ", true, historyHint),
        updown(20, 94, so, 2, 6, 4, "", recentXHint),
        updown(21, 95, so, 4, 500, 100, "", recentNHint),
        box(28, so, "Tipp ergibt keine", true, historyHint),
        updown(17, 91, so, 2, 6, 3, "", recentXHint),
        updown(18, 92, so, 4, 500, 10, "", recentNHint),
        box(4, so, "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ", true, lastDrawHint),
        updown(4, 40, so, 0, 5, 0, ""),
        box(5, so, "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ", true, lastDrawHint),
        updown(5, 41, so, 0, 5, 1, ""),
        box(23, so, "maximal zugelassene Anzahl von Zahlen der vorvorletzten Ziehung ", true, lastDrawHint),
        updown(11, 84, so, 0, 5, 2, ""),
        box(35, so, "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen ", false, "", false),
        // Mathematisch
        updown(1, 37, ma, 21, 279, 50, "Quersummen von                  bis                     im Tipp zulassen"),
        updown(2, 38, ma, 21, 279, 250, ""),
        box(22, ma, "mindest Anzahl von Primzahlen in jedem Tipp", false),
        updown(10, 83, ma, 0, 6, 2, ""),
        box(25, ma, "mindest Anzahl von geraden Zahlen in jedem Tipp", false),
        updown(15, 89, ma, 0, 6, 2, ""),
        box(26, ma, "mindest Anzahl ungeraden Zahlen in jedem Tipp", false),
        updown(16, 90, ma, 0, 6, 2, ""),
        box(8, ma, "eine Paarbildung pro Tipp erzwingen", false),
        box(18, ma, "keine Dreier , Vierer... Paare", true),
        // Superzahl (never shown)
        box(33, sz, "Superzahlen der letzten Ziehungen nicht verwenden", false,
            "Bei Zufall und selten gezogenen Zahlen werden die letzt x darf keine Superzahl aus den letzten x "
            "Ziehungen verwendet werden"),
        updown(19, 93, sz, 1, 8, 1, ""),
        // Allgemein
        box(15, al, "für den Tipp nur bevorzugte Zahlen verwenden!", false),
        box(20, al, "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false),
        updown(7, 55, al, 1, 30000, 50, "Max. Berechnungsläufe"),
        // On other tabs
        box(31, el, "Neuberechnung  nur wenn ein 3er erzielt wurde", false),
    };
}

} // namespace

namespace {
// The one table of what each widget number means.
namespace Box {
enum : int {
    FrequentPairs = 1, OftenDrawn = 2, LimitShared = 3, LastDraw = 4, SecondLastDraw = 5, FrequentTriples = 6,
    FrequentQuads = 7, ForcePair = 8, EarlierDraws = 9, Overdue = 10, RarePairs = 11, RareTriples = 12,
    RareQuads = 13, RarelyDrawn = 14, OnlyPreferred = 15, NoRunsOfThree = 18, Neighbours = 19, PoolDialog = 20,
    MinPrimes = 22, ThirdLastDraw = 23, RequireShared = 24, MinEven = 25, MinOdd = 26, SharedPerPair = 27,
    RecentHitsB = 28, MonthNumbers = 29, DateNumbers = 30, OnlyAfterThree = 31, SaturdayOnly = 32,
    RecentSuperzahlen = 33, RecentHitsA = 34, BonusNumber = 35,
};
}
namespace Arrows {
enum : int {
    DigitSumMin = 1, DigitSumMax = 2, MaxShared = 3, LastDraw = 4, SecondLastDraw = 5, EarlierDrawHits = 6,
    Budget = 7, MinShared = 9, MinPrimes = 10, ThirdLastDraw = 11, OftenShare = 12, OverdueShare = 13,
    RarelyShare = 14, MinEven = 15, MinOdd = 16, RecentHitsB = 17, RecentDrawsB = 18, SuperzahlWindow = 19,
    RecentHitsA = 20, RecentDrawsA = 21,
};
}
int drawBox(int back) { return back == 1 ? Box::LastDraw : back == 2 ? Box::SecondLastDraw : Box::ThirdLastDraw; }
int drawArrows(int back)
{
    return back == 1 ? Arrows::LastDraw : back == 2 ? Arrows::SecondLastDraw : Arrows::ThirdLastDraw;
}
} // namespace

bool Berechnungsparameter::preferOftenDrawn() const { return checkBox(Box::OftenDrawn); }
int Berechnungsparameter::oftenDrawnShare() const { return upDown(Arrows::OftenShare); }
bool Berechnungsparameter::preferRarelyDrawn() const { return checkBox(Box::RarelyDrawn); }
int Berechnungsparameter::rarelyDrawnShare() const { return upDown(Arrows::RarelyShare); }
bool Berechnungsparameter::preferOverdue() const { return checkBox(Box::Overdue); }
int Berechnungsparameter::overdueShare() const { return upDown(Arrows::OverdueShare); }
bool Berechnungsparameter::preferFrequentGroups(int size) const
{
    return checkBox(size == 2 ? Box::FrequentPairs : size == 3 ? Box::FrequentTriples : Box::FrequentQuads);
}
bool Berechnungsparameter::preferRareGroups(int size) const
{
    return checkBox(size == 2 ? Box::RarePairs : size == 3 ? Box::RareTriples : Box::RareQuads);
}
bool Berechnungsparameter::preferNeighboursOfLastDraw() const { return checkBox(Box::Neighbours); }
bool Berechnungsparameter::avoidMonthNumbers() const { return checkBox(Box::MonthNumbers); }
bool Berechnungsparameter::lowerDateNumbers() const { return checkBox(Box::DateNumbers); }
bool Berechnungsparameter::onlyPreferredNumbers() const { return checkBox(Box::OnlyPreferred); }
bool Berechnungsparameter::showPoolDialog() const { return checkBox(Box::PoolDialog); }
void Berechnungsparameter::setShowPoolDialog(bool on) { setCheckBox(Box::PoolDialog, on); }
bool Berechnungsparameter::limitSharedWithOtherRows() const { return checkBox(Box::LimitShared); }
int Berechnungsparameter::maxSharedWithOtherRows() const { return upDown(Arrows::MaxShared); }
bool Berechnungsparameter::requireSharedWithOtherRows() const { return checkBox(Box::RequireShared); }
int Berechnungsparameter::minSharedWithOtherRows() const { return upDown(Arrows::MinShared); }
bool Berechnungsparameter::sharedLimitsPerPairOfRows() const { return checkBox(Box::SharedPerPair); }
bool Berechnungsparameter::avoidEarlierDraws() const { return checkBox(Box::EarlierDraws); }
int Berechnungsparameter::earlierDrawHits() const { return upDown(Arrows::EarlierDrawHits); }
void Berechnungsparameter::setEarlierDrawHits(int hits) { setUpDown(Arrows::EarlierDrawHits, hits); }
bool Berechnungsparameter::avoidRecentHits(int rule) const { return checkBox(rule == 0 ? Box::RecentHitsA : Box::RecentHitsB); }
int Berechnungsparameter::recentHits(int rule) const { return upDown(rule == 0 ? Arrows::RecentHitsA : Arrows::RecentHitsB); }
int Berechnungsparameter::recentDraws(int rule) const { return upDown(rule == 0 ? Arrows::RecentDrawsA : Arrows::RecentDrawsB); }
bool Berechnungsparameter::limitSharedWithDraw(int back) const { return checkBox(drawBox(back)); }
int Berechnungsparameter::maxSharedWithDraw(int back) const { return upDown(drawArrows(back)); }
void Berechnungsparameter::setMaxSharedWithDraw(int back, int count) { setUpDown(drawArrows(back), count); }
bool Berechnungsparameter::countBonusNumber() const { return checkBox(Box::BonusNumber); }
int Berechnungsparameter::digitSumMin() const { return upDown(Arrows::DigitSumMin); }
int Berechnungsparameter::digitSumMax() const { return upDown(Arrows::DigitSumMax); }
bool Berechnungsparameter::requireMinPrimes() const { return checkBox(Box::MinPrimes); }
int Berechnungsparameter::minPrimes() const { return upDown(Arrows::MinPrimes); }
bool Berechnungsparameter::requireMinEven() const { return checkBox(Box::MinEven); }
int Berechnungsparameter::minEven() const { return upDown(Arrows::MinEven); }
bool Berechnungsparameter::requireMinOdd() const { return checkBox(Box::MinOdd); }
int Berechnungsparameter::minOdd() const { return upDown(Arrows::MinOdd); }
bool Berechnungsparameter::forcePair() const { return checkBox(Box::ForcePair); }
void Berechnungsparameter::setForcePair(bool on) { setCheckBox(Box::ForcePair, on); }
bool Berechnungsparameter::noRunsOfThree() const { return checkBox(Box::NoRunsOfThree); }
bool Berechnungsparameter::excludeRecentSuperzahlen() const { return checkBox(Box::RecentSuperzahlen); }
int Berechnungsparameter::superzahlWindow() const { return upDown(Arrows::SuperzahlWindow); }
bool Berechnungsparameter::recalculateOnlyAfterThree() const { return checkBox(Box::OnlyAfterThree); }
bool Berechnungsparameter::saturdayOnly() const { return checkBox(Box::SaturdayOnly); }
void Berechnungsparameter::setSaturdayOnly(bool on) { setCheckBox(Box::SaturdayOnly, on); }
int Berechnungsparameter::loopLimit() const { return upDown(Arrows::Budget) * 1000; }

QString OptionInfo::name() const
{
    return (kind == Kind::CheckBox ? QStringLiteral("CheckBox%1") : QStringLiteral("UpDown%1")).arg(number);
}

const std::vector<OptionInfo>& Berechnungsparameter::options()
{
    static const std::vector<OptionInfo> table = makeOptions();
    return table;
}

const OptionInfo* Berechnungsparameter::find(const QString& name)
{
    for (const OptionInfo& o : options())
        if (o.name() == name)
            return &o;
    return nullptr;
}

Berechnungsparameter::Berechnungsparameter()
{
    for (const OptionInfo& o : options()) {
        if (o.kind == Kind::CheckBox)
            m_checkBoxes.at(std::size_t(o.number)) = o.defaultValue != 0;
        else
            m_upDowns.at(std::size_t(o.number)) = UpDown{o.defaultValue, o.minimum, o.maximum};
    }
}

void Berechnungsparameter::setUpDown(int n, int position)
{
    UpDown& u = m_upDowns.at(std::size_t(n));
    u.position = std::clamp(position, u.minimum, std::max(u.minimum, u.maximum));
}

void Berechnungsparameter::setUpDownRange(int n, int minimum, int maximum)
{
    UpDown& u = m_upDowns.at(std::size_t(n));
    u.minimum = minimum;
    u.maximum = maximum;
    // The position follows the new range, as the up-down on screen does; otherwise the generator
    // would go on with a value the window no longer shows.
    setUpDown(n, u.position);
}

void Berechnungsparameter::upDownPressed(int n)
{
    if (n == 15)
        setUpDownRange(15, upDownRange(15).minimum, 6 - upDown(16));
    else if (n == 16)
        setUpDownRange(16, upDownRange(16).minimum, 6 - upDown(15));
    else if (n == 3) {
        setUpDownRange(9, upDownRange(9).minimum, upDown(3));
        setUpDownRange(3, upDown(9), upDownRange(3).maximum);
    }
}

void Berechnungsparameter::upDownReleased(int n)
{
    if (n == 15)
        setUpDownRange(15, upDownRange(15).minimum, 6 - upDown(16));
    else if (n == 16)
        setUpDownRange(16, upDownRange(16).minimum, 6 - upDown(15));
    else if (n == 9)
        setUpDownRange(3, upDown(9), upDownRange(3).maximum);
}

Status Berechnungsparameter::set(const QString& name, const QString& value)
{
    const OptionInfo* option = find(name);
    if (!option)
        return Error{QStringLiteral("%1 is no generation option").arg(name)};
    const auto number = parseInteger(value.trimmed());
    if (option->kind == Kind::CheckBox) {
        if (!number || (*number != 0 && *number != 1))
            return Error{QStringLiteral("%1 takes 0 or 1, not \"%2\"").arg(name, value)};
        setCheckBox(option->number, *number == 1);
        return Done{};
    }
    if (!number || *number < option->minimum || *number > option->maximum)
        return Error{QStringLiteral("%1 takes an integer %2..%3, not \"%4\"")
                         .arg(name)
                         .arg(option->minimum)
                         .arg(option->maximum)
                         .arg(value)};
    setUpDown(option->number, *number);
    return Done{};
}

} // namespace numora

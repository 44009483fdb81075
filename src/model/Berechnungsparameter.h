#pragma once

#include "base/Expected.h"

#include <QString>

#include <array>
#include <vector>

namespace numora {

// One option of the generation tabs: a check box `CheckBoxN` or an up-down `UpDownN` with its
// number field. The table of all options drives the widgets, the defaults and the command line.
struct OptionInfo {
    enum class Kind { CheckBox, UpDown };
    enum class Tab { Statistisch, ScheinOptimierung, Mathematisch, Superzahl, Allgemein, Elsewhere };

    Kind kind;
    int number;           // N of CheckBoxN / UpDownN
    int field = 0;        // M of the up-down's field EditM
    Tab tab;
    QString caption;
    QString hint;
    int minimum = 0;      // up-downs only
    int maximum = 0;
    int defaultValue = 0; // position, or 1/0 for a check box
    bool visible = true;

    QString name() const;
    QString fieldName() const { return QStringLiteral("Edit%1").arg(field); }
};

// The generation options (`Berechnungsparameter`): the ticked state of the check boxes and the
// positions of the up-downs of the "Berechnung" tab, indexed by component number. The generator
// reads them at the moment of use, so a change during a run counts from the next candidate.
class Berechnungsparameter {
public:
    static constexpr int CheckBoxCount = 36; // CheckBox1..CheckBox35
    static constexpr int UpDownCount = 22;   // UpDown1..UpDown21

    struct UpDown {
        int position = 0;
        int minimum = 0;
        int maximum = 0;
    };

    // A fresh installation's values.
    Berechnungsparameter();

    static const std::vector<OptionInfo>& options();
    static const OptionInfo* find(const QString& name);

    bool checkBox(int n) const { return m_checkBoxes.at(std::size_t(n)); }
    void setCheckBox(int n, bool on) { m_checkBoxes.at(std::size_t(n)) = on; }
    int upDown(int n) const { return m_upDowns.at(std::size_t(n)).position; }
    const UpDown& upDownRange(int n) const { return m_upDowns.at(std::size_t(n)); }
    // Moves the position within Min..Max, as the arrows and the field do.
    void setUpDown(int n, int position);
    void setUpDownRange(int n, int minimum, int maximum);

    // The interlocks of the paired limits, applied when the user works an arrow of `n`.
    void upDownPressed(int n);
    void upDownReleased(int n);

    // "CheckBoxN=0|1" or "UpDownN=integer within Min..Max" for a generation option.
    Status set(const QString& name, const QString& value);

    // The options by what they mean; their widget numbers stay in Berechnungsparameter.cpp.
    // "Statistisch": which numbers the pool prefers.
    bool preferOftenDrawn() const;
    int oftenDrawnShare() const; // per cent of the numbers
    bool preferRarelyDrawn() const;
    int rarelyDrawnShare() const;
    bool preferOverdue() const;
    int overdueShare() const;
    // Groups of 2, 3 or 4 numbers drawn together often or rarely.
    bool preferFrequentGroups(int size) const;
    bool preferRareGroups(int size) const;
    bool preferNeighboursOfLastDraw() const;
    bool avoidMonthNumbers() const;    // 1..12
    bool lowerDateNumbers() const;     // 1..31
    bool onlyPreferredNumbers() const; // "Allgemein"
    bool showPoolDialog() const;       // "Allgemein"
    void setShowPoolDialog(bool on);

    // "Schein Optimierung": how rows relate to each other and to past draws.
    bool limitSharedWithOtherRows() const;
    int maxSharedWithOtherRows() const;
    bool requireSharedWithOtherRows() const;
    int minSharedWithOtherRows() const;
    bool sharedLimitsPerPairOfRows() const;
    bool avoidEarlierDraws() const;
    int earlierDrawHits() const; // a row may not reach this many hits in any earlier draw
    void setEarlierDrawHits(int hits);
    // Two rules "no row with `recentHits` hits in the last `recentDraws` draws", 0 and 1.
    bool avoidRecentHits(int rule) const;
    int recentHits(int rule) const;
    int recentDraws(int rule) const;
    // Numbers shared with the draw `back` (1 the last, 2 the one before, 3 the one before that).
    bool limitSharedWithDraw(int back) const;
    int maxSharedWithDraw(int back) const;
    void setMaxSharedWithDraw(int back, int count); // back 1 or 2
    bool countBonusNumber() const;

    // "Mathematisch": what every row must satisfy.
    int digitSumMin() const;
    int digitSumMax() const;
    bool requireMinPrimes() const;
    int minPrimes() const;
    bool requireMinEven() const;
    int minEven() const;
    bool requireMinOdd() const;
    int minOdd() const;
    bool forcePair() const;
    void setForcePair(bool on);
    bool noRunsOfThree() const;

    // The Superzahl of the ticket: not one of the last `superzahlWindow()` draws.
    bool excludeRecentSuperzahlen() const;
    int superzahlWindow() const;

    // On other tabs: "Neuberechnung nur wenn ein 3er erzielt wurde" of the back-test and
    // "Samstag" alone preselected in the print settings.
    bool recalculateOnlyAfterThree() const;
    bool saturdayOnly() const;
    void setSaturdayOnly(bool on);

    // Budget of a run: "Max. Berechnungsläufe" in thousands.
    int loopLimit() const;

private:
    std::array<bool, CheckBoxCount> m_checkBoxes{};
    std::array<UpDown, UpDownCount> m_upDowns{};
};

} // namespace numora

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

    // Budget of a run: "Max. Berechnungsläufe" in thousands.
    int loopLimit() const { return upDown(7) * 1000; }

private:
    std::array<bool, CheckBoxCount> m_checkBoxes{};
    std::array<UpDown, UpDownCount> m_upDowns{};
};

} // namespace numora

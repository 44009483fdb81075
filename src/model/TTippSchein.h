#pragma once

#include "model/Game.h"

#include <QString>

#include <array>

namespace numora {

// One row of the sheet: six number fields, the lock flag (red row label) and the displays
// that the evaluation writes beside the row.
struct TTippreihe {
    std::array<QString, 6> fields;
    bool locked = false;
    QString hitText;                 // hit display
    bool hitRed = false;             // hit display in red (more than two hits)
    QString sumText;                 // sum display
    std::array<bool, 6> fieldHit{}; // field shown lime: its number was drawn

    void clearDisplays()
    {
        hitText.clear();
        hitRed = false;
        sumText.clear();
        fieldHit = {};
    }
};

// The twelve-row tip sheet of the "Lottotipp" tab, held as the texts of its 72 fields.
class TTippSchein {
public:
    static constexpr int RowCount = 12;
    static constexpr int FieldsPerRow = 6;
    static constexpr int MinTipCount = 1;
    static constexpr int MaxTipCount = 12;
    static constexpr int DefaultTipCount = 8;

    // The field rule: an integer 1..N (the game's N) becomes its canonical decimal text
    // ("07" -> "7"), anything else becomes the empty text.
    static QString canonicalField(const QString& text, int maxNumber = Game::DefaultNumbers);
    // The game's N, which the field rule takes.
    void setMaxNumber(int maxNumber) { m_maxNumber = maxNumber; }
    int maxNumber() const { return m_maxNumber; }

    // Component numbers of the window: field r/p (0-based) is "Edit" + fieldNumber(r, p).
    static int fieldNumber(int row, int position);
    static QString fieldName(int row, int position);
    static QString rowLabelName(int row);
    static QString hitLabelName(int row);
    static QString sumLabelName(int row);
    static QString editButtonName(int row);
    // The row and position of "Edit" + number, or false for a number that is no sheet field.
    static bool locateField(int number, int& row, int& position);

    TTippreihe& row(int r) { return m_rows.at(static_cast<std::size_t>(r)); }
    const TTippreihe& row(int r) const { return m_rows.at(static_cast<std::size_t>(r)); }
    const QString& field(int r, int p) const { return row(r).fields.at(static_cast<std::size_t>(p)); }
    // The row's six field texts joined by "," (an empty row is five commas), as tip files,
    // mails and transfer files write it.
    QString rowText(int r) const;
    // Stores the text after the field rule and returns what the field now holds.
    QString setField(int r, int p, const QString& text);

    // Row label click: locked rows unlock and the other way round.
    void toggleLock(int r) { row(r).locked = !row(r).locked; }
    // Empties the fields and displays of every row that is not locked.
    void clearUnlockedRows();

    int tipCount() const { return m_tipCount; }
    // Clamped to 1..12.
    void setTipCount(int count);

    bool sheetReady() const { return m_sheetReady; }
    void setSheetReady(bool ready) { m_sheetReady = ready; }

    // The ticket number (Losnummer) that goes with the sheet into tip files; free text.
    const QString& ticketNumber() const { return m_ticketNumber; }
    void setTicketNumber(const QString& text) { m_ticketNumber = text; }

private:
    int m_maxNumber = Game::DefaultNumbers;
    std::array<TTippreihe, RowCount> m_rows;
    QString m_ticketNumber;
    int m_tipCount = DefaultTipCount;
    bool m_sheetReady = false;
};

} // namespace numora

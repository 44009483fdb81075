#pragma once

#include "base/Expected.h"
#include "model/Game.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <vector>

namespace numora {

class Random;

// The number selection dialog without its widgets: a box 1..N (the game's N) with tick, weight
// and colour, the click rule, the random pick and the weight list file (".nwl").
class NumberSelection {
public:
    explicit NumberSelection(int numbers = Game::DefaultNumbers) : m_numbers(numbers) {}
    int numbers() const { return m_numbers; }

    struct Box {
        bool ticked = true;
        QString weight; // normally the decimal text of an integer >= 0
        bool yellow = false;
    };

    static QString designCaption(); // "Welche Zahlen für die Berechnung"
    static QString randomDesignCaption(); // "&Zufall"

    QString caption = designCaption();
    bool rechnenVisible = true;
    bool zufallVisible = false;
    QString randomCaption = randomDesignCaption();
    int pickCount = 6;
    QString statusLine;

    Box& box(int n) { return m_boxes.at(std::size_t(n - 1)); }
    const Box& box(int n) const { return m_boxes.at(std::size_t(n - 1)); }

    // A left click toggles the box first, then the rule runs; a right-button release runs the
    // rule alone with the weight going down.
    void click(int n, bool left);
    // The program ticks or unticks a box; the rule runs (as for a left click) when it changes.
    void setTicked(int n, bool ticked);
    void untickAll();
    // "Die Zahl N geht mit der Gewichtung W in die Berechnung ein".
    QString hoverText(int n) const;

    // The random pick of "&Zufall": start, fix one pick after the other, stop.
    void randomClick();
    bool timerRunning() const { return m_timerRunning; }
    // One 25 ms tick: the picks not fixed yet roll again.
    void timerTick(Random& random);
    // Closing the dialog in any way stops the pick.
    void stopRandom();
    int pickIndex() const { return m_pickIndex; }
    const std::vector<int>& picked() const { return m_picked; }

    // N lines with CR LF: the weight of a ticked box (an empty weight saved as "1"), else empty.
    QByteArray toWeightList();
    // Refuses a file whose non-empty line is not an integer 0..MaxWeight, naming the line;
    // applies nothing then. Missing lines read as empty: the box is unticked with weight "1".
    // The bound keeps the pool that "&Rechnen" builds from the weights within memory.
    static constexpr int MaxWeight = 100000;
    // N short lines; a file past this is no weight list and is refused unread.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;
    Status loadWeightList(const QByteArray& bytes);
    static QString proposedFileName(const QDate& today);

private:
    void applyRule(int n, int step);

    int m_numbers = Game::DefaultNumbers;
    std::array<Box, 90> m_boxes;
    bool m_timerRunning = false;
    int m_pickIndex = 1;
    std::vector<int> m_picked;
};

} // namespace numora

#pragma once

#include <QString>
#include <QStringList>

namespace numora {

// The table of every text the program composes at run time, addressed as message N (0-based).
// Filled with the German texts; a language's message file replaces it as a whole.
class Meldungen {
public:
    static constexpr int GermanCount = 56;

    Meldungen();

    // Message n; an index outside the table gives the empty text.
    QString text(int n) const;
    QString operator[](int n) const { return text(n); }
    int count() const { return static_cast<int>(m_lines.size()); }
    const QStringList& lines() const { return m_lines; }

    // Line N of `lines` becomes message N; messages past its end read as empty texts.
    void replaceAll(const QStringList& lines);

    static QStringList germanTexts();

private:
    QStringList m_lines;
};

} // namespace numora

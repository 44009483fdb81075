#include "model/Meldungen.h"

namespace numora {

Meldungen::Meldungen() : m_lines(germanTexts()) {}

QString Meldungen::text(int n) const
{
    if (n < 0 || n >= m_lines.size())
        return QString();
    return m_lines.at(n);
}

void Meldungen::replaceAll(const QStringList& lines) { m_lines = lines; }

QStringList Meldungen::germanTexts()
{
    // Lines without a text are used by no operation; they keep their place in the numbering.
    return {
        QStringLiteral("Zahlenverteilung"), // 0
        QStringLiteral("Ziehungen"), // 1
        QStringLiteral("Quersumme"), // 2
        QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?"), // 3
        QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"), // 4
        QStringLiteral("Tipp-Test"), // 5
        QStringLiteral("Ein Treffer gefunden am :"), // 6
        QStringLiteral("Weiter?"), // 7
        QStringLiteral("Ziehung gefunden"), // 8
        QStringLiteral("Paare"), // 9
        QStringLiteral("gefunden"), // 10
        QStringLiteral("Dreier"), // 11
        QStringLiteral("Schein Nr "), // 12
        QStringLiteral("Quersummenverteilung"), // 13
        QStringLiteral("Quersumme"), // 14
        QStringLiteral("Vierer"), // 15
        QStringLiteral("Stoppen"), // 16
        QStringLiteral("Berechnung der "), // 17
        QStringLiteral("Paarbildung"), // 18
        QStringLiteral("Dreiergruppenbildung"), // 19
        QStringLiteral("Vierergruppenbildung"), // 20
        QStringLiteral("aussehenden Zahlen"), // 21
        QStringLiteral("benachbarten Zahlen der letzten Ziehung"), // 22
        QStringLiteral("Beginn der Tippberechnung"), // 23
        QStringLiteral("Tipp"), // 24
        QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"), // 25
        QStringLiteral("Tipps wurden neu berechnet"), // 26
        QString(), // 27
        QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"), // 28
        QStringLiteral("Zahlenverteilung des Tippes"), // 29
        QStringLiteral("Ihre Glückszahl"), // 30
        QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"), // 31
        QStringLiteral("Ihre Glückzahl ist jetzt die "), // 32
        QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi."), // 33
        QStringLiteral("Fehler bei Eingabe der Zufallszahl"), // 34
        QString(), // 35
        QStringLiteral("Zahlen für Berechnung wählen"), // 36
        QStringLiteral("Lottoschein Online Abgabe"), // 37
        QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"), // 38
        QStringLiteral("Ziehungsergebnis vergleichen"), // 39
        QStringLiteral("Treffer von Ziehungen in der Datenbank"), // 40
        QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"), // 41
        QStringLiteral("Wie oft gab es bei der übernächsten Ziehung ähnliche Zahlen"), // 42
        QStringLiteral("Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"), // 43
        QStringLiteral("Anzahl der Primzahlen pro Tipp bei"), // 44
        QStringLiteral("waren Primzahlen"), // 45
        QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei"), // 46
        QStringLiteral("waren Ungerade"), // 47
        QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei"), // 48
        QStringLiteral("waren Gerade"), // 49
        QStringLiteral("Sollen alle Tipps gelöscht werden??"), // 50
        QStringLiteral("Alle Tipps löschen?"), // 51
        QString(), // 52
        QString(), // 53
        QStringLiteral("Scheinnummer?"), // 54
        QStringLiteral("die Datei für die Tippübergabe konnte nicht angelegt werden. Überprüfen Sie die Zugriffsrechte des Programmes oder starten Sie als Administrator"), // 55
    };
}

} // namespace numora

#pragma once

#include <QString>

namespace numora {

struct ProgramState;

// "Datenbank aktualisieren" in a game other than the default: the maker's update service serves
// the default game only, so another game merges its results CSV. A game without an address, or
// one no longer drawn, gets a sentence saying so instead of a request nobody answers.
namespace GameUpdate {

struct Plan {
    enum class Kind { MergeCsv, NoAddress, NoLongerDrawn };
    Kind kind = Kind::MergeCsv;
    QString address; // MergeCsv: the results CSV
    QString message; // otherwise: what the player reads
};

// `storedAddress`: the game's "CSV-Adresse der Ziehungen" ("Internet-Optionen"), which wins over
// the address of the game's definition.
Plan plan(const ProgramState& state, const QString& storedAddress);

} // namespace GameUpdate
} // namespace numora

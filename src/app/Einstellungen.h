#pragma once

#include "base/Expected.h"
#include "base/RegistryKey.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace numora {

struct ProgramState;

// The main window's size as the store keeps it.
struct WindowSize {
    int height = -1; // -1: not stored, the designed size stays
    int width = -1;
    bool normal = true; // neither minimised nor maximised: only then is the size saved
};

// The settings store: option widgets, the tip sheet, the print settings and a few values of the
// main window, kept in the per-user key \SOFTWARE\Veldor\Orbix between runs. Values carry the
// component names of the widgets they mirror.
class Einstellungen {
public:
    static constexpr const char* KeyPath = "\\SOFTWARE\\Veldor\\Orbix";

    // Names under which the store keeps the three service addresses (not widgets of their own).
    static constexpr const char* ServicesName = "DienstAdresse";
    static constexpr const char* ResultsName = "ErgebnisAdresse";
    static constexpr const char* BrokerName = "BrokerAdresse";
    // The results CSV "Datenbank aktualisieren" merges instead of asking the update service.
    static constexpr const char* CsvAddressName = "CsvAdresse";
    // The game the window played last, kept in the default game's key.
    static constexpr const char* GameName = "Spiel";
    // The key of a game's own settings: the default game keeps KeyPath, another its own key
    // beside it ("...\\Orbix-cilgin").
    static QString keyPathFor(const QString& gameId);

    // Steps of the start-up that run between two groups of values.
    struct LoadSteps {
        std::function<void()> afterGroupC; // the print-position window exists from here on
        std::function<void()> afterGroupD; // the stored language is applied here
    };

    struct LoadReport {
        // Lines of the store file that could not be read, and values that had the wrong type;
        // the window shows them once in the status bar.
        QStringList problems;
        QString filePath;
    };

    // The user's store file ($XDG_CONFIG_HOME/Veldor/Orbix.reg).
    Einstellungen();
    explicit Einstellungen(RegistryKey key);

    RegistryKey& key() { return m_key; }

    // Reads the file and the groups A to K into `state` and `window`. Never fails: an unreadable
    // file or value costs only what cannot be read.
    LoadReport load(ProgramState& state, WindowSize& window, const LoadSteps& steps = {});
    // Writes every value, the whole file at once; values of the file that the program does not
    // know are kept.
    Status save(const ProgramState& state, const WindowSize& window);
    // The ticket number and the three game flags, written at once by the ticket print and the
    // submission while they run.
    Status storeTicketChoices(const ProgramState& state);

    // The values in save order, as `state` and `window` would be saved.
    static void write(RegistryKey& key, const ProgramState& state, const WindowSize& window);
    // Reads groups A to K from `key`; appends wrong-typed values to `problems`.
    static void read(const RegistryKey& key, ProgramState& state, WindowSize& window, const LoadSteps& steps,
                     QStringList& problems);

private:
    RegistryKey m_key;
};

} // namespace numora

#pragma once

#include <QString>
#include <QStringList>

namespace numora {

// "D" followed by a tip file prints that file and closes. "--export-texts" anywhere shows the
// hidden menu item that exports the interface texts for translators.
struct CommandLine {
    bool printMode = false;
    QString tipFile;
    bool exportTexts = false;

    // `arguments` without the program name. Only an exact "D" selects the print mode; a missing
    // second argument leaves the tip file empty.
    static CommandLine parse(const QStringList& arguments);
};

} // namespace numora

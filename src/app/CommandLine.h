#pragma once

#include <QString>
#include <QStringList>

namespace numora {

// "D" followed by a tip file prints that file and closes. A single argument that names an
// existing tip file (".ntp") opens it once the window has started, as a double-click on the file
// does. "--export-texts" anywhere shows the hidden menu item that exports the interface texts for
// translators. Anything else starts the program as usual.
struct CommandLine {
    bool printMode = false;
    QString tipFile;
    QString openFile; // absolute path
    bool exportTexts = false;

    // `arguments` without the program name. Only an exact "D" selects the print mode; a missing
    // second argument leaves the tip file empty.
    static CommandLine parse(const QStringList& arguments);
};

} // namespace numora

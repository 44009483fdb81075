#pragma once

#include <QString>
#include <QStringList>

namespace numora {

// The program's one switch: "D" followed by a tip file prints that file and closes.
struct CommandLine {
    bool printMode = false;
    QString tipFile;

    // `arguments` without the program name. Only an exact "D" selects the print mode; a missing
    // second argument leaves the tip file empty.
    static CommandLine parse(const QStringList& arguments);
};

} // namespace numora

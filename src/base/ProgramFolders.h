#pragma once

#include "base/Expected.h"

#include <QProcessEnvironment>
#include <QString>

namespace numora {

// Where the program finds its files. Installed, the shipped files are read-only in
// `<prefix>/share/numora/` (found from the executable, so any prefix works) and each user keeps
// his own in `$XDG_DATA_HOME/numora/`; a file of the user's folder wins over a shipped one of the
// same name. Portable (a build tree, an unpacked folder, a USB stick), all three are the
// executable's own folder.
struct ProgramFolders {
    QString data;   // the user's files, written by the program; trailing "/"
    QString shared; // the shipped files, read only; trailing "/"
    QString doc;    // the manuals; trailing "/"
    bool portable = true;

    // "dir" or "dir/" becomes "dir/".
    static QString withSlash(const QString& dir);
    // Everything in `dir`.
    static ProgramFolders portableAt(const QString& dir);
    // Portable when the executable's folder holds a writable `historyName`, or when there is no
    // installed data folder `../share/numora` beside it; installed otherwise.
    static ProgramFolders forExecutable(const QString& executableDir, const QString& historyName,
                                        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // `$XDG_DATA_HOME/numora/`, or `~/.local/share/numora/` when XDG_DATA_HOME is unset or relative.
    static QString userDataFolder(const QProcessEnvironment& environment);

    // A shipped file by its path below the folders ("land/texte.txt.tr"): the user's own copy
    // when he has one, else the shipped one.
    QString find(const QString& relative) const;

    // Makes the user's folder and, on the first start of an installed program, copies the shipped
    // history `historyName` into it. An existing history is never touched.
    Status prepare(const QString& historyName) const;

    bool operator==(const ProgramFolders&) const = default;
};

} // namespace numora

#pragma once

#include "base/ProgramFolders.h"

#include "base/Expected.h"
#include "output/SubmitOptions.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace numora {

class TTippSchein;
class WebClient;

// Click scripts for Clickrunner, the separate program that replays them in a browser: a template
// from the program's "Script" folder with its placeholders filled from the sheet and the ticket
// options, saved in "Tipps" and handed to Clickrunner on its command line.
namespace ClickScript {

// The store key Clickrunner's installer and this program share.
QString keyPath(); // "\SOFTWARE\Veldor\Clickrunner\Settings"

struct Settings {
    QString path;   // Path: Clickrunner's folder (written by its installer, only read here)
    QString script; // OrbixScript: the last chosen template
    QString zahl1;  // OrbixZahl1
    QString zahl2;  // OrbixZahl2
    QString text1;  // OrbixText1: in practice the broker login
    QString text2;  // OrbixText2: and its password

    // Missing values read as empty.
    static Settings load(const QString& storeFile);
    // Writes the script and the four parameters; Path and any other value stay as they are.
    Status save(const QString& storeFile) const;
};
// The key's file in the settings folder.
QString storeFile();

// Clickrunner under `installPath`: "Clickrunner", else "Clickrunner.exe"; empty when neither exists.
QString executable(const QString& installPath);
// Where the installer can be downloaded.
QString downloadAddress();

// Full paths of the ".crs" files of `scriptFolder` (folders skipped), in the folder's order.
QStringList templates(const QString& scriptFolder);
// The templates of the user's "Script" folder, then the shipped ones he has no copy of.
QStringList templates(const ProgramFolders& folders);
// Where an update of `templatePath` is written: a shipped template becomes the user's own copy
// in his "Script" folder; any other is replaced where it is.
QString updatePath(const ProgramFolders& folders, const QString& templatePath);

// A template's text: UTF-8, UTF-16 or UTF-8 after a byte-order mark, else Windows-1252.
QString decodeTemplate(const QByteArray& bytes);

// The template with every placeholder replaced, in this order: [Zk_r] for r = 1..12 and
// k = 1..6 (field first, then row), [MELDUNGFERTIG], [TIPPDATEI], [MI], [SA], [MISA], [GLUECK],
// [SPIEL77], [SUPER6].
QString fill(const QString& templateText, const TTippSchein& sheet, const SubmitOptions& options,
             const QString& tipFilePath);

// programDir + "Tipps/yyyymmdd.crs".
QString outputPath(const QString& programDir, const QDate& today);

// A template is a page of commands; a file past this is refused unread.
inline constexpr qint64 MaxTemplateBytes = 1024 * 1024;

// Reads the template, fills it and writes the output script (folder made when missing);
// returns the output script's path.
Expected<QString> write(const QString& templatePath, const QString& outputPath, const TTippSchein& sheet,
                        const SubmitOptions& options, const QString& tipFilePath);

// Clickrunner's arguments: START, script, ZAHL1, TEXT1, ZAHL2, TEXT2, each whole.
QStringList arguments(const QString& scriptPath, const Settings& settings);

// Starts Clickrunner without waiting for it; false when it could not be started.
bool start(const QString& executable, const QStringList& arguments);

// Fetches `servicesBase` + "/scripts/" + template name + ".txt" and, when the server's copy is
// newer ("Last-Modified") than the local template, writes it to `writePath` (empty: the template
// itself; the folder is made when missing). Every failure is silent; true when written.
bool updateTemplate(WebClient& client, const QString& servicesBase, const QString& templatePath,
                    const QString& writePath = {});

} // namespace ClickScript
} // namespace numora

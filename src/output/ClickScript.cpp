#include "output/ClickScript.h"

#include "base/FileSystem.h"
#include "base/RegistryKey.h"
#include "base/TextDecoding.h"
#include "base/WebClient.h"
#include "base/WebHosts.h"
#include "model/TTippSchein.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QUrl>

namespace numora::ClickScript {

namespace {

QString yesNo(bool ticked) { return ticked ? QStringLiteral("JA") : QStringLiteral("NEIN"); }

} // namespace

// Templates are text in the locale's encoding (UTF-8); one saved with a byte-order mark or by an
// older editor in Windows-1252 reads as well.
QString decodeTemplate(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return decoder(bytes.mid(2));
    }
    return decodeServiceText(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

QString keyPath() { return QStringLiteral("\\SOFTWARE\\Veldor\\Clickrunner\\Settings"); }

QString storeFile() { return RegistryKey::userKey(keyPath()).filePath(); }

Settings Settings::load(const QString& file)
{
    RegistryKey key(keyPath(), file);
    key.load(); // an unreadable key is an empty one: every value missing
    Settings s;
    key.readString(QStringLiteral("Path"), s.path);
    key.readString(QStringLiteral("OrbixScript"), s.script);
    key.readString(QStringLiteral("OrbixZahl1"), s.zahl1);
    key.readString(QStringLiteral("OrbixZahl2"), s.zahl2);
    key.readString(QStringLiteral("OrbixText1"), s.text1);
    key.readString(QStringLiteral("OrbixText2"), s.text2);
    return s;
}

Status Settings::save(const QString& file) const
{
    RegistryKey key(keyPath(), file);
    if (auto loaded = key.load(); !loaded)
        return loaded;
    key.setString(QStringLiteral("OrbixScript"), script);
    key.setString(QStringLiteral("OrbixZahl1"), zahl1);
    key.setString(QStringLiteral("OrbixZahl2"), zahl2);
    key.setString(QStringLiteral("OrbixText1"), text1);
    key.setString(QStringLiteral("OrbixText2"), text2);
    return key.save();
}

QString executable(const QString& installPath)
{
    if (installPath.isEmpty())
        return {};
    for (const char* name : { "Clickrunner", "Clickrunner.exe" }) {
        const QFileInfo candidate(QDir(installPath).filePath(QString::fromLatin1(name)));
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QString downloadAddress() { return QStringLiteral("https://www.veldor.example/download/clickrunner"); }

QStringList templates(const QString& scriptFolder)
{
    QStringList list;
    const QDir dir(scriptFolder);
    for (const QFileInfo& info : dir.entryInfoList({ QStringLiteral("*.crs") }, QDir::Files, QDir::Unsorted))
        list << info.absoluteFilePath();
    return list;
}

QStringList templates(const ProgramFolders& folders)
{
    QStringList list = templates(folders.data + QStringLiteral("Script"));
    if (folders.shared == folders.data)
        return list;
    QStringList own;
    for (const QString& path : list)
        own << QFileInfo(path).fileName();
    for (const QString& path : templates(folders.shared + QStringLiteral("Script"))) {
        if (!own.contains(QFileInfo(path).fileName()))
            list << path;
    }
    return list;
}

QString updatePath(const ProgramFolders& folders, const QString& templatePath)
{
    const QString shipped = QDir::cleanPath(folders.shared + QStringLiteral("Script"));
    if (folders.shared == folders.data || QFileInfo(templatePath).absolutePath() != shipped)
        return templatePath;
    return folders.data + QStringLiteral("Script/") + QFileInfo(templatePath).fileName();
}

QString fill(const QString& templateText, const TTippSchein& sheet, const SubmitOptions& options,
             const QString& tipFilePath)
{
    QString text = templateText;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        for (int k = 0; k < TTippSchein::FieldsPerRow; ++k)
            text.replace(QStringLiteral("[Z%1_%2]").arg(k + 1).arg(r + 1), sheet.field(r, k));
    }
    text.replace(QStringLiteral("[MELDUNGFERTIG]"), QStringLiteral("Please ckeck the tip!"));
    text.replace(QStringLiteral("[TIPPDATEI]"), tipFilePath);
    text.replace(QStringLiteral("[MI]"), yesNo(options.wednesday));
    text.replace(QStringLiteral("[SA]"), yesNo(options.saturday));
    text.replace(QStringLiteral("[MISA]"), yesNo(options.wednesday && options.saturday));
    text.replace(QStringLiteral("[GLUECK]"), yesNo(options.gluecksspirale));
    text.replace(QStringLiteral("[SPIEL77]"), yesNo(options.spiel77));
    text.replace(QStringLiteral("[SUPER6]"), yesNo(options.super6));
    return text;
}

QString outputPath(const QString& programDir, const QDate& today)
{
    return programDir + QStringLiteral("Tipps/") + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".crs");
}

Expected<QString> write(const QString& templatePath, const QString& outputPath, const TTippSchein& sheet,
                        const SubmitOptions& options, const QString& tipFilePath)
{
    const auto source = FileSystem::readWhole(templatePath, MaxTemplateBytes);
    if (!source)
        return source.error();
    const QString text = fill(decodeTemplate(*source), sheet, options, tipFilePath);
    if (auto made = FileSystem::makeFolder(QFileInfo(outputPath).absolutePath(), 0755); !made)
        return made.error();
    if (auto written = FileSystem::real().replaceFile(outputPath, outputPath + QLatin1Char('~'), text.toUtf8()); !written)
        return written.error();
    return outputPath;
}

QStringList arguments(const QString& scriptPath, const Settings& settings)
{
    return { QStringLiteral("START"), scriptPath, settings.zahl1, settings.text1, settings.zahl2, settings.text2 };
}

bool start(const QString& executable, const QStringList& arguments)
{
    // An argument list, never a shell line: a path with blanks arrives whole.
    return QProcess::startDetached(executable, arguments);
}

bool updateTemplate(WebClient& client, const QString& servicesBase, const QString& templatePath,
                    const QString& writePath)
{
    const QFileInfo local(templatePath);
    if (!local.isFile())
        return false;
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(local.fileName()));
    const WebResponse answer = client.get(WebHosts::join(servicesBase, QStringLiteral("/scripts/") + name + QStringLiteral(".txt")));
    // A template the program would refuse to read must not replace a good one.
    if (!answer.answered() || answer.status != 200 || answer.body.size() > MaxTemplateBytes)
        return false;
    const auto modified = answer.lastModified();
    if (!modified || local.lastModified().toUTC() >= *modified)
        return false;
    const QString target = writePath.isEmpty() ? templatePath : writePath;
    if (!FileSystem::makeFolder(QFileInfo(target).absolutePath()))
        return false;
    return FileSystem::real().replaceFile(target, target + QLatin1Char('~'), answer.body).ok();
}

} // namespace numora::ClickScript

// settings: what the window stored, one value a line.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "app/Einstellungen.h"
#include "base/RegistryKey.h"

namespace numora::cli {

int settings(const ProgramFolders&, QStringList args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty())
        return fail(err, QStringLiteral("settings takes no arguments"));
    RegistryKey key = RegistryKey::userKey(Einstellungen::keyPathFor(played().id));
    if (const Status loaded = key.load(); !loaded)
        return fail(err, loaded.error().message);
    for (const QString& problem : key.problems())
        err << key.filePath() << ": " << problem << '\n';
    for (const RegistryKey::Value& v : key.values()) {
        out << v.name << '\t';
        switch (v.type) {
        case RegistryKey::Type::Dword:
            out << "dword\t" << v.dword;
            break;
        case RegistryKey::Type::String:
            out << "sz\t" << v.text;
            break;
        case RegistryKey::Type::Binary:
            out << (v.hexType == 3 ? QStringLiteral("binary") : QStringLiteral("hex(%1)").arg(v.hexType, 0, 16)) << '\t'
                << QString::fromLatin1(v.bytes.toHex(','));
            break;
        }
        out << '\n';
    }
    out.flush();
    err.flush();
    return Ok;
}

} // namespace numora::cli

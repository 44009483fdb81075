#include "cli/Cli.h"

#include "app/ProgramState.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"

#include <QFile>

namespace numora {

namespace {

int fail(QTextStream& err, const QString& message)
{
    err << "numora-cli: " << message << '\n';
    err.flush();
    return Cli::Failure;
}

int importCsv(const DrawFile& file, const QStringList& args, QTextStream& err)
{
    if (args.size() != 1)
        return fail(err, QStringLiteral("import-csv takes one argument: the CSV file"));
    QFile csv(args.first());
    if (!csv.open(QIODevice::ReadOnly))
        return fail(err, QStringLiteral("%1: %2").arg(args.first(), csv.errorString()));
    const auto records = DrawCsv::parse(csv.readAll());
    if (!records)
        return fail(err, QStringLiteral("%1: %2").arg(args.first(), records.error().message));
    const auto status = file.replaceAll(*records);
    if (!status)
        return fail(err, status.error().message);
    return Cli::Ok;
}

int exportCsv(const DrawFile& file, const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty())
        return fail(err, QStringLiteral("export-csv takes no arguments"));
    const auto records = file.readAll();
    if (!records)
        return fail(err, records.error().message);
    out << QString::fromUtf8(DrawCsv::format(*records));
    out.flush();
    return Cli::Ok;
}

} // namespace

QString Cli::usage()
{
    return QStringLiteral("usage: numora-cli [--dir DIR] import-csv FILE | export-csv");
}

int Cli::run(const QStringList& arguments, const QString& executableDir, QTextStream& out, QTextStream& err)
{
    QStringList args = arguments;
    QString dir = executableDir;
    if (!args.isEmpty() && args.first() == QLatin1String("--dir")) {
        if (args.size() < 2 || args.at(1).isEmpty())
            return fail(err, QStringLiteral("--dir needs a directory"));
        dir = args.at(1);
        args = args.mid(2);
    }
    if (args.isEmpty())
        return fail(err, usage());
    const QString command = args.takeFirst();
    const DrawFile file(ProgramState::withTrailingSlash(dir) + QString::fromLatin1(DrawFile::DefaultName));
    if (command == QLatin1String("import-csv"))
        return importCsv(file, args, err);
    if (command == QLatin1String("export-csv"))
        return exportCsv(file, args, out, err);
    return fail(err, QStringLiteral("unknown command \"%1\"; %2").arg(command, usage()));
}

} // namespace numora

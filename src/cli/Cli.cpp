// The dispatcher of numora-cli: one table of the commands, from which the usage line, --help and
// the dispatch are made. A new command is a row here and a handler in its subject's file.
#include "cli/Cli.h"

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "app/LanguageFiles.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "base/Version.h"
#include "draws/DrawFile.h"
#include "draws/GameCatalog.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace numora {

namespace {

using namespace cli;

// --help lists the commands by subject, in this order; within a subject, in table order.
enum class Subject { Games, History, Statistics, Generation, Tips, Analysis, Settings, Ticket, Print, Wheel, Mail };

// One form of a command as --help shows it: the synopsis, then what it does (lines end in '\n').
struct HelpEntry {
    const char* synopsis;
    const char* text;
};

struct Command {
    const char* name;
    Subject subject;
    // Its part of the usage line; empty where another row's part names it too (pool|generate).
    const char* usage;
    std::vector<HelpEntry> help;
    Handler handler;
};

// The usage line lists the commands in this order.
const std::vector<Command>& commands()
{
    static const std::vector<Command> table{
        {"games", Subject::Games,
         "games | games add ID --numbers N --name NAME [--days Mo,Mi,Sa] [--extra none|bonus|superzahl|joker]",
         {{"games", "the games: ID, 6/N, draws, first and last draw, name\n"},
          {"games add ID --numbers N --name NAME [--days Mo,Mi,Sa] [--extra none|bonus|superzahl|joker]",
           "define a player's own game of 6 of N (7..90) numbers\n"}},
         games},
        {"import-csv", Subject::History, "import-csv FILE",
         {{"import-csv FILE", "replace the history by the draws of a CSV file\n"}}, importCsv},
        {"export-csv", Subject::History, "export-csv",
         {{"export-csv", "write the history as CSV to standard output\n"}}, exportCsv},
        {"merge-csv", Subject::History, "merge-csv FILE|URL [--insert-gaps]",
         {{"merge-csv FILE|URL [--insert-gaps]", "add the draws of a results CSV to the history\n"}}, mergeCsv},
        {"stats", Subject::Statistics, "stats KIND [--start DD.MM.YYYY] [--end DD.MM.YYYY]",
         {{"stats KIND [--start D] [--end D]", "one statistic of the history, as the chart shows it\n"}}, stats},
        {"pool", Subject::Generation, "",
         {{"pool --seed N [...]", "the weighted number pool of the generator\n"}}, pool},
        {"generate", Subject::Generation,
         "pool|generate --seed N [--date DD.MM.YYYY] [--start DD.MM.YYYY] [--set NAME=VALUE]...",
         {{"generate --seed N [--date D] [--start D] [--set NAME=VALUE]...", "generate a sheet of tip rows\n"}},
         generate},
        {"update", Subject::History, "update [--base URL | --csv URL [--insert-gaps]] [--until DD.MM.YYYY]",
         {{"update [--base URL | --csv URL [--insert-gaps]] [--until DD.MM.YYYY]",
           "bring the history up to date over HTTP\n"}},
         update},
        {"search", Subject::Tips, "search TIPFILE [--date D] [--start D] [--threshold N] [--set CheckBox16|17=0|1]...",
         {{"search TIPFILE [--date D] [--start D] [--threshold N]", "search the history for the rows of a tip file\n"}},
         search},
        {"report", Subject::Tips, "report TIPFILE [--date D] [--set CheckBox16|17=0|1]...",
         {{"report TIPFILE [--date D]", "the text report of a tip file\n"}}, report},
        {"backtest", Subject::Analysis,
         "backtest --seed N [--date DD.MM.YYYY] [--start DD.MM.YYYY] [--set NAME=VALUE]... [--compare]",
         {{"backtest --seed N [--date D] [--start D] [--set NAME=VALUE]... [--compare]",
           "replay the generator over the history; --compare tests the\n"
           "result against random quick picks\n"}},
         backtest},
        {"recurrence", Subject::Analysis, "recurrence [--date DD.MM.YYYY] [--start DD.MM.YYYY]",
         {{"recurrence [--date D] [--start D]", "when the draws' numbers came up again\n"}}, recurrence},
        {"settings", Subject::Settings, "settings", {{"settings", "the settings the window stored\n"}}, settings},
        {"ticket", Subject::Ticket, "ticket check NUMBER | ticket generate --seed N [--level L] [--last-digit D]",
         {{"ticket check NUMBER | ticket generate --seed N [--level L] [--last-digit D]", "the ticket number\n"}},
         ticket},
        {"print", Subject::Print, "print TIPFILE [--marks | --list] [--pdf FILE] [--set NAME=VALUE]...",
         {{"print TIPFILE [--marks | --list] [--pdf FILE] [--set NAME=VALUE]...",
           "print a tip file onto the paper ticket, or a list of its rows\n"}},
         print},
        {"wheel", Subject::Wheel,
         "wheel build --numbers LIST --guarantee T:P [--keys LIST] [--seed N] [--seconds S] [--rows MAX] | "
         "wheel check FILE --numbers LIST --guarantee T:P [--keys LIST] | wheel list",
         {{"wheel build --numbers LIST --guarantee T:P [--keys LIST] [--seed N] [--seconds S] [--rows MAX]",
           "a wheel of six-number rows over LIST (\"1-12,17\") whose\n"
           "guarantee (T hits when P of the drawn are in LIST) is proved;\n"
           "from the shipped catalogue where it has one; the --keys stand\n"
           "in every row; below the guarantee's size, the best MAX rows\n"},
          {"wheel check FILE --numbers LIST --guarantee T:P [--keys LIST]",
           "prove a wheel's guarantee and count what it wins against\n"
           "all 13,983,816 draws\n"},
          {"wheel list", "the catalogue's wheels: V, T:P, rows, the published size\n"}},
         wheel},
        {"mail-password", Subject::Mail, "mail-password --set|--clear",
         {{"mail-password --set | --clear",
           "keep the mail window's SMTP password in the desktop's\n"
           "keyring (--set reads it from standard input) or remove it\n"}},
         mailPassword},
    };
    return table;
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

// A short synopsis shares its line with the text; a long one stands on a line of its own.
QString helpEntry(const HelpEntry& entry)
{
    constexpr int TextColumn = 27;
    const QString synopsis = QLatin1String(entry.synopsis);
    const QStringList lines = QString::fromLatin1(entry.text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString indent(TextColumn, QLatin1Char(' '));
    QString text;
    if (synopsis.size() <= TextColumn - 2)
        text = QStringLiteral("  ") + synopsis.leftJustified(TextColumn - 3) + QLatin1Char(' ');
    else
        text = QStringLiteral("  ") + synopsis + QLatin1Char('\n') + indent;
    return text + lines.join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
}

} // namespace

QString Cli::usage()
{
    QStringList parts;
    for (const Command& command : commands())
        if (*command.usage)
            parts << QLatin1String(command.usage);
    return QStringLiteral("usage: numora-cli [--dir DIR] [--game ID] ") + parts.join(QStringLiteral(" | "))
        + QStringLiteral("; --stored starts a command from the settings the window stored");
}

QString Cli::help()
{
    std::vector<const Command*> bySubject;
    for (const Command& command : commands())
        bySubject.push_back(&command);
    std::stable_sort(bySubject.begin(), bySubject.end(),
                     [](const Command* a, const Command* b) { return a->subject < b->subject; });
    QString list;
    for (const Command* command : bySubject)
        for (const HelpEntry& entry : command->help)
            list += helpEntry(entry);
    return QStringLiteral(
               "Usage: numora-cli [--dir DIR] [--game ID] COMMAND [ARGUMENTS]\n"
               "The command line of Numora, a program for players of six-number lotteries: keeps the\n"
               "history of the draws, shows its statistics, generates, checks and prints tip sheets.\n"
               "Games: sayisal (Sayisal Loto 6/49, the default; last drawn 18.04.2020), lotto6aus49\n"
               "(Lotto 6 aus 49), cilgin (Cilgin Sayisal Loto 6/90 + Joker), lotto649 (Lotto 6/49,\n"
               "Canada, + bonus) and a player's own 6 of N.\n"
               "\n"
               "Commands:\n")
        + list
        + QStringLiteral(
               "\n"
               "Options:\n"
               "  --dir DIR      use the files in DIR (a portable folder) instead of the usual ones\n"
               "  --game ID      play the game ID (default: the one the window played last, else sayisal);\n"
               "                 each game keeps its files in games/ID/, sayisal where they always were\n"
               "  --stored       start a command from the settings the window stored\n"
               "  --help         show this text\n"
               "  --version      show the version\n"
               "\n"
               "Files: installed, each user's history and files are in $XDG_DATA_HOME/numora\n"
               "(~/.local/share/numora); a folder that holds a writable ZahlenTr.dat beside the program\n"
               "keeps everything there. Exit status 0 on success, 1 when a wheel is not found or does\n"
               "not hold; an error prints one line on standard error and gives 2.\n"
               "Draws are random: no statistic predicts them.\n");
}

ProgramFolders Cli::folders(const QString& executableDir)
{
    return ProgramFolders::forExecutable(executableDir, QString::fromLatin1(DrawFile::DefaultName));
}

bool Cli::needsGui(const QStringList& arguments)
{
    // Painting a page, and measuring its crosses against the paper, needs fonts.
    return arguments.contains(QLatin1String("print"));
}

int Cli::run(const QStringList& arguments, const QString& executableDir, QTextStream& out, QTextStream& err)
{
    QStringList args = arguments;
    if (args.size() == 1 && (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        out << help();
        out.flush();
        return Ok;
    }
    if (args.size() == 1 && args.first() == QLatin1String("--version")) {
        out << "numora-cli " << programVersion() << '\n';
        out.flush();
        return Ok;
    }
    ProgramFolders root = Cli::folders(executableDir);
    std::optional<QString> gameId;
    while (!args.isEmpty() && (args.first() == QLatin1String("--dir") || args.first() == QLatin1String("--game"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty() || args.first().isEmpty())
            return fail(err, option == QLatin1String("--dir") ? QStringLiteral("--dir needs a directory")
                                                              : QStringLiteral("--game needs a game id"));
        if (option == QLatin1String("--dir"))
            root = ProgramFolders::portableAt(args.takeFirst());
        else
            gameId = args.takeFirst();
    }
    if (args.isEmpty())
        return fail(err, usage());
    const QString name = args.takeFirst();
    if (Status prepared = root.prepare(QString::fromLatin1(DrawFile::DefaultName)); !prepared)
        return fail(err, prepared.error().message);
    // The command line speaks English whatever the desktop's language: the texts the operations
    // compose (merge, import, print) come from the English catalogue, as its own texts are English.
    // A folder given with --dir may hold data only: the program's own shipped catalogue then.
    const QString catalogue = LanguageFiles::textFile(QStringLiteral("en"));
    auto english = LanguageFiles::readLines(root.find(catalogue));
    if (!english)
        english = LanguageFiles::readLines(Cli::folders(executableDir).find(catalogue));
    if (english) {
        TextCatalog::load(*english);
        setTextLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    } else {
        TextCatalog::clear();
        setTextLocale(QLocale(QLocale::German, QLocale::Germany));
    }
    const Command* command = findCommand(name);
    if (!command)
        return fail(err, QStringLiteral("unknown command \"%1\"; %2").arg(name, usage()));
    // The list of games needs no game; every other command plays one and works in its folders.
    const bool listsGames = command->handler == &games;
    if (listsGames && !gameId)
        return command->handler(root, args, out, err);
    if (auto problem = choosePlayedGame(root, gameId))
        return fail(err, *problem);
    if (listsGames)
        return command->handler(root, args, out, err);
    return command->handler(GameCatalog::foldersFor(root, played()), args, out, err);
}

} // namespace numora

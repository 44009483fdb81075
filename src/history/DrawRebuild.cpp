#include "history/DrawRebuild.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/FileSystem.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "base/TextDecoding.h"
#include "base/WebClient.h"
#include "session/DrawBrowser.h"

#include <optional>
#include <QFile>
#include <QStringList>

namespace numora::DrawRebuild {

namespace {

Expected<int> integer(const QString& text)
{
    const auto value = parseInteger(text.trimmed());
    if (!value)
        return notAnInteger(text.trimmed());
    return int(*value);
}

// The number of the ball at `ball`: the text between "kugeln/" and the next ".". A number no ball
// carries would reach the history cut to a byte, so it is refused like text.
Expected<int> ballNumber(const QString& html, qsizetype ball, int low, int maxNumber)
{
    const qsizetype start = ball + 7;
    const qsizetype dot = html.indexOf(QLatin1Char('.'), start);
    const QString text = dot < 0 ? html.mid(start) : html.mid(start, dot - start);
    const auto n = integer(text);
    if (n && (*n < low || *n > maxNumber))
        return Error{tx(QStringLiteral("'%1' ist keine Zahl von %2 bis %3")).arg(text.trimmed()).arg(low).arg(maxNumber)};
    return n;
}

// Six balls from the first "kugeln/" after `from`, then a seventh (the Zusatzzahl) before
// `limit`; returns where the Superzahl search starts.
Expected<qsizetype> readBalls(const QString& html, qsizetype from, qsizetype limit, TZiehung& draw, int maxNumber)
{
    const QString kugeln = QStringLiteral("kugeln/");
    qsizetype ball = html.indexOf(kugeln, from);
    for (int i = 0; i < 6; ++i) {
        if (ball < 0)
            return notAnInteger(QString());
        const auto n = ballNumber(html, ball, 1, maxNumber);
        if (!n)
            return n.error();
        draw.Zahlen[i] = static_cast<std::uint8_t>(*n);
        if (i < 5)
            ball = html.indexOf(kugeln, ball + 10);
    }
    const qsizetype seventh = html.indexOf(kugeln, ball + 10);
    if (seventh >= 0 && seventh < limit) {
        const auto n = ballNumber(html, seventh, 1, maxNumber);
        if (!n)
            return n.error();
        draw.Zusatzzahl = static_cast<std::uint8_t>(*n);
        return seventh + 10;
    }
    draw.Zusatzzahl = 0;
    return ball + 10;
}

Expected<int> superzahl(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    const auto n = integer(text);
    if (n && (*n < 0 || *n > 9))
        return Error{tx(QStringLiteral("'%1' ist keine Ziffer")).arg(text.trimmed())};
    return n;
}

} // namespace

QString question()
{
    return tx(QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies komplett aus dem Internet neu "
                             "aufbauen??"));
}

QString questionTitle() { return tx(QStringLiteral("Ziehungsdaten löschen?")); }

QString pagePath(int page) { return QStringLiteral("/layer.php?content=statistik/gwz_lotto.php&nr=%1").arg(page); }

Expected<std::vector<TZiehung>> parsePage(const QString& html, int maxNumber)
{
    std::vector<TZiehung> draws;
    const qsizetype ausspielung = html.indexOf(QStringLiteral("Ausspielung"));
    if (ausspielung < 0)
        return draws;
    const qsizetype b = html.indexOf(QStringLiteral("<b>"), ausspielung);
    const qsizetype endB = b < 0 ? -1 : html.indexOf(QStringLiteral("</b>"), b);
    if (b < 0 || endB < 0)
        return Error{tx(QStringLiteral("'' ist kein gültiges Datum"))};
    const QString dateText = html.mid(b + 3, endB - b - 3).trimmed();
    const auto date = DayDate::parseShortDate(dateText);
    if (!date)
        return Error{tx(QStringLiteral("'%1' ist kein gültiges Datum")).arg(dateText)};
    const bool twoDraws = html.indexOf(QStringLiteral("Lottozahlen A"), b) >= 0;
    const qsizetype drawB = twoDraws ? html.indexOf(QStringLiteral("Lottozahlen B:")) : -1;

    TZiehung a;
    a.Datum = *date;
    const qsizetype numbersA = html.indexOf(QStringLiteral("Lottozahlen"), b);
    if (numbersA < 0)
        return notAnInteger(QString());
    // Draw A's bonus ball lies before draw B's numbers, never among them.
    auto afterA = readBalls(html, numbersA, drawB >= 0 ? drawB : html.size(), a, maxNumber);
    if (!afterA)
        return afterA.error();
    const qsizetype superA = html.indexOf(QStringLiteral("Superzahl"), *afterA);
    if (superA >= 0) {
        const qsizetype sb = html.indexOf(QStringLiteral("<b>"), superA);
        if (sb >= 0) {
            qsizetype end = -1;
            if (twoDraws) {
                const qsizetype nbsp = html.indexOf(QStringLiteral("nbsp;"), sb);
                end = nbsp >= 0 ? nbsp - 1 : html.indexOf(QStringLiteral("</b>"), sb);
            } else {
                end = html.indexOf(QStringLiteral("</b>"), sb);
            }
            const auto s = superzahl(end < 0 ? html.mid(sb + 3) : html.mid(sb + 3, end - sb - 3));
            if (!s)
                return s.error();
            a.Superzahl = static_cast<std::uint8_t>(*s);
        }
    }
    draws.push_back(a);

    if (twoDraws && drawB >= 0) {
        TZiehung bDraw;
        bDraw.Datum = *date;
        const qsizetype numbersB = html.indexOf(QStringLiteral("Lottozahlen"), drawB);
        auto afterB = readBalls(html, numbersB, html.size(), bDraw, maxNumber);
        if (!afterB)
            return afterB.error();
        const qsizetype superB = html.indexOf(QStringLiteral("Superzahl"), *afterB);
        const qsizetype sb = superB < 0 ? -1 : html.indexOf(QStringLiteral("<b>"), superB);
        if (sb >= 0) {
            const qsizetype sep = html.indexOf(QStringLiteral(";&nbsp;"), sb);
            const qsizetype start = sep >= 0 ? sep + 7 : sb + 3;
            const qsizetype end = html.indexOf(QStringLiteral("</b>"), start);
            const auto s = superzahl(end < 0 ? html.mid(start) : html.mid(start, end - start));
            if (!s)
                return s.error();
            bDraw.Superzahl = static_cast<std::uint8_t>(*s);
        }
        draws.push_back(bDraw);
    }
    return draws;
}

namespace {

// The display may stand on a draw that was read but never stored; after a failure it shows the
// chosen date from the file again, so that "Löschen" cannot hit a draw that is not there.
template <typename T>
Expected<T> showStoredOnFailure(ProgramState& state, Expected<T> result)
{
    if (!result)
        (void)DrawBrowser::showChosenDate(state);
    return result;
}

Expected<bool> readAndReplace(ProgramState& state, WebClient& client, const RunControl* control)
{
    std::vector<TZiehung> history;
    for (int page = 1;; ++page) {
        // Stopped halfway, the stored history stays as it was.
        if (control && control->stopRequested())
            return false;
        const WebResponse answer = client.get(WebHosts::join(state.hosts.results, pagePath(page)));
        if (!answer.answered())
            return Error{answer.error};
        if (answer.status != 200)
            return Error{QStringLiteral("HTTP/1.1 %1 %2").arg(answer.status).arg(answer.statusText)};
        // Only a real page may end the rebuild; a broken answer would cut the history short.
        if (answer.body.contains('\0') || !answer.body.toLower().contains("<html"))
            return Error{tx(QStringLiteral("Seite %1 der Ergebnisse ist keine HTML-Seite")).arg(page)};
        auto draws = parsePage(decodeServiceText(answer.body), state.game.numbers);
        if (!draws)
            return draws.error();
        if (draws->empty())
            break;
        for (const TZiehung& d : *draws) {
            DrawBrowser::showWritten(state, d);
            history.push_back(d);
        }
    }
    if (auto s = state.drawFile().replaceAll(history); !s)
        return s.error();
    return true;
}

} // namespace

Expected<bool> rebuild(ProgramState& state, WebClient& client, RunControl* control)
{
    if (!state.hooks->askYesNo(questionTitle(), question()))
        return false;
    std::optional<RunControl::Scope> running;
    if (control)
        running.emplace(*control);
    return showStoredOnFailure(state, readAndReplace(state, client, control));
}

Expected<std::vector<TZiehung>> parseTextImport(const QByteArray& bytes, int maxNumber)
{
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    // A final line break does not start another draw.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::vector<TZiehung> draws;
    for (qsizetype first = 0; first < lines.size(); first += 9) {
        auto lineAt = [&](qsizetype i) { return i < lines.size() ? lines[i] : QString(); };
        const auto date = DayDate::parseShortDate(lineAt(first));
        if (!date)
            return Error{tx(QStringLiteral("Orbix.dat, Zeile %1: '%2' ist kein gültiges Datum")).arg(first + 1).arg(lineAt(first))};
        TZiehung d;
        d.Datum = *date;
        for (int i = 0; i < 6; ++i) {
            const QString text = lineAt(first + 1 + i);
            const auto n = parseInteger(text.trimmed());
            if (!n || *n < 1 || *n > maxNumber)
                return Error{tx(QStringLiteral("Orbix.dat, Zeile %1: '%2' ist keine Zahl von 1 bis %3"))
                                 .arg(first + 2 + i)
                                 .arg(text)
                                 .arg(maxNumber)};
            d.Zahlen[i] = static_cast<std::uint8_t>(*n);
        }
        draws.push_back(d);
    }
    return draws;
}

Status textImport(ProgramState& state)
{
    auto import = [&state]() -> Status {
        const auto bytes = FileSystem::readWhole(state.programDir + QStringLiteral("Orbix.dat"), MaxTextImportBytes);
        if (!bytes)
            return bytes.error();
        auto draws = parseTextImport(*bytes, state.game.numbers);
        if (!draws)
            return draws.error();
        return state.drawFile().replaceAll(*draws);
    };
    return showStoredOnFailure(state, import());
}

} // namespace numora::DrawRebuild

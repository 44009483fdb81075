// Makes data/wheels/catalogue.txt: the best wheel the search finds for every v = 7..30 and every
// guarantee offered, each search stopped at the published size or after the given seconds, and
// proved before it is kept. An existing catalogue is read first and a wheel in it is replaced
// only by a smaller one, so runs add up. With "V T:P" only that case is searched. With "orbits"
// the search starts from a cyclic design (OrbitSearch) and then drops rows with the annealer.
// "import" takes a wheel from a file (rows of numbers 1..V) instead, proved before it is kept.
//   make_wheel_catalogue CATALOGUE SECONDS [SEED] [V T:P] [orbits]
//   make_wheel_catalogue CATALOGUE import FILE V T:P
#include "wheel/CoverAnnealer.h"
#include "wheel/OrbitSearch.h"
#include "wheel/WheelBuilder.h"
#include "wheel/WheelCatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <chrono>
#include <optional>
#include <cstdio>

using namespace numora;

namespace {

std::vector<std::uint64_t> onPoints(const std::vector<NumberSet>& rows)
{
    std::vector<std::uint64_t> points;
    for (NumberSet row : rows)
        points.push_back(std::uint64_t(row >> 1));
    return points;
}

// Rows of six numbers 1..v, one a line ("#" lines skipped) as points 0..v-1; empty on any fault.
std::vector<std::uint64_t> readRows(const QByteArray& text, int v)
{
    std::vector<std::uint64_t> rows;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        std::uint64_t row = 0;
        for (const QByteArray& field : trimmed.simplified().replace(',', ' ').split(' ')) {
            bool ok = false;
            const int number = field.toInt(&ok);
            if (!ok || number < 1 || number > v || (row >> (number - 1) & 1))
                return {};
            row |= std::uint64_t(1) << (number - 1);
        }
        if (std::popcount(row) != 6)
            return {};
        rows.push_back(row);
    }
    return rows;
}

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Designs with a symmetry and about as many rows as the target, the smallest of them, then the
// annealer drops rows from it while the time lasts or until `stopAt` rows. Every result is a cover; the caller proves it again.
std::vector<std::uint64_t> fromOrbits(int v, Guarantee g, int target, int stopAt, std::uint64_t seed, double seconds)
{
    const auto started = Clock::now();
    std::vector<std::uint64_t> best = OrbitSearch::smallest(v, g.hits, g.of, target, seed, seconds / 2);
    CoverAnnealer annealer(v, g.hits, g.of, seed);
    annealer.setRows(best);
    while (since(started) < seconds && int(best.size()) > stopAt) {
        annealer.removeWeakestRow();
        while (since(started) < seconds && !annealer.anneal(20000)) {
        }
        if (annealer.uncovered() == 0)
            best = annealer.rows();
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool orbits = args.size() > 3 && args.back() == QLatin1String("orbits");
    if (orbits)
        args.removeLast();
    if (args.size() != 3 && args.size() != 4 && args.size() != 6) {
        std::fprintf(stderr, "usage: make_wheel_catalogue CATALOGUE SECONDS [SEED] [V T:P] [orbits]\n");
        return 2;
    }
    const QString path = args[1];
    const bool importing = args[2] == QLatin1String("import");
    const double seconds = importing ? 0 : args[2].toDouble();
    const std::uint64_t seed = args.size() >= 4 && !importing ? args[3].toULongLong() : 1;
    int onlyV = 0;
    Guarantee onlyG;
    if (args.size() == 6) {
        onlyV = args[4].toInt();
        const auto parsed = Guarantee::parse(args[5]);
        if (onlyV < 7 || onlyV > 30 || !parsed || !parsed->validFor(onlyV)) {
            std::fprintf(stderr, "no catalogue case: %s %s\n", qPrintable(args[4]), qPrintable(args[5]));
            return 2;
        }
        onlyG = *parsed;
    }
    if (importing && !onlyV) {
        std::fprintf(stderr, "usage: make_wheel_catalogue CATALOGUE import FILE V T:P\n");
        return 2;
    }
    std::vector<CatalogueWheel> wheels;
    if (QFile file(path); file.open(QIODevice::ReadOnly)) {
        auto parsed = WheelCatalogue::parse(file.readAll());
        if (!parsed) {
            std::fprintf(stderr, "%s\n", qPrintable(parsed.error().message));
            return 1;
        }
        wheels = *parsed;
    }
    for (int v = 7; v <= 30; ++v)
        for (const Guarantee& g : Guarantee::offered()) {
            if (!g.validFor(v) || (onlyV && (v != onlyV || !(g == onlyG))))
                continue;
            const CatalogueWheel* old = WheelCatalogue::find(wheels, v, g);
            const auto record = WheelCatalogue::record(v, g);
            if (old && record && int(old->rows.size()) <= *record && !importing)
                continue;
            const auto started = Clock::now();
            std::vector<std::uint64_t> rows;
            if (importing) {
                QFile file(args[3]);
                if (!file.open(QIODevice::ReadOnly)) {
                    std::fprintf(stderr, "cannot read %s\n", qPrintable(args[3]));
                    return 1;
                }
                rows = readRows(file.readAll(), v);
            } else if (orbits) {
                // Without a published size: as few rows as the time allows.
                const int target = record.value_or(old ? int(old->rows.size()) - 1 : 0);
                if (target > 0)
                    rows = fromOrbits(v, g, target, record.value_or(0), seed, seconds);
            } else {
                RunControl control;
                WheelRequest request{Numbers::range(1, v), g, seed, seconds, 0};
                request.useCatalogue = false;
                request.stopAt = record.value_or(0);
                auto result = WheelBuilder::build(request, control);
                if (result && result->wheel)
                    rows = onPoints(result->wheel->rows);
            }
            Wheel proof{Numbers::range(1, v), g, {}};
            for (std::uint64_t row : rows)
                proof.rows.push_back(NumberSet(row) << 1);
            const int found = !rows.empty() && WheelCheck::run(proof).holds ? int(rows.size()) : 0;
            std::fprintf(stderr, "%2d %d:%d  %5d rows  record %5s  old %5s  %.1f s\n", v, g.hits, g.of, found,
                         record ? qPrintable(QString::number(*record)) : "-",
                         old ? qPrintable(QString::number(old->rows.size())) : "-", since(started));
            if (!found || (old && int(old->rows.size()) <= found))
                continue;
            CatalogueWheel wheel{v, g, rows};
            if (old)
                *const_cast<CatalogueWheel*>(old) = wheel;
            else
                wheels.push_back(wheel);
        }
    // A wheel for t':p' gives t:p for any t <= t' and p >= p': where that is smaller than what the
    // search found (or the search found nothing), it stands in.
    for (int v = 7; v <= 30; ++v)
        for (const Guarantee& g : Guarantee::offered()) {
            const CatalogueWheel* best = WheelCatalogue::find(wheels, v, g);
            std::optional<CatalogueWheel> stronger;
            for (const CatalogueWheel& w : wheels)
                if (w.v == v && w.guarantee.hits >= g.hits && w.guarantee.of <= g.of && !(w.guarantee == g)
                    && (!best || w.rows.size() < best->rows.size()) && (!stronger || w.rows.size() < stronger->rows.size()))
                    stronger = w;
            if (!stronger)
                continue;
            stronger->guarantee = g;
            Wheel check{Numbers::range(1, v), g, {}};
            for (std::uint64_t row : stronger->rows)
                check.rows.push_back(NumberSet(row) << 1);
            if (!WheelCheck::run(check).holds)
                continue;
            std::fprintf(stderr, "%2d %d:%d  %5zu rows from a stronger guarantee\n", v, g.hits, g.of, stronger->rows.size());
            if (best)
                *const_cast<CatalogueWheel*>(best) = *stronger;
            else
                wheels.push_back(*stronger);
        }
    std::sort(wheels.begin(), wheels.end(), [](const CatalogueWheel& a, const CatalogueWheel& b) {
        return std::tie(a.v, a.guarantee.hits, a.guarantee.of) < std::tie(b.v, b.guarantee.hits, b.guarantee.of);
    });
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(WheelCatalogue::format(wheels)) < 0 || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

#pragma once

// A real history in a temporary program directory, for the benchmarks: 0 the Sayisal Loto
// history, 1 the longer German history.
#include "session/ProgramState.h"
#include "draws/DrawCsv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace numora {

struct BenchHistory {
    QTemporaryDir dir;
    ProgramState state;
    std::size_t draws = 0;

    explicit BenchHistory(int which = 0)
    {
        QFile csv(which == 0 ? QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")
                             : QStringLiteral(NUMORA_TEST_DATA_DIR "/lotto_6aus49.csv"));
        if (!csv.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot open history CSV");
        const auto records = DrawCsv::parse(csv.readAll());
        state.programDir = dir.path() + QLatin1Char('/');
        if (!records || !state.drawFile().replaceAll(*records))
            throw std::runtime_error("cannot write history");
        draws = records->size();
        state.today = [] { return QDate(2026, 12, 10); };
        state.chosenDate.value = state.todayDay();
    }

    // Twelve complete rows, so that every row is evaluated.
    void fillSheet()
    {
        for (int r = 0; r < 12; ++r)
            for (int p = 0; p < 6; ++p)
                state.sheet.setField(r, p, QString::number(1 + (r * 6 + p * 7) % 49));
    }

    // A window's program folder: the shipped language files beside the history, and a settings
    // store of its own. Returns the folder, with its separator.
    QString windowFolder()
    {
        const QString programDir = dir.path() + QLatin1Char('/');
        QDir().mkpath(programDir + QStringLiteral("land"));
        const QString shipped = QStringLiteral(NUMORA_SOURCE_DIR "/data/land/");
        for (const QString& name : QDir(shipped).entryList(QDir::Files))
            QFile::copy(shipped + name, programDir + QStringLiteral("land/") + name);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
        return programDir;
    }
    QString configHome() const { return dir.filePath(QStringLiteral("config")); }
};

} // namespace numora

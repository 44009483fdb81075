#pragma once

// Runs a program of the machine (pdftotext, pdfimages, ...) for a GoogleTest test.

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

namespace numora::test {

// The standard output of `program`; a program that fails or does not finish fails the test.
inline QString runProgram(const QString& program, const QStringList& args, QString* errors = nullptr)
{
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << err.toStdString();
    if (errors)
        *errors = err;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace numora::test

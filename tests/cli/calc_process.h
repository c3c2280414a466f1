// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTest>

// The built ampora-calc, run as a script runs it.
namespace ampora::test {

struct CalcRun {
    int status = -1;
    QByteArray out, err;
};

inline CalcRun RunCalc(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess program;
    program.start(QStringLiteral(AMPORA_CALC), arguments);
    CalcRun run;
    if (!program.waitForStarted(10000)) return run;
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) return run;
    run.status = program.exitCode();
    run.out = program.readAllStandardOutput();
    run.err = program.readAllStandardError();
    return run;
}

}  // namespace ampora::test

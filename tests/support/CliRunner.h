#pragma once

// Runs kestrel-cli as a separate process. The test binaries depend on the kestrel-cli target, so
// a missing binary is a build fault and fails the test rather than skipping it.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace kestrel::test {

struct CliRun {
    int exitCode = -1;
    bool finished = false;
    QByteArray outBytes;
    QString out;
    QString err;

    QStringList OutLines() const {
        QStringList lines = out.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
        return lines;
    }
};

inline QString CliPath() {
    return QStringLiteral(KESTREL_BIN_DIR "/kestrel-cli");
}

// Fails the current test when the tool is not there.
inline void ExpectCliBuilt() {
    ASSERT_TRUE(QFileInfo::exists(CliPath()))
        << "kestrel-cli is missing: " << CliPath().toStdString();
}

// Runs the tool with exactly the given arguments; a run over 60 seconds is killed.
inline CliRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(CliPath(), args);
    CliRun run;
    run.finished = process.waitForFinished(60000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.outBytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace kestrel::test

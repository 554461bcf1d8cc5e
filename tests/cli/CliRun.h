#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the command-line program and keeps what it said.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
    // The folder a conversion reports: the last line of standard output.
    QString folder() const { return out.trimmed().section(u'\n', -1); }
};

// Runs the program with args in the environment env.
inline CliRun runCliIn(const QProcessEnvironment& env, const QStringList& args) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(E2V_CLI_PATH), args);
    CliRun r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// locale: the LANG and LC_ALL the program runs under; empty: the test's own.
inline CliRun runCli(const QStringList& args, const QString& locale = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!locale.isEmpty()) {
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.remove(QStringLiteral("LANGUAGE"));
    }
    return runCliIn(env, args);
}

inline QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR) + u'/' + name;
}

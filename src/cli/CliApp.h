#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of excel2vcard-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeCardsFailed = 1;
inline constexpr int kExitUsage = 2;

// The command-line program; arguments[0] is the program name. Results go to out, messages
// to err.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

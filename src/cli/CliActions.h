#pragma once

#include "CliOptions.h"

#include <QTextStream>

// Exit codes of excel2vcard-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeCardsFailed = 1;
inline constexpr int kExitUsage = 2;

// The message of a command line that cannot be used, and the pointer to --help; kExitUsage.
int usageError(QTextStream& err, const QString& message);

// Each action of the command line: results to out, messages to err; the exit code.
int listSheets(const CliCommand& command, QTextStream& out, QTextStream& err);
int listHeaders(const CliCommand& command, QTextStream& out, QTextStream& err);
int suggestMapping(const CliCommand& command, QTextStream& out, QTextStream& err);
int convert(const CliCommand& command, QTextStream& out, QTextStream& err);

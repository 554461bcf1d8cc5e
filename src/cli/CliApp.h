#pragma once

#include <QStringList>
#include <QTextStream>

// The command-line program; arguments[0] is the program name. Results go to out, messages
// to err; the exit code is one of those in CliActions.h.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

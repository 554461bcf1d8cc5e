#pragma once

#include "CliOptions.h"
#include "ConversionRun.h"
#include "ServerSink.h"

#include <QTextStream>

// The command line's side of an address book on a server.

// The server's settings from --carddav and its companions. The password is looked for only
// when the server asks for one, in this order: E2V_CARDDAV_PASSWORD, the first line of
// --password-file, the desktop's keyring, a prompt on the terminal; none of them: the run
// fails (the server asks for a password and none was given).
ServerSettings cliServerSettings(const ServerArguments& arguments, QTextStream& err);
SyncSettings cliSyncSettings(const ServerArguments& arguments, const ConversionOptions& options,
                             QTextStream& err);

// --list-addressbooks: one line per address book, its address, a TAB, its name.
int listAddressBooks(const CliCommand& command, QTextStream& out, QTextStream& err);

// What the server run did: the counts and each contact not sent on standard error, the address
// book's address on standard output. The exit code.
int reportServerRun(const ConversionReport& report, QTextStream& out, QTextStream& err);

#pragma once

#include "ContactField.h"
#include "ConversionOptions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <variant>

// What the command line asks for.
enum class CliAction { Help, ListSheets, ListHeaders, SuggestMapping, Convert, ListAddressBooks };

// --carddav and the options that go with it.
struct ServerArguments {
    QUrl url;
    QString user;
    QString addressBook;  // --addressbook: a name or an address; empty: the only one
    QString caFile;       // --ca-file
    QString passwordFile; // --password-file
};

// One mapping as given on the command line.
struct MappingArgument {
    bool byColumn = false;
    QString key; // header text or column letters
    ContactField field;
};

struct CliCommand {
    CliAction action = CliAction::Help;
    QString spreadsheet;
    // --sheet as given; none: the first worksheet.
    std::optional<QString> sheet;
    // --map and --map-column in the order given.
    QList<MappingArgument> mappings;
    std::optional<QString> mappingFile;
    bool autoMap = false;
    std::optional<QString> saveMapping;
    // Convert only: every option checked and the target's rules met.
    ConversionOptions options;
    // --carddav: the cards go to an address book (options.destination is Server).
    std::optional<ServerArguments> server;
};

// A command line that cannot be used: the message says why (exit status 2).
struct CliUsageError {
    QString message;
};

// Reads the arguments (arguments[0] is the program's name) into a command, or says what is
// wrong with them. Nothing is read from the spreadsheet here.
std::variant<CliCommand, CliUsageError> parseCommandLine(const QStringList& arguments);

// The text --help prints.
QString cliHelpText();

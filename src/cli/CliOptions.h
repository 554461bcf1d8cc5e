#pragma once

#include "ContactField.h"
#include "ConversionOptions.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What the command line asks for.
enum class CliAction { Help, ListSheets, ListHeaders, SuggestMapping, Convert };

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

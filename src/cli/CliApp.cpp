#include "CliApp.h"

#include "CliActions.h"
#include "CliOptions.h"
#include "CliServer.h"

#include <variant>

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::variant<CliCommand, CliUsageError> parsed = parseCommandLine(arguments);
    if (const auto* error = std::get_if<CliUsageError>(&parsed)) {
        return usageError(err, error->message);
    }
    const CliCommand& command = std::get<CliCommand>(parsed);
    switch (command.action) {
    case CliAction::Help:
        out << cliHelpText();
        out.flush();
        return kExitOk;
    case CliAction::ListSheets:
        return listSheets(command, out, err);
    case CliAction::ListHeaders:
        return listHeaders(command, out, err);
    case CliAction::SuggestMapping:
        return suggestMapping(command, out, err);
    case CliAction::Convert:
        return convert(command, out, err);
    case CliAction::ListAddressBooks:
        return listAddressBooks(command, out, err);
    }
    return kExitUsage;
}

#include "CliServer.h"

#include "CliActions.h"
#include "CliText.h"
#include "DavClient.h"
#include "Discovery.h"
#include "PasswordStore.h"
#include "TerminalPassword.h"

#include <QFile>

namespace {

// The first line of the file, without its line end; nullopt (after saying why) when it cannot
// be read.
std::optional<QString> passwordFromFile(const QString& path, QTextStream& err) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << Cli::tr("The password file \u201C%1\u201D cannot be read: %2.")
                   .arg(path, file.errorString())
            << Qt::endl;
        return std::nullopt;
    }
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    return QString::fromUtf8(line);
}

} // namespace

ServerSettings cliServerSettings(const ServerArguments& arguments, QTextStream& err) {
    ServerSettings s;
    s.url = arguments.url;
    s.user = arguments.user;
    s.caFile = arguments.caFile;
    s.password = [arguments, &err]() -> std::optional<QString> {
        const QByteArray fromEnvironment = qgetenv("E2V_CARDDAV_PASSWORD");
        if (!fromEnvironment.isEmpty()) {
            return QString::fromUtf8(fromEnvironment);
        }
        if (!arguments.passwordFile.isEmpty()) {
            return passwordFromFile(arguments.passwordFile, err);
        }
        if (std::optional<QString> stored =
                Keyring::readPassword(arguments.user, arguments.url.host())) {
            return stored;
        }
        err.flush();
        return askPasswordOnTerminal(
            Cli::tr("Password of %1 at %2: ").arg(arguments.user, arguments.url.host()));
    };
    return s;
}

SyncSettings cliSyncSettings(const ServerArguments& arguments, const ConversionOptions& options,
                             QTextStream& err) {
    SyncSettings s;
    s.server = cliServerSettings(arguments, err);
    s.addressBook = arguments.addressBook;
    s.onlyNew = options.onlyNew;
    return s;
}

int listAddressBooks(const CliCommand& command, QTextStream& out, QTextStream& err) {
    const ServerArguments& arguments = *command.server;
    DavClient client(cliServerSettings(arguments, err));
    const Discovery found = discoverAddressBooks(client, arguments.url);
    if (!found.problem.ok()) {
        err << problemText(found.problem) << Qt::endl;
        return kExitUsage;
    }
    for (const AddressBook& book : found.books) {
        // A format for scripts: not translated.
        out << book.url.adjusted(QUrl::RemoveUserInfo).toString() << '\t' << book.name << '\n';
    }
    out.flush();
    return kExitOk;
}

int reportServerRun(const ConversionReport& report, QTextStream& out, QTextStream& err) {
    const ConversionReport::ServerSummary& s = report.server;
    if (report.outcome == ConversionReport::Outcome::ServerFailed) {
        err << report.message << Qt::endl;
        // Ambiguous: the message names them already.
        if (!s.addressBooks.isEmpty() && !report.message.contains(s.addressBooks.first())) {
            err << Cli::tr("The account's address books: %1.")
                       .arg(s.addressBooks.join(QStringLiteral(", ")))
                << Qt::endl;
        }
        return kExitUsage;
    }
    err << Cli::tr("%n contact(s) added, %1 updated, %2 unchanged, %3 not sent", nullptr, s.added)
               .arg(s.updated)
               .arg(s.unchanged)
               .arg(s.notSent)
        << Qt::endl;
    if (s.leftAlone > 0) {
        err << Cli::tr("%n contact(s) already in the address book were left as they were "
                       "(--only-new).",
                       nullptr, s.leftAlone)
            << Qt::endl;
    }
    for (const ConversionReport::ServerSummary::NotSent& n : s.notSentContacts) {
        err << Cli::tr("Not sent: row %1, %2: %3").arg(n.row).arg(n.name, n.reason) << Qt::endl;
    }
    for (const QString& note : s.notes) {
        err << note << Qt::endl;
    }
    out << s.addressBookUrl << Qt::endl;
    return s.notSent > 0 ? kExitSomeCardsFailed : kExitOk;
}

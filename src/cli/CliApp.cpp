#include "CliApp.h"

#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QCommandLineParser>

namespace {

QString helpText() {
    return QStringLiteral(
        "Usage: excel2vcard-cli --list-headers SPREADSHEET\n"
        "\n"
        "Reads the first worksheet of a spreadsheet (.xlsx, .xls, .ods or .csv).\n"
        "\n"
        "  --list-headers SPREADSHEET  Print one line per header column of row 1: the\n"
        "                              column letters, a TAB, the header text. Then the\n"
        "                              \"Items Found: \" line with the number of contact rows.\n"
        "  -h, --help                  Show this text.\n"
        "\n"
        "Exit status: 0 on success; 2 for bad usage or a spreadsheet that cannot be read\n"
        "(the reason is printed on standard error).\n");
}

int listHeaders(const QString& path, QTextStream& out, QTextStream& err) {
    FileWorkbookSource source;
    WizardState state;
    Yielder yielder;
    const WorkbookScanResult scan = scanWorkbook(source, path, state, yielder);
    if (!scan.status) {
        err << scan.status.message() << Qt::endl;
        return kExitUsage;
    }
    for (qint32 i = 0; i < state.headerCount; ++i) {
        out << state.columnNames[size_t(i)] << '\t' << state.headerNames[size_t(i)] << '\n';
    }
    out << itemsFoundText(state.itemCount) << Qt::endl;
    if (state.headersLeftOut > 0) {
        err << QStringLiteral("Note: row 1 has %1 more header cells after column CW; only the "
                              "first 101 columns are offered.")
                   .arg(state.headersLeftOut)
            << Qt::endl;
    }
    return kExitOk;
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show help."));
    const QCommandLineOption list(QStringLiteral("list-headers"),
                                  QStringLiteral("List the header columns."));
    parser.addOption(help);
    parser.addOption(list);
    parser.addPositionalArgument(QStringLiteral("SPREADSHEET"), QStringLiteral("The spreadsheet."));
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << helpText();
        err.flush();
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        out << helpText();
        out.flush();
        return kExitOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        err << (files.isEmpty() ? QStringLiteral("No spreadsheet given.")
                                : QStringLiteral("Give exactly one spreadsheet."))
            << "\n\n"
            << helpText();
        err.flush();
        return kExitUsage;
    }
    if (parser.isSet(list)) {
        return listHeaders(files.first(), out, err);
    }
    err << QStringLiteral("Nothing to do: use --list-headers.") << "\n\n" << helpText();
    err.flush();
    return kExitUsage;
}

#include "CliActions.h"

#include "AutoMapping.h"
#include "CellAddress.h"
#include "CliProgress.h"
#include "CliServer.h"
#include "CliText.h"
#include "ConversionRun.h"
#include "MappingFile.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// The worksheet --sheet names, among the workbook's: a name as spelt, then a name in other
// letter case when only one matches, then a number from 1.
std::optional<qint32> findSheet(const QStringList& names, const QString& wanted) {
    if (const qsizetype exact = names.indexOf(wanted); exact >= 0) {
        return qint32(exact);
    }
    qsizetype found = -1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(wanted, Qt::CaseInsensitive) == 0) {
            if (found >= 0) {
                found = -1;
                break;
            }
            found = i;
        }
    }
    if (found >= 0) {
        return qint32(found);
    }
    bool number = false;
    const qint64 n = wanted.trimmed().toLongLong(&number);
    if (number && n >= 1 && n <= names.size()) {
        return qint32(n - 1);
    }
    return std::nullopt;
}

QString quotedNames(const QStringList& names) {
    QStringList quoted;
    for (const QString& name : names) {
        quoted.append(QStringLiteral("\u201C%1\u201D").arg(name));
    }
    return quoted.join(QStringLiteral(", "));
}

// The worksheet number of --sheet (0 when not given); false after printing why when the
// file cannot be read or has no such sheet.
bool chooseSheet(const QString& path, const std::optional<QString>& given, qint32& sheet,
                 QTextStream& err) {
    sheet = 0;
    if (!given) {
        return true;
    }
    const QString& wanted = *given;
    QStringList names;
    if (const Status listed = listWorkbookSheets(path, names); !listed) {
        err << listed.message() << Qt::endl;
        return false;
    }
    if (const std::optional<qint32> found = findSheet(names, wanted)) {
        sheet = *found;
        return true;
    }
    const QString file = QFileInfo(path).fileName();
    if (names.isEmpty()) {
        err << Cli::tr("There is no worksheet \u201C%1\u201D in \u201C%2\u201D: it has "
                       "no worksheet at all.")
                   .arg(wanted, file)
            << Qt::endl;
    } else {
        err << Cli::tr("There is no worksheet \u201C%1\u201D in \u201C%2\u201D. Give one "
                       "of its worksheets by name or by number (1 to %3): %4.")
                   .arg(wanted, file)
                   .arg(names.size())
                   .arg(quotedNames(names))
            << Qt::endl;
    }
    return false;
}

// Step 1's reading of the worksheet --sheet names (the first when not given); false (after
// printing the reader's message) when the file or the sheet cannot be read.
bool readSheet(FileWorkbookSource& source, const QString& path,
               const std::optional<QString>& wanted, WizardState& state, QTextStream& err) {
    qint32 sheet = 0;
    if (!chooseSheet(path, wanted, sheet, err)) {
        return false;
    }
    Yielder yielder;
    const WorkbookScanResult scan = scanWorkbook(source, path, sheet, yielder);
    applyScan(state, scan);
    if (!scan.status) {
        err << scan.status.message() << Qt::endl;
        return false;
    }
    return true;
}

// Puts the mappings into the state, or says what is wrong with them.
QString applyMappings(const QList<MappingArgument>& mappings, WizardState& state) {
    QStringList fieldsUsed;
    QList<qint32> columnsUsed;
    for (const MappingArgument& m : mappings) {
        if (!isCatalogueField(m.field)) {
            return Cli::tr("Unknown field \u201C%1\u201D. The fields are: %2.")
                .arg(m.field, contactFieldCatalogue().join(QStringLiteral(", ")));
        }
        if (fieldsUsed.contains(m.field)) {
            return Cli::tr("The field \u201C%1\u201D is mapped twice.").arg(m.field);
        }
        qint32 column = -1;
        if (m.byColumn) {
            const std::optional<qint32> index = columnIndex(m.key.trimmed());
            if (!index || *index >= state.headerCount) {
                return Cli::tr("There is no header column \u201C%1\u201D in the sheet "
                               "(its header columns are A to %2).")
                    .arg(m.key, columnLetters(qMax(0, state.headerCount - 1)));
            }
            column = *index;
            if (columnsUsed.contains(column)) {
                return Cli::tr("The column %1 is mapped twice.").arg(columnLetters(column));
            }
        } else {
            bool seen = false;
            for (qint32 c = 0; c < state.headerCount; ++c) {
                if (state.headerNames[size_t(c)] == m.key) {
                    seen = true;
                    if (!columnsUsed.contains(c)) {
                        column = c;
                        break;
                    }
                }
            }
            if (column < 0) {
                return seen ? Cli::tr("The header \u201C%1\u201D is mapped more often "
                                      "than it stands in row 1.")
                                  .arg(m.key)
                            : Cli::tr("The header \u201C%1\u201D is not in the sheet "
                                      "(see --list-headers).")
                                  .arg(m.key);
            }
        }
        appendMapping(state, state.headerNames[size_t(column)], m.field, column);
        fieldsUsed.append(m.field);
        columnsUsed.append(column);
    }
    return QString();
}

// The mapping file's pairs that fit the sheet, after the pairs of --map and --map-column; a
// warning names those left out.
void applyMappingFile(const QList<SavedPair>& pairs, WizardState& state, QTextStream& err) {
    const AppliedMapping result = matchSavedPairs(
        pairs, headerChoicesOf(state), unmappedHeaderChoices(state), unmappedFields(state));
    for (const FieldPair& pair : result.applied) {
        appendMapping(state, pair.header.text, pair.field, pair.header.column);
    }
    if (!result.notApplied.isEmpty()) {
        QString lines = notAppliedText(result);
        lines.replace(QLatin1Char('\n'), QStringLiteral("\n  "));
        err << Cli::tr("Warning: %1 of %2 pairs of the mapping file were left out:\n  %3")
                   .arg(result.notApplied.size())
                   .arg(pairs.size())
                   .arg(lines)
            << Qt::endl;
    }
}

// Fills the fields still free from the headers still free that the synonyms recognise.
void autoMap(WizardState& state) {
    for (const FieldPair& pair : suggestPairs(unmappedHeaderChoices(state), unmappedFields(state),
                                              mappedHeaderChoices(state))) {
        appendMapping(state, pair.header.text, pair.field, pair.header.column);
    }
}

QString noColumnMappedText() {
    return Cli::tr("No column is mapped: no pair of the mapping fits the sheet and no "
                   "header was recognised (see --list-headers).");
}

// The mapping the command asks for, put into the state after step 1's reading: --map and
// --map-column, the mapping file's pairs, then the automatic mapping. False after printing why
// when it cannot be made (the exit code is in code).
bool buildMapping(const CliCommand& command, const QList<SavedPair>& saved, WizardState& state,
                  QTextStream& err, int& code) {
    if (const QString problem = applyMappings(command.mappings, state); !problem.isEmpty()) {
        code = usageError(err, problem);
        return false;
    }
    applyMappingFile(saved, state, err);
    if (command.autoMap) {
        autoMap(state);
    }
    return true;
}

// The pairs of --mapping-file; false after printing why it cannot be used.
bool readSavedMapping(const CliCommand& command, QList<SavedPair>& pairs, QTextStream& err) {
    if (!command.mappingFile) {
        return true;
    }
    const MappingFileRead saved = readMappingFile(*command.mappingFile);
    if (!saved.status) {
        err << saved.status.message() << Qt::endl;
        return false;
    }
    pairs = saved.pairs;
    return true;
}

// What the run did, on standard error.
void printReport(const ConversionReport& report, QTextStream& err) {
    if (!report.server.used) {
        const qint32 written = report.contactsAdded - report.cardsFailed;
        err << Cli::tr("%n contact(s) written to vCard files.", nullptr, written) << Qt::endl;
    }
    if (const QString made = report.targetText(); !made.isEmpty()) {
        err << made << Qt::endl;
    }
    if (report.emptyEmailCount > 0) {
        err << Cli::tr("%n row(s) left out: an e-mail cell holds only spaces "
                       "(--allow-empty-email keeps them).",
                       nullptr, report.emptyEmailCount)
            << Qt::endl;
    }
    for (const ValueProblem& problem : report.valueProblems) {
        err << valueProblemText(problem) << Qt::endl;
    }
    if (report.cardsFailed > 0 && !report.server.used) {
        err << Cli::tr("%1 of %2 contacts could not be written. The first reason: %3")
                   .arg(report.cardsFailed)
                   .arg(report.contactsAdded)
                   .arg(report.firstFailure)
            << Qt::endl;
    }
}

} // namespace

int usageError(QTextStream& err, const QString& message) {
    err << message << "\n\n" << Cli::tr("Run excel2vcard-cli --help for the options.") << Qt::endl;
    return kExitUsage;
}

int listSheets(const CliCommand& command, QTextStream& out, QTextStream& err) {
    QStringList names;
    if (const Status listed = listWorkbookSheets(command.spreadsheet, names); !listed) {
        err << listed.message() << Qt::endl;
        return kExitUsage;
    }
    for (const QString& name : names) {
        out << name << '\n';
    }
    out.flush();
    return kExitOk;
}

int listHeaders(const CliCommand& command, QTextStream& out, QTextStream& err) {
    FileWorkbookSource source;
    WizardState state;
    if (!readSheet(source, command.spreadsheet, command.sheet, state, err)) {
        return kExitUsage;
    }
    for (qint32 i = 0; i < state.headerCount; ++i) {
        out << state.columnNames[size_t(i)] << '\t' << state.headerNames[size_t(i)] << '\n';
    }
    out << itemsFoundLine(state.itemCount) << Qt::endl;
    if (state.headersLeftOut > 0) {
        err << Cli::tr("Note: row 1 has %1 more header cells after column CW; only the first 101 "
                       "columns are offered.")
                   .arg(state.headersLeftOut)
            << Qt::endl;
    }
    return kExitOk;
}

// The mapping --auto-map would make, printed in column order, and saved when asked; nothing is
// converted.
int suggestMapping(const CliCommand& command, QTextStream& out, QTextStream& err) {
    QList<SavedPair> saved;
    if (!readSavedMapping(command, saved, err)) {
        return kExitUsage;
    }
    FileWorkbookSource source;
    WizardState state;
    if (!readSheet(source, command.spreadsheet, command.sheet, state, err)) {
        return kExitUsage;
    }
    if (int code = kExitOk; !buildMapping(command, saved, state, err, code)) {
        return code;
    }
    QList<qint32> order;
    for (qint32 k = 0; k < state.mappingCount; ++k) {
        order.append(k);
    }
    std::sort(order.begin(), order.end(), [&state](qint32 a, qint32 b) {
        return state.mappedColumns[size_t(a)] < state.mappedColumns[size_t(b)];
    });
    for (const qint32 k : order) {
        const size_t i = size_t(k);
        out << columnLetters(state.mappedColumns[i]) << '\t' << state.mappedHeaders[i] << '\t'
            << state.mappedFields[i] << '\n';
    }
    out.flush();
    if (state.mappingCount == 0) {
        err << noColumnMappedText() << Qt::endl;
    }
    if (command.saveMapping) {
        if (const Status written = writeMappingFile(*command.saveMapping, savedPairs(state));
            !written) {
            err << written.message() << Qt::endl;
            return kExitSomeCardsFailed;
        }
    }
    return kExitOk;
}

int convert(const CliCommand& command, QTextStream& out, QTextStream& err) {
    // A file that cannot be used stops everything before the sheet is read.
    QList<SavedPair> saved;
    if (!readSavedMapping(command, saved, err)) {
        return kExitUsage;
    }
    FileWorkbookSource source;
    WizardState state;
    if (!readSheet(source, command.spreadsheet, command.sheet, state, err)) {
        return kExitUsage;
    }
    if (int code = kExitOk; !buildMapping(command, saved, state, err, code)) {
        return code;
    }
    if (state.mappingCount == 0) {
        return usageError(err, noColumnMappedText());
    }
    if (command.saveMapping) {
        if (const Status written = writeMappingFile(*command.saveMapping, savedPairs(state));
            !written) {
            err << written.message() << Qt::endl;
            return kExitSomeCardsFailed;
        }
    }

    if (command.options.uidColumn >= state.headerCount) {
        return usageError(err, Cli::tr("There is no header column \u201C%1\u201D in the sheet "
                                       "(its header columns are A to %2).")
                                   .arg(columnLetters(command.options.uidColumn),
                                        columnLetters(qMax(0, state.headerCount - 1))));
    }

    CliProgress progress(err);
    ConversionReport report;
    if (command.server) {
        ServerSink sink(cliSyncSettings(*command.server, command.options, err));
        report =
            convertContacts(state, command.spreadsheet, source, command.options, sink, progress);
    } else {
        report = convertContacts(state, command.spreadsheet, source, command.options, progress);
    }
    progress.finish();
    switch (report.outcome) {
    case ConversionReport::Outcome::NoSaveLocation:
        return usageError(err, Cli::tr("Please Choose Saving Location."));
    case ConversionReport::Outcome::WorkbookFailed:
        err << report.message << Qt::endl;
        return kExitUsage;
    case ConversionReport::Outcome::FolderFailed:
        err << report.message << Qt::endl;
        return kExitSomeCardsFailed;
    case ConversionReport::Outcome::ServerFailed:
        return reportServerRun(report, out, err);
    case ConversionReport::Outcome::Finished:
        break;
    }
    printReport(report, err);
    if (report.server.used) {
        return reportServerRun(report, out, err);
    }
    out << QDir::toNativeSeparators(report.outputFolder) << Qt::endl;
    return report.cardsFailed > 0 ? kExitSomeCardsFailed : kExitOk;
}

#include "CliApp.h"

#include "AutoMapping.h"
#include "CellAddress.h"
#include "ContactField.h"
#include "ConversionRun.h"
#include "DateText.h"
#include "MappingFile.h"
#include "OutputPaths.h"
#include "Terminal.h"
#include "VCardVersion.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <utility>

namespace {

// One line per field in catalogue order, its phrase in the column of the options' texts.
QString fieldHelpLines() {
    QString lines;
    for (const ContactFieldRow& f : kContactFields) {
        lines += QStringLiteral("  ") + QStringView(f.name).toString().leftJustified(30) +
                 QStringView(f.help).toString();
        if (!f.reachesCard()) {
            lines += QStringLiteral(" (accepted but reaches no card)");
        }
        lines += QLatin1Char('\n');
    }
    return lines;
}

QString helpText() {
    return QStringLiteral(
               "Usage:\n"
               "  excel2vcard-cli [-m|--map \"HEADER=FIELD\"]... [--map-column LETTERS=FIELD]...\n"
               "                  [--vcard-version 2.1|3.0|4.0] [--single-file] "
               "[--allow-empty-email]\n"
               "                  [--date-order DMY|MDY|YMD]\n"
               "                  [--mapping-file FILE] [--auto-map] [--save-mapping FILE]\n"
               "                  [-o|--output DIR] SPREADSHEET\n"
               "  excel2vcard-cli --list-headers SPREADSHEET\n"
               "  excel2vcard-cli --suggest-mapping [mapping options] [--save-mapping FILE] "
               "SPREADSHEET\n"
               "\n"
               "Converts the contacts of the first worksheet of a spreadsheet (.xlsx, .xls, .ods "
               "or\n"
               "  .csv) into vCard files. Row 1 holds the column headers, every row below one "
               "contact.\n"
               "\n"
               "  -m, --map \"HEADER=FIELD\"      Feed the column headed HEADER (the exact text) "
               "into\n"
               "                                FIELD. When several columns carry that header, "
               "each\n"
               "                                --map takes the next of them.\n"
               "  --map-column LETTERS=FIELD    Feed the column with these letters (C, AB, ...) "
               "into\n"
               "                                FIELD.\n"
               "  --mapping-file FILE           Apply a mapping saved by the window (Save "
               "Mapping...) "
               "or\n"
               "                                by --save-mapping. Pairs whose header is not in "
               "the\n"
               "                                sheet are named in a warning on standard error "
               "and\n"
               "                                left out; --map and --map-column win over the "
               "file.\n"
               "  --auto-map                    Map the columns whose headers are recognised "
               "(common\n"
               "                                exports, several languages) to the fields still\n"
               "                                free, after --map, --map-column and "
               "--mapping-file.\n"
               "  --suggest-mapping             Convert nothing: print the mapping --auto-map "
               "would\n"
               "                                make, one line per pair: the column letters, a "
               "TAB,\n"
               "                                the header text, a TAB, the field.\n"
               "  --save-mapping FILE           Save the mapping to FILE (JSON) before "
               "converting;\n"
               "                                the window and --mapping-file load it.\n"
               "  --vcard-version VERSION       2.1 (the default), 3.0 or 4.0.\n"
               "  --single-file                 Write every card into one file, \"All "
               "Contacts.vcf\";\n"
               "                                otherwise one file per contact, named after it.\n"
               "  --allow-empty-email           Keep rows whose e-mail cell holds only spaces; by\n"
               "                                default such rows are left out and counted.\n"
               "  --date-order ORDER            How dates written as numbers are read: DMY "
               "(31/12/1990),\n"
               "                                MDY (12/31/1990) or YMD (1990/12/31). The default\n"
               "                                follows your locale's date format.\n"
               "  -o, --output DIR              The save location (default: your Documents "
               "folder).\n"
               "                                A new folder named with the date and time is made\n"
               "                                in it; its path is the last line on standard "
               "output.\n"
               "  --list-headers                Print one line per header column of row 1: the\n"
               "                                column letters, a TAB, the header text. Then the\n"
               "                                \"Items Found: \" line with the number of contact "
               "rows.\n"
               "  -h, --help                    Show this text.\n"
               "\n"
               "FIELD is one of:\n"
               "%1"
               "\n"
               "Mappings apply in the order given. Messages and a progress bar (on a terminal) go "
               "to\n"
               "standard error. Pairs of a --mapping-file that are left out do not change the "
               "exit\n"
               "status, unless no column is mapped at all.\n"
               "\n"
               "Exit status:\n"
               "  0  every contact was written;\n"
               "  1  some cards (or the output folder, or the --save-mapping file) could not be\n"
               "     written; the message says how many and why;\n"
               "  2  bad usage, an unknown field name, a field or column mapped twice, a header "
               "that\n"
               "     is not in the sheet, no column mapped, a --mapping-file that cannot be used, "
               "or\n"
               "     a spreadsheet that cannot be read (the reason is printed).\n"
               "\n"
               "Example:\n"
               "  excel2vcard-cli -m \"First name=FirstName\" -m \"Last name=LastName\" \\\n"
               "      -m \"E-mail=EmailAddress\" --map-column D=MobileNumber --vcard-version 3.0 "
               "\\\n"
               "      -o ~/Cards contacts.xlsx\n"
               "  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx\n")
        .arg(fieldHelpLines());
}

int usageError(QTextStream& err, const QString& message) {
    err << message << "\n\nRun excel2vcard-cli --help for the options." << Qt::endl;
    return kExitUsage;
}

// Step 1's reading; false (after printing the reader's message) when the file cannot be read.
bool readSheet(FileWorkbookSource& source, const QString& path, WizardState& state,
               QTextStream& err) {
    Yielder yielder;
    const WorkbookScanResult scan = scanWorkbook(source, path, yielder);
    applyScan(state, scan);
    if (!scan.status) {
        err << scan.status.message() << Qt::endl;
        return false;
    }
    return true;
}

int listHeaders(const QString& path, QTextStream& out, QTextStream& err) {
    FileWorkbookSource source;
    WizardState state;
    if (!readSheet(source, path, state, err)) {
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

// One mapping as given on the command line.
struct MappingArgument {
    bool byColumn = false;
    QString key; // header text or column letters
    ContactField field;
};

// Splits "KEY=FIELD" at the last "=": field names hold none, header texts may.
bool splitMapping(const QString& text, MappingArgument& mapping) {
    const qsizetype eq = text.lastIndexOf(QLatin1Char('='));
    if (eq < 0) {
        return false;
    }
    mapping.key = text.left(eq);
    mapping.field = text.mid(eq + 1);
    return true;
}

// Puts the mappings into the state, or says what is wrong with them.
QString applyMappings(const QList<MappingArgument>& mappings, WizardState& state) {
    QStringList fieldsUsed;
    QList<qint32> columnsUsed;
    for (const MappingArgument& m : mappings) {
        if (!isCatalogueField(m.field)) {
            return QStringLiteral("Unknown field \u201C%1\u201D. The fields are: %2.")
                .arg(m.field, contactFieldCatalogue().join(QStringLiteral(", ")));
        }
        if (fieldsUsed.contains(m.field)) {
            return QStringLiteral("The field \u201C%1\u201D is mapped twice.").arg(m.field);
        }
        qint32 column = -1;
        if (m.byColumn) {
            const std::optional<qint32> index = columnIndex(m.key.trimmed());
            if (!index || *index >= state.headerCount) {
                return QStringLiteral("There is no header column \u201C%1\u201D in the sheet "
                                      "(its header columns are A to %2).")
                    .arg(m.key, columnLetters(qMax(0, state.headerCount - 1)));
            }
            column = *index;
            if (columnsUsed.contains(column)) {
                return QStringLiteral("The column %1 is mapped twice.").arg(columnLetters(column));
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
                return seen ? QStringLiteral("The header \u201C%1\u201D is mapped more often "
                                             "than it stands in row 1.")
                                  .arg(m.key)
                            : QStringLiteral("The header \u201C%1\u201D is not in the sheet "
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
        err << QStringLiteral("Warning: %1 of %2 pairs of the mapping file were left out:\n  %3")
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
    return QStringLiteral("No column is mapped: no pair of the mapping fits the sheet and no "
                          "header was recognised (see --list-headers).");
}

// --suggest-mapping: the mapping --auto-map would make, printed in column order, and saved
// when asked; nothing is converted.
int suggestMapping(const QString& path, const QList<MappingArgument>& mappings,
                   const QList<SavedPair>& saved, const QString& saveTo, QTextStream& out,
                   QTextStream& err) {
    FileWorkbookSource source;
    WizardState state;
    if (!readSheet(source, path, state, err)) {
        return kExitUsage;
    }
    if (const QString problem = applyMappings(mappings, state); !problem.isEmpty()) {
        return usageError(err, problem);
    }
    applyMappingFile(saved, state, err);
    autoMap(state);
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
    if (!saveTo.isEmpty()) {
        if (const Status written = writeMappingFile(saveTo, savedPairs(state)); !written) {
            err << written.message() << Qt::endl;
            return kExitSomeCardsFailed;
        }
    }
    return kExitOk;
}

// The options as given, fixed for the run, and a progress bar on standard error when that is
// a terminal.
class CliHost final : public ConversionHost {
public:
    CliHost(const WizardState& state, ExportOptions options, DateOrder dateOrder, QTextStream& err)
        : m_state(state), m_options(std::move(options)),
          m_version(parseVCardVersion(m_options.vCardVersion).value_or(kDefaultVCardVersion)),
          m_dateOrder(dateOrder), m_err(err), m_showProgress(isTerminal(stderr)) {
        m_sinceDrawn.start();
    }

    QString saveLocation() override { return m_options.saveLocation; }
    VCardVersion vCardVersion() override { return m_version; }
    bool singleFile() override { return m_options.singleFile; }
    bool allowEmptyEmail() override { return m_options.allowEmptyEmail; }
    DateOrder dateOrder() override { return m_dateOrder; }
    void yield() override {
        if (m_showProgress && m_sinceDrawn.elapsed() >= 100) {
            draw();
        }
    }
    void finish() {
        if (m_showProgress && m_drawn) {
            draw(100);
            m_err << Qt::endl;
        }
    }

private:
    void draw(int percent = -1) {
        m_sinceDrawn.restart();
        m_drawn = true;
        if (percent < 0) {
            percent = progressPercent(m_state.progressDone, qMax(1, m_state.itemCount - 1));
        }
        const int filled = percent * 40 / 100;
        m_err << '\r' << '[' << QString(filled, QLatin1Char('#'))
              << QString(40 - filled, QLatin1Char(' ')) << "] " << percent << '%';
        m_err.flush();
    }

    const WizardState& m_state;
    const ExportOptions m_options;
    const VCardVersion m_version;
    const DateOrder m_dateOrder;
    QTextStream& m_err;
    bool m_showProgress;
    bool m_drawn = false;
    QElapsedTimer m_sinceDrawn;
};

QString contactsText(qint32 n) {
    return n == 1 ? QStringLiteral("1 contact") : QStringLiteral("%1 contacts").arg(n);
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show help."));
    const QCommandLineOption list(QStringLiteral("list-headers"),
                                  QStringLiteral("List the header columns."));
    const QCommandLineOption map({QStringLiteral("m"), QStringLiteral("map")},
                                 QStringLiteral("Map a header."), QStringLiteral("HEADER=FIELD"));
    const QCommandLineOption mapColumn(QStringLiteral("map-column"),
                                       QStringLiteral("Map a column."),
                                       QStringLiteral("LETTERS=FIELD"));
    const QCommandLineOption version(QStringLiteral("vcard-version"),
                                     QStringLiteral("vCard version."), QStringLiteral("VERSION"),
                                     QStringLiteral("2.1"));
    const QCommandLineOption single(QStringLiteral("single-file"), QStringLiteral("One file."));
    const QCommandLineOption allowEmpty(QStringLiteral("allow-empty-email"),
                                        QStringLiteral("Keep e-mail cells of spaces."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Save location."), QStringLiteral("DIR"));
    const QCommandLineOption dateOrderOption(
        QStringLiteral("date-order"), QStringLiteral("Date order."), QStringLiteral("ORDER"));
    const QCommandLineOption mappingFile(QStringLiteral("mapping-file"),
                                         QStringLiteral("Apply a saved mapping."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption autoMapping(QStringLiteral("auto-map"),
                                         QStringLiteral("Map recognised headers."));
    const QCommandLineOption suggest(QStringLiteral("suggest-mapping"),
                                     QStringLiteral("Print the automatic mapping."));
    const QCommandLineOption saveMapping(QStringLiteral("save-mapping"),
                                         QStringLiteral("Save the mapping."),
                                         QStringLiteral("FILE"));
    parser.addOptions(
        {help, list, map, mapColumn, version, single, allowEmpty, output, dateOrderOption});
    parser.addOptions({mappingFile, autoMapping, suggest, saveMapping});
    parser.addPositionalArgument(QStringLiteral("SPREADSHEET"), QStringLiteral("The spreadsheet."));
    if (!parser.parse(arguments)) {
        return usageError(err, parser.errorText());
    }
    if (parser.isSet(help)) {
        out << helpText();
        out.flush();
        return kExitOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        return usageError(err, files.isEmpty() ? QStringLiteral("No spreadsheet given.")
                                               : QStringLiteral("Give exactly one spreadsheet."));
    }
    if (parser.isSet(list)) {
        return listHeaders(files.first(), out, err);
    }

    // The mappings in the order given, --map and --map-column mixed.
    QList<MappingArgument> mappings;
    {
        const QStringList mapValues = parser.values(map);
        const QStringList columnValues = parser.values(mapColumn);
        qsizetype nextMap = 0;
        qsizetype nextColumn = 0;
        for (const QString& name : parser.optionNames()) {
            MappingArgument m;
            QString text;
            if ((name == u"m" || name == u"map") && nextMap < mapValues.size()) {
                text = mapValues.at(nextMap++);
            } else if (name == u"map-column" && nextColumn < columnValues.size()) {
                text = columnValues.at(nextColumn++);
                m.byColumn = true;
            } else {
                continue;
            }
            if (!splitMapping(text, m)) {
                return usageError(err, QStringLiteral("A mapping reads HEADER=FIELD or "
                                                      "LETTERS=FIELD, not \u201C%1\u201D.")
                                           .arg(text));
            }
            mappings.append(m);
        }
    }
    const bool suggesting = parser.isSet(suggest);
    const bool automatic = parser.isSet(autoMapping) || suggesting;
    if (mappings.isEmpty() && !automatic && !parser.isSet(mappingFile)) {
        return usageError(err, QStringLiteral("Map at least one column (--map or --map-column), "
                                              "or use --list-headers."));
    }
    if (mappings.size() > kCatalogueSize) {
        return usageError(err,
                          QStringLiteral("At most %1 mappings can be made.").arg(kCatalogueSize));
    }
    // A file that cannot be used stops everything before the sheet is read.
    MappingFileRead saved;
    if (parser.isSet(mappingFile)) {
        saved = readMappingFile(parser.value(mappingFile));
        if (!saved.status) {
            err << saved.status.message() << Qt::endl;
            return kExitUsage;
        }
    }
    if (suggesting) {
        return suggestMapping(files.first(), mappings, saved.pairs,
                              parser.isSet(saveMapping) ? parser.value(saveMapping) : QString(),
                              out, err);
    }
    ExportOptions options;
    const QString versionText = parser.value(version);
    const std::optional<VCardVersion> cardVersion = parseVCardVersion(versionText);
    if (!cardVersion) {
        return usageError(err, QStringLiteral("The vCard version is 2.1, 3.0 or 4.0, not "
                                              "\u201C%1\u201D.")
                                   .arg(versionText));
    }
    options.vCardVersion = vCardVersionText(*cardVersion);
    DateOrder dateOrder = systemDateOrder();
    if (parser.isSet(dateOrderOption)) {
        const QString orderText = parser.value(dateOrderOption);
        const std::optional<DateOrder> order = parseDateOrder(orderText);
        if (!order) {
            return usageError(err, QStringLiteral("The date order is DMY, MDY or YMD, not "
                                                  "\u201C%1\u201D.")
                                       .arg(orderText));
        }
        dateOrder = *order;
    }
    options.singleFile = parser.isSet(single);
    options.allowEmptyEmail = parser.isSet(allowEmpty);
    options.saveLocation = parser.isSet(output) ? parser.value(output) : defaultSaveLocation();
    if (options.saveLocation.trimmed().isEmpty()) {
        return usageError(err, noSaveLocationMessage() + QLatin1Char('.'));
    }

    const QString path = files.first();
    FileWorkbookSource source;
    WizardState state;
    if (!readSheet(source, path, state, err)) {
        return kExitUsage;
    }
    if (const QString problem = applyMappings(mappings, state); !problem.isEmpty()) {
        return usageError(err, problem);
    }
    applyMappingFile(saved.pairs, state, err);
    if (automatic) {
        autoMap(state);
    }
    if (state.mappingCount == 0) {
        return usageError(err, noColumnMappedText());
    }
    if (parser.isSet(saveMapping)) {
        if (const Status written = writeMappingFile(parser.value(saveMapping), savedPairs(state));
            !written) {
            err << written.message() << Qt::endl;
            return kExitSomeCardsFailed;
        }
    }

    CliHost host(state, std::move(options), dateOrder, err);
    const ConversionReport report = convertContacts(state, path, source, host);
    host.finish();
    switch (report.outcome) {
    case ConversionReport::Outcome::NoSaveLocation:
        return usageError(err, report.message + QLatin1Char('.'));
    case ConversionReport::Outcome::WorkbookFailed:
        err << report.message << Qt::endl;
        return kExitUsage;
    case ConversionReport::Outcome::FolderFailed:
        err << report.message << Qt::endl;
        return kExitSomeCardsFailed;
    case ConversionReport::Outcome::Finished:
        break;
    }
    const qint32 written = report.contactsAdded - report.cardsFailed;
    err << QStringLiteral("%1 written to vCard files.").arg(contactsText(written)) << Qt::endl;
    if (report.emptyEmailCount > 0) {
        err << QStringLiteral("%1 left out: an e-mail cell holds only spaces (--allow-empty-email "
                              "keeps them).")
                   .arg(report.emptyEmailCount == 1
                            ? QStringLiteral("1 row was")
                            : QStringLiteral("%1 rows were").arg(report.emptyEmailCount))
            << Qt::endl;
    }
    for (const ValueProblem& problem : report.valueProblems) {
        err << valueProblemText(problem) << Qt::endl;
    }
    if (report.cardsFailed > 0) {
        err << QStringLiteral("%1 of %2 contacts could not be written. The first reason: %3")
                   .arg(report.cardsFailed)
                   .arg(report.contactsAdded)
                   .arg(report.firstFailure)
            << Qt::endl;
    }
    out << QDir::toNativeSeparators(report.outputFolder) << Qt::endl;
    return report.cardsFailed > 0 ? kExitSomeCardsFailed : kExitOk;
}

#include "CliOptions.h"

#include "CliText.h"

#include "CardDavTypes.h"
#include "CellAddress.h"
#include "DateText.h"
#include "DavClient.h"
#include "ImportTarget.h"
#include "OutputPaths.h"
#include "PhoneFormat.h"
#include "VCardVersion.h"

#include <QCommandLineParser>

namespace {

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

// The parser's options, named once.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    QCommandLineOption listHeaders{QStringLiteral("list-headers"), QString()};
    QCommandLineOption listSheets{QStringLiteral("list-sheets"), QString()};
    QCommandLineOption sheet{QStringLiteral("sheet"), QString(), QStringLiteral("NAME|NUMBER")};
    QCommandLineOption map{
        {QStringLiteral("m"), QStringLiteral("map")}, QString(), QStringLiteral("HEADER=FIELD")};
    QCommandLineOption mapColumn{QStringLiteral("map-column"), QString(),
                                 QStringLiteral("LETTERS=FIELD")};
    QCommandLineOption version{QStringLiteral("vcard-version"), QString(),
                               QStringLiteral("VERSION"), QStringLiteral("2.1")};
    QCommandLineOption single{QStringLiteral("single-file"), QString()};
    QCommandLineOption allowEmpty{QStringLiteral("allow-empty-email"), QString()};
    QCommandLineOption phoneFormat{QStringLiteral("phone-format"), QString(),
                                   QStringLiteral("FORMAT")};
    QCommandLineOption phoneRegion{QStringLiteral("phone-region"), QString(), QStringLiteral("CC")};
    QCommandLineOption target{QStringLiteral("target"), QString(), QStringLiteral("TARGET")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("DIR")};
    QCommandLineOption dateOrder{QStringLiteral("date-order"), QString(), QStringLiteral("ORDER")};
    QCommandLineOption mappingFile{QStringLiteral("mapping-file"), QString(),
                                   QStringLiteral("FILE")};
    QCommandLineOption autoMap{QStringLiteral("auto-map"), QString()};
    QCommandLineOption suggest{QStringLiteral("suggest-mapping"), QString()};
    QCommandLineOption saveMapping{QStringLiteral("save-mapping"), QString(),
                                   QStringLiteral("FILE")};
    QCommandLineOption carddav{QStringLiteral("carddav"), QString(), QStringLiteral("URL")};
    QCommandLineOption user{QStringLiteral("user"), QString(), QStringLiteral("NAME")};
    QCommandLineOption addressBook{QStringLiteral("addressbook"), QString(),
                                   QStringLiteral("BOOK")};
    QCommandLineOption caFile{QStringLiteral("ca-file"), QString(), QStringLiteral("FILE")};
    QCommandLineOption passwordFile{QStringLiteral("password-file"), QString(),
                                    QStringLiteral("FILE")};
    QCommandLineOption uidColumn{QStringLiteral("uid-column"), QString(),
                                 QStringLiteral("LETTERS")};
    QCommandLineOption onlyNew{QStringLiteral("only-new"), QString()};
    QCommandLineOption listAddressBooks{QStringLiteral("list-addressbooks"), QString()};

    void addTo(QCommandLineParser& parser) const {
        parser.addOptions({help,        listHeaders,     listSheets,   sheet,
                           map,         mapColumn,       version,      single,
                           allowEmpty,  phoneFormat,     phoneRegion,  target,
                           output,      mappingFile,     autoMap,      suggest,
                           saveMapping, dateOrder,       carddav,      user,
                           addressBook, caFile,          passwordFile, uidColumn,
                           onlyNew,     listAddressBooks});
    }
};

// The mappings in the order given, --map and --map-column mixed.
std::optional<CliUsageError> readMappings(const QCommandLineParser& parser, const Options& o,
                                          QList<MappingArgument>& mappings) {
    const QStringList mapValues = parser.values(o.map);
    const QStringList columnValues = parser.values(o.mapColumn);
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
            return CliUsageError{
                Cli::tr("A mapping reads HEADER=FIELD or LETTERS=FIELD, not \u201C%1\u201D.")
                    .arg(text)};
        }
        mappings.append(m);
    }
    return std::nullopt;
}

// The conversion's options, checked against each other and against the target's rules.
std::optional<CliUsageError> readConversionOptions(const QCommandLineParser& parser,
                                                   const Options& o, ConversionOptions& options) {
    const QString versionText = parser.value(o.version);
    const std::optional<VCardVersion> cardVersion = parseVCardVersion(versionText);
    if (!cardVersion) {
        return CliUsageError{
            Cli::tr("The vCard version is 2.1, 3.0 or 4.0, not \u201C%1\u201D.").arg(versionText)};
    }
    const std::optional<ImportTarget> importTarget = importTargetFromText(
        parser.isSet(o.target) ? parser.value(o.target) : QStringLiteral("generic"));
    if (!importTarget) {
        return CliUsageError{Cli::tr("The target is one of %1, not \u201C%2\u201D.")
                                 .arg(importTargetChoices(), parser.value(o.target))};
    }
    const ImportTargetRules& rules = importTargetRules(*importTarget);
    if (rules.fixedVersion && parser.isSet(o.version) && *cardVersion != *rules.fixedVersion) {
        return CliUsageError{
            Cli::tr("--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.")
                .arg(QStringView(rules.option), vCardVersionText(*rules.fixedVersion),
                     vCardVersionText(*cardVersion))};
    }
    if (rules.refusedVersion && *cardVersion == *rules.refusedVersion) {
        return CliUsageError{
            Cli::tr("--target %1 cannot read vCard %2.")
                .arg(QStringView(rules.option), vCardVersionText(*rules.refusedVersion))};
    }
    if (!rules.singleFileAllowed && parser.isSet(o.single)) {
        return CliUsageError{
            Cli::tr("--target %1 takes one contact a file; --single-file cannot be used with it.")
                .arg(QStringView(rules.option))};
    }
    options.importTarget = *importTarget;
    options.vCardVersion = rules.fixedVersion.value_or(*cardVersion);
    options.dateOrder = systemDateOrder();
    if (parser.isSet(o.dateOrder)) {
        const QString orderText = parser.value(o.dateOrder);
        const std::optional<DateOrder> order = parseDateOrder(orderText);
        if (!order) {
            return CliUsageError{
                Cli::tr("The date order is DMY, MDY or YMD, not \u201C%1\u201D.").arg(orderText)};
        }
        options.dateOrder = *order;
    }
    options.singleFile = parser.isSet(o.single);
    options.allowEmptyEmail = parser.isSet(o.allowEmpty);
    if (parser.isSet(o.phoneFormat)) {
        const std::optional<PhoneStyle> style = phoneStyleFromText(parser.value(o.phoneFormat));
        if (!style) {
            return CliUsageError{Cli::tr("The phone format is e164 or international, not "
                                         "\u201C%1\u201D.")
                                     .arg(parser.value(o.phoneFormat))};
        }
        options.phoneFormat.style = *style;
    }
    if (parser.isSet(o.phoneRegion)) {
        const QString region = parser.value(o.phoneRegion).trimmed();
        if (!isPhoneRegion(region)) {
            return CliUsageError{
                Cli::tr("The phone region is a two-letter country code such as US or "
                        "DE, not \u201C%1\u201D.")
                    .arg(parser.value(o.phoneRegion))};
        }
        options.phoneFormat.region = region.toUpper();
    } else {
        options.phoneFormat.region = systemPhoneRegion();
    }
    options.saveLocation = parser.isSet(o.output) ? parser.value(o.output) : defaultSaveLocation();
    // A server needs no save location.
    if (options.saveLocation.trimmed().isEmpty() && !parser.isSet(o.carddav)) {
        return CliUsageError{Cli::tr("Please Choose Saving Location.")};
    }
    return std::nullopt;
}

// --carddav and its companions, checked; none without --carddav (then its companions are
// refused).
std::optional<CliUsageError> readServerArguments(const QCommandLineParser& parser, const Options& o,
                                                 std::optional<ServerArguments>& server) {
    if (!parser.isSet(o.carddav)) {
        for (const QCommandLineOption* companion :
             {&o.user, &o.addressBook, &o.caFile, &o.passwordFile, &o.uidColumn, &o.onlyNew,
              &o.listAddressBooks}) {
            if (parser.isSet(*companion)) {
                return CliUsageError{
                    Cli::tr("--%1 needs --carddav.").arg(companion->names().first())};
            }
        }
        return std::nullopt;
    }
    ServerArguments s;
    s.url = QUrl(parser.value(o.carddav).trimmed(), QUrl::StrictMode);
    if (const Problem problem = checkServerUrl(s.url); !problem.ok()) {
        return CliUsageError{problemText(problem)};
    }
    s.user = parser.value(o.user).trimmed();
    if (s.user.isEmpty()) {
        return CliUsageError{Cli::tr("--carddav needs the user name (--user NAME).")};
    }
    s.addressBook = parser.value(o.addressBook).trimmed();
    s.caFile = parser.value(o.caFile);
    s.passwordFile = parser.value(o.passwordFile);
    server = s;
    return std::nullopt;
}

// The conversion's options for an address book on a server.
std::optional<CliUsageError> readServerOptions(const QCommandLineParser& parser, const Options& o,
                                               ConversionOptions& options) {
    const ImportTargetRules& rules = importTargetRules(options.importTarget);
    if (!targetSendsToServer(options.importTarget)) {
        return CliUsageError{
            Cli::tr("--target %1 makes files to import; it cannot be used with --carddav.")
                .arg(QStringView(rules.option))};
    }
    for (const QCommandLineOption* fileOnly : {&o.single, &o.output}) {
        if (parser.isSet(*fileOnly)) {
            return CliUsageError{Cli::tr("--%1 is about files; it cannot be used with --carddav.")
                                     .arg(fileOnly->names().last())};
        }
    }
    if (parser.isSet(o.version) && options.vCardVersion == VCardVersion::V21) {
        return CliUsageError{
            Cli::tr("An address book on a server takes vCard 3.0 or 4.0, not 2.1.")};
    }
    options.destination = CardDestination::Server;
    options.singleFile = false;
    options.onlyNew = parser.isSet(o.onlyNew);
    if (parser.isSet(o.uidColumn)) {
        const QString letters = parser.value(o.uidColumn);
        const std::optional<qint32> column = columnIndex(letters.trimmed());
        if (!column) {
            return CliUsageError{
                Cli::tr("--uid-column takes column letters (A, AB, ...), not \u201C%1\u201D.")
                    .arg(letters)};
        }
        options.uidColumn = *column;
    }
    return std::nullopt;
}

} // namespace

std::variant<CliCommand, CliUsageError> parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Options o;
    o.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("SPREADSHEET"), QString());
    if (!parser.parse(arguments)) {
        return CliUsageError{parser.errorText()};
    }
    CliCommand command;
    if (parser.isSet(o.help)) {
        command.action = CliAction::Help;
        return command;
    }
    if (const auto error = readServerArguments(parser, o, command.server)) {
        return *error;
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(o.listAddressBooks)) {
        if (!files.isEmpty()) {
            return CliUsageError{Cli::tr("--list-addressbooks takes no spreadsheet.")};
        }
        command.action = CliAction::ListAddressBooks;
        return command;
    }
    if (files.size() != 1) {
        return CliUsageError{files.isEmpty() ? Cli::tr("No spreadsheet given.")
                                             : Cli::tr("Give exactly one spreadsheet.")};
    }
    command.spreadsheet = files.first();
    if (parser.isSet(o.sheet)) {
        command.sheet = parser.value(o.sheet);
    }
    if (parser.isSet(o.listSheets)) {
        command.action = CliAction::ListSheets;
        return command;
    }
    if (parser.isSet(o.listHeaders)) {
        command.action = CliAction::ListHeaders;
        return command;
    }
    if (const auto error = readMappings(parser, o, command.mappings)) {
        return *error;
    }
    const bool suggesting = parser.isSet(o.suggest);
    command.autoMap = parser.isSet(o.autoMap) || suggesting;
    if (parser.isSet(o.mappingFile)) {
        command.mappingFile = parser.value(o.mappingFile);
    }
    if (parser.isSet(o.saveMapping)) {
        command.saveMapping = parser.value(o.saveMapping);
    }
    if (command.mappings.isEmpty() && !command.autoMap && !command.mappingFile) {
        return CliUsageError{
            Cli::tr("Map at least one column (--map or --map-column), or use --list-headers.")};
    }
    if (command.mappings.size() > kCatalogueSize) {
        return CliUsageError{Cli::tr("At most %1 mappings can be made.").arg(kCatalogueSize)};
    }
    if (suggesting) {
        command.action = CliAction::SuggestMapping;
        return command;
    }
    command.action = CliAction::Convert;
    if (const auto error = readConversionOptions(parser, o, command.options)) {
        return *error;
    }
    if (command.server) {
        if (const auto error = readServerOptions(parser, o, command.options)) {
            return *error;
        }
    }
    return command;
}

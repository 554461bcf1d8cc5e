// Times the automatic mapping of a full header row: 101 columns, an address-book export's
// headers followed by some of a list typed by hand and some the header grammar reads. The first run
// includes reading the synonym table; the later ones show what each click of Auto Map costs.
//
// Usage: bench_automap [--runs N]

#include "FieldMapping.h"
#include "HeaderGrammar.h"
#include "HeaderSynonyms.h"
#include "WizardState.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kHeaders[] = {u"Title",
                                    u"First Name",
                                    u"Middle Name",
                                    u"Last Name",
                                    u"Suffix",
                                    u"Company",
                                    u"Department",
                                    u"Job Title",
                                    u"Business Street",
                                    u"Business Street 2",
                                    u"Business Street 3",
                                    u"Business City",
                                    u"Business State",
                                    u"Business Postal Code",
                                    u"Business Country/Region",
                                    u"Home Street",
                                    u"Home Street 2",
                                    u"Home Street 3",
                                    u"Home City",
                                    u"Home State",
                                    u"Home Postal Code",
                                    u"Home Country/Region",
                                    u"Other Street",
                                    u"Other Street 2",
                                    u"Other Street 3",
                                    u"Other City",
                                    u"Other State",
                                    u"Other Postal Code",
                                    u"Other Country/Region",
                                    u"Assistant's Phone",
                                    u"Business Fax",
                                    u"Business Phone",
                                    u"Business Phone 2",
                                    u"Callback",
                                    u"Car Phone",
                                    u"Company Main Phone",
                                    u"Home Fax",
                                    u"Home Phone",
                                    u"Home Phone 2",
                                    u"ISDN",
                                    u"Mobile Phone",
                                    u"Other Fax",
                                    u"Other Phone",
                                    u"Pager",
                                    u"Primary Phone",
                                    u"Radio Phone",
                                    u"TTY/TDD Phone",
                                    u"Telex",
                                    u"Account",
                                    u"Anniversary",
                                    u"Assistant's Name",
                                    u"Billing Information",
                                    u"Birthday",
                                    u"Business Address PO Box",
                                    u"Categories",
                                    u"Children",
                                    u"Directory Server",
                                    u"E-mail Address",
                                    u"E-mail Type",
                                    u"E-mail Display Name",
                                    u"E-mail 2 Address",
                                    u"E-mail 2 Type",
                                    u"E-mail 2 Display Name",
                                    u"E-mail 3 Address",
                                    u"E-mail 3 Type",
                                    u"E-mail 3 Display Name",
                                    u"Gender",
                                    u"Government ID Number",
                                    u"Hobby",
                                    u"Home Address PO Box",
                                    u"Initials",
                                    u"Internet Free Busy",
                                    u"Keywords",
                                    u"Language",
                                    u"Location",
                                    u"Manager's Name",
                                    u"Mileage",
                                    u"Notes",
                                    u"Office Location",
                                    u"Organizational ID Number",
                                    u"Other Address PO Box",
                                    u"Priority",
                                    u"Private",
                                    u"Profession",
                                    u"Referred By",
                                    u"Sensitivity",
                                    u"Spouse",
                                    u"User 1",
                                    u"User 2",
                                    u"User 3",
                                    u"User 4",
                                    u"Web Page",
                                    u"Kundennummer",
                                    u"Geburtstag",
                                    u"Privat: PLZ",
                                    u"Código postal",
                                    u"Via (uff.)",
                                    u"Werkadres, plaats",
                                    u"Tel. dienstlich",
                                    u"Mobile #",
                                    u"DOB"};
static_assert(std::size(kHeaders) == kStateSlots, "the row fills every header slot");

double ms(qint64 ns) {
    return double(ns) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 1000;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf(u"--runs"_s); at >= 0 && at + 1 < args.size()) {
        runs = qMax(1, args.at(at + 1).toInt());
    }

    WizardState state;
    for (qint32 i = 0; i < kStateSlots; ++i) {
        state.headerNames[size_t(i)] = QString::fromUtf16(kHeaders[i]);
        state.columnNames[size_t(i)] = QString::number(i);
    }
    state.headerCount = kStateSlots;
    MappingModel model(state);

    QElapsedTimer timer;
    model.fillMappingChoices();
    timer.start();
    const int firstPairs = model.autoMap();
    const qint64 first = timer.nsecsElapsed();

    std::vector<qint64> times;
    times.reserve(size_t(runs));
    int pairs = 0;
    for (int r = 0; r < runs; ++r) {
        model.fillMappingChoices();
        timer.restart();
        pairs = model.autoMap();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    const qint64 median = times[times.size() / 2];
    const qint64 worst = times.back();

    // What the first click pays on top: the tables read from the resource and parsed.
    std::vector<qint64> tableTimes;
    const int tableRuns = qMax(1, runs / 10);
    for (int r = 0; r < tableRuns; ++r) {
        timer.restart();
        const HeaderSynonyms table(parseSynonymTable(builtInSynonymTableText()));
        const HeaderGrammar grammar(parseGrammarTable(builtInGrammarTableText()));
        tableTimes.push_back(timer.nsecsElapsed());
        if (table.size() != HeaderSynonyms::builtIn().size() ||
            grammar.size() != HeaderGrammar::builtIn().size()) {
            return 1;
        }
    }
    std::sort(tableTimes.begin(), tableTimes.end());
    const qint64 tableMedian = tableTimes[tableTimes.size() / 2];

    std::printf("header row: %d columns, %lld synonyms and %lld grammar words in the tables\n",
                kStateSlots, static_cast<long long>(HeaderSynonyms::builtIn().size()),
                static_cast<long long>(HeaderGrammar::builtIn().size()));
    std::printf("first auto-map (table read included): %.3f ms, %d pairs\n", ms(first), firstPairs);
    std::printf("auto-map, %d runs: median %.3f ms, slowest %.3f ms, %d pairs\n", runs, ms(median),
                ms(worst), pairs);
    std::printf("auto-map median limit 1 ms: %s\n", ms(median) < 1.0 ? "met" : "MISSED");
    std::printf("reading the tables, %d runs: median %.3f ms\n", tableRuns, ms(tableMedian));
    // Medians: a single slow run on a busy machine is the scheduler's, not the mapping's.
    std::printf("first click (tables read + auto-map, medians): %.3f ms; limit 10 ms: %s\n",
                ms(tableMedian + median), ms(tableMedian + median) < 10.0 ? "met" : "MISSED");
    return 0;
}

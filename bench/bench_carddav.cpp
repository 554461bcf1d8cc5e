// Sends the contacts of a sheet to a local Radicale (sign-in over TLS, as a self-hosted server
// runs it) through the conversion run and its server sink, as the window and the command line
// do, and times it: the first run adds every contact, the second finds them all unchanged.
// Each request limit runs against a fresh server. Wall time, and the CPU time of this process
// alone (the server's is not counted).
//
// Usage: bench_carddav [--contacts N] [--parallel 1,4,6] [--http]
// --http: the server without TLS (sign-in still on), to see what TLS costs.

#include "../tests/carddav/CardDavTestSupport.h"
#include "ContactField.h"
#include "ConversionRun.h"
#include "ServerSink.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <cstdio>

using namespace carddavtest;

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timed(const std::function<void()>& work) {
    QElapsedTimer clock;
    const double cpu = cpuSeconds();
    clock.start();
    work();
    return {double(clock.nsecsElapsed()) / 1e9, cpuSeconds() - cpu};
}

class BenchHost final : public ConversionHost {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress&) override {}
    bool stopRequested() override { return false; }
};

QString csvCell(const QString& text) {
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

// The contacts as a sheet, one column per field, headed by the field's name.
bool writeSheet(const QString& path, int count) {
    QStringList lines{contactFields().join(u',')};
    for (int i = 0; i < count; ++i) {
        const ContactValues v = contact(i);
        QStringList cells;
        for (const QString& field : contactFields()) {
            for (const ContactFieldRow& f : kContactFields) {
                if (QStringView(f.name) == field) {
                    cells.append(csvCell(v.*f.member));
                }
            }
        }
        lines.append(cells.join(u','));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write((lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8()) > 0;
}

// One run of the sheet into the address book.
ConversionReport sendSheet(const QString& path, const SyncSettings& settings) {
    FileWorkbookSource source;
    WizardState state;
    Yielder yielder;
    applyScan(state, scanWorkbook(source, path, yielder));
    for (qint32 c = 0; c < state.headerCount; ++c) {
        appendMapping(state, state.headerNames[size_t(c)], state.headerNames[size_t(c)], c);
    }
    ConversionOptions options;
    options.destination = CardDestination::Server;
    options.vCardVersion = VCardVersion::V30;
    ServerSink sink(settings);
    BenchHost host;
    return convertContacts(state, path, source, options, sink, host);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int count = 1000;
    QList<int> parallels{1, 4};
    bool tls = true;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--http"_s) {
            tls = false;
        } else if (args[i] == u"--contacts"_s && i + 1 < args.size()) {
            count = args[++i].toInt();
        } else if (args[i] == u"--parallel"_s && i + 1 < args.size()) {
            parallels.clear();
            for (const QString& p : args[++i].split(u',')) {
                parallels.append(p.toInt());
            }
        }
    }
    QTemporaryDir work;
    const QString sheet = work.filePath(u"contacts.csv"_s);
    if (!work.isValid() || !writeSheet(sheet, count)) {
        std::fprintf(stderr, "the sheet could not be written\n");
        return 1;
    }
    std::printf("%d contacts to Radicale 3 (%s, sign-in), one fresh server per line\n", count,
                tls ? "TLS" : "http");
    std::printf("%-10s %12s %10s %14s %10s\n", "requests", "add wall s", "add cpu s", "unchanged s",
                "cpu s");
    for (int parallel : parallels) {
        Radicale radicale;
        radicale.tls = tls;
        if (!radicale.start() ||
            !makeAddressBook(radicale.settings(), radicale.home(), u"bench"_s)) {
            std::fprintf(stderr, "Radicale did not start\n");
            return 1;
        }
        SyncSettings settings;
        settings.server = radicale.settings();
        settings.addressBook = u"bench"_s;
        settings.parallel = parallel;
        ConversionReport first;
        ConversionReport second;
        const Timing add = timed([&]() { first = sendSheet(sheet, settings); });
        const Timing same = timed([&]() { second = sendSheet(sheet, settings); });
        if (first.server.added != count || second.server.unchanged != count) {
            std::fprintf(stderr, "unexpected: %d added, then %d unchanged (%s)\n",
                         first.server.added, second.server.unchanged, qPrintable(first.message));
            return 1;
        }
        std::printf("%-10d %12.2f %10.2f %14.2f %10.2f\n", parallel, add.wall, add.cpu, same.wall,
                    same.cpu);
    }
    return 0;
}

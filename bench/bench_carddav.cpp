// Sends contacts to a local Radicale (sign-in over TLS, as a self-hosted server runs it) and
// times it: the first run adds every contact, the second finds them all unchanged. Each
// request limit runs against a fresh server. Wall time, and the CPU time of this process
// alone (the server's is not counted).
//
// Usage: bench_carddav [--contacts N] [--parallel 1,4,6] [--http]
// --http: the server without TLS (sign-in still on), to see what TLS costs.

#include "../tests/carddav/CardDavTestSupport.h"

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
    const QList<ServerCard> cards = cardsOf(contacts(count));
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
        SyncSettings settings = syncSettings(radicale.settings(), u"bench"_s);
        settings.parallel = parallel;
        SyncReport first;
        SyncReport second;
        const Timing add = timed([&]() { first = sync(settings, cards); });
        const Timing same = timed([&]() { second = sync(settings, cards); });
        if (first.added != count || second.unchanged != count) {
            std::fprintf(stderr, "unexpected: %d added, then %d unchanged (%s)\n", first.added,
                         second.unchanged, qPrintable(problemText(first.problem)));
            return 1;
        }
        std::printf("%-10d %12.2f %10.2f %14.2f %10.2f\n", parallel, add.wall, add.cpu, same.wall,
                    same.cpu);
    }
    return 0;
}

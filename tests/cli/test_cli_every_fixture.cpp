#include <QtTest>

using namespace Qt::StringLiterals;

#include "CliRun.h"

#include <deque>
#include <memory>

namespace {

// Programs run at once: the machine's cores are kept busy while a process starts up.
constexpr int kParallel = 4;

QString sourcePath(const QString& relative) {
    return QDir::cleanPath(QStringLiteral(E2V_FIXTURES_DIR "/../../") + relative);
}

// A compound file (.xls, or an encrypted package) goes through libgsf.
bool isCompoundFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) &&
           f.read(8) == QByteArray("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1");
}

// The environment of one run. The address sanitizer's leak check is told about libgsf's own
// leak on a broken compound-file directory (the fuzzer knows it too); for a compound file it
// needs the slow unwinder to see libgsf's frames.
QProcessEnvironment runEnvironment(const QString& file) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LSAN_OPTIONS"_s, u"suppressions="_s + sourcePath(u"fuzz/lsan.supp"_s));
    if (isCompoundFile(file)) {
        const QString asan = env.value(u"ASAN_OPTIONS"_s);
        env.insert(u"ASAN_OPTIONS"_s,
                   (asan.isEmpty() ? QString() : asan + u':') + u"fast_unwind_on_malloc=0"_s);
    }
    return env;
}

// Runs the program once per argument list (the file last), kParallel at a time; results in
// the same order.
QList<CliRun> runAll(const QList<QStringList>& argLists) {
    QList<CliRun> results(argLists.size());
    std::deque<std::pair<qsizetype, std::unique_ptr<QProcess>>> running;
    qsizetype next = 0;
    while (next < argLists.size() || !running.empty()) {
        while (next < argLists.size() && running.size() < size_t(kParallel)) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(runEnvironment(argLists[next].last()));
            p->start(QStringLiteral(E2V_CLI_PATH), argLists[next]);
            running.emplace_back(next++, std::move(p));
        }
        auto [index, p] = std::move(running.front());
        running.pop_front();
        CliRun& r = results[index];
        if (!p->waitForFinished(120000)) {
            p->kill();
            p->waitForFinished();
            r.code = -3; // hung
        } else {
            r.code = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -2;
        }
        r.out = QString::fromUtf8(p->readAllStandardOutput());
        r.err = QString::fromUtf8(p->readAllStandardError());
    }
    return results;
}

// Ended as the program ends: 0, 1 or 2, no crash, no hang, no sanitizer report.
QString fault(const CliRun& r) {
    if (r.code == -3) {
        return u"hung"_s;
    }
    if (r.code < 0 || r.code > 2) {
        return u"ended with %1"_s.arg(r.code);
    }
    if (r.err.contains(u"Sanitizer"_s) || r.err.contains(u"runtime error:"_s)) {
        return u"sanitizer report"_s;
    }
    return QString();
}

} // namespace

// Every committed fixture and every kept fuzzer input, through the command line as a user
// would run it: the header list, then a conversion with the first column as first name.
// Any outcome the program has an exit status for is fine; a crash, a hang or a sanitizer
// report (in the sanitizer build) is not.
class TestCliEveryFixture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyFileEndsCleanly_data() {
        QTest::addColumn<QStringList>("files");
        const auto addFolder = [](const QString& name, const QString& root) {
            QStringList files;
            QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                files.append(it.next());
            }
            files.sort();
            QTest::addRow("%s", qPrintable(name)) << files;
        };
        const QDir fixtures(QStringLiteral(E2V_FIXTURES_DIR));
        for (const QString& folder : fixtures.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            addFolder(u"fixtures/"_s + folder, fixtures.filePath(folder));
        }
        // The fuzzer's kept inputs of the spreadsheet readers (those of the card decoder are
        // no spreadsheets).
        for (const char* format : {"xlsx", "xls", "ods", "csv"}) {
            const QString folder = sourcePath(u"fuzz/regressions/"_s + QLatin1String(format));
            if (QDir(folder).exists()) {
                addFolder(u"fuzz/regressions/"_s + QLatin1String(format), folder);
            }
        }
    }
    void everyFileEndsCleanly() {
        QFETCH(QStringList, files);
        QVERIFY(!files.isEmpty());
        QList<QStringList> listing;
        for (const QString& f : files) {
            listing.append({u"--list-headers"_s, f});
        }
        const QList<CliRun> listed = runAll(listing);

        // A file the header list refused is refused by the conversion too; the others convert.
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QList<QStringList> converting;
        QStringList converted;
        for (qsizetype i = 0; i < files.size(); ++i) {
            if (listed[i].code == 0) {
                const QString dir = out.filePath(QString::number(i));
                QVERIFY(QDir().mkpath(dir));
                converting.append({u"--map-column"_s, u"A=FirstName"_s, u"-o"_s, dir, files[i]});
                converted.append(files[i]);
            }
        }
        const QList<CliRun> conversions = runAll(converting);

        QStringList faults;
        for (qsizetype i = 0; i < files.size(); ++i) {
            if (const QString why = fault(listed[i]); !why.isEmpty()) {
                faults.append(u"--list-headers %1: %2\n%3"_s.arg(files[i], why, listed[i].err));
            }
        }
        for (qsizetype i = 0; i < converted.size(); ++i) {
            if (const QString why = fault(conversions[i]); !why.isEmpty()) {
                faults.append(
                    u"conversion of %1: %2\n%3"_s.arg(converted[i], why, conversions[i].err));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestCliEveryFixture)
#include "test_cli_every_fixture.moc"

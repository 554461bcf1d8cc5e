#include "../support/CardDecoder.h"
#include "ConversionRun.h"
#include "FieldMapping.h"
#include "OutputPaths.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QtTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

class Host final : public ConversionHost {
public:
    std::function<void(qint32)> onContact;
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress& p) override {
        if (onContact && p.contactsAdded != m_contacts) {
            onContact(p.contactsAdded);
        }
        m_contacts = p.contactsAdded;
    }
    bool stopRequested() override { return false; }

private:
    qint32 m_contacts = 0;
};

ConversionOptions threeZeroOptions() {
    ConversionOptions options;
    options.vCardVersion = VCardVersion::V30;
    return options;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray contactsCsv(int rows) {
    QByteArray csv = "Last,First,Note\r\n";
    for (int i = 1; i <= rows; ++i) {
        csv += "Name" + QByteArray::number(i) + ",Ann,\"a note, with a comma; and more\"\r\n";
    }
    return csv;
}

// A real file read as step 1 reads it and mapped as step 2 maps it; converted on demand.
struct Run {
    QTemporaryDir dir;
    QString sheet;
    WizardState state;
    FileWorkbookSource source;
    Host host;
    ConversionOptions options = threeZeroOptions();

    explicit Run(int rows) {
        sheet = dir.filePath(u"contacts.csv"_s);
        writeFile(sheet, contactsCsv(rows));
        Yielder y;
        const WorkbookScanResult scan = scanWorkbook(source, sheet, y);
        applyScan(state, scan);
        Q_ASSERT(scan.status.isOk());
        MappingModel model(state);
        model.fillMappingChoices();
        model.add(0, u"LastName"_s);
        model.add(0, u"FirstName"_s);
        model.add(0, u"Notes"_s);
        options.saveLocation = dir.filePath(u"out"_s);
        QDir().mkpath(options.saveLocation);
    }
    ConversionReport convert() { return convertContacts(state, sheet, source, options, host); }
    QStringList files(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every card in the file is whole and reads back; returns how many there are.
int wholeCards(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (!text.isEmpty() && !text.endsWith(u"END:VCARD\r\n"_s)) {
        return -1;
    }
    int n = 0;
    for (QString card : text.split(u"END:VCARD\r\n"_s, Qt::SkipEmptyParts)) {
        card += u"END:VCARD"_s;
        if (!carddecoder::decodeCard(card).ok) {
            return -1;
        }
        ++n;
    }
    return n;
}

#ifdef Q_OS_UNIX
// Files may grow to at most `bytes` while it lives: a full disk without filling one.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};
#endif

#ifdef Q_OS_LINUX
// Root ignores file modes, so a test run as root does its file work as an ordinary user
// while this lives: `folder` is handed to that user, and `parent` made passable.
class OrdinaryUserFiles {
public:
    OrdinaryUserFiles(const QString& parent, const QString& folder) {
        if (::geteuid() != 0) {
            return;
        }
        m_active = ::chmod(QFile::encodeName(parent).constData(), 0711) == 0 &&
                   ::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0;
        if (m_active) {
            ::setfsuid(kNobody);
            ::setfsgid(kNobody);
        }
    }
    ~OrdinaryUserFiles() {
        if (m_active) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    // False when running as root and the switch could not be made.
    bool bindsModes() const { return ::geteuid() != 0 || m_active; }

private:
    static constexpr uid_t kNobody = 65534;
    bool m_active = false;
};
#endif

} // namespace

class TestConversionFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The disk fills during a single-file run: the file keeps only whole cards, and the
    // report counts exactly the cards that are not in it.
    void fullDiskSingleFile() {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit");
#else
        // About a megabyte of cards against room for 600 KB: some go out in whole batches,
        // the rest fail.
        constexpr int kRows = 10000;
        Run run(kRows);
        run.options.singleFile = true;
        ConversionReport r;
        {
            FileSizeLimit limit(600000);
            r = run.convert();
        }
        QVERIFY(r.finished());
        QVERIFY(!r.allWritten());
        QCOMPARE(r.contactsAdded, kRows);
        const QByteArray bytes = readAll(r.outputFolder + u"/All Contacts.vcf"_s);
        QVERIFY(bytes.size() <= 600000);
        const int cards = wholeCards(bytes);
        QVERIFY2(cards > 0,
                 qPrintable(u"%1 bytes, %2 failed"_s.arg(bytes.size()).arg(r.cardsFailed)));
        QCOMPARE(cards + r.cardsFailed, kRows);
        QVERIFY(r.firstFailure.contains(u"All Contacts.vcf"_s));
        QVERIFY(r.cardsFailed > 0);
        QCOMPARE(r.contactsAdded, kRows);
#endif
    }

    // No room even for one card: no half-written files are left behind.
    void fullDiskOneFileEach() {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit");
#else
        Run run(5);
        ConversionReport r;
        {
            FileSizeLimit limit(40);
            r = run.convert();
        }
        QCOMPARE(r.cardsFailed, 5);
        QVERIFY(run.files(r.outputFolder).isEmpty());
        QVERIFY(r.firstFailure.contains(u"Name1Ann_1.vcf"_s));
#endif
    }

    // The single file is removed or replaced while the run goes on: later cards go to the
    // file at that path, not to a file nobody can see any more.
    void singleFileReplacedMidRun_data() {
        QTest::addColumn<bool>("replace");
        QTest::addRow("removed") << false;
        QTest::addRow("replaced") << true;
    }
    void singleFileReplacedMidRun() {
        QFETCH(bool, replace);
        // Enough cards for several batches; the file goes away after the first is out.
        constexpr int kRows = 8000;
        Run run(kRows);
        run.options.singleFile = true;
        qint64 removedAt = -1;
        run.host.onContact = [&](qint32 added) {
            const QString path = run.state.outputFolder + u"/All Contacts.vcf"_s;
            if (removedAt < 0 && QFileInfo(path).size() > 0) {
                removedAt = added;
                QFile::remove(path);
                if (replace) {
                    writeFile(path, "kept\r\n");
                }
            }
        };
        const ConversionReport r = run.convert();
        QVERIFY(r.allWritten());
        QVERIFY(removedAt > 0);
        QByteArray bytes = readAll(r.outputFolder + u"/All Contacts.vcf"_s);
        QCOMPARE(bytes.startsWith("kept\r\n"), replace);
        if (replace) {
            bytes = bytes.mid(6);
        }
        // The file at the path holds whole cards, up to the very last one.
        const int cards = wholeCards(bytes);
        QVERIFY(cards > 0 && cards < kRows);
        QVERIFY(
            bytes.endsWith("N:Name8000;Ann;\r\nFN:Ann Name8000\r\nNOTE:a note\\, with a comma\\; "
                           "and more\r\nEND:VCARD\r\n"));
    }

    void saveLocationProblems_data() {
        QTest::addColumn<QString>("location");
        QTest::addRow("missing") << u"MISSING"_s;
        QTest::addRow("a file") << u"FILE"_s;
        QTest::addRow("not writable") << u"/sys"_s;
    }
    void saveLocationProblems() {
        QFETCH(QString, location);
        Run run(3);
        if (location == u"MISSING") {
            location = run.dir.filePath(u"gone/deeper"_s);
        } else if (location == u"FILE") {
            location = run.sheet;
        }
        run.options.saveLocation = location;
        const ConversionReport r = run.convert();
        QCOMPARE(r.outcome, ConversionReport::Outcome::FolderFailed);
        QVERIFY(r.message.startsWith(u"The folder \u201C"_s + location));
        QVERIFY(!r.finished());
    }

    // The folder (one file each) or the single file turns read-only during the run. Files
    // already written stay whole; a single file that is open keeps taking cards.
    void outputTurnsReadOnly_data() {
        QTest::addColumn<bool>("single");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("at"); // contacts added when it turns read-only
        QTest::addColumn<int>("failed");
        QTest::addRow("folder, one file each") << false << 6 << 4 << 3;
        // Late enough that the first batch of cards is on disk.
        QTest::addRow("single file") << true << 3000 << 2500 << 0;
    }
    void outputTurnsReadOnly() {
        QFETCH(bool, single);
        QFETCH(int, rows);
        QFETCH(int, at);
        QFETCH(int, failed);
        Run run(rows);
        run.options.singleFile = single;
#ifdef Q_OS_LINUX
        OrdinaryUserFiles user(run.dir.path(), run.options.saveLocation);
        if (!user.bindsModes()) {
            QSKIP("cannot do file work as an ordinary user here");
        }
#else
        if (::geteuid() == 0) {
            QSKIP("root writes into read-only folders");
        }
#endif
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
        run.host.onContact = [&](qint32 added) {
            if (added == at) {
                const QString target = single ? run.state.outputFolder + u"/All Contacts.vcf"_s
                                              : run.state.outputFolder;
                QVERIFY(QFile::setPermissions(target, readOnly));
            }
        };
        const ConversionReport r = run.convert();
        QCOMPARE(r.cardsFailed, failed);
        QCOMPARE(r.contactsAdded, rows);
        if (single) {
            QCOMPARE(wholeCards(readAll(r.outputFolder + u"/All Contacts.vcf"_s)), rows);
            QVERIFY(r.allWritten());
        } else {
            const QStringList files = run.files(r.outputFolder);
            QCOMPARE(files.size(), 3);
            for (const QString& name : files) {
                QCOMPARE(wholeCards(readAll(r.outputFolder + u'/' + name)), 1);
            }
            QCOMPARE(r.cardsFailed, 3);
            QCOMPARE(r.contactsAdded, 6);
        }
        QFile::setPermissions(r.outputFolder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Between step 1 and Convert the spreadsheet is deleted or replaced.
    void spreadsheetChangedAfterStepOne_data() {
        QTest::addColumn<QByteArray>("replacement"); // empty: deleted
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("cards");
        QTest::addRow("deleted") << QByteArray() << int(ConversionReport::Outcome::WorkbookFailed)
                                 << u"\u201Ccontacts.csv\u201D cannot be read: the file does not "
                                    "exist."_s
                                 << 0;
        QTest::addRow("other headers")
            << QByteArray("Surname,First,Note\r\nX,Y,Z\r\n")
            << int(ConversionReport::Outcome::WorkbookFailed)
            << u"\u201Ccontacts.csv\u201D has changed since it was read: column A no longer has "
               "the header \u201CLast\u201D. Select the file again."_s
            << 0;
        QTest::addRow("fewer rows")
            << contactsCsv(2) << int(ConversionReport::Outcome::Finished) << QString() << 2;
        QTest::addRow("not a spreadsheet any more")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
            << int(ConversionReport::Outcome::WorkbookFailed) << u"\u201Ccontacts.csv\u201D"_s << 0;
    }
    void spreadsheetChangedAfterStepOne() {
        QFETCH(QByteArray, replacement);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(int, cards);
        Run run(5);
        QFile::remove(run.sheet);
        if (!replacement.isEmpty()) {
            writeFile(run.sheet, replacement);
        }
        const ConversionReport r = run.convert();
        QCOMPARE(int(r.outcome), outcome);
        QVERIFY2(r.message.startsWith(message), qPrintable(r.message));
        QCOMPARE(r.contactsAdded, cards);
        if (cards == 0) {
            // Nothing was written, so no empty folder stays behind.
            QVERIFY(QDir(run.options.saveLocation)
                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                        .isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestConversionFaults)
#include "test_conversion_faults.moc"

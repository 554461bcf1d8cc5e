// Under a catalogue that changes every string, the command line's messages, report and help
// come out changed, while what scripts read (--list-headers, --list-sheets, the folder's path)
// stays as it is.

#include "CliApp.h"
#include "PseudoTranslator.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct InProcessRun {
    int code = -1;
    QString out;
    QString err;
};

InProcessRun run(const QStringList& args) {
    InProcessRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = runCli(QStringList{u"excel2vcard-cli"_s} + args, out, err);
    out.flush();
    err.flush();
    return r;
}

QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR) + u'/' + name;
}

} // namespace

class TestCliTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }

    // Every line the program writes to standard error is a translated sentence.
    void messagesAreTranslated_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        const QString contacts = fixture(u"contacts/contacts.csv"_s);
        QTest::addRow("no spreadsheet") << QStringList{} << 2;
        QTest::addRow("no mapping") << QStringList{contacts} << 2;
        QTest::addRow("unknown field") << QStringList{u"-m"_s, u"Phone=Fax"_s, contacts} << 2;
        QTest::addRow("bad version")
            << QStringList{u"-m"_s, u"Phone=MobileNumber"_s, u"--vcard-version"_s, u"5"_s, contacts}
            << 2;
        QTest::addRow("target refuses single file")
            << QStringList{u"-m"_s,      u"Phone=MobileNumber"_s, u"--target"_s,
                           u"outlook"_s, u"--single-file"_s,      contacts}
            << 2;
        QTest::addRow("no such worksheet")
            << QStringList{u"--list-headers"_s, u"--sheet"_s, u"Nope"_s, contacts} << 2;
        QTest::addRow("header not in sheet")
            << QStringList{u"-m"_s, u"Nope=Notes"_s, contacts} << 2;
        QTest::addRow("server option without a server")
            << QStringList{u"-m"_s, u"Phone=MobileNumber"_s, u"--only-new"_s, contacts} << 2;
        QTest::addRow("server with a file target")
            << QStringList{u"-m"_s,        u"Phone=MobileNumber"_s,
                           u"--carddav"_s, u"https://127.0.0.1:1/"_s,
                           u"--user"_s,    u"a"_s,
                           u"--target"_s,  u"android"_s,
                           contacts}
            << 2;
        QTest::addRow("server in clear elsewhere")
            << QStringList{u"--carddav"_s, u"http://example.org/"_s, u"--user"_s, u"a"_s,
                           u"--list-addressbooks"_s}
            << 2;
    }
    void messagesAreTranslated() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        const InProcessRun r = run(args);
        QCOMPARE(r.code, code);
        QVERIFY(!r.err.isEmpty());
        for (const QString& line : r.err.split(u'\n', Qt::SkipEmptyParts)) {
            QVERIFY2(isPseudoTranslated(line), qPrintable(line));
        }
    }

    // A conversion's report is translated; the folder's path on standard output is not.
    void reportIsTranslated() {
        QTemporaryDir out;
        const InProcessRun r =
            run({u"-m"_s, u"Last name=LastName"_s, u"-m"_s, u"Subscribed=Birthday"_s, u"--target"_s,
                 u"apple"_s, u"-o"_s, out.path(), fixture(u"contacts/contacts.csv"_s)});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 3); // written, target, birthdays
        for (const QString& line : lines) {
            QVERIFY2(isPseudoTranslated(line), qPrintable(line));
        }
        QVERIFY(!isPseudoTranslated(r.out));
        QVERIFY(QFileInfo(r.out.trimmed()).isDir());
    }

    // What scripts read is the same in every language.
    void listingsAreNotTranslated() {
        const InProcessRun headers =
            run({u"--list-headers"_s, fixture(u"contacts/contacts.csv"_s)});
        QCOMPARE(headers.code, 0);
        QVERIFY(headers.out.startsWith(u"A\tFirst name\n"_s));
        QVERIFY2(!isPseudoTranslated(headers.out), qPrintable(headers.out));
        QVERIFY(headers.out.contains(u"\nItems Found: "_s));
        const InProcessRun sheets = run({u"--list-sheets"_s, fixture(u"contacts/contacts.csv"_s)});
        QCOMPARE(sheets.code, 0);
        QCOMPARE(sheets.out, u"contacts\n"_s);
        const InProcessRun help = run({u"--help"_s});
        QCOMPARE(help.code, 0);
        QVERIFY(isPseudoTranslated(help.out));
    }

private:
    PseudoTranslator m_translator;
};

QTEST_GUILESS_MAIN(TestCliTranslation)
#include "test_cli_translation.moc"

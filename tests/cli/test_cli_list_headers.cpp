#include <QtTest>

using namespace Qt::StringLiterals;

#include "CliRun.h"

class TestCliListHeaders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpDescribesListHeaders() {
        const CliRun r = runCli({u"--help"_s});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(u"--list-headers"_s));
    }

    void badUsageExits2_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addRow("no arguments") << QStringList{};
        QTest::addRow("unknown option") << QStringList{u"--frobnicate"_s, u"a.csv"_s};
        QTest::addRow("two files") << QStringList{u"--list-headers"_s, u"a.csv"_s, u"b.csv"_s};
    }
    void badUsageExits2() {
        QFETCH(QStringList, args);
        const CliRun r = runCli(args);
        QCOMPARE(r.code, 2);
        QVERIFY(!r.err.isEmpty());
        QVERIFY(r.out.isEmpty());
    }

    void missingFileExits2WithTheReadersMessage() {
        const CliRun r = runCli({u"--list-headers"_s, u"/nonexistent/contacts.xlsx"_s});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err.trimmed(),
                 u"\u201ccontacts.xlsx\u201d cannot be read: the file does not exist."_s);
        QVERIFY(r.out.isEmpty());
    }

    // Under a German locale the messages are German, while what scripts read is byte for byte
    // what an English system prints.
    void germanMessagesEnglishListing() {
        const QString de = u"de_DE.UTF-8"_s;
        const QString sheet = fixture(u"contacts/contacts.csv"_s);
        const CliRun english = runCli({u"--list-headers"_s, sheet});
        const CliRun german = runCli({u"--list-headers"_s, sheet}, de);
        QCOMPARE(german.code, 0);
        QCOMPARE(german.out, english.out);
        const QStringList missing{u"--list-headers"_s, u"/nonexistent/contacts.xlsx"_s};
        const CliRun englishError = runCli(missing);
        const CliRun germanError = runCli(missing, de);
        QCOMPARE(germanError.code, 2);
        QVERIFY(!germanError.err.trimmed().isEmpty());
        QVERIFY2(germanError.err != englishError.err, qPrintable(germanError.err));
        QVERIFY(germanError.err.contains(u"contacts.xlsx"_s));
    }

    void listsTheHeaders_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("out");
        // A semicolon-separated Windows-1252 export: headers come out as UTF-8, one per line.
        QTest::addRow("csv") << u"csv/semicolon-excel-de.csv"_s
                             << u"A\tVorname\nB\tNachname\nC\tBetrag\nD\tStra\u00dfe\n"
                                "Items Found:  2\n"_s;
        // Once "Items Found:  -1": the error cell ended the header row before it began.
        QTest::addRow("error in the header row")
            << u"xlsx/header-error-cell.xlsx"_s << u"A\t#DIV/0!\nB\tName\nItems Found:  1\n"_s;
        // Once a crash: the sheet's first shared string is the empty text.
        QTest::addRow("first shared string empty")
            << u"xls/shared-string-empty-first.xls"_s << u"A\tName\nB\tPhone\nItems Found:  2\n"_s;
        QTest::addRow("no header at all")
            << u"xlsx/inline-strings-empty.xlsx"_s << u"Items Found:  0\n"_s;
    }
    void listsTheHeaders() {
        QFETCH(QString, file);
        QFETCH(QString, out);
        const CliRun r = runCli({u"--list-headers"_s, fixture(file)});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, out);
        QVERIFY(r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliListHeaders)
#include "test_cli_list_headers.moc"

#include <QtTest>

using namespace Qt::StringLiterals;

#include "CliRun.h"

namespace {
const QStringList kFormats = {u"xlsx"_s, u"ods"_s, u"xls"_s};

QString several(const QString& format) {
    return fixture(u"sheets/several-sheets."_s + format);
}
} // namespace

// --list-sheets and --sheet, on workbooks of several worksheets (scripts/fixtures/
// sheet_fixtures.py): "Contacts", "Archive" (hidden), "1", "Année 2024", with a chart sheet
// and, in the .xls, macro and dialog sheets that are not listed.
class TestCliSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpDescribesTheSheetOptions() {
        const CliRun r = runCli({u"--help"_s});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(u"--list-sheets"_s));
        QVERIFY(r.out.contains(u"--sheet NAME|NUMBER"_s));
    }

    void listsTheWorksheets_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("out");
        for (const QString& format : kFormats) {
            QTest::addRow("%s", qPrintable(format))
                << several(format) << u"Contacts\nArchive\n1\nAnn\u00e9e 2024\n"_s;
        }
        QTest::addRow("csv") << fixture(u"contacts/contacts.csv"_s) << u"contacts\n"_s;
    }
    void listsTheWorksheets() {
        QFETCH(QString, file);
        QFETCH(QString, out);
        const CliRun r = runCli({u"--list-sheets"_s, file});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, out);
        QVERIFY(r.err.isEmpty());
    }

    void listingAnUnreadableFileExits2() {
        const CliRun r = runCli({u"--list-sheets"_s, u"/nonexistent/contacts.xlsx"_s});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err.trimmed(),
                 u"\u201ccontacts.xlsx\u201d cannot be read: the file does not exist."_s);
        QVERIFY(r.out.isEmpty());
    }

    // A name as spelt, a name in other case, then a number: "1" is the sheet named so (the
    // third), "2" the second sheet, since none is named "2".
    void listsTheHeadersOfTheSheetNamed_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("out");
        const QString archive = u"A\tName\nB\tPhone\nItems Found:  5\n"_s;
        for (const QString& format : kFormats) {
            const QString file = several(format);
            QTest::addRow("%s name", qPrintable(format)) << file << u"Archive"_s << archive;
            QTest::addRow("%s other case", qPrintable(format)) << file << u"ARCHIVE"_s << archive;
            QTest::addRow("%s number", qPrintable(format)) << file << u"2"_s << archive;
            QTest::addRow("%s digits name", qPrintable(format))
                << file << u"1"_s << u"A\tNumber\nItems Found:  1\n"_s;
            QTest::addRow("%s last by number", qPrintable(format))
                << file << u"4"_s << u"A\tAnn\u00e9e\nB\tVille\nItems Found:  2\n"_s;
        }
        QTest::addRow("csv by name")
            << fixture(u"csv/semicolon-excel-de.csv"_s) << u"semicolon-excel-de"_s
            << u"A\tVorname\nB\tNachname\nC\tBetrag\nD\tStra\u00dfe\n"
               "Items Found:  2\n"_s;
    }
    void listsTheHeadersOfTheSheetNamed() {
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(QString, out);
        const CliRun r = runCli({u"--list-headers"_s, u"--sheet"_s, sheet, file});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, out);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    }

    // Neither a name nor a number of the workbook: the message names what was asked and
    // what there is; nothing is read or written.
    void aSheetTheWorkbookLacksExits2_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("message");
        const QString listed = u"Give one of its worksheets by name or by number (1 to 4): "
                               u"\u201cContacts\u201d, \u201cArchive\u201d, \u201c1\u201d, "
                               u"\u201cAnn\u00e9e 2024\u201d."_s;
        for (const QString& sheet : {u"Chart"_s, u"5"_s, u"0"_s, u""_s}) {
            QTest::addRow("xlsx \"%s\"", qPrintable(sheet))
                << several(u"xlsx"_s) << sheet
                << u"There is no worksheet \u201c%1\u201d in \u201cseveral-sheets.xlsx\u201d. "_s
                           .arg(sheet) +
                       listed;
        }
        // The macro and dialog sheets of the .xls are not worksheets either.
        for (const QString& sheet : {u"Macro1"_s, u"Dialog1"_s}) {
            QTest::addRow("xls %s", qPrintable(sheet))
                << several(u"xls"_s) << sheet
                << u"There is no worksheet \u201c%1\u201d in \u201cseveral-sheets.xls\u201d. "_s
                           .arg(sheet) +
                       listed;
        }
    }
    void aSheetTheWorkbookLacksExits2() {
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(QString, message);
        const CliRun headers = runCli({u"--list-headers"_s, u"--sheet"_s, sheet, file});
        QCOMPARE(headers.code, 2);
        QCOMPARE(headers.err.trimmed(), message);
        QVERIFY(headers.out.isEmpty());

        QTemporaryDir out;
        const CliRun convert =
            runCli({u"--sheet"_s, sheet, u"-m"_s, u"Name=FullName"_s, u"-o"_s, out.path(), file});
        QCOMPARE(convert.code, 2);
        QCOMPARE(convert.err.trimmed(), message);
        QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    // The conversion reads the sheet chosen, not the first.
    void convertsTheSheetChosen_data() {
        QTest::addColumn<QString>("format");
        for (const QString& format : kFormats) {
            QTest::addRow("%s", qPrintable(format)) << format;
        }
    }
    void convertsTheSheetChosen() {
        QFETCH(QString, format);
        QTemporaryDir out;
        const CliRun r =
            runCli({u"--sheet"_s, u"Archive"_s, u"-m"_s, u"Name=FullName"_s, u"-m"_s,
                    u"Phone=HomeTelephoneNumber"_s, u"--single-file"_s, u"--vcard-version"_s,
                    u"3.0"_s, u"-o"_s, out.path(), several(format)});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, u"5 contacts written to vCard files.\n"_s);
        QFile cards(r.folder() + u"/All Contacts.vcf"_s);
        QVERIFY(cards.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(cards.readAll());
        QCOMPARE(text.count(u"BEGIN:VCARD"_s), 5);
        QVERIFY(text.contains(u"FN:Old Five\r\n"_s));
        QVERIFY(text.contains(u"555-0105"_s));
        QVERIFY(!text.contains(u"Ann"_s));
    }
};

QTEST_GUILESS_MAIN(TestCliSheets)
#include "test_cli_sheets.moc"

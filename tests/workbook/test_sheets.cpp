// Workbooks of several sheets: which of them are offered, and that the one chosen is read,
// alone, with every limit applied to it.
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/") + name;
}

// The worksheets of several-sheets.* in every format (scripts/fixtures/sheet_fixtures.py):
// "Archive" is hidden; the .xlsx and .xls have a chart sheet second, the .xls a macro sheet
// and a dialog sheet last.
const QStringList kSeveral = {u"Contacts"_s, u"Archive"_s, u"1"_s, u"Ann\u00e9e 2024"_s};
const QStringList kFormats = {u"xlsx"_s, u"ods"_s, u"xls"_s};

} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Listing alone and opening a sheet give the same names.
    void listsTheWorksheets_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("names");
        for (const QString& format : kFormats) {
            QTest::addRow("several.%s", qPrintable(format))
                << u"sheets/several-sheets."_s + format << kSeveral;
        }
        QTest::addRow("broken.xlsx")
            << u"sheets/first-sheet-broken.xlsx"_s << QStringList{u"Broken"_s, u"Sound"_s};
        QTest::addRow("broken.ods")
            << u"sheets/first-sheet-broken.ods"_s << QStringList{u"Too big"_s, u"Sound"_s};
        QTest::addRow("broken.xls")
            << u"sheets/first-sheet-broken.xls"_s << QStringList{u"Broken"_s, u"Sound"_s};
        // A text file is one sheet, named after the file.
        QTest::addRow("csv") << u"contacts/contacts.csv"_s << QStringList{u"contacts"_s};
        QTest::addRow("one-sheet xlsx")
            << u"contacts/contacts.xlsx"_s << QStringList{u"Contacts"_s};
    }
    void listsTheWorksheets() {
        QFETCH(QString, file);
        QFETCH(QStringList, names);
        QStringList listed;
        const Status s = listWorkbookSheets(fixture(file), listed);
        QVERIFY2(s.isOk(), qPrintable(s.message()));
        QCOMPARE(listed, names);

        FileWorkbookSource source;
        const Status opened = source.openSheet(fixture(file), qint32(names.size()) - 1, nullptr);
        QVERIFY2(opened.isOk(), qPrintable(opened.message()));
        QCOMPARE(source.sheetNames(), names);
        source.closeWorkbook();
        QCOMPARE(source.sheetNames(), QStringList());
    }

    // Each sheet's own header row and rows, whatever sheets stand before it.
    void readsTheSheetChosen_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("lastRowFirstCell");
        for (const QString& format : kFormats) {
            const QString file = u"sheets/several-sheets."_s + format;
            QTest::addRow("%s contacts", qPrintable(format))
                << file << 0 << QStringList{u"First Name"_s, u"Last Name"_s, u"E-mail"_s} << 4
                << u"Cleo"_s;
            QTest::addRow("%s hidden", qPrintable(format))
                << file << 1 << QStringList{u"Name"_s, u"Phone"_s} << 6 << u"Old Five"_s;
            QTest::addRow("%s named 1", qPrintable(format))
                << file << 2 << QStringList{u"Number"_s} << 2 << u"one"_s;
            QTest::addRow("%s last", qPrintable(format))
                << file << 3 << QStringList{u"Ann\u00e9e"_s, u"Ville"_s} << 3 << u"vingt"_s;
        }
    }
    void readsTheSheetChosen() {
        QFETCH(QString, file);
        QFETCH(int, sheet);
        QFETCH(QStringList, header);
        QFETCH(int, items);
        QFETCH(QString, lastRowFirstCell);
        FileWorkbookSource source;
        Yielder yielder;
        const WorkbookScanResult scan = scanWorkbook(source, fixture(file), sheet, yielder);
        QVERIFY2(scan.status.isOk(), qPrintable(scan.status.message()));
        QCOMPARE(scan.sheetIndex, sheet);
        QCOMPARE(scan.sheetNames, kSeveral);
        QCOMPARE(scan.header.names, header);
        QCOMPARE(scan.itemCount, items);
        QCOMPARE(scan.preview.rows.last().first(), lastRowFirstCell);
    }

    // The first sheet breaks a limit (or is not even well-formed): chosen, it fails as a
    // one-sheet file would; the sheet after it reads, so the first was never read through.
    void aSheetIsReadAlone_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("firstFails");
        QTest::addRow("xlsx") << u"sheets/first-sheet-broken.xlsx"_s << u"it is damaged"_s;
        QTest::addRow("ods") << u"sheets/first-sheet-broken.ods"_s
                             << u"it holds more cells than this program can keep"_s;
        QTest::addRow("xls") << u"sheets/first-sheet-broken.xls"_s
                             << u"it holds a cell beyond the 65536 rows and 256 columns"_s;
    }
    void aSheetIsReadAlone() {
        QFETCH(QString, file);
        QFETCH(QString, firstFails);
        FileWorkbookSource source;
        const Status first = source.openWorkbook(fixture(file));
        QVERIFY(!first.isOk());
        QVERIFY2(first.message().contains(firstFails), qPrintable(first.message()));

        const Status second = source.openSheet(fixture(file), 1, nullptr);
        QVERIFY2(second.isOk(), qPrintable(second.message()));
        QCOMPARE(source.readCell(u"A2").textForm(), u"from the second sheet"_s);
    }

    void aSheetTheWorkbookLacksIsRefused_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QString>("message");
        for (const QString& format : kFormats) {
            QTest::addRow("%s", qPrintable(format))
                << u"sheets/several-sheets."_s + format << 4
                << u"\u201cseveral-sheets.%1\u201d cannot be read: it has no worksheet number 5 "
                   "(it has 4)."_s.arg(format);
        }
        QTest::addRow("csv") << u"contacts/contacts.csv"_s << 1
                             << u"\u201ccontacts.csv\u201d cannot be read: it has no worksheet "
                                "number 2 (it has 1)."_s;
    }
    void aSheetTheWorkbookLacksIsRefused() {
        QFETCH(QString, file);
        QFETCH(int, sheet);
        QFETCH(QString, message);
        FileWorkbookSource source;
        const Status s = source.openSheet(fixture(file), sheet, nullptr);
        QVERIFY(!s.isOk());
        QCOMPARE(s.message(), message);
        QCOMPARE(source.cellAt(1, 0), CellValue());
    }

    // The cells kept after closing are those of one sheet: another sheet of the same
    // unchanged file is read, and the same one again is not.
    void keptCellsBelongToTheirSheet() {
        const QString path = fixture(u"sheets/several-sheets.xlsx"_s);
        FileWorkbookSource source;
        QVERIFY(source.openSheet(path, 1, nullptr).isOk());
        QCOMPARE(source.readCell(u"A1").textForm(), u"Name"_s);
        source.closeWorkbook();
        QVERIFY(source.openSheet(path, 3, nullptr).isOk());
        QVERIFY(!source.lastOpenReused());
        QCOMPARE(source.readCell(u"A1").textForm(), u"Ann\u00e9e"_s);
        source.closeWorkbook();
        QVERIFY(source.openSheet(path, 3, nullptr).isOk());
        QVERIFY(source.lastOpenReused());
        QCOMPARE(source.sheetNames(), kSeveral);
    }
};

QTEST_GUILESS_MAIN(TestSheets)
#include "test_sheets.moc"

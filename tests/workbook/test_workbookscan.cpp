#include "CellValue.h"
#include "MemoryWorkbookSource.h"
#include "WorkbookScan.h"
#include "Yielder.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QList<CellValue> textRow(const QStringList& texts) {
    QList<CellValue> row;
    for (const QString& t : texts) {
        row.append(t.isEmpty() ? CellValue::empty() : CellValue::text(t));
    }
    return row;
}
QList<CellValue> blankRow() {
    return {};
}
} // namespace

class TestWorkbookScan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerRowStopsAtFirstBlank() {
        MemoryWorkbookSource src(
            {{CellValue::text(u"Name"_s), CellValue::empty(), CellValue::text(u"Email"_s)}});
        const HeaderRow header = readHeaderRow(src);
        QCOMPARE(header.count(), 1);
        QCOMPARE(header.names[0], u"Name"_s);
        QCOMPARE(header.letters[0], u"A"_s);
    }

    void headerTextsExactAndNumbersAsText() {
        MemoryWorkbookSource src(
            {{CellValue::text(u"  Name "_s), CellValue::number(2014), CellValue::boolean(true),
              CellValue::text(u"   "_s), CellValue::error(u"#DIV/0!"_s)}});
        const HeaderRow header = readHeaderRow(src);
        QCOMPARE(header.count(), 5);
        QCOMPARE(header.names[0], u"  Name "_s);
        QCOMPARE(header.names[1], u"2014"_s);
        QCOMPARE(header.names[2], u"TRUE"_s);
        QCOMPARE(header.names[3], u"   "_s);
        QCOMPARE(header.letters[3], u"D"_s);
        QCOMPARE(header.names[4], u"#DIV/0!"_s);
    }

    void moreThan101HeadersAreCountedNotStored() {
        QList<CellValue> cells;
        for (int i = 0; i < 130; ++i) {
            cells.append(CellValue::text(u"H%1"_s.arg(i)));
        }
        MemoryWorkbookSource src({cells});
        const HeaderRow header = readHeaderRow(src);
        QCOMPARE(header.count(), 101);
        QCOMPARE(header.leftOut, 29);
        QCOMPARE(header.names[100], u"H100"_s);
        QCOMPARE(header.letters[100], u"CW"_s);
    }

    // Rows given as strings: 'x' a filled row, '.' a blank row, '0' a row holding only 0,
    // 'e' a row holding only an error.
    void rowCounting_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<int>("lastItemRow");
        QTest::addColumn<int>("previewRows");
        QTest::addRow("only header") << u"x"_s << 1 << 1 << 1;
        QTest::addRow("three data rows") << u"xxxx"_s << 4 << 4 << 4;
        QTest::addRow("three blanks inside") << u"xx...xx"_s << 4 << 7 << 4;
        QTest::addRow("four blanks inside") << u"xx....xx"_s << 4 << 8 << 4;
        QTest::addRow("five blanks end the data") << u"xx.....xx"_s << 2 << 2 << 2;
        QTest::addRow("zero counts") << u"x0"_s << 2 << 2 << 2;
        QTest::addRow("blank after header") << u"x.x"_s << 2 << 3 << 2;
        QTest::addRow("error counts") << u"xe"_s << 2 << 2 << 2;
    }
    void rowCounting() {
        QFETCH(QString, layout);
        QFETCH(int, itemCount);
        QFETCH(int, lastItemRow);
        QFETCH(int, previewRows);
        QList<QList<CellValue>> rows;
        int n = 0;
        for (QChar c : layout) {
            ++n;
            if (c == u'x') {
                rows.append(textRow({u"r%1"_s.arg(n), u"s"_s}));
            } else if (c == u'0') {
                rows.append({CellValue::empty(), CellValue::number(0)});
            } else if (c == u'e') {
                rows.append({CellValue::error(u"#N/A"_s), CellValue::empty()});
            } else {
                rows.append(blankRow());
            }
        }
        MemoryWorkbookSource src(rows);
        Yielder y;
        const auto result = scanWorkbook(src, u"list.xlsx"_s, y);
        QVERIFY(result.status);
        QCOMPARE(result.itemCount, itemCount);
        QCOMPARE(result.lastItemRow, lastItemRow);
        QCOMPARE(result.preview.rows.size(), previewRows);
        QCOMPARE(result.itemsFound, itemsFoundText(itemCount));
        QVERIFY(!src.isOpen());
        // Packed preview: no blank line between blocks.
        for (const QStringList& r : result.preview.rows) {
            QVERIFY(!r.join(QString()).isEmpty());
        }
    }

    void headerlessSheetReadsFiveRowsOnly() {
        MemoryWorkbookSource src({blankRow(), textRow({QString(), u"x"_s})});
        Yielder y;
        const auto result = scanWorkbook(src, u"a.csv"_s, y);
        QVERIFY(result.status);
        QCOMPARE(result.header.count(), 0);
        QCOMPARE(result.itemCount, 0);
        QVERIFY(result.itemsFound.isEmpty());
    }

    // The count line never shows a negative number, not even for a sheet without rows.
    void itemsFoundNeverNegative_data() {
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<QString>("text");
        QTest::addRow("no row") << 0 << u"Items Found:  0"_s;
        QTest::addRow("header only") << 1 << u"Items Found:  0"_s;
        QTest::addRow("one contact") << 2 << u"Items Found:  1"_s;
    }
    void itemsFoundNeverNegative() {
        QFETCH(int, itemCount);
        QFETCH(QString, text);
        QCOMPARE(itemsFoundText(itemCount), text);
    }

    void previewCapsAt1000RowsCountingGoesOn() {
        QList<QList<CellValue>> rows{textRow({u"Name"_s})};
        for (int i = 1; i <= 1200; ++i) {
            rows.append({CellValue::number(i)});
        }
        MemoryWorkbookSource src(rows);
        Yielder y;
        const auto result = scanWorkbook(src, u"big.xlsx"_s, y);
        QCOMPARE(result.itemCount, 1201);
        QCOMPARE(result.itemsFound, u"Items Found:  1200"_s);
        QCOMPARE(result.preview.rows.size(), 1000);
        QCOMPARE(result.preview.rows[0], QStringList{u"Name"_s});
        QCOMPARE(result.preview.rows[999], QStringList{u"999"_s});
    }

    void sheetFilledToItsLimitKeepsTheLastRow() {
        QList<QList<CellValue>> rows;
        for (int i = 1; i <= 20; ++i) {
            rows.append({CellValue::number(i)});
        }
        MemoryWorkbookSource src(rows, 20);
        Yielder y;
        const auto result = scanWorkbook(src, u"full.xls"_s, y);
        QCOMPARE(result.itemCount, 20);
        QCOMPARE(result.lastItemRow, 20);
    }

    void blankPathChangesNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addRow("empty") << QString();
        QTest::addRow("spaces") << u"   "_s;
    }
    void blankPathChangesNothing() {
        QFETCH(QString, path);
        MemoryWorkbookSource src({textRow({u"A"_s})});
        Yielder y;
        const auto result = scanWorkbook(src, path, y);
        QVERIFY(result.status);
        QVERIFY(!result.read);
        QCOMPARE(src.opens(), 0);
    }

    void failedOpenChangesNothing() {
        MemoryWorkbookSource src({textRow({u"A"_s})});
        src.setOpenFailure(u"\u201cx.xlsx\u201d cannot be read: it is damaged."_s);
        Yielder y;
        const auto result = scanWorkbook(src, u"x.xlsx"_s, y);
        QVERIFY(!result.status);
        QCOMPARE(result.status.message(), u"\u201cx.xlsx\u201d cannot be read: it is damaged."_s);
    }

    void yieldsByTimeNotPerCell() {
        QList<QList<CellValue>> rows{textRow({u"A"_s, u"B"_s})};
        for (int i = 0; i < 50000; ++i) {
            rows.append({CellValue::number(i), CellValue::number(i)});
        }
        MemoryWorkbookSource src(rows);
        int calls = 0;
        Yielder y([&] { ++calls; }, 0);
        scanWorkbook(src, u"a.xlsx"_s, y);
        // 150,000 ticks: the clock is looked at every 256th, so far fewer callbacks.
        QVERIFY(calls > 0);
        QVERIFY(calls <= 150003 / 256 + 1);
    }

    void progressPercent_data() {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("percent");
        QTest::addRow("nothing yet") << 0 << 10 << 0;
        QTest::addRow("no rows") << 0 << 0 << 0;
        QTest::addRow("ten of eleven") << 10 << 11 << 91;
        QTest::addRow("all") << 10 << 10 << 100;
        QTest::addRow("half to even down") << 1 << 200 << 0; // 0.5
        QTest::addRow("half to even up") << 3 << 200 << 2;   // 1.5
        QTest::addRow("2.5 goes to 2") << 5 << 200 << 2;
        QTest::addRow("one third") << 1 << 3 << 33;
        QTest::addRow("over") << 12 << 10 << 100;
    }
    void progressPercent() {
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(int, percent);
        QCOMPARE(::progressPercent(done, total), percent);
    }
};

QTEST_GUILESS_MAIN(TestWorkbookScan)
#include "test_workbookscan.moc"

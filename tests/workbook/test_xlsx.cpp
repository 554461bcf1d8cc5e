#include "CellDescription.h"
#include "CellValue.h"
#include "WorkbookSource.h"
#include "XlsxReader.h"
#include "XmlValues.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/xlsx/") + name;
}

} // namespace

class TestXlsx : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cells_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");

        QTest::addRow("rich runs joined")
            << u"shared-strings-rich-runs.xlsx"_s << u"A1"_s << u"T:Bold and italic"_s;
        QTest::addRow("phonetic run skipped")
            << u"shared-strings-rich-runs.xlsx"_s << u"B1"_s << u"T:\u6771\u4eac"_s;
        QTest::addRow("phonetic after runs")
            << u"shared-strings-rich-runs.xlsx"_s << u"C1"_s << u"T:\u5c71\u7530"_s;
        QTest::addRow("escape CR")
            << u"shared-strings-escapes.xlsx"_s << u"A1"_s << u"T:Line\rbreak"_s;
        QTest::addRow("escaped underscore")
            << u"shared-strings-escapes.xlsx"_s << u"B1"_s << u"T:_x0041_ stays"_s;
        QTest::addRow("not an escape")
            << u"shared-strings-escapes.xlsx"_s << u"C1"_s << u"T:_xZZ12_ and _x41_"_s;
        QTest::addRow("escape in inline")
            << u"shared-strings-escapes.xlsx"_s << u"D1"_s << u"T:Tab\there"_s;
        QTest::addRow("spaces around") << u"spaces-kept.xlsx"_s << u"A1"_s << u"T:  Name "_s;
        QTest::addRow("only spaces") << u"spaces-kept.xlsx"_s << u"B1"_s << u"T:   "_s;
        QTest::addRow("inline spaces") << u"spaces-kept.xlsx"_s << u"C1"_s << u"T:  inline  "_s;
        QTest::addRow("line break kept") << u"spaces-kept.xlsx"_s << u"D1"_s << u"T:a\n b"_s;
        QTest::addRow("inline only") << u"no-shared-strings.xlsx"_s << u"A1"_s << u"T:Name"_s;
        QTest::addRow("inline rich, phonetic skipped")
            << u"no-shared-strings.xlsx"_s << u"B1"_s << u"T:Rich inline"_s;
        QTest::addRow("number without type") << u"no-shared-strings.xlsx"_s << u"B2"_s << u"N:42"_s;

        QTest::addRow("n") << u"cell-types.xlsx"_s << u"A1"_s << u"N:42"_s;
        QTest::addRow("n decimal") << u"cell-types.xlsx"_s << u"B1"_s << u"N:3.5"_s;
        QTest::addRow("n E notation")
            << u"cell-types.xlsx"_s << u"C1"_s << u"N:1.23456789012346E+16"_s;
        QTest::addRow("n minus zero") << u"cell-types.xlsx"_s << u"D1"_s << u"N:0"_s;
        QTest::addRow("n small") << u"cell-types.xlsx"_s << u"E1"_s << u"N:1E-05"_s;
        QTest::addRow("n phone") << u"cell-types.xlsx"_s << u"F1"_s << u"N:5551234567"_s;
        QTest::addRow("s") << u"cell-types.xlsx"_s << u"A2"_s << u"T:shared"_s;
        QTest::addRow("str formula") << u"cell-types.xlsx"_s << u"B2"_s << u"T:Text!"_s;
        QTest::addRow("inlineStr") << u"cell-types.xlsx"_s << u"C2"_s << u"T:inline"_s;
        QTest::addRow("str empty result") << u"cell-types.xlsx"_s << u"D2"_s << u"T:"_s;
        QTest::addRow("b true") << u"cell-types.xlsx"_s << u"A3"_s << u"B:TRUE"_s;
        QTest::addRow("b false") << u"cell-types.xlsx"_s << u"B3"_s << u"B:FALSE"_s;
        QTest::addRow("e") << u"cell-types.xlsx"_s << u"C3"_s << u"X:#DIV/0!"_s;
        QTest::addRow("e formula") << u"cell-types.xlsx"_s << u"D3"_s << u"X:#N/A"_s;
        QTest::addRow("d date") << u"cell-types.xlsx"_s << u"A4"_s << u"D:2024-01-31=45322"_s;
        QTest::addRow("d date time")
            << u"cell-types.xlsx"_s << u"B4"_s << u"D:2024-01-31 12:00=45322.5"_s;
        QTest::addRow("d before the phantom leap day")
            << u"cell-types.xlsx"_s << u"C4"_s << u"D:1900-02-28=59"_s;
        QTest::addRow("d after the phantom leap day")
            << u"cell-types.xlsx"_s << u"D4"_s << u"D:1900-03-01=61"_s;
        QTest::addRow("d time only") << u"cell-types.xlsx"_s << u"E4"_s << u"D:18:00:00=0.75"_s;
        QTest::addRow("formula cached") << u"cell-types.xlsx"_s << u"A5"_s << u"N:2"_s;
        QTest::addRow("formula without value") << u"cell-types.xlsx"_s << u"B5"_s << u"E"_s;
        QTest::addRow("styled empty cell") << u"cell-types.xlsx"_s << u"C5"_s << u"E"_s;
        QTest::addRow("number with blanks") << u"cell-types.xlsx"_s << u"D5"_s << u"N:7"_s;
        QTest::addRow("1904 date") << u"date1904.xlsx"_s << u"A1"_s << u"D:1904-01-02=1"_s;
        QTest::addRow("1904 plain number") << u"date1904.xlsx"_s << u"B1"_s << u"N:100"_s;

        // numFmts after cellXfs; a cell without s takes style 0; id 14 stays ISO whatever code
        // the file gives it; a style past the table is General.
        QTest::addRow("default style")
            << u"../formats/xlsx-style-pitfalls.xlsx"_s << u"A1"_s << u"N:2.3"_s;
        QTest::addRow("id 14 redefined")
            << u"../formats/xlsx-style-pitfalls.xlsx"_s << u"B1"_s << u"D:1990-12-31=33238"_s;
        QTest::addRow("numFmts after cellXfs") << u"../formats/xlsx-style-pitfalls.xlsx"_s
                                               << u"C1"_s << u"D:December 31, 1990=33238"_s;
        QTest::addRow("style past the table")
            << u"../formats/xlsx-style-pitfalls.xlsx"_s << u"D1"_s << u"N:33238"_s;
        QTest::addRow("text format on a number")
            << u"../formats/xlsx-style-pitfalls.xlsx"_s << u"E1"_s << u"N:2134"_s;

        QTest::addRow("no r: first") << u"missing-references.xlsx"_s << u"A1"_s << u"T:A1"_s;
        QTest::addRow("no r: second") << u"missing-references.xlsx"_s << u"B1"_s << u"T:B1"_s;
        QTest::addRow("no r: after C3") << u"missing-references.xlsx"_s << u"D3"_s << u"N:2"_s;
        QTest::addRow("no r: row follows") << u"missing-references.xlsx"_s << u"A4"_s << u"N:3"_s;
        QTest::addRow("no r: after E4") << u"missing-references.xlsx"_s << u"F4"_s << u"N:5"_s;
        QTest::addRow("no r: nothing in row 2")
            << u"missing-references.xlsx"_s << u"A2"_s << u"E"_s;

        QTest::addRow("chart sheet passed over")
            << u"chart-sheet-first.xlsx"_s << u"A1"_s << u"T:data sheet"_s;
        QTest::addRow("first sheet element wins")
            << u"sheet-order.xlsx"_s << u"A1"_s << u"T:listed first"_s;
        QTest::addRow("strict shared") << u"strict-namespaces.xlsx"_s << u"A1"_s << u"T:strict"_s;
        QTest::addRow("strict number") << u"strict-namespaces.xlsx"_s << u"B1"_s << u"N:7"_s;
        QTest::addRow("odd prefixes shared") << u"odd-prefixes.xlsx"_s << u"A1"_s << u"T:odd"_s;
        QTest::addRow("odd prefixes inline")
            << u"odd-prefixes.xlsx"_s << u"B1"_s << u"T:prefixed"_s;
        QTest::addRow("absolute targets")
            << u"absolute-targets.xlsx"_s << u"A1"_s << u"T:absolute"_s;
        QTest::addRow("parent targets") << u"parent-targets.xlsx"_s << u"A1"_s << u"T:parent"_s;
        QTest::addRow("backslash names")
            << u"backslash-names.xlsx"_s << u"A1"_s << u"T:backslash"_s;
        QTest::addRow("stored entries") << u"stored-entries.xlsx"_s << u"A1"_s << u"T:stored"_s;

        QTest::addRow("large part, last plain row")
            << u"many-rows.xlsx"_s << u"B40000"_s << u"N:5"_s;
        QTest::addRow("large part, last row") << u"many-rows.xlsx"_s << u"C40001"_s << u"N:7"_s;
        QTest::addRow("openpyxl accents")
            << u"openpyxl-written.xlsx"_s << u"A2"_s << u"T:Ren\u00e9e"_s;
        QTest::addRow("openpyxl leading zeros")
            << u"openpyxl-written.xlsx"_s << u"B2"_s << u"T:00123"_s;
        QTest::addRow("openpyxl decimal") << u"openpyxl-written.xlsx"_s << u"C2"_s << u"N:12.5"_s;
        QTest::addRow("openpyxl boolean") << u"openpyxl-written.xlsx"_s << u"D2"_s << u"B:TRUE"_s;
        QTest::addRow("openpyxl spaces")
            << u"openpyxl-written.xlsx"_s << u"E2"_s << u"T: spaced "_s;
        QTest::addRow("openpyxl CJK")
            << u"openpyxl-written.xlsx"_s << u"A3"_s << u"T:\u738b\u5c0f\u660e"_s;
        QTest::addRow("openpyxl big number")
            << u"openpyxl-written.xlsx"_s << u"B3"_s << u"N:5551234567"_s;
        QTest::addRow("openpyxl negative") << u"openpyxl-written.xlsx"_s << u"C3"_s << u"N:-3"_s;
        QTest::addRow("openpyxl none") << u"openpyxl-written.xlsx"_s << u"E3"_s << u"E"_s;
        QTest::addRow("openpyxl last") << u"openpyxl-written.xlsx"_s << u"E4"_s << u"T:last"_s;

        // The empty shared text first (<si/>), in the middle (<si><t/></si>) and last.
        for (const char* where : {"first", "middle", "last"}) {
            const QString file = u"shared-strings-empty-%1.xlsx"_s.arg(QLatin1String(where));
            QTest::addRow("empty shared text %s: named in B2", where) << file << u"B2"_s << u"T:"_s;
            QTest::addRow("empty shared text %s: named in A3", where) << file << u"A3"_s << u"T:"_s;
            QTest::addRow("empty shared text %s: others kept", where)
                << file << u"A2"_s << u"T:Ann"_s;
        }
        QTest::addRow("empty inline text first")
            << u"inline-strings-empty.xlsx"_s << u"A1"_s << u"T:"_s;
        QTest::addRow("inline text after the empty one")
            << u"inline-strings-empty.xlsx"_s << u"B1"_s << u"T:Name"_s;
        QTest::addRow("empty inline <t/>") << u"inline-strings-empty.xlsx"_s << u"A2"_s << u"T:"_s;
        QTest::addRow("empty formula text") << u"inline-strings-empty.xlsx"_s << u"A3"_s << u"T:"_s;
        QTest::addRow("empty inline run") << u"inline-strings-empty.xlsx"_s << u"B3"_s << u"T:"_s;

        // Harmless inconsistencies read as spreadsheet programs show them.
        QTest::addRow("shared index one past the table")
            << u"shared-index-past-table.xlsx"_s << u"B2"_s << u"E"_s;
        QTest::addRow("shared index far past the table")
            << u"shared-index-past-table.xlsx"_s << u"B3"_s << u"E"_s;
        QTest::addRow("shared index in the table beside them")
            << u"shared-index-past-table.xlsx"_s << u"A3"_s << u"T:Ann"_s;
        QTest::addRow("shared index past a one-item table")
            << u"../hostile/shared-index-out-of-range.xlsx"_s << u"A1"_s << u"E"_s;
        QTest::addRow("shared-text part missing: its cell empty")
            << u"shared-strings-part-missing.xlsx"_s << u"B1"_s << u"E"_s;
        QTest::addRow("shared-text part missing: other cells read")
            << u"shared-strings-part-missing.xlsx"_s << u"B2"_s << u"N:5"_s;
        QTest::addRow("error in the header row")
            << u"header-error-cell.xlsx"_s << u"A1"_s << u"X:#DIV/0!"_s;
    }
    void cells() {
        QFETCH(QString, file);
        QFETCH(QString, address);
        QFETCH(QString, expected);
        FileWorkbookSource source;
        const Status s = source.openWorkbook(fixture(file));
        QVERIFY2(s.isOk(), qPrintable(s.message()));
        QCOMPARE(source.format(), WorkbookFormat::Xlsx);
        QCOMPARE(describeCell(source.readCell(address)), expected);
    }

    // Nothing beyond what the files hold appears.
    void extent_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("cells");
        QTest::addRow("missing references") << u"missing-references.xlsx"_s << 4 << 7;
        QTest::addRow("formulas without values") << u"cell-types.xlsx"_s << 5 << 21;
        QTest::addRow("chart sheet first") << u"chart-sheet-first.xlsx"_s << 1 << 1;
        QTest::addRow("large part, inflated alongside") << u"many-rows.xlsx"_s << 40001 << 80001;
    }
    void extent() {
        QFETCH(QString, file);
        QFETCH(int, lastRow);
        QFETCH(int, cells);
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(fixture(file)).isOk());
        QCOMPARE(source.sheet().lastRow(), lastRow);
        QCOMPARE(source.sheet().cellCount(), qint64(cells));
    }

    void targets_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::addRow("relative") << u"xl/"_s << u"worksheets/sheet1.xml"_s
                                  << u"xl/worksheets/sheet1.xml"_s;
        QTest::addRow("absolute") << u"xl/"_s << u"/xl/worksheets/sheet1.xml"_s
                                  << u"xl/worksheets/sheet1.xml"_s;
        QTest::addRow("parent") << u"xl/"_s << u"../sheets/a.xml"_s << u"sheets/a.xml"_s;
        QTest::addRow("dot") << u"xl/"_s << u"./a/./b.xml"_s << u"xl/a/b.xml"_s;
        QTest::addRow("above the root") << u"xl/"_s << u"../../a.xml"_s << QString();
        QTest::addRow("percent escapes")
            << u"xl/"_s << u"work%20sheets/s.xml"_s << u"xl/work sheets/s.xml"_s;
        QTest::addRow("backslashes") << u""_s << u"xl\\workbook.xml"_s << u"xl/workbook.xml"_s;
    }
    void targets() {
        QFETCH(QString, folder);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        QCOMPARE(
            QString::fromStdString(resolvePartTarget(folder.toStdString(), target.toStdString())),
            expected);
    }

    void isoDates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("date1904");
        QTest::addColumn<double>("expected"); // -1e9: refused
        QTest::addRow("first day") << u"1900-01-01"_s << false << 1.0;
        QTest::addRow("last real February day") << u"1900-02-28"_s << false << 59.0;
        QTest::addRow("March 1900") << u"1900-03-01"_s << false << 61.0;
        QTest::addRow("2000 leap day") << u"2000-02-29"_s << false << 36585.0;
        QTest::addRow("zone ignored") << u"2024-01-31T06:00:00Z"_s << false << 45322.25;
        QTest::addRow("fraction of seconds") << u"2024-01-31T00:00:43.2"_s << false << 45322.0005;
        QTest::addRow("1904 epoch") << u"1904-01-01"_s << true << 0.0;
        QTest::addRow("1904 later") << u"2024-01-31"_s << true << 43860.0;
        QTest::addRow("1900 is not leap") << u"1900-02-29"_s << false << -1e9;
        QTest::addRow("month 13") << u"2024-13-01"_s << false << -1e9;
        QTest::addRow("garbage") << u"yesterday"_s << false << -1e9;
        QTest::addRow("hour 25") << u"25:00:00"_s << false << -1e9;
    }
    void isoDates() {
        QFETCH(QString, text);
        QFETCH(bool, date1904);
        QFETCH(double, expected);
        const auto v = xmlvalues::isoDateToSerial(text.toStdString(), date1904);
        if (expected == -1e9) {
            QVERIFY(!v);
        } else {
            QVERIFY(v);
            QVERIFY2(qAbs(*v - expected) < 1e-9, qPrintable(QString::number(*v, 'g', 17)));
        }
    }

    // A failed open after a good one leaves nothing of the earlier sheet behind.
    void failedOpenLeavesNothing() {
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(fixture(u"cell-types.xlsx"_s)).isOk());
        const Status s = source.openWorkbook(
            QStringLiteral(E2V_FIXTURES_DIR "/hostile/malformed-worksheet.xlsx"));
        QVERIFY(!s.isOk());
        QVERIFY(source.readCell(u"A1").isEmpty());
        QCOMPARE(source.sheetRowLimit(), 0);
    }
};

QTEST_GUILESS_MAIN(TestXlsx)
#include "test_xlsx.moc"

#include "CellDescription.h"
#include "CellValue.h"
#include "WorkbookSource.h"
#include "XmlValues.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/ods/") + name;
}

} // namespace

class TestOds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cells_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");

        // Cells without a style: dates and times in ISO 8601, percentages as LibreOffice shows
        // them.
        QTest::addRow("float") << u"value-types.ods"_s << u"A1"_s << u"N:42"_s;
        QTest::addRow("percentage") << u"value-types.ods"_s << u"B1"_s << u"N:12.50%"_s;
        QTest::addRow("currency") << u"value-types.ods"_s << u"C1"_s << u"N:1234.5"_s;
        QTest::addRow("phone as number") << u"value-types.ods"_s << u"D1"_s << u"N:5551234567"_s;
        QTest::addRow("date") << u"value-types.ods"_s << u"A2"_s << u"D:2024-01-31=45322"_s;
        QTest::addRow("date time")
            << u"value-types.ods"_s << u"B2"_s << u"D:2024-01-31 12:00=45322.5"_s;
        QTest::addRow("time") << u"value-types.ods"_s << u"C2"_s << u"D:18:00:00=0.75"_s;
        QTest::addRow("time with fraction")
            << u"value-types.ods"_s << u"D2"_s << u"D:00:00:02=1.73611111111111E-05"_s;
        QTest::addRow("boolean true") << u"value-types.ods"_s << u"A3"_s << u"B:TRUE"_s;
        QTest::addRow("boolean false") << u"value-types.ods"_s << u"B3"_s << u"B:FALSE"_s;
        QTest::addRow("string value wins") << u"value-types.ods"_s << u"C3"_s << u"T:stored"_s;
        QTest::addRow("string keeps zeros") << u"value-types.ods"_s << u"D3"_s << u"T:00123"_s;
        QTest::addRow("error result") << u"value-types.ods"_s << u"A4"_s << u"X:#DIV/0!"_s;
        QTest::addRow("no value type: shown text")
            << u"value-types.ods"_s << u"B4"_s << u"T:Err:502"_s;
        QTest::addRow("formula result") << u"value-types.ods"_s << u"C4"_s << u"N:2"_s;
        QTest::addRow("empty string value") << u"value-types.ods"_s << u"D4"_s << u"E"_s;
        QTest::addRow("date before March 1900")
            << u"value-types.ods"_s << u"E4"_s << u"D:1900-02-28=59"_s;

        // A data style in styles.xml through a parent style, a column's default style, a
        // style:map; cells without a style show dates and times in ISO 8601.
        QTest::addRow("inherited data style")
            << u"../formats/ods-style-inheritance.ods"_s << u"A1"_s << u"N:02134"_s;
        QTest::addRow("column default style")
            << u"../formats/ods-style-inheritance.ods"_s << u"B1"_s << u"N:(555) 123-4567"_s;
        QTest::addRow("map for negatives")
            << u"../formats/ods-style-inheritance.ods"_s << u"C1"_s << u"N:minus 12.5%"_s;
        QTest::addRow("map's own style")
            << u"../formats/ods-style-inheritance.ods"_s << u"D1"_s << u"N:50.0%"_s;
        QTest::addRow("date without a style")
            << u"../formats/ods-style-inheritance.ods"_s << u"A2"_s << u"D:1990-12-31=33238"_s;
        QTest::addRow("own style over the column's")
            << u"../formats/ods-style-inheritance.ods"_s << u"B2"_s << u"N:42"_s;
        QTest::addRow("date before 1900: the text shown")
            << u"../formats/ods-style-inheritance.ods"_s << u"A3"_s << u"T:01.03.1850"_s;
        QTest::addRow("time without a style") << u"../formats/ods-style-inheritance.ods"_s
                                              << u"D2"_s << u"D:14:30:00=0.604166666666667"_s;

        QTest::addRow("text:s") << u"text-content.ods"_s << u"A1"_s << u"T:a   b c"_s;
        QTest::addRow("text:tab") << u"text-content.ods"_s << u"B1"_s << u"T:col\tumn"_s;
        QTest::addRow("text:line-break") << u"text-content.ods"_s << u"C1"_s << u"T:one\ntwo"_s;
        QTest::addRow("paragraphs") << u"text-content.ods"_s << u"D1"_s << u"T:first\nsecond\n"_s;
        QTest::addRow("nested spans")
            << u"text-content.ods"_s << u"A2"_s << u"T:plain bold nested end"_s;
        QTest::addRow("link text") << u"text-content.ods"_s << u"B2"_s << u"T:see the site!"_s;
        QTest::addRow("annotation skipped")
            << u"text-content.ods"_s << u"C2"_s << u"T:with comment"_s;
        QTest::addRow("spaces around")
            << u"text-content.ods"_s << u"D2"_s << u"T:  lead and trail  "_s;

        QTest::addRow("shape text skipped") << u"text-content.ods"_s << u"A3"_s << u"T:cell text"_s;
        QTest::addRow("list items as paragraphs")
            << u"text-content.ods"_s << u"B3"_s << u"T:item one\nitem two"_s;
        QTest::addRow("column repeat 1") << u"repeats.ods"_s << u"A1"_s << u"T:x"_s;
        QTest::addRow("column repeat 3") << u"repeats.ods"_s << u"C1"_s << u"T:x"_s;
        QTest::addRow("empty repeat skipped") << u"repeats.ods"_s << u"D1"_s << u"E"_s;
        QTest::addRow("after empty repeat") << u"repeats.ods"_s << u"F1"_s << u"N:7"_s;
        QTest::addRow("empty rows") << u"repeats.ods"_s << u"A2"_s << u"E"_s;
        QTest::addRow("row repeat 1") << u"repeats.ods"_s << u"A4"_s << u"T:twice"_s;
        QTest::addRow("row repeat 2") << u"repeats.ods"_s << u"A5"_s << u"T:twice"_s;
        QTest::addRow("covered cells count") << u"repeats.ods"_s << u"D5"_s << u"T:after covered"_s;
        QTest::addRow("covered cell empty") << u"repeats.ods"_s << u"B4"_s << u"E"_s;
        QTest::addRow("header rows") << u"repeats.ods"_s << u"A6"_s << u"T:in header rows"_s;
        QTest::addRow("row group") << u"repeats.ods"_s << u"A7"_s << u"T:in a group"_s;
        QTest::addRow("first table only") << u"two-tables.ods"_s << u"A1"_s << u"T:first"_s;
        QTest::addRow("odd prefixes text")
            << u"odd-prefixes.ods"_s << u"A1"_s << u"T:odd  prefix"_s;
        QTest::addRow("odd prefixes number") << u"odd-prefixes.ods"_s << u"B1"_s << u"N:1.5"_s;

        // An empty paragraph is an empty cell, however often repeated.
        QTest::addRow("empty paragraph first, repeated")
            << u"empty-paragraphs.ods"_s << u"B1"_s << u"E"_s;
        QTest::addRow("after the empty paragraphs")
            << u"empty-paragraphs.ods"_s << u"C1"_s << u"T:Name"_s;
        QTest::addRow("empty paragraph") << u"empty-paragraphs.ods"_s << u"A2"_s << u"E"_s;
        // LibreOffice shows the paragraph where the stored text is empty.
        QTest::addRow("empty string value does not hide the text")
            << u"empty-paragraphs.ods"_s << u"B2"_s << u"T:shown"_s;
        QTest::addRow("two empty paragraphs") << u"empty-paragraphs.ods"_s << u"C2"_s << u"T:\n"_s;
        QTest::addRow("empty paragraph in repeated rows")
            << u"empty-paragraphs.ods"_s << u"A4"_s << u"E"_s;
        QTest::addRow("beside it in repeated rows")
            << u"empty-paragraphs.ods"_s << u"B4"_s << u"T:Bob"_s;
    }
    void cells() {
        QFETCH(QString, file);
        QFETCH(QString, address);
        QFETCH(QString, expected);
        FileWorkbookSource source;
        const Status s = source.openWorkbook(fixture(file));
        QVERIFY2(s.isOk(), qPrintable(s.message()));
        QCOMPARE(source.format(), WorkbookFormat::Ods);
        QCOMPARE(describeCell(source.readCell(address)), expected);
    }

    // Empty repeats (a million trailing rows, thousands of columns) are never stored.
    void repeatsCostNothingWhenEmpty() {
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(fixture(u"repeats.ods"_s)).isOk());
        QCOMPARE(source.sheet().lastRow(), 7);
        QCOMPARE(source.sheet().cellCount(), qint64(10));
        FileWorkbookSource two;
        QVERIFY(two.openWorkbook(fixture(u"two-tables.ods"_s)).isOk());
        QCOMPARE(two.sheet().lastRow(), 1);
    }

    void durations_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected"); // -1e9: refused
        QTest::addRow("hours minutes seconds")
            << u"PT13H45M00S"_s << (13 * 3600 + 45 * 60) / 86400.0;
        QTest::addRow("over a day") << u"PT36H"_s << 1.5;
        QTest::addRow("days") << u"P1DT6H"_s << 1.25;
        QTest::addRow("fractional seconds") << u"PT0H0M43.2S"_s << 0.0005;
        QTest::addRow("negative") << u"-PT12H"_s << -0.5;
        QTest::addRow("months refused") << u"P1M"_s << -1e9;
        QTest::addRow("no designator") << u"13:45"_s << -1e9;
        QTest::addRow("empty") << u"PT"_s << -1e9;
    }
    void durations() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const auto v = xmlvalues::isoDurationToDays(text.toStdString());
        if (expected == -1e9) {
            QVERIFY(!v);
        } else {
            QVERIFY(v);
            QVERIFY2(qAbs(*v - expected) < 1e-12, qPrintable(QString::number(*v, 'g', 17)));
        }
    }
};

QTEST_GUILESS_MAIN(TestOds)
#include "test_ods.moc"

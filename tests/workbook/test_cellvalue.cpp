#include "CellAddress.h"
#include "CellValue.h"

#include <QtTest>

using namespace Qt::StringLiterals;

#include <clocale>
#include <limits>

Q_DECLARE_METATYPE(CellValue)

class TestCellValue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // Take the locale from the environment, as a program started from a desktop would.
        const char* cLocale = std::setlocale(LC_ALL, "");
        QLocale::setDefault(QLocale::system());
        if (qEnvironmentVariable("E2V_EXPECT_LOCALE") == QLatin1String("de_DE")) {
            QVERIFY2(cLocale && QByteArray(cLocale).startsWith("de_DE"),
                     "the C library has no de_DE.UTF-8 locale (scripts/setup.sh generates it)");
            QVERIFY2(QLocale().decimalPoint() == QLatin1String(","),
                     "de_DE.UTF-8 is not installed; the locale run proves nothing");
        }
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("integer") << 42.0 << u"42"_s;
        QTest::addRow("half") << 3.5 << u"3.5"_s;
        QTest::addRow("phone number") << 5551234567.0 << u"5551234567"_s;
        QTest::addRow("negative zero") << -0.0 << u"0"_s;
        QTest::addRow("zero") << 0.0 << u"0"_s;
        QTest::addRow("negative") << -12.25 << u"-12.25"_s;
        QTest::addRow("15 digits") << 123456789012345.0 << u"123456789012345"_s;
        QTest::addRow("16 digits") << 1.2345678901234567e16 << u"1.23456789012346E+16"_s;
        QTest::addRow("1e15") << 1e15 << u"1E+15"_s;
        QTest::addRow("binary fraction") << 0.1 + 0.2 << u"0.3"_s;
        QTest::addRow("small") << 0.0001 << u"0.0001"_s;
        QTest::addRow("smaller") << 0.00001 << u"1E-05"_s;
        QTest::addRow("date serial") << 46362.0 << u"46362"_s;
        QTest::addRow("time fraction") << 0.5208333333333334 << u"0.520833333333333"_s;
        QTest::addRow("huge") << 1.7976931348623157e308 << u"1.79769313486232E+308"_s;
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(::numberText(value), text);
        QCOMPARE(CellValue::number(value).textForm(), text);
    }

    void textFormAndBlank_data() {
        QTest::addColumn<CellValue>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("blank");
        QTest::addRow("empty") << CellValue::empty() << QString() << true;
        QTest::addRow("empty text") << CellValue::text(QString()) << QString() << true;
        QTest::addRow("spaces") << CellValue::text(u"   "_s) << u"   "_s << false;
        QTest::addRow("zero") << CellValue::number(0) << u"0"_s << false;
        QTest::addRow("true") << CellValue::boolean(true) << u"TRUE"_s << false;
        QTest::addRow("false") << CellValue::boolean(false) << u"FALSE"_s << false;
        QTest::addRow("error") << CellValue::error(u"#N/A"_s) << u"#N/A"_s << false;
        QTest::addRow("leading zeros kept") << CellValue::text(u"00123"_s) << u"00123"_s << false;
        QTest::addRow("zip code as shown")
            << CellValue::shownNumber(2134, u"02134"_s) << u"02134"_s << false;
        // A format may hide a number (";;;"): it shows nothing, yet the cell holds a value.
        QTest::addRow("hidden number")
            << CellValue::shownNumber(7, QString()) << QString() << false;
        QTest::addRow("date as shown")
            << CellValue::dateNumber(32874, DateSystem::Date1900, u"1990-01-01"_s)
            << u"1990-01-01"_s << false;
    }

    // A date cell gives its day whatever its text form; other cells give none.
    void dateValue_data() {
        QTest::addColumn<CellValue>("value");
        QTest::addColumn<QDate>("date");
        QTest::addRow("1900 system")
            << CellValue::dateNumber(32874.75, DateSystem::Date1900, u"1 Jan 90"_s)
            << QDate(1990, 1, 1);
        QTest::addRow("1904 system")
            << CellValue::dateNumber(31412, DateSystem::Date1904, u"1990-01-01"_s)
            << QDate(1990, 1, 1);
        QTest::addRow("phantom leap day")
            << CellValue::dateNumber(60, DateSystem::Date1900, u"1900-02-29"_s) << QDate();
        QTest::addRow("plain number") << CellValue::number(32874) << QDate();
        QTest::addRow("formatted number") << CellValue::shownNumber(32874, u"32,874"_s) << QDate();
        QTest::addRow("date text") << CellValue::text(u"1990-01-01"_s) << QDate();
    }
    void dateValue() {
        QFETCH(CellValue, value);
        QFETCH(QDate, date);
        QCOMPARE(value.dateValue().value_or(QDate()), date);
        QCOMPARE(value.holdsDate(), value.numberValue() == 32874.75 ||
                                        value.numberValue() == 31412 || value.numberValue() == 60);
    }
    void textFormAndBlank() {
        QFETCH(CellValue, value);
        QFETCH(QString, text);
        QFETCH(bool, blank);
        QCOMPARE(value.textForm(), text);
        QCOMPARE(isBlankCell(value), blank);
    }

    // Error values as .xls files number them and as the spreadsheet shows them.
    void errorValues_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addRow("null") << 0x00 << u"#NULL!"_s;
        QTest::addRow("division by zero") << 0x07 << u"#DIV/0!"_s;
        QTest::addRow("value") << 0x0F << u"#VALUE!"_s;
        QTest::addRow("reference") << 0x17 << u"#REF!"_s;
        QTest::addRow("name") << 0x1D << u"#NAME?"_s;
        QTest::addRow("number") << 0x24 << u"#NUM!"_s;
        QTest::addRow("not available") << 0x2A << u"#N/A"_s;
        QTest::addRow("getting data") << 0x2B << u"#GETTING_DATA"_s;
        QTest::addRow("unknown code") << 0x01 << QString();
        QTest::addRow("unknown text") << -1 << u"Err:502"_s;
        QTest::addRow("lower case") << -1 << u"#n/a"_s;
    }
    void errorValues() {
        QFETCH(int, code);
        QFETCH(QString, text);
        const std::string utf8 = text.toStdString();
        if (code < 0) {
            QVERIFY(!cellErrorFromText(utf8));
            return;
        }
        const std::optional<CellError> byCode = cellErrorFromCode(quint8(code));
        QCOMPARE(byCode.has_value(), !text.isEmpty());
        if (byCode) {
            QCOMPARE(cellErrorText(*byCode), text);
            QCOMPARE(cellErrorFromText(utf8), byCode);
        }
    }

    void columnLetters_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("letters");
        QTest::addRow("A") << 0 << u"A"_s;
        QTest::addRow("Z") << 25 << u"Z"_s;
        QTest::addRow("AA") << 26 << u"AA"_s;
        QTest::addRow("AZ") << 51 << u"AZ"_s;
        QTest::addRow("BA") << 52 << u"BA"_s;
        QTest::addRow("CA") << 78 << u"CA"_s;
        QTest::addRow("CW") << 100 << u"CW"_s;
        QTest::addRow("ZZ") << 701 << u"ZZ"_s;
        QTest::addRow("AAA") << 702 << u"AAA"_s;
        QTest::addRow("XFD") << 16383 << u"XFD"_s;
    }
    void columnLetters() {
        QFETCH(int, index);
        QFETCH(QString, letters);
        QCOMPARE(::columnLetters(index), letters);
        QCOMPARE(columnIndex(letters), std::optional<qint32>(index));
    }

    void parseAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addRow("A1") << u"A1"_s << 1 << 0;
        QTest::addRow("CW17") << u"CW17"_s << 17 << 100;
        QTest::addRow("lower case") << u"b7"_s << 7 << 1;
        QTest::addRow("last cell") << u"XFD1048576"_s << 1048576 << 16383;
        QTest::addRow("row 0") << u"A0"_s << -1 << -1;
        QTest::addRow("leading zero") << u"A01"_s << -1 << -1;
        QTest::addRow("no row") << u"AB"_s << -1 << -1;
        QTest::addRow("no column") << u"12"_s << -1 << -1;
        QTest::addRow("past rows") << u"A1048577"_s << -1 << -1;
        QTest::addRow("past columns") << u"XFE1"_s << -1 << -1;
        QTest::addRow("trailing text") << u"A1x"_s << -1 << -1;
        QTest::addRow("empty") << QString() << -1 << -1;
        QTest::addRow("huge row") << u"A99999999999999999999"_s << -1 << -1;
    }
    void parseAddress() {
        QFETCH(QString, address);
        QFETCH(int, row);
        QFETCH(int, column);
        const auto pos = parseCellAddress(address);
        if (row < 0) {
            QVERIFY(!pos);
        } else {
            QVERIFY(pos);
            QCOMPARE(pos->row, row);
            QCOMPARE(pos->column, column);
            QCOMPARE(cellAddress(column, row), address.toUpper());
        }
    }
};

QTEST_GUILESS_MAIN(TestCellValue)
#include "test_cellvalue.moc"

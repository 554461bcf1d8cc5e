#include "DateText.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DateOrder)
Q_DECLARE_METATYPE(CardDate)

namespace {
// The ISO form of what was read, "-" for no date: one column says both.
QString readAs(QStringView text, DateOrder order, const QLocale& locale) {
    const std::optional<CardDate> d = parseDateText(text, order, locale);
    return d ? isoDateText(*d) : u"-"_s;
}
} // namespace

class TestDateText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DateOrder>("order");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date"); // ISO form, "-" when not a date

        const DateOrder dmy = DateOrder::DMY;
        const DateOrder mdy = DateOrder::MDY;
        const DateOrder ymd = DateOrder::YMD;
        const QString en = u"en_GB"_s;
        const QString de = u"de_DE"_s;
        const QString fr = u"fr_FR"_s;
        struct Row {
            const char* tag;
            QString text;
            DateOrder order;
            QString locale;
            QString date;
        };
        const Row rows[] = {
            // ISO 8601, whatever the order
            {"iso", u"1990-12-31"_s, mdy, en, u"1990-12-31"_s},
            {"iso with spaces around", u"  1990-12-31 "_s, dmy, en, u"1990-12-31"_s},
            {"iso with time", u"1990-12-31T08:15:00"_s, dmy, en, u"1990-12-31"_s},
            {"iso basic", u"19901231"_s, dmy, en, u"1990-12-31"_s},
            {"iso no year", u"--12-31"_s, dmy, en, u"--12-31"_s},
            {"iso basic no year", u"--1231"_s, mdy, en, u"--12-31"_s},
            {"iso day out of range", u"1990-02-30"_s, dmy, en, u"-"_s},
            // numbers in the chosen order
            {"D/M/Y", u"31/12/1990"_s, dmy, en, u"1990-12-31"_s},
            {"D.M.Y", u"31.12.1990"_s, dmy, de, u"1990-12-31"_s},
            {"D-M-Y one digit", u"1-2-1990"_s, dmy, en, u"1990-02-01"_s},
            {"D/M/Y read as M/D/Y", u"1/2/1990"_s, mdy, en, u"1990-01-02"_s},
            {"M/D/Y", u"12/31/1990"_s, mdy, en, u"1990-12-31"_s},
            {"M/D/Y under D/M/Y is no date", u"12/31/1990"_s, dmy, en, u"-"_s},
            {"Y/M/D", u"1990/12/31"_s, ymd, en, u"1990-12-31"_s},
            {"four-digit year first whatever the order", u"1990.12.31"_s, mdy, en, u"1990-12-31"_s},
            {"Y/M/D with a short year", u"90/12/31"_s, ymd, en, u"1990-12-31"_s},
            {"spaces between", u"31 12 1990"_s, dmy, en, u"1990-12-31"_s},
            // two-digit years
            {"two-digit year 00", u"01/02/00"_s, dmy, en, u"2000-02-01"_s},
            {"two-digit year 29", u"01/02/29"_s, dmy, en, u"2029-02-01"_s},
            {"two-digit year 30", u"01/02/30"_s, dmy, en, u"1930-02-01"_s},
            {"two-digit year 99", u"12/31/99"_s, mdy, en, u"1999-12-31"_s},
            {"three-digit year", u"31/12/990"_s, dmy, en, u"-"_s},
            {"five digits", u"31/12/19900"_s, dmy, en, u"-"_s},
            // month names
            {"English long", u"31 December 1990"_s, mdy, en, u"1990-12-31"_s},
            {"English short, month first", u"Dec 31, 1990"_s, dmy, en, u"1990-12-31"_s},
            {"English any case", u"31 DECEMBER 1990"_s, dmy, en, u"1990-12-31"_s},
            {"dashes, short year", u"31-Dec-90"_s, dmy, en, u"1990-12-31"_s},
            {"ordinal day", u"December 31st, 1990"_s, dmy, en, u"1990-12-31"_s},
            {"Sept", u"3 Sept 2001"_s, dmy, en, u"2001-09-03"_s},
            {"year, name, day", u"1990 Dec 31"_s, ymd, en, u"1990-12-31"_s},
            {"English under German locale", u"3 March 1990"_s, dmy, de, u"1990-03-03"_s},
            {"German long", u"3. M\u00e4rz 1990"_s, dmy, de, u"1990-03-03"_s},
            {"German lower case", u"31. dezember 1990"_s, dmy, de, u"1990-12-31"_s},
            {"French", u"1 f\u00e9vrier 1990"_s, dmy, fr, u"1990-02-01"_s},
            {"French name under English locale", u"1 f\u00e9vrier 1990"_s, dmy, en, u"-"_s},
            {"two month names", u"Dec Jan 1990"_s, dmy, en, u"-"_s},
            // no year
            {"D/M no year", u"31/12"_s, dmy, en, u"--12-31"_s},
            {"M/D no year", u"12/31"_s, mdy, en, u"--12-31"_s},
            {"Y/M/D order: M/D no year", u"12/31"_s, ymd, en, u"--12-31"_s},
            {"name no year", u"December 31"_s, dmy, en, u"--12-31"_s},
            {"29 February no year", u"29/02"_s, dmy, en, u"--02-29"_s},
            {"30 February no year", u"30 Feb"_s, dmy, en, u"-"_s},
            // invalid days
            {"31 February", u"31/02/1990"_s, dmy, en, u"-"_s},
            {"29 February not leap", u"29/02/1900"_s, dmy, en, u"-"_s},
            {"29 February leap", u"29/02/2000"_s, dmy, en, u"2000-02-29"_s},
            {"month 13", u"13/13/1990"_s, dmy, en, u"-"_s},
            {"day 0", u"0/12/1990"_s, dmy, en, u"-"_s},
            {"31 April name", u"31 April 1990"_s, dmy, en, u"-"_s},
            // not dates
            {"words", u"sometime in May"_s, dmy, en, u"-"_s},
            {"empty", u""_s, dmy, en, u"-"_s},
            {"spaces", u"   "_s, dmy, en, u"-"_s},
            {"a year alone", u"1990"_s, dmy, en, u"-"_s},
            {"a number", u"33238"_s, dmy, en, u"-"_s},
            {"four numbers", u"1/2/3/1990"_s, dmy, en, u"-"_s},
            {"other punctuation", u"31:12:1990"_s, dmy, en, u"-"_s},
            {"month name alone", u"May"_s, dmy, en, u"-"_s},
            {"unknown word with numbers", u"31 Decembre 1990"_s, dmy, en, u"-"_s},
        };
        for (const Row& r : rows) {
            QTest::newRow(r.tag) << r.text << r.order << r.locale << r.date;
        }
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(DateOrder, order);
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QCOMPARE(readAs(text, order, QLocale(locale)), date);
    }

    // The ISO form goes through the card values and back unchanged; nothing else passes.
    void isoForm_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("date") << u"1990-12-31"_s << true;
        QTest::newRow("no year") << u"--02-29"_s << true;
        QTest::newRow("year 0001") << u"0001-01-01"_s << true;
        QTest::newRow("not a day") << u"1990-02-30"_s << false;
        QTest::newRow("D/M/Y") << u"31/12/1990"_s << false;
        QTest::newRow("basic") << u"19901231"_s << false;
        QTest::newRow("with time") << u"1990-12-31T00:00"_s << false;
    }
    void isoForm() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<CardDate> d = parseIsoDateText(text);
        QCOMPARE(d.has_value(), valid);
        if (valid) {
            QCOMPARE(isoDateText(*d), text);
        }
    }

    void localeOrder_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<DateOrder>("order");
        QTest::newRow("en_US") << u"en_US"_s << DateOrder::MDY;
        QTest::newRow("en_GB") << u"en_GB"_s << DateOrder::DMY;
        QTest::newRow("de_DE") << u"de_DE"_s << DateOrder::DMY;
        QTest::newRow("ja_JP") << u"ja_JP"_s << DateOrder::YMD;
        QTest::newRow("sv_SE") << u"sv_SE"_s << DateOrder::YMD;
    }
    void localeOrder() {
        QFETCH(QString, locale);
        QFETCH(DateOrder, order);
        QCOMPARE(localeDateOrder(QLocale(locale)), order);
    }

    void orderWords() {
        QCOMPARE(parseDateOrder(u"DMY"), DateOrder::DMY);
        QCOMPARE(parseDateOrder(u"MDY"), DateOrder::MDY);
        QCOMPARE(parseDateOrder(u"YMD"), DateOrder::YMD);
        QVERIFY(!parseDateOrder(u"dmy"));
        QVERIFY(!parseDateOrder(u"D/M/Y"));
        QVERIFY(!parseDateOrder(u""));
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "test_datetext.moc"

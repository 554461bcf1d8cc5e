#include "PhoneFormat.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestPhoneFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // An empty result: the number is left as it was.
    void numbers_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("international");
        QTest::addColumn<QString>("e164");

        QTest::addRow("US national")
            << u"US"_s << u"(617) 555-0100"_s << u"+1 617-555-0100"_s << u"+16175550100"_s;
        QTest::addRow("US with x extension")
            << u"US"_s << u"617-555-0100 x12"_s << u"+1 617-555-0100 ext. 12"_s
            << u"+16175550100 ext. 12"_s;
        QTest::addRow("US number with its code, other region")
            << u"DE"_s << u"+1 (617) 555-0100 ext. 12"_s << u"+1 617-555-0100 ext. 12"_s
            << u"+16175550100 ext. 12"_s;
        QTest::addRow("US words") << u"US"_s << u"ask reception"_s << QString() << QString();
        QTest::addRow("US too short") << u"US"_s << u"12"_s << QString() << QString();
        QTest::addRow("US zeros") << u"US"_s << u"0000"_s << QString() << QString();
        QTest::addRow("US, a German number without its code")
            << u"US"_s << u"030 5551000"_s << QString() << QString();
        QTest::addRow("US letters") << u"US"_s << u"1-800-FLOWERS"_s << QString() << QString();
        QTest::addRow("US number inside words")
            << u"US"_s << u"call 617 555 0100 after 5"_s << QString() << QString();
        QTest::addRow("US number of 11 digits without code")
            << u"US"_s << u"617 555 01000"_s << QString() << QString();
        QTest::addRow("DE with (0)")
            << u"DE"_s << u"+49 (0)30 555 1000"_s << u"+49 30 5551000"_s << u"+49305551000"_s;
        QTest::addRow("DE mobile")
            << u"DE"_s << u"0171 2345678"_s << u"+49 171 2345678"_s << u"+491712345678"_s;
        QTest::addRow("DE with 00 prefix")
            << u"DE"_s << u"0049 30 5551000"_s << u"+49 30 5551000"_s << u"+49305551000"_s;
        QTest::addRow("FR, an American number without its code")
            << u"FR"_s << u"(617) 555-0100"_s << QString() << QString();
        QTest::addRow("GB London")
            << u"GB"_s << u"020 7946 0958"_s << u"+44 20 7946 0958"_s << u"+442079460958"_s;
        QTest::addRow("GB mobile")
            << u"GB"_s << u"07911 123456"_s << u"+44 7911 123456"_s << u"+447911123456"_s;
        QTest::addRow("FR Paris") << u"FR"_s << u"01 23 45 67 89"_s << u"+33 1 23 45 67 89"_s
                                  << u"+33123456789"_s;
        QTest::addRow("FR mobile with dots")
            << u"FR"_s << u"06.12.34.56.78"_s << u"+33 6 12 34 56 78"_s << u"+33612345678"_s;
        QTest::addRow("FR, a London number without its code")
            << u"FR"_s << u"020 7946 0958"_s << QString() << QString();
        QTest::addRow("CH Zurich")
            << u"CH"_s << u"044 668 18 00"_s << u"+41 44 668 18 00"_s << u"+41446681800"_s;
        QTest::addRow("JP Tokyo") << u"JP"_s << u"03-1234-5678"_s << u"+81 3-1234-5678"_s
                                  << u"+81312345678"_s;
        QTest::addRow("JP full-width")
            << u"JP"_s
            << u"\uFF10\uFF13\uFF0D\uFF11\uFF12\uFF13\uFF14\uFF0D\uFF15\uFF16\uFF17\uFF18"_s
            << u"+81 3-1234-5678"_s << u"+81312345678"_s;
        QTest::addRow("no region, number with its code")
            << QString() << u"+44 20 7946 0958"_s << u"+44 20 7946 0958"_s << u"+442079460958"_s;
        QTest::addRow("no region, number without code")
            << QString() << u"020 7946 0958"_s << QString() << QString();
        QTest::addRow("region in lower case")
            << u"gb"_s << u"020 7946 0958"_s << u"+44 20 7946 0958"_s << u"+442079460958"_s;
    }
    void numbers() {
        QFETCH(QString, region);
        QFETCH(QString, text);
        QFETCH(QString, international);
        QFETCH(QString, e164);
        const auto expected = [](const QString& s) {
            return s.isEmpty() ? std::optional<QString>() : std::optional<QString>(s);
        };
        PhoneFormatter off({PhoneStyle::Off, region});
        QCOMPARE(off.format(text), std::optional<QString>());
        PhoneFormatter wide({PhoneStyle::International, region});
        PhoneFormatter tight({PhoneStyle::E164, region});
        // Twice: the second answer comes from what the formatter remembered.
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(wide.format(text), expected(international));
            QCOMPARE(tight.format(text), expected(e164));
        }
    }

    void namesOfStylesAndRegions() {
        QCOMPARE(phoneStyleFromText(u"E164"), std::optional(PhoneStyle::E164));
        QCOMPARE(phoneStyleFromText(u"international"), std::optional(PhoneStyle::International));
        QCOMPARE(phoneStyleFromText(u"off"), std::optional<PhoneStyle>());
        QVERIFY(isPhoneRegion(u"de"));
        QVERIFY(isPhoneRegion(u"JP"));
        QVERIFY(!isPhoneRegion(u"XX"));
        QVERIFY(!isPhoneRegion(u"DEU"));
        QVERIFY(!isPhoneRegion(u""));
    }
};

QTEST_GUILESS_MAIN(TestPhoneFormat)
#include "test_phoneformat.moc"

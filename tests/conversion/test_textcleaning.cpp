#include "TextCleaning.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestTextCleaning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void strClean_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("nothing to replace") << u"Ann Smith"_s << u"Ann Smith"_s;
        QTest::addRow("ampersand keeps the spaces around it")
            << u"Smith & Jones"_s << u"Smith  and  Jones"_s;
        QTest::addRow("full stop and question mark, trailing space stays")
            << u"Dr. Who?"_s << u"Dr  Who "_s;
        QTest::addRow("colon becomes a hyphen") << u"10:30"_s << u"10-30"_s;
        QTest::addRow("underscore and full stop") << u"a_b.c"_s << u"a b c"_s;
        QTest::addRow("R&D") << u"R&D"_s << u"R and D"_s;
        QTest::addRow("sixteen characters, one space each")
            << u"?/\\*\"<>,#~%{}+_."_s << QString(16, u' ');
        QTest::addRow("hyphen and apostrophe pass")
            << u"Ann-Marie O'Neil"_s << u"Ann-Marie O'Neil"_s;
        QTest::addRow("bar, at, parentheses, digits pass") << u"|@()09 x"_s << u"|@()09 x"_s;
        QTest::addRow("case and non-ASCII kept")
            << u"Zo\u00eb \u674e&\U0001F600"_s << u"Zo\u00eb \u674e and \U0001F600"_s;
        QTest::addRow("several ampersands") << u"&&"_s << u" and  and "_s;
    }
    void strClean() {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QCOMPARE(::strClean(input), output);
    }
};

QTEST_GUILESS_MAIN(TestTextCleaning)
#include "test_textcleaning.moc"

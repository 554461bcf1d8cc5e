// Reading the cards servers return: unfolding, line ends, groups, parameters, escapes.

#include "VCardReader.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestVCardReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // group|NAME|PARAM=v1,v2;...|value
        QTest::addRow("folded, CR LF")
            << u"BEGIN:VCARD\r\nFN:Ann wi\r\n th a long\r\n\tname\r\nEND:VCARD\r\n"_s
            << QStringList{u"|FN||Ann with a longname"_s};
        QTest::addRow("folded, LF and CR") << u"BEGIN:VCARD\nNOTE:a\n b\rFN:x\r y\nEND:VCARD"_s
                                           << QStringList{u"|NOTE||ab"_s, u"|FN||xy"_s};
        QTest::addRow("groups and parameter case")
            << u"BEGIN:VCARD\nitem1.EMAIL;type=INTERNET,pref:a@b\nitem1.X-ABLabel:_$!<Work>!$_\n"
               u"END:VCARD"_s
            << QStringList{u"item1|EMAIL|TYPE=INTERNET,pref|a@b"_s,
                           u"item1|X-ABLABEL||_$!<Work>!$_"_s};
        QTest::addRow("quoted parameters with : , and 4.0 escapes")
            << u"BEGIN:VCARD\nADR;LABEL=\"1 Main St, Town: ^'here^'^nthere\";TYPE=work:;;1 Main "
               u"St;Town\nEND:VCARD"_s
            << QStringList{
                   u"|ADR|LABEL=1 Main St, Town: \"here\"\nthere;TYPE=work|;;1 Main St;Town"_s};
        QTest::addRow("bare 2.1 parameters") << u"BEGIN:VCARD\nTEL;WORK;VOICE:1\nEND:VCARD"_s
                                             << QStringList{u"|TEL|TYPE=WORK;TYPE=VOICE|1"_s};
        QTest::addRow("text around the card, nested card passed over")
            << u"junk\nBEGIN:VCARD\nFN:a\nAGENT:BEGIN:VCARD\nBEGIN:VCARD\nFN:b\nEND:VCARD\n"
               u"NOTE:c\nEND:VCARD\nFN:after"_s
            << QStringList{u"|FN||a"_s, u"|AGENT||BEGIN:VCARD"_s, u"|NOTE||c"_s};
        QTest::addRow("no end") << u"BEGIN:VCARD\nFN:a\n"_s << QStringList{u"none"_s};
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const std::optional<VCard> c = parseVCard(text);
        QStringList got;
        if (!c) {
            got.append(u"none"_s);
        } else {
            for (const VCardProperty& p : c->properties) {
                QStringList params;
                for (const VCardParameter& pa : p.parameters) {
                    params.append(pa.name + u'=' + pa.values.join(u','));
                }
                got.append(p.group + u'|' + p.name + u'|' + params.join(u';') + u'|' + p.value);
            }
        }
        QCOMPARE(got, expected);
    }

    void unescape() {
        QCOMPARE(unescapeText(u"a\\nb\\Nc\\,d\\;e\\\\f\\:g\\xh\\"), u"a\nb\nc,d;e\\f:g\\xh\\"_s);
        const QList<QStringView> parts = splitValue(u"a\\;b;c\\\\;d", u';');
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0], u"a\\;b");
        QCOMPARE(parts[1], u"c\\\\");
    }
};

QTEST_GUILESS_MAIN(TestVCardReader)
#include "test_vcardreader.moc"

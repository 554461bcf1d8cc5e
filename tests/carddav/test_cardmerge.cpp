// Comparing the card a server holds with ours by meaning, and merging the two.

#include "CardMerge.h"
#include "VCardReader.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QString crlf(const QStringList& lines) {
    return lines.join(u"\r\n"_s) + u"\r\n"_s;
}
VCard card(const QString& text) {
    return parseVCard(text).value_or(VCard());
}
// Our card: as the writer makes it for a mapping of names, e-mail, mobile, company and notes.
const QString kOurs =
    crlf({u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"UID:1a1902ee"_s, u"N:Smith;Ann;"_s,
          u"FN:Smith\\, Ann"_s, u"ORG:Acme;"_s, u"TEL;TYPE=CELL,VOICE:+44 7700 900001"_s,
          u"EMAIL;TYPE=INTERNET,PREF:ann@example.org"_s, u"NOTE:one\\ntwo\\, three\\; four"_s,
          u"END:VCARD"_s});
const QSet<QString> kOwn{u"VERSION"_s, u"UID"_s, u"N"_s,     u"FN"_s,
                         u"ORG"_s,     u"TEL"_s, u"EMAIL"_s, u"NOTE"_s};
} // namespace

class TestCardMerge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What servers do to a card without changing what it says, and changes that count.
    void meaning_data() {
        QTest::addColumn<QStringList>("server"); // lines between BEGIN and END
        QTest::addColumn<bool>("same");
        const QStringList base{u"VERSION:3.0"_s,
                               u"UID:1a1902ee"_s,
                               u"N:Smith;Ann;"_s,
                               u"FN:Smith\\, Ann"_s,
                               u"ORG:Acme;"_s,
                               u"TEL;TYPE=CELL,VOICE:+44 7700 900001"_s,
                               u"EMAIL;TYPE=INTERNET,PREF:ann@example.org"_s,
                               u"NOTE:one\\ntwo\\, three\\; four"_s};
        QTest::addRow("as sent") << base << true;
        QTest::addRow("re-serialized")
            << QStringList{u"PRODID:-//Server//EN"_s,
                           u"note:one\\ntwo\\, three\\; four"_s,
                           u"EMAIL;type=pref;TYPE=internet:ann@example.org"_s,
                           u"FN:Smith, Ann"_s,
                           u"N:Smith;Ann;;;"_s,
                           u"ORG:Acme"_s,
                           u"REV:20260101T000000Z"_s,
                           u"TEL;TYPE=VOICE;TYPE=CELL:+44 7700 900001"_s,
                           u"UID:1a1902ee"_s,
                           u"X-SERVER:1"_s,
                           u"VERSION:3.0"_s}
            << true;
        QStringList photo = base;
        photo.append(u"PHOTO;ENCODING=b;TYPE=JPEG:AAAA"_s);
        photo.append(u"NICKNAME:not mapped"_s);
        QTest::addRow("properties that are not ours") << photo << true;
        auto changed = [&](int i, const QString& line) {
            QStringList l = base;
            if (line.isEmpty()) {
                l.removeAt(i);
            } else {
                l[i] = line;
            }
            return l;
        };
        QTest::addRow("other number")
            << changed(5, u"TEL;TYPE=CELL,VOICE:+44 7700 900002"_s) << false;
        QTest::addRow("type dropped") << changed(5, u"TEL;TYPE=CELL:+44 7700 900001"_s) << false;
        QTest::addRow("note gone") << changed(7, QString()) << false;
        QTest::addRow("escaped line break lost")
            << changed(7, u"NOTE:one two\\, three\\; four"_s) << false;
        QTest::addRow("department added") << changed(4, u"ORG:Acme;Sales"_s) << false;
        QTest::addRow("other version") << changed(0, u"VERSION:4.0"_s) << false;
        QStringList twice = base;
        twice.append(u"TEL;TYPE=HOME:1"_s);
        QTest::addRow("a second number") << twice << false;
    }
    void meaning() {
        QFETCH(QStringList, server);
        QFETCH(bool, same);
        const VCard ours = card(kOurs);
        const VCard theirs =
            card(crlf(QStringList{u"BEGIN:VCARD"_s} + server + QStringList{u"END:VCARD"_s}));
        QCOMPARE(sameMeaning(ours, theirs, kOwn), same);
    }

    void base64Compared() {
        const VCardProperty a =
            card(u"BEGIN:VCARD\nPHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=\nEND:VCARD"_s)
                .properties.first();
        const VCardProperty b =
            card(u"BEGIN:VCARD\nPHOTO;ENCODING=B;TYPE=png:iVBO\n  Rw0K Ggo=\nEND:VCARD"_s)
                .properties.first();
        QCOMPARE(propertyMeaning(a), propertyMeaning(b));
    }

    // The server's card after a phone added to it: our properties replaced, its own kept,
    // a label in the group of a replaced property goes with it.
    void merge() {
        const VCard ours = card(kOurs);
        const VCard servers =
            card(crlf({u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"PRODID:-//Phone//EN"_s,
                       u"UID:1a1902ee"_s, u"N:Smith;Ann;;;"_s, u"FN:Old Name"_s,
                       u"item1.EMAIL;type=INTERNET:old@example.org"_s, u"item1.X-ABLabel:private"_s,
                       u"item2.URL:https://example.org"_s, u"item2.X-ABLabel:blog"_s, u"NOTE:old"_s,
                       u"PHOTO;ENCODING=b;TYPE=JPEG:AAAA"_s, u"END:VCARD"_s}));
        const QString merged = mergeCards(ours, servers, kOwn);
        QStringList expected = kOurs.split(u"\r\n"_s);
        expected.removeAll(QString());
        expected.removeLast(); // END:VCARD
        expected += QStringList{u"PRODID:-//Phone//EN"_s, u"item2.URL:https://example.org"_s,
                                u"item2.X-ABLabel:blog"_s, u"PHOTO;ENCODING=b;TYPE=JPEG:AAAA"_s,
                                u"END:VCARD"_s};
        QCOMPARE(merged, crlf(expected));
        QVERIFY(sameMeaning(ours, card(merged), kOwn));
    }

    // The properties a mapping owns follow what the writer writes for its fields.
    void propertyNames() {
        const QSet<QString> names = cardPropertyNames(
            {u"FirstName"_s, u"Notes"_s, u"MobileNumber"_s, u"Photo"_s, u"Anniversary"_s},
            VCardVersion::V30);
        QCOMPARE(names, (QSet<QString>{u"VERSION"_s, u"UID"_s, u"N"_s, u"FN"_s, u"NOTE"_s, u"TEL"_s,
                                       u"PHOTO"_s, u"X-EVOLUTION-ANNIVERSARY"_s}));
        QVERIFY(cardPropertyNames({u"Anniversary"_s, u"HomeAddress"_s}, VCardVersion::V40)
                    .contains(u"ANNIVERSARY"_s));
    }
};

QTEST_GUILESS_MAIN(TestCardMerge)
#include "test_cardmerge.moc"

#include "ContactUid.h"
#include "VCardWriter.h"

#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
struct Row {
    ContactValues values;
    std::optional<QString> column;
};
Row email(const QString& cell) {
    Row r;
    r.values.EmailAddress = cell;
    return r;
}
Row named(const QString& first, const QString& last, const QString& company) {
    Row r;
    r.values.FirstName = first;
    r.values.LastName = last;
    r.values.Company = company;
    return r;
}
Row column(const QString& cell) {
    Row r = email(u"someone@example.org"_s);
    r.column = cell;
    return r;
}
} // namespace

Q_DECLARE_METATYPE(QList<Row>)
Q_DECLARE_METATYPE(ContactKeySource)

class TestContactUid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Rows of one run, in order: the key and source each gets, occurrences counted.
    void keys_data() {
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<ContactKeySource>>("sources");
        QTest::addColumn<QList<qint32>>("occurrences");
        using S = ContactKeySource;

        Row second;
        second.values.EmailAddress2 = u" ;  Ann@Example.ORG, b@example.org"_s;
        Row third;
        third.values.EmailAddress = u"   "_s;
        third.values.EmailAddress3 = u"C@Example.org"_s;
        QTest::addRow("first mapped address, lower-cased")
            << QList<Row>{email(u" Ann@Example.org "_s), second, third}
            << QStringList{u"ann@example.org"_s, u"ann@example.org#2"_s, u"c@example.org"_s}
            << QList<S>{S::Email, S::Email, S::Email} << QList<qint32>{1, 2, 1};
        Row full = named(u"Ann"_s, u"Smith"_s, u" Acme "_s);
        full.values.FullName = u" Dr Ann Smith "_s;
        QTest::addRow("name and company")
            << QList<Row>{named(u" Ann "_s, u"Smith"_s, u"Acme"_s), full,
                          named(u""_s, u"Smith"_s, u""_s), named(u""_s, u""_s, u"Acme"_s)}
            << QStringList{u"Ann Smith\nAcme"_s, u"Dr Ann Smith\nAcme"_s, u"Smith\n"_s, u"\nAcme"_s}
            << QList<S>{S::NameAndCompany, S::NameAndCompany, S::NameAndCompany, S::NameAndCompany}
            << QList<qint32>{1, 1, 1, 1};
        Row blank = named(u" "_s, u""_s, u"  "_s);
        blank.values.EmailAddress = u" , "_s;
        QTest::addRow("nothing: the row number")
            << QList<Row>{email(u"a@example.org"_s), blank, column(u"  "_s)}
            << QStringList{u"a@example.org"_s, u"row 3"_s, u"row 4"_s}
            << QList<S>{S::Email, S::RowNumber, S::RowNumber} << QList<qint32>{1, 1, 1};
        QTest::addRow("chosen column wins over e-mail")
            << QList<Row>{column(u" K-17 "_s), column(u"K-17"_s), column(u"k-17"_s)}
            << QStringList{u"K-17"_s, u"K-17#2"_s, u"k-17"_s}
            << QList<S>{S::Column, S::Column, S::Column} << QList<qint32>{1, 2, 1};
        // A cell that holds what an occurrence key looks like keeps both UIDs apart.
        QTest::addRow("occurrences")
            << QList<Row>{column(u"x"_s), column(u"x#2"_s), column(u"x"_s), column(u"x"_s)}
            << QStringList{u"x"_s, u"x#2"_s, u"x#3"_s, u"x#4"_s}
            << QList<S>{S::Column, S::Column, S::Column, S::Column} << QList<qint32>{1, 1, 3, 4};
    }
    void keys() {
        QFETCH(QList<Row>, rows);
        QFETCH(QStringList, keys);
        QFETCH(QList<ContactKeySource>, sources);
        QFETCH(QList<qint32>, occurrences);
        ContactUids uids;
        QSet<QUuid> seen;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const auto a = uids.assign(qint32(i + 2), rows[i].values, rows[i].column);
            QCOMPARE(a.key, keys[i]);
            QCOMPARE(a.source, sources[i]);
            QCOMPARE(a.uid, contactUid(a.key));
            QCOMPARE(a.occurrence, occurrences[i]);
            QVERIFY(!seen.contains(a.uid));
            seen.insert(a.uid);
        }
    }

    // The UUIDs must never change between versions of the program, or every contact on a
    // server would be sent again as new: these were computed by another implementation of
    // RFC 4122 from the program's namespace.
    void uuidsStayTheSame_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("uuid");
        QTest::addRow("e-mail") << u"ann@example.org"_s
                                << u"1a1902ee-d446-5931-abc6-ca5790e6a821"_s;
        QTest::addRow("name") << u"Ann Smith\nAcme"_s << u"66e38484-0bc5-501d-8f57-13352c15e863"_s;
        QTest::addRow("row") << rowNumberKey(7) << u"7ebed2ab-0960-5e43-9669-dd23844551f9"_s;
    }
    void uuidsStayTheSame() {
        QFETCH(QString, key);
        QFETCH(QString, uuid);
        QCOMPARE(contactUid(key).toString(QUuid::WithoutBraces), uuid);
        QCOMPARE(contactUid(key).version(), QUuid::Sha1);
    }

    // The UID line right after VERSION; without a UID the card is as before.
    void uidLine_data() {
        QTest::addColumn<VCardVersion>("version");
        QTest::addColumn<QString>("line");
        QTest::addRow("3.0") << VCardVersion::V30 << u"UID:1a1902ee-d446-5931-abc6-ca5790e6a821"_s;
        QTest::addRow("4.0") << VCardVersion::V40
                             << u"UID:urn:uuid:1a1902ee-d446-5931-abc6-ca5790e6a821"_s;
    }
    void uidLine() {
        QFETCH(VCardVersion, version);
        QFETCH(QString, line);
        const ContactValues v = email(u"Ann@Example.org"_s).values;
        const QString plain = buildCard(v, version);
        const QString withUid = buildCard(v, version, cardLayoutOf(v), PhotoValue(), {},
                                          contactUid(u"ann@example.org"_s));
        QStringList lines = plain.split(u"\r\n"_s);
        lines.insert(2, line);
        QCOMPARE(withUid, lines.join(u"\r\n"_s));
    }
};

QTEST_GUILESS_MAIN(TestContactUid)
#include "test_contactuid.moc"

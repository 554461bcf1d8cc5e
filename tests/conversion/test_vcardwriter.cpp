#include "ContactField.h"
#include "VCardWriter.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QString lines(const QStringList& l) {
    return l.join(u"\r\n"_s);
}
ContactValues exampleValues() {
    ContactValues v;
    v.LastName = u"Smith"_s;
    v.FirstName = u"Ann"_s;
    v.MobileNumber = u"555 0100"_s;
    v.Company = u"Acme"_s;
    return v;
}
ContactValues everyField(const QString& text) {
    ContactValues v;
    for (const ContactFieldRow& f : kContactFields) {
        if (f.reachesCard()) {
            v.*f.member = text;
        }
    }
    return v;
}
// Each field's own text, so a card shows which fields it holds.
QString marker(const ContactFieldRow& f) {
    return u'<' + QStringView(f.name).toString() + u'>';
}
} // namespace

Q_DECLARE_METATYPE(ContactValues)

class TestVCardWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Plain ASCII values under 2.1: the fixed layout, line for line.
    void layout_data() {
        QTest::addColumn<ContactValues>("values");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("card");

        QTest::addRow("example") << exampleValues() << u"2.1"_s
                                 << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"N:Smith;Ann;"_s,
                                           u"FN:Ann Smith"_s, u"ORG:Acme;"_s,
                                           u"TEL;CELL;VOICE:555 0100"_s, u"END:VCARD"_s});
        QTest::addRow("all empty")
            << ContactValues() << u"2.1"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"FN:"_s, u"END:VCARD"_s});
        QTest::addRow("all empty 4.0")
            << ContactValues() << u"4.0"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:4.0"_s, u"FN:"_s, u"END:VCARD"_s});
        ContactValues middle;
        middle.MiddleName = u"Lee"_s;
        QTest::addRow("only middle name")
            << middle << u"2.1"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"N:;;Lee"_s, u"FN: "_s, u"END:VCARD"_s});
        ContactValues first;
        first.FirstName = u"Ann"_s;
        QTest::addRow("only first name") << first << u"2.1"_s
                                         << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"N:;Ann;"_s,
                                                   u"FN:Ann "_s, u"END:VCARD"_s});
        ContactValues full = exampleValues();
        full.FullName = u"Dr Ann Smith"_s;
        full.MobileNumber.clear();
        full.Company.clear();
        full.Department = u"Sales"_s; // no ORG without a company
        QTest::addRow("full name wins, no org")
            << full << u"2.1"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"N:Smith;Ann;"_s, u"FN:Dr Ann Smith"_s,
                      u"END:VCARD"_s});
        ContactValues city;
        city.BusinessAddressCity = u"Pune"_s;
        QTest::addRow("business city only") << city << u"2.1"_s
                                            << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"FN:"_s,
                                                      u"ADR;WORK:;;;Pune;;;"_s, u"END:VCARD"_s});
        ContactValues mails;
        mails.EmailAddress2 = u"b@x.example"_s;
        mails.EmailAddress3 = u"c@x.example"_s;
        mails.JobTitle = u"   "_s;
        QTest::addRow("second and third mail, title of spaces")
            << mails << u"2.1"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"FN:"_s, u"TITLE:   "_s,
                      u"EMAIL;INTERNET:b@x.example"_s, u"EMAIL;INTERNET:c@x.example"_s,
                      u"END:VCARD"_s});
        QTest::addRow("every line")
            << everyField(u"x"_s) << u"2.1"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"N:x;x;x"_s, u"FN:x"_s, u"ORG:x;x"_s,
                      u"TITLE:x"_s, u"TEL;WORK;VOICE:x"_s, u"TEL;HOME;VOICE:x"_s,
                      u"TEL;CELL;VOICE:x"_s, u"TEL;WORK;FAX:x"_s, u"ADR;WORK:;;x;x;x;x;x"_s,
                      u"ADR;HOME:;;x;x;x;x;x"_s, u"URL:x"_s, u"EMAIL;PREF;INTERNET:x"_s,
                      u"EMAIL;INTERNET:x"_s, u"EMAIL;INTERNET:x"_s, u"NOTE:x"_s, u"END:VCARD"_s});
        QTest::addRow("every line 3.0")
            << everyField(u"x"_s) << u"3.0"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"N:x;x;x"_s, u"FN:x"_s, u"ORG:x;x"_s,
                      u"TITLE:x"_s, u"TEL;TYPE=WORK,VOICE:x"_s, u"TEL;TYPE=HOME,VOICE:x"_s,
                      u"TEL;TYPE=CELL,VOICE:x"_s, u"TEL;TYPE=FAX,WORK:x"_s,
                      u"ADR;TYPE=WORK:;;x;x;x;x;x"_s, u"ADR;TYPE=HOME:;;x;x;x;x;x"_s, u"URL:x"_s,
                      u"EMAIL;TYPE=INTERNET,PREF:x"_s, u"EMAIL;TYPE=INTERNET:x"_s,
                      u"EMAIL;TYPE=INTERNET:x"_s, u"NOTE:x"_s, u"END:VCARD"_s});
        QTest::addRow("every line 4.0")
            << everyField(u"x"_s) << u"4.0"_s
            << lines({u"BEGIN:VCARD"_s, u"VERSION:4.0"_s, u"N:x;x;x"_s, u"FN:x"_s, u"ORG:x;x"_s,
                      u"TITLE:x"_s, u"TEL;TYPE=WORK,VOICE:x"_s, u"TEL;TYPE=HOME,VOICE:x"_s,
                      u"TEL;TYPE=CELL,VOICE:x"_s, u"TEL;TYPE=FAX,WORK:x"_s,
                      u"ADR;TYPE=WORK:;;x;x;x;x;x"_s, u"ADR;TYPE=HOME:;;x;x;x;x;x"_s, u"URL:x"_s,
                      u"EMAIL;TYPE=INTERNET,PREF;PREF=1:x"_s, u"EMAIL;TYPE=INTERNET:x"_s,
                      u"EMAIL;TYPE=INTERNET:x"_s, u"NOTE:x"_s, u"END:VCARD"_s});
    }
    void layout() {
        QFETCH(ContactValues, values);
        QFETCH(QString, version);
        QFETCH(QString, card);
        QCOMPARE(buildCard(values, parseVCardVersion(version).value()), card);
    }

    // A field added to the table but forgotten in the writer never reaches a card.
    void everyFieldThatReachesTheCardIsWritten_data() {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < kContactFields.size(); ++i) {
            if (kContactFields[i].reachesCard()) {
                QTest::addRow("%s", qPrintable(marker(kContactFields[i]))) << int(i);
            }
        }
    }
    void everyFieldThatReachesTheCardIsWritten() {
        QFETCH(int, row);
        // Every field filled: some lines are written only beside another field (ORG with a
        // company).
        ContactValues v;
        for (const ContactFieldRow& f : kContactFields) {
            if (f.reachesCard()) {
                v.*f.member = marker(f);
            }
        }
        const QString card = buildCard(v, VCardVersion::V30);
        QVERIFY2(card.contains(marker(kContactFields[size_t(row)])), qPrintable(card));
    }

    // How one NOTE value is written, per version.
    void encoding_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("line");

        const QString v21 = u"2.1"_s;
        const QString v30 = u"3.0"_s;
        const QString v40 = u"4.0"_s;
        QTest::addRow("2.1 semicolon comma backslash")
            << u"a;b,c\\d"_s << v21 << u"NOTE:a\\;b\\,c\\\\d"_s;
        QTest::addRow("2.1 non-ASCII stays UTF-8 text")
            << u"Zo\u00eb \u674e \U0001F600"_s << v21 << u"NOTE:Zo\u00eb \u674e \U0001F600"_s;
        QTest::addRow("2.1 equals sign without line break") << u"a=b"_s << v21 << u"NOTE:a=b"_s;
        QTest::addRow("2.1 LF") << u"a\nb"_s << v21 << u"NOTE;ENCODING=QUOTED-PRINTABLE:a=0D=0Ab"_s;
        QTest::addRow("2.1 CR LF")
            << u"a\r\nb"_s << v21 << u"NOTE;ENCODING=QUOTED-PRINTABLE:a=0D=0Ab"_s;
        QTest::addRow("2.1 CR") << u"a\rb"_s << v21 << u"NOTE;ENCODING=QUOTED-PRINTABLE:a=0D=0Ab"_s;
        QTest::addRow("2.1 two LF")
            << u"a\n\nb"_s << v21 << u"NOTE;ENCODING=QUOTED-PRINTABLE:a=0D=0A=0D=0Ab"_s;
        QTest::addRow("2.1 quoted-printable escapes first, then encodes")
            << u"x=1;\u00fc\n\U0001F600,"_s << v21
            << u"NOTE;ENCODING=QUOTED-PRINTABLE:x=3D1\\;=C3=BC=0D=0A=F0=9F=98=80\\,"_s;
        QTest::addRow("2.1 trailing space kept")
            << u"a\nb "_s << v21 << u"NOTE;ENCODING=QUOTED-PRINTABLE:a=0D=0Ab=20"_s;
        QTest::addRow("2.1 tab encoded")
            << u"a\tb\n"_s << v21 << u"NOTE;ENCODING=QUOTED-PRINTABLE:a=09b=0D=0A"_s;
        for (const QString& v : {v30, v40}) {
            const QByteArray tag = v.toLatin1();
            QTest::addRow("%s escapes", tag.constData())
                << u"a;b,c\\d"_s << v << u"NOTE:a\\;b\\,c\\\\d"_s;
            QTest::addRow("%s line breaks", tag.constData())
                << u"1\r\n2\n3\r4"_s << v << u"NOTE:1\\n2\\n3\\n4"_s;
            QTest::addRow("%s escaped backslash before n", tag.constData())
                << u"C:\\new"_s << v << u"NOTE:C:\\\\new"_s;
            QTest::addRow("%s non-ASCII", tag.constData())
                << u"\u00e9\U0001F600=x"_s << v << u"NOTE:\u00e9\U0001F600=x"_s;
        }
    }
    void encoding() {
        QFETCH(QString, value);
        QFETCH(QString, version);
        QFETCH(QString, line);
        ContactValues v;
        v.Notes = value;
        const QStringList got = buildCard(v, parseVCardVersion(version).value()).split(u"\r\n"_s);
        QCOMPARE(got.size(), 5);
        QCOMPARE(got.at(3), line);
    }

    // Components keep their places whatever they hold; types move to TYPE= on
    // quoted-printable lines of 2.1.
    void structuredValues_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("adr");
        QTest::addColumn<QString>("n");
        const QString street = u"1 Main St\nApt 2"_s;
        QTest::addRow("2.1") << u"2.1"_s
                             << u"ADR;TYPE=HOME;ENCODING=QUOTED-PRINTABLE:;;1 Main St=0D=0AApt 2;"
                                "K=C3=B6ln\\;Nord;;;"_s
                             << u"N:O'Neil\\, Jr.;Ann\\;Marie;"_s;
        QTest::addRow("3.0") << u"3.0"_s
                             << u"ADR;TYPE=HOME:;;1 Main St\\nApt 2;K\u00f6ln\\;Nord;;;"_s
                             << u"N:O'Neil\\, Jr.;Ann\\;Marie;"_s;
    }
    void structuredValues() {
        QFETCH(QString, version);
        QFETCH(QString, adr);
        QFETCH(QString, n);
        ContactValues v;
        v.HomeAddressStreet = u"1 Main St\nApt 2"_s;
        v.HomeAddressCity = u"K\u00f6ln;Nord"_s;
        v.LastName = u"O'Neil, Jr."_s;
        v.FirstName = u"Ann;Marie"_s;
        const QStringList got = buildCard(v, parseVCardVersion(version).value()).split(u"\r\n"_s);
        QCOMPARE(got.at(2), n);
        QVERIFY2(got.contains(adr), qPrintable(got.join(u'|')));
        QCOMPARE(got.at(3), u"FN:Ann\\;Marie O'Neil\\, Jr."_s);
    }

    // One card per target: non-ASCII text, a line break, two numbers, two e-mails.
    void targets_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QStringList>("card");
        const QStringList tail21 = {
            u"EMAIL;PREF;INTERNET:j@example.com"_s,
            u"EMAIL;INTERNET:jm@example.org"_s,
        };
        const QStringList card30 = {
            u"BEGIN:VCARD"_s,
            u"VERSION:3.0"_s,
            u"N:M\u00fcller;J\u00fcrgen;"_s,
            u"FN:J\u00fcrgen M\u00fcller"_s,
            u"ORG:Acme;"_s,
            u"TEL;TYPE=WORK,VOICE:+49 30 5551000"_s,
            u"TEL;TYPE=CELL,VOICE:+49 171 2345678"_s,
            u"ADR;TYPE=WORK:;;;K\u00f6ln;;;"_s,
            u"EMAIL;TYPE=INTERNET,PREF:j@example.com"_s,
            u"EMAIL;TYPE=INTERNET:jm@example.org"_s,
            u"NOTE:Zeile 1\\nZeile 2 \u00e4"_s,
            u"END:VCARD"_s,
        };
        QTest::addRow("generic 2.1")
            << int(ImportTarget::Generic) << u"2.1"_s
            << QStringList{u"BEGIN:VCARD"_s,
                           u"VERSION:2.1"_s,
                           u"N:M\u00fcller;J\u00fcrgen;"_s,
                           u"FN:J\u00fcrgen M\u00fcller"_s,
                           u"ORG:Acme;"_s,
                           u"TEL;WORK;VOICE:+49 30 5551000"_s,
                           u"TEL;CELL;VOICE:+49 171 2345678"_s,
                           u"ADR;WORK:;;;K\u00f6ln;;;"_s} +
                   tail21 +
                   QStringList{u"NOTE;ENCODING=QUOTED-PRINTABLE:Zeile 1=0D=0AZeile 2 =C3=A4"_s,
                               u"END:VCARD"_s};
        QTest::addRow("generic 3.0") << int(ImportTarget::Generic) << u"3.0"_s << card30;
        const QStringList outlook =
            QStringList{u"BEGIN:VCARD"_s,
                        u"VERSION:2.1"_s,
                        u"N;CHARSET=UTF-8:M\u00fcller;J\u00fcrgen;"_s,
                        u"FN;CHARSET=UTF-8:J\u00fcrgen M\u00fcller"_s,
                        u"ORG:Acme;"_s,
                        u"TEL;WORK;VOICE:+49 30 5551000"_s,
                        u"TEL;CELL;VOICE:+49 171 2345678"_s,
                        u"ADR;WORK;CHARSET=UTF-8:;;;K\u00f6ln;;;"_s} +
            tail21 +
            QStringList{
                u"NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zeile 1=0D=0AZeile 2 =C3=A4"_s,
                u"END:VCARD"_s};
        QTest::addRow("outlook") << int(ImportTarget::Outlook) << u"2.1"_s << outlook;
        QTest::addRow("outlook, 3.0 asked for")
            << int(ImportTarget::Outlook) << u"3.0"_s << outlook;
        QTest::addRow("android 2.1")
            << int(ImportTarget::Android) << u"2.1"_s
            << QStringList{u"BEGIN:VCARD"_s,
                           u"VERSION:2.1"_s,
                           u"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;"_s,
                           u"FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller"_s,
                           u"ORG:Acme;"_s,
                           u"TEL;WORK;VOICE:+49 30 5551000"_s,
                           u"TEL;CELL;VOICE:+49 171 2345678"_s,
                           u"ADR;TYPE=WORK;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;;K=C3=B6ln;;;"_s} +
                   tail21 +
                   QStringList{u"NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zeile 1=0D=0AZeile "
                               "2 =C3=A4"_s,
                               u"END:VCARD"_s};
        QTest::addRow("android 3.0") << int(ImportTarget::Android) << u"3.0"_s << card30;
        QTest::addRow("android, 4.0 asked for") << int(ImportTarget::Android) << u"4.0"_s << card30;
        QTest::addRow("apple") << int(ImportTarget::Apple) << u"2.1"_s << card30;
        QTest::addRow("google") << int(ImportTarget::Google) << u"4.0"_s << card30;
    }
    void targets() {
        QFETCH(int, target);
        QFETCH(QString, requested);
        QFETCH(QStringList, card);
        ContactValues v;
        v.LastName = u"M\u00fcller"_s;
        v.FirstName = u"J\u00fcrgen"_s;
        v.Company = u"Acme"_s;
        v.BusinessTelephoneNumber = u"+49 30 5551000"_s;
        v.MobileNumber = u"+49 171 2345678"_s;
        v.BusinessAddressCity = u"K\u00f6ln"_s;
        v.EmailAddress = u"j@example.com"_s;
        v.EmailAddress2 = u"jm@example.org"_s;
        v.Notes = u"Zeile 1\nZeile 2 \u00e4"_s;
        const ImportTarget t = ImportTarget(target);
        const VCardVersion version = versionForTarget(t, *parseVCardVersion(requested));
        QCOMPARE(buildCard(v, version, importTargetRules(t).card).toUtf8(), lines(card).toUtf8());
    }

    void quotedPrintableTypesPerLine_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("prefix");
        QTest::addRow("work phone")
            << 0 << u"TEL;TYPE=WORK;TYPE=VOICE;ENCODING=QUOTED-PRINTABLE:"_s;
        QTest::addRow("fax") << 1 << u"TEL;TYPE=FAX;TYPE=WORK;ENCODING=QUOTED-PRINTABLE:"_s;
        QTest::addRow("preferred mail")
            << 2 << u"EMAIL;TYPE=INTERNET;TYPE=PREF;ENCODING=QUOTED-PRINTABLE:"_s;
        QTest::addRow("business address") << 3 << u"ADR;TYPE=WORK;ENCODING=QUOTED-PRINTABLE:"_s;
        QTest::addRow("full name") << 4 << u"FN;ENCODING=QUOTED-PRINTABLE:"_s;
    }
    void quotedPrintableTypesPerLine() {
        QFETCH(int, which);
        QFETCH(QString, prefix);
        ContactValues v;
        QString* members[] = {&v.BusinessTelephoneNumber, &v.BusinessFaxNumber, &v.EmailAddress,
                              &v.BusinessAddressCountry, &v.FullName};
        *members[which] = u"a\nb"_s;
        const QString card = buildCard(v, VCardVersion::V21);
        QVERIFY2(card.contains(u"\r\n"_s + prefix), qPrintable(card));
        // No raw line break inside any value: every line is a property or BEGIN/END.
        for (const QString& line : card.split(u"\r\n"_s)) {
            QVERIFY(!line.contains(u'\n') && !line.contains(u'\r'));
            QVERIFY(line.contains(u':'));
        }
    }
};

QTEST_GUILESS_MAIN(TestVCardWriter)
#include "test_vcardwriter.moc"

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
// Date fields hold a date in the form the run stores, the others the text.
ContactValues everyField(const QString& text) {
    ContactValues v;
    for (const ContactFieldRow& f : kContactFields) {
        if (f.reachesCard()) {
            v.*f.member = f.date ? u"1990-12-31"_s : text;
        }
    }
    return v;
}
// Each field's own text, so a card shows which fields it holds; a date field's own day.
QString marker(const ContactFieldRow& f) {
    if (f.date) {
        return QDate(1990, 1, 1).addDays(&f - kContactFields.data()).toString(Qt::ISODate);
    }
    return u'<' + QStringView(f.name).toString() + u'>';
}
ContactValues with(std::initializer_list<std::pair<QString ContactValues::*, QString>> fields) {
    ContactValues v;
    for (const auto& [member, text] : fields) {
        v.*member = text;
    }
    return v;
}
using CV = ContactValues;
} // namespace

Q_DECLARE_METATYPE(ContactValues)
Q_DECLARE_METATYPE(CardLayout)

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
        QTest::addRow("every line") << everyField(u"x"_s) << u"2.1"_s
                                    << lines({u"BEGIN:VCARD"_s,
                                              u"VERSION:2.1"_s,
                                              u"N:x;x;x;x;x"_s,
                                              u"FN:x"_s,
                                              u"NICKNAME:x"_s,
                                              u"ORG:x;x"_s,
                                              u"TITLE:x"_s,
                                              u"TEL;WORK;VOICE:x"_s,
                                              u"TEL;HOME;VOICE:x"_s,
                                              u"TEL;CELL;VOICE:x"_s,
                                              u"TEL;WORK;FAX:x"_s,
                                              u"TEL;HOME;FAX:x"_s,
                                              u"TEL;VOICE:x"_s,
                                              u"TEL;PAGER:x"_s,
                                              u"ADR;WORK:;;x;x;x;x;x"_s,
                                              u"LABEL;WORK:x"_s,
                                              u"ADR;HOME:;;x;x;x;x;x"_s,
                                              u"LABEL;HOME:x"_s,
                                              u"URL:x"_s,
                                              u"URL;HOME:x"_s,
                                              u"EMAIL;PREF;INTERNET:x"_s,
                                              u"EMAIL;INTERNET:x"_s,
                                              u"EMAIL;INTERNET:x"_s,
                                              u"NOTE:x"_s,
                                              u"BDAY:1990-12-31"_s,
                                              u"X-EVOLUTION-ANNIVERSARY:1990-12-31"_s,
                                              u"CATEGORIES:x"_s,
                                              u"END:VCARD"_s});
        QTest::addRow("every line 3.0") << everyField(u"x"_s) << u"3.0"_s
                                        << lines({u"BEGIN:VCARD"_s,
                                                  u"VERSION:3.0"_s,
                                                  u"N:x;x;x;x;x"_s,
                                                  u"FN:x"_s,
                                                  u"NICKNAME:x"_s,
                                                  u"ORG:x;x"_s,
                                                  u"TITLE:x"_s,
                                                  u"TEL;TYPE=WORK,VOICE:x"_s,
                                                  u"TEL;TYPE=HOME,VOICE:x"_s,
                                                  u"TEL;TYPE=CELL,VOICE:x"_s,
                                                  u"TEL;TYPE=FAX,WORK:x"_s,
                                                  u"TEL;TYPE=FAX,HOME:x"_s,
                                                  u"TEL;TYPE=VOICE:x"_s,
                                                  u"TEL;TYPE=PAGER:x"_s,
                                                  u"ADR;TYPE=WORK:;;x;x;x;x;x"_s,
                                                  u"LABEL;TYPE=WORK:x"_s,
                                                  u"ADR;TYPE=HOME:;;x;x;x;x;x"_s,
                                                  u"LABEL;TYPE=HOME:x"_s,
                                                  u"URL:x"_s,
                                                  u"URL;TYPE=HOME:x"_s,
                                                  u"EMAIL;TYPE=INTERNET,PREF:x"_s,
                                                  u"EMAIL;TYPE=INTERNET:x"_s,
                                                  u"EMAIL;TYPE=INTERNET:x"_s,
                                                  u"NOTE:x"_s,
                                                  u"BDAY:1990-12-31"_s,
                                                  u"X-EVOLUTION-ANNIVERSARY:1990-12-31"_s,
                                                  u"CATEGORIES:x"_s,
                                                  u"END:VCARD"_s});
        QTest::addRow("every line 4.0") << everyField(u"x"_s) << u"4.0"_s
                                        << lines({u"BEGIN:VCARD"_s,
                                                  u"VERSION:4.0"_s,
                                                  u"N:x;x;x;x;x"_s,
                                                  u"FN:x"_s,
                                                  u"NICKNAME:x"_s,
                                                  u"ORG:x;x"_s,
                                                  u"TITLE:x"_s,
                                                  u"TEL;TYPE=WORK,VOICE:x"_s,
                                                  u"TEL;TYPE=HOME,VOICE:x"_s,
                                                  u"TEL;TYPE=CELL,VOICE:x"_s,
                                                  u"TEL;TYPE=FAX,WORK:x"_s,
                                                  u"TEL;TYPE=FAX,HOME:x"_s,
                                                  u"TEL;TYPE=VOICE:x"_s,
                                                  u"TEL;TYPE=PAGER:x"_s,
                                                  u"ADR;TYPE=WORK;LABEL=\"x\":;;x;x;x;x;x"_s,
                                                  u"ADR;TYPE=HOME;LABEL=\"x\":;;x;x;x;x;x"_s,
                                                  u"URL:x"_s,
                                                  u"URL;TYPE=HOME:x"_s,
                                                  u"EMAIL;TYPE=INTERNET,PREF;PREF=1:x"_s,
                                                  u"EMAIL;TYPE=INTERNET:x"_s,
                                                  u"EMAIL;TYPE=INTERNET:x"_s,
                                                  u"NOTE:x"_s,
                                                  u"BDAY:19901231"_s,
                                                  u"ANNIVERSARY:19901231"_s,
                                                  u"CATEGORIES:x"_s,
                                                  u"END:VCARD"_s});

        // The newer fields one by one: the lines between FN and END.
        struct Row {
            const char* tag;
            ContactValues values;
            QString version;
            QStringList body;
        };
        const QString v21 = u"2.1"_s;
        const QString v30 = u"3.0"_s;
        const QString v40 = u"4.0"_s;
        const Row rows[] = {
            {"prefix and suffix",
             with({{&CV::Title, u"Dr."_s},
                   {&CV::Suffix, u"Jr."_s},
                   {&CV::LastName, u"Smith"_s},
                   {&CV::FirstName, u"Ann"_s}}),
             v21,
             {u"N:Smith;Ann;;Dr.;Jr."_s, u"FN:Ann Smith"_s}},
            {"prefix alone makes N",
             with({{&CV::Title, u"Dr."_s}}),
             v21,
             {u"N:;;;Dr.;"_s, u"FN: "_s}},
            {"3.0 always has N", ContactValues(), v30, {u"N:;;"_s, u"FN:"_s}},
            {"3.0 suffix escaped",
             with({{&CV::Suffix, u"Jr., PhD"_s}}),
             v30,
             {u"N:;;;;Jr.\\, PhD"_s, u"FN: "_s}},
            {"4.0 N has five components",
             with({{&CV::FirstName, u"Ann"_s}}),
             v40,
             {u"N:;Ann;;;"_s, u"FN:Ann "_s}},
            {"nickname escaped 3.0",
             with({{&CV::Nickname, u"Ace, the"_s}}),
             v30,
             {u"N:;;"_s, u"FN:"_s, u"NICKNAME:Ace\\, the"_s}},
            {"home fax 2.1",
             with({{&CV::HomeFaxNumber, u"555 0101"_s}}),
             v21,
             {u"FN:"_s, u"TEL;HOME;FAX:555 0101"_s}},
            {"home fax 4.0",
             with({{&CV::HomeFaxNumber, u"555 0101"_s}}),
             v40,
             {u"FN:"_s, u"TEL;TYPE=FAX,HOME:555 0101"_s}},
            {"other and pager 2.1",
             with({{&CV::OtherTelephoneNumber, u"1"_s}, {&CV::PagerNumber, u"2"_s}}),
             v21,
             {u"FN:"_s, u"TEL;VOICE:1"_s, u"TEL;PAGER:2"_s}},
            {"pager quoted-printable 2.1",
             with({{&CV::PagerNumber, u"1\n2"_s}}),
             v21,
             {u"FN:"_s, u"TEL;TYPE=PAGER;ENCODING=QUOTED-PRINTABLE:1=0D=0A2"_s}},
            {"personal page 2.1",
             with({{&CV::PersonalHomePage, u"http://a.example/"_s}}),
             v21,
             {u"FN:"_s, u"URL;HOME:http://a.example/"_s}},
            {"personal page 3.0",
             with({{&CV::PersonalHomePage, u"http://a.example/"_s}}),
             v30,
             {u"N:;;"_s, u"FN:"_s, u"URL;TYPE=HOME:http://a.example/"_s}},
            {"whole address alone is the street",
             with({{&CV::BusinessAddress, u"1 Main St, Pune"_s}}),
             v21,
             {u"FN:"_s, u"ADR;WORK:;;1 Main St\\, Pune;;;;"_s}},
            {"whole address alone 4.0",
             with({{&CV::HomeAddress, u"1 Main St\nPune"_s}}),
             v40,
             {u"FN:"_s, u"ADR;TYPE=HOME:;;1 Main St\\nPune;;;;"_s}},
            {"label beside the parts 2.1",
             with({{&CV::BusinessAddress, u"1 Main St\nPune"_s},
                   {&CV::BusinessAddressCity, u"Pune"_s}}),
             v21,
             {u"FN:"_s, u"ADR;WORK:;;;Pune;;;"_s,
              u"LABEL;TYPE=WORK;ENCODING=QUOTED-PRINTABLE:1 Main St=0D=0APune"_s}},
            {"label beside the parts 3.0",
             with({{&CV::HomeAddress, u"1 Main St; Flat 2\nPune"_s},
                   {&CV::HomeAddressCity, u"Pune"_s}}),
             v30,
             {u"N:;;"_s, u"FN:"_s, u"ADR;TYPE=HOME:;;;Pune;;;"_s,
              u"LABEL;TYPE=HOME:1 Main St\\; Flat 2\\nPune"_s}},
            {"label parameter 4.0",
             with({{&CV::HomeAddress, u"1 \"Main\" St^\r\nPune; IN"_s},
                   {&CV::HomeAddressCity, u"Pune"_s}}),
             v40,
             {u"FN:"_s, u"ADR;TYPE=HOME;LABEL=\"1 ^'Main^' St^^^nPune; IN\":;;;Pune;;;"_s}},
            {"several e-mails",
             with({{&CV::EmailAddress, u" a@x.example; b@x.example"_s},
                   {&CV::EmailAddress2, u"c@x.example,d@x.example\n"_s},
                   {&CV::EmailAddress3, u"e@x.example  f@x.example"_s}}),
             v21,
             {u"FN:"_s, u"EMAIL;PREF;INTERNET:a@x.example"_s, u"EMAIL;INTERNET:b@x.example"_s,
              u"EMAIL;INTERNET:c@x.example"_s, u"EMAIL;INTERNET:d@x.example"_s,
              u"EMAIL;INTERNET:e@x.example"_s, u"EMAIL;INTERNET:f@x.example"_s}},
            {"several e-mails 4.0",
             with({{&CV::EmailAddress, u"a@x.example,b@x.example"_s}}),
             v40,
             {u"FN:"_s, u"EMAIL;TYPE=INTERNET,PREF;PREF=1:a@x.example"_s,
              u"EMAIL;TYPE=INTERNET:b@x.example"_s}},
            {"e-mail of spaces as it is",
             with({{&CV::EmailAddress, u"   "_s}}),
             v21,
             {u"FN:"_s, u"EMAIL;PREF;INTERNET:   "_s}},
            {"categories split and escaped",
             with({{&CV::Categories, u" Friends ; Work,,Golf\\Club "_s}}),
             v21,
             {u"FN:"_s, u"CATEGORIES:Friends,Work,Golf\\\\Club"_s}},
            {"categories 3.0",
             with({{&CV::Categories, u"A;B"_s}}),
             v30,
             {u"N:;;"_s, u"FN:"_s, u"CATEGORIES:A,B"_s}},
            {"categories of separators only",
             with({{&CV::Categories, u" ;, "_s}}),
             v21,
             {u"FN:"_s}},
            {"birthday without a year 2.1",
             with({{&CV::Birthday, u"--12-31"_s}}),
             v21,
             {u"FN:"_s, u"BDAY;X-APPLE-OMIT-YEAR=1604:1604-12-31"_s}},
            {"birthday without a year 3.0",
             with({{&CV::Birthday, u"--02-29"_s}}),
             v30,
             {u"N:;;"_s, u"FN:"_s, u"BDAY;X-APPLE-OMIT-YEAR=1604:1604-02-29"_s}},
            {"birthday without a year 4.0",
             with({{&CV::Birthday, u"--12-31"_s}}),
             v40,
             {u"FN:"_s, u"BDAY:--1231"_s}},
            {"early year 4.0",
             with({{&CV::Birthday, u"0900-01-02"_s}}),
             v40,
             {u"FN:"_s, u"BDAY:09000102"_s}},
            {"anniversary 3.0",
             with({{&CV::Anniversary, u"2001-06-15"_s}}),
             v30,
             {u"N:;;"_s, u"FN:"_s, u"X-EVOLUTION-ANNIVERSARY:2001-06-15"_s}},
            {"anniversary without a year 4.0",
             with({{&CV::Anniversary, u"--06-15"_s}}),
             v40,
             {u"FN:"_s, u"ANNIVERSARY:--0615"_s}},
            {"a date not in the stored form writes nothing",
             with({{&CV::Birthday, u"31/12/1990"_s}, {&CV::Anniversary, u"1990-02-30"_s}}),
             v21,
             {u"FN:"_s}},
        };
        for (const Row& r : rows) {
            QTest::newRow(r.tag) << r.values << r.version
                                 << lines(QStringList{u"BEGIN:VCARD"_s, u"VERSION:"_s + r.version} +
                                          r.body + QStringList{u"END:VCARD"_s});
        }
    }
    void layout() {
        QFETCH(ContactValues, values);
        QFETCH(QString, version);
        QFETCH(QString, card);
        QCOMPARE(buildCard(values, parseVCardVersion(version).value()), card);
    }

    // Lines shaped by what the mapping feeds, whatever one row holds.
    void shapeFollowsTheMapping_data() {
        QTest::addColumn<ContactValues>("values");
        QTest::addColumn<CardLayout>("shape");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("body"); // the lines between VERSION and END

        CardLayout affixes;
        affixes.nameAffixes = true;
        CardLayout parts;
        parts.businessAddressParts = true;
        const ContactValues smith = with({{&CV::LastName, u"Smith"_s}});
        const ContactValues whole = with({{&CV::BusinessAddress, u"1 Main St"_s}});
        QTest::newRow("affixes mapped, blank, 2.1")
            << smith << affixes << u"2.1"_s << QStringList{u"N:Smith;;;;"_s, u"FN: Smith"_s};
        QTest::newRow("affixes not mapped 2.1")
            << smith << CardLayout() << u"2.1"_s << QStringList{u"N:Smith;;"_s, u"FN: Smith"_s};
        QTest::newRow("affixes mapped, blank, 3.0")
            << smith << affixes << u"3.0"_s << QStringList{u"N:Smith;;;;"_s, u"FN: Smith"_s};
        QTest::newRow("affixes mapped, no name 3.0")
            << ContactValues() << affixes << u"3.0"_s << QStringList{u"N:;;;;"_s, u"FN:"_s};
        QTest::newRow("affixes mapped, no name 2.1")
            << ContactValues() << affixes << u"2.1"_s << QStringList{u"FN:"_s};
        QTest::newRow("parts mapped, blank: label alone 2.1")
            << whole << parts << u"2.1"_s << QStringList{u"FN:"_s, u"LABEL;WORK:1 Main St"_s};
        QTest::newRow("parts mapped, blank: label alone 4.0")
            << whole << parts << u"4.0"_s
            << QStringList{u"FN:"_s, u"ADR;TYPE=WORK;LABEL=\"1 Main St\":;;;;;;"_s};
        QTest::newRow("home parts mapped: work text is the street") << whole << [] {
            CardLayout l;
            l.homeAddressParts = true;
            return l;
        }() << u"3.0"_s << QStringList{u"N:;;"_s, u"FN:"_s, u"ADR;TYPE=WORK:;;1 Main St;;;;"_s};
    }
    void shapeFollowsTheMapping() {
        QFETCH(ContactValues, values);
        QFETCH(CardLayout, shape);
        QFETCH(QString, version);
        QFETCH(QStringList, body);
        const QString card = buildCard(values, parseVCardVersion(version).value(), shape);
        QCOMPARE(card, lines(QStringList{u"BEGIN:VCARD"_s, u"VERSION:"_s + version} + body +
                             QStringList{u"END:VCARD"_s}));
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
        // The photo reaches the card read: a web address stands for it here.
        PhotoValue photo;
        photo.kind = PhotoValue::Kind::Uri;
        photo.uri = u"https://example.com/"_s + QString(v.Photo).remove(u'<').remove(u'>');
        const QString card = buildCard(v, VCardVersion::V30, cardLayoutOf(v), photo);
        if (kContactFields[size_t(row)].member == &ContactValues::Photo) {
            QVERIFY2(card.endsWith(u"\r\nPHOTO;VALUE=uri:"_s + photo.uri + u"\r\nEND:VCARD"_s),
                     qPrintable(card));
            return;
        }
        QVERIFY2(card.contains(marker(kContactFields[size_t(row)])), qPrintable(card));
        // A value reaches the card once: two fields must not share a line by mistake.
        QCOMPARE(card.count(marker(kContactFields[size_t(row)])), 1);
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
        // 3.0 cards carry an N line before FN.
        QCOMPARE(got.size(), version == u"3.0"_s ? 6 : 5);
        QCOMPARE(got.at(got.size() - 2), line);
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
        // An e-mail cell is split at line breaks; one that holds nothing else stays whole.
        *members[which] = which == 2 ? u"\n"_s : u"a\nb"_s;
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

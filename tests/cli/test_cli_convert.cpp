#include <QtTest>

using namespace Qt::StringLiterals;

#include "CliRun.h"

namespace {
QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
const QStringList kContactMappings = {
    u"-m"_s,    u"First name=FirstName"_s, u"-m"_s,           u"Last name=LastName"_s,
    u"--map"_s, u"Full name=FullName"_s,   u"-m"_s,           u"Phone=BusinessTelephoneNumber"_s,
    u"-m"_s,    u"Mobile=MobileNumber"_s,  u"--map-column"_s, u"H=Notes"_s};
} // namespace

class TestCliConvert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One contact sheet in four formats gives the same cards, byte for byte.
    void everyFormatGivesTheReferenceCards_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("version");
        const QStringList sheets = {u"contacts/contacts.csv"_s, u"contacts/contacts.xlsx"_s,
                                    u"contacts/contacts.ods"_s, u"xls/contacts-text-results.xls"_s};
        for (const QString& sheet : sheets) {
            for (const QString& version : {u"2.1"_s, u"3.0"_s, u"4.0"_s}) {
                QTest::addRow("%s %s", qPrintable(sheet.section(u'.', -1)), qPrintable(version))
                    << sheet << version;
            }
        }
    }
    void everyFormatGivesTheReferenceCards() {
        QFETCH(QString, sheet);
        QFETCH(QString, version);
        QTemporaryDir out;
        const CliRun r =
            runCli(kContactMappings + QStringList{u"--vcard-version"_s, version, u"--single-file"_s,
                                                  u"-o"_s, out.path(), fixture(sheet)});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.folder().startsWith(out.path() + u"/Brinmark_Excel_vCard_"_s),
                 qPrintable(r.out));
        QCOMPARE(QDir(r.folder()).entryList(QDir::Files), QStringList{u"All Contacts.vcf"_s});
        QCOMPARE(readBytes(r.folder() + u"/All Contacts.vcf"_s),
                 readBytes(fixture(u"contacts/expected-%1.vcf"_s.arg(version))));
        QCOMPARE(r.err, u"6 contacts written to vCard files.\n"_s);
    }

    // One file per contact, named after it; the blank row inside the data costs no contact.
    void oneFilePerContact() {
        QTemporaryDir out;
        const CliRun r =
            runCli(kContactMappings +
                   QStringList{u"-o"_s, out.path(), fixture(u"contacts/contacts.csv"_s)});
        QCOMPARE(r.code, 0);
        QStringList files = QDir(r.folder()).entryList(QDir::Files);
        files.sort();
        QStringList expected = {
            u"M\u00fcllerJos\u00e9_1.vcf"_s,         u"\u5c0f\u9f99\u674e_2.vcf"_s,
            u"O'BrienZo\u00eb \U0001F600_3.vcf"_s,   u"Smith  Jr \u00c5sa_4.vcf"_s,
            u"\u00d8stergaardFran\u00e7ois_5.vcf"_s, u"\u82b1\u5b50\u7530\u4e2d_6.vcf"_s};
        expected.sort();
        QCOMPARE(files, expected);
        // The files together hold the same cards as the single file.
        QByteArray all;
        const QStringList inRowOrder = {
            u"M\u00fcllerJos\u00e9_1.vcf"_s,         u"\u5c0f\u9f99\u674e_2.vcf"_s,
            u"O'BrienZo\u00eb \U0001F600_3.vcf"_s,   u"Smith  Jr \u00c5sa_4.vcf"_s,
            u"\u00d8stergaardFran\u00e7ois_5.vcf"_s, u"\u82b1\u5b50\u7530\u4e2d_6.vcf"_s};
        for (const QString& name : inRowOrder) {
            all += readBytes(r.folder() + u'/' + name);
        }
        QCOMPARE(all, readBytes(fixture(u"contacts/expected-2.1.vcf"_s)));
    }

    void duplicateHeadersFeedTheirOwnFields_data() {
        QTest::addColumn<QStringList>("maps");
        QTest::addRow("by header, in turn") << QStringList{u"-m"_s, u"Phone=HomeTelephoneNumber"_s,
                                                           u"-m"_s, u"Phone=MobileNumber"_s};
        QTest::addRow("by column letters") << QStringList{
            u"--map-column"_s, u"C=MobileNumber"_s, u"--map-column"_s, u"b=HomeTelephoneNumber"_s};
        QTest::addRow("mixed") << QStringList{u"--map-column"_s, u"C=MobileNumber"_s, u"-m"_s,
                                              u"Phone=HomeTelephoneNumber"_s};
    }
    void duplicateHeadersFeedTheirOwnFields() {
        QFETCH(QStringList, maps);
        QTemporaryDir out;
        const CliRun r =
            runCli(maps + QStringList{u"-m"_s, u"Name=LastName"_s, u"--single-file"_s, u"-o"_s,
                                      out.path(), fixture(u"conversion/duplicate-headers.csv"_s)});
        QCOMPARE(r.code, 0);
        const QByteArray cards = readBytes(r.folder() + u"/All Contacts.vcf"_s);
        QVERIFY2(
            cards.contains("N:Ann;;\r\nFN: Ann\r\nTEL;HOME;VOICE:111\r\nTEL;CELL;VOICE:222\r\n"),
            cards.constData());
        QVERIFY(cards.contains("TEL;HOME;VOICE:333\r\nTEL;CELL;VOICE:444\r\n"));
    }

    void headerTextsAreExact() {
        QTemporaryDir out;
        const CliRun r =
            runCli({u"-m"_s, u"a=b=Notes"_s, u"-m"_s, u" Name =FirstName"_s, u"--single-file"_s,
                    u"-o"_s, out.path(), fixture(u"conversion/awkward-headers.csv"_s)});
        QCOMPARE(r.code, 0);
        QCOMPARE(readBytes(r.folder() + u"/All Contacts.vcf"_s),
                 QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN:;Ann;\r\nFN:Ann \r\nNOTE:1\r\n"
                            "END:VCARD\r\n"));
    }

    void emptyEmailRows_data() {
        QTest::addColumn<bool>("allow");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("err");
        QTest::addRow("left out and counted")
            << false << 2
            << u"2 contacts written to vCard files.\n1 row was left out: an e-mail cell holds "
               "only spaces (--allow-empty-email keeps them).\n"_s;
        QTest::addRow("kept") << true << 3 << u"3 contacts written to vCard files.\n"_s;
    }
    void emptyEmailRows() {
        QFETCH(bool, allow);
        QFETCH(int, cards);
        QFETCH(QString, err);
        QTemporaryDir out;
        QStringList args = {u"-m"_s,
                            u"Name=LastName"_s,
                            u"-m"_s,
                            u"E-mail=EmailAddress"_s,
                            u"-o"_s,
                            out.path(),
                            fixture(u"conversion/empty-email.csv"_s)};
        if (allow) {
            args.prepend(u"--allow-empty-email"_s);
        }
        const CliRun r = runCli(args);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, err);
        QCOMPARE(QDir(r.folder()).entryList(QDir::Files).size(), cards);
    }

    void phoneNumbers_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QByteArray>("cards");
        QTest::addColumn<QString>("err");
        const auto cards = [](const char* annWork, const char* annCell, const char* bobWork,
                              const char* bobCell) {
            return QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:;Ann;\r\nFN:Ann \r\n"
                              "TEL;TYPE=WORK,VOICE:") +
                   annWork + "\r\nTEL;TYPE=CELL,VOICE:" + annCell +
                   "\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nN:;Bob;\r\nFN:Bob \r\n"
                   "TEL;TYPE=WORK,VOICE:" +
                   bobWork + "\r\nTEL;TYPE=CELL,VOICE:" + bobCell + "\r\nEND:VCARD\r\n";
        };
        const QString written = u"2 contacts written to vCard files.\n"_s;
        QTest::addRow("not asked for")
            << QStringList{u"--phone-region"_s, u"DE"_s} << QByteArray("C.UTF-8")
            << cards("030 5551000", "ask reception", "+1 (617) 555-0100 ext. 12", "0171 2345678")
            << written;
        QTest::addRow("international, region in lower case")
            << QStringList{u"--phone-format"_s, u"international"_s, u"--phone-region"_s, u"de"_s}
            << QByteArray("C.UTF-8")
            << cards("+49 30 5551000", "ask reception", "+1 617-555-0100 ext. 12",
                     "+49 171 2345678")
            << written + u"1 phone number was left as it was (row 2: \"ask reception\")\n"_s;
        QTest::addRow("e164, region from the locale")
            << QStringList{u"--phone-format"_s, u"e164"_s} << QByteArray("de_DE.UTF-8")
            << cards("+49305551000", "ask reception", "+16175550100 ext. 12", "+491712345678")
            << written + u"1 phone number was left as it was (row 2: \"ask reception\")\n"_s;
        QTest::addRow("locale without a country: numbers with a code only")
            << QStringList{u"--phone-format"_s, u"e164"_s} << QByteArray("C.UTF-8")
            << cards("030 5551000", "ask reception", "+16175550100 ext. 12", "0171 2345678")
            << written + u"3 phone numbers were left as they were (row 2: \"030 5551000\")\n"_s;
    }
    void phoneNumbers() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, locale);
        QFETCH(QByteArray, cards);
        QFETCH(QString, err);
        // The messages stay English to be compared; Qt takes the country from LANGUAGE when
        // it is set, so it names the locale's.
        const QByteArray saved = qgetenv("LC_ALL");
        qputenv("LC_ALL", locale);
        qputenv("LANGUAGE", locale.startsWith("de_DE") ? "en_DE" : "en");
        QTemporaryDir out;
        const CliRun r = runCli(
            options +
            QStringList{u"-m"_s, u"Name=FirstName"_s, u"-m"_s, u"Phone=BusinessTelephoneNumber"_s,
                        u"-m"_s, u"Mobile=MobileNumber"_s, u"--single-file"_s, u"--vcard-version"_s,
                        u"3.0"_s, u"-o"_s, out.path(), fixture(u"conversion/phones.csv"_s)});
        qputenv("LC_ALL", saved);
        qunsetenv("LANGUAGE");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, err);
        QCOMPARE(readBytes(r.folder() + u"/All Contacts.vcf"_s), cards);
    }

    // Without --vcard-version a target writes its own; the report names it.
    void targets_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("err");
        QTest::addRow("generic") << QStringList{} << QByteArray("2.1")
                                 << u"2 contacts written to vCard files.\n"_s;
        QTest::addRow("google")
            << QStringList{u"--target"_s, u"google"_s} << QByteArray("3.0")
            << u"2 contacts written to vCard files.\nThe cards are made for import into Google "
               "Contacts.\n"_s;
        QTest::addRow("apple with its own version")
            << QStringList{u"--target"_s, u"apple"_s, u"--vcard-version"_s, u"3.0"_s}
            << QByteArray("3.0")
            << u"2 contacts written to vCard files.\nThe cards are made for import into Apple "
               "Contacts.\n"_s;
        QTest::addRow("android 3.0")
            << QStringList{u"--target"_s, u"android"_s, u"--vcard-version"_s, u"3.0"_s}
            << QByteArray("3.0")
            << u"2 contacts written to vCard files.\nThe cards are made for import into "
               "Android.\n"_s;
    }
    void targets() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, version);
        QFETCH(QString, err);
        QTemporaryDir out;
        const CliRun r =
            runCli(options + QStringList{u"-m"_s, u"Name=FirstName"_s, u"--single-file"_s, u"-o"_s,
                                         out.path(), fixture(u"conversion/phones.csv"_s)});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, err);
        QCOMPARE(readBytes(r.folder() + u"/All Contacts.vcf"_s),
                 "BEGIN:VCARD\r\nVERSION:" + version +
                     "\r\nN:;Ann;\r\nFN:Ann \r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nVERSION:" +
                     version + "\r\nN:;Bob;\r\nFN:Bob \r\nEND:VCARD\r\n");
    }

    // Text dates are read in the order given; those that cannot be read are counted on
    // standard error, and the cards are written all the same.
    void dateOrder_data() {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("cards");
        QTest::addRow("DMY")
            << u"DMY"_s
            << u"3 contacts written to vCard files.\n2 birthdays could not be read "
               "as dates (row 3: \"12/31/1990\")\n"_s
            << u"BDAY:1990-12-31|-|-"_s;
        QTest::addRow("MDY")
            << u"MDY"_s
            << u"3 contacts written to vCard files.\n2 birthdays could not be read "
               "as dates (row 2: \"31/12/1990\")\n"_s
            << u"-|BDAY:1990-12-31|-"_s;
    }
    void dateOrder() {
        QFETCH(QString, order);
        QFETCH(QString, err);
        QFETCH(QString, cards);
        QTemporaryDir out;
        const CliRun r = runCli({u"-m"_s, u"Name=FullName"_s, u"-m"_s, u"Born=Birthday"_s,
                                 u"--date-order"_s, order, u"--single-file"_s, u"-o"_s, out.path(),
                                 fixture(u"conversion/birthdays.csv"_s)});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, err);
        QStringList birthdays;
        const QString all = QString::fromUtf8(readBytes(r.folder() + u"/All Contacts.vcf"_s));
        for (const QString& card : all.split(u"END:VCARD\r\n"_s, Qt::SkipEmptyParts)) {
            const qsizetype at = card.indexOf(u"BDAY"_s);
            birthdays.append(at < 0 ? u"-"_s : card.mid(at).section(u"\r\n"_s, 0, 0));
        }
        QCOMPARE(birthdays.join(u'|'), cards);
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString sheet = fixture(u"contacts/contacts.csv"_s);
        QTest::addRow("no mapping") << QStringList{sheet} << 2 << u"Map at least one column"_s;
        QTest::addRow("unknown field") << QStringList{u"-m"_s, u"Phone=Phone"_s, sheet} << 2
                                       << u"Unknown field \u201CPhone\u201D"_s;
        QTest::addRow("field in other case")
            << QStringList{u"-m"_s, u"Phone=notes"_s, sheet} << 2 << u"Unknown field"_s;
        QTest::addRow("field mapped twice")
            << QStringList{u"-m"_s, u"Phone=Notes"_s, u"-m"_s, u"Mobile=Notes"_s, sheet} << 2
            << u"The field \u201CNotes\u201D is mapped twice."_s;
        QTest::addRow("header not in the sheet")
            << QStringList{u"-m"_s, u"phone=Notes"_s, sheet} << 2
            << u"The header \u201Cphone\u201D is not in the sheet"_s;
        QTest::addRow("header mapped more often than it stands")
            << QStringList{u"-m"_s, u"Phone=Notes"_s, u"-m"_s, u"Phone=MobileNumber"_s, sheet} << 2
            << u"mapped more often"_s;
        QTest::addRow("column past the headers")
            << QStringList{u"--map-column"_s, u"I=Notes"_s, sheet} << 2
            << u"There is no header column \u201CI\u201D"_s;
        QTest::addRow("column mapped twice")
            << QStringList{u"--map-column"_s, u"A=Notes"_s, u"--map-column"_s, u"a=FirstName"_s,
                           sheet}
            << 2 << u"The column A is mapped twice."_s;
        QTest::addRow("not a mapping")
            << QStringList{u"-m"_s, u"Phone"_s, sheet} << 2 << u"A mapping reads HEADER=FIELD"_s;
        QTest::addRow("bad version")
            << QStringList{u"--vcard-version"_s, u"3"_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 2
            << u"The vCard version is 2.1, 3.0 or 4.0"_s;
        QTest::addRow("unknown phone format")
            << QStringList{u"--phone-format"_s, u"national"_s, u"-m"_s, u"Phone=Notes"_s, sheet}
            << 2 << u"The phone format is e164 or international, not \u201Cnational\u201D."_s;
        QTest::addRow("unknown phone region")
            << QStringList{u"--phone-region"_s, u"XX"_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 2
            << u"The phone region is a two-letter country code such as US or DE, not "
               "\u201CXX\u201D."_s;
        QTest::addRow("phone region of three letters")
            << QStringList{u"--phone-region"_s, u"DEU"_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 2
            << u"not \u201CDEU\u201D"_s;
        QTest::addRow("outlook with one file")
            << QStringList{u"--target"_s, u"outlook"_s,     u"--single-file"_s,
                           u"-m"_s,       u"Phone=Notes"_s, sheet}
            << 2
            << u"--target outlook takes one contact a file; --single-file cannot be used "
               "with it."_s;
        QTest::addRow("android with 4.0")
            << QStringList{u"--target"_s,    u"android"_s, u"--vcard-version"_s, u"4.0"_s, u"-m"_s,
                           u"Phone=Notes"_s, sheet}
            << 2 << u"--target android cannot read vCard 4.0."_s;
        QTest::addRow("apple with another version")
            << QStringList{u"--vcard-version"_s, u"2.1"_s, u"--target"_s, u"apple"_s, u"-m"_s,
                           u"Phone=Notes"_s,     sheet}
            << 2
            << u"--target apple writes vCard 3.0; --vcard-version 2.1 cannot be used with it."_s;
        QTest::addRow("outlook with another version")
            << QStringList{u"--target"_s,    u"outlook"_s, u"--vcard-version"_s, u"3.0"_s, u"-m"_s,
                           u"Phone=Notes"_s, sheet}
            << 2 << u"--target outlook writes vCard 2.1"_s;
        QTest::addRow("unknown target")
            << QStringList{u"--target"_s, u"Apple"_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 2
            << u"The target is one of generic|outlook|apple|google|android, not \u201CApple\u201D."_s;
        QTest::addRow("bad date order")
            << QStringList{u"--date-order"_s, u"D/M/Y"_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 2
            << u"The date order is DMY, MDY or YMD, not \u201CD/M/Y\u201D."_s;
        QTest::addRow("unreadable sheet")
            << QStringList{u"-m"_s, u"Phone=Notes"_s, u"/nonexistent/c.xlsx"_s} << 2
            << u"\u201Cc.xlsx\u201D cannot be read: the file does not exist."_s;
        QTest::addRow("empty save location")
            << QStringList{u"-o"_s, u" "_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 2
            << u"Please Choose Saving Location."_s;
        QTest::addRow("save location missing")
            << QStringList{u"-o"_s, u"/nonexistent-e2v"_s, u"-m"_s, u"Phone=Notes"_s, sheet} << 1
            << u"The folder \u201C/nonexistent-e2v/Brinmark_Excel_vCard_"_s;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        const CliRun r = runCli(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    void helpDescribesEveryOption() {
        const CliRun r = runCli({u"--help"_s});
        QCOMPARE(r.code, 0);
        for (const QString& option :
             {u"--map"_s, u"--map-column"_s, u"--vcard-version"_s, u"--single-file"_s,
              u"--allow-empty-email"_s, u"--phone-format"_s, u"--phone-region"_s, u"--target"_s,
              u"--date-order"_s, u"--output"_s, u"--list-headers"_s, u"Exit status"_s,
              u"BusinessTelephoneNumber"_s}) {
            QVERIFY2(r.out.contains(option), qPrintable(option));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliConvert)
#include "test_cli_convert.moc"

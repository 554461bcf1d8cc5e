// --auto-map, --suggest-mapping, --mapping-file and --save-mapping.

#include <QtTest>

using namespace Qt::StringLiterals;

#include "CliRun.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kContacts = u"contacts/contacts.csv"_s;

} // namespace

class TestCliMapping : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The printed mapping: column letters, header, field, in column order; pairs given
    // by hand or by a file come first and are printed with the rest.
    void suggestMapping_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("mappingFile");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        QTest::addRow("German list")
            << u"headers/handmade-de.csv"_s << QStringList{} << QByteArray()
            << u"B\tAnrede\tTitle\nC\tVorname\tFirstName\nD\tName\tLastName\nE\tFirma\tCompany\n"
               "F\tStra\u00dfe\tHomeAddressStreet\nG\tPLZ\tHomeAddressPostalCode\n"
               "H\tOrt\tHomeAddressCity\nI\tTelefon\tHomeTelephoneNumber\nJ\tHandy\tMobileNumber\n"
               "K\tE-Mail\tEmailAddress\nL\tGeburtstag\tBirthday\nM\tBemerkungen\tNotes\n"_s
            << QString();
        QTest::addRow("pairs by hand win")
            << kContacts
            << QStringList{u"--map-column"_s, u"H=FullName"_s, u"-m"_s, u"Phone=MobileNumber"_s}
            << QByteArray()
            << u"A\tFirst name\tFirstName\nB\tLast name\tLastName\nD\tPhone\tMobileNumber\n"
               "H\tNotes\tFullName\n"_s
            << QString();
        QTest::addRow("mapping file, then the rest")
            << kContacts << QStringList{} << QByteArray(R"({"format": 1, "pairs": [
                   {"header": "Mobile", "column": "E", "field": "BusinessTelephoneNumber"},
                   {"header": "Rating", "column": "F", "field": "Notes"},
                   {"header": "Fax", "column": "I", "field": "BusinessFaxNumber"}]})")
            << u"A\tFirst name\tFirstName\nB\tLast name\tLastName\nC\tFull name\tFullName\n"
               "D\tPhone\tHomeTelephoneNumber\nE\tMobile\tBusinessTelephoneNumber\n"
               "F\tRating\tNotes\n"_s
            << u"Warning: 1 of 3 pairs of the mapping file were left out:\n"
               "  \u201CFax\u201D (column I) \u2192 BusinessFaxNumber: the header is not in this "
               "sheet\n"_s;
        QTest::addRow("nothing recognised")
            << u"csv/ragged-rows.csv"_s << QStringList{} << QByteArray() << QString()
            << u"No column is mapped: no pair of the mapping fits the sheet and no header was "
               "recognised (see --list-headers).\n"_s;
    }
    void suggestMapping() {
        QFETCH(QString, sheet);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, mappingFile);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        if (!mappingFile.isEmpty()) {
            writeBytes(dir.filePath(u"m.json"_s), mappingFile);
            args << u"--mapping-file"_s << dir.filePath(u"m.json"_s);
        }
        const CliRun r = runCli(args + QStringList{u"--suggest-mapping"_s, fixture(sheet)});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
        // Nothing converted: no folder in the default place or anywhere else was reported.
        QVERIFY(!r.out.contains(u"Brinmark_Excel_vCard_"_s));
    }

    // --auto-map converts with the very pairs --suggest-mapping prints; the mapping it saves
    // gives the same cards when loaded, and is the file --suggest-mapping saves.
    void autoMapSaveAndLoadAgree() {
        QTemporaryDir dir;
        const QString sheet = fixture(kContacts);
        const QString suggested = dir.filePath(u"suggested.json"_s);
        const CliRun s = runCli({u"--suggest-mapping"_s, u"--save-mapping"_s, suggested, sheet});
        QCOMPARE(s.code, 0);
        QStringList byHand;
        for (const QString& line : s.out.split(u'\n', Qt::SkipEmptyParts)) {
            byHand << u"--map-column"_s
                   << line.section(u'\t', 0, 0) + u'=' + line.section(u'\t', 2);
        }
        QCOMPARE(byHand.size(), 12);

        const QString saved = dir.filePath(u"saved.json"_s);
        const CliRun automatic = runCli({u"--auto-map"_s, u"--save-mapping"_s, saved,
                                         u"--single-file"_s, u"-o"_s, dir.path(), sheet});
        QCOMPARE(automatic.code, 0);
        QCOMPARE(automatic.err, u"6 contacts written to vCard files.\n"_s);
        const QByteArray cards = readBytes(automatic.folder() + u"/All Contacts.vcf"_s);
        QVERIFY(cards.startsWith("BEGIN:VCARD"));
        QCOMPARE(readBytes(saved), readBytes(suggested));

        QTemporaryDir second;
        const CliRun manual =
            runCli(byHand + QStringList{u"--single-file"_s, u"-o"_s, second.path(), sheet});
        QCOMPARE(manual.code, 0);
        QCOMPARE(readBytes(manual.folder() + u"/All Contacts.vcf"_s), cards);

        QTemporaryDir third;
        const CliRun loaded =
            runCli({u"--mapping-file"_s, saved, u"--single-file"_s, u"-o"_s, third.path(), sheet});
        QCOMPARE(loaded.code, 0);
        QCOMPARE(loaded.err, u"6 contacts written to vCard files.\n"_s);
        QCOMPARE(readBytes(loaded.folder() + u"/All Contacts.vcf"_s), cards);
    }

    // A file that cannot be used, or a mapping that cannot be saved, stops the run before any
    // card is written; pairs left out of a usable file only warn.
    void mappingFileOutcomes_data() {
        QTest::addColumn<QByteArray>("mappingFile");
        QTest::addColumn<bool>("saveToMissingFolder");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");

        QTest::addRow("not JSON") << QByteArray("Phone=MobileNumber\n") << false << 2
                                  << u"is not a mapping this program can load: it is not JSON"_s;
        QTest::addRow("later format")
            << QByteArray(R"({"format": 2, "pairs": []})") << false << 2
            << u"it is written in format 2; this version reads format 1."_s;
        QTest::addRow("pair without field")
            << QByteArray(R"({"format": 1, "pairs": [{"header": "Phone"}]})") << false << 2
            << u"pair 1 has no \u201Cfield\u201D name"_s;
        QTest::addRow("no pair fits")
            << QByteArray(R"({"format": 1, "pairs": [{"header": "Fax", "field": "Notes"}]})")
            << false << 2 << u"No column is mapped"_s;
        QTest::addRow("some pairs fit")
            << QByteArray(R"({"format": 1, "pairs": [{"header": "Fax", "field": "Notes"},
                                                      {"header": "Phone", "field": "Notes"}]})")
            << false << 0 << u"\u201CFax\u201D \u2192 Notes: the header is not in this sheet"_s;
        QTest::addRow("mapping cannot be saved")
            << QByteArray(R"({"format": 1, "pairs": [{"header": "Phone", "field": "Notes"}]})")
            << true << 1 << u"cannot be written"_s;
    }
    void mappingFileOutcomes() {
        QFETCH(QByteArray, mappingFile);
        QFETCH(bool, saveToMissingFolder);
        QFETCH(int, code);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"m.json"_s);
        writeBytes(path, mappingFile);
        QTemporaryDir out;
        QStringList args = {u"--mapping-file"_s, path, u"-o"_s, out.path()};
        if (saveToMissingFolder) {
            args << u"--save-mapping"_s << dir.filePath(u"missing/saved.json"_s);
        }
        const CliRun r = runCli(args + QStringList{fixture(kContacts)});
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        const QStringList folders = QDir(out.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), code == 0 ? 1 : 0);
    }

    void missingMappingFileExits2() {
        QTemporaryDir out;
        const CliRun r = runCli({u"--mapping-file"_s, u"/nonexistent/m.json"_s, u"-o"_s, out.path(),
                                 fixture(kContacts)});
        QCOMPARE(r.code, 2);
        QVERIFY2(
            r.err.contains(u"The mapping file \u201C/nonexistent/m.json\u201D cannot be read"_s),
            qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliMapping)
#include "test_cli_mapping.moc"

// Saved mappings: the file written and read back, applied to sheets that differ from the one
// it was saved from, and files that cannot be used.

#include "FieldMapping.h"
#include "MappingFile.h"
#include "WizardState.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

WizardState stateWithHeaders(const QStringList& headers) {
    WizardState s;
    for (int i = 0; i < headers.size(); ++i) {
        s.headerNames[size_t(i)] = headers.at(i);
        s.columnNames[size_t(i)] = QString(QChar(u'A' + i));
    }
    s.headerCount = qint32(headers.size());
    return s;
}

// The state's mapping list as "Header@Column=Field" lines.
QStringList pairTexts(const WizardState& s) {
    QStringList texts;
    for (qint32 k = 0; k < s.mappingCount; ++k) {
        const size_t i = size_t(k);
        texts.append(s.mappedHeaders[i] + u'@' + QChar(u'A' + s.mappedColumns[i]) + u'=' +
                     s.mappedFields[i]);
    }
    return texts;
}

// "Header@C=Field" (the column may be left out: "Header=Field").
SavedPair savedPair(const QString& text) {
    const QString key = text.section(u'=', 0, 0);
    return {key.section(u'@', 0, 0), key.section(u'@', 1), text.section(u'=', 1)};
}

} // namespace

class TestMappingFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A mapping saved and loaded again on the same sheet is the same mapping, columns headed
    // alike included.
    void saveThenLoadGivesTheSameMapping() {
        WizardState s = stateWithHeaders(
            {u"Name"_s, u"Mail \"work\""_s, u"Phone"_s, u"Mail \"work\""_s, u"Straße"_s});
        MappingModel m(s);
        m.fillMappingChoices();
        QCOMPARE(int(m.add(3, u"EmailAddress2"_s)), int(MappingMessage::None)); // the second Mail
        QCOMPARE(int(m.add(0, u"FullName"_s)), int(MappingMessage::None));
        QCOMPARE(int(m.add(2, u"HomeAddressStreet"_s)), int(MappingMessage::None));
        QCOMPARE(int(m.add(0, u"EmailAddress"_s)), int(MappingMessage::None)); // the first Mail
        const QStringList saved = pairTexts(s);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"mapping.json"_s);
        QVERIFY(writeMappingFile(path, savedPairs(s)));
        const MappingFileRead read = readMappingFile(path);
        QVERIFY2(read.status, qPrintable(read.status.message()));
        QCOMPARE(read.pairs.size(), 4);
        QCOMPARE(read.pairs.first(), (SavedPair{u"Mail \"work\""_s, u"D"_s, u"EmailAddress2"_s}));

        WizardState again = stateWithHeaders(
            {u"Name"_s, u"Mail \"work\""_s, u"Phone"_s, u"Mail \"work\""_s, u"Straße"_s});
        MappingModel loaded(again);
        loaded.fillMappingChoices();
        QCOMPARE(int(loaded.add(2, u"Notes"_s)), int(MappingMessage::None));
        const AppliedMapping result = loaded.applySaved(read.pairs);
        QVERIFY(result.notApplied.isEmpty());
        QVERIFY(notAppliedText(result).isEmpty());
        // Loading replaces the list; the choices are what is left of it.
        QCOMPARE(pairTexts(again), saved);
        QCOMPARE(loaded.headerChoices(), (QList<HeaderChoice>{{u"Phone"_s, 2}}));
        QCOMPARE(loaded.fieldChoices().size(), kCatalogueSize - 4);
    }

    // What a saved mapping gives on another sheet: moved columns are found by their header,
    // headers alike by their letters, and what does not fit is named.
    void applyToAnotherSheet_data() {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QStringList>("applied");
        QTest::addColumn<QStringList>("notApplied");

        QTest::addRow("columns moved")
            << QStringList{u"Mail"_s, u"Name"_s}
            << QStringList{u"Name@A=FullName"_s, u"Mail@B=EmailAddress"_s}
            << QStringList{u"Name@B=FullName"_s, u"Mail@A=EmailAddress"_s} << QStringList{};
        QTest::addRow("headers alike, by their letters")
            << QStringList{u"Tel"_s, u"X"_s, u"Tel"_s, u"Tel"_s}
            << QStringList{u"Tel@D=MobileNumber"_s, u"Tel@A=HomeTelephoneNumber"_s}
            << QStringList{u"Tel@D=MobileNumber"_s, u"Tel@A=HomeTelephoneNumber"_s}
            << QStringList{};
        QTest::addRow("headers alike, letters gone: leftmost free")
            << QStringList{u"Tel"_s, u"Tel"_s}
            << QStringList{u"Tel@F=MobileNumber"_s, u"Tel=HomeTelephoneNumber"_s, u"Tel@A=Notes"_s}
            << QStringList{u"Tel@A=MobileNumber"_s, u"Tel@B=HomeTelephoneNumber"_s}
            << QStringList{u"Tel: mapped already"_s};
        QTest::addRow("headers missing")
            << QStringList{u"Name"_s, u"Mail"_s}
            << QStringList{u"Fax@C=BusinessFaxNumber"_s, u"Name@A=FullName"_s, u"name@A=Notes"_s}
            << QStringList{u"Name@A=FullName"_s}
            << QStringList{u"Fax: not in sheet"_s, u"name: not in sheet"_s};
        QTest::addRow("unknown and repeated fields")
            << QStringList{u"Name"_s, u"Mail"_s, u"Born"_s}
            << QStringList{u"Born@C=Birthdate"_s, u"Name@A=FullName"_s, u"Mail@B=FullName"_s}
            << QStringList{u"Name@A=FullName"_s}
            << QStringList{u"Born: unknown field"_s, u"Mail: mapped already"_s};
    }
    void applyToAnotherSheet() {
        QFETCH(QStringList, headers);
        QFETCH(QStringList, saved);
        QFETCH(QStringList, applied);
        QFETCH(QStringList, notApplied);
        QList<SavedPair> pairs;
        for (const QString& text : saved) {
            pairs.append(savedPair(text));
        }
        WizardState s = stateWithHeaders(headers);
        MappingModel m(s);
        m.fillMappingChoices();
        const AppliedMapping result = m.applySaved(pairs);

        QCOMPARE(pairTexts(s), applied);
        QCOMPARE(result.applied.size(), applied.size());
        QStringList left;
        for (const AppliedMapping::Left& l : result.notApplied) {
            const char* why = l.reason == AppliedMapping::Reason::HeaderNotInSheet ? "not in sheet"
                              : l.reason == AppliedMapping::Reason::UnknownField   ? "unknown field"
                                                                                 : "mapped already";
            left.append(l.pair.header + u": "_s + QLatin1StringView(why));
        }
        QCOMPARE(left, notApplied);
        // The message names every pair left out, one a line.
        const QString text = notAppliedText(result);
        QCOMPARE(text.isEmpty() ? 0 : text.count(u'\n') + 1, notApplied.size());
        for (const AppliedMapping::Left& l : result.notApplied) {
            QVERIFY2(text.contains(u"\u201C"_s + l.pair.header + u"\u201D"_s), qPrintable(text));
            QVERIFY2(text.contains(l.pair.field), qPrintable(text));
        }
    }

    // Files that cannot be used give a message saying why and no pairs.
    void unusableFiles_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("says");
        QTest::addRow("not JSON") << QByteArray("header,field\nName,FullName\n") << u"not JSON"_s;
        QTest::addRow("cut short") << QByteArray(R"({"format": 1, "pairs": [)") << u"not JSON"_s;
        QTest::addRow("a list") << QByteArray("[]") << u"no JSON object"_s;
        QTest::addRow("empty object") << QByteArray("{}") << u"\u201Cformat\u201D"_s;
        QTest::addRow("format as text")
            << QByteArray(R"({"format": "1", "pairs": []})") << u"\u201Cformat\u201D"_s;
        QTest::addRow("later format")
            << QByteArray(R"({"format": 2, "pairs": []})") << u"format 2"_s;
        QTest::addRow("no pairs") << QByteArray(R"({"format": 1})") << u"\u201Cpairs\u201D"_s;
        QTest::addRow("pairs not a list")
            << QByteArray(R"({"format": 1, "pairs": {"header": "A"}})") << u"\u201Cpairs\u201D"_s;
        QTest::addRow("pair not an object")
            << QByteArray(R"({"format": 1, "pairs": [["Name", "A", "FullName"]]})") << u"pair 1 "_s;
        QTest::addRow("header missing")
            << QByteArray(R"({"format": 1, "pairs": [{"header": "N", "field": "FullName"},
                                                      {"field": "Notes"}]})")
            << u"pair 2 has no \u201Cheader\u201D"_s;
        QTest::addRow("header a number")
            << QByteArray(R"({"format": 1, "pairs": [{"header": 7, "field": "Notes"}]})")
            << u"pair 1 has no \u201Cheader\u201D"_s;
        QTest::addRow("field empty")
            << QByteArray(R"({"format": 1, "pairs": [{"header": "N", "field": ""}]})")
            << u"pair 1 has no \u201Cfield\u201D"_s;
        QTest::addRow("column not letters")
            << QByteArray(
                   R"({"format": 1, "pairs": [{"header": "N", "column": "1A", "field": "Notes"}]})")
            << u"pair 1 has a \u201Ccolumn\u201D"_s;
        QTest::addRow("column a number")
            << QByteArray(
                   R"({"format": 1, "pairs": [{"header": "N", "column": 3, "field": "Notes"}]})")
            << u"pair 1 has a \u201Ccolumn\u201D"_s;
    }
    void unusableFiles() {
        QFETCH(QByteArray, json);
        QFETCH(QString, says);
        const MappingFileRead parsed = parseMappingFile(json);
        QVERIFY(!parsed.status);
        QVERIFY2(parsed.status.message().contains(says), qPrintable(parsed.status.message()));
        QVERIFY(parsed.pairs.isEmpty());

        QTemporaryDir dir;
        const QString path = dir.filePath(u"bad.json"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        const MappingFileRead read = readMappingFile(path);
        QVERIFY(!read.status);
        QVERIFY(read.status.message().contains(path));
        QVERIFY(read.status.message().contains(says));
    }

    void missingAndUnwritableFiles() {
        QTemporaryDir dir;
        const MappingFileRead read = readMappingFile(dir.filePath(u"none.json"_s));
        QVERIFY(!read.status);
        QVERIFY(read.status.message().contains(u"none.json"_s));
        const Status written = writeMappingFile(dir.filePath(u"no/such/folder/m.json"_s),
                                                {{u"A"_s, u"A"_s, u"Notes"_s}});
        QVERIFY(!written);
        QVERIFY(written.message().contains(u"m.json"_s));
    }

    // A file written by hand may leave the column out and write it in small letters.
    void handWrittenFile() {
        const MappingFileRead read = parseMappingFile(
            R"({"format": 1.0, "pairs": [{"header": "Mail", "field": "EmailAddress"},
                                         {"header": "Tel", "column": "ab", "field": "Notes"}],
                "comment": "mine"})");
        QVERIFY2(read.status, qPrintable(read.status.message()));
        QCOMPARE(read.pairs, (QList<SavedPair>{{u"Mail"_s, QString(), u"EmailAddress"_s},
                                               {u"Tel"_s, u"AB"_s, u"Notes"_s}}));
    }
};

QTEST_MAIN(TestMappingFile)
#include "test_mappingfile.moc"

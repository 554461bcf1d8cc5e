#include "CellAddress.h"
#include "Limits.h"
#include "TextDecoding.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using Rows = QList<QStringList>;

namespace {
QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/csv/") + name;
}

QString writeTemp(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        return QString();
    }
    return path;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (const int v : values) {
        b.append(char(v));
    }
    return b;
}
} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every cell of the fixture, read through the A1 interface, is the expected verbatim text;
    // an expected empty text is an empty cell, and there are no cells beyond the expected ones.
    void readsFixture_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Rows>("rows");
        QTest::addRow("UTF-8 BOM not part of the first header")
            << u"bom-utf8.csv"_s
            << Rows{{u"First Name"_s, u"Last Name"_s, u"City"_s},
                    {u"Ren\u00e9e"_s, u"M\u00fcller"_s, u"K\u00f6ln"_s}};
        const Rows utf16{{u"Name"_s, u"E-mail"_s, u"Note"_s},
                         {u"Zo\u00eb"_s, u"zoe@example.com"_s, u"\U0001F600 ok"_s}};
        QTest::addRow("UTF-16 LE, tabs, a pair of surrogates") << u"bom-utf16le.csv"_s << utf16;
        QTest::addRow("UTF-16 BE") << u"bom-utf16be.csv"_s << utf16;
        QTest::addRow("Windows-1252, 0x80-0x9F and undefined bytes")
            << u"windows-1252.csv"_s
            << Rows{{u"Name"_s, u"Price"_s, u"Note"_s},
                    {u"Jos\u00e9"_s, u"\u20ac 5"_s, u"\u201cquoted\u201d \u2019s"_s},
                    {u"Undefined"_s, u"\u0081\u008d\u008f\u0090\u009d"_s, u"\u0160\u0178"_s}};
        QTest::addRow("UTF-8 without BOM")
            << u"utf8-no-bom.csv"_s
            << Rows{{u"Name"_s, u"City"_s},
                    {u"Jos\u00e9 \u00c5berg"_s, u"S\u00e3o Paulo \u20ac"_s}};
        QTest::addRow("overlong form: whole file as Windows-1252")
            << u"utf8-overlong.csv"_s
            << Rows{{u"Name"_s, u"Path"_s}, {u"a\u00c0\u00afb"_s, u"caf\u00c3\u00a9"_s}};
        QTest::addRow("encoded surrogate: whole file as Windows-1252")
            << u"utf8-surrogate.csv"_s << Rows{{u"Name"_s}, {u"x\u00ed\u00a0\u20acy"_s}};
        QTest::addRow("semicolons, decimal commas, quoted semicolon")
            << u"semicolon-excel-de.csv"_s
            << Rows{{u"Vorname"_s, u"Nachname"_s, u"Betrag"_s, u"Stra\u00dfe"_s},
                    {u"J\u00fcrgen"_s, u"Wei\u00df"_s, u"3,50"_s,
                     u"Hauptstra\u00dfe 1; Hinterhaus"_s},
                    {u"Anna"_s, u"Schmidt"_s, u"1.234,00"_s, u"Ring 2"_s}};
        QTest::addRow("tabs beat consistent but fewer commas")
            << u"tab-delimited.csv"_s
            << Rows{{u"Name"_s, u"Phone"_s, u"City, State"_s},
                    {u"Ann"_s, u"555-0100"_s, u"Austin, TX"_s}};
        QTest::addRow("sep= line names the delimiter and is no row")
            << u"sep-line.csv"_s << Rows{{u"Name"_s, u"Note"_s}, {u"Ann"_s, u"a,b;c"_s}};
        QTest::addRow("sep= with a non-ASCII character")
            << u"sep-line-non-ascii.csv"_s << Rows{{u"Name"_s, u"Note"_s}, {u"Ann"_s, u"a,b"_s}};
        QTest::addRow("line breaks and doubled quotes inside quotes kept exactly")
            << u"quoted-line-breaks.csv"_s
            << Rows{{u"Name"_s, u"Address"_s, u"Quote"_s},
                    {u"Ann"_s, u"1 Main St\r\nSpringfield"_s, u"She said \"hi\""_s},
                    {u"Bob"_s, u"line\nbreak"_s, QString()}};
        const Rows annBob{{u"Name"_s, u"Phone"_s}, {u"Ann"_s, u"1"_s}, {u"Bob"_s, u"2"_s}};
        QTest::addRow("lone CR line ends") << u"lone-cr-line-ends.csv"_s << annBob;
        QTest::addRow("last line without line end") << u"no-final-line-end.csv"_s << annBob;
        QTest::addRow("no trimming, no numbers")
            << u"leading-zeros.csv"_s
            << Rows{{u"Zip"_s, u"Phone"_s, u"Number"_s, u"Flag"_s, u"Padded"_s},
                    {u"00123"_s, u"+49 30 1234"_s, u"1e5"_s, u"TRUE"_s, u"  two spaces  "_s},
                    {u"007"_s, u"0049"_s, u"1.50"_s, u"0"_s, QString()}};
        QTest::addRow("empty lines are rows without cells")
            << u"blank-lines-between.csv"_s
            << Rows{{u"Name"_s, u"Phone"_s}, {}, {u"Ann"_s, u"1"_s}, {}, {}, {u"Bob"_s, u"2"_s}};
        QTest::addRow("unterminated quote keeps the rest as the last field")
            << u"unterminated-quote.csv"_s
            << Rows{{u"Name"_s, u"Note"_s}, {u"Ann"_s, u"never closed\nBob,2\n"_s}};
        QTest::addRow("stray quotes literal, text after closing quote appended")
            << u"lenient-quotes.csv"_s
            << Rows{{u"Name"_s, u"Note"_s, u"Tail"_s},
                    {u"O\"Brien"_s, u"5\" screen"_s, u"quotedafter"_s}};
        QTest::addRow("ragged rows still split by the widest first record")
            << u"ragged-rows.csv"_s
            << Rows{{u"A"_s, u"B"_s, u"C"_s}, {u"1"_s, u"2"_s}, {u"1"_s, u"2"_s, u"3"_s, u"4"_s}};
        QTest::addRow("single column")
            << u"single-column.csv"_s << Rows{{u"Name"_s}, {u"Ann Smith"_s}, {u"Bob"_s}};
        QTest::addRow("tie goes to the comma")
            << u"delimiter-tie.csv"_s << Rows{{u"a"_s, u"b;c"_s}, {u"d"_s, u"e;f"_s}};
        QTest::addRow("most fields wins")
            << u"delimiter-most-fields.csv"_s
            << Rows{{u"a"_s, u"b"_s, u"c,d"_s}, {u"e"_s, u"f"_s, u"g,h"_s}};
        QTest::addRow("quoted commas do not count when guessing")
            << u"delimiter-quoted.csv"_s
            << Rows{{u"Name"_s, u"City"_s},
                    {u"Smith, John"_s, u"Paris, TX"_s},
                    {u"Doe, Jane"_s, u"Rome"_s}};
        QTest::addRow("trailing delimiter")
            << u"trailing-delimiter.csv"_s << Rows{{u"Name"_s, u"Phone"_s}, {u"Ann"_s, u"1"_s}};
        QTest::addRow("empty fields anywhere")
            << u"empty-fields.csv"_s
            << Rows{{QString(), u"Name"_s}, {QString(), u"Ann"_s}, {}, {}, {u"Bob"_s}};
    }
    void readsFixture() {
        QFETCH(QString, file);
        QFETCH(Rows, rows);
        FileWorkbookSource source;
        const Status st = source.openWorkbook(fixture(file));
        QVERIFY2(st.isOk(), qPrintable(st.message()));
        QCOMPARE(source.format(), WorkbookFormat::Csv);
        qint64 expectedCells = 0;
        qint32 lastRow = 0;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            for (qsizetype c = 0; c < rows[r].size() + 2; ++c) {
                const QString expected = c < rows[r].size() ? rows[r][c] : QString();
                const CellValue v = source.readCell(cellAddress(qint32(c), qint32(r + 1)));
                if (expected.isEmpty()) {
                    QVERIFY2(v.isEmpty(), qPrintable(cellAddress(qint32(c), qint32(r + 1))));
                } else {
                    QCOMPARE(v, CellValue::text(expected));
                    ++expectedCells;
                    lastRow = qint32(r + 1);
                }
            }
        }
        QCOMPARE(source.sheet().cellCount(), expectedCells);
        QCOMPARE(source.sheet().lastRow(), lastRow);
    }

    void refusesFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::addRow("NUL past the first 4 KB")
            << u"nul-byte-late.csv"_s
            << u"it contains a NUL character (line 1,002), so it is not a plain text list."_s;
        QTest::addRow("UTF-16 with an odd byte")
            << u"utf16-odd-length.csv"_s
            << u"it is damaged (its UTF-16 text ends in the middle of a character)."_s;
        QTest::addRow("16,385 fields")
            << u"too-many-columns.csv"_s
            << u"row 1 has more than 16,384 fields, more than a worksheet has columns."_s;
    }
    void refusesFile() {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        FileWorkbookSource source;
        const Status st = source.openWorkbook(fixture(file));
        QVERIFY(!st.isOk());
        QCOMPARE(st.message(), unreadableFileMessage(file, reason));
        QVERIFY(source.readCell(u"A1").isEmpty()); // nothing half-loaded
    }

    void rowLimit_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("ok");
        QTest::addRow("exactly the limit, then empty lines") << QByteArray("\n\r\n\n") << true;
        QTest::addRow("one row too many") << QByteArray("b\n") << false;
    }
    void rowLimit() {
        QFETCH(QByteArray, tail);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        QByteArray data;
        data.reserve(2 * limits::kMaxRows + tail.size());
        for (qint32 i = 0; i < limits::kMaxRows; ++i) {
            data.append("a\n");
        }
        data.append(tail);
        const QString path = writeTemp(dir, u"rows.csv"_s, data);
        FileWorkbookSource source;
        const Status st = source.openWorkbook(path);
        QCOMPARE(st.isOk(), ok);
        if (ok) {
            QCOMPARE(source.sheet().lastRow(), limits::kMaxRows);
            QCOMPARE(source.readCell(u"A1048576"), CellValue::text(u"a"_s));
        } else {
            QCOMPARE(st.message(),
                     unreadableFileMessage(
                         path, u"it has more than 1,048,576 rows, more than a worksheet holds."_s));
        }
    }

    void refusesOverlongField() {
        QTemporaryDir dir;
        QByteArray data("Name\n\"");
        data.append(QByteArray(limits::kMaxCellChars + 1, 'x'));
        data.append("\"\n");
        const QString path = writeTemp(dir, u"long.csv"_s, data);
        FileWorkbookSource source;
        const Status st = source.openWorkbook(path);
        QVERIFY(!st.isOk());
        QCOMPARE(st.message(),
                 unreadableFileMessage(path, u"a field in row 2 is longer than 67,108,863 "
                                             "characters, more than a cell may hold."_s));
    }

    void ticksTheYielder() {
        QTemporaryDir dir;
        QByteArray data;
        for (int i = 0; i < 5000; ++i) {
            data.append("a,b,c,d\n");
        }
        const QString path = writeTemp(dir, u"many.csv"_s, data);
        int calls = 0;
        Yielder yielder([&calls] { ++calls; }, 0);
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(path, &yielder).isOk());
        // 20,000 fields ticked, every 256th tick may yield.
        QVERIFY(calls >= 20000 / 256 - 1);
        QCOMPARE(source.readCell(u"D5000"), CellValue::text(u"d"_s));
    }

    // With a byte-order mark the encoding is settled: bad bytes become U+FFFD, they do not
    // switch the file to Windows-1252.
    void bomKeepsUtf8DespiteBadBytes() {
        QTemporaryDir dir;
        const QString path = writeTemp(dir, u"bad.csv"_s,
                                       bytes({0xEF, 0xBB, 0xBF, 'a', 0xFF, 'b', ',', 0xC3, 0xA9}));
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(path).isOk());
        QCOMPARE(source.readCell(u"A1"), CellValue::text(u"a\uFFFDb"_s));
        QCOMPARE(source.readCell(u"B1"), CellValue::text(u"\u00e9"_s));
    }

    void utf8Validity_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("valid");
        QTest::addRow("ASCII past a word") << QByteArray("abcdefghijklmnop") << true;
        QTest::addRow("two-byte after a word") << QByteArray("abcdefgh\xc3\xa9ijklmnop") << true;
        QTest::addRow("U+10FFFF") << bytes({0xF4, 0x8F, 0xBF, 0xBF}) << true;
        QTest::addRow("emoji") << bytes({0xF0, 0x9F, 0x98, 0x80}) << true;
        QTest::addRow("U+FFFF") << bytes({0xEF, 0xBF, 0xBF}) << true;
        QTest::addRow("overlong two-byte") << bytes({0xC1, 0xBF}) << false;
        QTest::addRow("overlong three-byte") << bytes({0xE0, 0x80, 0xAF}) << false;
        QTest::addRow("overlong four-byte") << bytes({0xF0, 0x8F, 0xBF, 0xBF}) << false;
        QTest::addRow("surrogate D800") << bytes({0xED, 0xA0, 0x80}) << false;
        QTest::addRow("surrogate DFFF") << bytes({0xED, 0xBF, 0xBF}) << false;
        QTest::addRow("above U+10FFFF") << bytes({0xF4, 0x90, 0x80, 0x80}) << false;
        QTest::addRow("F5 lead") << bytes({0xF5, 0x80, 0x80, 0x80}) << false;
        QTest::addRow("stray continuation") << bytes({'a', 0x80}) << false;
        QTest::addRow("truncated at the end") << bytes({'a', 0xE2, 0x82}) << false;
        QTest::addRow("lead followed by ASCII") << bytes({0xC3, 'a'}) << false;
    }
    void utf8Validity() {
        QFETCH(QByteArray, input);
        QFETCH(bool, valid);
        const auto* p = reinterpret_cast<const uchar*>(input.constData());
        QCOMPARE(textdecoding::isValidUtf8(p, size_t(input.size())), valid);
        if (valid) {
            std::vector<char16_t> out(size_t(input.size()));
            const size_t n = textdecoding::decodeUtf8(p, size_t(input.size()), out.data());
            QCOMPARE(QString(reinterpret_cast<const QChar*>(out.data()), qsizetype(n)),
                     QString::fromUtf8(input));
        }
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"

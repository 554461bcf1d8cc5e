#include "BiffRecords.h"
#include "Yielder.h"

#include <QtTest>

#include <cstring>

using namespace Qt::StringLiterals;

// Workbook streams put together record by record, to reach the corners of the format that
// whole files seldom show: where CONTINUE records cut a string, each RK encoding, embedded
// chart blocks, and every way a stream can end early.
namespace {

QByteArray le16(quint16 v) {
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char(v >> 8));
}
QByteArray le32(quint32 v) {
    return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16));
}
QByteArray le64(double d) {
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    return le32(quint32(bits)) + le32(quint32(bits >> 32));
}
QByteArray rec(quint16 type, const QByteArray& body) {
    return le16(type) + le16(quint16(body.size())) + body;
}
QByteArray bof(quint16 dt) {
    return rec(0x0809, le16(0x0600) + le16(dt) + le16(0x0DBB) + le16(0x07CC) + le32(0) + le32(6));
}
QByteArray cellHead(quint16 row, quint16 col) {
    return le16(row) + le16(col) + le16(15);
}
QByteArray compressed(const QByteArray& latin1) {
    return latin1;
}
QByteArray wide(QStringView s) {
    return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}
QByteArray boundSheet(quint32 offset, quint8 type) {
    return rec(0x0085, le32(offset) + char(0) + char(type) + char(1) + char(0) + 'S');
}

// A BIFF8 workbook: globals (the extra records, then one BOUNDSHEET per sheet) and the sheets.
QByteArray workbook(const QByteArray& globalsExtra,
                    const QList<QPair<quint8, QByteArray>>& sheets) {
    const qsizetype globalsSize =
        bof(5).size() + globalsExtra.size() + sheets.size() * boundSheet(0, 0).size() + 4;
    QByteArray out = bof(5) + globalsExtra;
    qsizetype offset = globalsSize;
    QByteArray bodies;
    for (const auto& s : sheets) {
        out += boundSheet(quint32(offset), s.first);
        const QByteArray sub = bof(s.first == 2 ? 0x0020 : 0x0010) + s.second + rec(0x000A, {});
        offset += sub.size();
        bodies += sub;
    }
    out += rec(0x000A, {});
    return out + bodies;
}

QByteArray oneSheet(const QByteArray& sst, const QByteArray& cells) {
    return workbook(sst, {{quint8(0), cells}});
}

biff::ParseResult parse(const QByteArray& stream, SheetData& sheet) {
    Yielder y;
    const biff::ParseResult r = biff::readWorkbookStream(
        reinterpret_cast<const uchar*>(stream.constData()), stream.size(), sheet, y);
    if (r.reason.isEmpty()) {
        sheet.finish();
    }
    return r;
}

// An SST with one string, its bytes cut into the record and CONTINUE records at the given
// places (the continuation bytes already hold the flag bytes where the format needs them).
QByteArray sstRecords(const QList<QByteArray>& parts) {
    QByteArray out = rec(0x00FC, le32(1) + le32(1) + parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        out += rec(0x003C, parts.at(i));
    }
    return out;
}

const QByteArray labelSst0 = rec(0x00FD, cellHead(0, 0) + le32(0));

} // namespace

class TestXlsRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sharedStringSplits_data() {
        QTest::addColumn<QByteArray>("sst");
        QTest::addColumn<QString>("expected");
        const QString abc = u"abc\u0416\u0417"_s;
        QTest::addRow("one record, two-byte characters")
            << sstRecords({le16(5) + char(1) + wide(abc)}) << abc;
        QTest::addRow("compressed, then two-byte after the break")
            << sstRecords({le16(5) + char(0) + compressed("abc"),
                           QByteArray(1, char(1)) + wide(u"\u0416\u0417")})
            << abc;
        QTest::addRow("two-byte, then compressed after the break")
            << sstRecords(
                   {le16(5) + char(1) + wide(u"\u0416\u0417"), QByteArray(1, char(0)) + "abc"})
            << u"\u0416\u0417abc"_s;
        QTest::addRow("break right after the header: the continuation starts with flags")
            << sstRecords({le16(3) + char(0), QByteArray(1, char(1)) + wide(u"xyz")}) << u"xyz"_s;
        QTest::addRow("empty CONTINUE inside the characters")
            << sstRecords({le16(4) + char(0) + "ab", QByteArray(), QByteArray(1, char(0)) + "cd"})
            << u"abcd"_s;
        QTest::addRow("header itself broken across records")
            << sstRecords({QByteArray(1, char(3)), QByteArray(1, char(0)) + char(0) + "xyz"})
            << u"xyz"_s;
        // Runs: 2 runs of 4 bytes after the characters, cut in the middle; no flag byte there.
        QTest::addRow("rich-text runs across the break")
            << sstRecords({le16(3) + char(0x08) + le16(2) + "Bob" + QByteArray("\x01\x00\x05", 3),
                           QByteArray("\x00\x02\x00\x06\x00", 5)})
            << u"Bob"_s;
        QTest::addRow("phonetic block across the break")
            << sstRecords({le16(2) + char(0x05) + le32(6) + wide(u"\u5c71\u7530") + "\x01\x02",
                           QByteArray("\x03\x04\x05\x06", 4)})
            << u"\u5c71\u7530"_s;
        QTest::addRow("runs and phonetic block, characters across the break")
            << sstRecords({le16(4) + char(0x0C) + le16(1) + le32(2) + "ab",
                           QByteArray(1, char(0)) + "cd" + le32(0) + "\xAA\xBB"})
            << u"abcd"_s;
    }

    void sharedStringSplits() {
        QFETCH(QByteArray, sst);
        QFETCH(QString, expected);
        // A second string after the tricky one proves the reader ends up at the right byte.
        SheetData sheet;
        const biff::ParseResult r = parse(oneSheet(sst, labelSst0), sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QCOMPARE(sheet.cell(1, 0).textForm(), expected);
        QVERIFY(r.biff8);
        QCOMPARE(r.rowLimit, 65536);
    }

    void stringAfterSplitStringIsRead() {
        QByteArray sst = rec(0x00FC, le32(2) + le32(2) + le16(4) + char(0x08) + le16(1) + "ab");
        sst += rec(0x003C,
                   QByteArray(1, char(1)) + wide(u"\u00e9d") + QByteArray("\x00\x00\x01\x00", 4));
        sst += rec(0x003C, le16(3) + char(0) + "end");
        SheetData sheet;
        const QByteArray cells = labelSst0 + rec(0x00FD, cellHead(0, 1) + le32(1));
        const biff::ParseResult r = parse(oneSheet(sst, cells), sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QCOMPARE(sheet.cell(1, 0).textForm(), u"ab\u00e9d"_s);
        QCOMPARE(sheet.cell(1, 1).textForm(), u"end"_s);
    }

    void rkEncodings_data() {
        QTest::addColumn<quint32>("rk");
        QTest::addColumn<double>("value");
        QTest::addRow("integer") << quint32((1234 << 2) | 2) << 1234.0;
        QTest::addRow("negative integer") << quint32((quint32(-77) << 2) | 2) << -77.0;
        QTest::addRow("integer / 100") << quint32((1234 << 2) | 3) << 12.34;
        QTest::addRow("float high bits") << quint32(0x3FF40000) << 1.25; // 1.25
        QTest::addRow("float / 100") << quint32(0x405EC000 | 1) << 1.23; // 123 / 100
    }

    void rkEncodings() {
        QFETCH(quint32, rk);
        QFETCH(double, value);
        SheetData sheet;
        const QByteArray cells =
            rec(0x027E, cellHead(0, 0) + le32(rk)) +
            rec(0x00BD, le16(1) + le16(2) + le16(15) + le32(rk) + le16(15) + le32(rk) + le16(3));
        const biff::ParseResult r = parse(oneSheet({}, cells), sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QCOMPARE(sheet.cell(1, 0).numberValue(), value);
        QCOMPARE(sheet.cell(2, 2).numberValue(), value);
        QCOMPARE(sheet.cell(2, 3).numberValue(), value);
        QVERIFY(sheet.cell(2, 4).isEmpty());
    }

    void cellRecords() {
        SheetData sheet;
        QByteArray cells;
        cells += rec(0x0203, cellHead(0, 0) + le64(-0.5));
        cells += rec(0x0205, cellHead(0, 1) + char(1) + char(0));    // TRUE
        cells += rec(0x0205, cellHead(0, 2) + char(0x07) + char(1)); // #DIV/0!
        cells += rec(0x0204, cellHead(0, 3) + le16(2) + char(1) + wide(u"\u00e9\u0416"));
        cells += rec(0x0201, cellHead(0, 4));
        cells += rec(0x00BE, le16(0) + le16(5) + le16(15) + le16(15) + le16(6));
        cells += rec(0x00D6, cellHead(0, 7) + le16(4) + char(0) + "rich" + le16(0));
        // An embedded chart's block inside the sheet holds records that are not cells.
        cells += bof(0x0020) + rec(0x0203, cellHead(5, 5) + le64(99)) + bof(0x0020) +
                 rec(0x000A, {}) + rec(0x0203, cellHead(5, 6) + le64(98)) + rec(0x000A, {});
        cells += rec(0x0203, cellHead(1, 0) + le64(2));
        // A formula's text result comes in the STRING record after a shared-formula record.
        const QByteArray marker = QByteArray("\x00\x00\x00\x00\x00\x00\xff\xff", 8);
        cells += rec(0x0006, cellHead(2, 0) + marker + le16(0) + le32(0) + le16(0));
        cells += rec(0x04BC, QByteArray(8, 0));
        cells += rec(0x0207, le16(3) + char(0) + "Fml");
        const biff::ParseResult r = parse(oneSheet({}, cells), sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QCOMPARE(sheet.cell(1, 0), CellValue::number(-0.5));
        QCOMPARE(sheet.cell(1, 1), CellValue::boolean(true));
        QVERIFY(sheet.cell(1, 2).isError());
        QCOMPARE(sheet.cell(1, 2).textForm(), u"#DIV/0!"_s);
        QCOMPARE(sheet.cell(1, 3).textForm(), u"\u00e9\u0416"_s);
        QVERIFY(sheet.cell(1, 4).isEmpty());
        QVERIFY(sheet.cell(1, 5).isEmpty());
        QCOMPARE(sheet.cell(1, 7).textForm(), u"rich"_s);
        QVERIFY(sheet.cell(6, 5).isEmpty());
        QVERIFY(sheet.cell(6, 6).isEmpty());
        QCOMPARE(sheet.cell(2, 0), CellValue::number(2));
        QCOMPARE(sheet.cell(3, 0).textForm(), u"Fml"_s);
        QCOMPARE(sheet.cellCount(), 7);
    }

    // An error cell keeps its error, from a BOOLERR record and from a formula's cached
    // result alike; a byte that names no error still gives an error cell.
    void errorCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::addRow("#DIV/0!") << 0x07 << u"#DIV/0!"_s;
        QTest::addRow("#GETTING_DATA") << 0x2B << u"#GETTING_DATA"_s;
        QTest::addRow("unknown byte") << 0x99 << u"#N/A"_s;
    }
    void errorCodes() {
        QFETCH(int, code);
        QFETCH(QString, shown);
        const QByteArray result = QByteArray(1, char(2)) + char(0) + char(code) + char(0) +
                                  char(0) + char(0) + char(0xFF) + char(0xFF);
        const QByteArray cells = rec(0x0205, cellHead(0, 0) + char(code) + char(1)) +
                                 rec(0x0006, cellHead(0, 1) + result + le16(0) + le32(0) + le16(3) +
                                                 QByteArray("\x1e\x01\x00", 3));
        SheetData sheet;
        const biff::ParseResult r = parse(oneSheet({}, cells), sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QCOMPARE(sheet.cell(1, 0), CellValue::error(shown));
        QCOMPARE(sheet.cell(1, 1), CellValue::error(shown));
    }

    void firstWorksheetByType() {
        SheetData sheet;
        const QByteArray stream =
            workbook({}, {{quint8(2), rec(0x0203, cellHead(0, 0) + le64(1))},
                          {quint8(6), {}},
                          {quint8(0), rec(0x0203, cellHead(0, 0) + le64(2))},
                          {quint8(0), rec(0x0203, cellHead(0, 0) + le64(3))}});
        const biff::ParseResult r = parse(stream, sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QCOMPARE(sheet.cell(1, 0), CellValue::number(2));
        QCOMPARE(sheet.cellCount(), 1);

        SheetData none;
        const biff::ParseResult noSheet = parse(workbook({}, {{quint8(2), {}}}), none);
        QVERIFY(noSheet.reason.contains(u"no worksheet"_s));
    }

    // Every prefix of a valid stream is refused, and the sheet is left empty: a truncated
    // file never gives part of its cells.
    void everyTruncationIsRefused() {
        QByteArray sst =
            rec(0x00FC, le32(2) + le32(2) + le16(300) + char(0) + QByteArray(200, 'a'));
        sst += rec(0x003C, QByteArray(1, char(1)) + wide(QString(100, u'\u0416')));
        sst += rec(0x003C, le16(2) + char(0) + "ok");
        QByteArray cells = labelSst0 + rec(0x00FD, cellHead(0, 1) + le32(1));
        cells += rec(0x0203, cellHead(1, 0) + le64(3.5));
        cells +=
            rec(0x00BD, le16(2) + le16(0) + le16(15) + le32(6) + le16(15) + le32(10) + le16(1));
        cells += rec(0x0204, cellHead(3, 0) + le16(5) + char(0) + "label");
        const QByteArray stream = oneSheet(sst, cells);
        {
            SheetData whole;
            const biff::ParseResult r = parse(stream, whole);
            QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
            QCOMPARE(whole.cell(1, 1).textForm(), u"ok"_s);
            QCOMPARE(whole.cell(4, 0).textForm(), u"label"_s);
        }
        for (qsizetype n = 0; n < stream.size(); ++n) {
            SheetData sheet;
            const biff::ParseResult r = parse(stream.left(n), sheet);
            QVERIFY2(!r.reason.isEmpty(), qPrintable(u"prefix of %1 bytes was read"_s.arg(n)));
            QCOMPARE(sheet.cellCount(), 0);
        }
    }

    // A cell naming a shared string where there is no table at all is empty, as spreadsheet
    // programs show it (fixtures cover an index past a table and other harmless lies).
    void sharedStringWithoutTableIsEmpty() {
        SheetData sheet;
        const biff::ParseResult r =
            parse(oneSheet({}, labelSst0 + rec(0x0203, cellHead(0, 1) + le64(2))), sheet);
        QVERIFY2(r.reason.isEmpty(), qPrintable(r.reason));
        QVERIFY(sheet.cell(1, 0).isEmpty());
        QCOMPARE(sheet.cell(1, 1), CellValue::number(2));
    }

    void structuralLies_data() {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("because");
        QTest::addRow("NUMBER too short")
            << oneSheet({}, rec(0x0203, cellHead(0, 0) + "1234")) << u"too short"_s;
        QTest::addRow("FORMULA too short")
            << oneSheet({}, rec(0x0006, cellHead(0, 0) + QByteArray(8, 0))) << u"too short"_s;
        QTest::addRow("MULRK odd length")
            << oneSheet({}, rec(0x00BD, le16(0) + le16(0) + le16(15) + le32(6) + "\x01" + le16(0)))
            << u"wrong length"_s;
        QTest::addRow("LABEL longer than its record")
            << oneSheet({}, rec(0x0204, cellHead(0, 0) + le16(50) + char(0) + "short"))
            << u"past its record"_s;
        QTest::addRow("MULRK past column IV")
            << oneSheet({}, rec(0x00BD, le16(0) + le16(255) + le16(15) + le32(6) + le16(15) +
                                            le32(10) + le16(256)))
            << u"256 columns"_s;
        QTest::addRow("string with half a character before the break")
            << oneSheet(sstRecords({le16(2) + char(1) + "\x41", QByteArray("\x01\x00B\x00", 4)}),
                        labelSst0)
            << u"past its records"_s;
        QTest::addRow("shared string table cut at its header")
            << oneSheet(rec(0x00FC, le32(1)), {}) << u"too short"_s;
        QTest::addRow("BOUNDSHEET name past the record")
            << (bof(5) + rec(0x0085, le32(0) + char(0) + char(0) + char(40) + char(0) + "S") +
                rec(0x000A, {}))
            << u"past its record"_s;
        QTest::addRow("row 16385 in an Excel 95 sheet is beyond its 16384 rows") << [] {
            QByteArray s = workbook({}, {{quint8(0), rec(0x0203, cellHead(16384, 0) + le64(1))}});
            s[4] = 0x00; // both BOF records say version 5
            s[5] = 0x05;
            return s;
        }() << u"16384 rows"_s;
        QTest::addRow("global part never ends") << (bof(5) + bof(5)) << u"does not end"_s;
        QTest::addRow("Excel 4 file") << rec(0x0409, QByteArray(6, 0)) << u"Excel 4"_s;
    }

    void structuralLies() {
        QFETCH(QByteArray, stream);
        QFETCH(QString, because);
        SheetData sheet;
        const biff::ParseResult r = parse(stream, sheet);
        QVERIFY2(r.reason.contains(because), qPrintable(r.reason));
        QCOMPARE(sheet.cellCount(), 0);
    }

    void randomStreamsNeverCrash() {
        // Valid workbook bytes with random damage: any outcome but a crash or a hang.
        QByteArray cells;
        for (int i = 0; i < 50; ++i) {
            cells += rec(0x0204, cellHead(quint16(i), 0) + le16(3) + char(0) + "abc");
            cells += rec(0x027E, cellHead(quint16(i), 1) + le32(quint32(i << 2) | 2));
        }
        const QByteArray base = oneSheet(sstRecords({le16(3) + char(0) + "abc"}), cells);
        QRandomGenerator rnd(42);
        for (int round = 0; round < 2000; ++round) {
            QByteArray s = base;
            const int hits = 1 + int(rnd.bounded(8));
            for (int h = 0; h < hits; ++h) {
                s[qsizetype(rnd.bounded(quint32(s.size())))] = char(rnd.bounded(256));
            }
            SheetData sheet;
            const biff::ParseResult r = parse(s, sheet);
            if (!r.reason.isEmpty()) {
                QCOMPARE(sheet.cellCount(), 0);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestXlsRecords)
#include "test_xls_records.moc"

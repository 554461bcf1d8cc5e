#include "Limits.h"
#include "SheetData.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestSheetData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storesEachKind() {
        SheetData s;
        QVERIFY(s.setText(1, 0, u"Name"));
        QVERIFY(s.setNumber(1, 1, 3.5));
        QVERIFY(s.setBoolean(2, 0, true));
        QVERIFY(s.setError(2, 1, CellError::DivZero));
        QVERIFY(s.setText(3, 2, QString()));
        s.finish();
        QCOMPARE(s.cell(1, 0), CellValue::text(u"Name"_s));
        QCOMPARE(s.cell(1, 1), CellValue::number(3.5));
        QCOMPARE(s.cell(2, 0), CellValue::boolean(true));
        QVERIFY(s.cell(2, 1).isError());
        QCOMPARE(s.cell(2, 1), CellValue::error(u"#DIV/0!"_s));
        QCOMPARE(s.cell(3, 2), CellValue::text(QString()));
        QVERIFY(s.cell(3, 1).isEmpty());
        QVERIFY(s.cell(4, 0).isEmpty());
        QVERIFY(s.cell(0, 0).isEmpty());
        QCOMPARE(s.lastRow(), 3);
    }

    void outOfOrderWritesSortAndLastWins() {
        SheetData s;
        QVERIFY(s.setText(5, 3, u"late"));
        QVERIFY(s.setText(2, 1, u"first"));
        QVERIFY(s.setText(2, 1, u"second"));
        QVERIFY(s.setNumber(2, 0, 1));
        s.finish();
        QCOMPARE(s.cellCount(), 3);
        QCOMPARE(s.cell(2, 1).textForm(), u"second"_s);
        QCOMPARE(s.cell(2, 0).textForm(), u"1"_s);
        QCOMPARE(s.cell(5, 3).textForm(), u"late"_s);
        QVERIFY(s.cell(3, 0).isEmpty());
        QList<QPair<qint32, qint32>> positions;
        for (qint64 i = 0; i < s.cellCount(); ++i) {
            positions.append({s.positionAt(i).row, s.positionAt(i).column});
        }
        QCOMPARE(positions, (QList<QPair<qint32, qint32>>{{2, 0}, {2, 1}, {5, 3}}));
    }

    void refusesPositionsOutsideTheLimits() {
        SheetData s;
        QVERIFY(!s.setText(0, 0, u"x"));
        QVERIFY(!s.setText(1048577, 0, u"x"));
        QVERIFY(!s.setNumber(1, 16384, 1));
        QVERIFY(s.setNumber(1048576, 16383, 1));
        s.finish();
        QCOMPARE(s.cell(1048576, 16383).textForm(), u"1"_s);
    }

    // The readers' messages follow the reason a cell was refused.
    void refusalSaysWhy_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<qsizetype>("textLength"); // -1: a shared text that was never added
        QTest::addColumn<CellRefusal>("expected");
        QTest::addRow("row 0") << 0 << 0 << qsizetype(1) << CellRefusal::OutsideSheet;
        QTest::addRow("row past the last")
            << 1048577 << 0 << qsizetype(1) << CellRefusal::OutsideSheet;
        QTest::addRow("column past the last")
            << 1 << 16384 << qsizetype(1) << CellRefusal::OutsideSheet;
        QTest::addRow("text too long")
            << 1 << 0 << qsizetype(limits::kMaxCellChars + 1) << CellRefusal::TextTooLong;
        QTest::addRow("too long and outside")
            << 0 << 0 << qsizetype(limits::kMaxCellChars + 1) << CellRefusal::OutsideSheet;
        QTest::addRow("unknown shared text")
            << 1 << 0 << qsizetype(-1) << CellRefusal::UnknownSharedText;
        QTest::addRow("stored") << 1048576 << 16383 << qsizetype(3) << CellRefusal::None;
    }
    void refusalSaysWhy() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(qsizetype, textLength);
        QFETCH(CellRefusal, expected);
        SheetData s;
        const CellWrite w = textLength < 0
                                ? s.setSharedText(row, column, 0)
                                : s.setText(row, column, QString(textLength, QLatin1Char('x')));
        QCOMPARE(w.refusal, expected);
        QCOMPARE(bool(w), expected == CellRefusal::None);
        QCOMPARE(s.cellCount(), qint64(expected == CellRefusal::None ? 1 : 0));
    }

    void sharedAndLongTextsAcrossChunks() {
        SheetData s;
        const QString longText(70000, QLatin1Char('x'));
        const qint64 shared = s.addSharedText(u"Acme \u00e9\U0001F600");
        QVERIFY(shared >= 0);
        // Enough texts to need several character chunks.
        for (int r = 1; r <= 3000; ++r) {
            QVERIFY(s.setText(r, 0, QString(500, QChar(u'a' + r % 26))));
            QVERIFY(s.setSharedText(r, 1, shared));
        }
        QVERIFY(s.setText(3001, 0, longText));
        QVERIFY(!s.setSharedText(1, 2, 99));
        s.finish();
        for (int r = 1; r <= 3000; r += 97) {
            QCOMPARE(s.cell(r, 0).textForm(), QString(500, QChar(u'a' + r % 26)));
            QCOMPARE(s.cell(r, 1).textForm(), u"Acme \u00e9\U0001F600"_s);
        }
        QCOMPARE(s.cell(3001, 0).textForm(), longText);
        QCOMPARE(s.sharedText(shared), u"Acme \u00e9\U0001F600"_s);
    }

    // Texts of every length, the empty one included, read back wherever they fall among the
    // character chunks: first of all (no chunk made yet), right after a full chunk, between
    // others, after a long text. Each goes in once as a cell's own text and once shared.
    void textsInEveryPosition_data() {
        QTest::addColumn<QList<qsizetype>>("lengths");
        QTest::addColumn<bool>("shared");
        // 16 texts of 65,535 characters and one of 16 fill a chunk of 1 Mi characters.
        QList<qsizetype> fullChunk(16, 65535);
        fullChunk.append(16);
        for (const bool shared : {false, true}) {
            const char* how = shared ? "shared" : "own";
            QTest::addRow("%s: empty first", how) << QList<qsizetype>{0, 3} << shared;
            QTest::addRow("%s: only empty", how) << QList<qsizetype>{0, 0} << shared;
            QTest::addRow("%s: empty between", how) << QList<qsizetype>{3, 0, 3} << shared;
            QTest::addRow("%s: empty after a full chunk", how)
                << (fullChunk + QList<qsizetype>{0, 5}) << shared;
            QTest::addRow("%s: empty after a long text", how)
                << QList<qsizetype>{70000, 0} << shared;
        }
    }
    void textsInEveryPosition() {
        QFETCH(QList<qsizetype>, lengths);
        QFETCH(bool, shared);
        const auto textOf = [](qsizetype i, qsizetype length) {
            return QString(length, QChar(char16_t(u'a' + i % 26)));
        };
        SheetData s;
        for (qsizetype i = 0; i < lengths.size(); ++i) {
            const auto row = qint32(i + 1);
            if (shared) {
                const qint64 index = s.addSharedText(textOf(i, lengths[i]));
                QCOMPARE(index, qint64(i));
                QVERIFY(s.setSharedText(row, 0, index));
            } else {
                QVERIFY(s.setText(row, 0, textOf(i, lengths[i])));
            }
        }
        s.finish();
        for (qsizetype i = 0; i < lengths.size(); ++i) {
            QCOMPARE(s.cell(qint32(i + 1), 0), CellValue::text(textOf(i, lengths[i])));
            if (shared) {
                QCOMPARE(s.sharedText(i), textOf(i, lengths[i]));
            }
        }
    }

    // Each cell keeps its own format through the sort, at the far corners of the sheet too.
    void cellsShowThroughTheirFormats_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("textCell");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("date");
        QTest::addRow("zip") << u"00000"_s << false << u"02134"_s << false;
        QTest::addRow("phone") << u"(000) 000-0000"_s << false << u"(000) 000-2134"_s << false;
        QTest::addRow("date") << u"yyyy-mm-dd"_s << false << u"1909-11-04"_s << true;
        QTest::addRow("time") << u"h:mm"_s << false << u"0:00"_s << true;
        QTest::addRow("text section") << u"0;0;0;\"Dr. \"@"_s << true << u"Dr. 2134"_s << false;
        QTest::addRow("hidden text") << u"0;0;0;"_s << true << QString() << false;
        QTest::addRow("text format") << u"@"_s << false << u"2134"_s << false;
        QTest::addRow("number format, text cell") << u"0.00"_s << true << u"2134"_s << false;
    }
    void cellsShowThroughTheirFormats() {
        QFETCH(QString, code);
        QFETCH(bool, textCell);
        QFETCH(QString, expected);
        QFETCH(bool, date);
        SheetData s;
        s.setDateSystem(DateSystem::Date1904);
        QCOMPARE(s.addFormat(NumberFormat::parse(u"0.0"_s)), 1u);
        const SheetData::FormatIndex f = s.addFormat(NumberFormat::parse(code));
        const qint32 lastRow = limits::kMaxRows;
        const qint32 lastColumn = limits::kMaxColumns - 1;
        // Written backwards, so that finish() has to sort.
        for (const auto& [row, column] : {std::pair{lastRow, lastColumn}, std::pair{1, 0}}) {
            QVERIFY(textCell ? s.setText(row, column, u"2134"_s, f)
                             : s.setNumber(row, column, 2134, f));
            QVERIFY(s.setNumber(row, column == 0 ? 1 : column - 1, 7, 1));
        }
        s.finish();
        for (const auto& [row, column] : {std::pair{lastRow, lastColumn}, std::pair{1, 0}}) {
            const CellValue v = s.cell(row, column);
            QCOMPARE(v.textForm(), expected);
            QCOMPARE(v.isText(), textCell);
            QCOMPARE(v.holdsDate(), date);
            QCOMPARE(s.cell(row, column == 0 ? 1 : column - 1).textForm(), u"7.0"_s);
        }
        if (date) {
            QCOMPARE(s.cell(1, 0).dateValue(), std::optional(QDate(1909, 11, 4)));
        }
    }

    void generalFormatsTakeNoIndex() {
        SheetData s;
        QCOMPARE(s.addFormat(NumberFormat()), 0u);
        QCOMPARE(s.addFormat(NumberFormat::parse(u"General"_s)), 0u);
        QCOMPARE(s.addFormat(NumberFormat::parse(u"@"_s)), 0u);
        QCOMPARE(s.formatCount(), 0);
        QVERIFY(s.setNumber(1, 0, 0.25, 7)); // an index never given: General
        s.finish();
        QCOMPARE(s.cell(1, 0), CellValue::number(0.25));
    }

    void manyCellsAcrossCellChunks() {
        SheetData s;
        for (int r = 1; r <= 20000; ++r) {
            for (int c = 0; c < 5; ++c) {
                QVERIFY(s.setNumber(r, c, r * 10 + c));
            }
        }
        s.finish();
        QCOMPARE(s.cellCount(), 100000);
        QCOMPARE(s.cell(13107, 3).numberValue(), 131073.0);
        QCOMPARE(s.cell(20000, 4).numberValue(), 200004.0);
    }
};

QTEST_GUILESS_MAIN(TestSheetData)
#include "test_sheetdata.moc"

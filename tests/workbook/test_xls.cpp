#include "CellAddress.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One expected cell: its address and the value the reader must give.
struct Expect {
    QString address;
    CellValue value;
};
using Expects = QList<Expect>;

QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/") + name;
}

Expect text(const QString& a, const QString& t) {
    return {a, CellValue::text(t)};
}
Expect num(const QString& a, double v) {
    return {a, CellValue::number(v)};
}
// A number shown through a date format.
Expect date(const QString& a, double serial, const QString& shown,
            DateSystem system = DateSystem::Date1900) {
    return {a, CellValue::dateNumber(serial, system, shown)};
}
Expect shown(const QString& a, double v, const QString& text) {
    return {a, CellValue::shownNumber(v, text)};
}
Expect boolean(const QString& a, bool v) {
    return {a, CellValue::boolean(v)};
}
Expect error(const QString& a, const QString& shown) {
    return {a, CellValue::error(shown)};
}
Expect empty(const QString& a) {
    return {a, CellValue::empty()};
}

bool sameValue(const CellValue& got, const CellValue& want) {
    return got == want;
}

QString describe(const CellValue& v) {
    static const char* kinds[] = {"empty", "text", "number", "boolean", "error"};
    return u"%1 \"%2\""_s.arg(QLatin1String(kinds[int(v.kind())]), v.textForm());
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeTemp(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        return QString();
    }
    return path;
}

// Where the FILEPASS record starts in the fixtures encrypted here: right after the globals'
// BOF record, which appears once in each file.
qsizetype filePassAt(const QByteArray& file) {
    const QByteArray bof("\x09\x08\x10\x00\x00\x06\x05\x00", 8);
    const qsizetype at = file.indexOf(bof);
    if (at < 0 || file.indexOf(bof, at + 1) >= 0 || at + 24 > file.size() ||
        file[at + 20] != 0x2F) {
        return -1;
    }
    return at + 20;
}

} // namespace

Q_DECLARE_METATYPE(Expects)

class TestXls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsFixtureCells_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rowLimit");
        QTest::addColumn<Expects>("cells");

        QTest::addRow("formula results in STRING records and marker bytes")
            << u"xls/formulas-string-results.xls"_s << 65536
            << Expects{text(u"A1"_s, u"Result"_s),
                       num(u"A2"_s, 12.5),
                       text(u"A3"_s, u"Ann Lee"_s),
                       text(u"A4"_s, u"\u0418\u0440\u0438\u043d\u0430 \u5c71\u7530"_s),
                       text(u"A5"_s, QString(8000, u'L') + QString(1000, u'\u03a9')),
                       boolean(u"A6"_s, true),
                       boolean(u"A7"_s, false),
                       error(u"A8"_s, u"#DIV/0!"_s),
                       text(u"A9"_s, QString()),
                       empty(u"A10"_s),
                       num(u"B10"_s, 7)};
        // LibreOffice writes number, boolean, error and empty-text results (a non-empty text
        // result it stores without its text), a plain boolean as a number, dates as serial
        // numbers with a date format and runs of numbers as MULRK records.
        QTest::addRow("LibreOffice formulas, dates, MULRK")
            << u"xls/formulas-cached-results.xls"_s << 65536
            << Expects{text(u"A1"_s, u"Kind"_s),
                       text(u"B1"_s, u"Value"_s),
                       num(u"B2"_s, 3),
                       num(u"B3"_s, 0.125),
                       boolean(u"B6"_s, true),
                       boolean(u"B7"_s, false),
                       error(u"B8"_s, u"#DIV/0!"_s),
                       error(u"B9"_s, u"#N/A"_s),
                       text(u"B10"_s, QString()),
                       date(u"B11"_s, 45366, u"2024-03-15"_s),
                       num(u"B12"_s, 1),
                       num(u"B13"_s, 1),
                       num(u"C13"_s, 2.5),
                       num(u"D13"_s, -3),
                       num(u"E13"_s, 40000),
                       num(u"F13"_s, 1e-5),
                       text(u"B14"_s, u"Z\u00fcrich"_s),
                       empty(u"A15"_s)};
        QTest::addRow("chart sheet before the first worksheet")
            << u"xls/chart-sheet-first.xls"_s << 65536
            << Expects{text(u"A1"_s, u"Name"_s), text(u"A2"_s, u"from the worksheet"_s)};
        QTest::addRow("workbook stream name in other letter case")
            << u"xls/stream-name-lower-case.xls"_s << 65536
            << Expects{text(u"A1"_s, u"lower-case stream name"_s)};
        QTest::addRow("Excel 95, Western code page")
            << u"xls/biff5-western-texts.xls"_s << 16384
            << Expects{text(u"A1"_s, u"Name"_s),
                       text(u"A2"_s, u"Ren\u00e9e M\u00fcller"_s),
                       text(u"B2"_s, u"Malm\u00f6"_s),
                       num(u"C2"_s, 7),
                       text(u"A3"_s, u"\u00c6gir \u00d8ster"_s),
                       text(u"B3"_s, u"S\u00e3o Paulo"_s),
                       num(u"C3"_s, 2.5),
                       text(u"A4"_s, u"Fu\u00dfg\u00e4nger \u20ac"_s),
                       boolean(u"B4"_s, true),
                       error(u"C4"_s, u"#DIV/0!"_s),
                       num(u"A5"_s, 1),
                       num(u"B5"_s, 2),
                       num(u"C5"_s, 3),
                       empty(u"D5"_s)};
        QTest::addRow("Excel 95, Cyrillic code page")
            << u"xls/biff5-cyrillic-cp1251.xls"_s << 16384
            << Expects{text(u"A1"_s, u"\u0418\u043c\u044f"_s),
                       text(u"A2"_s,
                            u"\u041f\u0451\u0442\u0440 \u0418\u0432\u0430\u043d\u043e\u0432"_s),
                       text(u"A3"_s, u"\u0401\u043b\u043a\u0430"_s)};
        QTest::addRow("Excel 95, Japanese double-byte code page")
            << u"xls/biff5-japanese-cp932.xls"_s << 16384
            << Expects{text(u"A1"_s, u"\u540d\u524d"_s),
                       text(u"A2"_s, u"\u5c71\u7530\u592a\u90ce"_s),
                       text(u"B2"_s, u"\uff76\uff80\uff76\uff85"_s)};
        // FORMAT records in the code page, DATEMODE 1904, an XF for each number of a MULRK;
        // the short date (id 14) is ISO whatever code its FORMAT record gives.
        QTest::addRow("Excel 95 formats, 1904 dates")
            << u"formats/biff5-formats-1904.xls"_s << 16384
            << Expects{date(u"A1"_s, 31776, u"1990-12-31"_s, DateSystem::Date1904),
                       date(u"B1"_s, 31776, u"1990-12-31"_s, DateSystem::Date1904),
                       shown(u"C1"_s, 1234, u"1,234.00 \u20ac"_s), shown(u"D1"_s, 0.25, u"25%"_s)};
        // The count in the table is only a bound; the strings that are there read.
        QTest::addRow("shared-string table claiming 2^31 strings")
            << u"xls-hostile/sst-claims-2g-strings.xls"_s << 65536
            << Expects{text(u"A1"_s, u"Name"_s), text(u"A6"_s, u"Eve"_s), num(u"B6"_s, 50.5)};
        // The empty text anywhere: a sheet whose first shared string was empty once crashed
        // the reading of its header row.
        for (const char* file :
             {"shared-string-empty-first", "shared-string-empty-middle", "shared-string-empty-last",
              "label-empty-first", "formula-empty-result-first"}) {
            QTest::addRow("%s", file)
                << u"xls/%1.xls"_s.arg(QLatin1String(file)) << 65536
                << Expects{text(u"A1"_s, u"Name"_s), text(u"B1"_s, u"Phone"_s),
                           text(u"A2"_s, u"Ann"_s),  text(u"B2"_s, QString()),
                           text(u"A3"_s, QString()), num(u"B3"_s, 5)};
        }
        // Harmless inconsistencies read as LibreOffice shows them: a shared-string index past
        // the table gives an empty cell; a multiple-number record whose last column is wrong
        // holds as many numbers as its length says.
        QTest::addRow("shared-string index past the table")
            << u"xls-hostile/labelsst-index-beyond-table.xls"_s << 65536
            << Expects{empty(u"A1"_s), num(u"B1"_s, 0.5), text(u"A2"_s, u"Ann"_s)};
        QTest::addRow("multiple-number record naming a wrong last column")
            << u"xls-hostile/mulrk-span-lies.xls"_s << 65536
            << Expects{text(u"A2"_s, u"Ann"_s), num(u"D2"_s, 1), num(u"E2"_s, 2), num(u"F2"_s, 3),
                       empty(u"G2"_s)};
    }

    void readsFixtureCells() {
        QFETCH(QString, file);
        QFETCH(int, rowLimit);
        QFETCH(Expects, cells);
        FileWorkbookSource source;
        const Status status = source.openWorkbook(fixture(file));
        QVERIFY2(status.isOk(), qPrintable(status.message()));
        QCOMPARE(source.format(), WorkbookFormat::Xls);
        QCOMPARE(source.sheetRowLimit(), rowLimit);
        for (const Expect& e : cells) {
            const CellValue got = source.readCell(e.address);
            QVERIFY2(sameValue(got, e.value), qPrintable(u"%1: got %2, want %3"_s.arg(
                                                  e.address, describe(got), describe(e.value))));
        }
    }

    // The expected cells come from the fixture script's own data, written beside the file.
    void basicTypesFromXlwt() {
        FileWorkbookSource source;
        const Status status = source.openWorkbook(fixture(u"xls/basic-types.xls"_s));
        QVERIFY2(status.isOk(), qPrintable(status.message()));
        const QJsonArray cells =
            QJsonDocument::fromJson(readAll(fixture(u"xls/basic-types.expected.json"_s))).array();
        QVERIFY(cells.size() > 20);
        for (const auto& c : cells) {
            const QJsonArray a = c.toArray();
            const qint32 row = a.at(0).toInt();
            const qint32 col = a.at(1).toInt();
            const QString kind = a.at(2).toString();
            CellValue want;
            if (kind == u"text"_s) {
                want = CellValue::text(a.at(3).toString());
            } else if (kind == u"number"_s) {
                want = CellValue::number(a.at(3).toDouble());
            } else if (kind == u"date"_s) {
                want = CellValue::dateNumber(a.at(3).toDouble(), DateSystem::Date1900,
                                             a.at(4).toString());
            } else if (kind == u"boolean"_s) {
                want = CellValue::boolean(a.at(3).toBool());
            } else if (kind == u"error"_s) {
                want = CellValue::error(a.at(3).toString());
            }
            const CellValue got = source.cellAt(row, col);
            QVERIFY2(sameValue(got, want),
                     qPrintable(u"%1: got %2, want %3"_s.arg(cellAddress(col, row), describe(got),
                                                             describe(want))));
        }
        // Only the first sheet is read.
        QCOMPARE(source.sheet().lastRow(), 65536);
        QCOMPARE(source.sheet().cellCount(), qint64(cells.size() - 2)); // less blank and far-empty
    }

    // Excel's default password for write-protected workbooks: the sheet reads as it does
    // from the same workbook saved without encryption.
    void decryptsDefaultPassword_data() {
        QTest::addColumn<QString>("file");
        QTest::addRow("RC4, from LibreOffice") << u"xls/default-password-rc4.xls"_s;
        QTest::addRow("CryptoAPI RC4, 128-bit key")
            << u"xls/default-password-cryptoapi-128bit.xls"_s;
        QTest::addRow("CryptoAPI RC4, 40-bit key") << u"xls/default-password-cryptoapi-40bit.xls"_s;
    }

    void decryptsDefaultPassword() {
        QFETCH(QString, file);
        FileWorkbookSource plain;
        const Status plainStatus = plain.openWorkbook(fixture(u"xls/default-password-plain.xls"_s));
        QVERIFY2(plainStatus.isOk(), qPrintable(plainStatus.message()));
        FileWorkbookSource source;
        const Status status = source.openWorkbook(fixture(file));
        QVERIFY2(status.isOk(), qPrintable(status.message()));
        QVERIFY(plain.sheet().lastRow() > 100);
        QCOMPARE(source.sheet().lastRow(), plain.sheet().lastRow());
        QCOMPARE(source.sheet().cellCount(), plain.sheet().cellCount());
        for (qint32 row = 1; row <= plain.sheet().lastRow(); ++row) {
            for (qint32 col = 0; col < 8; ++col) {
                const CellValue want = plain.cellAt(row, col);
                const CellValue got = source.cellAt(row, col);
                QVERIFY2(got == want, qPrintable(u"%1: got %2, want %3"_s.arg(
                                          cellAddress(col, row), describe(got), describe(want))));
            }
        }
    }

    // Another password, encryption this program does not read, and FILEPASS records whose
    // sizes lie: the exact refusal, never a crash. Each row overwrites bytes of a fixture's
    // FILEPASS record (offsets from the record's start; the body begins at 4).
    void refusesOtherEncryption_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString password = u"it is protected with a password. Open it in your spreadsheet "
                                 u"program, remove the password and save it again."_s;
        const QString cut = u"it is damaged (its password record is malformed)."_s;
        const QString rc4 = u"xls/default-password-rc4.xls"_s;
        const QString capi = u"xls/default-password-cryptoapi-128bit.xls"_s;
        const auto le32 = [](quint32 v) {
            return QByteArray(1, char(v)) + char(v >> 8) + char(v >> 16) + char(v >> 24);
        };
        QTest::addRow("RC4, other password (LibreOffice)")
            << u"xls/encrypted-password.xls"_s << 0 << QByteArray() << password;
        QTest::addRow("CryptoAPI, other password")
            << u"xls/other-password-cryptoapi.xls"_s << 0 << QByteArray() << password;
        QTest::addRow("RC4, verifier hash altered")
            << rc4 << 4 + 40 << QByteArray("\x55") << password;
        QTest::addRow("CryptoAPI, verifier altered")
            << capi << 4 + 14 + 126 + 20 << QByteArray("\x55") << password;
        QTest::addRow("XOR obfuscation") << rc4 << 4 << QByteArray("\x00", 1) << password;
        QTest::addRow("unknown encryption type") << rc4 << 4 << QByteArray("\x07", 1) << password;
        QTest::addRow("RC4, unknown version") << rc4 << 6 << QByteArray("\x03", 1) << password;
        QTest::addRow("CryptoAPI, AES flag") << capi << 4 + 14 << le32(0x24) << password;
        QTest::addRow("CryptoAPI, not RC4") << capi << 4 + 14 + 8 << le32(0x660E) << password;
        QTest::addRow("CryptoAPI, not SHA-1") << capi << 4 + 14 + 12 << le32(0x8003) << password;
        QTest::addRow("CryptoAPI, 256-bit key") << capi << 4 + 14 + 16 << le32(256) << password;
        QTest::addRow("CryptoAPI, 41-bit key") << capi << 4 + 14 + 16 << le32(41) << password;
        QTest::addRow("RC4, record of 1 byte") << rc4 << 2 << QByteArray("\x01\x00", 2) << cut;
        QTest::addRow("RC4, record of 4 bytes") << rc4 << 2 << QByteArray("\x04\x00", 2) << cut;
        QTest::addRow("RC4, verifier cut off") << rc4 << 2 << QByteArray("\x35\x00", 2) << cut;
        QTest::addRow("CryptoAPI, record of 13 bytes")
            << capi << 2 << QByteArray("\x0d\x00", 2) << cut;
        QTest::addRow("CryptoAPI, verifier hash cut off")
            << capi << 2 << QByteArray("\xc7\x00", 2) << cut;
        QTest::addRow("CryptoAPI, header size past the record")
            << capi << 4 + 10 << le32(0xFFFFFFF0) << cut;
        QTest::addRow("CryptoAPI, header size too small") << capi << 4 + 10 << le32(31) << cut;
        QTest::addRow("CryptoAPI, salt size not 16") << capi << 4 + 14 + 126 << le32(32) << cut;
        QTest::addRow("CryptoAPI, verifier hash size not 20")
            << capi << 4 + 14 + 126 + 36 << le32(16) << cut;
    }

    void refusesOtherEncryption() {
        QFETCH(QString, file);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QByteArray data = readAll(fixture(file));
        const qsizetype at = filePassAt(data);
        QVERIFY(at > 0);
        if (file == u"xls/default-password-cryptoapi-128bit.xls"_s) {
            QCOMPARE(data.mid(at + 14, 4), QByteArray("\x7e\x00\x00\x00", 4)); // header size 126
        }
        data.replace(at + offset, bytes.size(), bytes);
        QTemporaryDir dir;
        const QString path = writeTemp(dir, QFileInfo(file).fileName(), data);
        QVERIFY(!path.isEmpty());
        FileWorkbookSource source;
        const Status status = source.openWorkbook(path);
        QVERIFY(!status.isOk());
        QCOMPARE(status.message(),
                 u"\u201c%1\u201d cannot be read: %2"_s.arg(QFileInfo(file).fileName(), reason));
        QCOMPARE(source.sheet().cellCount(), 0);
    }

    void sharedStringsAcrossContinue_data() {
        QTest::addColumn<QString>("file");
        QTest::addRow("LibreOffice") << u"xls/shared-strings-across-continue.xls"_s;
        QTest::addRow("xlwt") << u"xls/shared-strings-across-continue-xlwt.xls"_s;
    }

    void sharedStringsAcrossContinue() {
        QFETCH(QString, file);
        const QJsonArray texts =
            QJsonDocument::fromJson(
                readAll(fixture(u"xls/shared-strings-across-continue.expected.json"_s)))
                .array();
        QVERIFY(texts.size() > 200);
        FileWorkbookSource source;
        const Status status = source.openWorkbook(fixture(file));
        QVERIFY2(status.isOk(), qPrintable(status.message()));
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const QString want = texts.at(i).toString();
            const qint32 row = qint32(i) + 1;
            QCOMPARE(source.cellAt(row, 0).textForm(), want);
            if (row > 1) {
                QCOMPARE(source.cellAt(row, 1).textForm(), want);
            }
        }
        QCOMPARE(source.sheet().lastRow(), qint32(texts.size()));
    }

    // The same Excel 95 bytes read under another code page give that code page's letters:
    // the CODEPAGE record decides, not an assumption.
    void codePageRecordDecides_data() {
        QTest::addColumn<quint16>("codePage");
        QTest::addColumn<QString>("a2");
        QTest::addColumn<QString>("b2");
        QTest::addRow("1251 Cyrillic")
            << quint16(1251) << u"Ren\u0439e M\u044cller"_s << u"Malm\u0446"_s;
        QTest::addRow("1253 Greek")
            << quint16(1253) << u"Ren\u03b9e M\u03ccller"_s << u"Malm\u03c6"_s;
        QTest::addRow("10000 Mac Roman")
            << quint16(10000) << u"Ren\u00c8e M\u00b8ller"_s << u"Malm\u02c6"_s;
        QTest::addRow("1252 unchanged")
            << quint16(1252) << u"Ren\u00e9e M\u00fcller"_s << u"Malm\u00f6"_s;
    }

    void codePageRecordDecides() {
        QFETCH(quint16, codePage);
        QFETCH(QString, a2);
        QFETCH(QString, b2);
        QByteArray bytes = readAll(fixture(u"xls/biff5-western-texts.xls"_s));
        const QByteArray record("\x42\x00\x02\x00\xe4\x04", 6); // CODEPAGE 1252
        const qsizetype at = bytes.indexOf(record);
        QVERIFY(at > 0);
        QCOMPARE(bytes.indexOf(record, at + 1), -1);
        bytes[at + 4] = char(codePage & 0xFF);
        bytes[at + 5] = char(codePage >> 8);
        QTemporaryDir dir;
        const QString path = writeTemp(dir, u"recoded.xls"_s, bytes);
        QVERIFY(!path.isEmpty());
        FileWorkbookSource source;
        const Status status = source.openWorkbook(path);
        QVERIFY2(status.isOk(), qPrintable(status.message()));
        QCOMPARE(source.readCell(u"A2").textForm(), a2);
        QCOMPARE(source.readCell(u"B2").textForm(), b2);
        QCOMPARE(source.readCell(u"A1").textForm(), u"Name"_s);
    }

    // Files that cannot be read give a message naming the file and saying why, and leave
    // nothing open.
    void refusesWithMessage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("because");
        const QString password = u"protected with a password"_s;
        const QString damaged = u"damaged"_s;
        QTest::addRow("FILEPASS put in") << u"xls/encrypted-filepass.xls"_s << password;
        QTest::addRow("saved with a password") << u"xls/encrypted-password.xls"_s << password;
        QTest::addRow("password-protected .xlsx")
            << u"xls-hostile/password-protected-package.xlsx"_s << password;
        QTest::addRow("no workbook stream")
            << u"xls-hostile/no-workbook-stream.xls"_s << u"not a spreadsheet"_s;
        QTest::addRow("random stream")
            << u"xls-hostile/random-stream.xls"_s << u"not a spreadsheet"_s;
        for (const char* name :
             {"truncated-container", "truncated-stream", "record-length-past-end",
              "labelsst-too-short", "continue-never-ends", "random-after-bof",
              "sheet-offset-outside-stream"}) {
            QTest::addRow("%s", name)
                << u"xls-hostile/%1.xls"_s.arg(QLatin1String(name)) << damaged;
        }
        QTest::addRow("cell beyond column IV")
            << u"xls-hostile/cell-beyond-column-iv.xls"_s << u"256 columns"_s;
    }

    void refusesWithMessage() {
        QFETCH(QString, file);
        QFETCH(QString, because);
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(fixture(u"xls/basic-types.xls"_s)).isOk());
        const Status status = source.openWorkbook(fixture(file));
        QVERIFY(!status.isOk());
        QVERIFY2(status.message().contains(QFileInfo(file).fileName()),
                 qPrintable(status.message()));
        QVERIFY2(status.message().contains(because), qPrintable(status.message()));
        QCOMPARE(source.sheet().cellCount(), 0);
        QVERIFY(source.readCell(u"A1").isEmpty());
    }

    // Damage anywhere in the file, the container's own structures included: a clear
    // failure or a read, never a crash, a hang or a message on the terminal.
    void damagedContainersNeverCrash_data() {
        QTest::addColumn<QString>("file");
        QTest::addRow("xlwt") << u"xls/basic-types.xls"_s;
        QTest::addRow("LibreOffice") << u"xls/formulas-cached-results.xls"_s;
        QTest::addRow("Excel 95") << u"xls/biff5-western-texts.xls"_s;
        QTest::addRow("encrypted, CryptoAPI RC4") << u"xls/default-password-cryptoapi-128bit.xls"_s;
    }

    void damagedContainersNeverCrash() {
        QFETCH(QString, file);
        const QByteArray original = readAll(fixture(file));
        QVERIFY(!original.isEmpty());
        QTemporaryDir dir;
        QRandomGenerator rnd(7);
        int failures = 0;
        for (int round = 0; round < 150; ++round) {
            QByteArray bytes = original;
            const int hits = 1 + int(rnd.bounded(6));
            for (int h = 0; h < hits; ++h) {
                // The header and the directory are where a container breaks.
                const qsizetype at = rnd.bounded(2) ? qsizetype(rnd.bounded(512))
                                                    : qsizetype(rnd.bounded(quint32(bytes.size())));
                bytes[at] = char(rnd.bounded(256));
            }
            if (rnd.bounded(4) == 0) {
                bytes.truncate(qsizetype(rnd.bounded(quint32(bytes.size()))));
            }
            const QString path = writeTemp(dir, u"damaged-%1.xls"_s.arg(round), bytes);
            QVERIFY(!path.isEmpty());
            FileWorkbookSource source;
            const Status status = source.openWorkbook(path);
            if (!status.isOk()) {
                ++failures;
                QVERIFY(status.message().contains(u"damaged-%1.xls"_s.arg(round)));
                QCOMPARE(source.sheet().cellCount(), 0);
            }
        }
        QVERIFY(failures > 0);
    }

    void ticksTheYielder() {
        int calls = 0;
        Yielder yielder([&calls] { ++calls; }, 0);
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(fixture(u"xls/shared-strings-across-continue.xls"_s), &yielder)
                    .isOk());
        QVERIFY(calls > 0);
    }
};

QTEST_GUILESS_MAIN(TestXls)
#include "test_xls.moc"

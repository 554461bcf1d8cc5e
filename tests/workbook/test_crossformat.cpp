#include "CellAddress.h"
#include "WorkbookSource.h"

#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QString contacts(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/contacts/") + name;
}

QString formats(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/formats/") + name;
}

// number-formats.expected.tsv: label, shown text, kind (number, date, text), the day of a
// date cell, the text in LibreOffice's own .xlsx and .xls exports.
struct ShownCell {
    QString label;
    QString shown;
    QString kind;
    QString day;
    QString shownInLibreOfficeExport;
};

QList<ShownCell> expectedShownCells() {
    QFile f(formats(u"number-formats.expected.tsv"_s));
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<ShownCell> rows;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const QStringList c = line.split(u'\t');
        if (line.startsWith(u'#') || c.size() != 5) {
            continue;
        }
        rows.append({c[0], c[1], c[2], c[3], c[4]});
    }
    return rows;
}

// expected-cells.tsv: one line per row, cells TAB-separated, a line break written as "\n".
QList<QStringList> expectedCells() {
    QFile f(contacts(u"expected-cells.tsv"_s));
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QStringList> rows;
    const QString all = QString::fromUtf8(f.readAll());
    QStringList lines = all.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (const QString& line : lines) {
        QStringList cells = line.split(u'\t');
        for (QString& c : cells) {
            c.replace(u"\\n"_s, u"\n"_s);
        }
        rows.append(cells);
    }
    return rows;
}
} // namespace

// The same contact sheet, saved by one producer in every format, reads to the same texts.
class TestCrossFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameTexts_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<WorkbookFormat>("format");
        QTest::addRow("xlsx") << u"contacts.xlsx"_s << WorkbookFormat::Xlsx;
        QTest::addRow("ods") << u"contacts.ods"_s << WorkbookFormat::Ods;
        QTest::addRow("csv") << u"contacts.csv"_s << WorkbookFormat::Csv;
        // --- .xls: the row for contacts.xls is added here together with the .xls reader. ---
        // LibreOffice's .xls export drops text formula results (it stores the number 0); the
        // fixture script puts them back into a copy of contacts.xls the way Excel stores them.
        QTest::addRow("xls") << u"../xls/contacts-text-results.xls"_s << WorkbookFormat::Xls;
    }
    void sameTexts() {
        QFETCH(QString, file);
        QFETCH(WorkbookFormat, format);
        const QList<QStringList> expected = expectedCells();
        QVERIFY(expected.size() >= 8);
        FileWorkbookSource source;
        const Status s = source.openWorkbook(contacts(file));
        QVERIFY2(s.isOk(), qPrintable(s.message()));
        QCOMPARE(source.format(), format);
        qsizetype width = 0;
        for (qsizetype r = 0; r < expected.size(); ++r) {
            width = std::max(width, expected[r].size());
            for (qsizetype c = 0; c < expected[r].size(); ++c) {
                const QString address = columnLetters(qint32(c)) + QString::number(r + 1);
                const QString got = source.readCell(address).textForm();
                QVERIFY2(got == expected[r][c], qPrintable(u"%1: \"%2\", expected \"%3\""_s.arg(
                                                    address, got, expected[r][c])));
            }
        }
        // Nothing beside or below the table.
        for (qsizetype r = 0; r <= expected.size(); ++r) {
            QVERIFY(source.cellAt(qint32(r + 1), qint32(width)).textForm().isEmpty());
        }
        for (qint32 c = 0; c <= qint32(width); ++c) {
            QVERIFY(source.cellAt(qint32(expected.size() + 1), c).textForm().isEmpty());
        }
    }

    // Files read as LibreOffice shows them: its CSV export "as shown", with the places hidden
    // under merged cells left empty, kept beside each file, gives every cell's text. Merged
    // cells count as cells (covered cells keep their place but show nothing of what they
    // still hold); error values show as the spreadsheet shows them, truth values as TRUE and
    // FALSE.
    void asLibreOfficeShowsThem_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        for (const char* name :
             {"merged-cells", "covered-cells-with-text", "truth-values-as-numbers"}) {
            QTest::addRow("%s, ods", name) << u"ods/%1.ods"_s.arg(QLatin1String(name))
                                           << u"ods/%1.expected.csv"_s.arg(QLatin1String(name));
        }
        for (const char* ext : {"ods", "xlsx", "xls"}) {
            QTest::addRow("error values, %s", ext)
                << u"errors/error-values.%1"_s.arg(QLatin1String(ext))
                << u"errors/error-values.expected.csv"_s;
        }
    }
    void asLibreOfficeShowsThem() {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        const QString dir = QStringLiteral(E2V_FIXTURES_DIR "/");
        FileWorkbookSource csv;
        QVERIFY(csv.openWorkbook(dir + shown).isOk());
        FileWorkbookSource source;
        const Status s = source.openWorkbook(dir + file);
        QVERIFY2(s.isOk(), qPrintable(s.message()));
        const qint32 rows = std::max(csv.sheet().lastRow(), source.sheet().lastRow());
        QVERIFY(rows >= 3);
        for (qint32 r = 1; r <= rows; ++r) {
            for (qint32 c = 0; c < 8; ++c) {
                const QString want = csv.cellAt(r, c).textForm();
                const CellValue got = source.cellAt(r, c);
                QVERIFY2(got.textForm() == want, qPrintable(u"%1: \"%2\", shown \"%3\""_s.arg(
                                                     cellAddress(c, r), got.textForm(), want)));
                if (want.startsWith(u'#')) {
                    QVERIFY2(got.isError(), qPrintable(cellAddress(c, r)));
                }
                if (want == u"TRUE"_s || want == u"FALSE"_s) {
                    QVERIFY2(got.isBoolean(), qPrintable(cellAddress(c, r)));
                }
            }
        }
    }

    // Every cell of the table, each under its own number format, shows the same text in
    // every format, whatever the date system of the workbook. LibreOffice's own exports
    // spell the locale's short date out (m/d/yy), and those files show what they say.
    void numberFormatsShowAlike_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("libreOfficeExport");
        for (const QString& stem : {u"number-formats"_s, u"number-formats-1904"_s}) {
            for (const QString& ext : {u"xlsx"_s, u"xls"_s, u"ods"_s}) {
                const QString file = stem + u'.' + ext;
                QTest::addRow("%s", qPrintable(file)) << file << false;
            }
        }
        QTest::addRow("LibreOffice's xlsx") << u"number-formats-libreoffice.xlsx"_s << true;
        QTest::addRow("LibreOffice's xls") << u"number-formats-libreoffice.xls"_s << true;
    }
    void numberFormatsShowAlike() {
        QFETCH(QString, file);
        QFETCH(bool, libreOfficeExport);
        const QList<ShownCell> expected = expectedShownCells();
        QVERIFY(expected.size() >= 20);
        FileWorkbookSource source;
        const Status s = source.openWorkbook(formats(file));
        QVERIFY2(s.isOk(), qPrintable(s.message()));
        for (qint32 r = 0; r < qint32(expected.size()); ++r) {
            const ShownCell& e = expected[r];
            QCOMPARE(source.cellAt(r + 1, 0).textForm(), e.label);
            const CellValue v = source.cellAt(r + 1, 1);
            const QString want = libreOfficeExport ? e.shownInLibreOfficeExport : e.shown;
            QVERIFY2(v.textForm() == want,
                     qPrintable(u"%1: \"%2\", expected \"%3\""_s.arg(e.label, v.textForm(), want)));
            QVERIFY2(v.holdsDate() == (e.kind == u"date"_s), qPrintable(e.label));
            QVERIFY2(v.isText() == (e.kind == u"text"_s), qPrintable(e.label));
            if (!e.day.isEmpty()) {
                QVERIFY2(v.dateValue() == QDate::fromString(e.day, Qt::ISODate),
                         qPrintable(e.label));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCrossFormat)
#include "test_crossformat.moc"

#include "WorkbookSource.h"

#include <QtTest>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
} // namespace

class TestFileSource : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Opening the same unchanged file again gives the kept cells; a closed source has none.
    void unchangedFileIsNotReadTwice() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"c.csv"_s);
        writeFile(path, "Name\nAnn\n");
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(path).isOk());
        QVERIFY(!source.lastOpenReused());
        source.closeWorkbook();
        QCOMPARE(source.cellAt(2, 0), CellValue());
        QCOMPARE(source.sheetRowLimit(), 0);
        QVERIFY(source.openWorkbook(path).isOk());
        QVERIFY(source.lastOpenReused());
        QCOMPARE(source.readCell(u"A2"), CellValue::text(u"Ann"_s));
    }

    // Any change to the file is read afresh, even one that keeps its size.
    void changedFileIsReadAgain_data() {
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<QString>("cell");
        QTest::addRow("same size, new content") << QByteArray("Name\nBob\n") << u"Bob"_s;
        QTest::addRow("longer") << QByteArray("Name\nCarla\n") << u"Carla"_s;
    }
    void changedFileIsReadAgain() {
        QFETCH(QByteArray, replacement);
        QFETCH(QString, cell);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"c.csv"_s);
        writeFile(path, "Name\nAnn\n");
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(path).isOk());
        source.closeWorkbook();
        // Written in the same instant as far as a coarse clock goes: keep the old time.
        const auto stamp = std::filesystem::last_write_time(QFile::encodeName(path).toStdString());
        writeFile(path, replacement);
        if (replacement.size() == 9) {
            std::filesystem::last_write_time(QFile::encodeName(path).toStdString(),
                                             stamp + std::chrono::nanoseconds(1));
        }
        QVERIFY(source.openWorkbook(path).isOk());
        QVERIFY(!source.lastOpenReused());
        QCOMPARE(source.readCell(u"A2"), CellValue::text(cell));
    }

    void removedFileFailsAndFreesTheCells() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"c.csv"_s);
        writeFile(path, "Name\nAnn\n");
        FileWorkbookSource source;
        QVERIFY(source.openWorkbook(path).isOk());
        source.closeWorkbook();
        QFile::remove(path);
        QVERIFY(!source.openWorkbook(path).isOk());
        QCOMPARE(source.sheet().lastRow(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFileSource)
#include "test_filesource.moc"

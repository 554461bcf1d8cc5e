#include "WorkbookSource.h"
#include "XmlStream.h"
#include "Yielder.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Damaged, hostile and wrong-kind packages: each is refused with a message that names the
// file and says why, without crashing, hanging or holding on to memory.
class TestPackageHostile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refused_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason"); // a part of the message

        QTest::addRow("zip bomb") << u"zip-bomb.xlsx"_s << u"looks like a zip bomb"_s;
        QTest::addRow("billion laughs xlsx")
            << u"billion-laughs.xlsx"_s << u"document type declaration"_s;
        QTest::addRow("billion laughs ods")
            << u"billion-laughs.ods"_s << u"document type declaration"_s;
        QTest::addRow("deep nesting xlsx") << u"deep-nesting.xlsx"_s << u"levels deep"_s;
        QTest::addRow("deep nesting ods") << u"deep-nesting.ods"_s << u"levels deep"_s;
        QTest::addRow("huge repeats") << u"huge-repeats.ods"_s << u"more cells than"_s;
        QTest::addRow("repeat counts overflowing")
            << u"repeat-overflow.ods"_s << u"more cells than"_s;
        QTest::addRow("column past the limit")
            << u"column-past-limit.xlsx"_s << u"beyond the last row or column"_s;
        QTest::addRow("row past the limit")
            << u"row-past-limit.xlsx"_s << u"beyond the last row or column"_s;
        QTest::addRow("row number overflowing")
            << u"huge-row-number.xlsx"_s << u"beyond the last row or column"_s;
        QTest::addRow("malformed worksheet") << u"malformed-worksheet.xlsx"_s
                                             << u"the worksheet is not well-formed XML: "
                                                "mismatched tag at line 7"_s;
        QTest::addRow("malformed content") << u"malformed-content.ods"_s
                                           << u"content.xml is not well-formed XML: undefined "
                                              "entity at line 3"_s;
        QTest::addRow("malformed early in a large part")
            << u"malformed-large-worksheet.xlsx"_s
            << u"the worksheet is not well-formed XML: mismatched tag at line 1"_s;
        QTest::addRow("unbound prefix")
            << u"unbound-prefix.xlsx"_s << u"not well-formed XML: unbound prefix at line 1"_s;
        QTest::addRow("missing worksheet") << u"missing-worksheet.xlsx"_s
                                           << u"first worksheet, xl/worksheets/sheet1.xml, is "
                                              "missing"_s;
        QTest::addRow("missing workbook relationships")
            << u"missing-workbook-rels.xlsx"_s << u"relationships of its workbook part"_s;
        QTest::addRow("only chart sheets") << u"only-chart-sheets.xlsx"_s << u"no worksheet"_s;
        QTest::addRow("missing content")
            << u"missing-content.ods"_s << u"content.xml, is missing"_s;
        QTest::addRow("word document") << u"word-document.docx"_s
                                       << u"it is a word-processing document, not a "
                                          "spreadsheet."_s;
        QTest::addRow("text document") << u"text-document.odt"_s
                                       << u"it is a word-processing document, not a "
                                          "spreadsheet."_s;
        QTest::addRow("plain archive")
            << u"plain-archive.zip"_s << u"it is a zip archive, not a spreadsheet"_s;
        QTest::addRow("truncated") << u"truncated.xlsx"_s << u"cut short"_s;
        QTest::addRow("random bytes") << u"random-bytes.xlsx"_s << u"damaged"_s;
        QTest::addRow("encrypted entry") << u"encrypted-entry.xlsx"_s << u"password"_s;
        QTest::addRow("lying uncompressed size")
            << u"lying-uncompressed-size.xlsx"_s << u"damaged"_s;
        QTest::addRow("lying compressed size") << u"lying-compressed-size.xlsx"_s << u"damaged"_s;
        QTest::addRow("bad checksum") << u"bad-checksum.xlsx"_s << u"checksum"_s;
    }
    void refused() {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        int yields = 0;
        Yielder yielder([&yields] { ++yields; }, 0);
        FileWorkbookSource source;
        const Status s =
            source.openWorkbook(QStringLiteral(E2V_FIXTURES_DIR "/hostile/") + file, &yielder);
        QVERIFY(!s.isOk());
        QVERIFY2(s.message().startsWith(u"\u201c"_s + file + u"\u201d cannot be read: "_s),
                 qPrintable(s.message()));
        QVERIFY2(s.message().contains(reason), qPrintable(s.message()));
        QVERIFY2(s.message().endsWith(u'.') || s.message().endsWith(u')'), qPrintable(s.message()));
        QCOMPARE(source.sheet().cellCount(), qint64(0));
        QCOMPARE(source.sheetRowLimit(), 0);
    }
    // Long documents stream through; only a single endless tag is refused.
    void endlessTagRefused_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("unit");
        QTest::addColumn<bool>("refused");
        QTest::addRow("many small elements")
            << QByteArray("<a>") << QByteArray("<b c='1'/>") << false;
        QTest::addRow("one long text") << QByteArray("<a>") << QByteArray("text ") << false;
        QTest::addRow("endless attribute") << QByteArray("<a b='") << QByteArray("xxxxx") << true;
        QTest::addRow("endless tag name") << QByteArray("<a") << QByteArray("aaaaa") << true;
    }
    void endlessTagRefused() {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, unit);
        QFETCH(bool, refused);
        struct Counter final : XmlHandler {
            qint64 events = 0;
            void startElement(const XmlName&, const XmlAttributes&) override { ++events; }
            void endElement(const XmlName&) override {}
            void characters(const char*, int) override { ++events; }
        } handler;
        XmlStream xml(handler, u"the part"_s);
        QVERIFY(xml.feed(head.constData(), head.size()));
        const QByteArray chunk = unit.repeated(256 * 1024 / unit.size());
        bool fed = true;
        for (qint64 total = 0; fed && total < XmlStream::kMaxPendingBytes + 4 * chunk.size();
             total += chunk.size()) {
            fed = xml.feed(chunk.constData(), chunk.size());
        }
        QCOMPARE(!fed, refused);
        if (refused) {
            QVERIFY2(xml.status().message().contains(u"holds a tag longer than 64 MB"_s),
                     qPrintable(xml.status().message()));
        } else {
            QVERIFY(xml.status().isOk());
            QVERIFY(handler.events > 64); // at least one event per megabyte fed
        }
    }
};

QTEST_GUILESS_MAIN(TestPackageHostile)
#include "test_package_hostile.moc"

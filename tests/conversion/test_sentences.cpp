// The engine's sentences reach the user in the language installed when they are shown: every
// marked text goes through the translator under its context, arguments land where the
// translation puts their placeholders, and file names are never translated.

#include "ContactField.h"
#include "ContactPhoto.h"
#include "FieldMapping.h"
#include "MappingFile.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString fixture(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/") + name;
}

// A catalogue that changes every text: "⟦context: source⟧", and one sentence whose
// translation puts its placeholders the other way round.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        const QString text = QString::fromUtf8(source);
        if (text == u"\u201c%1\u201d cannot be read: %2"_s) {
            return u"Lesen unm\u00f6glich (%2): \u201e%1\u201c"_s;
        }
        return u"\u27e6"_s + QString::fromUtf8(context) + u": "_s + text + u"\u27e7"_s;
    }
};

using Shown = std::function<QString()>;

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestSentences : public QObject {
    Q_OBJECT

    PseudoTranslator m_translator;
    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { QVERIFY(QCoreApplication::installTranslator(&m_translator)); }
    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    void translatedWhenShown_data() {
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("expected");
        const QString missing = m_dir.filePath(u"gone 100%2.csv"_s);
        QTest::addRow("missing file: file name kept, reason nested, order of the translation")
            << Shown([missing] { return FileWorkbookSource().openWorkbook(missing).message(); })
            << u"Lesen unm\u00f6glich (\u27e6Workbook: the file does not exist.\u27e7): "
               "\u201egone 100%2.csv\u201c"_s;
        QTest::addRow("reader reason with numbers")
            << Shown([] {
                   return FileWorkbookSource()
                       .openWorkbook(fixture(u"csv/too-many-columns.csv"_s))
                       .message();
               })
            << u"Lesen unm\u00f6glich (\u27e6Workbook: row 1 has more than 16,384 fields, more "
               "than a worksheet has columns.\u27e7): \u201etoo-many-columns.csv\u201c"_s;
        QTest::addRow("part label nested in a reason nested in a message")
            << Shown([] {
                   return FileWorkbookSource()
                       .openWorkbook(fixture(u"hostile/malformed-worksheet.xlsx"_s))
                       .message();
               })
            << u"Lesen unm\u00f6glich (\u27e6Workbook: it is damaged (\u27e6Workbook: the "
               "worksheet\u27e7 is not well-formed XML: mismatched tag at line 7).\u27e7): "
               "\u201emalformed-worksheet.xlsx\u201c"_s;
        QTest::addRow("caption") << Shown([] { return itemsFoundText(3); })
                                 << u"\u27e6Workbook: Items Found: \u27e7 2"_s;
        QTest::addRow("mapping message")
            << Shown([] { return mappingMessageText(MappingMessage::SelectOutlookField); })
            << u"\u27e6Mapping: Please Select the Outlook Field.\u27e7"_s;
        const QString mapping = m_dir.filePath(u"m.json"_s);
        QFile file(mapping);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": 1, "pairs": [{"header": "Phone"}]})");
        file.close();
        QTest::addRow("mapping file: path kept, reason nested")
            << Shown([mapping] { return readMappingFile(mapping).status.message(); })
            << u"\u27e6Mapping: \u201c"_s + mapping +
                   u"\u201d is not a mapping this program can load: \u27e6Mapping: pair 1 has no "
                   "\u201cfield\u201d name\u27e7.\u27e7"_s;
        QTest::addRow("pairs left out")
            << Shown([] {
                   AppliedMapping result;
                   result.notApplied.append({{u"Phone"_s, u"C"_s, u"MobileNumber"_s},
                                             AppliedMapping::Reason::HeaderNotInSheet});
                   return notAppliedText(result);
               })
            << u"\u27e6Mapping: \u201cPhone\u201d (column C) \u2192 MobileNumber: \u27e6Mapping: "
               "the header is not in this sheet\u27e7\u27e7"_s;
        QTest::addRow("photo problem") << Shown([folder = m_dir.path()] {
            return readPhoto(u"nothere.png"_s, folder).problem;
        }) << u"\u27e6Photo: nothere.png: \u27e6Photo: no such file\u27e7\u27e7"_s;
        QTest::addRow("field help") << Shown([] { return contactFieldHelp(kContactFields[0]); })
                                    << u"\u27e6Fields: first name\u27e7"_s;
    }
    void translatedWhenShown() {
        QFETCH(Shown, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown(), expected);
    }

    void languageOfTheMomentShown() {
        // Made before the catalogue is installed, shown after: the reader keeps the sentence,
        // not its words.
        QCoreApplication::removeTranslator(&m_translator);
        const Status st = FileWorkbookSource().openWorkbook(m_dir.filePath(u"none.csv"_s));
        QCOMPARE(st.message(), u"\u201cnone.csv\u201d cannot be read: the file does not exist."_s);
        QVERIFY(QCoreApplication::installTranslator(&m_translator));
        QCOMPARE(st.message(),
                 u"Lesen unm\u00f6glich (\u27e6Workbook: the file does not exist.\u27e7): "
                 "\u201enone.csv\u201c"_s);
    }
};

QTEST_GUILESS_MAIN(TestSentences)
#include "test_sentences.moc"

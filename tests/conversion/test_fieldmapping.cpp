#include "ContactField.h"
#include "FieldMapping.h"
#include "MemoryWorkbookSource.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "Yielder.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// A state as step 1 leaves it for these header texts.
WizardState stateWithHeaders(const QStringList& headers) {
    WizardState s;
    for (int i = 0; i < headers.size(); ++i) {
        s.headerNames[size_t(i)] = headers.at(i);
        s.columnNames[size_t(i)] = QString(QChar(u'A' + i));
    }
    s.headerCount = qint32(headers.size());
    return s;
}
QStringList headerTexts(const MappingModel& m) {
    QStringList t;
    for (const HeaderChoice& c : m.headerChoices()) {
        t.append(c.text);
    }
    return t;
}
QString lookup(const WizardState& s, qint32 column, const WorkbookSource& sheet) {
    QString field = u"untouched"_s;
    findMappedField(s, column, sheet, field);
    return field;
}
} // namespace

Q_DECLARE_METATYPE(CellValue)

class TestFieldMapping : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void catalogueHasItsNamesInOrder() {
        const QStringList& c = contactFieldCatalogue();
        QCOMPARE(c.size(), 39);
        QCOMPARE(c.size(), kCatalogueSize);
        QCOMPARE(c.first(), u"FirstName"_s);
        QCOMPARE(c.at(8), u"BusinessAddress"_s);
        QCOMPARE(c.at(16), u"BusinessTelephoneNumber"_s);
        QCOMPARE(c.at(29), u"Notes"_s);
        QCOMPARE(c.mid(30),
                 (QStringList{u"Suffix"_s, u"Nickname"_s, u"Birthday"_s, u"Anniversary"_s,
                              u"Categories"_s, u"OtherTelephoneNumber"_s, u"PagerNumber"_s,
                              u"PersonalHomePage"_s, u"Photo"_s}));
        QCOMPARE(QSet<QString>(c.begin(), c.end()).size(), kCatalogueSize);
    }

    // Step 1 hands its reading over whole, or not at all.
    void applyScanTakesAReadingOrNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("taken");
        QTest::addRow("read") << u"a.xlsx"_s << QString() << true;
        QTest::addRow("blank path") << u"  "_s << QString() << false;
        QTest::addRow("failed open") << u"a.xlsx"_s << u"damaged"_s << false;
    }
    void applyScanTakesAReadingOrNothing() {
        QFETCH(QString, path);
        QFETCH(QString, failure);
        QFETCH(bool, taken);
        MemoryWorkbookSource sheet = MemoryWorkbookSource::fromTexts(
            {{u"Name"_s, u"Mail"_s}, {u"Ann"_s, u"a@x"_s}, {}, {u"Bo"_s}});
        sheet.setOpenFailure(failure);
        WizardState s = stateWithHeaders({u"A"_s, u"B"_s, u"C"_s});
        s.itemCount = 9;
        s.mappingCount = 2;
        s.progressDone = 7;
        Yielder y;
        applyScan(s, scanWorkbook(sheet, path, y));
        QCOMPARE(s.headerCount, taken ? 2 : 3);
        QCOMPARE(s.itemCount, taken ? 3 : 9);
        QCOMPARE(s.lastItemRow, taken ? 4 : 0);
        QCOMPARE(s.mappingCount, taken ? 0 : 2);
        QCOMPARE(s.progressDone, taken ? 0 : 7);
        QCOMPARE(s.headerNames[1], taken ? u"Mail"_s : u"B"_s);
        QCOMPARE(s.columnNames[1], u"B"_s);
    }

    void displayText() {
        QCOMPARE(mappingDisplayText(u"E-mail"_s, u"EmailAddress"_s), u"E-mail\t->\tEmailAddress"_s);
    }

    void fillSkipsEmptyHeadersAndKeepsDuplicates() {
        WizardState s = stateWithHeaders({u"Name"_s, u""_s, u"Mail"_s, u"Name"_s});
        s.mappingCount = 3;
        MappingModel m(s);
        m.fillMappingChoices();
        QCOMPARE(headerTexts(m), (QStringList{u"Name"_s, u"Mail"_s, u"Name"_s}));
        QCOMPARE(m.headerChoices().at(2).column, 3);
        QCOMPARE(m.fieldChoices(), contactFieldCatalogue());
        QCOMPARE(s.mappingCount, 0);
        QVERIFY(s.choicesFilled);
        QVERIFY(m.addEnabled());
    }

    void addMessages_data() {
        QTest::addColumn<int>("header");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("message");
        QTest::addRow("both empty: the field is asked for first")
            << -1 << QString() << int(MappingMessage::SelectOutlookField);
        QTest::addRow("header missing")
            << -1 << u"FirstName"_s << int(MappingMessage::SelectExcelField);
        QTest::addRow("typed text that is no field")
            << 0 << u"Nick name"_s << int(MappingMessage::SelectOutlookField);
        QTest::addRow("field in other case")
            << 0 << u"firstname"_s << int(MappingMessage::SelectOutlookField);
        QTest::addRow("header index past the list")
            << 5 << u"FirstName"_s << int(MappingMessage::SelectExcelField);
    }
    void addMessages() {
        QFETCH(int, header);
        QFETCH(QString, field);
        QFETCH(int, message);
        WizardState s = stateWithHeaders({u"Name"_s, u"Mail"_s});
        MappingModel m(s);
        m.fillMappingChoices();
        QCOMPARE(int(m.add(header, field)), message);
        QCOMPARE(s.mappingCount, 0);
        QCOMPARE(m.headerChoices().size(), 2);
        QCOMPARE(m.fieldChoices().size(), kCatalogueSize);
        QVERIFY(!mappingMessageText(MappingMessage(message)).isEmpty());
    }

    void messageTexts() {
        QCOMPARE(mappingMessageText(MappingMessage::SelectOutlookField),
                 u"Please Select the Outlook Field."_s);
        QCOMPARE(mappingMessageText(MappingMessage::SelectExcelField),
                 u"Please Select the Excel Field."_s);
        QCOMPARE(mappingMessageText(MappingMessage::SelectAddedItem),
                 u"Select the item from the added fields."_s);
    }

    void addAndRemoveKeepListsInStep() {
        WizardState s = stateWithHeaders({u"First"_s, u"Mail"_s});
        MappingModel m(s);
        m.fillMappingChoices();
        QCOMPARE(m.add(1, u"EmailAddress"_s), MappingMessage::None);
        QCOMPARE(headerTexts(m), QStringList{u"First"_s});
        QVERIFY(!m.fieldChoices().contains(u"EmailAddress"_s));
        QVERIFY(m.addEnabled());
        QCOMPARE(m.add(0, u"FirstName"_s), MappingMessage::None);
        // Every header is mapped: the choices and Add are disabled.
        QVERIFY(!m.addEnabled());
        QCOMPARE(m.mappedListTexts(),
                 (QStringList{u"Mail\t->\tEmailAddress"_s, u"First\t->\tFirstName"_s}));
        QCOMPARE(s.mappingCount, 2);

        QCOMPARE(m.remove(-1), MappingMessage::SelectAddedItem);
        QCOMPARE(m.remove(2), MappingMessage::SelectAddedItem);
        QCOMPARE(m.remove(0), MappingMessage::None);
        QVERIFY(m.addEnabled());
        QCOMPARE(s.mappingCount, 1);
        QCOMPARE(s.mappedHeaders[0], u"First"_s);
        QCOMPARE(s.mappedFields[0], u"FirstName"_s);
        QCOMPARE(s.mappedColumns[0], 0);
        // A returned name goes to the end, not back to its catalogue place.
        QCOMPARE(m.fieldChoices().last(), u"EmailAddress"_s);
        QCOMPARE(m.headerChoices().last(), (HeaderChoice{u"Mail"_s, 1}));
    }

    void moreHeadersThanFieldsStayEnabled() {
        QStringList headers;
        for (int i = 0; i < kCatalogueSize + 1; ++i) {
            headers.append(u"H%1"_s.arg(i));
        }
        WizardState s = stateWithHeaders(headers);
        MappingModel m(s);
        m.fillMappingChoices();
        while (!m.fieldChoices().isEmpty()) {
            QCOMPARE(m.add(0, m.fieldChoices().first()), MappingMessage::None);
        }
        QCOMPARE(s.mappingCount, kCatalogueSize);
        QCOMPARE(m.add(0, QString()), MappingMessage::SelectOutlookField);
        QVERIFY(m.addEnabled());
    }

    // Removing gives back the exact header text, so it still matches its cell.
    void removedHeaderWithSpacesStillMatches() {
        WizardState s = stateWithHeaders({u" Mail "_s});
        MemoryWorkbookSource sheet({{CellValue::text(u" Mail "_s)}});
        MappingModel m(s);
        m.fillMappingChoices();
        QCOMPARE(m.add(0, u"EmailAddress"_s), MappingMessage::None);
        QCOMPARE(m.remove(0), MappingMessage::None);
        QCOMPARE(headerTexts(m), QStringList{u" Mail "_s});
        QCOMPARE(m.add(0, u"Notes"_s), MappingMessage::None);
        QCOMPARE(lookup(s, 0, sheet), u"Notes"_s);
    }

    // Two columns headed alike feed the fields they were mapped to, each its own.
    void duplicateHeadersFeedTheirOwnFields() {
        WizardState s = stateWithHeaders({u"Phone"_s, u"Name"_s, u"Phone"_s});
        MemoryWorkbookSource sheet({{CellValue::text(u"Phone"_s), CellValue::text(u"Name"_s),
                                     CellValue::text(u"Phone"_s)}});
        MappingModel m(s);
        m.fillMappingChoices();
        QCOMPARE(m.add(2, u"MobileNumber"_s), MappingMessage::None); // the second Phone
        QCOMPARE(m.add(0, u"HomeTelephoneNumber"_s), MappingMessage::None);
        QCOMPARE(lookup(s, 0, sheet), u"HomeTelephoneNumber"_s);
        QCOMPARE(lookup(s, 2, sheet), u"MobileNumber"_s);
        QCOMPARE(lookup(s, 1, sheet), u"untouched"_s);
    }

    void findMappedFieldReadsTheHeaderAfresh_data() {
        QTest::addColumn<CellValue>("cell");
        QTest::addColumn<QString>("mappedHeader");
        QTest::addColumn<QString>("expected");
        QTest::addRow("exact") << CellValue::text(u"Email"_s) << u"Email"_s << u"EmailAddress"_s;
        QTest::addRow("case differs")
            << CellValue::text(u"EMAIL"_s) << u"Email"_s << u"untouched"_s;
        QTest::addRow("spaces differ")
            << CellValue::text(u"Email "_s) << u"Email"_s << u"untouched"_s;
        QTest::addRow("number through its text form")
            << CellValue::number(2014) << u"2014"_s << u"EmailAddress"_s;
        QTest::addRow("header replaced since step 1")
            << CellValue::text(u"Other"_s) << u"Email"_s << u"untouched"_s;
    }
    void findMappedFieldReadsTheHeaderAfresh() {
        QFETCH(CellValue, cell);
        QFETCH(QString, mappedHeader);
        QFETCH(QString, expected);
        WizardState s = stateWithHeaders({mappedHeader});
        s.mappedHeaders[0] = mappedHeader;
        s.mappedFields[0] = u"EmailAddress"_s;
        s.mappedColumns[0] = 0;
        s.mappingCount = 1;
        MemoryWorkbookSource sheet({{cell}});
        QCOMPARE(lookup(s, 0, sheet), expected);
    }

    void noMappingsFindsNothing() {
        WizardState s = stateWithHeaders({u"A"_s});
        s.mappedHeaders[0] = u"A"_s; // a slot beyond the count carries no meaning
        s.mappedFields[0] = u"Notes"_s;
        MemoryWorkbookSource sheet({{CellValue::text(u"A"_s)}});
        QCOMPARE(lookup(s, 0, sheet), u"untouched"_s);
        QCOMPARE(lookup(s, -1, sheet), u"untouched"_s);
        QCOMPARE(lookup(s, 101, sheet), u"untouched"_s);
    }

    // A second workbook: the list is emptied and the choices refilled from its headers.
    void secondWorkbookRefillsTheChoices() {
        WizardState s = stateWithHeaders({u"A"_s, u"B"_s});
        MappingModel m(s);
        m.workbookLoaded(); // before step 2 was visited: nothing to refill
        QVERIFY(m.headerChoices().isEmpty());
        m.fillMappingChoices();
        QCOMPARE(m.add(0, u"Notes"_s), MappingMessage::None);
        QCOMPARE(m.add(0, u"Company"_s), MappingMessage::None);
        QVERIFY(!m.addEnabled());
        s = stateWithHeaders({u"X"_s});
        s.choicesFilled = true;
        m.workbookLoaded();
        QCOMPARE(s.mappingCount, 0);
        QVERIFY(m.mappedListTexts().isEmpty());
        QCOMPARE(headerTexts(m), QStringList{u"X"_s});
        QCOMPARE(m.fieldChoices(), contactFieldCatalogue());
        QVERIFY(m.addEnabled());
    }
};

QTEST_GUILESS_MAIN(TestFieldMapping)
#include "test_fieldmapping.moc"

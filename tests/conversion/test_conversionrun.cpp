#include "CellValue.h"
#include "ConversionRun.h"
#include "FieldMapping.h"
#include "ImportTarget.h"
#include "MemoryWorkbookSource.h"
#include "OutputPaths.h"
#include "ProgramLanguage.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "Yielder.h"

#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CellValue)

namespace {

const QDateTime kClock(QDate(2026, 12, 6), QTime(5, 7, 9));

class ScriptedHost final : public ConversionHost {
public:
    // Called when a count changes: tests change options or the disk there.
    std::function<void(qint32 contactsAdded)> onContact;
    QStringList counts;
    QStringList emptyCounts;

    QDateTime now() override { return kClock; }
    void progress(const ConversionProgress& p) override {
        if (p.emptyEmailCount != m_emptyEmails) {
            m_emptyEmails = p.emptyEmailCount;
            emptyCounts.append(countText(p.emptyEmailCount, p.dataRows));
        }
        if (p.contactsAdded != m_contacts) {
            m_contacts = p.contactsAdded;
            counts.append(countText(p.contactsAdded, p.dataRows));
            if (onContact) {
                onContact(p.contactsAdded);
            }
        }
    }
    bool stopRequested() override { return false; }

private:
    qint32 m_contacts = 0;
    qint32 m_emptyEmails = 0;
};

// A sheet, read as step 1 reads it, with its columns mapped in order to the given fields
// (an empty field leaves the column unmapped).
struct Fixture {
    MemoryWorkbookSource sheet;
    WizardState state;
    ScriptedHost host;
    ConversionOptions options;
    QTemporaryDir dir;

    Fixture(const QList<QStringList>& rows, const QStringList& fields) {
        sheet = MemoryWorkbookSource::fromTexts(rows);
        Yielder yielder;
        const WorkbookScanResult scan = scanWorkbook(sheet, u"contacts.xlsx"_s, yielder);
        applyScan(state, scan);
        Q_ASSERT(scan.status.isOk());
        MappingModel model(state);
        model.fillMappingChoices();
        for (const QString& f : fields) {
            if (f.isEmpty()) {
                continue;
            }
            const qint32 column = qint32(&f - fields.data());
            int choice = 0;
            while (model.headerChoices().at(choice).column != column) {
                ++choice;
            }
            model.add(choice, f);
        }
        options.saveLocation = dir.path();
    }
    ConversionReport run(const QString& path = u"contacts.xlsx"_s) {
        return convertContacts(state, path, sheet, options, host);
    }
    QString folder() const { return stampedFolderPath(dir.path(), kClock); }
    QStringList files(const QString& in = QString()) const {
        return QDir(in.isEmpty() ? folder() : in)
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString read(const QString& name) const {
        QFile f(folder() + u'/' + name);
        if (!f.open(QIODevice::ReadOnly)) {
            return u"<missing>"_s;
        }
        return QString::fromUtf8(f.readAll());
    }
};

QString card(const QString& version, const QStringList& body) {
    return u"BEGIN:VCARD\r\nVERSION:"_s + version + u"\r\n"_s + body.join(u"\r\n"_s) +
           u"\r\nEND:VCARD\r\n"_s;
}

// The lines the report gives on the values that could not be used, one a line.
QString problemLines(const ConversionReport& r) {
    QString lines;
    for (const ValueProblem& p : r.valueProblems) {
        lines += valueProblemText(p) + u"\r\n"_s;
    }
    return lines;
}

QList<QStringList> tenContacts() {
    QList<QStringList> rows{{u"Last"_s, u"First"_s, u"Mail"_s}};
    for (int i = 1; i <= 10; ++i) {
        rows.append({u"L%1"_s.arg(i), u"F%1"_s.arg(i), u"m%1@x.example"_s.arg(i)});
    }
    return rows;
}

} // namespace

class TestConversionRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The reports count things in English as the programs write them ("1 birthday", "2
    // birthdays").
    void initTestCase() { QVERIFY(installPluralForms(*QCoreApplication::instance())); }
    void tenRowsOneFileEach() {
        Fixture fx(tenContacts(), {u"LastName"_s, u"FirstName"_s, u"EmailAddress"_s});
        const ConversionReport r = fx.run();
        QVERIFY(r.allWritten());
        QCOMPARE(r.contactsAdded, 10);
        QCOMPARE(r.dataRows, 10);
        QCOMPARE(fx.state.outputFolder, fx.folder());
        QCOMPARE(fx.state.progressDone, 10);
        QCOMPARE(fx.host.counts.first(), u" 1/10"_s);
        QCOMPARE(fx.host.counts.last(), u" 10/10"_s);
        QStringList expected;
        for (int i = 1; i <= 10; ++i) {
            expected.append(u"L%1F%1_%1.vcf"_s.arg(i));
        }
        expected.sort();
        QCOMPARE(fx.files(), expected);
        QCOMPARE(fx.read(u"L3F3_3.vcf"_s), card(u"2.1"_s, {u"N:L3;F3;"_s, u"FN:F3 L3"_s,
                                                           u"EMAIL;PREF;INTERNET:m3@x.example"_s}));
        QVERIFY(r.valueProblems.isEmpty());
        QVERIFY(r.targetText().isEmpty());
    }

    void tenRowsOneFile() {
        Fixture fx(tenContacts(), {u"LastName"_s, QString(), u"EmailAddress"_s});
        fx.options.singleFile = true;
        fx.options.vCardVersion = VCardVersion::V30;
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.files(), QStringList{u"All Contacts.vcf"_s});
        QString all;
        for (int i = 1; i <= 10; ++i) {
            all += card(u"3.0"_s, {u"N:L%1;;"_s.arg(i), u"FN: L%1"_s.arg(i),
                                   u"EMAIL;TYPE=INTERNET,PREF:m%1@x.example"_s.arg(i)});
        }
        QCOMPARE(fx.read(u"All Contacts.vcf"_s), all);
    }

    // Exactly the rows step 1 counted: blank rows are skipped, the last rows are not lost.
    void blankRowsInsideTheData() {
        Fixture fx({{u"Name"_s, u"Note"_s},
                    {u"a"_s, u""_s},
                    {u""_s, u""_s},
                    {u""_s, u"only a note"_s},
                    {u""_s, u""_s},
                    {u""_s, u""_s},
                    {u"d"_s, u""_s},
                    {u"e"_s, u""_s}},
                   {u"LastName"_s, QString()});
        QCOMPARE(fx.state.itemCount, 5);
        const ConversionReport r = fx.run();
        QCOMPARE(r.contactsAdded, 4);
        QCOMPARE(fx.state.progressDone, 4);
        QCOMPARE(fx.files(), (QStringList{u"2.vcf"_s, u"a_1.vcf"_s, u"d_3.vcf"_s, u"e_4.vcf"_s}));
        // A counted row whose mapped cells are blank still gives its (empty) card.
        QCOMPARE(fx.read(u"2.vcf"_s), card(u"2.1"_s, {u"FN:"_s}));
    }

    void sameNamesGetTheirOwnNumbers() {
        Fixture fx({{u"Last"_s, u"First"_s, u"Phone"_s},
                    {u"Smith"_s, u"Ann"_s, u"1"_s},
                    {u"Smith"_s, u"Ann"_s, u"2"_s},
                    {u"Sm;ith"_s, u"Ann"_s, u"3"_s}},
                   {u"LastName"_s, u"FirstName"_s, u"MobileNumber"_s});
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.files(),
                 (QStringList{u"SmithAnn_1.vcf"_s, u"SmithAnn_2.vcf"_s, u"SmithAnn_3.vcf"_s}));
        QVERIFY(fx.read(u"SmithAnn_3.vcf"_s).contains(u"N:Sm\\;ith;Ann;\r\n"_s));
    }

    void cellValuesReachTheCard() {
        Fixture fx({{u"Phone"_s, u"Note"_s}}, {u"BusinessTelephoneNumber"_s, u"Notes"_s});
        fx.sheet.setRows({{CellValue::text(u"Phone"_s), CellValue::text(u"Note"_s)},
                          {CellValue::number(5550100), CellValue::text(u"first"_s)},
                          {CellValue::number(1.5), CellValue::empty()},
                          {CellValue::boolean(true), CellValue::error(u"#N/A"_s)}});
        fx.state.itemCount = 4;
        fx.state.lastItemRow = 4;
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.read(u"1.vcf"_s),
                 card(u"2.1"_s, {u"FN:"_s, u"TEL;WORK;VOICE:5550100"_s, u"NOTE:first"_s}));
        QCOMPARE(fx.read(u"2.vcf"_s), card(u"2.1"_s, {u"FN:"_s, u"TEL;WORK;VOICE:1.5"_s}));
        // An error cell gives the error as the spreadsheet shows it.
        QCOMPARE(fx.read(u"3.vcf"_s),
                 card(u"2.1"_s, {u"FN:"_s, u"TEL;WORK;VOICE:TRUE"_s, u"NOTE:#N/A"_s}));
    }

    // Every phone field is rewritten, other fields are not; what cannot be rewritten is
    // written as it stands and counted, except in rows left out.
    void phoneNumbers_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("firstCard");
        QTest::addColumn<QStringList>("lastCard");
        QTest::addColumn<QString>("note");
        QTest::addRow("off") << int(PhoneStyle::Off)
                             << QStringList{u"N:a;;"_s,
                                            u"FN: a"_s,
                                            u"TEL;WORK;VOICE:(617) 555-0100"_s,
                                            u"TEL;HOME;VOICE:ask reception"_s,
                                            u"TEL;CELL;VOICE:16175550101"_s,
                                            u"TEL;WORK;FAX:6.18E+09"_s,
                                            u"NOTE:(617) 555-0100"_s}
                             << QStringList{u"N:d;;"_s, u"FN: d"_s,
                                            u"TEL;WORK;VOICE:+49 30 5551000"_s,
                                            u"TEL;HOME;VOICE:  "_s}
                             << QString();
        QTest::addRow("international")
            << int(PhoneStyle::International)
            << QStringList{u"N:a;;"_s,
                           u"FN: a"_s,
                           u"TEL;WORK;VOICE:+1 617-555-0100"_s,
                           u"TEL;HOME;VOICE:ask reception"_s,
                           u"TEL;CELL;VOICE:+1 617-555-0101"_s,
                           u"TEL;WORK;FAX:+1 617-555-0102"_s,
                           u"NOTE:(617) 555-0100"_s}
            << QStringList{u"N:d;;"_s, u"FN: d"_s, u"TEL;WORK;VOICE:+49 30 5551000"_s,
                           u"TEL;HOME;VOICE:  "_s}
            << u"2 phone numbers were left as they were (row 2: \"ask reception\")\r\n"_s;
        QTest::addRow("e164") << int(PhoneStyle::E164)
                              << QStringList{u"N:a;;"_s,
                                             u"FN: a"_s,
                                             u"TEL;WORK;VOICE:+16175550100"_s,
                                             u"TEL;HOME;VOICE:ask reception"_s,
                                             u"TEL;CELL;VOICE:+16175550101"_s,
                                             u"TEL;WORK;FAX:+16175550102"_s,
                                             u"NOTE:(617) 555-0100"_s}
                              << QStringList{u"N:d;;"_s, u"FN: d"_s,
                                             u"TEL;WORK;VOICE:+49305551000"_s,
                                             u"TEL;HOME;VOICE:  "_s}
                              << u"2 phone numbers were left as they were (row 2: \"ask "
                                 "reception\")\r\n"_s;
    }
    void phoneNumbers() {
        QFETCH(int, style);
        QFETCH(QStringList, firstCard);
        QFETCH(QStringList, lastCard);
        QFETCH(QString, note);
        Fixture fx({{u"Last"_s, u"Work"_s, u"Mobile"_s, u"Fax"_s, u"Home"_s, u"Mail"_s, u"Note"_s}},
                   {u"LastName"_s, u"BusinessTelephoneNumber"_s, u"MobileNumber"_s,
                    u"BusinessFaxNumber"_s, u"HomeTelephoneNumber"_s, u"EmailAddress"_s,
                    u"Notes"_s});
        const auto t = [](const QString& text) { return CellValue::text(text); };
        const CellValue none;
        fx.sheet.setRows({
            {t(u"Last"_s), t(u"Work"_s), t(u"Mobile"_s), t(u"Fax"_s), t(u"Home"_s), t(u"Mail"_s),
             t(u"Note"_s)},
            // The fax number's format hides its digits; the run takes them from its value.
            {t(u"a"_s), t(u"(617) 555-0100"_s), CellValue::number(16175550101.0),
             CellValue::shownNumber(6175550102.0, u"6.18E+09"_s), t(u"ask reception"_s), none,
             t(u"(617) 555-0100"_s)},
            // Left out for its e-mail of spaces: its number is not counted.
            {t(u"b"_s), t(u"0"_s), none, none, none, t(u" "_s), none},
            {t(u"c"_s), t(u"12"_s), none, none, none, none, none},
            {t(u"d"_s), t(u"+49 30 5551000"_s), none, none, t(u"  "_s), none, none},
        });
        fx.state.itemCount = 5;
        fx.state.lastItemRow = 5;
        fx.options.phoneFormat = {PhoneStyle(style), u"US"_s};
        const ConversionReport r = fx.run();
        QVERIFY(r.allWritten());
        QCOMPARE(r.contactsAdded, 3);
        QCOMPARE(fx.read(u"a_1.vcf"_s), card(u"2.1"_s, firstCard));
        QCOMPARE(fx.read(u"d_3.vcf"_s), card(u"2.1"_s, lastCard));
        QCOMPARE(r.valueProblemCount(ValueProblemKind::PhoneNumber),
                 style == int(PhoneStyle::Off) ? 0 : 2);
        QCOMPARE(problemLines(r), note);
    }

    // A number cell gives all its digits, whatever its format shows.
    void phoneNumberCells_data() {
        QTest::addColumn<CellValue>("cell");
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("international");
        QTest::addRow("General") << CellValue::number(4930555100.0) << u"4930555100"_s
                                 << u"+49 30 555100"_s;
        QTest::addRow("scientific format") << CellValue::shownNumber(4930555100.0, u"4.93E+09"_s)
                                           << u"4.93E+09"_s << u"+49 30 555100"_s;
        QTest::addRow("text") << CellValue::text(u"4930555100"_s) << u"4930555100"_s
                              << u"+49 30 555100"_s;
        QTest::addRow("date: left as shown")
            << CellValue::dateNumber(45000.0, DateSystem::Date1900, u"030-555-1000"_s)
            << u"030-555-1000"_s << u"030-555-1000"_s;
        QTest::addRow("fraction: left as shown")
            << CellValue::shownNumber(305551000.5, u"305551000.5"_s) << u"305551000.5"_s
            << u"305551000.5"_s;
    }
    void phoneNumberCells() {
        QFETCH(CellValue, cell);
        QFETCH(QString, off);
        QFETCH(QString, international);
        for (const PhoneStyle style : {PhoneStyle::Off, PhoneStyle::International}) {
            Fixture fx({{u"Mobile"_s}}, {u"MobileNumber"_s});
            fx.sheet.setRows({{CellValue::text(u"Mobile"_s)}, {cell}});
            fx.state.itemCount = 2;
            fx.state.lastItemRow = 2;
            fx.options.phoneFormat = {style, u"DE"_s};
            QVERIFY(fx.run().allWritten());
            QCOMPARE(
                fx.read(u"1.vcf"_s),
                card(u"2.1"_s, {u"FN:"_s, u"TEL;CELL;VOICE:"_s +
                                              (style == PhoneStyle::Off ? off : international)}));
        }
    }

    void onePhoneNumberLeft() {
        ConversionReport r;
        r.outcome = ConversionReport::Outcome::Finished;
        r.addValueProblem(ValueProblemKind::PhoneNumber, 9, u"ask reception"_s);
        QCOMPARE(valueProblemText(r.valueProblems.at(0)),
                 u"1 phone number was left as it was (row 9: \"ask reception\")"_s);
        r.addValueProblem(ValueProblemKind::PhoneNumber, 12, u"12"_s);
        QCOMPARE(valueProblemText(r.valueProblems.at(0)),
                 u"2 phone numbers were left as they were (row 9: \"ask reception\")"_s);
    }

    // One file for all holds at most 50,000 cards for apple; the next go on in a second.
    void appleSplitsTheOneFile() {
        QList<QStringList> rows{{u"Last"_s}};
        for (int i = 1; i <= 50001; ++i) {
            rows.append({u"L%1"_s.arg(i)});
        }
        Fixture fx(rows, {u"LastName"_s});
        fx.options.singleFile = true;
        fx.options.importTarget = ImportTarget::Apple;
        const ConversionReport r = fx.run();
        QVERIFY(r.allWritten());
        QCOMPARE(fx.files(), (QStringList{u"All Contacts 2.vcf"_s, u"All Contacts.vcf"_s}));
        const QString first = fx.read(u"All Contacts.vcf"_s);
        QCOMPARE(first.count(u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s), 50000);
        QVERIFY(first.endsWith(card(u"3.0"_s, {u"N:L50000;;"_s, u"FN: L50000"_s})));
        QCOMPARE(fx.read(u"All Contacts 2.vcf"_s),
                 card(u"3.0"_s, {u"N:L50001;;"_s, u"FN: L50001"_s}));
        QCOMPARE(r.targetText(), u"The cards are made for import into Apple Contacts."_s);
    }

    // A card of 256 KB or more is not written for apple; one byte less is.
    void appleCardSizeLimit_data() {
        QTest::addColumn<int>("cardBytes");
        QTest::addColumn<bool>("written");
        QTest::addRow("one byte under") << 256 * 1024 - 1 << true;
        QTest::addRow("256 KB") << 256 * 1024 << false;
    }
    // A photo that would take an apple card over 256 KB is made smaller instead; the card is
    // written with it.
    void applePhotoShrinksToFitTheCard() {
        QTemporaryDir pictures;
        const QString photoPath = pictures.filePath(u"noise.png"_s);
        QImage noise(1600, 1600, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x) {
                line[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
            }
        }
        QVERIFY(noise.save(photoPath));
        const QString note(100 * 1024, u'x');
        Fixture fx({{u"Note"_s, u"Photo"_s}, {note, photoPath}}, {u"Notes"_s, u"Photo"_s});
        fx.options.importTarget = ImportTarget::Apple;
        const ConversionReport r = fx.run();
        QCOMPARE(r.cardsFailed, 0);
        QVERIFY(r.valueProblems.isEmpty());
        const QByteArray card = fx.read(u"1.vcf"_s).toUtf8();
        QVERIFY2(card.size() < 256 * 1024, QByteArray::number(card.size()).constData());
        // Not shrunk further than it had to be.
        QVERIFY2(card.size() > 200 * 1024, QByteArray::number(card.size()).constData());
        QVERIFY(card.contains("\r\nPHOTO;ENCODING=b;TYPE=JPEG:"));
    }

    void appleCardSizeLimit() {
        QFETCH(int, cardBytes);
        QFETCH(bool, written);
        // "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;\r\nFN:\r\nNOTE:" and "\r\nEND:VCARD\r\n"
        const QString note(cardBytes - 55, u'x');
        Fixture fx({{u"Note"_s}, {note}, {u"short"_s}}, {u"Notes"_s});
        fx.options.importTarget = ImportTarget::Apple;
        const ConversionReport r = fx.run();
        QVERIFY(r.finished());
        QCOMPARE(r.contactsAdded, 2);
        QCOMPARE(r.cardsFailed, written ? 0 : 1);
        QCOMPARE(fx.files(),
                 written ? (QStringList{u"1.vcf"_s, u"2.vcf"_s}) : QStringList{u"2.vcf"_s});
        if (written) {
            QCOMPARE(fx.read(u"1.vcf"_s).toUtf8().size(), cardBytes);
        } else {
            QCOMPARE(r.firstFailure,
                     u"the card of contact 1 has 256 KB, and Apple Contacts takes cards under "
                     "256 KB"_s);
        }
    }

    // The targets' versions and files win over the options.
    void targetsFixVersionAndFiles() {
        Fixture fx({{u"Last"_s}, {u"a"_s}, {u"b"_s}}, {u"LastName"_s});
        fx.options.singleFile = true;
        fx.options.vCardVersion = VCardVersion::V40;
        fx.options.importTarget = ImportTarget::Outlook;
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.files(), (QStringList{u"a_1.vcf"_s, u"b_2.vcf"_s}));
        QCOMPARE(fx.read(u"b_2.vcf"_s), card(u"2.1"_s, {u"N:b;;"_s, u"FN: b"_s}));
    }

    void emptyEmailRule_data() {
        QTest::addColumn<QString>("mail");
        QTest::addColumn<bool>("allow");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("emptyCount");
        QTest::addColumn<QString>("secondCard");
        QTest::addRow("spaces, not allowed: row left out")
            << u"   "_s << false << 2 << 1 << QString();
        QTest::addRow("spaces, allowed: written with its spaces")
            << u"   "_s << true << 3 << 0
            << card(u"2.1"_s, {u"N:b;;"_s, u"FN: b"_s, u"EMAIL;PREF;INTERNET:   "_s});
        QTest::addRow("empty cell: no count, no line")
            << QString() << false << 3 << 0 << card(u"2.1"_s, {u"N:b;;"_s, u"FN: b"_s});
    }
    void emptyEmailRule() {
        QFETCH(QString, mail);
        QFETCH(bool, allow);
        QFETCH(int, added);
        QFETCH(int, emptyCount);
        QFETCH(QString, secondCard);
        Fixture fx({{u"Last"_s, u"Mail"_s, u"Note"_s},
                    {u"a"_s, u"a@x.example"_s, u""_s},
                    {u"b"_s, mail, u""_s},
                    {u"c"_s, u""_s, u""_s}},
                   {u"LastName"_s, u"EmailAddress"_s, QString()});
        fx.options.allowEmptyEmail = allow;
        const ConversionReport r = fx.run();
        QVERIFY(r.allWritten());
        QCOMPARE(r.contactsAdded, added);
        QCOMPARE(r.emptyEmailCount, emptyCount);
        QCOMPARE(fx.host.emptyCounts.size(), emptyCount);
        if (emptyCount > 0) {
            QCOMPARE(fx.host.emptyCounts.last(), u" 1/3"_s);
        }
        QCOMPARE(fx.state.progressDone, 3);
        if (secondCard.isEmpty()) {
            QCOMPARE(fx.files(), (QStringList{u"a_1.vcf"_s, u"c_2.vcf"_s}));
        } else {
            QCOMPARE(fx.read(u"b_2.vcf"_s), secondCard);
        }
    }

    // The options are taken when the run starts: changing them while it works changes nothing
    // in that run, so one file never mixes versions.
    void optionsChangedMidRunChangeNothing() {
        Fixture fx(tenContacts(), {u"LastName"_s, QString(), QString()});
        fx.host.onContact = [&fx](qint32 added) {
            if (added == 3) {
                fx.options.vCardVersion = VCardVersion::V40;
                fx.options.singleFile = true;
            }
        };
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.files().size(), 10);
        QCOMPARE(fx.read(u"L2_2.vcf"_s), card(u"2.1"_s, {u"N:L2;;"_s, u"FN: L2"_s}));
        QCOMPARE(fx.read(u"L10_10.vcf"_s), card(u"2.1"_s, {u"N:L10;;"_s, u"FN: L10"_s}));
    }

    void noDataRows_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addRow("header only") << QList<QStringList>{{u"Name"_s}};
        QTest::addRow("empty sheet") << QList<QStringList>{};
    }
    void noDataRows() {
        QFETCH(QList<QStringList>, rows);
        Fixture fx(rows, {});
        const ConversionReport r = fx.run();
        QVERIFY(r.allWritten());
        QCOMPARE(r.contactsAdded, 0);
        QVERIFY(QFileInfo(fx.folder()).isDir());
        QVERIFY(fx.files().isEmpty());
        QCOMPARE(fx.sheet.opens(), 2);
        QVERIFY(!fx.sheet.isOpen());
    }

    void blankSaveLocationDoesNothing_data() {
        QTest::addColumn<QString>("location");
        QTest::addRow("empty") << QString();
        QTest::addRow("spaces") << u"   "_s;
    }
    void blankSaveLocationDoesNothing() {
        QFETCH(QString, location);
        Fixture fx(tenContacts(), {u"LastName"_s});
        fx.options.saveLocation = location;
        fx.state.outputFolder = u"earlier"_s;
        const ConversionReport r = fx.run();
        QCOMPARE(r.outcome, ConversionReport::Outcome::NoSaveLocation);
        QCOMPARE(fx.sheet.opens(), 1); // step 1's read only
        QCOMPARE(fx.state.outputFolder, u"earlier"_s);
        QVERIFY(fx.host.counts.isEmpty());
    }

    void folderThatCannotBeMadeStopsTheRun() {
        Fixture fx(tenContacts(), {u"LastName"_s});
        fx.options.saveLocation = fx.dir.filePath(u"missing"_s);
        const ConversionReport r = fx.run();
        QCOMPARE(r.outcome, ConversionReport::Outcome::FolderFailed);
        QVERIFY(!r.allWritten());
        QVERIFY(r.message.contains(stampedFolderPath(fx.options.saveLocation, kClock)));
        QVERIFY(r.message.endsWith(u"No such file or directory."_s));
        QCOMPARE(fx.sheet.opens(), 1);
    }

    void workbookGoneAtConvert() {
        Fixture fx(tenContacts(), {u"LastName"_s});
        fx.sheet.setOpenFailure(
            u"\u201Ccontacts.xlsx\u201D cannot be read: the file does not exist."_s);
        const ConversionReport r = fx.run();
        QCOMPARE(r.outcome, ConversionReport::Outcome::WorkbookFailed);
        QCOMPARE(r.message,
                 u"\u201Ccontacts.xlsx\u201D cannot be read: the file does not exist."_s);
        QVERIFY(!QFileInfo::exists(fx.folder())); // no empty folder left behind
    }

    // A card that cannot be written is counted and reported; the others are written.
    void failedCardsAreReported() {
        Fixture fx(tenContacts(), {u"LastName"_s});
        fx.host.onContact = [&fx](qint32 added) {
            if (added == 2 || added == 7) {
                QDir().mkpath(fx.state.outputFolder + u"/L%1_%1.vcf"_s.arg(added));
            }
        };
        const ConversionReport r = fx.run();
        QVERIFY(r.finished());
        QVERIFY(!r.allWritten());
        QCOMPARE(r.cardsFailed, 2);
        QCOMPARE(r.contactsAdded, 10);
        QVERIFY(r.firstFailure.contains(u"L2_2.vcf"_s));
        QCOMPARE(fx.read(u"L3_3.vcf"_s), card(u"2.1"_s, {u"N:L3;;"_s, u"FN: L3"_s}));
    }

    // A second run in the same second never writes into the first one's folder.
    void secondRunGetsItsOwnFolder() {
        Fixture fx(tenContacts(), {u"LastName"_s});
        fx.options.singleFile = true;
        QVERIFY(fx.run().allWritten());
        const ConversionReport second = fx.run();
        QVERIFY(second.allWritten());
        QCOMPARE(second.outputFolder, fx.folder() + u"_2"_s);
        QCOMPARE(fx.read(u"All Contacts.vcf"_s).count(u"BEGIN:VCARD"_s), 10);
        QCOMPARE(fx.files(second.outputFolder), QStringList{u"All Contacts.vcf"_s});
    }

    // A date cell gives its day whatever its format shows; text is read in the host's order.
    // Values that are not dates leave their line out, the card is still written, and the
    // report counts them with the first one's row and text; a row left out counts nothing.
    void datesFromCells() {
        const QStringList header{u"Name"_s, u"Born"_s, u"Mail"_s, u"Wed"_s};
        Fixture fx({header, {u"a"_s}, {u"b"_s}, {u"c"_s}, {u"d"_s}, {u"e"_s}, {u"f"_s}},
                   {u"FullName"_s, u"Birthday"_s, u"EmailAddress"_s, u"Anniversary"_s});
        fx.options.dateOrder = DateOrder::MDY;
        auto t = [](const QString& s) { return CellValue::text(s); };
        const CellValue none;
        fx.sheet.setRows({
            {t(u"Name"_s), t(u"Born"_s), t(u"Mail"_s), t(u"Wed"_s)},
            // 33238 is 1990-12-31; the format shows a text that reads otherwise in M/D/Y.
            {t(u"a"_s), CellValue::dateNumber(33238, DateSystem::Date1900, u"31.12.1990"_s), none,
             t(u"June 15"_s)},
            {t(u"b"_s), t(u"12/31/90"_s), none, t(u"2001-06-15"_s)},
            {t(u"c"_s), t(u"sometime in May"_s), none, t(u"soon"_s)},
            // Left out for its e-mail of spaces: its birthday is not counted.
            {t(u"d"_s), t(u"never"_s), t(u"  "_s), none},
            {t(u"e"_s), t(u"31/02/1990"_s), none, none},
            {t(u"f"_s), CellValue::number(33238), none, t(u"   "_s)},
        });
        const ConversionReport r = fx.run();
        QVERIFY(r.allWritten());
        QCOMPARE(r.contactsAdded, 5);
        QCOMPARE(fx.read(u"1.vcf"_s),
                 card(u"2.1"_s, {u"FN:a"_s, u"BDAY:1990-12-31"_s,
                                 u"X-EVOLUTION-ANNIVERSARY;X-APPLE-OMIT-YEAR=1604:1604-06-15"_s}));
        QCOMPARE(fx.read(u"2.vcf"_s), card(u"2.1"_s, {u"FN:b"_s, u"BDAY:1990-12-31"_s,
                                                      u"X-EVOLUTION-ANNIVERSARY:2001-06-15"_s}));
        QCOMPARE(fx.read(u"3.vcf"_s), card(u"2.1"_s, {u"FN:c"_s}));
        QCOMPARE(fx.read(u"4.vcf"_s), card(u"2.1"_s, {u"FN:e"_s}));
        QCOMPARE(fx.read(u"5.vcf"_s), card(u"2.1"_s, {u"FN:f"_s}));
        QCOMPARE(r.valueProblems.size(), 2);
        QCOMPARE(valueProblemText(r.valueProblems.at(0)),
                 u"3 birthdays could not be read as dates (row 4: \"sometime in May\")"_s);
        QCOMPARE(valueProblemText(r.valueProblems.at(1)),
                 u"1 anniversary could not be read as a date (row 4: \"soon\")"_s);
    }

    // A photo path is taken from the spreadsheet's folder; one that cannot be read leaves
    // its line out and is reported with the first one's row and reason, beside the dates.
    void photosAndDatesReported() {
        Fixture fx({{u"Name"_s, u"Photo"_s, u"Born"_s},
                    {u"a"_s, u"pics/small.png"_s, u""_s},
                    {u"b"_s, u"pics/ann.jpg"_s, u"sometime in May"_s},
                    {u"c"_s, u"https://example.com/c.jpg"_s, u""_s},
                    {u"d"_s, u"pics/none.jpg"_s, u""_s}},
                   {u"FullName"_s, u"Photo"_s, u"Birthday"_s});
        QTemporaryDir sheetFolder;
        QVERIFY(QDir(sheetFolder.path()).mkpath(u"pics"_s));
        QVERIFY(QFile::copy(QStringLiteral(E2V_FIXTURES_DIR) + u"/photos/small.png"_s,
                            sheetFolder.filePath(u"pics/small.png"_s)));
        const ConversionReport r = fx.run(sheetFolder.filePath(u"contacts.xlsx"_s));
        QVERIFY(r.allWritten());
        QCOMPARE(r.contactsAdded, 4);
        QVERIFY(fx.read(u"1.vcf"_s).contains(u"\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:"_s));
        QCOMPARE(fx.read(u"2.vcf"_s), card(u"2.1"_s, {u"FN:b"_s}));
        QCOMPARE(fx.read(u"3.vcf"_s),
                 card(u"2.1"_s, {u"FN:c"_s, u"PHOTO;VALUE=URL:https://example.com/c.jpg"_s}));
        QCOMPARE(fx.read(u"4.vcf"_s), card(u"2.1"_s, {u"FN:d"_s}));
        QCOMPARE(problemLines(r),
                 u"1 birthday could not be read as a date (row 3: \"sometime in May\")\r\n"
                 "2 photos could not be read (row 3: pics/ann.jpg: no such file)\r\n"_s);
    }

    // Lines shaped by the mapping look the same on every card, blank cells or not: a mapped
    // suffix gives every 3.0 N five components, a mapped city makes the whole-address text
    // the label even where the city is blank.
    void mappingShapesEveryCard() {
        Fixture fx({{u"Last"_s, u"Suffix"_s, u"Address"_s, u"City"_s},
                    {u"Smith"_s, u"Jr."_s, u"1 Main St"_s, u"Pune"_s},
                    {u"Jones"_s, u""_s, u"2 High St"_s, u""_s}},
                   {u"LastName"_s, u"Suffix"_s, u"BusinessAddress"_s, u"BusinessAddressCity"_s});
        fx.options.vCardVersion = VCardVersion::V30;
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.read(u"Smith_1.vcf"_s),
                 card(u"3.0"_s, {u"N:Smith;;;;Jr."_s, u"FN: Smith"_s, u"ADR;TYPE=WORK:;;;Pune;;;"_s,
                                 u"LABEL;TYPE=WORK:1 Main St"_s}));
        QCOMPARE(fx.read(u"Jones_2.vcf"_s), card(u"3.0"_s, {u"N:Jones;;;;"_s, u"FN: Jones"_s,
                                                            u"LABEL;TYPE=WORK:2 High St"_s}));
    }

    // The same header text in two columns: each column feeds the field it was mapped to.
    void duplicateHeadersEachFeedTheirField() {
        Fixture fx({{u"Phone"_s, u"Phone"_s}, {u"111"_s, u"222"_s}},
                   {u"HomeTelephoneNumber"_s, u"MobileNumber"_s});
        QVERIFY(fx.run().allWritten());
        QCOMPARE(fx.read(u"1.vcf"_s),
                 card(u"2.1"_s, {u"FN:"_s, u"TEL;HOME;VOICE:111"_s, u"TEL;CELL;VOICE:222"_s}));
    }
};

QTEST_GUILESS_MAIN(TestConversionRun)
#include "test_conversionrun.moc"

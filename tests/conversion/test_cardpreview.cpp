#include "CardPreview.h"
#include "ContactField.h"
#include "ConversionRun.h"
#include "MemoryWorkbookSource.h"
#include "OutputPaths.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QImage>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kClock(QDate(2026, 12, 8), QTime(7, 30, 0));

class Host final : public ConversionHost {
public:
    QDateTime now() override { return kClock; }
    void progress(const ConversionProgress&) override {}
    bool stopRequested() override { return false; }
};

WizardState scanned(WorkbookSource& source, const QString& path) {
    Yielder yielder;
    WizardState state;
    const WorkbookScanResult scan = scanWorkbook(source, path, yielder);
    Q_ASSERT(scan.status.isOk());
    applyScan(state, scan);
    return state;
}

// Two cell values for a field: one that reaches the card, and one the field treats apart (a
// text that is no date, an e-mail of spaces, a picture that is not there, a value with a line
// break and separators). pictureFolder holds a picture for the Photo field.
std::pair<CellValue, CellValue> samplesFor(const ContactFieldRow& field,
                                           const QString& pictureFolder) {
    if (field.member == &ContactValues::Photo) {
        const QString picture = pictureFolder + u"/ann.png"_s;
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(QColor(20, 120, 200));
        if (!image.save(picture)) {
            qFatal("cannot write %s", qPrintable(picture));
        }
        return {CellValue::text(picture), CellValue::text(u"no-such-picture.jpg"_s)};
    }
    if (field.date) {
        // A date cell (1990-12-31) and a text that holds no date.
        return {CellValue::dateNumber(33238, DateSystem::Date1900, u"31/12/1990"_s),
                CellValue::text(u"sometime in May"_s)};
    }
    if (field.email) {
        return {CellValue::text(u"ann@example.org; ann.b@example.org"_s),
                CellValue::text(u"   "_s)};
    }
    return {CellValue::text(u"Value; with, separators \\ and \u00e9"_s),
            CellValue::text(u"first line\nsecond line"_s)};
}

} // namespace

class TestCardPreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // For every field in every version: the preview of each row is the card the run writes for
    // it, and a row the run leaves out or a value it cannot use is told.
    void previewIsTheCardTheRunWrites_data() {
        QTest::addColumn<int>("fieldIndex");
        QTest::addColumn<int>("version");
        for (int i = 0; i < kCatalogueSize; ++i) {
            for (VCardVersion v : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40}) {
                QTest::addRow("%s %s",
                              qPrintable(QStringView(kContactFields[size_t(i)].name).toString()),
                              qPrintable(vCardVersionText(v)))
                    << i << int(v);
            }
        }
    }
    void previewIsTheCardTheRunWrites() {
        QFETCH(int, fieldIndex);
        QFETCH(int, version);
        const ContactFieldRow& field = kContactFields[size_t(fieldIndex)];
        const QString fieldName = QStringView(field.name).toString();
        QTemporaryDir dir;
        const auto [first, second] = samplesFor(field, dir.path());
        // Row 3 is blank: it is not a contact, and the selector passes over it.
        MemoryWorkbookSource sheet({{CellValue::text(u"Name"_s), CellValue::text(u"Value"_s)},
                                    {CellValue::text(u"Ann Example"_s), first},
                                    {},
                                    {CellValue::text(u"Bob Example"_s), second}});
        WizardState state = scanned(sheet, u"contacts.xlsx"_s);
        const QString nameField = fieldName == u"FullName"_s ? u"LastName"_s : u"FullName"_s;
        QVERIFY(appendMapping(state, u"Name"_s, nameField, 0));
        QVERIFY(appendMapping(state, u"Value"_s, fieldName, 1));

        Host host;
        ConversionOptions options;
        options.singleFile = true;
        options.saveLocation = dir.path();
        options.vCardVersion = VCardVersion(version);

        const QList<qint32> rows = contactRows(state, u"contacts.xlsx"_s, sheet);
        QCOMPARE(rows, (QList<qint32>{2, 4}));
        QString previews;
        for (qint32 row : rows) {
            const CardPreview preview = previewCard(state, u"contacts.xlsx"_s, sheet, row, options);
            QCOMPARE(preview.row, row);
            previews += preview.card;
            if (row == 4 && field.email) {
                QVERIFY(preview.card.isEmpty());
                QCOMPARE(preview.message,
                         u"No card: the e-mail cell of row 4 holds nothing but spaces."_s);
            } else {
                QVERIFY(preview.card.startsWith(u"BEGIN:VCARD\r\n"_s));
                QVERIFY(preview.message.isEmpty());
            }
            if (row == 2 && field.member == &ContactValues::Photo) {
                // The picture is in the card, and shown shortened.
                QVERIFY(preview.card.contains(u"\r\nPHOTO"_s));
                QVERIFY2(shortenEmbeddedData(preview.card).contains(u" bytes)\r\n"_s),
                         qPrintable(shortenEmbeddedData(preview.card)));
            }
            if (row == 4 && field.member == &ContactValues::Photo) {
                QCOMPARE(preview.notWritten.size(), 1);
                QVERIFY2(preview.notWritten.first().startsWith(
                             u"Not written: Photo no-such-picture.jpg"_s),
                         qPrintable(preview.notWritten.first()));
                continue;
            }
            const QStringList notWritten =
                row == 4 && field.date
                    ? QStringList{u"Not written: %1 \"sometime in May\" is not a date"_s.arg(
                          fieldName)}
                    : QStringList();
            QCOMPARE(preview.notWritten, notWritten);
        }
        QVERIFY(!sheet.isOpen());

        WizardState runState = state;
        const ConversionReport report =
            convertContacts(runState, u"contacts.xlsx"_s, sheet, options, host);
        QVERIFY(report.allWritten());
        QFile written(cardFilePath(stampedFolderPath(dir.path(), kClock), true, QString(), 0));
        QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(written.fileName()));
        QCOMPARE(QString::fromUtf8(written.readAll()), previews);
    }

    // The selector's rows are the ones the run converts: blank rows are passed over, and rows
    // past the five blank rows that end the data are not offered.
    void contactRowsSkipBlankRows() {
        MemoryWorkbookSource sheet = MemoryWorkbookSource::fromTexts({{u"Name"_s, u"Mail"_s},
                                                                      {u"Ann"_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u""_s, u"bob@example.org"_s},
                                                                      {u""_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u"Cid"_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u""_s, u""_s},
                                                                      {u"After the end"_s, u""_s}});
        WizardState state = scanned(sheet, u"contacts.xlsx"_s);
        QCOMPARE(contactRows(state, u"contacts.xlsx"_s, sheet), (QList<qint32>{2, 4, 7}));
        QVERIFY(appendMapping(state, u"Name"_s, u"FullName"_s, 0));
        const ConversionOptions options;
        for (qint32 row : {1, 3, 13}) {
            const CardPreview preview = previewCard(state, u"contacts.xlsx"_s, sheet, row, options);
            QVERIFY(preview.card.isEmpty());
            QCOMPARE(preview.message, u"Row %1 holds no contact."_s.arg(row));
        }
        sheet.setOpenFailure(u"cannot read"_s);
        QVERIFY(contactRows(state, u"contacts.xlsx"_s, sheet).isEmpty());
        QCOMPARE(previewCard(state, u"contacts.xlsx"_s, sheet, 2, options).message,
                 u"cannot read"_s);
    }

    // The preview follows what the run would do now: a changed header stops it as it stops the
    // run, and the options are those the preview is asked with.
    void followsTheRunsRules() {
        MemoryWorkbookSource sheet =
            MemoryWorkbookSource::fromTexts({{u"Name"_s, u"Born"_s}, {u"Ann"_s, u"03/04/1990"_s}});
        WizardState state = scanned(sheet, u"contacts.xlsx"_s);
        ConversionOptions options;
        QCOMPARE(previewCard(state, u"contacts.xlsx"_s, sheet, 2, options).message,
                 u"Map a column to see the card it gives."_s);
        QVERIFY(appendMapping(state, u"Born"_s, u"Birthday"_s, 1));
        options.dateOrder = DateOrder::DMY;
        QVERIFY(previewCard(state, u"contacts.xlsx"_s, sheet, 2, options)
                    .card.contains(u"BDAY:1990-04-03\r\n"_s));
        options.dateOrder = DateOrder::MDY;
        QVERIFY(previewCard(state, u"contacts.xlsx"_s, sheet, 2, options)
                    .card.contains(u"BDAY:1990-03-04\r\n"_s));
        sheet.setRows({{CellValue::text(u"Name"_s), CellValue::text(u"Birth day"_s)},
                       {CellValue::text(u"Ann"_s), CellValue::text(u"03/04/1990"_s)}});
        const CardPreview changed = previewCard(state, u"contacts.xlsx"_s, sheet, 2, options);
        QVERIFY(changed.card.isEmpty());
        QCOMPARE(changed.message, u"\u201Ccontacts.xlsx\u201D has changed since it was read: "
                                  u"column B no longer has the header \u201CBorn\u201D. Select "
                                  u"the file again."_s);
    }

    // A preview answers from the cells kept since step 1: an unchanged file is not read again.
    void unchangedFileIsNotReadAgain() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"contacts.csv"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name,Mail\r\nAnn,ann@example.org\r\n");
        file.close();
        FileWorkbookSource source;
        WizardState state = scanned(source, path);
        QVERIFY(appendMapping(state, u"Name"_s, u"FullName"_s, 0));
        const ConversionOptions options;
        QCOMPARE(contactRows(state, path, source), QList<qint32>{2});
        QVERIFY(source.lastOpenReused());
        const CardPreview preview = previewCard(state, path, source, 2, options);
        QVERIFY(source.lastOpenReused());
        QVERIFY(preview.card.contains(u"FN:Ann\r\n"_s));
    }

    void photoDataIsShortened_data() {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("shown");
        const QString data = QString(u"QUJD"_s).repeated(300) + u"QQ=="_s; // 901 bytes
        const QString head = u"BEGIN:VCARD\r\nVERSION:%1\r\nFN:Ann\r\n"_s;
        const QString tail = u"END:VCARD\r\n"_s;
        auto fold = [](const QString& line) {
            QStringList parts{line.left(75)};
            for (qsizetype at = 75; at < line.size(); at += 74) {
                parts.append(u' ' + line.mid(at, 74));
            }
            return parts.join(u"\r\n"_s);
        };
        const QString v21 = u"PHOTO;ENCODING=BASE64;TYPE=JPEG:"_s + data;
        QTest::addRow("2.1") << head.arg(u"2.1"_s) + fold(v21) + u"\r\n\r\n"_s + tail
                             << head.arg(u"2.1"_s) + v21.left(60) +
                                    u"\u2026 (901 bytes)\r\n\r\n"_s + tail;
        const QString v30 = u"PHOTO;ENCODING=b;TYPE=JPEG:"_s + data;
        QTest::addRow("3.0") << head.arg(u"3.0"_s) + fold(v30) + u"\r\n"_s + tail
                             << head.arg(u"3.0"_s) + v30.left(60) + u"\u2026 (901 bytes)\r\n"_s +
                                    tail;
        const QString v40 = u"PHOTO;VALUE=uri:data:image/jpeg;base64,"_s +
                            QString(u"QUJD"_s).repeated(6000) + u"QQ=="_s; // 18,001 bytes
        QTest::addRow("4.0, grouped size")
            << head.arg(u"4.0"_s) + fold(v40) + u"\r\n"_s + tail
            << head.arg(u"4.0"_s) + v40.left(60) + u"\u2026 (18,001 bytes)\r\n"_s + tail;
        const QString link = u"PHOTO;VALUE=uri:https://example.org/"_s + u"a"_s.repeated(100);
        QTest::addRow("a link is kept") << head.arg(u"4.0"_s) + fold(link) + u"\r\n"_s + tail
                                        << head.arg(u"4.0"_s) + fold(link) + u"\r\n"_s + tail;
        const QString note = u"NOTE:"_s + data;
        QTest::addRow("other lines are kept") << head.arg(u"3.0"_s) + fold(note) + u"\r\n"_s + tail
                                              << head.arg(u"3.0"_s) + fold(note) + u"\r\n"_s + tail;
    }
    void photoDataIsShortened() {
        QFETCH(QString, card);
        QFETCH(QString, shown);
        QCOMPARE(shortenEmbeddedData(card), shown);
    }
};

QTEST_GUILESS_MAIN(TestCardPreview)
#include "test_cardpreview.moc"

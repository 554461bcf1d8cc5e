// Opening a spreadsheet other than through Browse's dialog (a file dropped on the window,
// the program started with a path), and choosing among a workbook's worksheets.

#include "WindowDriver.h"

#include "WorkbookSource.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QString kContacts = fixturePath(u"contacts/contacts.csv"_s);
const QString kSeveral = fixturePath(u"sheets/several-sheets.xlsx"_s);

QMimeData* urlsData(const QList<QUrl>& urls) {
    auto* mime = new QMimeData;
    mime->setUrls(urls);
    return mime;
}

// Sends a drag entering, moving over and dropping on target; true when the window took it.
bool dragAndDrop(QWidget* target, const QMimeData* mime, bool drop = true) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted() || !drop) {
        return move.isAccepted();
    }
    QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

} // namespace

class TestUiOpen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The worksheets are offered only for a workbook that has several; another one chosen is
    // read as a new workbook is: preview, count, header choices, and the conversion.
    void choosingASheetReadsIt() {
        QTemporaryDir save;
        WindowDriver d;
        d.dialogs.special = save.path();
        d.browse(kContacts);
        QVERIFY(!d.combo(u"cmbSheet"_s)->isVisible());
        QVERIFY(!d.label(u"lblSheet"_s)->isVisible());

        d.browse(kSeveral);
        QComboBox* sheets = d.combo(u"cmbSheet"_s);
        QVERIFY(sheets->isVisible());
        QVERIFY(d.label(u"lblSheet"_s)->isVisible());
        QCOMPARE(d.label(u"lblSheet"_s)->text(), u"Sheet:"_s);
        QCOMPARE(d.label(u"lblSheet"_s)->buddy(), sheets);
        QCOMPARE(sheets->accessibleName(), u"Sheet"_s);
        QCOMPARE(d.texts(u"cmbSheet"_s),
                 (QStringList{u"Contacts"_s, u"Archive"_s, u"1"_s, u"Ann\u00e9e 2024"_s}));
        QCOMPARE(sheets->currentIndex(), 0);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  3"_s);
        d.next();
        d.addMapping(u"First Name"_s, u"FirstName"_s);
        d.previous();

        sheets->setCurrentIndex(1);
        d.settle();
        QCOMPARE(d.window->state().sheetIndex, 1);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  5"_s);
        QAbstractItemModel* preview = d.get<QTableView>(u"sourceExcelData"_s)->model();
        QCOMPARE(preview->headerData(0, Qt::Horizontal).toString(), u"Name"_s);
        QCOMPARE(preview->index(4, 0).data().toString(), u"Old Five"_s);
        QCOMPARE(d.window->state().mappingCount, 0);
        QVERIFY(d.dialogs.messages.isEmpty());

        d.next();
        QCOMPARE(d.texts(u"cmbHeader"_s), (QStringList{u"Name"_s, u"Phone"_s}));
        d.addMapping(u"Name"_s, u"FullName"_s);
        d.next();
        d.get<QCheckBox>(u"ChkSinglevCard"_s)->setChecked(true);
        d.next();
        const QStringList folders =
            QDir(save.path()).entryList({u"Brinmark_Excel_vCard_*"_s}, QDir::Dirs);
        QCOMPARE(folders.size(), 1);
        QFile cards(save.filePath(folders.first() + u"/All Contacts.vcf"_s));
        QVERIFY(cards.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(cards.readAll());
        QCOMPARE(text.count(u"BEGIN:VCARD"_s), 5);
        QVERIFY(text.contains(u"FN:Old Five"_s));
        QVERIFY(!text.contains(u"Ann"_s));
    }

    // Dropped on the window or on a control that takes dropped text, from any step: the file
    // is read as Browse reads it, on step 1.
    void droppedFileOpens_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("target");
        QTest::addRow("nothing open, on the window") << u"none"_s << u"frmMain"_s;
        QTest::addRow("step 1, on the path box") << u"select"_s << u"txtExcelPath"_s;
        QTest::addRow("step 2, on the field box") << u"mapping"_s << u"cmbOutlook"_s;
        QTest::addRow("step 3, on the tabs") << u"export"_s << u"ExportTab"_s;
    }
    void droppedFileOpens() {
        QFETCH(QString, step);
        QFETCH(QString, target);
        WindowDriver d;
        d.dialogs.special = QDir::tempPath();
        if (step != u"none"_s) {
            d.browse(kContacts);
        }
        if (step == u"mapping"_s || step == u"export"_s) {
            d.next();
            d.addMapping(u"Notes"_s, u"Notes"_s);
        }
        if (step == u"export"_s) {
            d.next();
        }
        QWidget* widget = target == u"frmMain"_s ? d.window.get() : d.get<QWidget>(target);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            widget = combo->lineEdit();
        }
        std::unique_ptr<QMimeData> mime(urlsData({QUrl::fromLocalFile(kSeveral)}));
        // File managers add the path as text, which a line edit would take for itself.
        mime->setText(kSeveral);
        QVERIFY(dragAndDrop(widget, mime.get()));

        QTRY_COMPARE(d.edit(u"txtExcelPath"_s)->text(), kSeveral);
        d.settle();
        QCOMPARE(d.tabs()->currentIndex(), 0);
        QCOMPARE(d.window->state().currentStep, 1);
        QVERIFY(!d.button(u"cmdPrevious"_s)->isEnabled());
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        QVERIFY(d.button(u"cmdNext"_s)->text() != u"Convert"_s);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  3"_s);
        QCOMPARE(d.window->state().mappingCount, 0);
        QVERIFY(d.combo(u"cmbSheet"_s)->isVisible());
        QVERIFY(d.dialogs.messages.isEmpty());
        // No dialog was asked for a file.
        QCOMPARE(d.dialogs.filters.size(), step == u"none"_s ? 0 : 1);
        d.next();
        QCOMPARE(d.texts(u"cmbHeader"_s).first(), u"First Name"_s);
    }

    // Only one local file with a spreadsheet's extension is taken; anything else gets no
    // drop cursor, and nothing changes.
    void otherDragsAreRefused_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addRow("text file")
            << QList<QUrl>{QUrl::fromLocalFile(u"/tmp/notes.txt"_s)} << QString();
        QTest::addRow("no extension")
            << QList<QUrl>{QUrl::fromLocalFile(u"/tmp/contacts"_s)} << QString();
        QTest::addRow("remote") << QList<QUrl>{QUrl(u"https://example.org/contacts.xlsx"_s)}
                                << QString();
        QTest::addRow("two files")
            << QList<QUrl>{QUrl::fromLocalFile(kContacts), QUrl::fromLocalFile(kSeveral)}
            << QString();
        QTest::addRow("plain text") << QList<QUrl>{} << u"/tmp/contacts.xlsx"_s;
    }
    void otherDragsAreRefused() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        WindowDriver d;
        d.browse(kContacts);
        std::unique_ptr<QMimeData> mime(urlsData(urls));
        if (!text.isEmpty()) {
            mime->setText(text);
        }
        QVERIFY(!dragAndDrop(d.window.get(), mime.get()));
        QVERIFY(!dragAndDrop(d.edit(u"txtExcelPath"_s), mime.get()));
        QVERIFY(!frmMain::isSpreadsheetDrop(mime.get()));
        QTest::qWait(20);
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), kContacts);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  6"_s);
    }

    // A spreadsheet's extension in any letter case is taken.
    void extensionsTaken_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : {u"a.xlsx"_s, u"a.XLS"_s, u"a.ods"_s, u"a.Csv"_s}) {
            QTest::addRow("%s", qPrintable(name)) << name;
        }
    }
    void extensionsTaken() {
        QFETCH(QString, name);
        std::unique_ptr<QMimeData> mime(urlsData({QUrl::fromLocalFile(u"/tmp/"_s + name)}));
        QVERIFY(frmMain::isSpreadsheetDrop(mime.get()));
    }

    // "excel2vcard FILE": the file the program opens at start.
    void fileArgument_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        const QString cwd = QDir::currentPath();
        QTest::addRow("none") << QStringList{u"excel2vcard"_s} << QString();
        QTest::addRow("absolute") << QStringList{u"excel2vcard"_s, kContacts} << kContacts;
        QTest::addRow("relative") << QStringList{u"excel2vcard"_s, u"list.csv"_s}
                                  << cwd + u"/list.csv"_s;
        QTest::addRow("after an option")
            << QStringList{u"excel2vcard"_s, u"-reverse"_s, kContacts} << kContacts;
        QTest::addRow("after --") << QStringList{u"excel2vcard"_s, u"--"_s, u"-odd.csv"_s}
                                  << cwd + u"/-odd.csv"_s;
        QTest::addRow("file URL") << QStringList{u"excel2vcard"_s,
                                                 QUrl::fromLocalFile(kContacts).toString()}
                                  << kContacts;
    }
    void fileArgument() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QCOMPARE(frmMain::fileArgument(arguments), file);
    }

    // Started with a path, the window shows that file as Browse would, or Browse's message.
    void startWithAPath() {
        WindowDriver d;
        d.window->openFile(kSeveral);
        d.settle();
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), kSeveral);
        QCOMPARE(d.window->state().currentStep, 1);
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  3"_s);
        QVERIFY(d.dialogs.filters.isEmpty());

        const QString missing = fixturePath(u"contacts/no-such-file.xlsx"_s);
        FileWorkbookSource reader;
        const QString expected = reader.openWorkbook(missing).message();
        WindowDriver fresh;
        fresh.window->openFile(missing);
        fresh.settle();
        QCOMPARE(fresh.messageTexts(), {expected});
        QVERIFY(fresh.edit(u"txtExcelPath"_s)->text().isEmpty());
        QVERIFY(!fresh.button(u"cmdNext"_s)->isEnabled());
    }
};

QTEST_MAIN(TestUiOpen)
#include "test_ui_open.moc"

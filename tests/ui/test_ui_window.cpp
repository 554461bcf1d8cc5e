// The wizard window driven through its controls on the offscreen platform, with scripted
// answers for every dialog.

#include "WindowDriver.h"

#include "OutputPaths.h"
#include "ProgramLanguage.h"
#include "WorkbookSource.h"
#include "frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"Brinmark Excel to vCard Converter"_s;
const QString kContacts = fixturePath(u"contacts/contacts.csv"_s);

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

// The folders a save location holds after a run or a "Change...".
QStringList stampedFolders(const QString& base) {
    return QDir(base).entryList({u"Brinmark_Excel_vCard_*"_s}, QDir::Dirs | QDir::NoDotAndDotDot);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A sheet large enough that reading and converting it take many yields.
QString writeLargeSheet(const QString& folder, int rows) {
    const QString path = folder + u"/large.csv"_s;
    QByteArray bytes = "First,Last,Email,Phone,City\n";
    for (int r = 1; r <= rows; ++r) {
        const QByteArray n = QByteArray::number(r);
        bytes += "Ann" + n + ",Smith" + n + ",ann" + n + "@example.com,555-" + n + ",Boston\n";
    }
    writeFile(path, bytes);
    return path;
}

QString enabledTabs(QTabWidget* tabs) {
    QString flags;
    for (int i = 0; i < tabs->count(); ++i) {
        flags += tabs->isTabEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return flags;
}

} // namespace

class TestUiWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The reports count things in English as the programs write them ("1 birthday", "2
    // birthdays").
    void initTestCase() { QVERIFY(installPluralForms(*QCoreApplication::instance())); }
    void init() { m_save.reset(new QTemporaryDir); }

    void startState() {
        WindowDriver d;
        QCOMPARE(d.window->windowTitle(), u"Brinmark Excel to vCard Converter v3.5"_s);
        QCOMPARE(d.tabs()->currentIndex(), 0);
        QCOMPARE(enabledTabs(d.tabs()), u"100"_s);
        QCOMPARE(d.button(u"cmdNext"_s)->text(), u"&Next >"_s);
        QVERIFY(!d.button(u"cmdNext"_s)->isEnabled());
        QCOMPARE(d.button(u"cmdPrevious"_s)->text(), u"<  Pre&vious"_s);
        QVERIFY(!d.button(u"cmdPrevious"_s)->isEnabled());
        // The path boxes are read-only, not disabled: the keyboard and screen readers reach
        // them.
        QVERIFY(d.edit(u"txtExcelPath"_s)->isReadOnly());
        QVERIFY(d.edit(u"txtExcelPath"_s)->isEnabled());
        QVERIFY(d.edit(u"txtExcelPath"_s)->text().isEmpty());
        QVERIFY(d.edit(u"txtvCardSavePath"_s)->isReadOnly());
        QVERIFY(d.edit(u"txtvCardSavePath"_s)->isEnabledTo(d.tabs()->widget(2)));
        QVERIFY(d.get<QRadioButton>(u"Opt2"_s)->isChecked());
        QVERIFY(!d.get<QCheckBox>(u"chkNotNull"_s)->isChecked());
        QVERIFY(!d.get<QCheckBox>(u"ChkSinglevCard"_s)->isChecked());
        for (const QString& name : {u"lblNotNullLabel"_s, u"lblNotNullCount"_s,
                                    u"contactCountLabel"_s, u"lblContactCount"_s}) {
            QVERIFY2(d.label(name)->isHidden(), qPrintable(name));
        }
        QVERIFY(d.get<QProgressBar>(u"statusBar"_s)->isHidden());
        QVERIFY(!d.get<QTimer>(u"progressBar"_s)->isActive());
        QCOMPARE(d.get<QTimer>(u"progressBar"_s)->interval(), 400);
        auto* grid = d.get<QTableView>(u"sourceExcelData"_s);
        QVERIFY(grid->verticalHeader()->isHidden());
        QCOMPARE(grid->model()->rowCount() + 1, 1000);
        QCOMPARE(grid->model()->columnCount() + 1, 100);
        QCOMPARE(d.label(u"statusIndicatorPanel1"_s)->text(), u"Brinmark Excel to vCard"_s);
        QVERIFY(d.label(u"statusIndicatorPanel2"_s)->text().isEmpty());
        QCOMPARE(d.window->conversionOptions().vCardVersion, VCardVersion::V21);
    }

    // Each row drives the window through a sequence of actions and checks where it ends.
    void stateTable_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("shownTab");
        QTest::addColumn<QString>("tabsEnabled");
        QTest::addColumn<bool>("previousEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::addColumn<QString>("nextCaption");

        QTest::addRow("start") << u""_s << 0 << 0 << u"100"_s << false << false << u"&Next >"_s;
        QTest::addRow("workbook chosen")
            << u"browse"_s << 1 << 0 << u"100"_s << false << true << u"&Next >"_s;
        QTest::addRow("blank path from a cancelled dialog")
            << u"cancel"_s << 1 << 0 << u"100"_s << false << true << u"&Next >"_s;
        QTest::addRow("mapping") << u"browse next"_s << 2 << 1 << u"010"_s << true << true
                                 << u"&Next >"_s;
        QTest::addRow("mapping empty, next refused")
            << u"browse next next"_s << 2 << 1 << u"010"_s << true << true << u"&Next >"_s;
        QTest::addRow("back to select")
            << u"browse next previous"_s << 1 << 0 << u"100"_s << false << true << u"&Next >"_s;
        QTest::addRow("export") << u"browse next add next"_s << 3 << 2 << u"001"_s << true << true
                                << u"Convert"_s;
        QTest::addRow("back from export") << u"browse next add next previous"_s << 2 << 1
                                          << u"010"_s << true << true << u"Next"_s;
        QTest::addRow("export again") << u"browse next add next previous next"_s << 3 << 2
                                      << u"001"_s << true << true << u"Convert"_s;
        QTest::addRow("converted") << u"browse next add next convert"_s << 3 << 2 << u"001"_s
                                   << false << false << u"Convert"_s;
        QTest::addRow("converted, then Change...")
            << u"browse next add next convert change"_s << 3 << 2 << u"001"_s << false << true
            << u"Convert"_s;
    }
    void stateTable() {
        QFETCH(QString, actions);
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.dialogs.folders = {m_save->path()};
        for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (action == u"browse"_s) {
                d.browse(kContacts);
            } else if (action == u"cancel"_s) {
                d.click(u"cmdBrowse"_s);
                d.settle();
            } else if (action == u"next"_s || action == u"convert"_s) {
                d.next();
            } else if (action == u"previous"_s) {
                d.previous();
            } else if (action == u"add"_s) {
                d.addMapping(u"First name"_s, u"FirstName"_s);
            } else if (action == u"change"_s) {
                d.click(u"CmdChangevCardPath"_s);
            } else {
                QFAIL(qPrintable(action));
            }
        }
        QTEST(d.window->state().currentStep, "step");
        QTEST(d.tabs()->currentIndex(), "shownTab");
        QTEST(enabledTabs(d.tabs()), "tabsEnabled");
        QTEST(d.button(u"cmdPrevious"_s)->isEnabled(), "previousEnabled");
        QTEST(d.button(u"cmdNext"_s)->isEnabled(), "nextEnabled");
        QTEST(d.button(u"cmdNext"_s)->text(), "nextCaption");
        if (actions.endsWith(u"next next"_s)) {
            QCOMPARE(d.messageTexts(), {u"Please Map Excel Column to Outlook Attribute."_s});
        }
    }

    void browseShowsSheet() {
        WindowDriver d;
        d.browse(kContacts);
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), kContacts);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  6"_s);
        const QStringList filters = d.dialogs.filters.first().split(u";;"_s);
        QCOMPARE(filters.first(), u"Excel File (*.xlsx *.xls *.csv)"_s);
        QVERIFY(filters.at(1).contains(u"*.ods"_s));
        QCOMPARE(filters.last(), u"All files (*)"_s);

        auto* grid = d.get<QTableView>(u"sourceExcelData"_s);
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), u"First name"_s);
        QCOMPARE(model->headerData(7, Qt::Horizontal).toString(), u"Notes"_s);
        // The blank row is not shown: the preview packs the contacts together.
        QCOMPARE(model->index(0, 0).data().toString(), u"José"_s);
        QCOMPARE(model->index(2, 1).data().toString(), u"O'Brien"_s);
        QCOMPARE(model->index(5, 0).data().toString(), u"田中"_s);
        QVERIFY(model->index(6, 0).data().toString().isEmpty());
        QCOMPARE(model->index(3, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));

        // A cancelled dialog reports the file chosen before, which is read again.
        d.click(u"cmdBrowse"_s);
        d.settle();
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), kContacts);
        QVERIFY(d.dialogs.messages.isEmpty());
    }

    void readFailureChangesNothing_data() {
        QTest::addColumn<QString>("badFile");
        QTest::addRow("random bytes") << fixturePath(u"hostile/random-bytes.xlsx"_s);
        QTest::addRow("missing file") << fixturePath(u"contacts/no-such-file.xlsx"_s);
        QTest::addRow("password-protected") << fixturePath(u"xls/encrypted-password.xls"_s);
    }
    void readFailureChangesNothing() {
        QFETCH(QString, badFile);
        FileWorkbookSource reader;
        const QString expected = reader.openWorkbook(badFile).message();
        QVERIFY(!expected.isEmpty());

        WindowDriver d;
        d.browse(badFile);
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.messages.first().text, expected);
        QCOMPARE(d.dialogs.messages.first().caption, kTitle);
        QVERIFY(d.edit(u"txtExcelPath"_s)->text().isEmpty());
        QVERIFY(!d.button(u"cmdNext"_s)->isEnabled());
        QCOMPARE(d.window->state().currentStep, 0);

        d.browse(kContacts);
        d.next();
        d.addMapping(u"Last name"_s, u"LastName"_s);
        d.previous();
        d.browse(badFile);
        QCOMPARE(d.dialogs.messages.size(), 2);
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), kContacts);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  6"_s);
        QCOMPARE(d.window->state().headerNames[0], u"First name"_s);
        QCOMPARE(d.window->state().mappingCount, 1);
        // The card preview still shows the workbook the window keeps.
        QVERIFY(d.get<QPlainTextEdit>(u"txtCardPreview"_s)
                    ->toPlainText()
                    .contains(u"\nN:M\u00fcller;"_s));
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        d.next();
        QCOMPARE(d.listTexts(), {u"Last name\t->\tLastName"_s});
    }

    // The three answers of the mapping step, and what a good Add shows.
    void mappingMessages_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("message");

        QTest::addRow("nothing chosen")
            << QString() << QString() << false << u"Please Select the Outlook Field."_s;
        QTest::addRow("header only")
            << u"Phone"_s << QString() << false << u"Please Select the Outlook Field."_s;
        QTest::addRow("field only")
            << QString() << u"MobileNumber"_s << false << u"Please Select the Excel Field."_s;
        QTest::addRow("typed name not offered")
            << u"Phone"_s << u"Phone Number"_s << false << u"Please Select the Outlook Field."_s;
        QTest::addRow("remove with nothing selected")
            << QString() << QString() << true << u"Select the item from the added fields."_s;
        QTest::addRow("good pair") << u"Phone"_s << u"MobileNumber"_s << false << QString();
    }
    void mappingMessages() {
        QFETCH(QString, header);
        QFETCH(QString, field);
        QFETCH(bool, remove);
        QFETCH(QString, message);
        WindowDriver d;
        d.browse(kContacts);
        d.next();
        d.addMapping(u"First name"_s, u"FirstName"_s);
        d.pick(u"cmbHeader"_s, header);
        d.combo(u"cmbOutlook"_s)->setEditText(field);
        d.click(remove ? u"cmdRemove"_s : u"cmdAddMapping"_s);

        if (message.isEmpty()) {
            QVERIFY(d.dialogs.messages.isEmpty());
            QCOMPARE(d.listTexts(),
                     QStringList({u"First name\t->\tFirstName"_s, u"Phone\t->\tMobileNumber"_s}));
            QVERIFY(!d.texts(u"cmbHeader"_s).contains(u"Phone"_s));
            QVERIFY(!d.texts(u"cmbOutlook"_s).contains(u"MobileNumber"_s));
            QCOMPARE(d.combo(u"cmbHeader"_s)->currentIndex(), -1);
            QVERIFY(d.combo(u"cmbOutlook"_s)->currentText().isEmpty());
            return;
        }
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.messages.first().text, message);
        QCOMPARE(d.dialogs.messages.first().caption, kTitle);
        QVERIFY(d.dialogs.messages.first().icon == DialogService::Icon::None);
        QCOMPARE(d.listTexts(), {u"First name\t->\tFirstName"_s});
        QCOMPARE(d.texts(u"cmbHeader"_s).size(), 7);
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), 38);
    }

    void mappingRunsOutOfHeaders() {
        QTemporaryDir dir;
        const QString sheet = dir.filePath(u"two.csv"_s);
        writeFile(sheet, "Name,Mail\nAnn,ann@example.com\n");
        WindowDriver d;
        d.browse(sheet);
        d.next();
        QCOMPARE(d.texts(u"cmbHeader"_s), QStringList({u"Name"_s, u"Mail"_s}));
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), 39);
        d.addMapping(u"Name"_s, u"FirstName"_s);
        QVERIFY(d.combo(u"cmbHeader"_s)->isEnabled());
        d.addMapping(u"Mail"_s, u"EmailAddress"_s);
        for (const QString& name : {u"cmbHeader"_s, u"cmbOutlook"_s, u"cmdAddMapping"_s}) {
            QVERIFY2(!d.window->findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
        }
        d.removeMapping(0);
        for (const QString& name : {u"cmbHeader"_s, u"cmbOutlook"_s, u"cmdAddMapping"_s}) {
            QVERIFY2(d.window->findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
        }
        QCOMPARE(d.listTexts(), {u"Mail\t->\tEmailAddress"_s});
        QCOMPARE(d.texts(u"cmbHeader"_s), {u"Name"_s});
        // A field given back goes to the end of the list, not to its catalogue place.
        QCOMPARE(d.texts(u"cmbOutlook"_s).last(), u"FirstName"_s);
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), 38);
    }

    // Auto Map adds the recognised pairs as Add would, after those made by hand; a second
    // click finds nothing more and says so.
    void autoMapAddsRecognisedPairs() {
        WindowDriver d;
        d.browse(kContacts);
        d.next();
        d.addMapping(u"Phone"_s, u"MobileNumber"_s);
        d.click(u"cmdAutoMap"_s);
        QVERIFY(d.dialogs.messages.isEmpty());
        QCOMPARE(d.listTexts(),
                 QStringList({u"Phone\t->\tMobileNumber"_s, u"First name\t->\tFirstName"_s,
                              u"Last name\t->\tLastName"_s, u"Full name\t->\tFullName"_s,
                              u"Notes\t->\tNotes"_s}));
        QCOMPARE(d.texts(u"cmbHeader"_s), QStringList({u"Mobile"_s, u"Rating"_s, u"Subscribed"_s}));
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), kCatalogueSize - 5);
        QVERIFY(!d.texts(u"cmbOutlook"_s).contains(u"FullName"_s));
        QVERIFY(d.button(u"cmdSaveMapping"_s)->isEnabled());

        d.click(u"cmdAutoMap"_s);
        QCOMPARE(d.messageTexts(), {u"Auto Map recognised no further column header."_s});
        QCOMPARE(d.listTexts().size(), 5);
    }

    // Save Mapping writes the list through the save dialog; Load Mapping on another window
    // gives the same list. Files that do not fit say so; files that cannot be used change
    // nothing.
    void loadMapping_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("says");
        QTest::addColumn<int>("icon");

        const QStringList before = {u"Rating\t->\tNotes"_s};
        QTest::addRow("saved by the window")
            << QByteArray()
            << QStringList({u"Mobile\t->\tMobileNumber"_s, u"First name\t->\tFirstName"_s,
                            u"Notes\t->\tNotes"_s})
            << QString() << -1;
        QTest::addRow("some headers missing")
            << QByteArray(R"({"format": 1, "pairs": [
                              {"header": "Fax", "column": "I", "field": "BusinessFaxNumber"},
                              {"header": "Phone", "column": "D", "field": "HomeTelephoneNumber"}]})")
            << QStringList{u"Phone\t->\tHomeTelephoneNumber"_s}
            << u"1 of the 2 pairs of the mapping were left out:\n\u201CFax\u201D (column I) "
               "\u2192 BusinessFaxNumber: the header is not in this sheet"_s
            << int(DialogService::Icon::Information);
        QTest::addRow("not a mapping") << QByteArray("First name=FirstName\n") << before
                                       << u"it is not JSON"_s << int(DialogService::Icon::Warning);
        QTest::addRow("later format") << QByteArray(R"({"format": 2, "pairs": []})") << before
                                      << u"format 2"_s << int(DialogService::Icon::Warning);
        QTest::addRow("dialog cancelled") << QByteArray("-") << before << QString() << -1;
    }
    void loadMapping() {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, list);
        QFETCH(QString, says);
        QFETCH(int, icon);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"mapping.json"_s);
        if (json.isEmpty()) {
            WindowDriver saver;
            saver.browse(kContacts);
            saver.next();
            QVERIFY(!saver.button(u"cmdSaveMapping"_s)->isEnabled());
            saver.addMapping(u"Mobile"_s, u"MobileNumber"_s);
            saver.addMapping(u"First name"_s, u"FirstName"_s);
            saver.addMapping(u"Notes"_s, u"Notes"_s);
            saver.dialogs.saveFiles = {path};
            saver.click(u"cmdSaveMapping"_s);
            QCOMPARE(saver.dialogs.saveFilters, {u"Mapping (*.json);;All files (*)"_s});
            QVERIFY(saver.dialogs.messages.isEmpty());
            QVERIFY(QFile::exists(path));
        } else if (json != "-") {
            writeFile(path, json);
        }

        WindowDriver d;
        d.browse(kContacts);
        d.next();
        d.addMapping(u"Rating"_s, u"Notes"_s);
        d.dialogs.files = json == "-" ? QStringList{} : QStringList{path};
        d.click(u"cmdLoadMapping"_s);
        QCOMPARE(d.dialogs.filters.last(), u"Mapping (*.json);;All files (*)"_s);
        QCOMPARE(d.listTexts(), list);
        if (says.isEmpty()) {
            QVERIFY(d.dialogs.messages.isEmpty());
        } else {
            QCOMPARE(d.dialogs.messages.size(), 1);
            QVERIFY2(d.dialogs.messages.first().text.contains(says),
                     qPrintable(d.dialogs.messages.first().text));
            QCOMPARE(int(d.dialogs.messages.first().icon), icon);
        }
        // The choices are what the list leaves.
        QCOMPARE(d.texts(u"cmbHeader"_s).size(), 8 - list.size());
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), kCatalogueSize - list.size());
    }

    void saveMappingReportsAFailure() {
        WindowDriver d;
        d.browse(kContacts);
        d.next();
        d.addMapping(u"Phone"_s, u"MobileNumber"_s);
        d.dialogs.saveFiles = {u"/nonexistent/folder/m.json"_s};
        d.click(u"cmdSaveMapping"_s);
        QCOMPARE(d.dialogs.messages.size(), 1);
        QVERIFY(d.dialogs.messages.first().text.contains(u"cannot be written"_s));
        QVERIFY(d.dialogs.messages.first().icon == DialogService::Icon::Warning);
        // Cancelled: nothing written, nothing said.
        d.click(u"cmdSaveMapping"_s);
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.saveFilters.size(), 2);
    }

    void returningKeepsMappings() {
        WindowDriver d;
        d.browse(kContacts);
        d.next();
        d.addMapping(u"Notes"_s, u"Notes"_s);
        d.previous();
        d.next();
        QCOMPARE(d.listTexts(), {u"Notes\t->\tNotes"_s});
        QCOMPARE(d.texts(u"cmbHeader"_s).size(), 7);
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), 38);
    }

    void secondWorkbookStartsMappingAgain() {
        WindowDriver d;
        d.browse(kContacts);
        d.next();
        d.addMapping(u"Notes"_s, u"Notes"_s);
        d.previous();
        d.browse(fixturePath(u"../../examples/contacts.csv"_s));
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  12"_s);
        d.next();
        QVERIFY(d.listTexts().isEmpty());
        QCOMPARE(d.window->state().mappingCount, 0);
        QCOMPARE(d.texts(u"cmbHeader"_s).first(), u"First Name"_s);
        QCOMPARE(d.texts(u"cmbHeader"_s).size(), 13);
        QCOMPARE(d.texts(u"cmbOutlook"_s).size(), 39);
        d.addMapping(u"E-mail"_s, u"EmailAddress"_s);
        QCOMPARE(d.listTexts(), {u"E-mail\t->\tEmailAddress"_s});
    }

    void saveLocationDefault_data() {
        QTest::addColumn<bool>("chooseFirst");
        QTest::addRow("empty: the special folder") << false;
        QTest::addRow("chosen: kept") << true;
    }
    void saveLocationDefault() {
        QFETCH(bool, chooseFirst);
        QTemporaryDir chosen;
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.toExport(kContacts, u"First name"_s, u"FirstName"_s);
        QCOMPARE(d.edit(u"txtvCardSavePath"_s)->text(), m_save->path());
        if (chooseFirst) {
            d.dialogs.folders = {chosen.path()};
            d.click(u"CmdChangevCardPath"_s);
        }
        d.previous();
        d.dialogs.special = u"/elsewhere"_s;
        d.next();
        QCOMPARE(d.edit(u"txtvCardSavePath"_s)->text(),
                 chooseFirst ? chosen.path() : m_save->path());
    }

    void changeSaveLocation_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addRow("cancelled") << true;
        QTest::addRow("folder chosen") << false;
    }
    void changeSaveLocation() {
        QFETCH(bool, cancel);
        QTemporaryDir chosen;
        WindowDriver d;
        const QDateTime clock(QDate(2027, 3, 3), QTime(7, 5, 9));
        d.window->setClock([clock] { return clock; });
        d.dialogs.special = m_save->path();
        d.toExport(kContacts, u"First name"_s, u"FirstName"_s);
        if (!cancel) {
            d.dialogs.folders = {chosen.path()};
        }
        d.click(u"CmdChangevCardPath"_s);
        QCOMPARE(d.dialogs.pickerTitles, {u"Select Folder"_s});
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        QCOMPARE(d.edit(u"txtvCardSavePath"_s)->text(), cancel ? m_save->path() : chosen.path());
        QCOMPARE(d.label(u"lblContactCount"_s)->isVisible(), !cancel);
        QCOMPARE(d.label(u"contactCountLabel"_s)->isVisible(), !cancel);
        QCOMPARE(d.label(u"lblNotNullCount"_s)->isVisible(), !cancel);
        QCOMPARE(d.label(u"lblNotNullLabel"_s)->isVisible(), !cancel);
        QVERIFY(stampedFolders(m_save->path()).isEmpty());
        if (cancel) {
            QVERIFY(stampedFolders(chosen.path()).isEmpty());
            QVERIFY(d.window->state().outputFolder.isEmpty());
        } else {
            QCOMPARE(stampedFolders(chosen.path()), {u"Brinmark_Excel_vCard_3_3_2027_7_5_9"_s});
            QCOMPARE(d.window->state().outputFolder, stampedFolderPath(chosen.path(), clock));
            QVERIFY(filesIn(d.window->state().outputFolder).isEmpty());
        }
        QVERIFY(d.dialogs.messages.isEmpty());
    }

    void changeIntoUnwritableFolder() {
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.toExport(kContacts, u"First name"_s, u"FirstName"_s);
        d.dialogs.folders = {m_save->filePath(u"missing/deeper"_s)};
        d.click(u"CmdChangevCardPath"_s);
        QCOMPARE(d.dialogs.messages.size(), 1);
        QVERIFY(d.dialogs.messages.first().text.contains(u"missing"_s));
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
    }

    // A whole conversion from each committed format, through the window.
    void fullConversion_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("versionButton");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("single");

        QTest::addRow("csv, 2.1") << u"contacts/contacts.csv"_s << u"Opt2"_s << u"2.1"_s << false;
        QTest::addRow("xlsx, 3.0") << u"contacts/contacts.xlsx"_s << u"Opt3"_s << u"3.0"_s << false;
        QTest::addRow("ods, 4.0") << u"contacts/contacts.ods"_s << u"Opt4"_s << u"4.0"_s << false;
        QTest::addRow("xls, 4.0 then 2.1")
            << u"contacts/contacts.xls"_s << u"Opt4 Opt2"_s << u"2.1"_s << false;
        QTest::addRow("csv, 3.0, one file")
            << u"contacts/contacts.csv"_s << u"Opt3"_s << u"3.0"_s << true;
    }
    void fullConversion() {
        QFETCH(QString, sheet);
        QFETCH(QString, versionButton);
        QFETCH(QString, version);
        QFETCH(bool, single);

        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.browse(fixturePath(sheet));
        d.next();
        d.addMapping(u"First name"_s, u"FirstName"_s);
        d.addMapping(u"Last name"_s, u"LastName"_s);
        d.addMapping(u"Phone"_s, u"BusinessTelephoneNumber"_s);
        d.next();
        // Leaving step 3 and coming back keeps the version chosen.
        for (const QString& button : versionButton.split(QLatin1Char(' '))) {
            d.get<QRadioButton>(button)->click();
        }
        d.previous();
        d.next();
        QVERIFY(d.get<QRadioButton>(versionButton.split(QLatin1Char(' ')).last())->isChecked());
        // The caption beside the box ticks it too.
        if (single) {
            QTest::mouseClick(d.label(u"Label11"_s), Qt::LeftButton);
        }
        QCOMPARE(d.get<QCheckBox>(u"ChkSinglevCard"_s)->isChecked(), single);
        d.next();

        QCOMPARE(d.dialogs.questions.size(), 1);
        QCOMPARE(d.dialogs.questions.first().caption, u"Open Destination Folder"_s);
        QCOMPARE(d.dialogs.questions.first().text,
                 u"The contacts have been exported successfully to vCard files.\r\n"
                 "Would you like to open folder containing excel file. Click Yes else click No."_s);
        const QStringList folders = stampedFolders(m_save->path());
        QCOMPARE(folders.size(), 1);
        const QString out = m_save->filePath(folders.first());
        QCOMPARE(d.dialogs.opened, {out});
        QVERIFY(d.window->isVisible());
        QCOMPARE(d.label(u"lblContactCount"_s)->text(), u" 6/6"_s);
        QVERIFY(d.label(u"lblContactCount"_s)->isVisible());
        QCOMPARE(d.get<QProgressBar>(u"statusBar"_s)->value(), 100);
        QVERIFY(d.get<QProgressBar>(u"statusBar"_s)->isVisible());
        // Six rows of six converted: a tick shows the full bar, the header row not counted.
        d.window->progressBar_Timer();
        QCOMPARE(d.get<QProgressBar>(u"statusBar"_s)->value(), 100);

        const QString versionLine = u"\r\nVERSION:"_s + version + u"\r\n"_s;
        if (single) {
            QCOMPARE(filesIn(out), {u"All Contacts.vcf"_s});
            const QString all = readText(out + u"/All Contacts.vcf"_s);
            QCOMPARE(all.count(u"BEGIN:VCARD"_s), 6);
            QCOMPARE(all.count(versionLine), 6);
            QVERIFY(all.indexOf(u"Müller"_s) < all.indexOf(u"Østergaard"_s));
            return;
        }
        const QStringList files = filesIn(out);
        QCOMPARE(files.size(), 6);
        QVERIFY2(files.contains(u"MüllerJosé_1.vcf"_s), qPrintable(files.join(u", "_s)));
        QVERIFY2(files.contains(u"花子田中_6.vcf"_s), qPrintable(files.join(u", "_s)));
        const QString first = readText(out + u"/MüllerJosé_1.vcf"_s);
        QVERIFY(first.startsWith(u"BEGIN:VCARD"_s + versionLine));
        QVERIFY(first.endsWith(u"END:VCARD\r\n"_s));
        QVERIFY(first.contains(u"00123"_s));
        QVERIFY(!first.contains(u"5551234567"_s)); // Mobile is not mapped
    }

    // Each address book offers only the versions it takes, and the run writes the one checked;
    // back on "Any address book" the user's own choice returns.
    void importTargetOffersItsVersions_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("ownButton");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("singleFile");
        QTest::addColumn<QString>("version");
        const QStringList all = {u"Opt2"_s, u"Opt3"_s, u"Opt4"_s};
        QTest::addRow("any, 4.0") << u"Any address book"_s << u"Opt4"_s << all << u"Opt4"_s << true
                                  << u"4.0"_s;
        QTest::addRow("outlook over 4.0") << u"Outlook"_s << u"Opt4"_s << QStringList{u"Opt2"_s}
                                          << u"Opt2"_s << false << u"2.1"_s;
        QTest::addRow("apple over 2.1") << u"Apple Contacts"_s << u"Opt2"_s
                                        << QStringList{u"Opt3"_s} << u"Opt3"_s << true << u"3.0"_s;
        QTest::addRow("google over 4.0") << u"Google Contacts"_s << u"Opt4"_s
                                         << QStringList{u"Opt3"_s} << u"Opt3"_s << true << u"3.0"_s;
        QTest::addRow("android over 4.0")
            << u"Android"_s << u"Opt4"_s << QStringList{u"Opt2"_s, u"Opt3"_s} << u"Opt3"_s << true
            << u"3.0"_s;
        QTest::addRow("android keeps 2.1")
            << u"Android"_s << u"Opt2"_s << QStringList{u"Opt2"_s, u"Opt3"_s} << u"Opt2"_s << true
            << u"2.1"_s;
    }
    void importTargetOffersItsVersions() {
        QFETCH(QString, target);
        QFETCH(QString, ownButton);
        QFETCH(QStringList, enabled);
        QFETCH(QString, checked);
        QFETCH(bool, singleFile);
        QFETCH(QString, version);

        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.toExport(fixturePath(u"conversion/phones.csv"_s), u"Name"_s, u"FirstName"_s);
        QComboBox* targets = d.combo(u"cmbImportTarget"_s);
        QCOMPARE(d.texts(u"cmbImportTarget"_s),
                 (QStringList{u"Any address book"_s, u"Outlook"_s, u"Apple Contacts"_s,
                              u"Google Contacts"_s, u"Android"_s}));
        QCOMPARE(targets->currentIndex(), 0);
        QCOMPARE(d.window->conversionOptions().importTarget, ImportTarget::Generic);
        auto* single = d.get<QCheckBox>(u"ChkSinglevCard"_s);
        d.get<QRadioButton>(ownButton)->click();
        single->click();

        const QStringList buttons = {u"Opt2"_s, u"Opt3"_s, u"Opt4"_s};
        auto offered = [&] {
            QStringList on;
            for (const QString& name : buttons) {
                if (d.get<QRadioButton>(name)->isEnabled()) {
                    on << name;
                }
            }
            return on;
        };
        d.pick(u"cmbImportTarget"_s, target);
        QCOMPARE(offered(), enabled);
        QVERIFY(d.get<QRadioButton>(checked)->isChecked());
        QCOMPARE(single->isEnabled(), singleFile);
        QCOMPARE(single->isChecked(), singleFile);
        QCOMPARE(single->toolTip(),
                 singleFile ? QString()
                            : u"Outlook imports only the first card of a file: one file per "
                              "contact."_s);
        if (!singleFile) {
            // A click on the caption does not tick a box the target does not allow.
            QTest::mouseClick(d.label(u"Label11"_s), Qt::LeftButton);
            QVERIFY(!single->isChecked());
        }

        d.pick(u"cmbImportTarget"_s, u"Any address book"_s);
        QCOMPARE(offered(), buttons);
        QVERIFY(d.get<QRadioButton>(ownButton)->isChecked());
        QVERIFY(single->isEnabled());
        QVERIFY(single->isChecked());
        QVERIFY(single->toolTip().isEmpty());

        d.pick(u"cmbImportTarget"_s, target);
        d.next();
        QCOMPARE(d.dialogs.questions.size(), 1);
        // The run was told the target, not only the version its buttons left.
        const QString made = u"The cards are made for import into "_s + target + u"."_s;
        QCOMPARE(d.dialogs.questions.first().text.contains(made), target != u"Any address book"_s);
        const QStringList folders = stampedFolders(m_save->path());
        QCOMPARE(folders.size(), 1);
        const QString out = m_save->filePath(folders.first());
        const QStringList files = filesIn(out);
        QCOMPARE(files.size(), singleFile ? 1 : 2);
        const QString versionLine = u"\r\nVERSION:"_s + version + u"\r\n"_s;
        for (const QString& file : files) {
            const QString cards = readText(out + u"/"_s + file);
            QCOMPARE(cards.count(versionLine), cards.count(u"BEGIN:VCARD"_s));
        }
    }

    // Phone formatting chosen on step 3 reaches the cards: the region for numbers without a
    // country code, the form for all.
    void phoneFormatReachesTheCards_data() {
        QTest::addColumn<bool>("format");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("numbers");
        QTest::addRow("off") << false << u"Germany (DE)"_s << u"E.164"_s
                             << QStringList{u"030 5551000"_s, u"+1 (617) 555-0100 ext. 12"_s,
                                            u"0171 2345678"_s};
        QTest::addRow("international, Germany")
            << true << u"Germany (DE)"_s << u"International"_s
            << QStringList{u"+49 30 5551000"_s, u"+1 617-555-0100 ext. 12"_s, u"+49 171 2345678"_s};
        QTest::addRow("E.164, Germany")
            << true << u"Germany (DE)"_s << u"E.164"_s
            << QStringList{u"+49305551000"_s, u"+16175550100 ext. 12"_s, u"+491712345678"_s};
        // In the United States the German numbers are not valid and stay as written.
        QTest::addRow("E.164, United States")
            << true << u"United States (US)"_s << u"E.164"_s
            << QStringList{u"030 5551000"_s, u"+16175550100 ext. 12"_s, u"0171 2345678"_s};
    }
    void phoneFormatReachesTheCards() {
        QFETCH(bool, format);
        QFETCH(QString, region);
        QFETCH(QString, style);
        QFETCH(QStringList, numbers);

        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.browse(fixturePath(u"conversion/phones.csv"_s));
        d.next();
        d.addMapping(u"Name"_s, u"FirstName"_s);
        d.addMapping(u"Phone"_s, u"BusinessTelephoneNumber"_s);
        d.addMapping(u"Mobile"_s, u"MobileNumber"_s);
        d.next();
        auto* box = d.get<QCheckBox>(u"chkPhoneFormat"_s);
        QComboBox* regions = d.combo(u"cmbPhoneRegion"_s);
        QComboBox* styles = d.combo(u"cmbPhoneStyle"_s);
        QVERIFY(!box->isChecked());
        QVERIFY(!regions->isEnabled());
        QVERIFY(!styles->isEnabled());
        // Countries by name, each with its code.
        const QStringList names = d.texts(u"cmbPhoneRegion"_s);
        QVERIFY(names.size() > 200);
        for (qsizetype i = 1; i < names.size(); ++i) {
            QVERIFY2(names[i - 1].compare(names[i], Qt::CaseInsensitive) < 0,
                     qPrintable(names[i - 1] + u" before "_s + names[i]));
        }
        QVERIFY(names.contains(region));
        QCOMPARE(d.texts(u"cmbPhoneStyle"_s), (QStringList{u"International"_s, u"E.164"_s}));

        d.pick(u"cmbPhoneRegion"_s, region);
        d.pick(u"cmbPhoneStyle"_s, style);
        if (format) {
            // By the keyboard, as the caption's mnemonic-free box is reached by Tab.
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(box->isChecked());
            QVERIFY(regions->isEnabled());
            QVERIFY(styles->isEnabled());
        }
        d.next();
        QCOMPARE(d.dialogs.questions.size(), 1);
        const QStringList folders = stampedFolders(m_save->path());
        QCOMPARE(folders.size(), 1);
        const QString out = m_save->filePath(folders.first());
        const QString ann = readText(out + u"/Ann_1.vcf"_s);
        const QString bob = readText(out + u"/Bob_2.vcf"_s);
        QVERIFY2(ann.contains(u":"_s + numbers[0] + u"\r\n"_s), qPrintable(ann));
        QVERIFY2(bob.contains(u":"_s + numbers[1] + u"\r\n"_s), qPrintable(bob));
        QVERIFY2(bob.contains(u":"_s + numbers[2] + u"\r\n"_s), qPrintable(bob));
    }

    // The order chosen on step 3, picked with the keyboard, is the one the run reads dates
    // in; what could not be read is told in the end message.
    void dateOrderReachesTheRun() {
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.browse(fixturePath(u"conversion/birthdays.csv"_s));
        d.next();
        d.addMapping(u"Name"_s, u"FullName"_s);
        d.addMapping(u"Born"_s, u"Birthday"_s);
        d.next();
        QComboBox* order = d.combo(u"cmbDateOrder"_s);
        QCOMPARE(d.texts(u"cmbDateOrder"_s), (QStringList{u"D/M/Y"_s, u"M/D/Y"_s, u"Y/M/D"_s}));
        order->setCurrentIndex(0);
        order->setFocus();
        QTest::keyClick(order, Qt::Key_Down);
        QCOMPARE(order->currentText(), u"M/D/Y"_s);
        d.next();
        QCOMPARE(d.dialogs.questions.size(), 1);
        QCOMPARE(d.dialogs.questions.first().text,
                 u"The contacts have been exported successfully to vCard files.\r\n"
                 "2 birthdays could not be read as dates (row 2: \"31/12/1990\")\r\n"
                 "Would you like to open folder containing excel file. Click Yes else click No."_s);
        const QStringList folders = stampedFolders(m_save->path());
        QCOMPARE(folders.size(), 1);
        const QString bob = readText(m_save->filePath(folders.first()) + u"/2.vcf"_s);
        QVERIFY2(bob.contains(u"\r\nBDAY:1990-12-31\r\n"_s), qPrintable(bob));
    }

    // The card preview beside the steps follows the mapping and the options, and shows the
    // contact picked with its selector or in step 1's grid.
    void cardPreviewFollowsTheWindow() {
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.browse(fixturePath(u"conversion/birthdays.csv"_s));
        auto* card = d.get<QPlainTextEdit>(u"txtCardPreview"_s);
        auto* contact = d.get<QSpinBox>(u"spnPreviewContact"_s);
        QLabel* row = d.label(u"lblPreviewRow"_s);
        QLabel* notWritten = d.label(u"lblNotWritten"_s);
        QCOMPARE(contact->maximum(), 3);
        QCOMPARE(contact->value(), 1);
        QCOMPARE(row->text(), u"(row 2)"_s);
        d.next();
        QCOMPARE(card->toPlainText(), u"Map a column to see the card it gives."_s);
        d.addMapping(u"Name"_s, u"FullName"_s);
        QVERIFY2(card->toPlainText().contains(u"\nFN:Ann\n"_s), qPrintable(card->toPlainText()));
        QVERIFY(!card->toPlainText().contains(u"BDAY"_s));
        d.addMapping(u"Born"_s, u"Birthday"_s);
        QVERIFY2(card->toPlainText().contains(u"\nBDAY:1990-12-31\n"_s),
                 qPrintable(card->toPlainText()));
        QVERIFY(!notWritten->isVisible());

        // A row picked in the grid on step 1.
        d.previous();
        auto* grid = d.get<QTableView>(u"sourceExcelData"_s);
        grid->setCurrentIndex(grid->model()->index(2, 1));
        QCOMPARE(contact->value(), 3);
        QCOMPARE(row->text(), u"(row 4)"_s);
        QVERIFY(card->toPlainText().contains(u"\nFN:Cy\n"_s));
        QVERIFY(notWritten->isVisible());
        QCOMPARE(notWritten->text(), u"Not written: Birthday \"sometime in May\" is not a date"_s);
        QVERIFY(notWritten->geometry().top() > card->geometry().bottom());

        // The selector, and the options of step 3.
        d.next();
        d.next();
        contact->setFocus();
        QTest::keyClick(contact, Qt::Key_Down);
        QCOMPARE(contact->value(), 2);
        d.pick(u"cmbDateOrder"_s, u"D/M/Y"_s);
        QVERIFY(card->toPlainText().contains(u"\nFN:Bob\n"_s));
        QVERIFY(!card->toPlainText().contains(u"BDAY"_s));
        QCOMPARE(notWritten->text(), u"Not written: Birthday \"12/31/1990\" is not a date"_s);
        d.pick(u"cmbDateOrder"_s, u"M/D/Y"_s);
        QVERIFY(card->toPlainText().contains(u"\nBDAY:1990-12-31\n"_s));
        QVERIFY(!notWritten->isVisible());
        QVERIFY(card->toPlainText().startsWith(u"BEGIN:VCARD\nVERSION:2.1\n"_s));
        d.get<QRadioButton>(u"Opt3"_s)->click();
        QVERIFY(card->toPlainText().startsWith(u"BEGIN:VCARD\nVERSION:3.0\n"_s));
        // The keyboard reaches the selector and the card after the step's controls.
        QPushButton* change = d.button(u"CmdChangevCardPath"_s);
        change->setFocus();
        for (QWidget* expected : {static_cast<QWidget*>(contact), static_cast<QWidget*>(card),
                                  static_cast<QWidget*>(d.button(u"cmdPrevious"_s))}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }

        // Removing a mapping takes its line off.
        d.previous();
        d.removeMapping(1);
        QVERIFY(card->toPlainText().contains(u"\nFN:Bob\n"_s));
        QVERIFY(!card->toPlainText().contains(u"BDAY"_s));

        // A blank row is passed over: the third contact of this sheet stands in row 5.
        d.previous();
        d.browse(kContacts);
        QCOMPARE(contact->maximum(), 6);
        QCOMPARE(contact->value(), 1);
        contact->setValue(3);
        QCOMPARE(row->text(), u"(row 5)"_s);
    }

    void endDialogNoClosesWindow() {
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {false};
        d.toExport(kContacts, u"Last name"_s, u"LastName"_s);
        d.next();
        QCOMPARE(d.dialogs.questions.size(), 1);
        QVERIFY(d.dialogs.opened.isEmpty());
        QVERIFY(!d.window->isVisible());
    }

    void endDialogWhenWorkbookGone() {
        QTemporaryDir dir;
        const QString sheet = dir.filePath(u"contacts.csv"_s);
        QVERIFY(QFile::copy(kContacts, sheet));
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.toExport(sheet, u"Last name"_s, u"LastName"_s);
        QVERIFY(QFile::remove(sheet));
        d.next();
        // No success is claimed and no folder is offered.
        QVERIFY(d.dialogs.questions.isEmpty());
        QCOMPARE(d.dialogs.messages.size(), 1);
        QVERIFY(d.dialogs.messages.first().text.contains(u"contacts.csv"_s));
        QVERIFY(d.dialogs.messages.first().icon == DialogService::Icon::Warning);
        QVERIFY(d.window->isVisible());
        QVERIFY(!d.get<QTimer>(u"progressBar"_s)->isActive());
        QVERIFY(d.get<QProgressBar>(u"statusBar"_s)->isHidden());
    }

    void convertWithoutSaveLocation() {
        WindowDriver d;
        d.dialogs.special = QString(); // the lookup failed
        d.toExport(kContacts, u"Last name"_s, u"LastName"_s);
        QVERIFY(d.edit(u"txtvCardSavePath"_s)->text().isEmpty());
        d.next();
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.messages.first().text, u"Please Choose Saving Location"_s);
        QVERIFY(d.dialogs.messages.first().icon == DialogService::Icon::Information);
        QVERIFY(d.dialogs.questions.isEmpty());
        QVERIFY(d.get<QProgressBar>(u"statusBar"_s)->isHidden());
        QVERIFY(stampedFolders(m_save->path()).isEmpty());
        QVERIFY(!d.button(u"cmdNext"_s)->isEnabled());
        QVERIFY(!d.button(u"cmdPrevious"_s)->isEnabled());
        d.dialogs.folders = {m_save->path()};
        d.click(u"CmdChangevCardPath"_s);
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
    }

    // While a workbook is read, nothing can start a second read or leave step 1.
    void readingLocksTheControls() {
        QTemporaryDir dir;
        const QString large = writeLargeSheet(dir.path(), 200000);
        WindowDriver d;
        d.browse(kContacts);
        QStringList seen;
        QTimer::singleShot(0, d.window.get(), [&] {
            seen << (d.window->busy() ? u"busy"_s : u"idle"_s);
            for (const QString& name : {u"cmdBrowse"_s, u"cmdNext"_s}) {
                seen << name + (d.button(name)->isEnabled() ? u" on"_s : u" off"_s);
            }
            seen << (d.action(u"OpenExcel"_s)->isEnabled() ? u"toolbar on"_s : u"toolbar off"_s);
            d.dialogs.files.append(kContacts);
            d.click(u"cmdBrowse"_s);
            d.action(u"OpenExcel"_s)->trigger();
            d.next();
        });
        d.browse(large);
        QCOMPARE(seen,
                 QStringList({u"busy"_s, u"cmdBrowse off"_s, u"cmdNext off"_s, u"toolbar off"_s}));
        QCOMPARE(d.dialogs.filters.size(), 2);
        QCOMPARE(d.window->state().currentStep, 1);
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), large);
        QCOMPARE(d.label(u"statusIndicatorPanel2"_s)->text(), u"Items Found:  200000"_s);
        QVERIFY(d.button(u"cmdBrowse"_s)->isEnabled());
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        QVERIFY(d.action(u"OpenExcel"_s)->isEnabled());
    }

    // While a conversion runs, no second run can start and the bar moves by data rows; when
    // it ends the timer stops and the bar stays full.
    void convertingLocksTheControls() {
        QTemporaryDir dir;
        const QString large = writeLargeSheet(dir.path(), 60000);
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.toExport(large, u"Last"_s, u"LastName"_s);
        d.get<QCheckBox>(u"ChkSinglevCard"_s)->setChecked(true);
        d.get<QCheckBox>(u"chkPhoneFormat"_s)->setChecked(true);
        const QStringList options = {u"cmbImportTarget"_s,
                                     u"chkPhoneFormat"_s,
                                     u"cmbPhoneRegion"_s,
                                     u"cmbPhoneStyle"_s,
                                     u"Opt2"_s,
                                     u"Opt3"_s,
                                     u"Opt4"_s,
                                     u"chkNotNull"_s,
                                     u"ChkSinglevCard"_s,
                                     u"cmbDateOrder"_s};
        QStringList seen;
        QList<int> values;
        auto* timer = d.get<QTimer>(u"progressBar"_s);
        connect(timer, &QTimer::timeout, d.window.get(),
                [&] { values << d.get<QProgressBar>(u"statusBar"_s)->value(); });
        QTimer::singleShot(0, d.window.get(), [&] {
            seen << (d.window->busy() ? u"busy"_s : u"idle"_s);
            for (const QString& name :
                 {u"cmdPrevious"_s, u"cmdNext"_s, u"CmdChangevCardPath"_s, u"cmdAutoMap"_s,
                  u"cmdSaveMapping"_s, u"cmdLoadMapping"_s}) {
                seen << name + (d.button(name)->isEnabled() ? u" on"_s : u" off"_s);
            }
            for (const QString& name : options) {
                seen << name + (d.get<QWidget>(name)->isEnabled() ? u" on"_s : u" off"_s);
            }
            // Nor do the mapping buttons act when called.
            d.dialogs.files = {kContacts};
            d.window->cmdAutoMap_Click();
            d.window->cmdLoadMapping_Click();
            d.window->cmdSaveMapping_Click();
            d.dialogs.folders = {dir.path()};
            d.click(u"CmdChangevCardPath"_s);
            d.next();
        });
        d.next();
        QCOMPARE(seen, QStringList({u"busy"_s, u"cmdPrevious off"_s, u"cmdNext off"_s,
                                    u"CmdChangevCardPath off"_s, u"cmdAutoMap off"_s,
                                    u"cmdSaveMapping off"_s, u"cmdLoadMapping off"_s,
                                    u"cmbImportTarget off"_s, u"chkPhoneFormat off"_s,
                                    u"cmbPhoneRegion off"_s, u"cmbPhoneStyle off"_s, u"Opt2 off"_s,
                                    u"Opt3 off"_s, u"Opt4 off"_s, u"chkNotNull off"_s,
                                    u"ChkSinglevCard off"_s, u"cmbDateOrder off"_s}));
        for (const QString& name : options) {
            QVERIFY2(d.get<QWidget>(name)->isEnabled(), qPrintable(name));
        }
        QVERIFY(d.dialogs.pickerTitles.isEmpty());
        QCOMPARE(d.dialogs.files, QStringList{kContacts});
        QVERIFY(d.dialogs.saveFilters.isEmpty());
        QCOMPARE(d.window->state().mappingCount, 1);
        QCOMPARE(d.dialogs.questions.size(), 1);
        QCOMPARE(stampedFolders(m_save->path()).size(), 1);
        QVERIFY(stampedFolders(dir.path()).isEmpty());
        for (int value : values) {
            QVERIFY(value >= 0 && value <= 100);
        }
        QVERIFY(!timer->isActive());
        auto* bar = d.get<QProgressBar>(u"statusBar"_s);
        QCOMPARE(bar->value(), 100);
        // A late tick shows the same: every data row was converted.
        d.window->progressBar_Timer();
        QCOMPARE(bar->value(), 100);
        QVERIFY(d.button(u"CmdChangevCardPath"_s)->isEnabled());
        QVERIFY(!d.button(u"cmdNext"_s)->isEnabled());
    }

    void closingDuringRunWaitsForIt() {
        QTemporaryDir dir;
        const QString large = writeLargeSheet(dir.path(), 60000);
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.toExport(large, u"Last"_s, u"LastName"_s);
        d.get<QCheckBox>(u"ChkSinglevCard"_s)->setChecked(true);
        bool stillOpen = false;
        QTimer::singleShot(0, d.window.get(), [&] {
            d.action(u"Exit"_s)->trigger();
            stillOpen = d.window->isVisible();
        });
        d.next();
        QVERIFY(stillOpen);
        QVERIFY(!d.window->isVisible());
        QVERIFY(d.dialogs.questions.isEmpty());
    }

    // What the card preview shows is what Convert writes, for every address book, phone form
    // and version the window offers: the preview and the run take the same options.
    void previewIsTheWrittenCard_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("phones");
        QTest::addColumn<QString>("version");
        // Each address book with the versions it takes.
        const QList<std::pair<QString, QStringList>> targets = {
            {u"Any address book"_s, {u"Opt2"_s, u"Opt3"_s, u"Opt4"_s}},
            {u"Outlook"_s, {u"Opt2"_s}},
            {u"Apple Contacts"_s, {u"Opt3"_s}},
            {u"Google Contacts"_s, {u"Opt3"_s}},
            {u"Android"_s, {u"Opt2"_s, u"Opt3"_s}}};
        for (const auto& [target, versions] : targets) {
            for (const QString& phones : {u"off"_s, u"International"_s, u"E.164"_s}) {
                for (const QString& version : versions) {
                    QTest::addRow("%s, %s, %s", qPrintable(target), qPrintable(phones),
                                  qPrintable(version))
                        << target << phones << version;
                }
            }
        }
    }
    void previewIsTheWrittenCard() {
        QFETCH(QString, target);
        QFETCH(QString, phones);
        QFETCH(QString, version);
        QTemporaryDir dir;
        const QString sheet = dir.filePath(u"contacts.csv"_s);
        writeFile(sheet, "Name,City,Mobile,Work\n"
                         "Zo\xC3\xAB M\xC3\xBCller,K\xC3\xB6ln,0171 2345678,030 5551000\n");
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.browse(sheet);
        d.next();
        d.addMapping(u"Name"_s, u"FullName"_s);
        d.addMapping(u"City"_s, u"HomeAddressCity"_s);
        d.addMapping(u"Mobile"_s, u"MobileNumber"_s);
        d.addMapping(u"Work"_s, u"BusinessTelephoneNumber"_s);
        d.next();
        d.pick(u"cmbImportTarget"_s, target);
        d.get<QRadioButton>(version)->click();
        QVERIFY(d.get<QRadioButton>(version)->isChecked());
        if (phones != u"off"_s) {
            d.get<QCheckBox>(u"chkPhoneFormat"_s)->click();
            d.pick(u"cmbPhoneRegion"_s, u"Germany (DE)"_s);
            d.pick(u"cmbPhoneStyle"_s, phones);
        }
        const QString preview = d.get<QPlainTextEdit>(u"txtCardPreview"_s)->toPlainText();
        QVERIFY2(preview.startsWith(u"BEGIN:VCARD\n"_s), qPrintable(preview));
        d.next();
        QCOMPARE(d.dialogs.questions.size(), 1);
        const QStringList folders = stampedFolders(m_save->path());
        QCOMPARE(folders.size(), 1);
        const QString out = m_save->filePath(folders.first());
        const QStringList files = filesIn(out);
        QCOMPARE(files.size(), 1);
        QString written = readText(out + u'/' + files.first());
        written.replace(u"\r\n"_s, u"\n"_s);
        QCOMPARE(preview + u'\n', written);
    }

    // The window handles its events while a long run works on its own thread.
    void eventsAreHandledDuringARun() {
        QTemporaryDir dir;
        const QString large = writeLargeSheet(dir.path(), 100000);
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.toExport(large, u"Last"_s, u"LastName"_s);
        d.get<QCheckBox>(u"ChkSinglevCard"_s)->setChecked(true);
        d.click(u"cmdNext"_s);
        QVERIFY(d.window->busy());
        bool handledWhileBusy = false;
        QMetaObject::invokeMethod(
            d.window.get(), [&] { handledWhileBusy = d.window->busy(); }, Qt::QueuedConnection);
        d.settle();
        QVERIFY(handledWhileBusy);
        QCOMPARE(d.dialogs.questions.size(), 1);
    }

    // A version chosen while a run works, by a click or by code, changes nothing in that run:
    // the run took its options when it started.
    void versionChangedDuringARunChangesNothing() {
        QTemporaryDir dir;
        const QString large = writeLargeSheet(dir.path(), 20000);
        WindowDriver d;
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        d.toExport(large, u"Last"_s, u"LastName"_s);
        d.get<QCheckBox>(u"ChkSinglevCard"_s)->setChecked(true);
        d.click(u"cmdNext"_s);
        QVERIFY(d.window->busy());
        QTest::mouseClick(d.get<QRadioButton>(u"Opt4"_s), Qt::LeftButton);
        QVERIFY(d.get<QRadioButton>(u"Opt2"_s)->isChecked());
        d.get<QRadioButton>(u"Opt3"_s)->setChecked(true);
        d.settle();
        const QStringList folders = stampedFolders(m_save->path());
        QCOMPARE(folders.size(), 1);
        const QString cards = readText(m_save->filePath(folders.first()) + u"/All Contacts.vcf"_s);
        QCOMPARE(cards.count(u"\r\nVERSION:2.1\r\n"_s), 20000);
        QCOMPARE(cards.count(u"BEGIN:VCARD"_s), 20000);
    }

    void aboutBox() {
        WindowDriver d;
        d.action(u"AboutUs"_s)->trigger();
        d.action(u"AboutUs"_s)->trigger();
        QList<frmAbout*> boxes = d.window->findChildren<frmAbout*>();
        QCOMPARE(boxes.size(), 1);
        frmAbout* about = boxes.first();
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), u"About Us"_s);
        QCOMPARE(about->findChild<QLabel*>(u"lblTitle"_s)->text(),
                 u"Brinmark Excel to vCard Converter"_s);
        QCOMPARE(about->findChild<QLabel*>(u"lblVersion"_s)->text(), u"v3.5"_s);

        // The main window stays usable meanwhile.
        d.browse(kContacts);
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());

        QPointer<frmAbout> first = about;
        about->findChild<QPushButton*>(u"cmdOK"_s)->click();
        QTRY_VERIFY(first.isNull());
        d.action(u"AboutUs"_s)->trigger();
        boxes = d.window->findChildren<frmAbout*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.first()->isVisible());
        QCOMPARE(boxes.first()->findChild<QLabel*>(u"lblVersion"_s)->text(), u"v3.5"_s);
    }

    void helpOpensTheGuide() {
        WindowDriver d;
        d.action(u"Help"_s)->trigger();
        QCOMPARE(d.dialogs.opened.size(), 1);
        QVERIFY(d.dialogs.opened.first().endsWith(u"user-guide.html"_s));
        QVERIFY(QFile::exists(d.dialogs.opened.first()));
    }

    void toolbarOpensLikeBrowse() {
        WindowDriver d;
        d.dialogs.files = {kContacts};
        d.action(u"OpenExcel"_s)->trigger();
        d.settle();
        QCOMPARE(d.edit(u"txtExcelPath"_s)->text(), kContacts);
        QCOMPARE(d.window->state().currentStep, 1);
        d.next();
        // Browse belongs to step 1: elsewhere the toolbar button rests.
        QVERIFY(!d.action(u"OpenExcel"_s)->isEnabled());
        d.previous();
        QVERIFY(d.action(u"OpenExcel"_s)->isEnabled());
    }

private:
    std::unique_ptr<QTemporaryDir> m_save;
};

QTEST_MAIN(TestUiWindow)
#include "test_ui_window.moc"

// Sending to an address book on a server from the window: what step 3 offers then, the server
// dialog and what it keeps for the next start.

#include "WindowDriver.h"

#include "../carddav/CardDavTestSupport.h"
#include "ServerDialog.h"

#include <QDialogButtonBox>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

bool itemEnabled(QComboBox* box, const QString& text) {
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    return model && model->item(box->findText(text))->isEnabled();
}

void waitForListing(const ServerDialog& dialog) {
    QDeadlineTimer deadline(30000);
    while (dialog.connecting() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace

class TestUiServer : public QObject {
    Q_OBJECT

    QTemporaryDir m_save;

    void toExport(WindowDriver& d) {
        d.dialogs.special = m_save.path();
        d.toExport(fixturePath(u"contacts/contacts.csv"_s), u"Full name"_s, u"FullName"_s);
    }
    void sendTo(WindowDriver& d, bool server) {
        d.combo(u"cmbSendTo"_s)->setCurrentIndex(server ? 1 : 0);
    }

private Q_SLOTS:
    void initTestCase() {
        // The settings of a test organisation, under the test mode's own folder.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"excel2vcard-test"_s);
        QCoreApplication::setApplicationName(u"test_ui_server"_s);
    }
    // Each test starts as on a first start.
    void init() { QSettings().clear(); }

    void step3Controls_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("targetAfter");
        QTest::addColumn<bool>("singleFile");
        QTest::addColumn<bool>("version21");
        QTest::addColumn<bool>("saveLocation");
        QTest::addRow("folder") << u"Any address book"_s << false << u"Any address book"_s << true
                                << true << true;
        QTest::addRow("folder, Outlook")
            << u"Outlook"_s << false << u"Outlook"_s << false << true << true;
        QTest::addRow("server") << u"Any address book"_s << true << u"Any address book"_s << false
                                << false << false;
        QTest::addRow("server, Apple")
            << u"Apple Contacts"_s << true << u"Apple Contacts"_s << false << false << false;
        QTest::addRow("server, Outlook: not offered")
            << u"Outlook"_s << true << u"Any address book"_s << false << false << false;
        QTest::addRow("server, Android: not offered")
            << u"Android"_s << true << u"Any address book"_s << false << false << false;
    }
    void step3Controls() {
        QFETCH(QString, target);
        QFETCH(bool, server);
        QFETCH(QString, targetAfter);
        QFETCH(bool, singleFile);
        QFETCH(bool, version21);
        QFETCH(bool, saveLocation);
        WindowDriver d;
        toExport(d);
        QCOMPARE(d.combo(u"cmbSendTo"_s)->currentText(), u"Folder"_s);
        d.pick(u"cmbImportTarget"_s, target);
        sendTo(d, server);
        QComboBox* targets = d.combo(u"cmbImportTarget"_s);
        QCOMPARE(targets->currentText(), targetAfter);
        QCOMPARE(itemEnabled(targets, u"Outlook"_s), !server);
        QCOMPARE(itemEnabled(targets, u"Android"_s), !server);
        QCOMPARE(itemEnabled(targets, u"Google Contacts"_s), true);
        QCOMPARE(d.get<QCheckBox>(u"ChkSinglevCard"_s)->isEnabled(), singleFile);
        QCOMPARE(d.get<QRadioButton>(u"Opt2"_s)->isEnabled(), version21);
        QCOMPARE(d.button(u"CmdChangevCardPath"_s)->isEnabled(), saveLocation);
        QCOMPARE(d.get<QLineEdit>(u"txtvCardSavePath"_s)->isEnabled(), saveLocation);
        QCOMPARE(d.button(u"cmdServer"_s)->isEnabled(), server);
        const ConversionOptions options = d.window->conversionOptions();
        QVERIFY(!server || options.vCardVersion != VCardVersion::V21);
        QVERIFY(!server || !options.singleFile);
    }

    // A server's fixed version and the disabled single-file box are not the user's choices:
    // back on the folder, theirs return.
    void ownChoicesComeBack() {
        WindowDriver d;
        toExport(d);
        d.get<QRadioButton>(u"Opt2"_s)->click();
        d.get<QCheckBox>(u"ChkSinglevCard"_s)->click();
        sendTo(d, true);
        QVERIFY(d.get<QRadioButton>(u"Opt3"_s)->isChecked());
        QVERIFY(!d.get<QCheckBox>(u"ChkSinglevCard"_s)->isChecked());
        sendTo(d, false);
        QVERIFY(d.get<QRadioButton>(u"Opt2"_s)->isChecked());
        QVERIFY(d.get<QCheckBox>(u"ChkSinglevCard"_s)->isChecked());
    }

    void serverKeptForTheNextStart() {
        ServerChoice chosen;
        chosen.address = u"https://cloud.example.org/"_s;
        chosen.user = u"ann"_s;
        chosen.addressBook = u"https://cloud.example.org/dav/ann/work/"_s;
        chosen.addressBookName = u"Work"_s;
        chosen.uidColumn = 2;
        chosen.onlyNew = true;
        chosen.password = u"pa55-w0rd"_s;
        {
            WindowDriver d;
            toExport(d);
            sendTo(d, true);
            d.dialogs.servers = {chosen, std::nullopt};
            d.click(u"cmdServer"_s);
            // The sheet's header columns are offered for matching.
            QVERIFY(d.dialogs.serverColumns.constFirst().contains(HeaderChoice{u"Full name"_s, 2}));
            // A second look shows what the first left, the password of this session included.
            d.click(u"cmdServer"_s);
            QCOMPARE(d.dialogs.serverShown.size(), 2);
            QCOMPARE(d.dialogs.serverShown[1], chosen);
        }
        QFile file(QSettings().fileName());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY(!file.readAll().contains("pa55-w0rd"));

        WindowDriver next;
        toExport(next);
        sendTo(next, true);
        next.click(u"cmdServer"_s);
        const ServerChoice shown = next.dialogs.serverShown.constFirst();
        QCOMPARE(shown.address, chosen.address);
        QCOMPARE(shown.user, chosen.user);
        QCOMPARE(shown.addressBook, chosen.addressBook);
        QCOMPARE(shown.addressBookName, chosen.addressBookName);
        QVERIFY(shown.password.isEmpty());
    }

    // A dozen contacts from the window to Xandikos, then the same again: all unchanged.
    void sendFromTheWindow() {
        carddavtest::Xandikos server;
        QVERIFY(server.start());
        QTemporaryDir dir;
        QFile sheet(dir.filePath(u"dozen.csv"_s));
        QVERIFY(sheet.open(QIODevice::WriteOnly));
        sheet.write("Name,E-mail,Phone\n");
        for (int i = 1; i <= 12; ++i) {
            sheet.write(u"Contact %1,c%1@example.org,+44 20 7946 %2\n"_s.arg(i)
                            .arg(i, 4, 10, QLatin1Char('0'))
                            .toUtf8());
        }
        sheet.close();

        WindowDriver d;
        d.dialogs.special = m_save.path();
        d.browse(sheet.fileName());
        d.next();
        d.addMapping(u"Name"_s, u"FullName"_s);
        d.addMapping(u"E-mail"_s, u"EmailAddress"_s);
        d.next();
        sendTo(d, true);
        // Convert before a server is chosen says what to do, and can be pressed again.
        d.click(u"cmdNext"_s);
        QCOMPARE(d.dialogs.messages.size(), 1);
        QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        ServerChoice choice;
        choice.address = server.root().toString();
        d.dialogs.servers = {choice};
        d.click(u"cmdServer"_s);

        const auto counts = [](int added, int unchanged) {
            return QCoreApplication::translate(
                       "frmMain", "%n contact(s) added, %1 updated, %2 left unchanged.", nullptr,
                       added)
                .arg(0)
                .arg(unchanged);
        };
        for (const int run : {1, 2}) {
            d.dialogs.messages.clear();
            d.click(u"cmdNext"_s);
            // Step 3 is locked while the cards go out.
            QVERIFY(d.window->busy());
            QVERIFY(!d.combo(u"cmbSendTo"_s)->isEnabled());
            QVERIFY(!d.button(u"cmdServer"_s)->isEnabled());
            d.settle();
            QCOMPARE(d.dialogs.messages.size(), 1);
            const ScriptedDialogs::Message end = d.dialogs.messages.constFirst();
            QCOMPARE(end.icon, DialogService::Icon::Information);
            QVERIFY2(end.text.contains(run == 1 ? counts(12, 0) : counts(0, 12)),
                     qPrintable(end.text));
            QVERIFY2(end.text.contains(u"\"addressbook\""_s), qPrintable(end.text));
            QCOMPARE(d.label(u"lblContactCount"_s)->text().trimmed(), u"12/12"_s);
            // The program stays open for the next run; no folder is offered.
            QVERIFY(d.dialogs.questions.isEmpty());
            QVERIFY(d.window->isVisible());
            QVERIFY(d.button(u"cmdNext"_s)->isEnabled());
        }
    }

    // With no password typed the keyring's is used; a refused one is an error, nothing sent.
    void signInRefused() {
        carddavtest::Radicale server;
        server.tls = false;
        QVERIFY(server.start());
        WindowDriver d;
        toExport(d);
        sendTo(d, true);
        ServerChoice choice;
        choice.address = server.root().toString();
        choice.user = server.user;
        d.dialogs.servers = {choice};
        d.dialogs.keyring = u"wrong horse"_s;
        d.click(u"cmdServer"_s);
        d.next();
        QCOMPARE(d.dialogs.messages.size(), 1);
        const ScriptedDialogs::Message end = d.dialogs.messages.constFirst();
        QCOMPARE(end.icon, DialogService::Icon::Error);
        Problem refused;
        refused.failure = Failure::SignInRefused;
        QVERIFY2(end.text.contains(problemText(refused)), qPrintable(end.text));
    }

    void dialogRules() {
        ServerChoice choice;
        choice.user = u"ann"_s;
        choice.uidColumn = 4;
        ServerDialog dialog(choice, {{u"Name"_s, 0}, {u"Member no."_s, 4}}, false, {});
        auto* address = dialog.findChild<QLineEdit*>(u"txtServerAddress"_s);
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        auto* remember = dialog.findChild<QCheckBox*>(u"chkRememberPassword"_s);
        auto* status = dialog.findChild<QLabel*>(u"lblServerStatus"_s);
        QCOMPARE(dialog.findChild<QLineEdit*>(u"txtPassword"_s)->echoMode(), QLineEdit::Password);
        // Without a keyring the box cannot be ticked, and says why.
        QVERIFY(!remember->isEnabled());
        QVERIFY(!remember->toolTip().isEmpty());
        QVERIFY(!ok->isEnabled());
        address->setText(u"http://cloud.example.org"_s);
        QVERIFY(!ok->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>(u"cmdConnect"_s)->isEnabled());
        QCOMPARE(status->text(), problemText(serverAddressProblem(address->text())));
        address->setText(u"http://127.0.0.1:5232/"_s);
        QVERIFY(ok->isEnabled());
        QVERIFY(status->text().isEmpty());
        QCOMPARE(dialog.findChild<QComboBox*>(u"cmbMatchBy"_s)->currentText(), u"Member no."_s);
        QCOMPARE(dialog.choice().uidColumn, 4);
        QCOMPARE(dialog.choice().address, u"http://127.0.0.1:5232/"_s);
    }

    // Connect lists the account's address books without holding the dialog, and says why
    // when it cannot.
    void dialogListsAddressBooks() {
        carddavtest::Xandikos server;
        QVERIFY(server.start());
        ServerChoice choice;
        choice.address = server.root().toString();
        ServerDialog dialog(choice, {}, false, {});
        dialog.connectToServer();
        QVERIFY(dialog.connecting());
        waitForListing(dialog);
        auto* books = dialog.findChild<QComboBox*>(u"cmbAddressBook"_s);
        QCOMPARE(books->count(), 1);
        QCOMPARE(dialog.choice().addressBook,
                 server.root().resolved(QUrl(u"/user/contacts/addressbook/"_s)).toString());

        server.server.stop();
        dialog.connectToServer();
        waitForListing(dialog);
        auto* status = dialog.findChild<QLabel*>(u"lblServerStatus"_s);
        Problem refused;
        refused.failure = Failure::ConnectionRefused;
        refused.url = server.root().resolved(QUrl(u"/.well-known/carddav"_s));
        QCOMPARE(status->text(), problemText(refused));
        // The book found before stays chosen.
        QCOMPARE(books->count(), 1);
        // Another address lists its own.
        QTest::keyClick(dialog.findChild<QLineEdit*>(u"txtServerAddress"_s), Qt::Key_Backspace);
        QCOMPARE(books->count(), 0);
        QVERIFY(dialog.choice().addressBook.isEmpty());
    }
};

QTEST_MAIN(TestUiServer)
#include "test_ui_server.moc"

// The window and the desktop's keyring, with a keyring daemon of the test's own on a session bus
// of its own: "Remember password" stores what the server dialog was given, and a run reads it
// back on its worker thread when the server asks.

#include "WindowDriver.h"

#include "../carddav/CardDavTestSupport.h"
#include "KeyringDaemon.h"
#include "PasswordStore.h"
#include "ServerDialog.h"

#include <QDialogButtonBox>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestUiKeyring : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    KeyringDaemon m_daemon;

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"gnome-keyring-daemon"_s).isEmpty()) {
            QSKIP("gnome-keyring is not installed");
        }
        QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(u"excel2vcard-test"_s);
        QCoreApplication::setApplicationName(u"test_ui_keyring"_s);
        QVERIFY(m_daemon.start());
        QTRY_VERIFY_WITH_TIMEOUT(Keyring::available(), 15000);
    }

    void rememberedThenUsedByARun() {
        carddavtest::Radicale server;
        server.tls = false;
        QVERIFY(server.start());
        QVERIFY(carddavtest::makeAddressBook(server.settings(), server.home(), u"book"_s));

        // The real dialog: the user types the password and ticks "Remember password".
        ServerChoice choice;
        choice.address = server.root().toString();
        choice.user = server.user;
        QTimer::singleShot(0, [&server] {
            auto* dialog = qobject_cast<ServerDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* remember = dialog->findChild<QCheckBox*>(u"chkRememberPassword"_s);
            QVERIFY(remember->isEnabled());
            remember->setChecked(true);
            dialog->findChild<QLineEdit*>(u"txtPassword"_s)->setText(server.password);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        SystemDialogService system;
        QVERIFY(system.editServer(nullptr, choice, {}));
        QCOMPARE(Keyring::readPassword(server.user, server.root().host()),
                 std::optional<QString>(server.password));

        // The next start knows no password but the keyring's.
        choice.password.clear();
        WindowDriver d;
        d.dialogs.realKeyring = true;
        d.dialogs.special = m_home.path();
        d.toExport(fixturePath(u"contacts/contacts.csv"_s), u"Full name"_s, u"FullName"_s);
        d.combo(u"cmbSendTo"_s)->setCurrentIndex(1);
        d.dialogs.servers = {choice};
        d.click(u"cmdServer"_s);
        d.next();
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.messages.constFirst().icon, DialogService::Icon::Information);

        // Unticked: the entry goes.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ServerDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QCheckBox*>(u"chkRememberPassword"_s)->setChecked(false);
            dialog->accept();
        });
        QVERIFY(system.editServer(nullptr, choice, {}));
        QVERIFY(!Keyring::readPassword(server.user, server.root().host()));
    }
};

QTEST_MAIN(TestUiKeyring)
#include "test_ui_keyring.moc"

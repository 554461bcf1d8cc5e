// The password in the desktop's keyring: a keyring daemon of the test's own is started on the
// session bus dbus-run-session made for the test; before it runs, no keyring is available.
// Then the command line signs in to Radicale with the password it finds there.

#include "../carddav/CardDavTestSupport.h"
#include "KeyringDaemon.h"
#include "PasswordStore.h"

#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

using namespace carddavtest;

class TestKeyring : public QObject {
    Q_OBJECT

    KeyringDaemon m_daemon;

    int listAddressBooks(const Radicale& radicale, QString* err) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"E2V_CARDDAV_PASSWORD"_s);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(E2V_CLI_PATH),
                {u"--carddav"_s, radicale.root().toString(), u"--user"_s, radicale.user,
                 u"--ca-file"_s, radicale.caFile(), u"--list-addressbooks"_s});
        if (!p.waitForFinished(60000)) {
            p.kill();
            return -1;
        }
        *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"gnome-keyring-daemon"_s).isEmpty()) {
            QSKIP("gnome-keyring is not installed");
        }
        QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
    }

    void availableOnlyWithADaemon() {
        QVERIFY(!Keyring::available());
        QVERIFY(!Keyring::readPassword(u"alice"_s, u"example.org"_s));
        QString error;
        QVERIFY(!Keyring::writePassword(u"alice"_s, u"example.org"_s, u"x"_s, &error));
        QVERIFY(!error.isEmpty());

        QVERIFY(m_daemon.start());
        QTRY_VERIFY_WITH_TIMEOUT(Keyring::available(), 15000);
    }

    void storeReadDelete() {
        QString error;
        QVERIFY2(
            Keyring::writePassword(u"alice"_s, u"cloud.example.org"_s, u"right horse"_s, &error),
            qPrintable(error));
        QVERIFY2(Keyring::writePassword(u"bob"_s, u"cloud.example.org"_s, u"other"_s, &error),
                 qPrintable(error));
        QCOMPARE(Keyring::readPassword(u"alice"_s, u"cloud.example.org"_s),
                 std::optional<QString>(u"right horse"_s));
        QCOMPARE(Keyring::readPassword(u"alice"_s, u"CLOUD.example.org"_s),
                 std::optional<QString>(u"right horse"_s));
        QCOMPARE(Keyring::readPassword(u"bob"_s, u"cloud.example.org"_s),
                 std::optional<QString>(u"other"_s));
        QVERIFY(!Keyring::readPassword(u"alice"_s, u"other.example.org"_s));
        // Written again: replaced, not added.
        QVERIFY(Keyring::writePassword(u"alice"_s, u"cloud.example.org"_s, u"new"_s, &error));
        QCOMPARE(Keyring::readPassword(u"alice"_s, u"cloud.example.org"_s),
                 std::optional<QString>(u"new"_s));
        QVERIFY(Keyring::deletePassword(u"alice"_s, u"cloud.example.org"_s, &error));
        QVERIFY(!Keyring::readPassword(u"alice"_s, u"cloud.example.org"_s));
        QVERIFY(Keyring::deletePassword(u"alice"_s, u"cloud.example.org"_s, &error));
        QCOMPARE(Keyring::readPassword(u"bob"_s, u"cloud.example.org"_s),
                 std::optional<QString>(u"other"_s));
    }

    // The command line finds the password the window remembered; without it, nothing.
    void commandLineSignsInWithIt() {
        Radicale radicale;
        QVERIFY(radicale.start());
        QVERIFY(makeAddressBook(radicale.settings(), radicale.home(), u"book"_s));
        const QString host = radicale.root().host();
        QString err;
        QVERIFY(Keyring::deletePassword(radicale.user, host, &err));
        QCOMPARE(listAddressBooks(radicale, &err), 2);

        QVERIFY(Keyring::writePassword(radicale.user, host, radicale.password, &err));
        QCOMPARE(listAddressBooks(radicale, &err), 0);

        QVERIFY(Keyring::writePassword(radicale.user, host, u"wrong"_s, &err));
        QCOMPARE(listAddressBooks(radicale, &err), 2);
        QVERIFY2(err.contains(u"refused"_s), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestKeyring)
#include "test_keyring.moc"

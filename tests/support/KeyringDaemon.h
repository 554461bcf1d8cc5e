#pragma once

// A keyring daemon of a test's own (gnome-keyring, Secret Service only), in a home of its own
// and unlocked with a password of its own, on the session bus the test runs under
// (dbus-run-session). Stopped with the object.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

class KeyringDaemon {
public:
    ~KeyringDaemon() {
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }

    // False when the daemon cannot start; Keyring::available() turns true a moment later.
    bool start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        m_daemon.setProcessEnvironment(env);
        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.start(QStringLiteral("gnome-keyring-daemon"),
                       {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                        QStringLiteral("--components=secrets")});
        if (!m_home.isValid() || !m_daemon.waitForStarted(5000)) {
            return false;
        }
        // The login keyring is made with the password read here.
        m_daemon.write("test keyring");
        m_daemon.closeWriteChannel();
        return true;
    }

private:
    QTemporaryDir m_home;
    QProcess m_daemon;
};

#include "PasswordStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("excel2vcard");

QString entryKey(const QString& user, const QString& host) {
    return QStringLiteral("carddav:") + user + QLatin1Char('@') + host.toLower();
}

// Runs the job to its end; its error when it failed.
QKeychain::Error runJob(QKeychain::Job& job, const QString& user, const QString& host) {
    job.setAutoDelete(false);
    // Never a plain-text file instead of the keyring.
    job.setInsecureFallback(false);
    job.setKey(entryKey(user, host));
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.error();
}

} // namespace

namespace Keyring {

bool available() {
    // QtKeychain cannot tell a missing keyring from a slow one: ask the bus who serves the
    // Secret Service.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return false;
    }
    const QDBusReply<bool> owned =
        bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets"));
    return owned.isValid() && owned.value();
}

std::optional<QString> readPassword(const QString& user, const QString& host) {
    if (!available()) {
        return std::nullopt;
    }
    QKeychain::ReadPasswordJob job(kService);
    if (runJob(job, user, host) != QKeychain::NoError) {
        return std::nullopt;
    }
    return job.textData();
}

bool writePassword(const QString& user, const QString& host, const QString& password,
                   QString* error) {
    if (!available()) {
        if (error) {
            *error = QStringLiteral("no keyring runs in this session");
        }
        return false;
    }
    QKeychain::WritePasswordJob job(kService);
    job.setTextData(password);
    if (runJob(job, user, host) != QKeychain::NoError) {
        if (error) {
            *error = job.errorString();
        }
        return false;
    }
    return true;
}

bool deletePassword(const QString& user, const QString& host, QString* error) {
    if (!available()) {
        if (error) {
            *error = QStringLiteral("no keyring runs in this session");
        }
        return false;
    }
    QKeychain::DeletePasswordJob job(kService);
    const QKeychain::Error e = runJob(job, user, host);
    if (e != QKeychain::NoError && e != QKeychain::EntryNotFound) {
        if (error) {
            *error = job.errorString();
        }
        return false;
    }
    return true;
}

} // namespace Keyring

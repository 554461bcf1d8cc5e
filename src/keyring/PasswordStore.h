#pragma once

#include <QString>

#include <optional>

// The CardDAV password in the desktop's keyring, one entry per user and server (service
// "excel2vcard", key "carddav:USER@HOST"), the same entry for the window and the command line.
// Every call waits for the keyring in a local event loop, on the program's main thread only:
// QtKeychain's jobs crashed when a worker thread ran them.
namespace Keyring {

// Whether a keyring runs in this session (the Secret Service has an owner on the session
// bus). Without one the other calls fail, some only after a long wait.
bool available();

// The stored password; nullopt when none is stored or the keyring cannot be reached.
std::optional<QString> readPassword(const QString& user, const QString& host);

// False, with the keyring's reason in error (when given), when it could not be stored.
bool writePassword(const QString& user, const QString& host, const QString& password,
                   QString* error);

// True when no password is stored any more (also when none was).
bool deletePassword(const QString& user, const QString& host, QString* error);

} // namespace Keyring

#include "UiKeyring.h"

// Until the keyring library is linked in, the window behaves as on a desktop without a
// keyring: "Remember password" stays disabled and nothing is read or stored.
bool keyringAvailable() {
    return false;
}

std::optional<QString> keyringPassword(const QString&, const QString&) {
    return std::nullopt;
}

bool storeKeyringPassword(const QString&, const QString&, const QString&, QString*) {
    return false;
}

void forgetKeyringPassword(const QString&, const QString&) {}

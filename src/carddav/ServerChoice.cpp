#include "ServerChoice.h"

#include "CardDavSender.h"
#include "DavClient.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString kAddress = u"server/address"_s;
const QString kUser = u"server/user"_s;
const QString kAddressBook = u"server/addressBook"_s;
const QString kAddressBookName = u"server/addressBookName"_s;
const QString kRemember = u"server/rememberPassword"_s;

} // namespace

QUrl serverUrl(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        return QUrl();
    }
    // "cloud.example.org" means the server over https, never plain http.
    return QUrl(text.contains(u"://"_s) ? text : u"https://"_s + text, QUrl::StrictMode);
}

Problem serverAddressProblem(const QString& typed) {
    Problem p = checkServerUrl(serverUrl(typed));
    if (p.failure == Failure::InvalidUrl) {
        // The sentence quotes what the user typed, not what the program made of it.
        p.url = QUrl(typed.trimmed(), QUrl::TolerantMode);
    }
    return p;
}

ServerDialogRules serverDialogRules(const ServerChoice& choice, bool keyringAvailable) {
    ServerDialogRules rules;
    rules.connect = serverAddressProblem(choice.address).ok();
    rules.accept = rules.connect;
    rules.remember = keyringAvailable && !choice.user.trimmed().isEmpty();
    return rules;
}

KeyringChange keyringChange(const ServerChoice& choice, bool keyringAvailable) {
    if (!serverDialogRules(choice, keyringAvailable).remember || keyringHost(choice).isEmpty()) {
        return KeyringChange::None;
    }
    if (!choice.rememberPassword) {
        return KeyringChange::Delete;
    }
    // An empty box keeps the password stored before.
    return choice.password.isEmpty() ? KeyringChange::None : KeyringChange::Write;
}

QString keyringHost(const ServerChoice& choice) {
    return serverUrl(choice.address).host().toLower();
}

void saveServerChoice(QSettings& settings, const ServerChoice& choice) {
    settings.setValue(kAddress, choice.address.trimmed());
    settings.setValue(kUser, choice.user.trimmed());
    settings.setValue(kAddressBook, choice.addressBook);
    settings.setValue(kAddressBookName, choice.addressBookName);
    settings.setValue(kRemember, choice.rememberPassword);
}

ServerChoice loadServerChoice(QSettings& settings) {
    ServerChoice choice;
    choice.address = settings.value(kAddress).toString();
    choice.user = settings.value(kUser).toString();
    choice.addressBook = settings.value(kAddressBook).toString();
    choice.addressBookName = settings.value(kAddressBookName).toString();
    choice.rememberPassword = settings.value(kRemember, false).toBool();
    return choice;
}

bool versionOffered(ImportTarget target, bool toServer, VCardVersion version) {
    return versionAllowed(target, version) && !(toServer && version == VCardVersion::V21);
}

VCardVersion versionShown(ImportTarget target, bool toServer, VCardVersion own) {
    const VCardVersion version = versionForTarget(target, own);
    return toServer && version == VCardVersion::V21 ? VCardVersion::V30 : version;
}

SyncSettings syncSettings(const ServerChoice& choice,
                          std::function<std::optional<QString>()> password) {
    SyncSettings s;
    s.server.url = serverUrl(choice.address);
    s.server.user = choice.user.trimmed();
    s.server.password = std::move(password);
    s.addressBook = choice.addressBook;
    s.onlyNew = choice.onlyNew;
    return s;
}

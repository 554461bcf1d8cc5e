#pragma once

#include "CardDavTypes.h"
#include "ImportTarget.h"
#include "VCardVersion.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QSettings;
struct SyncSettings;

// The server the window sends to, as its server dialog holds it. The password is kept in
// memory only: saveServerChoice never writes it anywhere.
struct ServerChoice {
    QString address; // as typed: a server, a principal or an address book
    QString user;
    QString addressBook;     // the chosen book's address; empty: the account's only one
    QString addressBookName; // its display name, for the window's texts
    qint32 uidColumn = -1;   // the sheet's column (0-based) that names a contact; -1: e-mail
    bool onlyNew = false;
    bool rememberPassword = false;
    QString password; // what the user typed in the dialog this session

    friend bool operator==(const ServerChoice&, const ServerChoice&) = default;
};

// The typed address as the program reads it: spaces around it ignored, https:// assumed when
// it names no scheme.
QUrl serverUrl(const QString& typed);
// Why the typed address cannot be used (https, or http to this machine only); ok when it can.
Problem serverAddressProblem(const QString& typed);

// What the server dialog offers, from what it holds.
struct ServerDialogRules {
    bool connect = false;  // the address can be asked for its address books
    bool accept = false;   // OK
    bool remember = false; // "Remember password": a keyring runs and there is a user to file under
};
ServerDialogRules serverDialogRules(const ServerChoice& choice, bool keyringAvailable);

// What OK does to the keyring's entry for the chosen user and server: a new password is
// stored when it is to be remembered, a remembered one removed when it no longer is.
enum class KeyringChange { None, Write, Delete };
KeyringChange keyringChange(const ServerChoice& choice, bool keyringAvailable);

// The host the keyring files the password under, with the user.
QString keyringHost(const ServerChoice& choice);

// The address, user, address book and whether the password is remembered, for the next start.
void saveServerChoice(QSettings& settings, const ServerChoice& choice);
ServerChoice loadServerChoice(QSettings& settings);

// Whether step 3 offers the version: a server never gets 2.1.
bool versionOffered(ImportTarget target, bool toServer, VCardVersion version);
// The version the buttons show for the user's own choice (versionForTarget, and 3.0 instead of
// 2.1 for a server).
VCardVersion versionShown(ImportTarget target, bool toServer, VCardVersion own);

// The sender's settings for a run: password asks for the password when the server wants one.
SyncSettings syncSettings(const ServerChoice& choice,
                          std::function<std::optional<QString>()> password);

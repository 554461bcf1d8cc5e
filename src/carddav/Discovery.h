#pragma once

#include "CardDavTypes.h"

#include <QList>
#include <QString>

class DavClient;

// Finding the address books of an account from what the user gave: the server (its
// /.well-known/carddav, RFC 6764, then the root), a principal, an address-book home or an
// address book's own address; current-user-principal and addressbook-home-set lead from one to
// the next (RFC 6352).
struct Discovery {
    Problem problem;
    QList<AddressBook> books;
    // The address given is itself an address book (books holds just it).
    bool direct = false;
};

// Runs the requests one after the other, waiting in a local event loop.
Discovery discoverAddressBooks(DavClient& client, const QUrl& url);

// The address book the user named: by address (or path), else by display name (exact, then
// without regard to case), else by the last part of its path. An empty name takes the only
// one. On failure: NoAddressBook, AddressBookNotFound or AddressBookAmbiguous (reason: the
// names).
struct ChosenAddressBook {
    Problem problem;
    AddressBook book;
};
ChosenAddressBook chooseAddressBook(const QList<AddressBook>& books, const QString& wanted,
                                    const QUrl& server);

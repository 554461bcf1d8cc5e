#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// What went wrong, as a value: the caller words it (problemText gives the sentence).
enum class Failure {
    None,
    InvalidUrl,           // not an http:// or https:// address with a host
    PasswordInUrl,        // the address carries a password
    InsecureUrl,          // http:// to a host other than this machine
    CaFileUnreadable,     // the extra CA file holds no PEM certificate
    HostNotFound,         // the name does not resolve
    ConnectionRefused,    // nothing listens there (or no longer)
    ConnectionLost,       // the server closed the connection before answering
    TimedOut,             // nothing moved within the request limit
    TlsFailed,            // the certificate is not trusted, or the handshake failed
    NetworkError,         // any other network failure; reason holds the system's text
    PasswordNeeded,       // the server asks for a password and none was given
    SignInRefused,        // the user name or password was refused
    RedirectRefused,      // sent to another host, or from https to http
    TooManyRedirects,     //
    ResponseTooLarge,     // the answer passed the size limit
    BadResponse,          // the answer could not be read; reason says why
    HttpStatus,           // the server refused the request: status and reason
    NoAddressBook,        // the account has no address book
    AddressBookNotFound,  // none of that name or address
    AddressBookAmbiguous, // several and none chosen
};

struct Problem {
    Failure failure = Failure::None;
    int status = 0; // the HTTP status when the server answered, else 0
    QString reason; // the server's reason phrase and precondition, the TLS errors, a detail
    QUrl url;       // the address concerned, never with user information

    bool ok() const { return failure == Failure::None; }
};

// A sentence for the user, in the program's language (marked for translation).
QString problemText(const Problem& problem);

inline constexpr qint64 kDefaultRequestTimeoutMs = 30'000;
inline constexpr qint64 kDefaultResponseLimit = 64 * 1024 * 1024;

struct ServerSettings {
    // The server, a principal or an address book: https://, or http:// to this machine only.
    QUrl url;
    QString user;
    // A PEM file of certificates to trust beside the system's; empty: the system's only.
    QString caFile;
    // Asked at most once, only when the server asks for a password (401); nullopt: none.
    std::function<std::optional<QString>()> password;
    // A request is given up when nothing moved for this long. Only tests set it.
    qint64 requestTimeoutMs = kDefaultRequestTimeoutMs;
    // An answer larger than this is refused. Only tests set it.
    qint64 responseLimit = kDefaultResponseLimit;
};

struct AddressBook {
    QUrl url;            // the collection, with a trailing slash
    QString name;        // its display name; the last part of its path when it has none
    bool vCard4 = false; // supported-address-data lists version 4.0
};

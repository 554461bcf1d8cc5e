#include "CardDavTypes.h"

#include <QCoreApplication>

namespace {

// %1: the address; %2: the status; %3: the reason.
const char* sentence(Failure failure) {
    switch (failure) {
    case Failure::None:
        return "";
    case Failure::InvalidUrl:
        return QT_TRANSLATE_NOOP("CardDav",
                                 "\"%1\" is not a server address: it must begin with https://.");
    case Failure::PasswordInUrl:
        return QT_TRANSLATE_NOOP("CardDav", "The server address must not hold a password.");
    case Failure::InsecureUrl:
        return QT_TRANSLATE_NOOP("CardDav",
                                 "\"%1\" is not encrypted: use https://, so that the password "
                                 "does not travel in clear.");
    case Failure::CaFileUnreadable:
        return QT_TRANSLATE_NOOP("CardDav", "No certificate could be read from \"%3\".");
    case Failure::HostNotFound:
        return QT_TRANSLATE_NOOP("CardDav", "The server of \"%1\" was not found.");
    case Failure::ConnectionRefused:
        return QT_TRANSLATE_NOOP("CardDav", "The server of \"%1\" does not answer.");
    case Failure::ConnectionLost:
        return QT_TRANSLATE_NOOP("CardDav", "The server closed the connection.");
    case Failure::TimedOut:
        return QT_TRANSLATE_NOOP("CardDav", "The server did not answer in time.");
    case Failure::TlsFailed:
        return QT_TRANSLATE_NOOP("CardDav",
                                 "The secure connection to \"%1\" failed: %3. A server with a "
                                 "certificate of its own needs that certificate as CA file.");
    case Failure::NetworkError:
        return QT_TRANSLATE_NOOP("CardDav", "The connection to \"%1\" failed: %3.");
    case Failure::PasswordNeeded:
        return QT_TRANSLATE_NOOP("CardDav", "The server asks for a password, and none was given.");
    case Failure::SignInRefused:
        return QT_TRANSLATE_NOOP("CardDav", "The server refused the user name or password.");
    case Failure::RedirectRefused:
        return QT_TRANSLATE_NOOP("CardDav",
                                 "The server sent the program on to \"%3\", which is not the "
                                 "same server; it was not followed.");
    case Failure::TooManyRedirects:
        return QT_TRANSLATE_NOOP("CardDav", "The server sent the program on too many times.");
    case Failure::ResponseTooLarge:
        return QT_TRANSLATE_NOOP("CardDav", "The server's answer was too large.");
    case Failure::BadResponse:
        return QT_TRANSLATE_NOOP("CardDav", "The server's answer could not be read: %3.");
    case Failure::HttpStatus:
        return QT_TRANSLATE_NOOP("CardDav", "The server answered %2 %3.");
    case Failure::NoAddressBook:
        return QT_TRANSLATE_NOOP("CardDav", "The account has no address book.");
    case Failure::AddressBookNotFound:
        return QT_TRANSLATE_NOOP("CardDav", "The account has no address book \"%3\".");
    case Failure::AddressBookAmbiguous:
        return QT_TRANSLATE_NOOP("CardDav",
                                 "The account has several address books; choose one of: %3.");
    }
    return "";
}

} // namespace

QString problemText(const Problem& problem) {
    QString text = QCoreApplication::translate("CardDav", sentence(problem.failure));
    // Each placeholder filled once, whatever the filled texts hold.
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'%' && i + 1 < text.size()) {
            const QChar n = text.at(i + 1);
            if (n == u'1' || n == u'2' || n == u'3') {
                out += n == u'1'   ? problem.url.adjusted(QUrl::RemoveUserInfo).toString()
                       : n == u'2' ? QString::number(problem.status)
                                   : problem.reason;
                ++i;
                continue;
            }
        }
        out += text.at(i);
    }
    return out.trimmed();
}

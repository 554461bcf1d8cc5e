#include "Discovery.h"

#include "DavClient.h"
#include "DavXml.h"

namespace {

struct Propfind {
    Problem problem;
    QList<DavResponse> responses;
    QUrl base; // where the answer came from: hrefs are relative to it
};

Propfind propfind(DavClient& client, const QUrl& url, const char* depth) {
    DavClient::Request request;
    request.verb = "PROPFIND";
    request.url = url;
    request.contentType = "application/xml; charset=utf-8";
    request.addHeader("Depth", depth);
    request.body = propfindBody({{kDavNs, u"resourcetype"},
                                 {kDavNs, u"displayname"},
                                 {kDavNs, u"current-user-principal"},
                                 {kCardDavNs, u"addressbook-home-set"},
                                 {kCardDavNs, u"supported-address-data"}});
    const DavClient::Reply reply = client.sendAndWait(request);
    Propfind result;
    result.problem = reply.problem;
    result.base = reply.url;
    if (result.problem.ok() && reply.status != 207) {
        result.problem.failure = Failure::BadResponse;
        result.problem.status = reply.status;
        result.problem.reason =
            QStringLiteral("status %1 instead of a multistatus").arg(reply.status);
        result.problem.url = reply.url;
    }
    if (result.problem.ok()) {
        QString error;
        auto parsed = parseMultistatus(reply.body, &error);
        if (!parsed) {
            result.problem.failure = Failure::BadResponse;
            result.problem.reason = error;
            result.problem.url = reply.url;
        } else {
            result.responses = std::move(*parsed);
        }
    }
    return result;
}

QUrl withTrailingSlash(QUrl url) {
    if (!url.path().endsWith(u'/')) {
        url.setPath(url.path() + QLatin1Char('/'));
    }
    return url;
}

QString pathOf(const QUrl& url) {
    return withTrailingSlash(url).path(QUrl::FullyDecoded);
}

bool isAddressBook(const DavResponse& r) {
    const DavProperty* type = r.property(kDavNs, u"resourcetype");
    if (!type) {
        return false;
    }
    for (const DavElement& e : type->children) {
        if (e.ns == QStringView(kCardDavNs) && e.name == u"addressbook") {
            return true;
        }
    }
    return false;
}

AddressBook bookOf(const DavResponse& r, const QUrl& base) {
    AddressBook book;
    book.url = withTrailingSlash(base.resolved(QUrl(r.href)));
    if (const DavProperty* name = r.property(kDavNs, u"displayname")) {
        book.name = name->text.trimmed();
    }
    if (book.name.isEmpty()) {
        const QString path = book.url.path(QUrl::FullyDecoded);
        book.name = path.section(u'/', -2, -2);
    }
    // RFC 6352 names the element address-data-type; some servers name it otherwise, so any
    // element with a version counts.
    if (const DavProperty* data = r.property(kCardDavNs, u"supported-address-data")) {
        for (const DavElement& e : data->children) {
            if (e.attributes.value(QStringLiteral("version")) == u"4.0") {
                book.vCard4 = true;
            }
        }
    }
    return book;
}

// The response about the resource asked for (servers may list it under another spelling;
// the first one is it then).
const DavResponse* selfOf(const Propfind& p) {
    const QString wanted = pathOf(p.base);
    for (const DavResponse& r : p.responses) {
        if (pathOf(p.base.resolved(QUrl(r.href))) == wanted) {
            return &r;
        }
    }
    return p.responses.isEmpty() ? nullptr : &p.responses.first();
}

QStringList hrefsOf(const DavResponse& r, const char16_t* ns, const char16_t* name) {
    const DavProperty* p = r.property(ns, name);
    return p ? p->hrefs : QStringList();
}

// Stops discovery: a refusal or a failure of the network, not a "not here" of the server.
bool stopsDiscovery(const Problem& p) {
    return !p.ok() && p.failure != Failure::BadResponse &&
           !(p.failure == Failure::HttpStatus && p.status != 403);
}

Problem signInRefusedIfForbidden(Problem p) {
    if (p.failure == Failure::HttpStatus && p.status == 403) {
        p.failure = Failure::SignInRefused;
    }
    return p;
}

} // namespace

Discovery discoverAddressBooks(DavClient& client, const QUrl& url) {
    Discovery result;
    result.problem = client.settingsProblem();
    if (!result.problem.ok()) {
        return result;
    }
    const bool root = url.path().isEmpty() || url.path() == u"/";
    QUrl wellKnown = url;
    wellKnown.setPath(QStringLiteral("/.well-known/carddav"));
    wellKnown.setQuery(QString());
    const QList<QUrl> candidates = root ? QList<QUrl>{wellKnown, url} : QList<QUrl>{url, wellKnown};

    Problem last;
    for (const QUrl& candidate : candidates) {
        const Propfind first = propfind(client, candidate, "0");
        if (stopsDiscovery(first.problem)) {
            result.problem = signInRefusedIfForbidden(first.problem);
            return result;
        }
        const DavResponse* self = first.problem.ok() ? selfOf(first) : nullptr;
        if (!self) {
            last = first.problem;
            continue;
        }
        if (isAddressBook(*self)) {
            result.books.append(bookOf(*self, first.base));
            result.direct = true;
            return result;
        }
        QList<QUrl> homes;
        for (const QString& href : hrefsOf(*self, kCardDavNs, u"addressbook-home-set")) {
            homes.append(first.base.resolved(QUrl(href)));
        }
        if (homes.isEmpty()) {
            const QStringList principals = hrefsOf(*self, kDavNs, u"current-user-principal");
            if (!principals.isEmpty()) {
                const Propfind principal =
                    propfind(client, first.base.resolved(QUrl(principals.first())), "0");
                if (!principal.problem.ok()) {
                    result.problem = signInRefusedIfForbidden(principal.problem);
                    return result;
                }
                if (const DavResponse* p = selfOf(principal)) {
                    for (const QString& href : hrefsOf(*p, kCardDavNs, u"addressbook-home-set")) {
                        homes.append(principal.base.resolved(QUrl(href)));
                    }
                }
            }
        }
        if (homes.isEmpty()) {
            continue;
        }
        for (const QUrl& home : homes) {
            const Propfind listing = propfind(client, home, "1");
            if (!listing.problem.ok()) {
                result.problem = signInRefusedIfForbidden(listing.problem);
                return result;
            }
            for (const DavResponse& r : listing.responses) {
                if (isAddressBook(r)) {
                    result.books.append(bookOf(r, listing.base));
                }
            }
        }
        if (result.books.isEmpty()) {
            result.problem.failure = Failure::NoAddressBook;
            result.problem.url = withoutUserInfo(url);
        }
        return result;
    }
    result.problem =
        last.ok() ? Problem{Failure::NoAddressBook, 0, {}, withoutUserInfo(url)} : last;
    return result;
}

ChosenAddressBook chooseAddressBook(const QList<AddressBook>& books, const QString& wanted,
                                    const QUrl& server) {
    ChosenAddressBook chosen;
    chosen.problem.url = withoutUserInfo(server);
    if (books.isEmpty()) {
        chosen.problem.failure = Failure::NoAddressBook;
        return chosen;
    }
    const QString name = wanted.trimmed();
    if (name.isEmpty()) {
        if (books.size() == 1) {
            chosen.book = books.first();
            chosen.problem = {};
            return chosen;
        }
        QStringList names;
        for (const AddressBook& b : books) {
            names.append(b.name);
        }
        chosen.problem.failure = Failure::AddressBookAmbiguous;
        chosen.problem.reason = names.join(QStringLiteral(", "));
        return chosen;
    }
    // An address or a path names one exactly; a name may be written in another case or be the
    // last part of the path.
    const QUrl asUrl(name);
    const bool address = name.startsWith(u'/') || !asUrl.scheme().isEmpty();
    using Match = std::function<bool(const AddressBook&)>;
    const QList<Match> tests =
        address
            ? QList<Match>{[&](const AddressBook& b) {
                  return pathOf(b.url) == pathOf(server.resolved(asUrl));
              }}
            : QList<Match>{[&](const AddressBook& b) { return b.name == name; },
                           [&](const AddressBook& b) {
                               return b.name.compare(name, Qt::CaseInsensitive) == 0;
                           },
                           [&](const AddressBook& b) {
                               return b.url.path(QUrl::FullyDecoded).section(u'/', -2, -2) == name;
                           }};
    for (const Match& test : tests) {
        QList<AddressBook> found;
        for (const AddressBook& b : books) {
            if (test(b)) {
                found.append(b);
            }
        }
        if (found.size() == 1) {
            chosen.book = found.first();
            chosen.problem = {};
            return chosen;
        }
    }
    chosen.problem.failure = Failure::AddressBookNotFound;
    chosen.problem.reason = name;
    return chosen;
}

#pragma once

// What the CardDAV tests share: servers started on free loopback ports and stopped again,
// contacts and their cards, a run of the sender, and reading an address book back.

#include "CardDavSender.h"
#include "CardMerge.h"
#include "ContactUid.h"
#include "DavClient.h"
#include "DavXml.h"
#include "VCardReader.h"
#include "VCardWriter.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <memory>

namespace carddavtest {

using namespace Qt::StringLiterals;

// Where the servers keep their data: memory when the machine offers it, where a server's
// fsync after each card costs nothing (the tests time the program, not the disk).
inline QString scratchTemplate() {
    const QFileInfo shm(u"/dev/shm"_s);
    const QString root = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return root + u"/e2v-carddav-XXXXXX"_s;
}

inline quint16 freePort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        return 0;
    }
    return server.serverPort();
}

inline bool portOpen(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

// A server program of the tests, stopped (and waited for) when this goes.
class ServerProcess {
public:
    ~ServerProcess() { stop(); }

    bool start(const QString& program, const QStringList& arguments, quint16 port) {
        return launch(program, arguments, port) && waitUntilReady();
    }
    // Starts the program; waitUntilReady waits until it listens (so that several servers
    // start at once).
    bool launch(const QString& program, const QStringList& arguments, quint16 port) {
        m_port = port;
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start();
        return m_process.waitForStarted(5000);
    }
    bool waitUntilReady() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            if (portOpen(m_port)) {
                return true;
            }
            if (m_process.state() != QProcess::Running) {
                break;
            }
            QThread::msleep(50);
        }
        qWarning().noquote() << m_process.program() << "did not start:" << m_process.readAll();
        return false;
    }

    void stop() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

inline bool run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0) {
        qWarning().noquote() << program << arguments << p.readAll();
        return false;
    }
    return true;
}

// A CA and a server certificate for 127.0.0.1 signed by it, made fresh for each run.
inline bool makeCertificates(const QString& dir) {
    const QStringList ec{u"-newkey"_s, u"ec"_s,    u"-pkeyopt"_s, u"ec_paramgen_curve:prime256v1"_s,
                         u"-nodes"_s,  u"-days"_s, u"2"_s};
    return run(u"openssl"_s, QStringList{u"req"_s, u"-x509"_s} + ec +
                                 QStringList{u"-keyout"_s, dir + u"/ca.key"_s, u"-out"_s,
                                             dir + u"/ca.pem"_s, u"-subj"_s, u"/CN=Test CA"_s}) &&
           run(u"openssl"_s,
               QStringList{u"req"_s, u"-x509"_s} + ec +
                   QStringList{u"-keyout"_s, dir + u"/server.key"_s, u"-out"_s,
                               dir + u"/server.pem"_s, u"-subj"_s, u"/CN=localhost"_s, u"-CA"_s,
                               dir + u"/ca.pem"_s, u"-CAkey"_s, dir + u"/ca.key"_s, u"-addext"_s,
                               u"subjectAltName=IP:127.0.0.1,DNS:localhost"_s, u"-addext"_s,
                               u"basicConstraints=critical,CA:FALSE"_s});
}

// Radicale with sign-in (htpasswd) over TLS (or plain http when tls is off); the user alice,
// password "right horse".
struct Radicale {
    QTemporaryDir dir{scratchTemplate()};
    bool tls = true;
    ServerProcess server;
    quint16 port = 0;
    QString user = u"alice"_s;
    QString password = u"right horse"_s;

    bool start() { return prepare() && restart(); }
    // Certificates and users, once.
    bool prepare() {
        if (!dir.isValid() || !makeCertificates(dir.path())) {
            return false;
        }
        QFile users(dir.filePath(u"users"_s));
        const QString lines = user + u':' + password + u"\nbob:"_s + password + u'\n';
        if (!users.open(QIODevice::WriteOnly) || users.write(lines.toUtf8()) < 0) {
            return false;
        }
        users.close();
        return true;
    }
    // Starts it (again) on a new port, on the same storage.
    bool restart() { return launch() && server.waitUntilReady(); }
    bool launch() {
        server.stop();
        port = freePort();
        QStringList arguments{u"--config"_s,
                              QString(),
                              u"--server-hosts"_s,
                              u"127.0.0.1:%1"_s.arg(port),
                              u"--auth-type"_s,
                              u"htpasswd"_s,
                              u"--auth-htpasswd-filename"_s,
                              dir.filePath(u"users"_s),
                              u"--auth-htpasswd-encryption"_s,
                              u"plain"_s,
                              u"--auth-delay"_s,
                              u"0"_s,
                              u"--storage-filesystem-folder"_s,
                              dir.filePath(u"store"_s)};
        if (tls) {
            arguments +=
                {u"--server-ssl"_s, u"--server-certificate"_s, dir.filePath(u"server.pem"_s),
                 u"--server-key"_s, dir.filePath(u"server.key"_s)};
        } else {
            arguments += u"--no-server-ssl"_s;
        }
        return server.launch(u"radicale"_s, arguments, port);
    }
    QUrl root() const {
        return QUrl((tls ? u"https://127.0.0.1:%1/"_s : u"http://127.0.0.1:%1/"_s).arg(port));
    }
    QString caFile() const { return dir.filePath(u"ca.pem"_s); }
    ServerSettings settings() const {
        ServerSettings s;
        s.url = root();
        s.user = user;
        s.caFile = caFile();
        s.password = [p = password]() { return std::optional<QString>(p); };
        return s;
    }
    QUrl home() const { return root().resolved(QUrl(u"/alice/"_s)); }
};

// Xandikos with its default principal (/user/), home (/user/contacts/) and address book.
struct Xandikos {
    QTemporaryDir ownDir{scratchTemplate()};
    QString directory;
    ServerProcess server;
    quint16 port = 0;

    // The same directory again (a restart) when one is given.
    bool start(const QString& existing = QString()) {
        return launch(existing) && server.waitUntilReady();
    }
    bool launch(const QString& existing = QString()) {
        directory = existing.isEmpty() ? ownDir.path() : existing;
        port = freePort();
        return server.launch(u"xandikos"_s,
                             {u"--defaults"_s, u"-d"_s, directory, u"-l"_s, u"127.0.0.1"_s, u"-p"_s,
                              QString::number(port)},
                             port);
    }
    QUrl root() const { return QUrl(u"http://127.0.0.1:%1/"_s.arg(port)); }
    ServerSettings settings() const {
        ServerSettings s;
        s.url = root();
        return s;
    }
    QUrl home() const { return root().resolved(QUrl(u"/user/contacts/"_s)); }
};

// Makes an address book (extended MKCOL, RFC 5689) under home.
inline bool makeAddressBook(const ServerSettings& settings, const QUrl& home, const QString& name) {
    DavClient client(settings);
    DavClient::Request r;
    r.verb = "MKCOL";
    r.url = home.resolved(QUrl(name + u'/'));
    r.contentType = "application/xml; charset=utf-8";
    r.body = "<?xml version=\"1.0\" encoding=\"utf-8\"?><D:mkcol xmlns:D=\"DAV:\" "
             "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype>"
             "<D:collection/><C:addressbook/></D:resourcetype><D:displayname>" +
             name.toUtf8() + "</D:displayname></D:prop></D:set></D:mkcol>";
    const DavClient::Reply reply = client.sendAndWait(r);
    if (!reply.problem.ok() || reply.status != 201) {
        qWarning() << "MKCOL" << r.url << reply.status << problemText(reply.problem);
        return false;
    }
    return true;
}

// Contact i of a sheet: values that need escaping, folding and more than ASCII.
inline ContactValues contact(int i) {
    ContactValues v;
    v.FirstName = i % 3 == 0 ? u"Zoë"_s : u"Ann"_s;
    v.LastName = u"Smith-%1"_s.arg(i);
    v.EmailAddress = u"Ann.%1@Example.org"_s.arg(i);
    v.MobileNumber = u"+44 7700 900%1"_s.arg(i, 3, 10, QLatin1Char('0'));
    v.Company = i % 2 ? u"Acme, Inc.; Widgets"_s : u"Ünicode GmbH"_s;
    v.Department = u"Sales"_s;
    v.BusinessAddressStreet = u"%1 Main Street\nFlat 2"_s.arg(i);
    v.BusinessAddressCity = u"Springfield"_s;
    v.Notes = u"A note long enough to be folded by a server that folds at 75 bytes: "
              u"naïve café, commas, semicolons; back\\slash.\nSecond line %1."_s.arg(i);
    v.Categories = u"friends, work"_s;
    v.Birthday = u"1990-12-%1"_s.arg(1 + i % 28, 2, 10, QLatin1Char('0'));
    return v;
}

inline const QStringList& contactFields() {
    static const QStringList fields{u"FirstName"_s,
                                    u"LastName"_s,
                                    u"EmailAddress"_s,
                                    u"MobileNumber"_s,
                                    u"Company"_s,
                                    u"Department"_s,
                                    u"BusinessAddressStreet"_s,
                                    u"BusinessAddressCity"_s,
                                    u"Notes"_s,
                                    u"Categories"_s,
                                    u"Birthday"_s};
    return fields;
}

inline ServerCard cardOf(qint32 row, const ContactValues& v, ContactUids& uids,
                         VCardVersion version = VCardVersion::V30) {
    ServerCard card;
    card.row = row;
    card.name = v.FirstName + u' ' + v.LastName;
    card.uid = uids.assign(row, v).uid;
    card.text = buildCard(v, version, cardLayoutOf(v), PhotoValue(), {}, card.uid);
    return card;
}

inline QList<ServerCard> cardsOf(const QList<ContactValues>& contacts) {
    ContactUids uids;
    QList<ServerCard> cards;
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        cards.append(cardOf(qint32(i + 2), contacts[i], uids));
    }
    return cards;
}

inline QList<ContactValues> contacts(int n) {
    QList<ContactValues> list;
    for (int i = 0; i < n; ++i) {
        list.append(contact(i));
    }
    return list;
}

inline SyncSettings syncSettings(const ServerSettings& server, const QString& book,
                                 bool onlyNew = false) {
    SyncSettings s;
    s.server = server;
    s.addressBook = book;
    s.onlyNew = onlyNew;
    s.ownProperties = cardPropertyNames(contactFields(), VCardVersion::V30);
    return s;
}

inline SyncReport sync(const SyncSettings& settings, const QList<ServerCard>& cards,
                       const std::function<void(const CardOutcome&)>& onSettled = {}) {
    CardDavSender sender(settings);
    sender.onSettled = onSettled;
    if (!sender.start().ok()) {
        return sender.finish();
    }
    for (const ServerCard& c : cards) {
        sender.send(c);
    }
    return sender.finish();
}

// The cards at these hrefs as the server gives them back (one addressbook-multiget):
// href -> address data.
inline QHash<QString, QString> readCards(const ServerSettings& settings, const QUrl& book,
                                         const QStringList& hrefs) {
    QHash<QString, QString> out;
    DavClient client(settings);
    DavClient::Request get;
    get.verb = "REPORT";
    get.url = book;
    get.contentType = "application/xml";
    get.addHeader("Depth", "1");
    get.body = multigetBody(hrefs);
    const DavClient::Reply got = client.sendAndWait(get);
    const auto cards = parseMultistatus(got.body, nullptr);
    if (!got.problem.ok() || !cards) {
        qWarning() << "multiget failed" << problemText(got.problem);
        return out;
    }
    for (const DavResponse& r : *cards) {
        if (const DavProperty* data = r.property(kCardDavNs, u"address-data")) {
            out.insert(r.href, data->text);
        }
    }
    return out;
}

// Every card of the address book as the server gives it back: href -> address data.
inline QHash<QString, QString> readBook(const ServerSettings& settings, const QUrl& book) {
    DavClient client(settings);
    DavClient::Request list;
    list.verb = "PROPFIND";
    list.url = book;
    list.contentType = "application/xml";
    list.addHeader("Depth", "1");
    list.body = propfindBody({{kDavNs, u"getetag"}});
    const DavClient::Reply listed = client.sendAndWait(list);
    const auto responses = parseMultistatus(listed.body, nullptr);
    if (!listed.problem.ok() || !responses) {
        qWarning() << "listing failed" << problemText(listed.problem);
        return {};
    }
    QStringList hrefs;
    for (const DavResponse& r : *responses) {
        if (r.href.endsWith(u".vcf"_s)) {
            hrefs.append(r.href);
        }
    }
    return hrefs.isEmpty() ? QHash<QString, QString>() : readCards(settings, book, hrefs);
}

inline QString textOf(const VCard& card, QStringView name) {
    const VCardProperty* p = card.find(name);
    return p ? unescapeText(p->value) : u"<none>"_s;
}

inline QStringList componentsOf(const VCard& card, QStringView name) {
    QStringList out;
    if (const VCardProperty* p = card.find(name)) {
        for (QStringView c : splitValue(p->value, u';')) {
            out.append(unescapeText(c));
        }
    }
    return out;
}

// Whether the card the server gives back holds the contact's values, each read on its own
// (not through the comparison the sender uses).
inline bool holdsContact(const VCard& card, const ContactValues& v) {
    bool ok = true;
    auto expect = [&ok](const QString& what, const QString& got, const QString& want) {
        if (got != want) {
            qWarning().noquote() << what << "is" << got << "instead of" << want;
            ok = false;
        }
    };
    expect(u"FN"_s, textOf(card, u"FN"), v.FirstName + u' ' + v.LastName);
    const QStringList n = componentsOf(card, u"N");
    expect(u"N"_s, n.mid(0, 2).join(u'|'), v.LastName + u'|' + v.FirstName);
    expect(u"EMAIL"_s, textOf(card, u"EMAIL"), v.EmailAddress);
    expect(u"TEL"_s, textOf(card, u"TEL"), v.MobileNumber);
    expect(u"NOTE"_s, textOf(card, u"NOTE"), v.Notes);
    const QStringList org = componentsOf(card, u"ORG");
    expect(u"ORG"_s, org.value(0) + u'|' + org.value(1), v.Company + u'|' + v.Department);
    const QStringList adr = componentsOf(card, u"ADR");
    expect(u"ADR"_s, adr.value(2) + u'|' + adr.value(3),
           v.BusinessAddressStreet + u'|' + v.BusinessAddressCity);
    QStringList categories;
    if (const VCardProperty* p = card.find(u"CATEGORIES")) {
        for (QStringView c : splitValue(p->value, u',')) {
            categories.append(unescapeText(c));
        }
    }
    expect(u"CATEGORIES"_s, categories.join(u'|'), u"friends|work"_s);
    expect(u"BDAY"_s, textOf(card, u"BDAY"), v.Birthday);
    return ok;
}

} // namespace carddavtest

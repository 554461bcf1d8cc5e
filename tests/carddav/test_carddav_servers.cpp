// The sender against real servers, started here on free loopback ports: Radicale (sign-in over
// TLS; it re-serializes every card) and Xandikos (no sign-in; it keeps the bytes as sent).

#include "CardDavTestSupport.h"
#include "Discovery.h"

#include <QtTest>

using namespace carddavtest;

namespace {

enum class Server { Radicale, Xandikos };

// The card of contact i as the server holds it, found by its UID.
QHash<QUuid, VCard> cardsByUid(const QHash<QString, QString>& book) {
    QHash<QUuid, VCard> out;
    for (const QString& data : book) {
        const std::optional<VCard> card = parseVCard(data);
        if (card && card->find(u"UID")) {
            out.insert(QUuid(card->find(u"UID")->value), *card);
        }
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Server)
Q_DECLARE_METATYPE(Failure)

class TestCardDavServers : public QObject {
    Q_OBJECT
    Radicale m_radicale;
    Xandikos m_xandikos;

    ServerSettings settingsOf(Server s) const {
        return s == Server::Radicale ? m_radicale.settings() : m_xandikos.settings();
    }
    QUrl homeOf(Server s) const {
        return s == Server::Radicale ? m_radicale.home() : m_xandikos.home();
    }

private Q_SLOTS:
    void initTestCase() {
        // Both start at once.
        QVERIFY(m_radicale.prepare() && m_radicale.launch() && m_xandikos.launch());
        QVERIFY(m_radicale.server.waitUntilReady() && m_xandikos.server.waitUntilReady());
        QVERIFY(makeAddressBook(m_radicale.settings(), m_radicale.home(), u"Contacts"_s));
        // A second user with one address book, for discovery.
        ServerSettings bob = m_radicale.settings();
        bob.user = u"bob"_s;
        QVERIFY(makeAddressBook(bob, m_radicale.root().resolved(QUrl(u"/bob/"_s)), u"Bob"_s));
        QVERIFY(makeAddressBook(m_xandikos.settings(), m_xandikos.home(), u"second"_s));
    }

    // Every contact arrives and reads back; a second run leaves all unchanged; a changed row
    // is updated, keeping what a phone added; only-new adds and touches nothing else.
    void sendUpdateAndResend_data() {
        QTest::addColumn<Server>("server");
        QTest::addRow("radicale") << Server::Radicale;
        QTest::addRow("xandikos") << Server::Xandikos;
    }
    void sendUpdateAndResend() {
        QFETCH(Server, server);
        const ServerSettings account = settingsOf(server);
        QVERIFY(makeAddressBook(account, homeOf(server), u"resend"_s));
        const QUrl bookUrl = homeOf(server).resolved(QUrl(u"resend/"_s));
        const SyncSettings settings = syncSettings(account, u"resend"_s);

        QList<ContactValues> sheet = contacts(30);
        QList<ServerCard> cards = cardsOf(sheet);
        SyncReport r = sync(settings, cards);
        QVERIFY2(r.problem.ok(), qPrintable(problemText(r.problem)));
        QCOMPARE(r.added, 30);
        QCOMPARE(r.notSent, 0);
        QCOMPARE(r.addressBook.url, bookUrl);

        QHash<QString, QString> book = readBook(account, bookUrl);
        QCOMPARE(book.size(), 30);
        QHash<QUuid, VCard> onServer = cardsByUid(book);
        for (qsizetype i = 0; i < sheet.size(); ++i) {
            QVERIFY2(onServer.contains(cards[i].uid), qPrintable(cards[i].name));
            QVERIFY2(holdsContact(onServer[cards[i].uid], sheet[i]), qPrintable(cards[i].name));
            if (server == Server::Xandikos) {
                // Kept byte for byte; the XML of the answer turns CR LF into LF.
                const QString href =
                    bookUrl.path() + cards[i].uid.toString(QUuid::WithoutBraces) + u".vcf"_s;
                QCOMPARE(book.value(href),
                         QString(cards[i].text + u"\n"_s).replace(u"\r\n"_s, u"\n"_s));
            }
        }

        r = sync(settings, cards);
        QCOMPARE(r.unchanged, 30);
        QCOMPARE(r.added + r.updated + r.notSent, 0);

        // On a phone, contact 5 gets a picture and a property of the phone's own, and so does
        // contact 9; in the sheet, contact 5's mobile number changes.
        for (int i : {5, 9}) {
            DavClient client(account);
            DavClient::Request put;
            put.verb = "PUT";
            put.url =
                bookUrl.resolved(QUrl(cards[i].uid.toString(QUuid::WithoutBraces) + u".vcf"_s));
            put.contentType = "text/vcard";
            put.body = cards[i].text.toUtf8().replace("END:VCARD",
                                                      "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=\r\n"
                                                      "X-PHONE-LABEL:from the phone\r\nEND:VCARD") +
                       "\r\n";
            QVERIFY(client.sendAndWait(put).problem.ok());
        }
        sheet[5].MobileNumber = u"+44 7700 900999"_s;
        cards = cardsOf(sheet);
        r = sync(settings, cards);
        QCOMPARE(r.updated, 1);
        QCOMPARE(r.unchanged, 29);
        QCOMPARE(r.added + r.notSent, 0);
        book = readBook(account, bookUrl);
        QCOMPARE(book.size(), 30);
        onServer = cardsByUid(book);
        for (int i : {5, 9}) {
            const VCard& card = onServer[cards[i].uid];
            QVERIFY(holdsContact(card, sheet[i]));
            QCOMPARE(textOf(card, u"X-PHONE-LABEL"), u"from the phone"_s);
            QCOMPARE(textOf(card, u"PHOTO"), u"iVBORw0KGgo="_s);
        }

        // Only new contacts: two more rows are added; the changed row 7 is left as it is.
        sheet.append(contact(30));
        sheet.append(contact(31));
        sheet[7].Notes = u"changed"_s;
        cards = cardsOf(sheet);
        r = sync(syncSettings(account, u"resend"_s, true), cards);
        QCOMPARE(r.added, 2);
        QCOMPARE(r.leftAlone, 30);
        QCOMPARE(r.updated + r.unchanged + r.notSent, 0);
        onServer = cardsByUid(readBook(account, bookUrl));
        QCOMPARE(onServer.size(), 32);
        QCOMPARE(textOf(onServer[cards[7].uid], u"NOTE"), contact(7).Notes);
        QVERIFY(holdsContact(onServer[cards[31].uid], sheet[31]));
    }

    // The server stops in the middle of a run: what was sent stays, the rest is reported; the
    // next run sends the rest and duplicates nothing.
    void serverStopsMidRun() {
        Radicale radicale;
        QVERIFY(radicale.start());
        ServerSettings account = radicale.settings();
        QVERIFY(makeAddressBook(account, radicale.home(), u"book"_s));
        const QList<ContactValues> sheet = contacts(40);
        const QList<ServerCard> cards = cardsOf(sheet);
        int settled = 0;
        SyncReport first = sync(syncSettings(account, u"book"_s), cards, [&](const CardOutcome&) {
            if (++settled == 10) {
                radicale.server.stop();
            }
        });
        QVERIFY(first.problem.ok());
        QCOMPARE(first.added + first.notSent, 40);
        QVERIFY2(first.added >= 10, qPrintable(QString::number(first.added)));
        QVERIFY(first.notSent >= 20);
        QCOMPARE(first.notSentCards.size(), first.notSent);
        QVERIFY(!first.stopped.ok());
        for (const CardOutcome& o : std::as_const(first.notSentCards)) {
            QVERIFY(!o.problem.ok());
            QVERIFY(!o.name.isEmpty() && o.row >= 2);
        }

        QVERIFY(radicale.restart());
        account = radicale.settings();
        const SyncReport second = sync(syncSettings(account, u"book"_s), cards);
        QVERIFY2(second.problem.ok(), qPrintable(problemText(second.problem)));
        QCOMPARE(second.added + second.unchanged, 40);
        QVERIFY(second.unchanged >= first.added);
        QCOMPARE(second.notSent, 0);
        const QHash<QUuid, VCard> onServer =
            cardsByUid(readBook(account, radicale.home().resolved(QUrl(u"book/"_s))));
        QCOMPARE(onServer.size(), 40);
        for (qsizetype i = 0; i < sheet.size(); ++i) {
            QVERIFY(holdsContact(onServer.value(cards[i].uid), sheet[i]));
        }
    }

    // The password is asked for once, only when the server asks; a wrong one or none stops
    // the run before anything is sent.
    void signIn_data() {
        QTest::addColumn<std::optional<QString>>("password");
        QTest::addColumn<Failure>("failure");
        QTest::addRow("right") << std::optional<QString>(u"right horse"_s) << Failure::None;
        QTest::addRow("wrong") << std::optional<QString>(u"wrong horse"_s)
                               << Failure::SignInRefused;
        QTest::addRow("none") << std::optional<QString>() << Failure::PasswordNeeded;
    }
    void signIn() {
        QFETCH(std::optional<QString>, password);
        QFETCH(Failure, failure);
        ServerSettings account = m_radicale.settings();
        int asked = 0;
        account.password = [&]() {
            ++asked;
            return password;
        };
        const SyncReport r = sync(syncSettings(account, u"Contacts"_s), cardsOf(contacts(2)));
        QCOMPARE(r.problem.failure, failure);
        QCOMPARE(asked, 1);
        QCOMPARE(r.added, failure == Failure::None ? 2 : 0);
        if (password) {
            QVERIFY(!problemText(r.problem).contains(*password));
        }
    }

    // Certificates are checked against the system's store; the CA file adds one to trust.
    void certificates_data() {
        QTest::addColumn<QString>("caFile");
        QTest::addColumn<Failure>("failure");
        QTest::addRow("system store only") << QString() << Failure::TlsFailed;
        QTest::addRow("with the server's CA") << u"ca.pem"_s << Failure::None;
        QTest::addRow("a CA file of no certificate") << u"users"_s << Failure::CaFileUnreadable;
        QTest::addRow("the server's own key") << u"server.key"_s << Failure::CaFileUnreadable;
    }
    void certificates() {
        QFETCH(QString, caFile);
        QFETCH(Failure, failure);
        ServerSettings account = m_radicale.settings();
        account.caFile = caFile.isEmpty() ? QString() : m_radicale.dir.filePath(caFile);
        int asked = 0;
        account.password = [&]() {
            ++asked;
            return std::optional<QString>(m_radicale.password);
        };
        DavClient client(account);
        const Discovery d = discoverAddressBooks(client, account.url);
        QCOMPARE(d.problem.failure, failure);
        // No password goes out before the certificate is trusted.
        QCOMPARE(asked, failure == Failure::None ? 1 : 0);
    }

    // From the server's root, a principal, a home or the address book itself.
    void discovery_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("found");
        const auto R = Server::Radicale;
        const auto X = Server::Xandikos;
        QTest::addRow("radicale root")
            << R << u"bob"_s << u"/"_s << QString() << Failure::None << u"/bob/Bob/"_s;
        QTest::addRow("radicale principal")
            << R << u"bob"_s << u"/bob/"_s << QString() << Failure::None << u"/bob/Bob/"_s;
        QTest::addRow("radicale book by name, other case")
            << R << u"bob"_s << u"/"_s << u"bob"_s << Failure::None << u"/bob/Bob/"_s;
        QTest::addRow("xandikos root, by name") << X << QString() << QString() << u"second"_s
                                                << Failure::None << u"/user/contacts/second/"_s;
        QTest::addRow("xandikos principal, by path")
            << X << QString() << u"/user/"_s << u"/user/contacts/addressbook/"_s << Failure::None
            << u"/user/contacts/addressbook/"_s;
        QTest::addRow("xandikos home") << X << QString() << u"/user/contacts/"_s << u"addressbook"_s
                                       << Failure::None << u"/user/contacts/addressbook/"_s;
        QTest::addRow("xandikos book itself")
            << X << QString() << u"/user/contacts/second/"_s << QString() << Failure::None
            << u"/user/contacts/second/"_s;
        QTest::addRow("xandikos several, none chosen")
            << X << QString() << u"/"_s << QString() << Failure::AddressBookAmbiguous << QString();
        QTest::addRow("xandikos no such book")
            << X << QString() << u"/"_s << u"nope"_s << Failure::AddressBookNotFound << QString();
    }
    void discovery() {
        QFETCH(Server, server);
        QFETCH(QString, user);
        QFETCH(QString, path);
        QFETCH(QString, wanted);
        QFETCH(Failure, failure);
        QFETCH(QString, found);
        ServerSettings account = settingsOf(server);
        if (!user.isEmpty()) {
            account.user = user;
        }
        account.url.setPath(path);
        CardDavSender sender(syncSettings(account, wanted));
        const Problem p = sender.start();
        QVERIFY2(p.failure == failure, qPrintable(problemText(p)));
        if (failure == Failure::None) {
            QCOMPARE(sender.addressBook().url.path(), found);
        }
        if (failure == Failure::AddressBookAmbiguous) {
            QVERIFY2(p.reason.contains(u"addressbook"_s) && p.reason.contains(u"second"_s),
                     qPrintable(p.reason));
        }
    }
};

QTEST_GUILESS_MAIN(TestCardDavServers)
#include "test_carddav_servers.moc"

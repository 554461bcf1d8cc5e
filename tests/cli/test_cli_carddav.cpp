// The command line against real servers: contacts sent from a sheet arrive and read back, a
// second run changes nothing, a changed row is updated, --only-new, the matching keys, the
// password's sources, the refusals that send nothing (exit 2), and a server that stops in the
// middle of a run (exit 1, then the rest on the next run).

#include "../carddav/CardDavTestSupport.h"
#include "CliRun.h"
#include "ContactField.h"

#include <QDirIterator>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

using namespace carddavtest;

namespace {

enum class Server { Radicale, Xandikos, Hostile, None };
enum class Password { None, Environment, File, Wrong };

// The counts of the report's first line.
struct Counts {
    int added = -1;
    int updated = -1;
    int unchanged = -1;
    int notSent = -1;
    bool operator==(const Counts&) const = default;
};

QDebug operator<<(QDebug d, const Counts& c) {
    return d << c.added << "added," << c.updated << "updated," << c.unchanged << "unchanged,"
             << c.notSent << "not sent";
}

Counts countsOf(const QString& err) {
    static const QRegularExpression line(
        uR"((\d+) contact\S* added, (\d+) updated, (\d+) unchanged, (\d+) not sent)"_s);
    const QRegularExpressionMatch m = line.match(err);
    if (!m.hasMatch()) {
        return {};
    }
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
            m.captured(4).toInt()};
}

QString csvCell(const QString& text) {
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

// A sheet of the contacts, a column per field (headed by the field's name) and an ID column
// last that no mapping feeds.
QString writeSheet(const QString& path, const QList<ContactValues>& rows,
                   const QStringList& ids = {}) {
    QStringList lines{contactFields().join(u',') + u",ID"_s};
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QStringList cells;
        for (const QString& field : contactFields()) {
            for (const ContactFieldRow& f : kContactFields) {
                if (QStringView(f.name) == field) {
                    cells.append(csvCell(rows[r].*f.member));
                }
            }
        }
        cells.append(csvCell(ids.value(r)));
        lines.append(cells.join(u','));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    file.write((lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8());
    return path;
}

QStringList mapArguments() {
    QStringList args;
    for (const QString& field : contactFields()) {
        args << u"-m"_s << field + u'=' + field;
    }
    return args;
}

// The cards of the address book by their e-mail address.
QHash<QString, VCard> cardsByEmail(const ServerSettings& settings, const QUrl& book) {
    QHash<QString, VCard> out;
    const QHash<QString, QString> cards = readBook(settings, book);
    for (const QString& data : cards) {
        if (const std::optional<VCard> card = parseVCard(data)) {
            out.insert(textOf(*card, u"EMAIL"), *card);
        }
    }
    return out;
}

} // namespace

class TestCliCardDav : public QObject {
    Q_OBJECT

    Radicale m_radicale;
    Xandikos m_xandikos;
    // The tests' own server (tests/carddav/hostile_server.py): its v4 address book lists 4.0.
    QProcess m_hostile;
    quint16 m_hostilePort = 0;
    QTemporaryDir m_dir;

    QUrl hostileBook() const { return QUrl(u"http://127.0.0.1:%1/v4/book/"_s.arg(m_hostilePort)); }

    // The command line's arguments for the server, the password's source and its environment.
    CliRun send(Server server, Password password, const QString& book, QStringList args,
                bool trusted = true) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"E2V_CARDDAV_PASSWORD"_s);
        // No keyring of the user's: the password comes from where the case says.
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent"_s);
        if (server == Server::Radicale) {
            args << u"--carddav"_s << m_radicale.root().toString() << u"--user"_s
                 << m_radicale.user;
            if (trusted) {
                args << u"--ca-file"_s << m_radicale.caFile();
            }
        } else if (server == Server::Xandikos) {
            args << u"--carddav"_s << m_xandikos.root().toString() << u"--user"_s << u"x"_s;
        } else if (server == Server::Hostile) {
            args << u"--carddav"_s << hostileBook().toString() << u"--user"_s << u"x"_s;
        }
        if (!book.isEmpty()) {
            args << u"--addressbook"_s << book;
        }
        switch (password) {
        case Password::None:
            break;
        case Password::Environment:
            env.insert(u"E2V_CARDDAV_PASSWORD"_s, m_radicale.password);
            break;
        case Password::Wrong:
            env.insert(u"E2V_CARDDAV_PASSWORD"_s, u"wrong horse"_s);
            break;
        case Password::File: {
            const QString path = m_dir.filePath(u"password"_s);
            QFile file(path);
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                file.write((m_radicale.password + u"\nsecond line\n"_s).toUtf8());
            }
            args << u"--password-file"_s << path;
            break;
        }
        }
        return runCliIn(env, args);
    }

    QUrl bookUrl(Server server, const QString& book) const {
        if (server == Server::Hostile) {
            return hostileBook();
        }
        return server == Server::Radicale ? m_radicale.home().resolved(QUrl(book + u'/'))
                                          : m_xandikos.home().resolved(QUrl(u"addressbook/"_s));
    }
    ServerSettings settingsOf(Server server) const {
        if (server == Server::Hostile) {
            ServerSettings s;
            s.url = hostileBook();
            return s;
        }
        return server == Server::Radicale ? m_radicale.settings() : m_xandikos.settings();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_radicale.prepare());
        QVERIFY(m_radicale.launch());
        QVERIFY(m_xandikos.launch());
        m_hostile.start(u"/usr/bin/python3"_s,
                        {QStringLiteral(E2V_CARDDAV_TEST_DIR "/hostile_server.py")});
        QVERIFY(m_hostile.waitForStarted(5000) && m_hostile.waitForReadyRead(10000));
        m_hostilePort = quint16(m_hostile.readLine().trimmed().toUInt());
        QVERIFY(m_hostilePort != 0);
        QVERIFY(m_radicale.server.waitUntilReady());
        QVERIFY(m_xandikos.server.waitUntilReady());
        for (const QString& book : {u"env"_s, u"file"_s, u"refusals"_s, u"stop"_s}) {
            QVERIFY(makeAddressBook(m_radicale.settings(), m_radicale.home(), book));
        }
    }

    void sendUpdateOnlyNew_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<Password>("password");
        QTest::addColumn<QString>("book");
        QTest::addRow("radicale, password from the environment")
            << Server::Radicale << Password::Environment << u"env"_s;
        QTest::addRow("radicale, password from a file")
            << Server::Radicale << Password::File << u"file"_s;
        QTest::addRow("xandikos, no sign-in, its only book")
            << Server::Xandikos << Password::None << QString();
    }
    void sendUpdateOnlyNew() {
        QFETCH(Server, server);
        QFETCH(Password, password);
        QFETCH(QString, book);
        QList<ContactValues> sheet = contacts(24);
        const QString path =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".csv"_s);
        QVERIFY(!writeSheet(path, sheet).isEmpty());
        const QStringList args = mapArguments() << path;

        CliRun r = send(server, password, book, args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(countsOf(r.err), (Counts{24, 0, 0, 0}));
        QCOMPARE(r.out.trimmed(), bookUrl(server, book).toString());
        QHash<QString, VCard> onServer = cardsByEmail(settingsOf(server), bookUrl(server, book));
        QCOMPARE(onServer.size(), 24);
        for (const ContactValues& v : std::as_const(sheet)) {
            QVERIFY2(holdsContact(onServer.value(v.EmailAddress), v), qPrintable(v.EmailAddress));
        }

        r = send(server, password, book, args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(countsOf(r.err), (Counts{0, 0, 24, 0}));

        sheet[5].MobileNumber = u"+44 7700 900999"_s;
        writeSheet(path, sheet);
        r = send(server, password, book, args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(countsOf(r.err), (Counts{0, 1, 23, 0}));
        onServer = cardsByEmail(settingsOf(server), bookUrl(server, book));
        QCOMPARE(onServer.size(), 24);
        QCOMPARE(textOf(onServer.value(sheet[5].EmailAddress), u"TEL"), sheet[5].MobileNumber);

        // Only new: the changed row stays as the server has it, the new row arrives.
        const QString before = textOf(onServer.value(sheet[6].EmailAddress), u"TEL");
        sheet[6].MobileNumber = u"+44 7700 900888"_s;
        sheet.append(contact(24));
        writeSheet(path, sheet);
        r = send(server, password, book, QStringList{u"--only-new"_s} + args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(countsOf(r.err), (Counts{1, 0, 0, 0}));
        QVERIFY2(r.err.contains(u"24 contacts already in the address book"_s) ||
                     r.err.contains(u"24 contact(s) already in the address book"_s),
                 qPrintable(r.err));
        onServer = cardsByEmail(settingsOf(server), bookUrl(server, book));
        QCOMPARE(onServer.size(), 25);
        QCOMPARE(textOf(onServer.value(sheet[6].EmailAddress), u"TEL"), before);
        QVERIFY(holdsContact(onServer.value(sheet[24].EmailAddress), sheet[24]));
    }

    // vCard 4.0 only when asked for and the address book lists it; 3.0 otherwise, 2.1 never.
    void versionTheBookTakes_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("version");
        QTest::addRow("4.0 asked, the book lists it")
            << Server::Hostile << QStringList{u"--vcard-version"_s, u"4.0"_s} << u"4.0"_s;
        QTest::addRow("3.0 asked, the book lists 4.0")
            << Server::Hostile << QStringList{u"--vcard-version"_s, u"3.0"_s} << u"3.0"_s;
        QTest::addRow("nothing asked (2.1 for files)")
            << Server::Hostile << QStringList() << u"3.0"_s;
        QTest::addRow("4.0 asked, the book lists 3.0 only")
            << Server::Xandikos << QStringList{u"--vcard-version"_s, u"4.0"_s} << u"3.0"_s;
    }
    void versionTheBookTakes() {
        QFETCH(Server, server);
        QFETCH(QStringList, asked);
        QFETCH(QString, version);
        const QList<ContactValues> sheet = contacts(3);
        const QString path = m_dir.filePath(u"version.csv"_s);
        QVERIFY(!writeSheet(path, sheet).isEmpty());
        const CliRun r = send(server, Password::None, QString(), asked + mapArguments() << path);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QHash<QString, VCard> onServer =
            cardsByEmail(settingsOf(server), bookUrl(server, QString()));
        for (const ContactValues& v : sheet) {
            const VCard card = onServer.value(v.EmailAddress);
            QCOMPARE(textOf(card, u"VERSION"), version);
            QCOMPARE(textOf(card, u"UID").startsWith(u"urn:uuid:"_s), version == u"4.0"_s);
        }
    }

    // What keeps anything from being sent: the exit status is 2, the reason is on standard
    // error, and the address book is as empty as before.
    void refusals_data() {
        QTest::addColumn<Server>("server");
        QTest::addColumn<Password>("password");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QStringList>("said");
        const auto R = Server::Radicale;
        const auto N = Server::None;
        QTest::addRow("wrong password") << R << Password::Wrong << u"refusals"_s << QStringList()
                                        << true << QStringList{u"refused the user name"_s};
        QTest::addRow("no password from anywhere")
            << R << Password::None << u"refusals"_s << QStringList() << true
            << QStringList{u"asks for a password"_s};
        QTest::addRow("certificate not trusted")
            << R << Password::Environment << u"refusals"_s << QStringList() << false
            << QStringList{u"secure connection"_s};
        QTest::addRow("no such address book")
            << R << Password::Environment << u"nope"_s << QStringList() << true
            << QStringList{u"\"nope\""_s, u"refusals"_s, u"stop"_s};
        QTest::addRow("several address books, none chosen")
            << R << Password::Environment << QString() << QStringList() << true
            << QStringList{u"env"_s, u"file"_s, u"refusals"_s, u"stop"_s};
        QTest::addRow("outlook makes files")
            << N << Password::None << QString()
            << QStringList{u"--carddav"_s, u"https://127.0.0.1:1/"_s,
                           u"--user"_s,    u"a"_s,
                           u"--target"_s,  u"outlook"_s}
            << true << QStringList{u"--target outlook"_s};
        QTest::addRow("one file means nothing on a server")
            << N << Password::None << QString()
            << QStringList{u"--carddav"_s, u"https://127.0.0.1:1/"_s, u"--user"_s, u"a"_s,
                           u"--single-file"_s}
            << true << QStringList{u"--single-file"_s};
        QTest::addRow("vCard 2.1 asked for")
            << N << Password::None << QString()
            << QStringList{u"--carddav"_s, u"https://127.0.0.1:1/"_s, u"--user"_s,
                           u"a"_s,         u"--vcard-version"_s,      u"2.1"_s}
            << true << QStringList{u"2.1"_s};
        QTest::addRow("http to another machine")
            << N << Password::None << QString()
            << QStringList{u"--carddav"_s, u"http://cloud.example.org/"_s, u"--user"_s, u"a"_s}
            << true << QStringList{u"http://cloud.example.org/"_s};
        QTest::addRow("only-new without a server")
            << N << Password::None << QString() << QStringList{u"--only-new"_s} << true
            << QStringList{u"--only-new"_s};
        QTest::addRow("uid column beyond the headers")
            << R << Password::Environment << u"refusals"_s
            << QStringList{u"--uid-column"_s, u"ZZ"_s} << true << QStringList{u"ZZ"_s};
    }
    void refusals() {
        QFETCH(Server, server);
        QFETCH(Password, password);
        QFETCH(QString, book);
        QFETCH(QStringList, extra);
        QFETCH(bool, trusted);
        QFETCH(QStringList, said);
        const QString path = m_dir.filePath(u"refusals.csv"_s);
        QVERIFY(!writeSheet(path, contacts(3)).isEmpty());
        const CliRun r = send(server, password, book, extra + mapArguments() << path, trusted);
        QCOMPARE(r.code, 2);
        for (const QString& text : std::as_const(said)) {
            QVERIFY2(r.err.contains(text), qPrintable(r.err));
        }
        QVERIFY(r.out.isEmpty());
        QVERIFY(
            readBook(m_radicale.settings(), bookUrl(Server::Radicale, u"refusals"_s)).isEmpty());
    }

    void listAddressBooks() {
        const CliRun r =
            send(Server::Radicale, Password::Environment, QString(), {u"--list-addressbooks"_s});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QStringList lines = r.out.trimmed().split(u'\n');
        lines.sort();
        QStringList expected;
        for (const QString& book : {u"env"_s, u"file"_s, u"refusals"_s, u"stop"_s}) {
            expected.append(bookUrl(Server::Radicale, book).toString() + u'\t' + book);
        }
        QCOMPARE(lines, expected);
    }

    // The key a contact is matched by: a column of the user's (not mapped), the row number
    // when that cell is empty, and repeated keys each sent as a contact of their own.
    void matchingKeys() {
        QList<ContactValues> sheet = contacts(6);
        const QStringList ids{u"A-1"_s, u"A-2"_s, u"A-3"_s, QString(), u"A-2"_s, u"A-6"_s};
        const QString path = m_dir.filePath(u"keys.csv"_s);
        QVERIFY(!writeSheet(path, sheet, ids).isEmpty());
        const QString idColumn = QString(QChar(char16_t(u'A' + contactFields().size())));
        const QStringList args = mapArguments() << u"--uid-column"_s << idColumn << path;
        CliRun r = send(Server::Xandikos, Password::None, QString(), args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(countsOf(r.err), (Counts{6, 0, 0, 0}));
        // Row 5 (the fourth contact) has no key, row 6 repeats row 3's.
        QVERIFY2(r.err.contains(QRegularExpression(u"row number.*: row\\S* 5\\."_s)),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(QRegularExpression(u"own: row\\S* 6\\."_s)), qPrintable(r.err));

        // A new e-mail address under the same key is the same contact, updated.
        sheet[0].EmailAddress = u"new.address@example.org"_s;
        writeSheet(path, sheet, ids);
        r = send(Server::Xandikos, Password::None, QString(), args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(countsOf(r.err).updated, 1);
        QCOMPARE(countsOf(r.err).added, 0);
    }

    // The server stops while the cards go out: those sent stay, each of the others is named
    // (exit 1); the next run sends the rest and duplicates nothing.
    void serverStopsMidRun() {
        const QList<ContactValues> sheet = contacts(80);
        const QString path = m_dir.filePath(u"stop.csv"_s);
        QVERIFY(!writeSheet(path, sheet).isEmpty());
        const QStringList args = mapArguments() << path;
        const QString store = m_radicale.dir.filePath(u"store/collection-root/alice/stop"_s);

        CliRun r;
        QThread* runner = QThread::create(
            [&]() { r = send(Server::Radicale, Password::Environment, u"stop"_s, args); });
        runner->start();
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            qsizetype stored = 0;
            for (QDirIterator it(store, {u"*.vcf"_s}, QDir::Files); it.hasNext(); it.next()) {
                ++stored;
            }
            if (stored >= 10 || clock.elapsed() > 60000) {
                break;
            }
            QThread::msleep(1);
        }
        m_radicale.server.stop();
        runner->wait();
        delete runner;
        QVERIFY2(r.code == 1, qPrintable(r.err));
        const Counts first = countsOf(r.err);
        QVERIFY2(first.added >= 5 && first.notSent >= 1, qPrintable(r.err));
        QCOMPARE(first.added + first.notSent, 80);
        QCOMPARE(r.err.count(u"Not sent: row "_s), first.notSent);

        QVERIFY(m_radicale.restart());
        r = send(Server::Radicale, Password::Environment, u"stop"_s, args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const Counts second = countsOf(r.err);
        QCOMPARE(second.notSent, 0);
        QCOMPARE(second.added + second.unchanged, 80);
        QVERIFY(second.unchanged >= first.added);
        const QHash<QString, QString> book =
            readBook(m_radicale.settings(), bookUrl(Server::Radicale, u"stop"_s));
        QCOMPARE(book.size(), 80);
    }
};

QTEST_GUILESS_MAIN(TestCliCardDav)
#include "test_cli_carddav.moc"

#pragma once

#include "CardDavTypes.h"
#include "VCardReader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUuid>

#include <deque>
#include <functional>
#include <memory>

class DavClient;
class QEventLoop;

// One card on its way to the server.
struct ServerCard {
    qint32 row = 0; // the sheet's row, for the report
    QString name;   // the contact's name, for the report
    QString text;   // the card as the writer made it, its UID line included
    QUuid uid;      // names the card's resource: <address book>/<uid>.vcf
};

enum class CardResult {
    Added,     // new on the server
    Updated,   // was there and differed: our properties replaced, the server's others kept
    Unchanged, // was there with the same meaning: not sent
    LeftAlone, // was there, and only new contacts are added
    NotSent,   // see the problem
};

struct CardOutcome {
    qint32 row = 0;
    QString name;
    CardResult result = CardResult::NotSent;
    Problem problem; // why it was not sent
};

struct SyncReport {
    // What kept every card from being sent (the start failed); None once the run started.
    Problem problem;
    // The server stopped answering during the run: the cards not sent after that carry it.
    Problem stopped;
    AddressBook addressBook;
    QList<AddressBook> addressBooks; // what discovery found
    qint32 added = 0;
    qint32 updated = 0;
    qint32 unchanged = 0;
    qint32 leftAlone = 0;
    qint32 notSent = 0;
    QList<CardOutcome> notSentCards; // in row order
};

struct SyncSettings {
    ServerSettings server;
    // The address book's name or address; empty: the account's only one.
    QString addressBook;
    // Cards already on the server are left as they are.
    bool onlyNew = false;
    // The properties the mapping writes (cardPropertyNames in CardMerge.h): on a card the
    // server already holds, these are compared and replaced; all others are the server's.
    QSet<QString> ownProperties;
    // Requests under way at once.
    int parallel = 4;
};

// Sends the cards of one run to an address book. Call start once, send for each card, then
// finish, all on one thread (the network objects are made there; no other event loop may
// run it meanwhile). The calls wait in local event loops: start until the address book is
// found and its list of cards read, send only while many cards are still under way, finish
// until every card is settled. Nothing on the server is ever deleted.
//
// Per card: a resource the list does not hold is PUT with If-None-Match: *; one it holds is
// read back (addressbook-multiget, 100 at a time), compared by meaning on ownProperties, and
// when it differs PUT merged with If-Match and the ETag as the server gave it. A 412 is read
// again and tried once more. After a network failure the server counts as stopped: the cards
// still waiting, and those sent later, are not sent, with that reason.
class CardDavSender : public QObject {
    Q_OBJECT
public:
    explicit CardDavSender(const SyncSettings& settings, QObject* parent = nullptr);
    ~CardDavSender() override;

    // Finds the address book and reads which cards it holds. Not ok: send nothing (the report
    // says why).
    Problem start();
    const AddressBook& addressBook() const { return m_report.addressBook; }
    const QList<AddressBook>& addressBooks() const { return m_report.addressBooks; }
    // The properties compared and replaced (SyncSettings::ownProperties), once the version
    // the cards are written in is known; before the first send.
    void setOwnProperties(const QSet<QString>& names) { m_settings.ownProperties = names; }

    void send(const ServerCard& card);
    // Waits until every card is settled.
    SyncReport finish();

    // Called as each card is settled (progress), on this thread.
    std::function<void(const CardOutcome&)> onSettled;

private:
    struct Job;
    void pump();
    void sendPut(Job* job);
    void sendMultiget(QList<Job*> batch);
    void putAnswered(Job* job, const Problem& problem, bool update);
    void readAnswered(Job* job, const QByteArray& etag, const QString& addressData, bool found);
    void settle(Job* job, CardResult result, const Problem& problem = {});
    void serverStopped(const Problem& problem);
    void waitUntil(const std::function<bool()>& done);
    QUrl resourceUrl(const QUuid& uid) const;

    SyncSettings m_settings;
    DavClient* m_client = nullptr;
    SyncReport m_report;
    bool m_started = false;
    QHash<QString, QByteArray> m_listing; // decoded resource path -> ETag
    std::deque<Job*> m_puts;
    QList<Job*> m_reads;
    bool m_finishing = false;
    bool m_flushReads = false; // send the reads waiting now, even fewer than a full multiget
    QHash<Job*, std::shared_ptr<Job>> m_jobs;
    QEventLoop* m_wake = nullptr;
};

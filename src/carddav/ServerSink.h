#pragma once

#include "CardDavSender.h"
#include "ConversionRun.h"

#include <QList>

#include <memory>

// The run's cards into an address book on a server, through CardDavSender. start finds the
// address book and reads what it holds (a failure there fails the whole run: nothing is sent);
// the cards then go out as the run makes them; finish waits for the last and fills the
// report's server summary. The network objects are made in start and gone after finish or
// abandon, all on the thread the run runs on; the sink itself may be made on any thread.
class ServerSink final : public CardSink {
public:
    explicit ServerSink(const SyncSettings& settings);
    ~ServerSink() override;

    bool start(const QDateTime& now, ConversionReport& report) override;
    // vCard 4.0 only when it was asked for and the address book lists it; otherwise 3.0.
    void prepareCards(ConversionOptions& options, const QStringList& mappedFields) override;
    void abandon() override;
    void put(const OutgoingCard& card) override;
    void refuse(const OutgoingCard& card, const QString& reason) override;
    void finish(ConversionReport& report) override;

private:
    void noteKey(const OutgoingCard& card);

    SyncSettings m_settings;
    std::unique_ptr<CardDavSender> m_sender;
    QList<ConversionReport::ServerSummary::NotSent> m_refused;
    QList<qint32> m_rowNumberKeys; // rows sent under their row number
    QList<qint32> m_repeatedKeys;  // rows whose key an earlier row of the run had
};

// The name a report gives the contact: the card's full name, else the first and last name,
// else the company, else the first e-mail address.
QString contactDisplayName(const ContactValues& values);

#include "ServerSink.h"

#include "CardMerge.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// "4, 9, 12" for at most ten rows, "4, 9, 12, ... (25 rows)" beyond.
QString rowList(const QList<qint32>& rows) {
    constexpr qsizetype kShown = 10;
    QStringList shown;
    for (qsizetype i = 0; i < rows.size() && i < kShown; ++i) {
        shown.append(QString::number(rows[i]));
    }
    QString text = shown.join(QStringLiteral(", "));
    if (rows.size() > kShown) {
        text +=
            QCoreApplication::translate("CardDav", ", ... (%n row(s))", nullptr, int(rows.size()));
    }
    return text;
}

} // namespace

QString contactDisplayName(const ContactValues& values) {
    const QString full = values.FullName.trimmed();
    if (!full.isEmpty()) {
        return full;
    }
    const QString joined =
        (values.FirstName.trimmed() + QLatin1Char(' ') + values.LastName.trimmed()).trimmed();
    if (!joined.isEmpty()) {
        return joined;
    }
    if (!values.Company.trimmed().isEmpty()) {
        return values.Company.trimmed();
    }
    return values.EmailAddress.trimmed();
}

ServerSink::ServerSink(const SyncSettings& settings) : m_settings(settings) {}

ServerSink::~ServerSink() = default;

bool ServerSink::start(const QDateTime&, ConversionReport& report) {
    report.server.used = true;
    // Made here, on the run's thread: its network objects belong to that thread.
    m_sender = std::make_unique<CardDavSender>(m_settings);
    const Problem problem = m_sender->start();
    const AddressBook& book = m_sender->addressBook();
    report.server.addressBook = book.name;
    report.server.addressBookUrl = book.url.adjusted(QUrl::RemoveUserInfo).toString();
    if (problem.ok()) {
        return true;
    }
    for (const AddressBook& b : m_sender->addressBooks()) {
        report.server.addressBooks.append(b.name);
    }
    report.outcome = ConversionReport::Outcome::ServerFailed;
    report.message = problemText(problem);
    m_sender.reset();
    return false;
}

void ServerSink::prepareCards(ConversionOptions& options, const QStringList& mappedFields) {
    const bool v40 =
        options.vCardVersion == VCardVersion::V40 && m_sender && m_sender->addressBook().vCard4;
    options.vCardVersion = v40 ? VCardVersion::V40 : VCardVersion::V30;
    if (m_sender && m_settings.ownProperties.isEmpty()) {
        m_sender->setOwnProperties(cardPropertyNames(mappedFields, options.vCardVersion));
    }
}

void ServerSink::abandon() {
    m_sender.reset();
}

void ServerSink::noteKey(const OutgoingCard& card) {
    if (card.keySource == ContactKeySource::RowNumber) {
        m_rowNumberKeys.append(card.row);
    }
    if (card.occurrence > 1) {
        m_repeatedKeys.append(card.row);
    }
}

void ServerSink::put(const OutgoingCard& card) {
    noteKey(card);
    ServerCard out;
    out.row = card.row;
    out.name = contactDisplayName(card.values);
    out.text = QString::fromUtf8(card.card);
    out.uid = card.uid;
    m_sender->send(out);
}

void ServerSink::refuse(const OutgoingCard& card, const QString& reason) {
    noteKey(card);
    m_refused.append({card.row, contactDisplayName(card.values), reason});
}

void ServerSink::finish(ConversionReport& report) {
    ConversionReport::ServerSummary& s = report.server;
    s.used = true;
    if (m_sender) {
        const SyncReport sync = m_sender->finish();
        m_sender.reset();
        s.added = sync.added;
        s.updated = sync.updated;
        s.unchanged = sync.unchanged;
        s.leftAlone = sync.leftAlone;
        for (const CardOutcome& c : sync.notSentCards) {
            s.notSentContacts.append({c.row, c.name, problemText(c.problem)});
        }
    }
    s.notSentContacts += m_refused;
    std::stable_sort(s.notSentContacts.begin(), s.notSentContacts.end(),
                     [](const auto& a, const auto& b) { return a.row < b.row; });
    s.notSent = qint32(s.notSentContacts.size());
    report.cardsFailed = s.notSent;
    report.firstFailure =
        s.notSentContacts.isEmpty() ? QString() : s.notSentContacts.first().reason;
    if (!m_rowNumberKeys.isEmpty()) {
        s.notes.append(QCoreApplication::translate(
                           "CardDav",
                           "%n contact(s) had nothing to be matched by (no e-mail address, name or "
                           "company) and went under their row number, so moving them in the sheet "
                           "makes them new contacts: row(s) %1.",
                           nullptr, int(m_rowNumberKeys.size()))
                           .arg(rowList(m_rowNumberKeys)));
    }
    if (!m_repeatedKeys.isEmpty()) {
        s.notes.append(QCoreApplication::translate(
                           "CardDav",
                           "%n contact(s) had the same e-mail address, name or key as an earlier "
                           "row and were sent as contacts of their own: row(s) %1.",
                           nullptr, int(m_repeatedKeys.size()))
                           .arg(rowList(m_repeatedKeys)));
    }
}

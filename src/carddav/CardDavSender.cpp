#include "CardDavSender.h"

#include "CardMerge.h"
#include "DavClient.h"
#include "DavXml.h"
#include "Discovery.h"

#include <QEventLoop>

#include <algorithm>

namespace {

constexpr int kMultigetSize = 100;
// Cards handed over and not yet settled before send waits: enough for full multigets.
constexpr int kMaxUnsettled = 3 * kMultigetSize;

const QByteArray kVCardType = "text/vcard; charset=utf-8";

QString decodedPath(const QUrl& url) {
    return url.path(QUrl::FullyDecoded);
}

// The card as sent: CR LF line ends, the last line's included.
QByteArray cardBytes(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!text.endsWith(QStringLiteral("\r\n"))) {
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool stopsTheRun(const Problem& p) {
    switch (p.failure) {
    case Failure::HostNotFound:
    case Failure::ConnectionRefused:
    case Failure::ConnectionLost:
    case Failure::TimedOut:
    case Failure::TlsFailed:
    case Failure::NetworkError:
    case Failure::PasswordNeeded:
    case Failure::SignInRefused:
        return true;
    default:
        return false;
    }
}

bool quoted(const QByteArray& etag) {
    return etag.startsWith('"') || etag.startsWith("W/");
}

} // namespace

struct CardDavSender::Job {
    ServerCard card;
    QUrl url;
    bool exists = false;
    QByteArray etag;      // the server's, as given
    QByteArray triedEtag; // the If-Match of the last PUT
    QString body;         // what the PUT sends
    int preconditionFailures = 0;
};

CardDavSender::CardDavSender(const SyncSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings) {
    m_settings.parallel = std::max(1, m_settings.parallel);
}

CardDavSender::~CardDavSender() = default;

Problem CardDavSender::start() {
    m_client = new DavClient(m_settings.server, this);
    const Discovery discovery = discoverAddressBooks(*m_client, m_settings.server.url);
    m_report.addressBooks = discovery.books;
    m_report.problem = discovery.problem;
    if (m_report.problem.ok()) {
        const ChosenAddressBook chosen = chooseAddressBook(
            discovery.books, discovery.direct ? QString() : m_settings.addressBook,
            m_settings.server.url);
        m_report.problem = chosen.problem;
        m_report.addressBook = chosen.book;
    }
    if (!m_report.problem.ok()) {
        return m_report.problem;
    }

    // Which cards are there already, and their ETags.
    DavClient::Request request;
    request.verb = "PROPFIND";
    request.url = m_report.addressBook.url;
    request.contentType = "application/xml; charset=utf-8";
    request.addHeader("Depth", "1");
    request.body = propfindBody({{kDavNs, u"getetag"}});
    const DavClient::Reply reply = m_client->sendAndWait(request);
    Problem problem = reply.problem;
    if (problem.ok()) {
        QString error;
        const auto responses = parseMultistatus(reply.body, &error);
        if (!responses || reply.status != 207) {
            problem.failure = Failure::BadResponse;
            problem.reason = responses ? QStringLiteral("status %1").arg(reply.status) : error;
            problem.url = reply.url;
        } else {
            for (const DavResponse& r : *responses) {
                const DavProperty* etag = r.property(kDavNs, u"getetag");
                m_listing.insert(decodedPath(reply.url.resolved(QUrl(r.href))),
                                 etag ? etag->text.trimmed().toUtf8() : QByteArray());
            }
        }
    }
    if (problem.failure == Failure::HttpStatus && problem.status == 403) {
        problem.failure = Failure::SignInRefused;
    }
    m_report.problem = problem;
    m_started = problem.ok();
    return problem;
}

QUrl CardDavSender::resourceUrl(const QUuid& uid) const {
    QUrl url = m_report.addressBook.url;
    url.setPath(url.path() + uid.toString(QUuid::WithoutBraces) + QStringLiteral(".vcf"));
    return url;
}

void CardDavSender::send(const ServerCard& card) {
    auto job = std::make_shared<Job>();
    job->card = card;
    Job* j = job.get();
    m_jobs.insert(j, std::move(job));
    if (!m_started) {
        settle(j, CardResult::NotSent, m_report.problem);
        return;
    }
    if (!m_report.stopped.ok()) {
        settle(j, CardResult::NotSent, m_report.stopped);
        return;
    }
    j->url = resourceUrl(card.uid);
    const auto listed = m_listing.constFind(decodedPath(j->url));
    if (listed != m_listing.constEnd()) {
        j->exists = true;
        j->etag = listed.value();
        if (m_settings.onlyNew) {
            settle(j, CardResult::LeftAlone);
            return;
        }
        m_reads.append(j);
    } else {
        m_puts.push_back(j);
    }
    pump();
    waitUntil([this]() { return m_jobs.size() < kMaxUnsettled; });
}

SyncReport CardDavSender::finish() {
    m_finishing = true;
    pump();
    waitUntil([this]() { return m_jobs.isEmpty(); });
    std::sort(m_report.notSentCards.begin(), m_report.notSentCards.end(),
              [](const CardOutcome& a, const CardOutcome& b) { return a.row < b.row; });
    return m_report;
}

void CardDavSender::waitUntil(const std::function<bool()>& done) {
    // Without a client (not started) every card was settled at once.
    while (m_client && !done()) {
        // Nothing under way and nothing to start: what waits for a full multiget goes now.
        if (m_client->inFlight() == 0 && m_puts.empty()) {
            m_flushReads = true;
            pump();
            if (done()) {
                break;
            }
        }
        QEventLoop loop;
        m_wake = &loop;
        loop.exec();
        m_wake = nullptr;
    }
}

void CardDavSender::pump() {
    if (!m_report.stopped.ok()) {
        // The server is gone: what waits is not sent.
        const std::deque<Job*> puts = std::exchange(m_puts, {});
        const QList<Job*> reads = std::exchange(m_reads, {});
        for (Job* j : puts) {
            settle(j, CardResult::NotSent, m_report.stopped);
        }
        for (Job* j : reads) {
            settle(j, CardResult::NotSent, m_report.stopped);
        }
        return;
    }
    while (m_client && m_client->inFlight() < m_settings.parallel) {
        if (!m_puts.empty()) {
            Job* j = m_puts.front();
            m_puts.pop_front();
            sendPut(j);
        } else if (m_reads.size() >= kMultigetSize ||
                   ((m_finishing || m_flushReads) && !m_reads.isEmpty())) {
            const qsizetype n = std::min<qsizetype>(kMultigetSize, m_reads.size());
            QList<Job*> batch = m_reads.mid(0, n);
            m_reads.remove(0, n);
            m_flushReads = m_flushReads && !m_reads.isEmpty();
            sendMultiget(std::move(batch));
        } else {
            break;
        }
    }
}

void CardDavSender::sendPut(Job* j) {
    DavClient::Request request;
    request.verb = "PUT";
    request.url = j->url;
    request.contentType = kVCardType;
    request.body = cardBytes(j->body.isEmpty() ? j->card.text : j->body);
    const bool update = j->exists;
    if (update) {
        if (!j->etag.isEmpty()) {
            request.addHeader("If-Match", j->etag);
        }
        j->triedEtag = j->etag;
    } else {
        request.addHeader("If-None-Match", "*");
    }
    m_client->send(request, [this, j, update](const DavClient::Reply& reply) {
        putAnswered(j, reply.problem, update);
    });
}

void CardDavSender::putAnswered(Job* j, const Problem& problem, bool update) {
    if (problem.ok()) {
        settle(j, update ? CardResult::Updated : CardResult::Added);
    } else if (problem.failure == Failure::HttpStatus && problem.status == 412 &&
               j->preconditionFailures == 0) {
        // Changed (or made) on the server since it was read: read it again, once.
        ++j->preconditionFailures;
        if (m_settings.onlyNew && !update) {
            settle(j, CardResult::LeftAlone);
        } else {
            j->exists = true;
            j->body.clear();
            m_reads.append(j);
            m_flushReads = true;
        }
    } else {
        if (stopsTheRun(problem)) {
            serverStopped(problem);
        }
        settle(j, CardResult::NotSent, problem);
    }
    pump();
}

void CardDavSender::sendMultiget(QList<Job*> batch) {
    DavClient::Request request;
    request.verb = "REPORT";
    request.url = m_report.addressBook.url;
    request.contentType = "application/xml; charset=utf-8";
    request.addHeader("Depth", "1");
    QStringList hrefs;
    for (Job* j : batch) {
        hrefs.append(j->url.path(QUrl::FullyEncoded));
    }
    request.body = multigetBody(hrefs);
    m_client->send(request, [this, batch](const DavClient::Reply& reply) {
        Problem problem = reply.problem;
        std::optional<QList<DavResponse>> responses;
        if (problem.ok()) {
            QString error;
            responses = parseMultistatus(reply.body, &error);
            if (!responses || reply.status != 207) {
                problem.failure = Failure::BadResponse;
                problem.reason = responses ? QStringLiteral("status %1").arg(reply.status) : error;
                problem.url = reply.url;
            }
        }
        if (!problem.ok()) {
            if (stopsTheRun(problem)) {
                serverStopped(problem);
            }
            for (Job* j : batch) {
                settle(j, CardResult::NotSent, problem);
            }
            pump();
            return;
        }
        QHash<QString, const DavResponse*> byPath;
        for (const DavResponse& r : *responses) {
            byPath.insert(decodedPath(reply.url.resolved(QUrl(r.href))), &r);
        }
        for (Job* j : batch) {
            const DavResponse* r = byPath.value(decodedPath(j->url));
            const DavProperty* data = r ? r->property(kCardDavNs, u"address-data") : nullptr;
            const DavProperty* etag = r ? r->property(kDavNs, u"getetag") : nullptr;
            readAnswered(j, etag ? etag->text.trimmed().toUtf8() : QByteArray(),
                         data ? data->text : QString(), data != nullptr);
        }
        pump();
    });
}

void CardDavSender::readAnswered(Job* j, const QByteArray& etag, const QString& addressData,
                                 bool found) {
    if (!found) {
        // Gone since the list was read: it is new again.
        j->exists = false;
        j->body.clear();
        m_puts.push_front(j);
        return;
    }
    const std::optional<VCard> ours = parseVCard(j->card.text);
    const std::optional<VCard> servers = parseVCard(addressData);
    if (!ours || !servers) {
        Problem p;
        p.failure = Failure::BadResponse;
        p.reason = QStringLiteral("the card on the server is not a vCard");
        p.url = j->url;
        settle(j, CardResult::NotSent, p);
        return;
    }
    if (sameMeaning(*ours, *servers, m_settings.ownProperties)) {
        settle(j, CardResult::Unchanged);
        return;
    }
    // A server that lists ETags without quotes but compares them with quotes gets them
    // quoted on the second try.
    j->etag = etag.isEmpty() ? j->etag : etag;
    if (j->preconditionFailures > 0 && j->etag == j->triedEtag && !quoted(j->etag) &&
        !j->etag.isEmpty()) {
        j->etag = '"' + j->etag + '"';
    }
    j->exists = true;
    j->body = mergeCards(*ours, *servers, m_settings.ownProperties);
    m_puts.push_front(j);
}

void CardDavSender::serverStopped(const Problem& problem) {
    if (m_report.stopped.ok()) {
        m_report.stopped = problem;
    }
}

void CardDavSender::settle(Job* j, CardResult result, const Problem& problem) {
    CardOutcome outcome;
    outcome.row = j->card.row;
    outcome.name = j->card.name;
    outcome.result = result;
    outcome.problem = problem;
    switch (result) {
    case CardResult::Added:
        ++m_report.added;
        break;
    case CardResult::Updated:
        ++m_report.updated;
        break;
    case CardResult::Unchanged:
        ++m_report.unchanged;
        break;
    case CardResult::LeftAlone:
        ++m_report.leftAlone;
        break;
    case CardResult::NotSent:
        ++m_report.notSent;
        m_report.notSentCards.append(outcome);
        break;
    }
    m_jobs.remove(j);
    if (onSettled) {
        onSettled(outcome);
    }
    if (m_wake) {
        m_wake->quit();
    }
}

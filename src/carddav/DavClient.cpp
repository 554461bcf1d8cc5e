#include "DavClient.h"

#include "DavXml.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

constexpr int kMaxRedirects = 5;

bool isLoopbackHost(const QString& host) {
    if (host.compare(u"localhost", Qt::CaseInsensitive) == 0) {
        return true;
    }
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

Problem networkProblem(QNetworkReply::NetworkError error, const QString& text) {
    Problem p;
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        p.failure = Failure::ConnectionRefused;
        break;
    case QNetworkReply::RemoteHostClosedError:
        p.failure = Failure::ConnectionLost;
        break;
    case QNetworkReply::HostNotFoundError:
        p.failure = Failure::HostNotFound;
        break;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout aborts this way
        p.failure = Failure::TimedOut;
        break;
    case QNetworkReply::SslHandshakeFailedError:
        p.failure = Failure::TlsFailed;
        break;
    default:
        p.failure = Failure::NetworkError;
        break;
    }
    p.reason = text;
    return p;
}

} // namespace

QUrl withoutUserInfo(const QUrl& url) {
    return url.adjusted(QUrl::RemoveUserInfo);
}

Problem checkServerUrl(const QUrl& url) {
    Problem p;
    p.url = withoutUserInfo(url);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"https" && scheme != u"http")) {
        p.failure = Failure::InvalidUrl;
    } else if (!url.password().isEmpty()) {
        p.failure = Failure::PasswordInUrl;
    } else if (scheme == u"http" && !isLoopbackHost(url.host())) {
        p.failure = Failure::InsecureUrl;
    }
    return p;
}

bool redirectAllowed(const QUrl& from, const QUrl& to) {
    if (!checkServerUrl(to).ok() || from.host().compare(to.host(), Qt::CaseInsensitive) != 0) {
        return false;
    }
    const QString a = from.scheme().toLower();
    const QString b = to.scheme().toLower();
    return a == b || (a == u"http" && b == u"https");
}

DavClient::DavClient(const ServerSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_nam(new QNetworkAccessManager(this)) {
    m_settingsProblem = checkServerUrl(settings.url);
    m_ssl = QSslConfiguration::defaultConfiguration();
    if (m_settingsProblem.ok() && !settings.caFile.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(settings.caFile);
        if (extra.isEmpty()) {
            m_settingsProblem.failure = Failure::CaFileUnreadable;
            m_settingsProblem.reason = settings.caFile;
        } else {
            m_ssl.setCaCertificates(QSslConfiguration::systemCaCertificates() + extra);
        }
    }
    connect(m_nam, &QNetworkAccessManager::authenticationRequired, this, &DavClient::authenticate);
}

DavClient::~DavClient() = default;

void DavClient::authenticate(QNetworkReply* reply, QAuthenticator* authenticator) {
    // Asked again for a request we answered: the password was refused. Leaving the
    // authenticator empty ends the request with its 401.
    if (m_refused || reply->property("e2v.answered").toBool()) {
        m_refused = m_refused || m_password.has_value();
        return;
    }
    reply->setProperty("e2v.answered", true);
    if (!m_password) {
        if (m_asked) {
            return;
        }
        m_asked = true;
        if (m_settings.password) {
            m_password = m_settings.password();
        }
        if (!m_password) {
            return;
        }
    }
    authenticator->setUser(m_settings.user);
    authenticator->setPassword(*m_password);
}

void DavClient::send(const Request& request, Done done) {
    ++m_inFlight;
    Pending pending;
    pending.request = request;
    pending.done = std::move(done);
    start(std::move(pending));
}

DavClient::Reply DavClient::sendAndWait(const Request& request) {
    Reply result;
    bool done = false;
    QEventLoop loop;
    send(request, [&](const Reply& reply) {
        result = reply;
        done = true;
        loop.quit();
    });
    if (!done) {
        loop.exec();
    }
    return result;
}

void DavClient::start(Pending pending) {
    Problem problem =
        m_settingsProblem.ok() ? checkServerUrl(pending.request.url) : m_settingsProblem;
    if (problem.ok() && m_refused) {
        problem.failure = Failure::SignInRefused;
        problem.status = 401;
    }
    if (!problem.ok()) {
        // Later, as for an answer from the network, so callers see one order of events.
        QTimer::singleShot(0, this, [this, pending = std::move(pending), problem]() {
            --m_inFlight;
            Reply reply;
            reply.problem = problem;
            reply.url = withoutUserInfo(pending.request.url);
            pending.done(reply);
        });
        return;
    }

    QNetworkRequest request(pending.request.url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(int(std::clamp<qint64>(m_settings.requestTimeoutMs, 1, INT_MAX)));
    request.setSslConfiguration(m_ssl);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("excel2vcard"));
    if (!pending.request.contentType.isEmpty()) {
        request.setRawHeader("Content-Type", pending.request.contentType);
    }
    for (const auto& [name, value] : pending.request.headers) {
        request.setRawHeader(name, value);
    }

    QNetworkReply* reply =
        m_nam->sendCustomRequest(request, pending.request.verb, pending.request.body);
    // Shared by the handlers below; freed with them should the reply never finish (this
    // client destroyed first).
    const auto state = std::make_shared<Pending>(std::move(pending));
    connect(reply, &QNetworkReply::sslErrors, this, [state](const QList<QSslError>& errors) {
        for (const QSslError& e : errors) {
            state->sslErrors.append(e.errorString());
        }
    });
    // The answer is taken as it comes, so that the network thread never holds more than a
    // little of it, and given up past the limit.
    reply->setReadBufferSize(256 * 1024);
    const qint64 limit = m_settings.responseLimit;
    auto tooLarge = [reply, state, limit](qint64 size) {
        if (!state->tooLarge && size > limit) {
            state->tooLarge = true;
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, tooLarge]() {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid()) {
            tooLarge(length.toLongLong());
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [reply, state, tooLarge]() {
        if (!state->tooLarge) {
            state->body += reply->readAll();
            tooLarge(state->body.size());
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, state]() {
        Pending p = std::move(*state);
        reply->deleteLater();
        finished(reply, std::move(p));
    });
}

void DavClient::finished(QNetworkReply* networkReply, Pending pending) {
    Reply reply;
    reply.url = withoutUserInfo(networkReply->url());
    reply.status = networkReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reasonPhrase =
        networkReply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    const QNetworkReply::NetworkError error = networkReply->error();

    if (pending.tooLarge) {
        reply.problem.failure = Failure::ResponseTooLarge;
    } else if (reply.status == 0) {
        // No answer at all. A kept-alive connection the server had closed is tried once more.
        if (error == QNetworkReply::RemoteHostClosedError && !pending.retried) {
            pending.retried = true;
            start(std::move(pending));
            return;
        }
        reply.problem = networkProblem(error, networkReply->errorString());
        if (reply.problem.failure == Failure::TlsFailed && !pending.sslErrors.isEmpty()) {
            reply.problem.reason = pending.sslErrors.join(QStringLiteral("; "));
        }
    } else {
        reply.body = std::move(pending.body) + networkReply->readAll();
        reply.etag = networkReply->rawHeader("ETag");
        const QVariant target =
            networkReply->attribute(QNetworkRequest::RedirectionTargetAttribute);
        if (reply.status >= 300 && reply.status < 400 && target.isValid()) {
            const QUrl from = networkReply->url();
            const QUrl to = from.resolved(target.toUrl());
            if (!redirectAllowed(from, to)) {
                reply.problem.failure = Failure::RedirectRefused;
                reply.problem.reason = withoutUserInfo(to).toString();
            } else if (pending.redirects >= kMaxRedirects) {
                reply.problem.failure = Failure::TooManyRedirects;
            } else {
                ++pending.redirects;
                pending.request.url = to;
                start(std::move(pending));
                return;
            }
        } else if (reply.status >= 400) {
            reply.problem.status = reply.status;
            reply.problem.reason = reasonPhrase;
            const QString condition = davErrorCondition(reply.body);
            if (!condition.isEmpty()) {
                reply.problem.reason += QStringLiteral(" (") + condition + QLatin1Char(')');
            }
            if (reply.status == 401) {
                reply.problem.failure =
                    m_password ? Failure::SignInRefused : Failure::PasswordNeeded;
                m_refused = m_refused || m_password.has_value();
            } else {
                reply.problem.failure = Failure::HttpStatus;
            }
        }
    }
    if (!reply.problem.ok() && reply.problem.url.isEmpty()) {
        reply.problem.url = reply.url;
    }
    --m_inFlight;
    pending.done(reply);
}

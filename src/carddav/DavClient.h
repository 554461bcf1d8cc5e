#pragma once

#include "CardDavTypes.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSslConfiguration>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QAuthenticator;

// HTTP for one server, with this program's rules: https, or http to this machine only;
// certificates checked against the system's store and the optional CA file, never ignored;
// redirects only to the same host (or from http to https on it), so the password never goes
// elsewhere; the password asked for only when the server asks; answers bounded in size and
// given up when nothing moves for the request limit. Requests run concurrently over the
// kept-alive connections of one QNetworkAccessManager, made on the thread that makes this.
class DavClient : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray verb; // "PROPFIND", "REPORT", "PUT"
        QUrl url;
        QByteArray body;
        QByteArray contentType;
        QList<QPair<QByteArray, QByteArray>> headers; // Depth, If-Match, ...

        void addHeader(const QByteArray& name, const QByteArray& value) {
            headers.append(QPair<QByteArray, QByteArray>(name, value));
        }
    };
    struct Reply {
        Problem problem; // None: the server answered with a status below 400 (see status)
        int status = 0;
        QByteArray body;
        QByteArray etag; // the ETag header, as given
        QUrl url;        // where the answer came from, after redirects
    };
    using Done = std::function<void(const Reply&)>;

    explicit DavClient(const ServerSettings& settings, QObject* parent = nullptr);
    ~DavClient() override;

    // What is wrong with the settings before anything is sent (address, CA file).
    Problem settingsProblem() const { return m_settingsProblem; }

    // done is called once, later, from this thread's event loop.
    void send(const Request& request, Done done);
    // Waits for the answer in a local event loop.
    Reply sendAndWait(const Request& request);

    int inFlight() const { return m_inFlight; }
    // The server refused the password once: later requests fail the same way.
    bool signInRefused() const { return m_refused; }

private:
    struct Pending {
        Request request;
        Done done;
        int redirects = 0;
        bool retried = false;
        bool tooLarge = false;
        QByteArray body;
        QStringList sslErrors;
    };
    void start(Pending pending);
    void finished(QNetworkReply* reply, Pending pending);
    void authenticate(QNetworkReply* reply, QAuthenticator* authenticator);

    ServerSettings m_settings;
    Problem m_settingsProblem;
    QSslConfiguration m_ssl;
    QNetworkAccessManager* m_nam;
    std::optional<QString> m_password;
    bool m_asked = false;
    bool m_refused = false;
    int m_inFlight = 0;
};

// Whether the program may talk to this address (https, or http to loopback; a host; no
// password in it). Redirect targets pass the same check.
Problem checkServerUrl(const QUrl& url);
// Whether a redirect from one address to another is followed.
bool redirectAllowed(const QUrl& from, const QUrl& to);
// The address without user information, for messages.
QUrl withoutUserInfo(const QUrl& url);

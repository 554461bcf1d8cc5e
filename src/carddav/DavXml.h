#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>

#include <optional>

// The WebDAV XML this program sends and reads (RFC 4918 multistatus, RFC 6352 CardDAV).
// Documents with a DOCTYPE are refused: no entity of the server's is ever expanded.

inline constexpr char16_t kDavNs[] = u"DAV:";
inline constexpr char16_t kCardDavNs[] = u"urn:ietf:params:xml:ns:carddav";

// One element directly inside a property (resourcetype's addressbook, supported-address-data's
// address-data-type with its attributes).
struct DavElement {
    QString ns;
    QString name;
    QXmlStreamAttributes attributes;
};

struct DavProperty {
    QString text;               // the character data of the property and its descendants
    QStringList hrefs;          // the DAV:href elements inside it
    QList<DavElement> children; // its direct child elements
};

struct DavResponse {
    QString href;                           // as the server wrote it
    int status = 0;                         // the response's own status; 0 when it has none
    QHash<QString, DavProperty> properties; // found ones only (propstat 200), by davKey()
    QHash<QString, int> missing;            // the others, with their propstat status

    const DavProperty* property(const char16_t* ns, const char16_t* name) const;
};

// "{namespace}name"
QString davKey(QStringView ns, QStringView name);

// The responses of a multistatus body; nullopt with error set when it is not one.
std::optional<QList<DavResponse>> parseMultistatus(const QByteArray& body, QString* error);

// The status code of a line such as "HTTP/1.1 404 Not Found"; 0 when there is none.
int davStatusCode(QStringView statusLine);

// The precondition a DAV:error body names ("no-uid-conflict", "max-resource-size"); empty when
// the body is not one.
QString davErrorCondition(const QByteArray& body);

// Request bodies. Every property is named by (namespace, name).
struct DavName {
    const char16_t* ns;
    const char16_t* name;
};
QByteArray propfindBody(std::initializer_list<DavName> properties);
// An addressbook-multiget of getetag and address-data for these hrefs (encoded paths).
QByteArray multigetBody(const QStringList& hrefs);

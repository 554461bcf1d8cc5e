#include "DavXml.h"

#include <QXmlStreamReader>

const DavProperty* DavResponse::property(const char16_t* ns, const char16_t* name) const {
    const auto it = properties.constFind(davKey(QStringView(ns), QStringView(name)));
    return it == properties.constEnd() ? nullptr : &it.value();
}

QString davKey(QStringView ns, QStringView name) {
    QString key;
    key.reserve(ns.size() + name.size() + 2);
    key += QLatin1Char('{');
    key += ns;
    key += QLatin1Char('}');
    key += name;
    return key;
}

int davStatusCode(QStringView statusLine) {
    const QList<QStringView> parts = statusLine.trimmed().split(u' ', Qt::SkipEmptyParts);
    if (parts.size() < 2) {
        return 0;
    }
    bool ok = false;
    const int code = parts.at(1).toInt(&ok);
    return ok && code >= 100 && code < 600 ? code : 0;
}

namespace {

bool isDav(const QXmlStreamReader& xml, QStringView name) {
    return xml.namespaceUri() == QStringView(kDavNs) && xml.name() == name;
}

// Reads one DAV:prop element (the reader on its start) into props; the reader ends on its end.
void readProp(QXmlStreamReader& xml, QHash<QString, DavProperty>& props) {
    while (xml.readNextStartElement()) {
        DavProperty& p = props[davKey(xml.namespaceUri(), xml.name())];
        p = DavProperty();
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            const QXmlStreamReader::TokenType t = xml.readNext();
            if (t == QXmlStreamReader::StartElement) {
                if (depth == 1) {
                    p.children.append(
                        {xml.namespaceUri().toString(), xml.name().toString(), xml.attributes()});
                }
                ++depth;
                if (isDav(xml, u"href")) {
                    const QString href =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    p.hrefs.append(href.trimmed());
                    p.text += href;
                    --depth;
                }
            } else if (t == QXmlStreamReader::EndElement) {
                --depth;
            } else if (t == QXmlStreamReader::Characters) {
                p.text += xml.text();
            }
        }
    }
}

void readResponse(QXmlStreamReader& xml, QList<DavResponse>& responses) {
    DavResponse r;
    while (xml.readNextStartElement()) {
        if (isDav(xml, u"href")) {
            r.href = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (isDav(xml, u"status")) {
            r.status = davStatusCode(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (isDav(xml, u"propstat")) {
            QHash<QString, DavProperty> props;
            int status = 0;
            while (xml.readNextStartElement()) {
                if (isDav(xml, u"prop")) {
                    readProp(xml, props);
                } else if (isDav(xml, u"status")) {
                    status =
                        davStatusCode(xml.readElementText(QXmlStreamReader::IncludeChildElements));
                } else {
                    xml.skipCurrentElement();
                }
            }
            for (auto it = props.cbegin(); it != props.cend(); ++it) {
                if (status >= 200 && status < 300) {
                    r.properties.insert(it.key(), it.value());
                } else {
                    r.missing.insert(it.key(), status);
                }
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    responses.append(std::move(r));
}

// A reader that refuses a DOCTYPE: its entities could expand without bound.
bool refuseDtd(QXmlStreamReader& xml) {
    if (xml.tokenType() == QXmlStreamReader::DTD) {
        xml.raiseError(QStringLiteral("document type declarations are not accepted"));
        return true;
    }
    return false;
}

bool readToRoot(QXmlStreamReader& xml) {
    while (!xml.atEnd()) {
        xml.readNext();
        if (refuseDtd(xml)) {
            return false;
        }
        if (xml.isStartElement()) {
            return true;
        }
    }
    return false;
}

QString xmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

std::optional<QList<DavResponse>> parseMultistatus(const QByteArray& body, QString* error) {
    QXmlStreamReader xml(body);
    QList<DavResponse> responses;
    const bool root = readToRoot(xml);
    if (root) {
        if (!isDav(xml, u"multistatus")) {
            xml.raiseError(QStringLiteral("the answer is not a multistatus"));
        } else {
            while (xml.readNextStartElement()) {
                if (isDav(xml, u"response")) {
                    readResponse(xml, responses);
                } else {
                    xml.skipCurrentElement();
                }
            }
        }
    }
    // Whatever follows the root must be well-formed too (and hold no DOCTYPE).
    while (!xml.hasError() && !xml.atEnd()) {
        xml.readNext();
        refuseDtd(xml);
    }
    if (xml.hasError() || !root) {
        if (error) {
            *error =
                xml.hasError()
                    ? QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString())
                    : QStringLiteral("empty answer");
        }
        return std::nullopt;
    }
    return responses;
}

QString davErrorCondition(const QByteArray& body) {
    QXmlStreamReader xml(body);
    if (!readToRoot(xml) || !isDav(xml, u"error")) {
        return {};
    }
    if (xml.readNextStartElement() && !xml.hasError()) {
        return xml.name().toString();
    }
    return {};
}

QByteArray propfindBody(std::initializer_list<DavName> properties) {
    QString body = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                  "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"%1\"><D:prop>")
                       .arg(QStringView(kCardDavNs));
    for (const DavName& p : properties) {
        body += QStringView(p.ns) == QStringView(kDavNs) ? QStringLiteral("<D:")
                                                         : QStringLiteral("<C:");
        body += QStringView(p.name);
        body += QStringLiteral("/>");
    }
    body += QStringLiteral("</D:prop></D:propfind>\n");
    return body.toUtf8();
}

QByteArray multigetBody(const QStringList& hrefs) {
    QString body = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                  "<C:addressbook-multiget xmlns:D=\"DAV:\" xmlns:C=\"%1\">"
                                  "<D:prop><D:getetag/><C:address-data/></D:prop>")
                       .arg(QStringView(kCardDavNs));
    for (const QString& href : hrefs) {
        body += QStringLiteral("<D:href>") + xmlEscaped(href) + QStringLiteral("</D:href>");
    }
    body += QStringLiteral("</C:addressbook-multiget>\n");
    return body.toUtf8();
}

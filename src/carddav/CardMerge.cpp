#include "CardMerge.h"

#include "ContactField.h"
#include "ContactValues.h"
#include "VCardWriter.h"

#include <QByteArray>

#include <algorithm>

namespace {

bool structured(const QString& name) {
    return name == u"N" || name == u"ADR" || name == u"ORG" || name == u"GENDER";
}

bool listValued(const QString& name) {
    return name == u"CATEGORIES" || name == u"NICKNAME";
}

// Parameters whose values are keywords, compared without regard to case.
bool keywordParameter(const QString& name) {
    return name == u"TYPE" || name == u"ENCODING" || name == u"VALUE" || name == u"CHARSET";
}

// The separators of the meaning text: characters no card line holds.
constexpr QChar kField(u'\x1f');
constexpr QChar kComponent(u'\x1e');
constexpr QChar kItem(u'\x1d');

QSet<QString> ownNames(const VCard& ours, const QSet<QString>& own) {
    QSet<QString> names = own;
    for (const VCardProperty& p : ours.properties) {
        names.insert(p.name);
    }
    names.insert(QStringLiteral("VERSION"));
    return names;
}

QStringList meanings(const VCard& card, const QSet<QString>& names) {
    QStringList out;
    for (const VCardProperty& p : card.properties) {
        if (names.contains(p.name)) {
            out.append(propertyMeaning(p));
        }
    }
    out.sort();
    return out;
}

} // namespace

QSet<QString> cardPropertyNames(const QStringList& fields, VCardVersion version) {
    ContactValues values;
    bool photo = false;
    for (const ContactFieldRow& f : kContactFields) {
        if (f.reachesCard() && fields.contains(QString::fromUtf16(f.name.data(), f.name.size()))) {
            values.*f.member = f.date ? QStringLiteral("1990-12-31") : QStringLiteral("x");
            photo = photo || f.member == &ContactValues::Photo;
        }
    }
    QSet<QString> names{QStringLiteral("VERSION"), QStringLiteral("UID"), QStringLiteral("N"),
                        QStringLiteral("FN")};
    if (photo) {
        names.insert(QStringLiteral("PHOTO"));
    }
    if (const std::optional<VCard> card = parseVCard(buildCard(values, version))) {
        for (const VCardProperty& p : card->properties) {
            names.insert(p.name);
        }
    }
    return names;
}

QString propertyMeaning(const VCardProperty& p) {
    QString out = p.name;
    out += kField;

    // Parameters: one entry per name, sorted; TYPE=A,B and TYPE=A;TYPE=B are the same.
    QStringList parameterNames;
    for (const VCardParameter& parameter : p.parameters) {
        if (!parameterNames.contains(parameter.name)) {
            parameterNames.append(parameter.name);
        }
    }
    parameterNames.sort();
    bool base64 = false;
    for (const QString& name : parameterNames) {
        QStringList values = p.parameterValues(name);
        if (keywordParameter(name)) {
            for (QString& v : values) {
                v = v.toUpper();
            }
            values.sort();
            values.removeDuplicates();
        }
        if (name == u"ENCODING") {
            base64 = values.contains(u"B") || values.contains(u"BASE64");
        }
        // Plain text is what a value is without the parameter.
        if (name == u"VALUE" && values == QStringList{QStringLiteral("TEXT")}) {
            continue;
        }
        out += name;
        out += QLatin1Char('=');
        out += values.join(kItem);
        out += QLatin1Char(';');
    }
    out += kField;

    if (base64) {
        QByteArray data = p.value.toLatin1();
        data.replace(' ', QByteArray()).replace('\t', QByteArray());
        out += QString::fromLatin1(QByteArray::fromBase64(data).toBase64());
        return out;
    }
    // 4.0 data: URIs carry base64 too; their text is compared as it is.
    QList<QStringView> components;
    if (structured(p.name)) {
        components = splitValue(p.value, u';');
        while (components.size() > 1 && components.last().isEmpty()) {
            components.removeLast();
        }
    } else {
        components.append(QStringView(p.value));
    }
    for (qsizetype i = 0; i < components.size(); ++i) {
        if (i > 0) {
            out += kComponent;
        }
        if (listValued(p.name) || structured(p.name)) {
            const QList<QStringView> items = splitValue(components.at(i), u',');
            for (qsizetype j = 0; j < items.size(); ++j) {
                if (j > 0) {
                    out += kItem;
                }
                out += unescapeText(items.at(j));
            }
        } else {
            out += unescapeText(components.at(i));
        }
    }
    return out;
}

bool sameMeaning(const VCard& ours, const VCard& servers, const QSet<QString>& own) {
    const QSet<QString> names = ownNames(ours, own);
    return meanings(ours, names) == meanings(servers, names);
}

QString mergeCards(const VCard& ours, const VCard& servers, const QSet<QString>& own) {
    const QSet<QString> names = ownNames(ours, own);
    // Groups tie a label to the property it labels: a replaced property takes its group along.
    QSet<QString> replacedGroups;
    for (const VCardProperty& p : servers.properties) {
        if (!p.group.isEmpty() && names.contains(p.name)) {
            replacedGroups.insert(p.group.toLower());
        }
    }
    QString out = QStringLiteral("BEGIN:VCARD\r\n");
    for (const VCardProperty& p : ours.properties) {
        out += p.line;
        out += QStringLiteral("\r\n");
    }
    for (const VCardProperty& p : servers.properties) {
        if (names.contains(p.name) ||
            (!p.group.isEmpty() && replacedGroups.contains(p.group.toLower()))) {
            continue;
        }
        out += p.line;
        out += QStringLiteral("\r\n");
    }
    out += QStringLiteral("END:VCARD\r\n");
    return out;
}

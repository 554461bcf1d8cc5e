#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// A reader for the cards servers send back: lines unfolded (CR LF, LF or CR line ends; a line
// starting with a space or tab continues the one before), each line split into group, name,
// parameters and value. Values are kept as written; unescapeText and splitValue take them
// apart.

struct VCardParameter {
    QString name;       // upper-cased; a bare 2.1 parameter ("TEL;WORK") is TYPE=WORK
    QStringList values; // quotes removed, lists split at commas outside quotes, 4.0 ^ decoded
};

struct VCardProperty {
    QString group; // "item1" of "item1.EMAIL", as written; empty when there is none
    QString name;  // upper-cased
    QList<VCardParameter> parameters;
    QString value; // as written, escapes kept
    QString line;  // the whole unfolded line, as written

    // The values of every parameter of that name (upper-case), in order.
    QStringList parameterValues(QStringView name) const;
};

struct VCard {
    // Every line between BEGIN:VCARD and END:VCARD, VERSION included, in order.
    QList<VCardProperty> properties;

    // The first property of that name (upper-case), or nullptr.
    const VCardProperty* find(QStringView name) const;
};

// The first card of text; nullopt when it holds no BEGIN:VCARD ... END:VCARD. Lines that are
// not properties (no colon, no name) are passed over.
std::optional<VCard> parseVCard(QStringView text);

// A text value with its escapes resolved: \n and \N a line feed, \\ \, \; and \: the
// character itself; a backslash before anything else is kept.
QString unescapeText(QStringView value);

// The value split at the separator where it is not escaped (";" between the components of N,
// ADR and ORG, "," between the items of a list); the parts keep their escapes.
QList<QStringView> splitValue(QStringView value, QChar separator);

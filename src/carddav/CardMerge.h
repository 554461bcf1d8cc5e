#pragma once

#include "VCardReader.h"
#include "VCardVersion.h"

#include <QSet>
#include <QString>
#include <QStringList>

// The card a server holds compared with the card the sheet makes, and the two merged. Only the
// properties this program writes count (its own); whatever else the server's card holds (a
// photo added on a phone, the server's PRODID, REV and X- properties) is the server's and is
// kept.

// The names of the properties the cards of a mapping can hold, whatever one row holds: the
// properties a card gets when every mapped field has a value. fields: ContactField names.
// VERSION, UID, N and FN are always among them.
QSet<QString> cardPropertyNames(const QStringList& fields, VCardVersion version);

// A property's meaning as comparable text: the name; the parameters by name, TYPE values as a
// set without regard to case, quoting and 4.0 ^ escapes resolved; the value unescaped and split
// into its components and lists (trailing empty components of N, ADR and ORG do not count),
// base64 data compared as bytes. The same for two properties that mean the same.
QString propertyMeaning(const VCardProperty& property);

// Whether the server's card says the same as ours on every property named in own (and on
// every property our card holds). Order, folding, line ends and case of names do not matter.
bool sameMeaning(const VCard& ours, const VCard& servers, const QSet<QString>& own);

// Our card's lines, then the server card's lines that are not ours: properties named in own
// (or held by our card) are replaced by ours; every other line of the server's card is kept as
// it was written, except lines in a group ("item1.X-ABLABEL") whose properties were replaced.
// CR LF line ends, the last one included.
QString mergeCards(const VCard& ours, const VCard& servers, const QSet<QString>& own);

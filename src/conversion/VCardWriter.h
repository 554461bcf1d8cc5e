#pragma once

#include "ContactPhoto.h"
#include "ContactValues.h"
#include "ImportTarget.h"
#include "VCardVersion.h"

#include <QString>
#include <QStringList>
#include <QUuid>

// The text of one card: lines joined by CR LF, the last line "END:VCARD" without a line end.
// Values are encoded for the version: 2.1 escapes \ ; , and writes a value holding a line
// break as quoted-printable; 3.0 and 4.0 use TYPE= lists and escape \ , ; and line breaks.
// A pure function.
//
// Some lines take their shape from which fields the mapping feeds rather than from what one
// row holds, so that every card of a run has the same shape:
struct CardLayout {
    // Title or Suffix is mapped: N has five components (it always has in 4.0).
    bool nameAffixes = false;
    // A part (street, city, state, postal code, country) of the work or home address is
    // mapped: the whole-address text is the address's label. Otherwise that text is the
    // address's street, so that every address book shows it.
    bool businessAddressParts = false;
    bool homeAddressParts = false;
};

// The layout a card's own values suggest: a field counts as mapped when it holds text.
CardLayout cardLayoutOf(const ContactValues& values);

// The photo comes read (readPhoto in ContactPhoto.h): Photo's text alone writes nothing.
// rules: a target's encoding rules on top (see CardRules; 2.1 only). uid: the card's UID line
// (see ContactUid.h); none for a null UUID.
QString buildCard(const ContactValues& values, VCardVersion version, const CardLayout& layout,
                  const PhotoValue& photo, const CardRules& rules = {}, const QUuid& uid = {});
inline QString buildCard(const ContactValues& values, VCardVersion version,
                         const CardLayout& layout) {
    return buildCard(values, version, layout, PhotoValue());
}
inline QString buildCard(const ContactValues& values, VCardVersion version) {
    return buildCard(values, version, cardLayoutOf(values));
}
inline QString buildCard(const ContactValues& values, VCardVersion version,
                         const CardRules& rules) {
    return buildCard(values, version, cardLayoutOf(values), PhotoValue(), rules);
}

// The addresses of an e-mail cell: the text split at ";", "," and white space. Empty when it
// holds nothing but those.
QStringList emailAddresses(const QString& cell);
// The category names of a cell: split at "," and ";", spaces around each name dropped.
QStringList categoryNames(const QString& cell);

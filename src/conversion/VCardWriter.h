#pragma once

#include "ContactValues.h"
#include "ImportTarget.h"
#include "VCardVersion.h"

#include <QString>

// The text of one card: lines joined by CR LF, the last line "END:VCARD" without a line end.
// Values are encoded for the version: 2.1 escapes \ ; , and writes a value holding a line
// break as quoted-printable; 3.0 and 4.0 use TYPE= lists and escape \ , ; and line breaks.
// A pure function.
QString buildCard(const ContactValues& values, VCardVersion version);

// The same card with a target's encoding rules on top (see CardRules; 2.1 only).
QString buildCard(const ContactValues& values, VCardVersion version, const CardRules& rules);

#pragma once

#include "VCardVersion.h"

#include <QString>
#include <QStringView>

#include <optional>

// The program a user imports the cards into. Each target fixes what that program's import
// needs; generic writes the cards as the program always has.
enum class ImportTarget { Generic, Outlook, Apple, Google, Android };

// How a target wants the values of a card encoded (the writer's CardBuilder::add applies them;
// both are for version 2.1 only: 3.0 and 4.0 are UTF-8 by definition).
struct CardRules {
    // CHARSET=UTF-8 on every property whose value is not plain ASCII.
    bool charsetOnNonAscii = false;
    // A value that is not plain ASCII written as CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE.
    bool quotedPrintableNonAscii = false;
};

struct ImportTargetRules {
    ImportTarget target;
    const char16_t* option; // the --target word
    const char16_t* title;  // as the end report names it
    // The one version the target takes; none: the user's choice.
    std::optional<VCardVersion> fixedVersion;
    // A version the target cannot read; none: it reads all three.
    std::optional<VCardVersion> refusedVersion;
    bool singleFileAllowed;
    // The most cards one file may hold; 0: no limit.
    qint32 cardsPerFile;
    // The size a card must stay under, in bytes of UTF-8; 0: no limit.
    qint64 cardBytesBelow;
    CardRules card;
};

const ImportTargetRules& importTargetRules(ImportTarget target);
// The target a --target word names (exact, lower case); none for other text.
std::optional<ImportTarget> importTargetFromText(QStringView text);
// "generic|outlook|apple|google|android"
QString importTargetChoices();
// The version a card for the target is written in when the user asked for requested: the
// fixed one, or the requested one when the target reads it, else 3.0.
VCardVersion versionForTarget(ImportTarget target, VCardVersion requested);
// Whether cards for the target may be sent to an address book on a server: the generic, Apple
// and Google targets are address books that sync; Outlook and Android import files.
bool targetSendsToServer(ImportTarget target);
// Whether the target takes cards in the version: the window offers only those.
bool versionAllowed(ImportTarget target, VCardVersion version);

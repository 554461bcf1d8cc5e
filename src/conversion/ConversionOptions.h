#pragma once

#include "DateText.h"
#include "ImportTarget.h"
#include "PhoneFormat.h"
#include "VCardVersion.h"

#include <QString>

// Where the run's cards go: files in a new folder (as always), or an address book on a server.
enum class CardDestination { Folder, Server };

// Every choice a conversion is made with, taken once when it starts (the window reads its
// step-3 controls into one when Convert is pressed and whenever the card preview is drawn; the
// command line builds one from its options). A run never asks again, so a control changed
// while it works cannot mix two versions in one file.
struct ConversionOptions {
    VCardVersion vCardVersion = kDefaultVCardVersion;
    bool singleFile = false;
    bool allowEmptyEmail = false;
    PhoneFormatOptions phoneFormat;
    ImportTarget importTarget = ImportTarget::Generic;
    // How dates written as numbers are read.
    DateOrder dateOrder = DateOrder::DMY;
    // The folder the run makes its stamped folder in, as typed (spaces around it are ignored).
    QString saveLocation;
    CardDestination destination = CardDestination::Folder;
    // Server only. The column (0-based) whose text finds a contact again on the server; -1: the
    // first e-mail address, else the name and company.
    qint32 uidColumn = -1;
    // Server only: contacts the address book holds already are left as they are.
    bool onlyNew = false;

    friend bool operator==(const ConversionOptions&, const ConversionOptions&) = default;
};

// The options as the import target leaves them: its fixed version (or the nearest one it
// reads), and one file per contact where it takes only one card a file. For a server: never
// 2.1 (servers take 3.0; 4.0 is kept for the server to confirm when the run starts) and no
// single file. The run and the card preview both write with these.
ConversionOptions withTargetRules(ConversionOptions options);

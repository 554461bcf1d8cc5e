#pragma once

#include "DateText.h"
#include "ImportTarget.h"
#include "PhoneFormat.h"
#include "VCardVersion.h"

#include <QString>

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

    friend bool operator==(const ConversionOptions&, const ConversionOptions&) = default;
};

// The options as the import target leaves them: its fixed version (or the nearest one it
// reads), and one file per contact where it takes only one card a file. The run and the
// card preview both write with these.
ConversionOptions withTargetRules(ConversionOptions options);

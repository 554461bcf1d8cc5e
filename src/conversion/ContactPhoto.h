#pragma once

#include "VCardVersion.h"

#include <QByteArray>
#include <QString>

// A contact's photo: a picture file decoded, scaled and re-encoded as JPEG to embed in the card,
// or a web address written as a reference. Images are decoded with Qt Gui's QImage only.

inline constexpr qsizetype kPhotoMaxBytes = 224 * 1024;
inline constexpr int kPhotoMaxSide = 1024;

struct PhotoValue {
    enum class Kind { None, Embedded, Uri };
    Kind kind = Kind::None;
    QByteArray jpeg; // Embedded: the JPEG bytes as written
    QString uri;     // Uri: the address as in the cell (trimmed)
    // None with a reason: what could not be read, in the current language (empty when the cell
    // was empty).
    QString problem;
};

// Reads the photo a cell names. cellText: the cell's text; baseFolder: the spreadsheet's folder,
// against which relative paths resolve. Never throws; never downloads.
PhotoValue readPhoto(const QString& cellText, const QString& baseFolder,
                     qsizetype maxBytes = kPhotoMaxBytes);

// Appends "\r\n" and the PHOTO property (folded as the version prescribes) to card;
// appends nothing for Kind::None.
void appendPhotoProperty(QString& card, const PhotoValue& photo, VCardVersion version);

#pragma once

#include "Status.h"

#include <QDateTime>
#include <QString>

struct ContactValues;

inline constexpr int kMaxFileNameBytes = 255;

// base + "/" + outputFolderPrefix() (ProductInfo.h, "Brinmark_Excel_vCard_") +
// day_month_year_hour_minute_second, no leading zeros.
QString stampedFolderPath(const QString& base, const QDateTime& now);

// Creates a new folder for one run: the stamped path, or the stamped path with "_2", "_3", ...
// when that exists already, so no run writes into another's folder. On failure the message
// names the folder and the reason.
struct FolderResult {
    Status status = Status::success();
    QString path;
};
FolderResult createStampedFolder(const QString& base, const QDateTime& now);

// The contact's name for its file: last, first and middle name joined, ";" removed, then
// cleaned by strClean; control characters become spaces.
QString makeNameKey(const ContactValues& values);

// A file name that FAT, exFAT, NTFS and APFS all accept, made from name: each of
// \ / : * ? " < > | and each control character becomes a space; dots and spaces at the end
// are dropped; a name Windows keeps for a device (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9,
// in any case, also with an extension or with spaces before the dot) gets "_" after it;
// the part before the extension is cut on a character boundary to 255 bytes of UTF-8
// (which is also at most 255 UTF-16 units). A valid name comes back as it is; nothing
// comes back as "_".
QString portableFileName(const QString& name);

// Where a card goes: "All Contacts.vcf" in single-file mode, else nameKey_number.vcf or
// number.vcf, as portableFileName leaves them. The name key is shortened on a character
// boundary so that the file name stays within 255 bytes of UTF-8.
QString cardFilePath(const QString& outputFolder, bool singleFile, const QString& nameKey,
                     qint32 contactsAdded);

// The one file for all, or its continuation when a target limits the cards a file holds:
// part 1 is "All Contacts.vcf", part 2 "All Contacts 2.vcf", and so on.
QString singleCardFilePath(const QString& outputFolder, qint32 part);

// The save location offered when the user has chosen none: the Documents folder, or the
// home folder when there is no Documents folder.
QString defaultSaveLocation();

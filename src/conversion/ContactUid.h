#pragma once

#include "ContactValues.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QUuid>

#include <optional>

// What a contact's key was made of.
enum class ContactKeySource {
    Column,         // the text of the column the user chose to match contacts by
    Email,          // the first mapped e-mail address, lower-cased
    NameAndCompany, // the card's full name and company, joined by a line feed
    RowNumber,      // nothing else gave a key: the sheet's row number (the report says so)
};

struct ContactKey {
    QString text; // empty when nothing gave a key
    ContactKeySource source = ContactKeySource::RowNumber;
};

// The key that finds a contact again in the next run. columnText: the chosen column's cell
// (nullopt when no column is chosen; then the e-mail addresses, else name and company). Spaces
// around the texts do not count; an empty result has source RowNumber and empty text.
ContactKey contactKey(const ContactValues& values, const std::optional<QString>& columnText);

// The key of a row that has no other key.
QString rowNumberKey(qint32 row);

// The name-based UUID (version 5) of a key under this program's own namespace.
QUuid contactUid(const QString& key);

// How a UID is written on the card: "urn:uuid:..." in 4.0, the bare UUID otherwise.
QString uidPropertyValue(const QUuid& uid, bool v40);

// Hands out the UIDs of one run. The second row with a key already used gets the key followed
// by "#2", the third "#3": occurrences count, not row numbers, so inserting or sorting other
// rows changes no UID.
class ContactUids {
public:
    struct Assigned {
        QUuid uid;
        QString key; // the key the UID is made of, its "#n" included
        ContactKeySource source = ContactKeySource::RowNumber;
        qint32 occurrence = 1; // 2 and more: an earlier row of this run had the same key
    };

    Assigned assign(qint32 row, const ContactValues& values,
                    const std::optional<QString>& columnText = std::nullopt);

private:
    QHash<QString, qint32> m_occurrences;
    QSet<QString> m_used;
};

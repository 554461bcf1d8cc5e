#pragma once

// Reads back the cards the program writes, independently of the writer: the line
// structure, quoted-printable, escapes and components. Shared by the round-trip test and
// the writer's fuzz target.

#include "ContactValues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace carddecoder {

// Every line break as the given text, so values can be compared whatever break they held.
inline QString normalizeBreaks(const QString& s, const QString& lineBreak) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == u'\r') {
            out += lineBreak;
            if (i + 1 < s.size() && s.at(i + 1) == u'\n') {
                ++i;
            }
        } else if (s.at(i) == u'\n') {
            out += lineBreak;
        } else {
            out += s.at(i);
        }
    }
    return out;
}

inline bool decodeQuotedPrintable(const QString& in, QString& out) {
    QByteArray bytes;
    const QByteArray ascii = in.toUtf8();
    for (qsizetype i = 0; i < ascii.size(); ++i) {
        const char c = ascii.at(i);
        if (c == '=') {
            if (i + 2 >= ascii.size()) {
                return false;
            }
            bool ok = false;
            const int v = ascii.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok) {
                return false;
            }
            bytes.append(char(v));
            i += 2;
        } else if (static_cast<unsigned char>(c) >= 0x80 || c < 0x20) {
            return false; // a quoted-printable line is plain ASCII
        } else {
            bytes.append(c);
        }
    }
    out = QString::fromUtf8(bytes);
    return true;
}

// Splits at unescaped ";" and removes the escapes (\n is a line feed in the typed versions).
inline QStringList components(const QString& value, bool typed) {
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            if (typed && (next == u'n' || next == u'N')) {
                parts.last() += u'\n';
            } else {
                parts.last() += next;
            }
        } else if (c == u';') {
            parts.append(QString());
        } else {
            parts.last() += c;
        }
    }
    return parts;
}

// Every member of a contact's values, in card order.
inline const QList<QString ContactValues::*>& allMembers() {
    static const QList<QString ContactValues::*> members = {
        &ContactValues::FullName,
        &ContactValues::LastName,
        &ContactValues::FirstName,
        &ContactValues::MiddleName,
        &ContactValues::Company,
        &ContactValues::Department,
        &ContactValues::JobTitle,
        &ContactValues::BusinessTelephoneNumber,
        &ContactValues::HomeTelephoneNumber,
        &ContactValues::MobileNumber,
        &ContactValues::BusinessFaxNumber,
        &ContactValues::BusinessAddressStreet,
        &ContactValues::BusinessAddressCity,
        &ContactValues::BusinessAddressState,
        &ContactValues::BusinessAddressPostalCode,
        &ContactValues::BusinessAddressCountry,
        &ContactValues::HomeAddressStreet,
        &ContactValues::HomeAddressCity,
        &ContactValues::HomeAddressState,
        &ContactValues::HomeAddressPostalCode,
        &ContactValues::HomeAddressCountry,
        &ContactValues::BusinessHomePage,
        &ContactValues::EmailAddress,
        &ContactValues::EmailAddress2,
        &ContactValues::EmailAddress3,
        &ContactValues::Notes};
    return members;
}

struct Decoded {
    bool ok = false;
    QString error;
    QString version;
    ContactValues values;
    QString fn;
    bool hasN = false;
};

inline Decoded decodeCard(const QString& card) {
    Decoded d;
    auto fail = [&d](const QString& why) {
        d.ok = false;
        d.error = why;
        return d;
    };
    const QStringList lines = card.split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            return fail(QStringLiteral("a raw line break inside a line"));
        }
    }
    if (lines.size() < 4 || lines.first() != u"BEGIN:VCARD" || lines.last() != u"END:VCARD" ||
        !lines.at(1).startsWith(u"VERSION:")) {
        return fail(QStringLiteral("not framed by BEGIN, VERSION and END"));
    }
    d.version = lines.at(1).mid(8);
    const bool typed = d.version != u"2.1";
    int plainEmails = 0;
    for (qsizetype i = 2; i + 1 < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0) {
            return fail(QStringLiteral("a line without a property name: ") + line);
        }
        const QString head = line.left(colon);
        QString value = line.mid(colon + 1);
        QStringList params = head.split(u';');
        const QString name = params.takeFirst();
        if (params.removeAll(QStringLiteral("ENCODING=QUOTED-PRINTABLE")) > 0) {
            if (typed) {
                return fail(QStringLiteral("quoted-printable in a typed version"));
            }
            QString decoded;
            if (!decodeQuotedPrintable(value, decoded)) {
                return fail(QStringLiteral("bad quoted-printable: ") + value);
            }
            value = decoded;
        }
        const QStringList parts = components(value, typed);
        const QString types = params.join(u';');
        ContactValues& v = d.values;
        auto single = [&](QString& member) {
            if (parts.size() != 1) {
                return false;
            }
            member = parts.first();
            return true;
        };
        bool fine = true;
        if (name == u"N") {
            fine = parts.size() == 3;
            if (fine) {
                v.LastName = parts.at(0);
                v.FirstName = parts.at(1);
                v.MiddleName = parts.at(2);
                d.hasN = true;
            }
        } else if (name == u"FN") {
            fine = single(d.fn);
        } else if (name == u"ORG") {
            fine = parts.size() == 2;
            if (fine) {
                v.Company = parts.at(0);
                v.Department = parts.at(1);
            }
        } else if (name == u"TITLE") {
            fine = single(v.JobTitle);
        } else if (name == u"URL") {
            fine = single(v.BusinessHomePage);
        } else if (name == u"NOTE") {
            fine = single(v.Notes);
        } else if (name == u"TEL") {
            QString* member = nullptr;
            if (types.contains(u"FAX")) {
                member = &v.BusinessFaxNumber;
            } else if (types.contains(u"CELL")) {
                member = &v.MobileNumber;
            } else if (types.contains(u"HOME")) {
                member = &v.HomeTelephoneNumber;
            } else if (types.contains(u"WORK")) {
                member = &v.BusinessTelephoneNumber;
            }
            fine = member && single(*member);
        } else if (name == u"ADR") {
            fine = parts.size() == 7 && parts.at(0).isEmpty() && parts.at(1).isEmpty();
            if (fine) {
                const bool home = types.contains(u"HOME");
                QString* m[5] = {&v.BusinessAddressStreet, &v.BusinessAddressCity,
                                 &v.BusinessAddressState, &v.BusinessAddressPostalCode,
                                 &v.BusinessAddressCountry};
                QString* h[5] = {&v.HomeAddressStreet, &v.HomeAddressCity, &v.HomeAddressState,
                                 &v.HomeAddressPostalCode, &v.HomeAddressCountry};
                for (int k = 0; k < 5; ++k) {
                    *(home ? h : m)[k] = parts.at(k + 2);
                }
            }
        } else if (name == u"EMAIL") {
            if (types.contains(u"PREF")) {
                fine = single(v.EmailAddress);
            } else {
                fine = single(++plainEmails == 1 ? v.EmailAddress2 : v.EmailAddress3);
            }
        } else {
            return fail(QStringLiteral("unknown property ") + name);
        }
        if (!fine) {
            return fail(QStringLiteral("wrong components on ") + line);
        }
    }
    d.ok = true;
    return d;
}

} // namespace carddecoder

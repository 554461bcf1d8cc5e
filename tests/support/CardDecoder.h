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
        &ContactValues::Notes,
        &ContactValues::Title,
        &ContactValues::Suffix,
        &ContactValues::HomeFaxNumber,
        &ContactValues::Nickname,
        &ContactValues::OtherTelephoneNumber,
        &ContactValues::PagerNumber,
        &ContactValues::PersonalHomePage};
    return members;
}

inline bool isEmailMember(QString ContactValues::*m) {
    return m == &ContactValues::EmailAddress || m == &ContactValues::EmailAddress2 ||
           m == &ContactValues::EmailAddress3;
}

// The EMAIL lines a contact's e-mail cells should give, in order: each cell split at ";",
// "," and white space, or the whole cell when it holds nothing else.
inline QStringList expectedEmails(const ContactValues& v) {
    QStringList all;
    for (const QString* cell : {&v.EmailAddress, &v.EmailAddress2, &v.EmailAddress3}) {
        if (cell->isEmpty()) {
            continue;
        }
        QStringList parts;
        QString current;
        for (const QChar c : *cell) {
            if (c == u';' || c == u',' || c.isSpace()) {
                if (!current.isEmpty()) {
                    parts.append(current);
                }
                current.clear();
            } else {
                current += c;
            }
        }
        if (!current.isEmpty()) {
            parts.append(current);
        }
        all += parts.isEmpty() ? QStringList{*cell} : parts;
    }
    return all;
}

// Splits at the first character c outside double quotes; -1 when there is none.
inline qsizetype indexOutsideQuotes(const QString& s, QChar c, qsizetype from = 0) {
    bool quoted = false;
    for (qsizetype i = from; i < s.size(); ++i) {
        if (s.at(i) == u'"') {
            quoted = !quoted;
        } else if (!quoted && s.at(i) == c) {
            return i;
        }
    }
    return -1;
}

struct Decoded {
    bool ok = false;
    QString error;
    QString version;
    ContactValues values;
    QString fn;
    bool hasN = false;
    int nComponents = 0;
    QStringList emails;      // every EMAIL value in order
    int preferredEmail = -1; // the index of the one marked PREF
    QString workLabel;       // LABEL lines or 4.0 LABEL parameters
    QString homeLabel;
    QString birthday; // BDAY's parameters and value, "BDAY;...:value" as written
    QString anniversary;
    QString categories; // the raw value
};

// A 4.0 parameter value: quotes removed, ^n ^' ^^ decoded.
inline QString caretDecoded(const QString& quoted) {
    QString v = quoted;
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"')) {
        v = v.mid(1, v.size() - 2);
    }
    QString out;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v.at(i) == u'^' && i + 1 < v.size()) {
            const QChar n = v.at(++i);
            out += n == u'n' ? QChar(u'\n') : n == u'\'' ? QChar(u'"') : n;
        } else {
            out += v.at(i);
        }
    }
    return out;
}

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
    for (qsizetype i = 2; i + 1 < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const qsizetype colon = indexOutsideQuotes(line, u':');
        if (colon <= 0) {
            return fail(QStringLiteral("a line without a property name: ") + line);
        }
        const QString head = line.left(colon);
        QString value = line.mid(colon + 1);
        QStringList params;
        for (qsizetype from = 0;;) {
            const qsizetype semi = indexOutsideQuotes(head, u';', from);
            params.append(head.mid(from, semi < 0 ? -1 : semi - from));
            if (semi < 0) {
                break;
            }
            from = semi + 1;
        }
        const QString name = params.takeFirst();
        QString labelParameter;
        for (qsizetype k = params.size() - 1; k >= 0; --k) {
            if (params.at(k).startsWith(u"LABEL=")) {
                labelParameter = caretDecoded(params.at(k).mid(6));
                params.removeAt(k);
            }
        }
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
            fine = parts.size() == 3 || parts.size() == 5;
            if (fine) {
                v.LastName = parts.at(0);
                v.FirstName = parts.at(1);
                v.MiddleName = parts.at(2);
                v.Title = parts.value(3);
                v.Suffix = parts.value(4);
                d.hasN = true;
                d.nComponents = int(parts.size());
            }
        } else if (name == u"NICKNAME") {
            fine = single(v.Nickname);
        } else if (name == u"LABEL") {
            fine = single(types.contains(u"HOME") ? d.homeLabel : d.workLabel);
        } else if (name == u"BDAY") {
            d.birthday = head + u':' + value;
        } else if (name == u"ANNIVERSARY" || name == u"X-EVOLUTION-ANNIVERSARY") {
            d.anniversary = head + u':' + value;
        } else if (name == u"CATEGORIES") {
            d.categories = value;
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
            fine = single(types.contains(u"HOME") ? v.PersonalHomePage : v.BusinessHomePage);
        } else if (name == u"NOTE") {
            fine = single(v.Notes);
        } else if (name == u"TEL") {
            QString* member = nullptr;
            if (types.contains(u"FAX")) {
                member = types.contains(u"HOME") ? &v.HomeFaxNumber : &v.BusinessFaxNumber;
            } else if (types.contains(u"CELL")) {
                member = &v.MobileNumber;
            } else if (types.contains(u"PAGER")) {
                member = &v.PagerNumber;
            } else if (types.contains(u"HOME")) {
                member = &v.HomeTelephoneNumber;
            } else if (types.contains(u"WORK")) {
                member = &v.BusinessTelephoneNumber;
            } else if (types.contains(u"VOICE")) {
                member = &v.OtherTelephoneNumber;
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
                (home ? d.homeLabel : d.workLabel) = labelParameter;
            }
        } else if (name == u"EMAIL") {
            QString address;
            fine = single(address);
            if (types.contains(u"PREF")) {
                fine = fine && d.preferredEmail < 0;
                d.preferredEmail = int(d.emails.size());
            }
            d.emails.append(address);
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

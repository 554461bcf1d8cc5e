#include "VCardWriter.h"

#include <algorithm>
#include <initializer_list>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The name and parameters of one property in each form it is written in.
struct Property {
    const char16_t* bare;         // 2.1, plain value: the bare parameters ("TEL;WORK;VOICE")
    const char16_t* quoted;       // 2.1, quoted-printable value: TYPE= parameters
    const char16_t* typed;        // 3.0 and 4.0
    const char16_t* typed40Extra; // appended to typed for 4.0 only (may be empty)
};

const Property kN{u"N", u"N", u"N", u""};
const Property kFN{u"FN", u"FN", u"FN", u""};
const Property kORG{u"ORG", u"ORG", u"ORG", u""};
const Property kTITLE{u"TITLE", u"TITLE", u"TITLE", u""};
const Property kTelWork{u"TEL;WORK;VOICE", u"TEL;TYPE=WORK;TYPE=VOICE", u"TEL;TYPE=WORK,VOICE",
                        u""};
const Property kTelHome{u"TEL;HOME;VOICE", u"TEL;TYPE=HOME;TYPE=VOICE", u"TEL;TYPE=HOME,VOICE",
                        u""};
const Property kTelCell{u"TEL;CELL;VOICE", u"TEL;TYPE=CELL;TYPE=VOICE", u"TEL;TYPE=CELL,VOICE",
                        u""};
// Fax first in the typed forms, so readers that keep only the first type keep a fax.
const Property kTelFax{u"TEL;WORK;FAX", u"TEL;TYPE=FAX;TYPE=WORK", u"TEL;TYPE=FAX,WORK", u""};
const Property kAdrWork{u"ADR;WORK", u"ADR;TYPE=WORK", u"ADR;TYPE=WORK", u""};
const Property kAdrHome{u"ADR;HOME", u"ADR;TYPE=HOME", u"ADR;TYPE=HOME", u""};
const Property kURL{u"URL", u"URL", u"URL", u""};
const Property kEmailPref{u"EMAIL;PREF;INTERNET", u"EMAIL;TYPE=INTERNET;TYPE=PREF",
                          u"EMAIL;TYPE=INTERNET,PREF", u";PREF=1"};
const Property kEmail{u"EMAIL;INTERNET", u"EMAIL;TYPE=INTERNET", u"EMAIL;TYPE=INTERNET", u""};
const Property kNOTE{u"NOTE", u"NOTE", u"NOTE", u""};

bool hasLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

bool isPlainAscii(const QString& s) {
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Backslash, semicolon and comma escaped; in the typed versions line breaks become \n.
// Runs of plain characters go out in one append.
void appendEscaped(QString& out, const QString& value, bool typed) {
    const qsizetype n = value.size();
    const QChar* d = value.constData();
    qsizetype plain = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c != u'\\' && c != u';' && c != u',' && c != u'\r' && c != u'\n') {
            continue;
        }
        out.append(d + plain, i - plain);
        switch (c) {
        case u'\\':
        case u';':
        case u',':
            out += QLatin1Char('\\');
            out += QChar(c);
            break;
        case u'\r':
            if (typed) {
                out += QStringLiteral("\\n");
                if (i + 1 < n && d[i + 1] == u'\n') {
                    ++i;
                }
            } else {
                out += QChar(c);
            }
            break;
        default: // \n
            out += typed ? QStringLiteral("\\n") : QString(QChar(c));
        }
        plain = i + 1;
    }
    out.append(d + plain, n - plain);
}

// Quoted-printable of the UTF-8 bytes: every line break (CR LF, LF or CR) as =0D=0A, "="
// and every byte outside printable ASCII as =XX, a space or tab at the very end as well.
void appendQuotedPrintable(QString& out, const QString& escaped) {
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = escaped.toUtf8();
    const qsizetype n = bytes.size();
    auto encodeByte = [&out](unsigned char b) {
        out += QLatin1Char('=');
        out += QLatin1Char(hex[b >> 4]);
        out += QLatin1Char(hex[b & 15]);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b == '\r' || b == '\n') {
            out += QStringLiteral("=0D=0A");
            if (b == '\r' && i + 1 < n && bytes.at(i + 1) == '\n') {
                ++i;
            }
        } else if (b == '=' || b < 0x20 || b >= 0x7F || ((b == ' ' || b == '\t') && i + 1 == n)) {
            encodeByte(b);
        } else {
            out += QLatin1Char(char(b));
        }
    }
}

class CardBuilder {
public:
    explicit CardBuilder(VCardVersion version, const CardRules& rules = {})
        : m_typed(version != VCardVersion::V21), m_v40(version == VCardVersion::V40),
          m_rules(rules) {
        m_card.reserve(512);
        m_card += QStringLiteral("BEGIN:VCARD\r\nVERSION:");
        m_card += vCardVersionText(version);
    }

    // One property line; its value is the components joined by ";".
    void add(const Property& p, std::initializer_list<const QString*> components) {
        bool quoted = false;
        bool charset = false;
        if (!m_typed) {
            // Only a target's rules ask whether the value is plain ASCII.
            const bool askAscii = m_rules.charsetOnNonAscii || m_rules.quotedPrintableNonAscii;
            bool ascii = true;
            for (const QString* c : components) {
                quoted = quoted || hasLineBreak(*c);
                ascii = ascii && (!askAscii || isPlainAscii(*c));
            }
            quoted = quoted || (!ascii && m_rules.quotedPrintableNonAscii);
            charset = !ascii;
        }
        m_card += kCrLf;
        if (m_typed) {
            m_card += QStringView(p.typed);
            if (m_v40) {
                m_card += QStringView(p.typed40Extra);
            }
        } else if (quoted) {
            m_card += QStringView(p.quoted);
            if (charset) {
                m_card += QStringLiteral(";CHARSET=UTF-8");
            }
            m_card += QStringLiteral(";ENCODING=QUOTED-PRINTABLE");
        } else {
            m_card += QStringView(p.bare);
            if (charset) {
                m_card += QStringLiteral(";CHARSET=UTF-8");
            }
        }
        m_card += QLatin1Char(':');
        // Plain values are escaped straight into the card; quoted ones are encoded whole.
        QString value;
        QString& target = quoted ? value : m_card;
        bool first = true;
        for (const QString* c : components) {
            if (!first) {
                target += QLatin1Char(';');
            }
            first = false;
            appendEscaped(target, *c, m_typed);
        }
        if (quoted) {
            appendQuotedPrintable(m_card, value);
        }
    }

    QString finish() {
        m_card += QStringLiteral("\r\nEND:VCARD");
        return std::move(m_card);
    }

private:
    bool m_typed;
    bool m_v40;
    CardRules m_rules;
    QString m_card;
};

} // namespace

QString buildCard(const ContactValues& v, VCardVersion version) {
    return buildCard(v, version, CardRules{});
}

QString buildCard(const ContactValues& v, VCardVersion version, const CardRules& rules) {
    static const QString none;
    CardBuilder card(version, rules);
    const bool anyName = !v.LastName.isEmpty() || !v.FirstName.isEmpty() || !v.MiddleName.isEmpty();
    if (anyName) {
        card.add(kN, {&v.LastName, &v.FirstName, &v.MiddleName});
    }
    if (!v.FullName.isEmpty()) {
        card.add(kFN, {&v.FullName});
    } else if (anyName) {
        const QString joined = v.FirstName + QLatin1Char(' ') + v.LastName;
        card.add(kFN, {&joined});
    } else {
        card.add(kFN, {&none});
    }
    if (!v.Company.isEmpty()) {
        card.add(kORG, {&v.Company, &v.Department});
    }
    if (!v.JobTitle.isEmpty()) {
        card.add(kTITLE, {&v.JobTitle});
    }
    const std::initializer_list<std::pair<const Property*, const QString*>> phones = {
        {&kTelWork, &v.BusinessTelephoneNumber},
        {&kTelHome, &v.HomeTelephoneNumber},
        {&kTelCell, &v.MobileNumber},
        {&kTelFax, &v.BusinessFaxNumber},
    };
    for (const auto& [property, value] : phones) {
        if (!value->isEmpty()) {
            card.add(*property, {value});
        }
    }
    if (!v.BusinessAddressStreet.isEmpty() || !v.BusinessAddressCity.isEmpty() ||
        !v.BusinessAddressState.isEmpty() || !v.BusinessAddressPostalCode.isEmpty() ||
        !v.BusinessAddressCountry.isEmpty()) {
        card.add(kAdrWork, {&none, &none, &v.BusinessAddressStreet, &v.BusinessAddressCity,
                            &v.BusinessAddressState, &v.BusinessAddressPostalCode,
                            &v.BusinessAddressCountry});
    }
    if (!v.HomeAddressStreet.isEmpty() || !v.HomeAddressCity.isEmpty() ||
        !v.HomeAddressState.isEmpty() || !v.HomeAddressPostalCode.isEmpty() ||
        !v.HomeAddressCountry.isEmpty()) {
        card.add(kAdrHome, {&none, &none, &v.HomeAddressStreet, &v.HomeAddressCity,
                            &v.HomeAddressState, &v.HomeAddressPostalCode, &v.HomeAddressCountry});
    }
    if (!v.BusinessHomePage.isEmpty()) {
        card.add(kURL, {&v.BusinessHomePage});
    }
    if (!v.EmailAddress.isEmpty()) {
        card.add(kEmailPref, {&v.EmailAddress});
    }
    if (!v.EmailAddress2.isEmpty()) {
        card.add(kEmail, {&v.EmailAddress2});
    }
    if (!v.EmailAddress3.isEmpty()) {
        card.add(kEmail, {&v.EmailAddress3});
    }
    if (!v.Notes.isEmpty()) {
        card.add(kNOTE, {&v.Notes});
    }
    return card.finish();
}

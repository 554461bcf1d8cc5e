#include "VCardWriter.h"

#include "ContactUid.h"
#include "DateText.h"

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
const Property kTelHomeFax{u"TEL;HOME;FAX", u"TEL;TYPE=FAX;TYPE=HOME", u"TEL;TYPE=FAX,HOME", u""};
const Property kTelOther{u"TEL;VOICE", u"TEL;TYPE=VOICE", u"TEL;TYPE=VOICE", u""};
const Property kTelPager{u"TEL;PAGER", u"TEL;TYPE=PAGER", u"TEL;TYPE=PAGER", u""};
const Property kLabelWork{u"LABEL;WORK", u"LABEL;TYPE=WORK", u"LABEL;TYPE=WORK", u""};
const Property kLabelHome{u"LABEL;HOME", u"LABEL;TYPE=HOME", u"LABEL;TYPE=HOME", u""};
const Property kUrlHome{u"URL;HOME", u"URL;TYPE=HOME", u"URL;TYPE=HOME", u""};
const Property kNICKNAME{u"NICKNAME", u"NICKNAME", u"NICKNAME", u""};
const Property kCATEGORIES{u"CATEGORIES", u"CATEGORIES", u"CATEGORIES", u""};

bool isEmailSeparator(QChar c) {
    return c == u';' || c == u',' || c.isSpace();
}

// A 4.0 parameter value in double quotes: ^, line breaks and " written as ^^, ^n and ^'.
QString quotedParameter(const QString& value) {
    QString out;
    out.reserve(value.size() + 2);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'^') {
            out += QStringLiteral("^^");
        } else if (c == u'"') {
            out += QStringLiteral("^'");
        } else if (c == u'\r' || c == u'\n') {
            out += QStringLiteral("^n");
            if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

bool isPlainAscii(const QString& s) {
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

bool hasLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
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
        addJoined(p, components, u';');
    }

    // One property line whose value is the parts joined by separator; parameters40 follows
    // the property's parameters in 4.0.
    template <typename Parts>
    void addJoined(const Property& p, const Parts& parts, char16_t separator,
                   QStringView parameters40 = {}) {
        bool quoted = false;
        bool charset = false;
        if (!m_typed) {
            // Only a target's rules ask whether the value is plain ASCII.
            const bool askAscii = m_rules.charsetOnNonAscii || m_rules.quotedPrintableNonAscii;
            bool ascii = true;
            for (const auto& c : parts) {
                quoted = quoted || hasLineBreak(text(c));
                ascii = ascii && (!askAscii || isPlainAscii(text(c)));
            }
            quoted = quoted || (!ascii && m_rules.quotedPrintableNonAscii);
            charset = !ascii;
        }
        m_card += kCrLf;
        if (m_typed) {
            m_card += QStringView(p.typed);
            if (m_v40) {
                m_card += QStringView(p.typed40Extra);
                m_card += parameters40;
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
        for (const auto& c : parts) {
            if (!first) {
                target += QChar(separator);
            }
            first = false;
            appendEscaped(target, text(c), m_typed);
        }
        if (quoted) {
            appendQuotedPrintable(m_card, value);
        }
    }

    // A line written as it is given: name and parameters, then the value, neither escaped.
    void addVerbatim(QStringView head, const QString& value) {
        m_card += kCrLf;
        m_card += head;
        m_card += QLatin1Char(':');
        m_card += value;
    }

    void addPhoto(const PhotoValue& photo, VCardVersion version) {
        appendPhotoProperty(m_card, photo, version);
    }

    bool typed() const { return m_typed; }
    bool v40() const { return m_v40; }

    QString finish() {
        m_card += QStringLiteral("\r\nEND:VCARD");
        return std::move(m_card);
    }

private:
    static const QString& text(const QString* s) { return *s; }
    static const QString& text(const QString& s) { return s; }

    bool m_typed;
    bool m_v40;
    CardRules m_rules;
    QString m_card;
};

// Each address of an e-mail cell on a line of its own, the first as the field says. A cell
// with no address (spaces kept by the empty-e-mail option) is written as it is.
void addEmails(CardBuilder& card, const Property& first, const QString& cell) {
    // Most cells hold one address and nothing else: no list to make.
    if (std::none_of(cell.cbegin(), cell.cend(), isEmailSeparator)) {
        card.add(first, {&cell});
        return;
    }
    const QStringList addresses = emailAddresses(cell);
    if (addresses.size() <= 1 && (addresses.isEmpty() || addresses.first().size() == cell.size())) {
        card.add(first, {&cell});
        return;
    }
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        card.add(i == 0 ? first : kEmail, {&addresses.at(i)});
    }
}

// The work or home address: its parts on ADR; the whole-address text either on ADR's street
// (no part mapped) or as the label (LABEL beside ADR, in 4.0 ADR's LABEL parameter).
void addAddress(CardBuilder& card, const Property& adr, const Property& label, bool partsMapped,
                const QString& whole, const QString& street, const QString& city,
                const QString& state, const QString& postalCode, const QString& country) {
    static const QString none;
    if (!partsMapped) {
        if (!whole.isEmpty()) {
            card.add(adr, {&none, &none, &whole, &none, &none, &none, &none});
        }
        return;
    }
    const bool anyPart = !street.isEmpty() || !city.isEmpty() || !state.isEmpty() ||
                         !postalCode.isEmpty() || !country.isEmpty();
    const std::initializer_list<const QString*> parts = {&none,  &none,       &street, &city,
                                                         &state, &postalCode, &country};
    if (card.v40()) {
        if (anyPart || !whole.isEmpty()) {
            const QString parameter =
                whole.isEmpty() ? QString() : QStringLiteral(";LABEL=") + quotedParameter(whole);
            card.addJoined(adr, parts, u';', parameter);
        }
        return;
    }
    if (anyPart) {
        card.add(adr, parts);
    }
    if (!whole.isEmpty()) {
        card.add(label, {&whole});
    }
}

// BDAY or the anniversary from the ISO form the run stored; nothing for any other text.
// 2.1 and 3.0 write "1990-12-31", 4.0 "19901231". A date without a year is "--1231" in 4.0;
// 2.1 and 3.0 have no such form that address books keep, so the day goes out in the year 1604
// with the omit-year parameter, which they read as a day without a year.
void addDate(CardBuilder& card, QStringView name21and30, QStringView name40, const QString& iso) {
    const std::optional<CardDate> date = parseIsoDateText(iso);
    if (!date) {
        return;
    }
    if (card.v40()) {
        // The ISO form without its dashes: "19901231", and "--1231" without a year.
        QString basic = isoDateText(*date);
        basic.remove(basic.size() - 3, 1);
        if (date->hasYear()) {
            basic.remove(4, 1);
        }
        card.addVerbatim(name40, basic);
        return;
    }
    if (date->hasYear()) {
        card.addVerbatim(name21and30, isoDateText(*date));
        return;
    }
    CardDate shown = *date;
    shown.year = 1604;
    card.addVerbatim(name21and30.toString() + QStringLiteral(";X-APPLE-OMIT-YEAR=1604"),
                     isoDateText(shown));
}

} // namespace

CardLayout cardLayoutOf(const ContactValues& v) {
    CardLayout layout;
    layout.nameAffixes = !v.Title.isEmpty() || !v.Suffix.isEmpty();
    layout.businessAddressParts =
        !v.BusinessAddressStreet.isEmpty() || !v.BusinessAddressCity.isEmpty() ||
        !v.BusinessAddressState.isEmpty() || !v.BusinessAddressPostalCode.isEmpty() ||
        !v.BusinessAddressCountry.isEmpty();
    layout.homeAddressParts = !v.HomeAddressStreet.isEmpty() || !v.HomeAddressCity.isEmpty() ||
                              !v.HomeAddressState.isEmpty() || !v.HomeAddressPostalCode.isEmpty() ||
                              !v.HomeAddressCountry.isEmpty();
    return layout;
}

QStringList emailAddresses(const QString& cell) {
    QStringList addresses;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= cell.size(); ++i) {
        if (i == cell.size() || isEmailSeparator(cell.at(i))) {
            if (start >= 0) {
                addresses.append(cell.mid(start, i - start));
                start = -1;
            }
        } else if (start < 0) {
            start = i;
        }
    }
    return addresses;
}

QStringList categoryNames(const QString& cell) {
    QStringList names;
    for (QStringView part : QStringView(cell).tokenize(u',')) {
        for (QStringView name : part.tokenize(u';')) {
            name = name.trimmed();
            if (!name.isEmpty()) {
                names.append(name.toString());
            }
        }
    }
    return names;
}

QString buildCard(const ContactValues& v, VCardVersion version, const CardLayout& layout,
                  const PhotoValue& photo, const CardRules& rules, const QUuid& uid) {
    static const QString none;
    CardBuilder card(version, rules);
    if (!uid.isNull()) {
        card.addVerbatim(u"UID", uidPropertyValue(uid, version == VCardVersion::V40));
    }
    const bool anyName = !v.LastName.isEmpty() || !v.FirstName.isEmpty() ||
                         !v.MiddleName.isEmpty() || !v.Title.isEmpty() || !v.Suffix.isEmpty();
    // 3.0 requires N; 4.0 and affixes need all five components.
    if (anyName || version == VCardVersion::V30) {
        if (layout.nameAffixes || version == VCardVersion::V40) {
            card.add(kN, {&v.LastName, &v.FirstName, &v.MiddleName, &v.Title, &v.Suffix});
        } else {
            card.add(kN, {&v.LastName, &v.FirstName, &v.MiddleName});
        }
    }
    if (!v.FullName.isEmpty()) {
        card.add(kFN, {&v.FullName});
    } else if (anyName) {
        const QString joined = v.FirstName + QLatin1Char(' ') + v.LastName;
        card.add(kFN, {&joined});
    } else {
        card.add(kFN, {&none});
    }
    if (!v.Nickname.isEmpty()) {
        card.add(kNICKNAME, {&v.Nickname});
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
        {&kTelHomeFax, &v.HomeFaxNumber},
        {&kTelOther, &v.OtherTelephoneNumber},
        {&kTelPager, &v.PagerNumber},
    };
    for (const auto& [property, value] : phones) {
        if (!value->isEmpty()) {
            card.add(*property, {value});
        }
    }
    addAddress(card, kAdrWork, kLabelWork, layout.businessAddressParts, v.BusinessAddress,
               v.BusinessAddressStreet, v.BusinessAddressCity, v.BusinessAddressState,
               v.BusinessAddressPostalCode, v.BusinessAddressCountry);
    addAddress(card, kAdrHome, kLabelHome, layout.homeAddressParts, v.HomeAddress,
               v.HomeAddressStreet, v.HomeAddressCity, v.HomeAddressState, v.HomeAddressPostalCode,
               v.HomeAddressCountry);
    if (!v.BusinessHomePage.isEmpty()) {
        card.add(kURL, {&v.BusinessHomePage});
    }
    if (!v.PersonalHomePage.isEmpty()) {
        card.add(kUrlHome, {&v.PersonalHomePage});
    }
    if (!v.EmailAddress.isEmpty()) {
        addEmails(card, kEmailPref, v.EmailAddress);
    }
    if (!v.EmailAddress2.isEmpty()) {
        addEmails(card, kEmail, v.EmailAddress2);
    }
    if (!v.EmailAddress3.isEmpty()) {
        addEmails(card, kEmail, v.EmailAddress3);
    }
    if (!v.Notes.isEmpty()) {
        card.add(kNOTE, {&v.Notes});
    }
    if (!v.Birthday.isEmpty()) {
        addDate(card, u"BDAY", u"BDAY", v.Birthday);
    }
    if (!v.Anniversary.isEmpty()) {
        // 2.1 and 3.0 have no anniversary; this extension is the one both desktop address
        // books read.
        addDate(card, u"X-EVOLUTION-ANNIVERSARY", u"ANNIVERSARY", v.Anniversary);
    }
    if (!v.Categories.isEmpty()) {
        const QStringList names = categoryNames(v.Categories);
        if (!names.isEmpty()) {
            card.addJoined(kCATEGORIES, names, u',');
        }
    }
    card.addPhoto(photo, version);
    return card.finish();
}

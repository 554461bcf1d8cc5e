#include "HeaderGrammar.h"

#include "ContactField.h"

#include <QFile>

#include <array>

using namespace Qt::StringLiterals;

namespace {

struct RoleName {
    QStringView name;
    HeaderRole role;
};

constexpr std::array kRoleNames = {
    RoleName{u"work", HeaderRole::Work},       RoleName{u"home", HeaderRole::Home},
    RoleName{u"other", HeaderRole::Other},     RoleName{u"street", HeaderRole::Street},
    RoleName{u"city", HeaderRole::City},       RoleName{u"state", HeaderRole::State},
    RoleName{u"region", HeaderRole::Region},   RoleName{u"postalcode", HeaderRole::PostalCode},
    RoleName{u"country", HeaderRole::Country}, RoleName{u"address", HeaderRole::Address},
    RoleName{u"phone", HeaderRole::Phone},     RoleName{u"fax", HeaderRole::Fax},
    RoleName{u"mobile", HeaderRole::Mobile},   RoleName{u"pager", HeaderRole::Pager},
    RoleName{u"email", HeaderRole::Email},     RoleName{u"web", HeaderRole::Web},
    RoleName{u"first", HeaderRole::First},     RoleName{u"second", HeaderRole::Second},
    RoleName{u"third", HeaderRole::Third},     RoleName{u"joiner", HeaderRole::Joiner},
};

// The words of a header, gathered: at most one of each group may be said, or the header is
// ambiguous. 0 is "not said".
struct Reading {
    HeaderRole qualifier = HeaderRole::Joiner;
    bool hasQualifier = false;
    quint32 parts = 0; // bits of HeaderRole
    quint32 kinds = 0;
    int order = 0; // which e-mail address, 1 to 3
    bool agrees = true;

    void add(HeaderRole role) {
        const auto bit = quint32(1) << int(role);
        switch (role) {
        case HeaderRole::Work:
        case HeaderRole::Home:
        case HeaderRole::Other:
            agrees = agrees && (!hasQualifier || qualifier == role);
            qualifier = role;
            hasQualifier = true;
            break;
        case HeaderRole::Street:
        case HeaderRole::City:
        case HeaderRole::State:
        case HeaderRole::Region:
        case HeaderRole::PostalCode:
        case HeaderRole::Country:
        case HeaderRole::Address:
            parts |= bit;
            break;
        case HeaderRole::Phone:
        case HeaderRole::Fax:
        case HeaderRole::Mobile:
        case HeaderRole::Pager:
        case HeaderRole::Email:
        case HeaderRole::Web:
            kinds |= bit;
            break;
        case HeaderRole::First:
        case HeaderRole::Second:
        case HeaderRole::Third: {
            const int n = role == HeaderRole::First ? 1 : role == HeaderRole::Second ? 2 : 3;
            agrees = agrees && (order == 0 || order == n);
            order = n;
            break;
        }
        case HeaderRole::Joiner:
            break;
        }
    }
};

constexpr quint32 bit(HeaderRole role) {
    return quint32(1) << int(role);
}

// The one role whose bit is set in bits, or false when none or several are.
bool single(quint32 bits, HeaderRole& role) {
    if (bits == 0 || (bits & (bits - 1)) != 0) {
        return false;
    }
    for (const RoleName& r : kRoleNames) {
        if (bits == bit(r.role)) {
            role = r.role;
            return true;
        }
    }
    return false;
}

// The field an address part or a kind of number names for a qualifier; empty for none.
QString fieldFor(HeaderRole what, bool hasQualifier, HeaderRole qualifier) {
    const bool work = hasQualifier && qualifier == HeaderRole::Work;
    const bool other = hasQualifier && qualifier == HeaderRole::Other;
    const QString address = work ? u"BusinessAddress"_s : u"HomeAddress"_s;
    switch (what) {
    case HeaderRole::Street:
        return other ? QString() : address + u"Street"_s;
    case HeaderRole::City:
        return other ? QString() : address + u"City"_s;
    case HeaderRole::State:
        return other ? QString() : address + u"State"_s;
    case HeaderRole::PostalCode:
        return other ? QString() : address + u"PostalCode"_s;
    case HeaderRole::Country:
        return other ? QString() : address + u"Country"_s;
    case HeaderRole::Address:
        return other ? QString() : address;
    case HeaderRole::Phone:
        return other  ? u"OtherTelephoneNumber"_s
               : work ? u"BusinessTelephoneNumber"_s
                      : u"HomeTelephoneNumber"_s;
    case HeaderRole::Fax:
        // A fax with no qualifier is an office's, as in the synonym table.
        return other                                           ? QString()
               : hasQualifier && qualifier == HeaderRole::Home ? u"HomeFaxNumber"_s
                                                               : u"BusinessFaxNumber"_s;
    case HeaderRole::Mobile:
        return other ? QString() : u"MobileNumber"_s;
    case HeaderRole::Pager:
        return other ? QString() : u"PagerNumber"_s;
    case HeaderRole::Web:
        return other                                           ? QString()
               : hasQualifier && qualifier == HeaderRole::Home ? u"PersonalHomePage"_s
                                                               : u"BusinessHomePage"_s;
    default:
        return QString();
    }
}

} // namespace

QList<GrammarWord> parseGrammarTable(const QString& text, QStringList* problems) {
    QList<GrammarWord> words;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        QString line = lines.at(i);
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QStringList columns = line.split(u'\t');
        GrammarWord word;
        word.line = number;
        QString problem;
        if (columns.size() != 3) {
            problem = u"has %1 columns, not 3"_s.arg(columns.size());
        } else if (headerKey(columns.at(0)).isEmpty()) {
            problem = u"has no letters"_s;
        } else if (columns.at(2).isEmpty()) {
            problem = u"has no language"_s;
        } else {
            word.words = columns.at(0);
            word.language = columns.at(2);
            bool known = false;
            for (const RoleName& r : kRoleNames) {
                if (r.name == columns.at(1)) {
                    word.role = r.role;
                    known = true;
                }
            }
            if (!known) {
                problem = u"has an unknown role \u201C%1\u201D"_s.arg(columns.at(1));
            }
        }
        if (!problem.isEmpty()) {
            if (problems) {
                problems->append(u"line %1 %2"_s.arg(number).arg(problem));
            }
            continue;
        }
        words.append(word);
    }
    return words;
}

QString builtInGrammarTableText() {
    QFile file(u":/excel2vcard/header-grammar.tsv"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

HeaderGrammar::HeaderGrammar(const QList<GrammarWord>& words) {
    for (const GrammarWord& word : words) {
        const QStringList tokens = headerTokens(word.words);
        const QString key = tokens.join(u' ');
        if (!tokens.isEmpty() && !m_roles.contains(key)) {
            m_roles.insert(key, word.role);
            m_longest = qMax(m_longest, tokens.size());
        }
    }
    // One entry per field a reading can give; the address in one text may be a street line.
    for (const QString& field : contactFieldCatalogue()) {
        SynonymEntry entry;
        entry.field = field;
        entry.synonym = field;
        if (field == u"HomeAddress" || field == u"BusinessAddress") {
            entry.context = SynonymContext::Street;
        }
        m_readings.insert(field, entry);
    }
}

const HeaderGrammar& HeaderGrammar::builtIn() {
    static const HeaderGrammar grammar(parseGrammarTable(builtInGrammarTableText()));
    return grammar;
}

bool HeaderGrammar::roleOf(const QString& key, HeaderRole& role) const {
    const auto it = m_roles.constFind(key);
    if (it == m_roles.constEnd()) {
        return false;
    }
    role = *it;
    return true;
}

const SynonymEntry* HeaderGrammar::read(const QStringList& tokens, bool& numbered) const {
    numbered = false;
    // Numbers at the end say which line or which of several; elsewhere only an e-mail's.
    qsizetype end = tokens.size();
    while (end > 0 && tokens.at(end - 1).front().isDigit()) {
        --end;
    }
    const qsizetype trailing = tokens.size() - end;
    int number = trailing == 1 ? tokens.last().toInt() : 0;
    bool inner = false;
    Reading reading;
    for (qsizetype i = 0; i < end;) {
        if (tokens.at(i).front().isDigit()) {
            if (inner || trailing > 0) {
                return nullptr;
            }
            inner = true;
            number = tokens.at(i).toInt();
            ++i;
            continue;
        }
        // The longest run of words the table knows.
        bool found = false;
        for (qsizetype n = qMin(m_longest, end - i); n >= 1 && !found; --n) {
            HeaderRole role;
            if (roleOf(n == 1 ? tokens.at(i) : tokens.mid(i, n).join(u' '), role)) {
                reading.add(role);
                i += n;
                found = true;
            }
        }
        if (found) {
            continue;
        }
        // Two words run together: "werkadres", "privattelefon", "telefonnummer".
        const QString& token = tokens.at(i);
        for (qsizetype cut = 2; cut <= token.size() - 2 && !found; ++cut) {
            HeaderRole head;
            HeaderRole tail;
            if (roleOf(token.left(cut), head) && roleOf(token.mid(cut), tail)) {
                reading.add(head);
                reading.add(tail);
                found = true;
            }
        }
        if (!found) {
            return nullptr;
        }
        ++i;
    }
    if (!reading.agrees) {
        return nullptr;
    }

    quint32 parts = reading.parts;
    quint32 kinds = reading.kinds;
    // "Country/Region" is a country; a region anywhere else is the state ("Dép/Région").
    if (parts & bit(HeaderRole::Region)) {
        parts &= ~bit(HeaderRole::Region);
        if (!(parts & bit(HeaderRole::Country))) {
            parts |= bit(HeaderRole::State);
        }
    }
    if ((parts & ~bit(HeaderRole::Address)) != 0 || kinds != 0) {
        parts &= ~bit(HeaderRole::Address);
    }
    if ((kinds & bit(HeaderRole::Phone)) &&
        (kinds & (bit(HeaderRole::Mobile) | bit(HeaderRole::Pager)))) {
        kinds &= ~bit(HeaderRole::Phone);
    }
    HeaderRole what;
    if (!single(parts | kinds, what)) {
        return nullptr;
    }

    QString field;
    if (what == HeaderRole::Email) {
        // Which address: its number or its word, never a work or home one (the catalogue
        // keeps three addresses, not a work and a home one).
        if (reading.hasQualifier || trailing > 1 ||
            (reading.order != 0 && number != 0 && reading.order != number)) {
            return nullptr;
        }
        const int which = reading.order != 0 ? reading.order : number == 0 ? 1 : number;
        field = which == 1   ? u"EmailAddress"_s
                : which == 2 ? u"EmailAddress2"_s
                : which == 3 ? u"EmailAddress3"_s
                             : QString();
    } else {
        if (inner || reading.order != 0) {
            return nullptr;
        }
        numbered = trailing > 0;
        field = fieldFor(what, reading.hasQualifier, reading.qualifier);
    }
    const auto it = m_readings.constFind(field);
    return it == m_readings.constEnd() ? nullptr : &it.value();
}

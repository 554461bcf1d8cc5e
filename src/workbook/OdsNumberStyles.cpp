#include "OdsNumberStyles.h"

#include "NumberFormat.h"

#include <QStringList>

#include <algorithm>

namespace {

void appendQuoted(QString& out, QStringView text) {
    // Quoted as a whole; a quote mark itself cannot stand inside quotes.
    bool open = false;
    for (QChar c : text) {
        if (c == u'"') {
            if (open) {
                out += u'"';
                open = false;
            }
            out += QStringLiteral("\\\"");
            continue;
        }
        if (!open) {
            out += u'"';
            open = true;
        }
        out += c;
    }
    if (open) {
        out += u'"';
    }
}

QString repeated(char16_t c, int count) {
    return QString(std::clamp(count, 0, 255), QChar(c));
}

void appendDecimals(QString& out, const OdsFormatPart& p) {
    const int places = std::clamp(p.decimalPlaces, 0, NumberFormat::kMaxDecimals);
    if (places == 0) {
        return;
    }
    const int fixed = p.minDecimalPlaces < 0 ? places : std::min(p.minDecimalPlaces, places);
    out += u'.';
    out += repeated(u'0', fixed);
    out += repeated(u'#', places - fixed);
}

void appendNumberPart(QString& out, const OdsFormatPart& p) {
    if (p.decimalPlaces < 0) {
        out += QStringLiteral("General");
        return;
    }
    // Integer placeholders from the right, embedded texts between them.
    int count = std::clamp(p.minIntegerDigits, 0, 255);
    for (const auto& [position, text] : p.embeddedTexts) {
        count = std::max(count, std::clamp(position, 0, 255));
    }
    if (p.grouping) {
        count = std::max(count, 4);
    }
    QString integer;
    for (int pos = count - 1; pos >= 0; --pos) {
        integer += pos < p.minIntegerDigits ? u'0' : u'#';
        if (p.grouping && pos == count - 1) {
            integer += u',';
        }
        for (const auto& [position, text] : p.embeddedTexts) {
            if (position == pos && pos > 0) {
                appendQuoted(integer, text);
            }
        }
    }
    for (const auto& [position, text] : p.embeddedTexts) {
        if (position <= 0) {
            appendQuoted(integer, text); // right after the integer digits
        }
    }
    if (integer.isEmpty() && p.decimalPlaces == 0) {
        integer = QStringLiteral("#");
    }
    out += integer;
    appendDecimals(out, p);
    // One comma per thousand; a factor no number reaches (infinity) scales no further.
    int commas = 0;
    for (double f = p.displayFactor; f >= 999.5 && commas < 20; f /= 1000) {
        out += u',';
        ++commas;
    }
}

void appendScientific(QString& out, const OdsFormatPart& p) {
    const int integer = std::clamp(p.minIntegerDigits, 0, 255);
    const int interval = std::clamp(p.exponentInterval, 1, 255);
    if (interval > 1) {
        out += repeated(u'#', interval - std::max(integer, 1));
    }
    out += repeated(u'0', std::max(integer, 1));
    appendDecimals(out, p);
    out += p.forcedExponentSign ? QStringLiteral("E+") : QStringLiteral("E-");
    out += repeated(u'0', std::max(p.minExponentDigits, 1));
}

void appendFraction(QString& out, const OdsFormatPart& p) {
    if (p.minIntegerDigits >= 0) {
        out += p.minIntegerDigits == 0 ? QStringLiteral("#") : repeated(u'0', p.minIntegerDigits);
        out += u' ';
    }
    out += repeated(u'?', std::max(p.numeratorDigits, 1));
    out += u'/';
    if (p.denominatorValue > 0) {
        out += QString::number(p.denominatorValue);
    } else {
        out += repeated(u'?', std::max(p.denominatorDigits, 1));
    }
}

// The ISO form of a date style that follows the locale: with the time when it shows hours.
QString localeDateCode(const OdsFormatStyle& style) {
    QString out = QStringLiteral("yyyy-mm-dd");
    for (const OdsFormatPart& p : style.parts) {
        if (p.kind == OdsFormatPart::Kind::Hours) {
            out += QStringLiteral(" hh:mm");
        } else if (p.kind == OdsFormatPart::Kind::Seconds) {
            out += QStringLiteral(":ss");
        }
    }
    return out;
}

QString sectionCode(const OdsFormatStyle& style) {
    using K = OdsFormatPart::Kind;
    if (style.localeFormat && style.family == OdsFormatStyle::Family::Date) {
        return localeDateCode(style);
    }
    QString out;
    bool elapsedDone = style.truncateOnOverflow;
    auto elapsed = [&](QString code) {
        if (!elapsedDone) {
            elapsedDone = true;
            return u'[' + code + u']';
        }
        return code;
    };
    for (const OdsFormatPart& p : style.parts) {
        switch (p.kind) {
        case K::Number:
            appendNumberPart(out, p);
            break;
        case K::Scientific:
            appendScientific(out, p);
            break;
        case K::Fraction:
            appendFraction(out, p);
            break;
        case K::Text:
            if (style.family == OdsFormatStyle::Family::Percentage && p.text.contains(u'%')) {
                // The percent sign of a percentage style is the one that scales.
                const qsizetype at = p.text.indexOf(u'%');
                appendQuoted(out, QStringView(p.text).left(at));
                out += u'%';
                appendQuoted(out, QStringView(p.text).mid(at + 1));
            } else {
                appendQuoted(out, p.text);
            }
            break;
        case K::TextContent:
            out += u'@';
            break;
        case K::CurrencySymbol:
            // An empty symbol means the document locale's; there is no locale here.
            appendQuoted(out, p.text);
            break;
        case K::Year:
            out += p.longStyle ? QStringLiteral("yyyy") : QStringLiteral("yy");
            break;
        case K::Month:
            out += p.textual ? (p.longStyle ? QStringLiteral("mmmm") : QStringLiteral("mmm"))
                             : (p.longStyle ? QStringLiteral("mm") : QStringLiteral("m"));
            break;
        case K::Day:
            out += p.longStyle ? QStringLiteral("dd") : QStringLiteral("d");
            break;
        case K::DayOfWeek:
            out += p.longStyle ? QStringLiteral("dddd") : QStringLiteral("ddd");
            break;
        case K::Hours:
            out += elapsed(p.longStyle ? QStringLiteral("hh") : QStringLiteral("h"));
            break;
        case K::Minutes:
            out += elapsed(p.longStyle ? QStringLiteral("mm") : QStringLiteral("m"));
            break;
        case K::Seconds:
            out += elapsed(p.longStyle ? QStringLiteral("ss") : QStringLiteral("s"));
            if (p.decimalPlaces > 0) {
                out += u'.' + repeated(u'0', std::min(p.decimalPlaces, 3));
            }
            break;
        case K::AmPm:
            out += QStringLiteral("AM/PM");
            break;
        case K::Boolean:
            out += QStringLiteral("General");
            break;
        }
    }
    return out.isEmpty() && style.family == OdsFormatStyle::Family::Text ? QStringLiteral("@")
                                                                         : out;
}

// "value()>=0" as "[>=0]"; empty when the condition is not understood.
QString conditionCode(QStringView condition) {
    QString c = condition.toString().remove(u' ');
    if (!c.startsWith(QLatin1String("value()"))) {
        return QString();
    }
    c.remove(0, 7);
    if (c.startsWith(QLatin1String("!="))) {
        c.replace(0, 2, QStringLiteral("<>"));
    } else if (c.startsWith(QLatin1String("=="))) {
        c.remove(0, 1);
    }
    return u'[' + c + u']';
}

} // namespace

QString odsFormatCode(const OdsFormatStyle& style, const QList<OdsFormatMap>& maps) {
    const QString main = sectionCode(style);
    if (maps.isEmpty()) {
        return main;
    }
    QStringList conditions;
    QStringList sections;
    for (const OdsFormatMap& map : maps.mid(0, 3)) {
        conditions << conditionCode(map.condition);
        sections << sectionCode(map.style);
    }
    // The usual splits need no condition: ">=0" then the rest; ">0", "<0", then the rest.
    const bool usual = (conditions == QStringList{QStringLiteral("[>=0]")}) ||
                       (conditions.size() >= 2 && conditions[0] == QLatin1String("[>0]") &&
                        conditions[1] == QLatin1String("[<0]"));
    if (!usual) {
        for (qsizetype i = 0; i < sections.size() && i < 2; ++i) {
            sections[i].prepend(conditions[i]);
        }
    }
    if (style.family == OdsFormatStyle::Family::Text) {
        while (sections.size() < 3) {
            sections << (sections.size() == 1 ? QStringLiteral("-General")
                                              : QStringLiteral("General"));
        }
        sections = sections.mid(0, 3);
    } else if (sections.size() == 3) {
        return sections.join(u';'); // three maps leave nothing to the main style
    }
    sections << main;
    return sections.join(u';');
}

#include "VCardReader.h"

namespace {

// Where the name and parameters end: the first colon outside double quotes.
qsizetype valueColon(QStringView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u':' && !quoted) {
            return i;
        }
    }
    return -1;
}

// Splits at separator outside double quotes.
QList<QStringView> splitOutsideQuotes(QStringView text, QChar separator) {
    QList<QStringView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.mid(start));
    return parts;
}

// A parameter value without its quotes; in 4.0 ^n, ^^ and ^' (RFC 6868) decoded.
QString parameterValue(QStringView raw) {
    if (raw.size() >= 2 && raw.startsWith(u'"') && raw.endsWith(u'"')) {
        raw = raw.mid(1, raw.size() - 2);
    }
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'^' && i + 1 < raw.size()) {
            const QChar n = raw.at(i + 1);
            if (n == u'n' || n == u'N') {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (n == u'^' || n == u'\'') {
                out += n == u'^' ? QLatin1Char('^') : QLatin1Char('"');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::optional<VCardProperty> parseLine(const QString& line) {
    const qsizetype colon = valueColon(line);
    if (colon <= 0) {
        return std::nullopt;
    }
    VCardProperty p;
    p.line = line;
    p.value = line.mid(colon + 1);
    const QList<QStringView> head = splitOutsideQuotes(QStringView(line).left(colon), u';');
    QStringView name = head.first().trimmed();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        p.group = name.left(dot).toString();
        name = name.mid(dot + 1);
    }
    if (name.isEmpty()) {
        return std::nullopt;
    }
    p.name = name.toString().toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QStringView param = head.at(i).trimmed();
        if (param.isEmpty()) {
            continue;
        }
        const qsizetype eq = param.indexOf(u'=');
        VCardParameter parameter;
        if (eq < 0) {
            parameter.name = QStringLiteral("TYPE");
            parameter.values.append(param.toString());
        } else {
            parameter.name = param.left(eq).trimmed().toString().toUpper();
            for (QStringView v : splitOutsideQuotes(param.mid(eq + 1), u',')) {
                parameter.values.append(parameterValue(v));
            }
        }
        p.parameters.append(std::move(parameter));
    }
    return p;
}

} // namespace

QStringList VCardProperty::parameterValues(QStringView wanted) const {
    QStringList values;
    for (const VCardParameter& p : parameters) {
        if (p.name == wanted) {
            values += p.values;
        }
    }
    return values;
}

const VCardProperty* VCard::find(QStringView wanted) const {
    for (const VCardProperty& p : properties) {
        if (p.name == wanted) {
            return &p;
        }
    }
    return nullptr;
}

std::optional<VCard> parseVCard(QStringView text) {
    // Unfold: physical lines, a leading space or tab joining a line to the one before.
    QStringList lines;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n') {
            ++end;
        }
        const QStringView physical = text.mid(i, end - i);
        if (end < text.size() && text.at(end) == u'\r' && end + 1 < text.size() &&
            text.at(end + 1) == u'\n') {
            ++end;
        }
        i = end + 1;
        if (!physical.isEmpty() && (physical.at(0) == u' ' || physical.at(0) == u'\t') &&
            !lines.isEmpty()) {
            lines.last() += physical.mid(1);
        } else if (!physical.isEmpty()) {
            lines.append(physical.toString());
        }
    }

    std::optional<VCard> card;
    int depth = 0;
    for (const QString& line : lines) {
        const std::optional<VCardProperty> p = parseLine(line);
        if (!p) {
            continue;
        }
        const bool vcardValue = p->value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
        if (p->name == u"BEGIN" && vcardValue) {
            if (depth++ == 0) {
                card.emplace();
            }
            continue;
        }
        if (p->name == u"END" && vcardValue) {
            if (--depth == 0) {
                return card;
            }
            continue;
        }
        if (depth == 1) {
            card->properties.append(*p);
        }
    }
    return std::nullopt;
}

QString unescapeText(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar n = value.at(i + 1);
            if (n == u'n' || n == u'N') {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (n == u'\\' || n == u',' || n == u';' || n == u':') {
                out += n;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QList<QStringView> splitValue(QStringView value, QChar separator) {
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\') {
            ++i;
        } else if (c == separator) {
            parts.append(value.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(value.mid(start));
    return parts;
}

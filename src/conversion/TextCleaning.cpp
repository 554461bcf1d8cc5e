#include "TextCleaning.h"

QString strClean(const QString& strtoclean) {
    // One pass gives the same text as the eighteen replacements in turn: no replacement
    // holds a character that is replaced.
    QString out;
    out.reserve(strtoclean.size());
    for (const QChar c : strtoclean) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral(" and ");
            break;
        case u':':
            out += QLatin1Char('-');
            break;
        case u'?':
        case u'/':
        case u'\\':
        case u'*':
        case u'"':
        case u'<':
        case u'>':
        case u',':
        case u'#':
        case u'~':
        case u'%':
        case u'{':
        case u'}':
        case u'+':
        case u'_':
        case u'.':
            out += QLatin1Char(' ');
            break;
        default:
            out += c;
        }
    }
    return out;
}

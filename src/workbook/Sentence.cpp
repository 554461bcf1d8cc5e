#include "Sentence.h"

#include <QCoreApplication>

Sentence Sentence::plain(QString text) {
    Sentence s;
    s.m_text = std::move(text);
    return s;
}

Sentence Sentence::arg(QString text) && {
    return std::move(*this).arg(plain(std::move(text)));
}

Sentence Sentence::arg(Sentence nested) && {
    m_args.push_back(std::move(nested));
    return std::move(*this);
}

QString Sentence::toString() const {
    if (!m_source) {
        return m_text;
    }
    const QString pattern = QCoreApplication::translate(m_context, m_source);
    if (m_args.empty()) {
        return pattern;
    }
    // One pass over the pattern, as QString's multi-argument arg() does: a "%2" inside a file
    // name given for %1 stays as it is.
    const auto digit = [&pattern](qsizetype i) {
        return i < pattern.size() ? pattern.at(i).digitValue() : -1;
    };
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == u'%' && digit(i + 1) > 0) {
            qsizetype end = i + 2;
            int n = digit(i + 1);
            if (digit(end) >= 0) {
                n = n * 10 + digit(end);
                ++end;
            }
            if (size_t(n) <= m_args.size()) {
                out += m_args[size_t(n - 1)].toString();
                i = end - 1;
                continue;
            }
        }
        out += pattern.at(i);
    }
    return out;
}

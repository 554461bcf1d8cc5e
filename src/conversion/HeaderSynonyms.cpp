#include "HeaderSynonyms.h"

#include "ContactField.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Letters that case folding and decomposition leave as they are but people type both ways.
QString foldedLetter(char32_t u) {
    const QString folded = QString::fromUcs4(&u, 1).toCaseFolded();
    if (folded.size() != 1) {
        return folded;
    }
    switch (folded.at(0).unicode()) {
    case u'\u00DF': // sharp s
        return u"ss"_s;
    case u'\u00E6':
        return u"ae"_s;
    case u'\u0153':
        return u"oe"_s;
    case u'\u00F8':
        return u"o"_s;
    case u'\u0142':
        return u"l"_s;
    case u'\u0111':
        return u"d"_s;
    case u'\u00FE':
        return u"th"_s;
    case u'\u0131': // dotless i
        return u"i"_s;
    default:
        return folded;
    }
}

bool parseContext(QStringView text, SynonymContext& context) {
    if (text.isEmpty()) {
        context = SynonymContext::None;
    } else if (text == u"name") {
        context = SynonymContext::Name;
    } else if (text == u"title") {
        context = SynonymContext::Title;
    } else if (text == u"street") {
        context = SynonymContext::Street;
    } else if (text == u"word") {
        context = SynonymContext::Word;
    } else {
        return false;
    }
    return true;
}

} // namespace

QStringList headerTokens(QStringView header) {
    enum class Run { None, Letters, Digits };
    QStringList tokens;
    QString current;
    Run run = Run::None;
    auto flush = [&] {
        if (!current.isEmpty()) {
            tokens.append(current);
            current.clear();
        }
        run = Run::None;
    };
    // Compatibility decomposition: accents become marks of their own (dropped below), and
    // full-width letters, ligatures and superscript digits their plain forms. Plain ASCII,
    // most headers, needs none of it.
    const bool ascii =
        std::all_of(header.begin(), header.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QList<uint> points =
        ascii ? header.toUcs4()
              : header.toString().normalized(QString::NormalizationForm_KD).toUcs4();
    for (const uint point : points) {
        const char32_t u = point;
        if (u < 0x80) {
            const char c = char(u);
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            const bool digit = c >= '0' && c <= '9';
            if (!letter && !digit) {
                flush();
                continue;
            }
            const Run kind = letter ? Run::Letters : Run::Digits;
            if (run != Run::None && run != kind) {
                flush();
            }
            current += QChar(letter ? char16_t(c | 0x20) : char16_t(c));
            run = kind;
            continue;
        }
        if (QChar::isMark(u)) {
            continue;
        }
        if (QChar::isLetter(u)) {
            if (run == Run::Digits) {
                flush();
            }
            current += foldedLetter(u);
            run = Run::Letters;
        } else if (QChar::isDigit(u)) {
            if (run == Run::Letters) {
                flush();
            }
            current += QChar(u'0' + QChar::digitValue(u));
            run = Run::Digits;
        } else {
            flush();
        }
    }
    flush();
    return tokens;
}

QString headerKey(QStringView header) {
    return headerTokens(header).join(QString());
}

QList<SynonymEntry> parseSynonymTable(const QString& text, QStringList* problems) {
    QList<SynonymEntry> entries;
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
        SynonymEntry entry;
        entry.line = number;
        QString problem;
        if (columns.size() < 3 || columns.size() > 4) {
            problem = u"has %1 columns, not 3 or 4"_s.arg(columns.size());
        } else {
            entry.synonym = columns.at(0);
            entry.field = columns.at(1);
            entry.language = columns.at(2);
            if (headerKey(entry.synonym).isEmpty()) {
                problem = u"has a synonym without letters or digits"_s;
            } else if (entry.field.isEmpty() || entry.language.isEmpty()) {
                problem = u"has an empty field or language"_s;
            } else if (!parseContext(columns.size() == 4 ? QStringView(columns.at(3))
                                                         : QStringView(),
                                     entry.context)) {
                problem = u"has an unknown context \u201C%1\u201D"_s.arg(columns.at(3));
            }
        }
        if (!problem.isEmpty()) {
            if (problems) {
                problems->append(u"line %1 %2"_s.arg(number).arg(problem));
            }
            continue;
        }
        entries.append(entry);
    }
    return entries;
}

QString builtInSynonymTableText() {
    QFile file(u":/excel2vcard/header-synonyms.tsv"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

HeaderSynonyms::HeaderSynonyms(const QList<SynonymEntry>& entries) {
    m_byKey.reserve(entries.size());
    for (const SynonymEntry& entry : entries) {
        if (!isCatalogueField(entry.field)) {
            continue;
        }
        const QString key = headerKey(entry.synonym);
        if (!m_byKey.contains(key)) {
            m_byKey.insert(key, entry);
        }
    }
}

const HeaderSynonyms& HeaderSynonyms::builtIn() {
    static const HeaderSynonyms table(parseSynonymTable(builtInSynonymTableText()));
    return table;
}

const SynonymEntry* HeaderSynonyms::find(const QString& key) const {
    const auto it = m_byKey.constFind(key);
    return it == m_byKey.constEnd() ? nullptr : &it.value();
}

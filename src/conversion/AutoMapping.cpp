#include "AutoMapping.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QStringList withoutNumbers(QStringList tokens) {
    tokens.removeIf([](const QString& token) { return token.front().isDigit(); });
    return tokens;
}

// How closely a header names its field, weakest first.
enum Strength { ComposedNumbered = 1, Partial = 2, Composed = 3, Whole = 4 };

bool numbered(Strength strength) {
    return strength == Partial || strength == ComposedNumbered;
}

struct Candidate {
    qsizetype header = -1; // in headers; -1 for a header mapped already
    HeaderChoice choice;
    const SynonymEntry* entry = nullptr;
    Strength strength = Whole;
    QString field;
};

// The synonym for a header's tokens.
const SynonymEntry* lookUpSynonym(const QStringList& tokens, const HeaderSynonyms& synonyms,
                                  Strength& strength) {
    const QStringList words = withoutNumbers(tokens);
    const SynonymEntry* entry = synonyms.find(tokens.join(QString()));
    strength = Whole;
    if (!entry && words.size() < tokens.size() && !words.isEmpty()) {
        entry = synonyms.find(words.join(QString()));
        strength = Partial;
    }
    if (entry && entry->context == SynonymContext::Word &&
        withoutNumbers(headerTokens(entry->synonym)) != words) {
        return nullptr;
    }
    return entry;
}

// The entry for a header: its whole key, or failing that the key of its letters alone when
// the header carries numbers ("Business Phone 2", "Address 1"), or failing both the grammar's
// reading of its words.
const SynonymEntry* lookUp(const QString& header, const HeaderSynonyms& synonyms,
                           const HeaderGrammar& grammar, Strength& strength) {
    const QStringList tokens = headerTokens(header);
    if (tokens.isEmpty()) {
        return nullptr;
    }
    const SynonymEntry* entry = lookUpSynonym(tokens, synonyms, strength);
    if (!entry) {
        bool withNumber = false;
        entry = grammar.read(tokens, withNumber);
        strength = withNumber ? ComposedNumbered : Composed;
    }
    return entry;
}

} // namespace

QList<FieldPair> suggestPairs(const QList<HeaderChoice>& headers, const QStringList& freeFields,
                              const QList<HeaderChoice>& mappedHeaders,
                              const HeaderSynonyms& synonyms, const HeaderGrammar& grammar) {
    QList<Candidate> candidates;
    QSet<QString> unnumbered; // fields some header names without a number
    auto recognise = [&](const HeaderChoice& choice, qsizetype index) {
        Candidate c;
        c.header = index;
        c.choice = choice;
        c.entry = lookUp(choice.text, synonyms, grammar, c.strength);
        if (c.entry) {
            c.field = c.entry->field;
            candidates.append(c);
            if (!numbered(c.strength)) {
                unnumbered.insert(c.field);
            }
        }
    };
    for (qsizetype i = 0; i < headers.size(); ++i) {
        recognise(headers.at(i), i);
    }
    for (const HeaderChoice& mapped : mappedHeaders) {
        recognise(mapped, -1);
    }
    // A numbered header stands for its field only where no header names it without a number.
    candidates.removeIf([&unnumbered](const Candidate& c) {
        return numbered(c.strength) && unnumbered.contains(c.entry->field);
    });

    // A field is present in the row when it is mapped already or a header plainly names it.
    QSet<QString> present;
    for (const QString& field : contactFieldCatalogue()) {
        if (!freeFields.contains(field)) {
            present.insert(field);
        }
    }
    for (const Candidate& c : std::as_const(candidates)) {
        if (c.entry->context == SynonymContext::None || c.entry->context == SynonymContext::Word) {
            present.insert(c.field);
        }
    }
    const bool firstName = present.contains(u"FirstName"_s);
    const bool lastName = present.contains(u"LastName"_s);
    for (Candidate& c : candidates) {
        switch (c.entry->context) {
        case SynonymContext::None:
        case SynonymContext::Word:
            break;
        case SynonymContext::Name:
            if (firstName && !lastName) {
                c.field = u"LastName"_s;
            } else if (lastName && !firstName) {
                c.field = u"FirstName"_s;
            }
            break;
        case SynonymContext::Title:
            if (!firstName && !lastName) {
                c.field.clear();
            }
            break;
        case SynonymContext::Street: {
            const QString& address = c.entry->field;
            if ((present.contains(address + u"City"_s) ||
                 present.contains(address + u"PostalCode"_s)) &&
                !present.contains(address + u"Street"_s)) {
                c.field = address + u"Street"_s;
            }
            break;
        }
        }
    }

    // Each free field to its closest header: the strongest, then the leftmost.
    QHash<QString, qsizetype> best; // field -> index into candidates
    for (qsizetype k = 0; k < candidates.size(); ++k) {
        const Candidate& c = candidates.at(k);
        if (c.header < 0 || c.field.isEmpty() || !freeFields.contains(c.field)) {
            continue;
        }
        const auto it = best.constFind(c.field);
        if (it == best.constEnd() || candidates.at(*it).strength < c.strength) {
            best.insert(c.field, k);
        }
    }
    // Candidates of free headers come first, in header order.
    QList<qsizetype> chosen = best.values();
    std::sort(chosen.begin(), chosen.end());
    QList<FieldPair> pairs;
    pairs.reserve(chosen.size());
    for (const qsizetype k : chosen) {
        const Candidate& c = candidates.at(k);
        pairs.append({c.choice, c.field});
    }
    return pairs;
}

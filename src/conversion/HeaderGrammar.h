#pragma once

#include "HeaderSynonyms.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// What a word of a header says about its column.
enum class HeaderRole {
    // Which address or number: "work", "privat", "(uff.)", "residencial"...
    Work,
    Home,
    Other,
    // Which part of an address.
    Street,
    City,
    State,
    Region, // the state, except beside a country ("Country/Region", "Land/Region")
    PostalCode,
    Country,
    Address, // the whole address, or only a joiner beside a part ("Cidade do endereço")
    // What else a column holds.
    Phone,
    Fax,
    Mobile,
    Pager,
    Email,
    Web,
    // Which e-mail address: "primary", "secondaire"...
    First,
    Second,
    Third,
    // Says nothing of its own: "de", "of", "number", "nummer"...
    Joiner,
};

// One line of the grammar table: a word or a few words, what they say, their language.
struct GrammarWord {
    QString words;
    HeaderRole role = HeaderRole::Joiner;
    QString language;
    int line = 0;
};

// Reads the grammar table's text: one word (or words) a line, TAB-separated: words, role (the
// names of HeaderRole in lower case, "postalcode" for PostalCode) and language. '#' starts a
// comment line; blank lines are skipped. Lines that cannot be read are left out and described
// in problems, when given.
QList<GrammarWord> parseGrammarTable(const QString& text, QStringList* problems = nullptr);

// The table compiled into the program (src/conversion/data/header-grammar.tsv).
QString builtInGrammarTableText();

// Reads a header that no synonym names from its words: which address or number (work, home,
// other) and which part of it (street, city, state, postal code, country) or which kind of
// number (phone, fax, mobile, pager), in any order and with any joiners: "Work City", "City
// (work)", "Werkadres, plaats", "Dienstlich: Ort", "Via (uff.)", "Tel. dienstlich". Every word
// must be known and the words must agree; anything else has no reading. A word the table lacks
// is read as two table words run together when it splits into them ("Werkpostcode",
// "Privattelefon"). Parts of the other address have no field, so they have no reading either.
class HeaderGrammar {
public:
    explicit HeaderGrammar(const QList<GrammarWord>& words);

    // The table compiled into the program, read once.
    static const HeaderGrammar& builtIn();

    // The entry a header's tokens (see headerTokens) read as, or nullptr. numbered tells
    // whether the header ends in numbers ("Rue (bureau) 2"): a second line or a second number
    // of its kind. The entry lives as long as the grammar.
    const SynonymEntry* read(const QStringList& tokens, bool& numbered) const;

    qsizetype size() const { return m_roles.size(); }

private:
    bool roleOf(const QString& key, HeaderRole& role) const;

    QHash<QString, HeaderRole> m_roles; // tokens joined by spaces -> role
    qsizetype m_longest = 1;            // the most tokens of one entry
    QHash<QString, SynonymEntry> m_readings;
};

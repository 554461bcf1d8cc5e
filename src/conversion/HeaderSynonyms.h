#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// How a synonym's field depends on the other columns of the header row.
enum class SynonymContext {
    // The field as written.
    None,
    // A bare name ("Name", "Nom", "Nombre"...): the full name, unless the row also holds a
    // first name only (then it is the last name) or a last name only (then the first name).
    Name,
    // "Title" and its translations: the form of address beside a first or last name column;
    // anywhere else it may as well be a job title, so it is left alone.
    Title,
    // An address in one text (HomeAddress, BusinessAddress): the street line when the row
    // has that address's city or postal code but no street.
    Street,
    // Only when the header splits into words as the synonym does: "Birthday", not
    // Thunderbird's "Birth Day" (the day of the month).
    Word,
};

// One line of the synonym table.
struct SynonymEntry {
    QString synonym;
    QString field;
    QString language;
    SynonymContext context = SynonymContext::None;
    int line = 0;
};

// A header text reduced to what recognising it needs: case folded, diacritics and
// punctuation dropped, split into runs of letters and runs of digits. "E-Mail 2: Adresse"
// gives e, mail, 2, adresse.
QStringList headerTokens(QStringView header);

// The lookup key of a header: its tokens run together ("email2adresse").
QString headerKey(QStringView header);

// Reads the table's text: one synonym a line, TAB-separated: synonym, field, language and an
// optional context (name, title, street, word). '#' starts a comment line; blank lines are skipped.
// Lines that cannot be read are left out and described in problems, when given.
QList<SynonymEntry> parseSynonymTable(const QString& text, QStringList* problems = nullptr);

// The table compiled into the program (src/conversion/data/header-synonyms.tsv).
QString builtInSynonymTableText();

// The synonyms by key. Lines naming a field outside the catalogue are skipped; when two lines
// share a key, the first is kept.
class HeaderSynonyms {
public:
    explicit HeaderSynonyms(const QList<SynonymEntry>& entries);

    // The table compiled into the program, read once.
    static const HeaderSynonyms& builtIn();

    // The entry whose key is key, or nullptr.
    const SynonymEntry* find(const QString& key) const;
    qsizetype size() const { return m_byKey.size(); }

private:
    QHash<QString, SynonymEntry> m_byKey;
};

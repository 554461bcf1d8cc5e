#pragma once

#include "FieldMapping.h"
#include "HeaderGrammar.h"
#include "HeaderSynonyms.h"

#include <QList>
#include <QString>
#include <QStringList>

// Recognises headers by the synonym table and the header grammar and pairs them with the fields
// still free, in the order of the headers given. A wrong pair is worse than a missing one: a
// header is paired only when its text, normalised, is a synonym (or is one once its numbers are
// left out, as "Business Street 2" is "Business Street"), or else when the grammar reads all its
// words ("Ville (domicile)", "Privat: PLZ"). Each field goes to one header, the closest: a whole
// synonym, then a header the grammar reads, then one found by leaving numbers out (a synonym's,
// then the grammar's); among equals the leftmost column. A numbered header stands for its field
// only where no header names that field without a number.
// mappedHeaders are the row's headers mapped already: they are never paired, but they and the
// fields not in freeFields count as present in the row, for the synonyms whose field depends
// on the row (see SynonymContext) and so that "Business Street 2" stays unpaired beside a
// "Business Street" however that one was mapped.
QList<FieldPair> suggestPairs(const QList<HeaderChoice>& headers, const QStringList& freeFields,
                              const QList<HeaderChoice>& mappedHeaders = {},
                              const HeaderSynonyms& synonyms = HeaderSynonyms::builtIn(),
                              const HeaderGrammar& grammar = HeaderGrammar::builtIn());

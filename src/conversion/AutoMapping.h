#pragma once

#include "FieldMapping.h"
#include "HeaderSynonyms.h"

#include <QList>
#include <QString>
#include <QStringList>

// Recognises headers by the synonym table and pairs them with the fields still free, in the
// order of the headers given. A wrong pair is worse than a missing one: a header is paired
// only when its text, normalised, is a synonym (or is one once its numbers are left out, as
// "Business Street 2" is "Business Street"), and each field goes to one header, the closest:
// a whole synonym before one found by leaving numbers out, then the leftmost column.
// mappedHeaders are the row's headers mapped already: they are never paired, but they and the
// fields not in freeFields count as present in the row, for the synonyms whose field depends
// on the row (see SynonymContext) and so that "Business Street 2" stays unpaired beside a
// "Business Street" however that one was mapped.
QList<FieldPair> suggestPairs(const QList<HeaderChoice>& headers, const QStringList& freeFields,
                              const QList<HeaderChoice>& mappedHeaders = {},
                              const HeaderSynonyms& synonyms = HeaderSynonyms::builtIn());

#pragma once

#include "FieldMapping.h"
#include "Status.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A saved mapping is a small JSON file:
//   {"format": 1, "pairs": [{"header": "First name", "column": "A", "field": "FirstName"}, ...]}
// "column" (the letters the header stood in) tells apart columns headed alike; it may be left
// out of a file written by hand.
inline constexpr int kMappingFileFormat = 1;

// One pair of a saved mapping.
struct SavedPair {
    QString header;
    QString column;
    QString field;
    friend bool operator==(const SavedPair&, const SavedPair&) = default;
};

// A mapping file read: its pairs, or a failure saying what is wrong with the file.
struct MappingFileRead {
    Status status = Status::success();
    QList<SavedPair> pairs;
};

// What a saved mapping gave on a sheet: the pairs applied, in the file's order, and those
// that were not, each with why.
struct AppliedMapping {
    enum class Reason { HeaderNotInSheet, UnknownField, AlreadyMapped };
    struct Left {
        SavedPair pair;
        Reason reason = Reason::HeaderNotInSheet;
    };
    QList<FieldPair> applied;
    QList<Left> notApplied;
};

// The pairs of the state's mapping list, in list order.
QList<SavedPair> savedPairs(const WizardState& state);

QByteArray mappingFileJson(const QList<SavedPair>& pairs);
// Reads a mapping file's text; the failure message says what is wrong with it.
MappingFileRead parseMappingFile(const QByteArray& json);
// The failure message names the file.
MappingFileRead readMappingFile(const QString& path);
Status writeMappingFile(const QString& path, const QList<SavedPair>& pairs);

// Matches saved pairs, in order, to a sheet: a pair applies when its header text stands in the
// sheet's header row (sheetHeaders) in a column still free (freeHeaders) and its field is a
// catalogue name still free (freeFields). When several free columns carry the header, the one
// with the saved letters is taken, else the leftmost.
AppliedMapping matchSavedPairs(const QList<SavedPair>& pairs,
                               const QList<HeaderChoice>& sheetHeaders,
                               QList<HeaderChoice> freeHeaders, QStringList freeFields);

// The lines telling which pairs were not applied and why; empty when all were.
QString notAppliedText(const AppliedMapping& result);

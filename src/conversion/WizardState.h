#pragma once

#include <QString>

#include <array>

struct WorkbookScanResult;

inline constexpr int kStateSlots = 101; // indices 0..100

using TextSlots = std::array<QString, kStateSlots>;

// Everything the wizard's steps hand on to each other. Slots at or beyond their count are
// never cleared and carry no meaning; the counts are the only record of what is valid.
struct WizardState {
    TextSlots headerNames;
    TextSlots mappedHeaders;
    TextSlots mappedFields;
    // Column index (0-based) each mapping was made from, so that two columns headed alike
    // can feed different fields.
    std::array<qint32, kStateSlots> mappedColumns{};
    qint32 mappingCount = 0;
    qint32 currentStep = 0;
    bool choicesFilled = false;
    TextSlots columnNames;
    qint32 headerCount = 0;
    qint32 itemCount = 0;
    qint32 progressDone = 0;
    QString outputFolder;

    // Row number of the last row counted by step 1 (0 when none): the conversion converts
    // the non-blank rows from 2 up to this one.
    qint32 lastItemRow = 0;
    // Header cells of row 1 beyond the 101 that fit (they are not offered for mapping).
    qint32 headersLeftOut = 0;
    // The worksheet step 1 read (0 is the first); the conversion reads the same one.
    qint32 sheetIndex = 0;
};

// Appends a mapping to the state's list: the header text, the field and the column the
// mapping was made from. False, and nothing changed, when the list is full.
bool appendMapping(WizardState& state, const QString& header, const QString& field, qint32 column);

// Takes step 1's reading into the state: the header row and the counts, progress back to 0
// and the mapping list emptied. A scan that read nothing, or failed, changes nothing.
void applyScan(WizardState& state, const WorkbookScanResult& scan);

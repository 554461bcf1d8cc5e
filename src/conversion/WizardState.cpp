#include "WizardState.h"

#include "WorkbookScan.h"

bool appendMapping(WizardState& state, const QString& header, const QString& field, qint32 column) {
    if (state.mappingCount < 0 || state.mappingCount >= kStateSlots) {
        return false;
    }
    const size_t k = size_t(state.mappingCount);
    state.mappedHeaders[k] = header;
    state.mappedFields[k] = field;
    state.mappedColumns[k] = column;
    ++state.mappingCount;
    return true;
}

void applyScan(WizardState& state, const WorkbookScanResult& scan) {
    if (!scan.read || !scan.status) {
        return;
    }
    const qint32 count = qMin(scan.header.count(), qint32(kStateSlots));
    for (qint32 i = 0; i < count; ++i) {
        state.headerNames[size_t(i)] = scan.header.names[i];
        state.columnNames[size_t(i)] = scan.header.letters[i];
    }
    state.headerCount = count;
    state.headersLeftOut = scan.header.leftOut;
    state.itemCount = scan.itemCount;
    state.lastItemRow = scan.lastItemRow;
    state.sheetIndex = scan.sheetIndex;
    state.progressDone = 0;
    state.mappingCount = 0;
}

#include "WorkbookScan.h"

#include "CellAddress.h"
#include "CellValue.h"
#include "Limits.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace {

const Sentence kItemsFound = E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "Items Found: "));

QString itemsFound(const QString& caption, qint32 itemCount) {
    // No row at all (itemCount 0) is no data row, not minus one.
    return caption + QLatin1Char(' ') + QString::number(std::max(itemCount - 1, 0));
}

} // namespace

QString itemsFoundText(qint32 itemCount) {
    return itemsFound(kItemsFound.toString(), itemCount);
}

QString itemsFoundLine(qint32 itemCount) {
    return itemsFound(QStringLiteral("Items Found: "), itemCount);
}

HeaderRow readHeaderRow(const WorkbookSource& source) {
    HeaderRow header;
    for (qint32 column = 0; column < limits::kMaxColumns; ++column) {
        const CellValue v = source.cellAt(1, column);
        if (isBlankCell(v)) {
            break;
        }
        if (header.count() == limits::kMaxHeaders) {
            ++header.leftOut; // counted so the user can be told, never kept
            continue;
        }
        header.letters.append(columnLetters(column));
        header.names.append(v.textForm());
    }
    return header;
}

WorkbookScanResult scanWorkbook(WorkbookSource& source, const QString& path, Yielder& yielder) {
    return scanWorkbook(source, path, 0, yielder);
}

WorkbookScanResult scanWorkbook(WorkbookSource& source, const QString& path, qint32 sheet,
                                Yielder& yielder) {
    WorkbookScanResult result;
    if (path.trimmed().isEmpty()) {
        return result;
    }
    result.status = source.openSheet(path, sheet, &yielder);
    if (!result.status) {
        return result;
    }
    result.read = true;
    result.sheetNames = source.sheetNames();
    result.sheetIndex = sheet;

    result.header = readHeaderRow(source);

    const qint32 headerCount = result.header.count();
    PreviewTable& preview = result.preview;
    preview.columns = headerCount;
    QStringList rowTexts;
    rowTexts.resize(headerCount);

    // The last row the sheet can hold is read too: a sheet filled to its limit keeps its
    // last contact.
    const qint32 last = source.sheetRowLimit();
    int blankRun = 0;
    for (qint32 r = 1; r <= last; ++r) {
        yielder.tick();
        qint32 blankCells = 0;
        // Texts are only kept for the preview rows; past them a row is only checked.
        const bool keepTexts = preview.rows.size() < kPreviewRows;
        for (qint32 m = 0; m < headerCount; ++m) {
            yielder.tick();
            const CellValue v = source.cellAt(r, m);
            if (isBlankCell(v)) {
                ++blankCells;
                rowTexts[m].clear();
            } else if (keepTexts) {
                rowTexts[m] = v.textForm();
            }
        }
        if (blankCells == headerCount) {
            ++blankRun;
        } else {
            blankRun = 0;
            if (preview.rows.size() < kPreviewRows) {
                preview.rows.append(rowTexts);
            }
            ++result.itemCount;
            result.lastItemRow = r;
        }
        if (blankRun == kBlankRowsEndData) {
            break;
        }
    }
    source.closeWorkbook();
    if (result.itemCount > 0) {
        result.itemsFound = itemsFoundText(result.itemCount);
    }
    return result;
}

int progressPercent(qint32 done, qint32 total) {
    if (total <= 0 || done <= 0) {
        return 0;
    }
    const double ratio = double(done) / double(total) * 100.0;
    // nearbyint rounds in the current mode, which is to-nearest with ties to even.
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(ratio);
    std::fesetround(oldMode);
    if (rounded >= 100.0) {
        return 100;
    }
    return int(rounded);
}

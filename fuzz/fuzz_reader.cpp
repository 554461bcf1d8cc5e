// libFuzzer target: one spreadsheet reader over arbitrary bytes. The bytes go through a file
// because the readers take paths, exactly as the program hands them over.
#include "CellValue.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <unistd.h>

#ifndef E2V_FUZZ_SUFFIX
#error "E2V_FUZZ_SUFFIX names the file extension the target reads"
#endif

namespace {
QString scratchPath() {
    static const QString path = QStringLiteral("/dev/shm/e2v-fuzz-%1%2")
                                    .arg(::getpid())
                                    .arg(QLatin1String(E2V_FUZZ_SUFFIX));
    return path;
}

// The other worksheets, a few of them: each is read on its own, with the same limits.
void readOtherSheets(FileWorkbookSource& source, Yielder& yielder) {
    QStringList names;
    const Status listed = listWorkbookSheets(scratchPath(), names);
    if (!listed && listed.message().isEmpty()) {
        __builtin_trap();
    }
    constexpr qsizetype kSheetsRead = 4;
    for (qint32 index = 1; index < qint32(std::min(names.size(), kSheetsRead)); ++index) {
        const WorkbookScanResult other = scanWorkbook(source, scratchPath(), index, yielder);
        if (!other.status && other.status.message().isEmpty()) {
            __builtin_trap();
        }
        if (other.status && other.sheetNames != names) {
            __builtin_trap(); // every sheet lists the same workbook
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Each input's file goes with it, so that a replay leaves nothing behind in /dev/shm.
    const struct RemoveScratch {
        ~RemoveScratch() { QFile::remove(scratchPath()); }
    } removeScratch;
    const QByteArray file = QFile::encodeName(scratchPath());
    std::FILE* f = std::fopen(file.constData(), "wb");
    if (!f) {
        return 0;
    }
    if (size > 0 && std::fwrite(data, 1, size, f) != size) {
        std::fclose(f);
        return 0;
    }
    std::fclose(f);

    // Step 1's reading: the header row, the rows below it, the preview.
    FileWorkbookSource source;
    Yielder yielder;
    const WorkbookScanResult scan = scanWorkbook(source, scratchPath(), yielder);
    if (!scan.status) {
        if (scan.status.message().isEmpty()) {
            __builtin_trap(); // every failure must say why
        }
        readOtherSheets(source, yielder); // a broken first sheet does not stop the others
        return 0;
    }
    // Then every cell the sheet holds, wherever it stands, and the empty places around the
    // top left corner.
    if (!source.openWorkbook(scratchPath())) {
        __builtin_trap(); // the cells just read are kept
    }
    const SheetData& sheet = source.sheet();
    for (qint64 i = 0; i < sheet.cellCount(); ++i) {
        const SheetData::Position at = sheet.positionAt(i);
        const CellValue v = source.cellAt(at.row, at.column);
        (void)isBlankCell(v);
        (void)v.textForm();
    }
    for (qint32 row = 1; row <= 50; ++row) {
        for (qint32 column = 0; column < 30; ++column) {
            (void)source.cellAt(row, column).textForm();
        }
    }
    source.closeWorkbook();

    readOtherSheets(source, yielder);
    return 0;
}

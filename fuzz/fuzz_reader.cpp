// libFuzzer target: one spreadsheet reader over arbitrary bytes. The bytes go through a file
// because the readers take paths, exactly as the program hands them over.
#include "CellValue.h"
#include "WorkbookSource.h"

#include <QByteArray>
#include <QFile>
#include <QString>

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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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

    FileWorkbookSource source;
    const Status status = source.openWorkbook(scratchPath());
    if (status) {
        // Touch what a caller touches: the header row and a few rows below it.
        for (qint32 row = 1; row <= 50; ++row) {
            for (qint32 column = 0; column < 30; ++column) {
                const CellValue v = source.cellAt(row, column);
                (void)isBlankCell(v);
                (void)v.textForm();
            }
        }
        source.closeWorkbook();
    } else if (status.message().isEmpty()) {
        __builtin_trap(); // every failure must say why
    }
    return 0;
}

#include "PackageWorkbook.h"

Status readPackageWorkbook(const QString& path, SheetData&, Yielder&, WorkbookFormat* format) {
    *format = WorkbookFormat::Unknown;
    return Status::failure(unreadableFileMessage(path, QStringLiteral("package reading is being built.")));
}

#include "XlsReader.h"

#include "WorkbookSource.h"

Status readXlsWorkbook(const QString& path, SheetData&, Yielder&, qint32& rowLimit) {
    rowLimit = 65536;
    return Status::failure(unreadableFileMessage(
        path, QStringLiteral("files in the Excel 97-2003 format (.xls) are not read yet. Save "
                             "it as .xlsx or .csv in your spreadsheet program and choose that "
                             "file.")));
}

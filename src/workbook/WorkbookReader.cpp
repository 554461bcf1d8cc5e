#include "WorkbookReader.h"

#include <QFileInfo>

QString unreadableFileMessage(const QString& path, const QString& reason) {
    return QStringLiteral("\u201c%1\u201d cannot be read: %2")
        .arg(QFileInfo(path).fileName(), reason);
}

QString missingSheetReason(qint32 sheet, qsizetype sheetCount) {
    return QStringLiteral("it has no worksheet number %1 (it has %2).")
        .arg(sheet + 1)
        .arg(sheetCount);
}

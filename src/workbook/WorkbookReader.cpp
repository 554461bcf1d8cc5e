#include "WorkbookReader.h"

#include <QFileInfo>

QString unreadableFileMessage(const QString& path, const QString& reason) {
    return QStringLiteral("\u201c%1\u201d cannot be read: %2")
        .arg(QFileInfo(path).fileName(), reason);
}

#include "WorkbookReader.h"

#include <QFileInfo>

Sentence unreadableFileMessage(const QString& path, Sentence reason) {
    return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "“%1” cannot be read: %2"))
        .arg(QFileInfo(path).fileName())
        .arg(std::move(reason));
}

QString unreadableFileMessage(const QString& path, const QString& reason) {
    return unreadableFileMessage(path, Sentence::plain(reason)).toString();
}

Sentence missingSheetReason(qint32 sheet, qsizetype sheetCount) {
    return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it has no worksheet number %1 (it has %2)."))
        .arg(sheet + 1)
        .arg(sheetCount);
}

Sentence damagedReason(Sentence why) {
    return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it is damaged (%1).")).arg(std::move(why));
}

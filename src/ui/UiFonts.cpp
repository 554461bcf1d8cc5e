#include "UiFonts.h"

#include <QFontDatabase>
#include <QStringList>

QFont designFont(const QString& family, qreal pointSize) {
    QFont font = QFontDatabase::families().contains(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    return font;
}

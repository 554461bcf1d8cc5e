#include "UiGeometry.h"

#include <QWidget>

QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void fitText(QWidget* widget) {
    const QSize hint = widget->sizeHint();
    QRect r = widget->geometry();
    if (hint.width() > r.width()) {
        r.setWidth(hint.width());
    }
    if (hint.height() > r.height()) {
        const int grow = hint.height() - r.height();
        r.setTop(r.top() - grow / 2);
        r.setHeight(hint.height());
    }
    widget->setGeometry(r);
}

// Draws the window's banner and the program icon into PNG files. The PNGs are committed
// under src/ui/resources; run this again after changing the drawing:
//   make_artwork OUTPUT_FOLDER

#include "ProductInfo.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QColor kDeepBlue(18, 52, 99);
const QColor kTeal(22, 122, 128);
const QColor kSheetGreen(33, 115, 70);
const QColor kCardWhite(250, 250, 247);

// A spreadsheet page: a green header band over a grid of cells.
void drawSheet(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
    const qreal band = r.height() * 0.2;
    QPainterPath top;
    top.addRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
    p.save();
    p.setClipRect(QRectF(r.left(), r.top(), r.width(), band));
    p.setBrush(kSheetGreen);
    p.drawPath(top);
    p.restore();
    p.setPen(QPen(QColor(160, 190, 170), qMax<qreal>(1.0, r.width() / 60)));
    const int rows = 4;
    const int columns = 3;
    for (int i = 1; i < rows; ++i) {
        const qreal y = r.top() + band + (r.height() - band) * i / rows;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
    for (int i = 1; i < columns; ++i) {
        const qreal x = r.left() + r.width() * i / columns;
        p.drawLine(QPointF(x, r.top() + band), QPointF(x, r.bottom() - 2));
    }
}

// A contact card: a person's head and shoulders on the left, text lines on the right.
void drawCard(QPainter& p, const QRectF& r, const QColor& accent) {
    p.setPen(QPen(QColor(0, 0, 0, 60), qMax<qreal>(1.0, r.width() / 80)));
    p.setBrush(kCardWhite);
    p.drawRoundedRect(r, r.height() * 0.12, r.height() * 0.12);
    const qreal unit = r.height();
    const QRectF face(r.left() + unit * 0.12, r.top() + unit * 0.16, unit * 0.5, unit * 0.68);
    p.setPen(Qt::NoPen);
    p.setBrush(accent.lighter(170));
    p.drawRoundedRect(face, unit * 0.06, unit * 0.06);
    p.setBrush(accent);
    const qreal head = face.width() * 0.38;
    p.drawEllipse(QPointF(face.center().x(), face.top() + face.height() * 0.34), head / 2,
                  head / 2);
    QPainterPath shoulders;
    const QRectF body(face.left() + face.width() * 0.16, face.top() + face.height() * 0.58,
                      face.width() * 0.68, face.height() * 0.6);
    shoulders.addEllipse(body);
    p.save();
    p.setClipRect(face);
    p.drawPath(shoulders);
    p.restore();
    p.setBrush(QColor(120, 130, 140));
    const qreal left = face.right() + unit * 0.12;
    const qreal width = r.right() - left - unit * 0.12;
    const qreal line = unit * 0.09;
    for (int i = 0; i < 3; ++i) {
        const qreal w = width * (i == 0 ? 1.0 : 0.75 - 0.15 * i);
        p.setBrush(i == 0 ? accent : QColor(150, 158, 166));
        p.drawRoundedRect(QRectF(left, r.top() + unit * (0.22 + 0.22 * i), w, line), line / 2,
                          line / 2);
    }
}

void drawArrow(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& colour) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, QPointF(to.x() - width * 1.2, to.y()));
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to.x() - width * 2.2, to.y() - width * 1.6);
    head.lineTo(to.x() - width * 2.2, to.y() + width * 1.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

QPixmap banner() {
    // 689 x 85; the window shows its left 640 pixels, so everything that matters lies there.
    QPixmap pixmap(689, 85);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 689, 85);
    sky.setColorAt(0, kDeepBlue);
    sky.setColorAt(1, kTeal);
    p.fillRect(pixmap.rect(), sky);
    // Faint cards in the background, drifting to the right.
    p.setOpacity(0.12);
    for (int i = 0; i < 6; ++i) {
        drawCard(p, QRectF(330 + i * 62, 8 + (i % 2) * 34, 70, 40), kCardWhite);
    }
    p.setOpacity(1.0);

    drawSheet(p, QRectF(16, 14, 46, 58));
    drawArrow(p, QPointF(70, 43), QPointF(96, 43), 4, QColor(255, 210, 80));
    drawCard(p, QRectF(102, 21, 78, 44), QColor(40, 96, 170));

    QFont title(u"DejaVu Sans"_s);
    title.setPixelSize(25);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(196, 12, 440, 34), Qt::AlignLeft | Qt::AlignVCenter, productName());
    // The line under the title is a sentence in the user's language: the window draws it.
    return pixmap;
}

QPixmap icon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, s, s);
    tile.setColorAt(0, kDeepBlue);
    tile.setColorAt(1, kTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
    drawSheet(p, QRectF(s * 0.14, s * 0.13, s * 0.42, s * 0.5));
    drawCard(p, QRectF(s * 0.3, s * 0.5, s * 0.58, s * 0.34), QColor(40, 96, 170));
    return pixmap;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = banner().save(folder + u"/banner.png"_s);
    for (int size : {48, 128, 256}) {
        ok = icon(size).save(folder + u"/excel2vcard-%1.png"_s.arg(size)) && ok;
    }
    return ok ? 0 : 1;
}

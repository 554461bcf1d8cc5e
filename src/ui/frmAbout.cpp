#include "frmAbout.h"

#include "ProductInfo.h"
#include "UiFonts.h"
#include "UiGeometry.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(u"frmAbout"_s);
    setWindowTitle(tr("About Us"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(designFont(u"Verdana"_s));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Light));
    setPalette(background);

    auto* lblTitle = new QLabel(applicationTitle(), this);
    lblTitle->setObjectName(u"lblTitle"_s);
    lblTitle->setGeometry(twips(120, 120, 3405, 240));
    QPalette black = lblTitle->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(black);

    auto* lblVersion = new QLabel(displayVersion(), this);
    lblVersion->setObjectName(u"lblVersion"_s);
    lblVersion->setGeometry(twips(1560, 480, 405, 225));

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setFont(designFont(u"MS Sans Serif"_s));
    cmdOK->setGeometry(twips(1200, 840, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    const QList<QWidget*> lines = {lblTitle, lblVersion, cmdOK};
    for (QWidget* widget : lines) {
        fitText(widget);
    }
    // The three lines stay centred one below the other, whatever width the fonts need.
    const int width = qMax(244, lblTitle->width() + 2 * lblTitle->x());
    for (QWidget* widget : lines) {
        widget->move((width - widget->width()) / 2, widget->y());
    }
    setFixedSize(width, qMax(91, cmdOK->geometry().bottom() + 8));
}

void frmAbout::cmdOK_Click() {
    close();
}

#include "DialogService.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("excel2vcard"));
    QApplication::setDesktopFileName(QStringLiteral("excel2vcard"));
    SystemDialogService dialogs;
    frmMain window(dialogs);
    window.show();
    return app.exec();
}

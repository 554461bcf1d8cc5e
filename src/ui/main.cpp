#include "DialogService.h"
#include "ProgramLanguage.h"
#include "frmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings file: ~/.config/excel2vcard/excel2vcard.conf.
    QApplication::setOrganizationName(QStringLiteral("excel2vcard"));
    QApplication::setApplicationName(QStringLiteral("excel2vcard"));
    QApplication::setDesktopFileName(QStringLiteral("excel2vcard"));
    installTranslations(app);
    SystemDialogService dialogs;
    frmMain window(dialogs);
    window.show();
    // "excel2vcard FILE" (as the desktop's Open With starts it) opens the file at once.
    if (const QString file = frmMain::fileArgument(QApplication::arguments()); !file.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    }
    return app.exec();
}

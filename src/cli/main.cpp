#include "CliApp.h"
#include "ProgramLanguage.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("excel2vcard-cli"));
    installTranslations(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = runCli(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return code;
}

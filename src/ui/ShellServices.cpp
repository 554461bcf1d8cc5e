#include "ShellServices.h"

#include "OutputPaths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString PickFolder(QWidget* owner, const QString& title) {
    // No start folder: the picker must not preselect the current save location.
    const QString chosen =
        QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) {
        return QString();
    }
    return QDir::toNativeSeparators(chosen);
}

QString GetSpecialFolder() {
    return defaultSaveLocation();
}

QUrl shellTargetUrl(const QString& target) {
    if (target.isEmpty()) {
        return QUrl();
    }
    const QUrl url(target, QUrl::StrictMode);
    // A one-letter scheme is a drive letter, not a web address.
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

void OpenWithShell(const QString& target) {
    const QUrl url = shellTargetUrl(target);
    if (!url.isValid()) {
        return;
    }
    QDesktopServices::openUrl(url);
}

QString userGuidePath() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        programDir + u"/user-guide.html"_s,
        QDir::cleanPath(programDir + u"/" E2V_GUIDE_RELATIVE_DIR "/user-guide.html"_s),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return QString();
}

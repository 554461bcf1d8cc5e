#include "DialogService.h"

#include "PasswordStore.h"

#include <QCoreApplication>

#include "ServerChoice.h"
#include "ServerDialog.h"
#include "ShellServices.h"

#include <QFileDialog>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon boxIcon(DialogService::Icon icon) {
    switch (icon) {
    case DialogService::Icon::None:
        return QMessageBox::NoIcon;
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Warning:
        return QMessageBox::Warning;
    case DialogService::Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString spreadsheetFileFilter() {
    return QCoreApplication::translate(
        "DialogService",
        "Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)");
}

QString mappingFileFilter() {
    return QCoreApplication::translate("DialogService", "Mapping (*.json);;All files (*)");
}

void SystemDialogService::showMessage(QWidget* owner, const QString& caption, const QString& text,
                                      Icon icon) {
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, owner);
    // File names and reader messages are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool SystemDialogService::askYesNo(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString SystemDialogService::openFileName(QWidget* owner, const QString& filter) {
    return QFileDialog::getOpenFileName(owner, QString(), QString(), filter);
}

QString SystemDialogService::saveFileName(QWidget* owner, const QString& filter,
                                          const QString& defaultSuffix) {
    QFileDialog dialog(owner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().constFirst()
               : QString();
}

QString SystemDialogService::pickFolder(QWidget* owner, const QString& title) {
    return PickFolder(owner, title);
}

QString SystemDialogService::specialFolder() {
    return GetSpecialFolder();
}

void SystemDialogService::openWithShell(const QString& target) {
    OpenWithShell(target);
}

bool SystemDialogService::editServer(QWidget* owner, ServerChoice& choice,
                                     const QList<HeaderChoice>& columns) {
    const bool keyring = Keyring::available();
    ServerDialog dialog(choice, columns, keyring, Keyring::readPassword, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    choice = dialog.choice();
    QString error;
    switch (keyringChange(choice, keyring)) {
    case KeyringChange::None:
        break;
    case KeyringChange::Write:
        if (!Keyring::writePassword(choice.user, keyringHost(choice), choice.password, &error)) {
            showMessage(owner, dialog.windowTitle(),
                        QCoreApplication::translate("DialogService",
                                                    "The password could not be kept in the "
                                                    "keyring: %1")
                            .arg(error),
                        Icon::Warning);
        }
        break;
    case KeyringChange::Delete:
        Keyring::deletePassword(choice.user, keyringHost(choice), nullptr);
        break;
    }
    return true;
}

std::optional<QString> SystemDialogService::storedPassword(const ServerChoice& choice) {
    if (choice.user.isEmpty() || !Keyring::available()) {
        return std::nullopt;
    }
    return Keyring::readPassword(choice.user, keyringHost(choice));
}

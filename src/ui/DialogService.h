#pragma once

#include "FieldMapping.h"

#include <QList>
#include <QString>

#include <optional>

class QWidget;
struct ServerChoice;

// Every modal hand-off of the window: message boxes, the file and folder pickers and the
// shell. The window asks through this so that tests can answer with a script.
class DialogService {
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~DialogService() = default;

    // A box with an OK button only.
    virtual void showMessage(QWidget* owner, const QString& caption, const QString& text,
                             Icon icon) = 0;
    // A box with Yes and No, Yes the default, no icon. True for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
    // The file-open dialog; empty text on cancel.
    virtual QString openFileName(QWidget* owner, const QString& filter) = 0;
    // The file-save dialog, which asks before replacing a file; empty text on cancel. A name
    // typed without an extension gets defaultSuffix.
    virtual QString saveFileName(QWidget* owner, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // The folder picker; empty text on cancel.
    virtual QString pickFolder(QWidget* owner, const QString& title) = 0;
    virtual QString specialFolder() = 0;
    virtual void openWithShell(const QString& target) = 0;
    // The server dialog, showing choice; true on OK, with choice as the user left it (the
    // keyring's entry is stored or removed as they asked). columns: the sheet's header columns.
    virtual bool editServer(QWidget* owner, ServerChoice& choice,
                            const QList<HeaderChoice>& columns) = 0;
    // The password the keyring holds for the choice's user and server. Called on the window's
    // thread only (the keyring's library is not made for others).
    virtual std::optional<QString> storedPassword(const ServerChoice& choice) = 0;
};

// The real dialogs and the desktop's shell.
class SystemDialogService final : public DialogService {
public:
    void showMessage(QWidget* owner, const QString& caption, const QString& text,
                     Icon icon) override;
    bool askYesNo(QWidget* owner, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* owner, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override;
    QString pickFolder(QWidget* owner, const QString& title) override;
    QString specialFolder() override;
    void openWithShell(const QString& target) override;
    bool editServer(QWidget* owner, ServerChoice& choice,
                    const QList<HeaderChoice>& columns) override;
    std::optional<QString> storedPassword(const ServerChoice& choice) override;
};

// The file dialog's filter: spreadsheets first, then OpenDocument, then all files.
QString spreadsheetFileFilter();

// The filter of the dialogs that save and load a mapping.
QString mappingFileFilter();

#pragma once

#include <QString>

class QWidget;

// Every modal hand-off of the window: message boxes, the file and folder pickers and the
// shell. The window asks through this so that tests can answer with a script.
class DialogService {
public:
    enum class Icon { None, Information, Warning };

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
};

// The file dialog's filter: spreadsheets first, then OpenDocument, then all files.
QString spreadsheetFileFilter();

// The filter of the dialogs that save and load a mapping.
QString mappingFileFilter();

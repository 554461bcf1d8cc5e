#pragma once

#include "DialogService.h"
#include "ServerChoice.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers the window's dialogs from a script and records what was asked.
class ScriptedDialogs final : public DialogService {
public:
    struct Message {
        QString caption;
        QString text;
        Icon icon = Icon::None;
    };

    // Answers, taken from the front; an empty list answers "cancel" (empty text, No).
    QStringList files;
    QStringList saveFiles;
    QStringList folders;
    QList<bool> answers;
    QString special;
    // The server dialog's answers, from the front: a choice for OK, nothing for Cancel.
    QList<std::optional<ServerChoice>> servers;
    // What the keyring holds for any user and server; with realKeyring, the desktop's keyring
    // is asked instead (only tests that run a keyring of their own set it).
    std::optional<QString> keyring;
    bool realKeyring = false;

    // What the window asked.
    QList<Message> messages;
    QList<Message> questions;
    QStringList filters;
    QStringList saveFilters;
    QStringList pickerTitles;
    QStringList opened;
    // The choice and the columns each server dialog was opened with.
    QList<ServerChoice> serverShown;
    QList<QList<HeaderChoice>> serverColumns;

    void showMessage(QWidget*, const QString& caption, const QString& text, Icon icon) override {
        messages.append({caption, text, icon});
    }
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override {
        questions.append({caption, text, Icon::None});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QString openFileName(QWidget*, const QString& filter) override {
        filters.append(filter);
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& filter, const QString&) override {
        saveFilters.append(filter);
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }
    QString pickFolder(QWidget*, const QString& title) override {
        pickerTitles.append(title);
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }
    QString specialFolder() override { return special; }
    void openWithShell(const QString& target) override { opened.append(target); }
    bool editServer(QWidget*, ServerChoice& choice, const QList<HeaderChoice>& columns) override {
        serverShown.append(choice);
        serverColumns.append(columns);
        const std::optional<ServerChoice> answer =
            servers.isEmpty() ? std::nullopt : servers.takeFirst();
        if (answer) {
            choice = *answer;
        }
        return answer.has_value();
    }
    std::optional<QString> storedPassword(const ServerChoice& choice) override {
        return realKeyring ? SystemDialogService().storedPassword(choice) : keyring;
    }
};

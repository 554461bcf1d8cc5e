#pragma once

#include "FieldMapping.h"
#include "ServerChoice.h"

#include <QDialog>
#include <QPointer>
#include <QThread>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct Discovery;

// The server step 3 sends to: its address, the sign-in, the address book (listed by Connect,
// on a worker thread, so the dialog stays usable), how contacts are matched with the cards
// already there, and whether those are left alone. The rules are serverDialogRules'.
class ServerDialog final : public QDialog {
    Q_OBJECT
public:
    // The password a keyring holds for a user at a host, if any; called on the dialog's thread.
    using StoredPassword =
        std::function<std::optional<QString>(const QString& user, const QString& host)>;

    // columns: the sheet's header columns, offered for matching.
    ServerDialog(const ServerChoice& choice, const QList<HeaderChoice>& columns,
                 bool keyringAvailable, StoredPassword storedPassword, QWidget* parent = nullptr);
    ~ServerDialog() override;

    // What the controls hold now.
    ServerChoice choice() const;
    // True while Connect's listing goes on.
    bool connecting() const { return m_worker != nullptr; }

    // Lists the address books of the account into the address book box.
    void connectToServer();

private:
    void updateRules();
    void showBooks(const Discovery& found);
    void showStatus(const QString& text, bool problem);

    bool m_keyringAvailable;
    StoredPassword m_storedPassword;
    QPointer<QThread> m_worker;

    QLineEdit* txtServerAddress = nullptr;
    QLineEdit* txtUser = nullptr;
    QLineEdit* txtPassword = nullptr;
    QCheckBox* chkRememberPassword = nullptr;
    QComboBox* cmbAddressBook = nullptr;
    QPushButton* cmdConnect = nullptr;
    QLabel* lblServerStatus = nullptr;
    QComboBox* cmbMatchBy = nullptr;
    QCheckBox* chkOnlyNew = nullptr;
    QDialogButtonBox* buttons = nullptr;
};

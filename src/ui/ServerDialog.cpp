#include "ServerDialog.h"

#include "DavClient.h"
#include "Discovery.h"
#include "WindowAccessibility.h"
#include "WorkerThread.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* makeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// A form row whose label is the control's buddy and its spoken name.
void addRow(QFormLayout* form, const QString& caption, QWidget* field, QWidget* control) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(spokenName(caption));
    form->addRow(label, field);
}

} // namespace

ServerDialog::ServerDialog(const ServerChoice& choice, const QList<HeaderChoice>& columns,
                           bool keyringAvailable, StoredPassword storedPassword, QWidget* parent)
    : QDialog(parent), m_keyringAvailable(keyringAvailable),
      m_storedPassword(std::move(storedPassword)) {
    setObjectName(u"ServerDialog"_s);
    setWindowTitle(tr("Address Book on a Server"));

    auto* form = new QFormLayout;
    txtServerAddress = makeEdit(u"txtServerAddress"_s, this);
    txtServerAddress->setPlaceholderText(tr("https://cloud.example.org"));
    txtServerAddress->setText(choice.address);
    txtServerAddress->setMinimumWidth(320);
    addRow(form, tr("Server &address:"), txtServerAddress, txtServerAddress);
    txtUser = makeEdit(u"txtUser"_s, this);
    txtUser->setText(choice.user);
    addRow(form, tr("&User name:"), txtUser, txtUser);
    txtPassword = makeEdit(u"txtPassword"_s, this);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setText(choice.password);
    txtPassword->setAccessibleDescription(
        tr("Needed only when the server asks for one; leave it empty to use the remembered one"));
    addRow(form, tr("&Password:"), txtPassword, txtPassword);
    chkRememberPassword = new QCheckBox(tr("&Remember password"), this);
    chkRememberPassword->setObjectName(u"chkRememberPassword"_s);
    chkRememberPassword->setAccessibleName(spokenName(chkRememberPassword->text()));
    chkRememberPassword->setChecked(choice.rememberPassword && keyringAvailable);
    if (!keyringAvailable) {
        chkRememberPassword->setToolTip(
            tr("No keyring runs on this desktop, so the password cannot be kept."));
        chkRememberPassword->setAccessibleDescription(chkRememberPassword->toolTip());
    }
    form->addRow(QString(), chkRememberPassword);

    cmbAddressBook = new QComboBox(this);
    cmbAddressBook->setObjectName(u"cmbAddressBook"_s);
    cmbAddressBook->setPlaceholderText(tr("The account's only one"));
    cmbAddressBook->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (!choice.addressBook.isEmpty()) {
        cmbAddressBook->addItem(choice.addressBookName.isEmpty() ? choice.addressBook
                                                                 : choice.addressBookName,
                                choice.addressBook);
        cmbAddressBook->setCurrentIndex(0);
    }
    cmdConnect = new QPushButton(tr("C&onnect"), this);
    cmdConnect->setObjectName(u"cmdConnect"_s);
    cmdConnect->setAccessibleName(spokenName(cmdConnect->text()));
    cmdConnect->setAccessibleDescription(tr("Lists the address books of the account"));
    auto* bookRow = new QHBoxLayout;
    bookRow->addWidget(cmbAddressBook, 1);
    bookRow->addWidget(cmdConnect);
    addRow(form, tr("Address &book:"), nullptr, cmbAddressBook);
    form->setLayout(form->rowCount() - 1, QFormLayout::FieldRole, bookRow);

    lblServerStatus = new QLabel(this);
    lblServerStatus->setObjectName(u"lblServerStatus"_s);
    lblServerStatus->setTextFormat(Qt::PlainText);
    lblServerStatus->setWordWrap(true);
    form->addRow(QString(), lblServerStatus);

    cmbMatchBy = new QComboBox(this);
    cmbMatchBy->setObjectName(u"cmbMatchBy"_s);
    cmbMatchBy->addItem(tr("E-mail address (default)"), -1);
    for (const HeaderChoice& column : columns) {
        cmbMatchBy->addItem(column.text, column.column);
    }
    cmbMatchBy->setCurrentIndex(qMax(0, cmbMatchBy->findData(choice.uidColumn)));
    cmbMatchBy->setAccessibleDescription(
        tr("What tells a contact of the sheet and its card on the server are the same"));
    addRow(form, tr("&Match contacts by:"), cmbMatchBy, cmbMatchBy);
    chkOnlyNew = new QCheckBox(tr("Only add &new contacts"), this);
    chkOnlyNew->setObjectName(u"chkOnlyNew"_s);
    chkOnlyNew->setAccessibleName(spokenName(chkOnlyNew->text()));
    chkOnlyNew->setAccessibleDescription(tr("Contacts already in the address book are left as "
                                            "they are"));
    chkOnlyNew->setChecked(choice.onlyNew);
    form->addRow(QString(), chkOnlyNew);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(u"buttons"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdConnect, &QPushButton::clicked, this, &ServerDialog::connectToServer);
    connect(txtServerAddress, &QLineEdit::textChanged, this, &ServerDialog::updateRules);
    // The address books listed are the old server's: another address needs Connect again.
    connect(txtServerAddress, &QLineEdit::textEdited, cmbAddressBook, &QComboBox::clear);
    connect(txtUser, &QLineEdit::textChanged, this, &ServerDialog::updateRules);
    updateRules();
}

// A listing still going on finishes on its own thread and tells no one.
ServerDialog::~ServerDialog() = default;

ServerChoice ServerDialog::choice() const {
    ServerChoice c;
    c.address = txtServerAddress->text().trimmed();
    c.user = txtUser->text().trimmed();
    c.password = txtPassword->text();
    c.rememberPassword = chkRememberPassword->isEnabled() && chkRememberPassword->isChecked();
    if (cmbAddressBook->currentIndex() >= 0) {
        c.addressBook = cmbAddressBook->currentData().toString();
        c.addressBookName = cmbAddressBook->currentText();
    }
    c.uidColumn = cmbMatchBy->currentData().toInt();
    c.onlyNew = chkOnlyNew->isChecked();
    return c;
}

void ServerDialog::updateRules() {
    const ServerChoice c = choice();
    const ServerDialogRules rules = serverDialogRules(c, m_keyringAvailable);
    cmdConnect->setEnabled(rules.connect && !connecting());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(rules.accept);
    chkRememberPassword->setEnabled(rules.remember);
    if (const Problem p = serverAddressProblem(c.address); !p.ok() && !c.address.isEmpty()) {
        showStatus(problemText(p), true);
    } else if (!connecting()) {
        showStatus(QString(), false);
    }
}

void ServerDialog::showStatus(const QString& text, bool problem) {
    lblServerStatus->setText(text);
    QPalette p = palette();
    if (problem) {
        p.setColor(QPalette::WindowText, QColor(192, 0, 0));
    }
    lblServerStatus->setPalette(p);
    lblServerStatus->setAccessibleName(text);
}

void ServerDialog::connectToServer() {
    const ServerChoice c = choice();
    if (connecting() || !serverDialogRules(c, m_keyringAvailable).connect) {
        return;
    }
    struct Job {
        ServerSettings settings;
        Discovery found;
    };
    auto job = std::make_shared<Job>();
    job->settings.url = serverUrl(c.address);
    job->settings.user = c.user;
    // Given only when the server asks: the typed one, else the keyring's, read here on the
    // dialog's thread (the keyring's library works on that thread only).
    std::optional<QString> password;
    if (!c.password.isEmpty()) {
        password = c.password;
    } else if (m_storedPassword && m_keyringAvailable && !c.user.isEmpty()) {
        password = m_storedPassword(c.user, keyringHost(c));
    }
    job->settings.password = [password] { return password; };
    showStatus(tr("Connecting..."), false);
    // The client and its network objects are made on the worker, where they are used.
    m_worker = startWorkerThread(
        this,
        [job] {
            DavClient client(job->settings);
            if (const Problem p = client.settingsProblem(); !p.ok()) {
                job->found.problem = p;
                return;
            }
            job->found = discoverAddressBooks(client, job->settings.url);
        },
        [this, job] {
            m_worker = nullptr;
            updateRules();
            showBooks(job->found);
        });
    updateRules();
}

void ServerDialog::showBooks(const Discovery& found) {
    if (!found.problem.ok()) {
        showStatus(problemText(found.problem), true);
        return;
    }
    const QString chosen = cmbAddressBook->currentData().toString();
    cmbAddressBook->clear();
    for (const AddressBook& book : found.books) {
        cmbAddressBook->addItem(book.name, book.url.toString());
    }
    // The book chosen before stays chosen; of a new account, the first.
    const int kept = cmbAddressBook->findData(chosen);
    cmbAddressBook->setCurrentIndex(kept >= 0 ? kept : 0);
    showStatus(tr("%n address book(s) found.", nullptr, static_cast<int>(found.books.size())),
               false);
}

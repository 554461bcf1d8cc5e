#pragma once

#include <QDialog>

// The About box: product title, version and OK. Modeless, owned by the main window, and
// destroyed when closed.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

public Q_SLOTS:
    void cmdOK_Click();
};

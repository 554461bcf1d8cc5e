#pragma once

#include "ScriptedDialogs.h"
#include "frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

inline QString fixturePath(const QString& name) {
    return QStringLiteral(E2V_FIXTURES_DIR "/") + name;
}

// A main window on scripted dialogs, with the user's actions as methods. Everything goes
// through the controls, found by their object names.
class WindowDriver {
public:
    WindowDriver() : window(std::make_unique<frmMain>(dialogs)) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            qFatal("the window was not shown");
        }
    }

    template <class T> T* get(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    QPushButton* button(const QString& name) const { return get<QPushButton>(name); }
    QComboBox* combo(const QString& name) const { return get<QComboBox>(name); }
    QLabel* label(const QString& name) const { return get<QLabel>(name); }
    QLineEdit* edit(const QString& name) const { return get<QLineEdit>(name); }
    QListWidget* mappedList() const { return get<QListWidget>(QStringLiteral("mappedList")); }
    QTabWidget* tabs() const { return get<QTabWidget>(QStringLiteral("ExportTab")); }
    QAction* action(const QString& name) const { return get<QAction>(name); }

    void click(const QString& name) const { button(name)->click(); }
    // Waits until the read or run an action started has ended and the window has shown how.
    void settle() const {
        QDeadlineTimer deadline(120000);
        while (window->busy() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        if (window->busy()) {
            qFatal("the window's read or run did not end");
        }
    }
    void browse(const QString& path) {
        dialogs.files.append(path);
        click(QStringLiteral("cmdBrowse"));
        settle();
    }
    void next() const {
        click(QStringLiteral("cmdNext"));
        settle();
    }
    void previous() const { click(QStringLiteral("cmdPrevious")); }
    void pick(const QString& comboName, const QString& text) const {
        QComboBox* box = combo(comboName);
        box->setCurrentIndex(box->findText(text));
    }
    void addMapping(const QString& header, const QString& field) const {
        pick(QStringLiteral("cmbHeader"), header);
        pick(QStringLiteral("cmbOutlook"), field);
        click(QStringLiteral("cmdAddMapping"));
    }
    void removeMapping(int row) const {
        mappedList()->setCurrentRow(row);
        click(QStringLiteral("cmdRemove"));
    }
    // Step 1 to step 3 with one mapping.
    void toExport(const QString& path, const QString& header, const QString& field) {
        browse(path);
        next();
        addMapping(header, field);
        next();
    }
    QStringList texts(const QString& comboName) const {
        QStringList items;
        QComboBox* box = combo(comboName);
        for (int i = 0; i < box->count(); ++i) {
            items.append(box->itemText(i));
        }
        return items;
    }
    QStringList listTexts() const {
        QStringList items;
        for (int i = 0; i < mappedList()->count(); ++i) {
            items.append(mappedList()->item(i)->text());
        }
        return items;
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const ScriptedDialogs::Message& m : dialogs.messages) {
            texts.append(m.text);
        }
        return texts;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
};

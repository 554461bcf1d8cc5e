// The window as a keyboard user and a screen reader meet it: what is spoken is what is shown,
// the version written is the one checked however it was checked, a disabled step cannot be
// entered, and a whole conversion can be done with keys alone.

#include "WindowDriver.h"

#include "PreviewGrid.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QMessageBox>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kContacts = fixturePath(u"contacts/contacts.csv"_s);

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (!found) {
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return found;
}

// The VERSION lines of every card written under a folder, each once.
QStringList cardVersions(const QString& folder) {
    QStringList versions;
    QDirIterator it(folder, {u"*.vcf"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) {
            return {u"unreadable"_s};
        }
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line.trimmed());
            if (text.startsWith(u"VERSION:"_s) && !versions.contains(text)) {
                versions.append(text);
            }
        }
    }
    return versions;
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// Presses Tab (Shift+Tab backwards) until the control has the focus, as a keyboard user
// would; false if it is not reached within a round of the window.
bool tabTo(QWidget* target, bool backwards = false) {
    for (int i = 0; i < 40 && focused() != target; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return focused() == target;
}

// The dialogs a user sees: the real file dialog and message boxes. Only the save location's
// default and the shell are the test's, so that nothing leaves the temporary folder.
class RealDialogs final : public DialogService {
public:
    explicit RealDialogs(QString special) : m_special(std::move(special)) {}

    // Recorded, not shown: an unexpected message fails the test instead of waiting for a key.
    void showMessage(QWidget*, const QString&, const QString& text, Icon) override {
        messages.append(text);
    }
    bool askYesNo(QWidget* owner, const QString& caption, const QString& text) override {
        return m_system.askYesNo(owner, caption, text);
    }
    QString openFileName(QWidget* owner, const QString& filter) override {
        return m_system.openFileName(owner, filter);
    }
    QString saveFileName(QWidget* owner, const QString& filter,
                         const QString& defaultSuffix) override {
        return m_system.saveFileName(owner, filter, defaultSuffix);
    }
    QString pickFolder(QWidget* owner, const QString& title) override {
        return m_system.pickFolder(owner, title);
    }
    QString specialFolder() override { return m_special; }
    void openWithShell(const QString& target) override { opened.append(target); }
    bool editServer(QWidget* owner, ServerChoice& choice,
                    const QList<HeaderChoice>& columns) override {
        return m_system.editServer(owner, choice, columns);
    }
    // The desktop's keyring is not the test's.
    std::optional<QString> storedPassword(const ServerChoice&) override { return std::nullopt; }

    QStringList messages;
    QStringList opened;

private:
    SystemDialogService m_system;
    QString m_special;
};

// Runs keys on the next modal dialog of type T once it is up.
template <class T> void whenDialogOpens(std::function<void(T*)> keys) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, keys] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            // The offscreen platform has no window manager to give a new dialog the focus.
            QApplication::setActiveWindow(dialog);
            if (QTest::qWaitForWindowActive(dialog)) {
                keys(dialog);
            } else {
                dialog->reject();
            }
        }
    });
    poll->start();
}

} // namespace

class TestUiAccess : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_save;

    void activate(WindowDriver& d) {
        QApplication::setActiveWindow(d.window.get());
        QVERIFY(QTest::qWaitForWindowActive(d.window.get()));
    }

    // Drives a window to a stage of the wizard, with one mapping from step 2 on.
    void driveTo(WindowDriver& d, const QString& stage) {
        d.dialogs.special = m_save->path();
        d.dialogs.answers = {true};
        if (stage == u"start"_s) {
            return;
        }
        d.browse(kContacts);
        if (stage == u"select"_s) {
            return;
        }
        d.next();
        d.addMapping(u"First name"_s, u"FirstName"_s);
        if (stage == u"mapping"_s) {
            return;
        }
        d.next();
        if (stage == u"converted"_s) {
            d.next();
        } else if (stage == u"back"_s) {
            d.previous();
        }
    }

private Q_SLOTS:
    void init() { m_save.reset(new QTemporaryDir); }

    // The run writes the version of the checked button, whichever way it was checked.
    void versionFollowsCheckedButton_data() {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("version");
        QTest::addRow("untouched") << u""_s << u"2.1"_s;
        QTest::addRow("mouse") << u"mouse Opt3"_s << u"3.0"_s;
        QTest::addRow("setChecked") << u"set Opt4"_s << u"4.0"_s;
        QTest::addRow("arrow keys") << u"right right"_s << u"4.0"_s;
        QTest::addRow("arrow keys there and back") << u"right right left"_s << u"3.0"_s;
        QTest::addRow("accessibility action") << u"action Opt3"_s << u"3.0"_s;
        QTest::addRow("accessibility action, then code") << u"action Opt4 set Opt2"_s << u"2.1"_s;
    }
    void versionFollowsCheckedButton() {
        QFETCH(QString, route);
        QFETCH(QString, version);
        WindowDriver d;
        driveTo(d, u"export"_s);
        activate(d);
        const QStringList words = route.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString& word = words[i];
            if (word == u"right"_s || word == u"left"_s) {
                if (!qobject_cast<QRadioButton*>(focused())) {
                    d.get<QRadioButton>(u"Opt2"_s)->setFocus(Qt::TabFocusReason);
                }
                QTest::keyClick(focused(), word == u"right"_s ? Qt::Key_Right : Qt::Key_Left);
                continue;
            }
            auto* button = d.get<QRadioButton>(words[++i]);
            if (word == u"mouse"_s) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (word == u"set"_s) {
                button->setChecked(true);
            } else if (word == u"action"_s) {
                QAccessibleActionInterface* actions = accessible(button)->actionInterface();
                QVERIFY(actions);
                const QStringList names = actions->actionNames();
                QVERIFY2(!names.isEmpty(), qPrintable(button->objectName()));
                actions->doAction(names.first());
            }
        }
        const QString shown = version == u"2.1"_s   ? u"Opt2"_s
                              : version == u"3.0"_s ? u"Opt3"_s
                                                    : u"Opt4"_s;
        QVERIFY(d.get<QRadioButton>(shown)->isChecked());
        QCOMPARE(vCardVersionText(d.window->conversionOptions().vCardVersion), version);
        d.next();
        QCOMPARE(d.dialogs.questions.size(), 1);
        QCOMPARE(cardVersions(m_save->path()), {u"VERSION:"_s + version});
    }

    // What a screen reader reads is what the window shows.
    void spokenTexts_data() {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("value"); // the Value text, else the Name
        QTest::addColumn<QString>("expected");

        QTest::addRow("Next") << u"start"_s << u"cmdNext"_s << false << u"Next"_s;
        QTest::addRow("Previous") << u"mapping"_s << u"cmdPrevious"_s << false << u"Previous"_s;
        QTest::addRow("Convert") << u"export"_s << u"cmdNext"_s << false << u"Convert"_s;
        QTest::addRow("Next after Previous") << u"back"_s << u"cmdNext"_s << false << u"Next"_s;
        QTest::addRow("items found")
            << u"select"_s << u"statusIndicatorPanel2"_s << false << u"Items Found:  6"_s;
        QTest::addRow("file path name")
            << u"select"_s << u"txtExcelPath"_s << false << u"Select Excel File"_s;
        QTest::addRow("file path value") << u"select"_s << u"txtExcelPath"_s << true << kContacts;
        QTest::addRow("save path name")
            << u"export"_s << u"txtvCardSavePath"_s << false << u"Saving Location"_s;
        QTest::addRow("save path value")
            << u"export"_s << u"txtvCardSavePath"_s << true << u"<save>"_s;
        QTest::addRow("mapping item")
            << u"mapping"_s << u"mappedList:0"_s << false << u"First name to FirstName"_s;
        QTest::addRow("field box's text part")
            << u"mapping"_s << u"cmbOutlook:edit"_s << false << u"vCard Fields"_s;
        QTest::addRow("contacts count before the run")
            << u"export"_s << u"lblContactCount"_s << false << u"Number of Contacts Added: 0"_s;
        QTest::addRow("contacts count") << u"converted"_s << u"lblContactCount"_s << false
                                        << u"Number of Contacts Added: 6/6"_s;
        QTest::addRow("empty e-mail count") << u"converted"_s << u"lblNotNullCount"_s << false
                                            << u"Number of Empty Email Contact(s): 0"_s;
        QTest::addRow("progress") << u"converted"_s << u"statusBar"_s << true << u"100"_s;
    }
    void spokenTexts() {
        QFETCH(QString, stage);
        QFETCH(QString, control);
        QFETCH(bool, value);
        QFETCH(QString, expected);
        WindowDriver d;
        driveTo(d, stage);
        QAccessibleInterface* iface = nullptr;
        if (control == u"mappedList:0"_s) {
            QAccessibleTableInterface* list = accessible(d.mappedList())->tableInterface();
            QVERIFY(list);
            iface = list->cellAt(0, 0);
        } else if (control == u"cmbOutlook:edit"_s) {
            iface = accessible(d.combo(u"cmbOutlook"_s)->lineEdit());
        } else {
            iface = accessible(d.get<QWidget>(control));
        }
        QVERIFY(iface);
        if (expected == u"<save>"_s) {
            expected = m_save->path();
        }
        QCOMPARE(iface->text(value ? QAccessible::Value : QAccessible::Name), expected);
        if (control == u"statusBar"_s) {
            QCOMPARE(iface->valueInterface()->currentValue().toInt(), 100);
        }
    }

    // On each step the tab of that step is selected and the others are disabled, and no
    // route enters a disabled one.
    void disabledStepsRefused_data() {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("route");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("shown");

        const QList<std::pair<QString, int>> stages = {
            {u"select"_s, 0}, {u"mapping"_s, 1}, {u"export"_s, 2}};
        for (const auto& [stage, shown] : stages) {
            for (int target = 0; target < 3; ++target) {
                if (target == shown) {
                    continue;
                }
                for (const QString& route :
                     {u"QTabWidget::setCurrentIndex"_s, u"QTabBar::setCurrentIndex"_s,
                      u"accessibility action"_s, u"mouse"_s}) {
                    QTest::addRow("%s, %s to tab %d", qPrintable(stage), qPrintable(route),
                                  target + 1)
                        << stage << route << target << shown;
                }
            }
            for (const QString& keys :
                 {u"Ctrl+Tab"_s, u"Ctrl+Shift+Tab"_s, u"Ctrl+PgDown"_s, u"Ctrl+PgUp"_s}) {
                QTest::addRow("%s, %s", qPrintable(stage), qPrintable(keys))
                    << stage << keys << -1 << shown;
            }
        }
    }
    void disabledStepsRefused() {
        QFETCH(QString, stage);
        QFETCH(QString, route);
        QFETCH(int, target);
        QFETCH(int, shown);
        WindowDriver d;
        driveTo(d, stage);
        activate(d);
        QTabWidget* tabs = d.tabs();
        QTabBar* bar = tabs->tabBar();
        QAccessibleInterface* barFace = accessible(bar);
        QCOMPARE(barFace->childCount(), 3);
        auto tabStates = [&] {
            QString states;
            for (int i = 0; i < 3; ++i) {
                const QAccessible::State s = barFace->child(i)->state();
                states += s.selected ? u'S' : s.disabled ? u'-' : u'E';
            }
            return states;
        };
        QString expected = u"---"_s;
        expected[shown] = u'S';
        QCOMPARE(tabStates(), expected);

        if (route == u"QTabWidget::setCurrentIndex"_s) {
            tabs->setCurrentIndex(target);
        } else if (route == u"QTabBar::setCurrentIndex"_s) {
            bar->setCurrentIndex(target);
        } else if (route == u"accessibility action"_s) {
            QAccessibleInterface* tab = barFace->child(target);
            QCOMPARE(tab->text(QAccessible::Name), bar->tabText(target));
            QVERIFY(tab->actionInterface()->actionNames().isEmpty());
            tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else if (route == u"mouse"_s) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(target).center());
        } else {
            const QKeySequence keys(route);
            tabs->currentWidget()->setFocus();
            QTest::keySequence(focused(), keys);
        }
        QCOMPARE(tabs->currentIndex(), shown);
        QCOMPARE(tabs->currentWidget(), tabs->widget(shown));
        QVERIFY(tabs->widget(shown)->isVisible());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tabs->widget(i)->isVisible(), i == shown);
        }
        QCOMPARE(d.window->state().currentStep, shown + 1);
        QCOMPARE(tabStates(), expected);
        // The toolbar's Browse follows the step really shown.
        QCOMPARE(d.action(u"OpenExcel"_s)->isEnabled(), shown == 0);
    }

    // The preview grid presents the header row and data rows read, in the workbook's
    // columns, while it keeps its 1000 x 100 look.
    void previewGridPresentsData() {
        QTemporaryDir dir;
        const QString two = dir.filePath(u"two.csv"_s);
        QFile file(two);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name,Mail\nAnn,ann@example.com\n");
        file.close();

        WindowDriver d;
        auto* grid = d.get<PreviewGrid>(u"sourceExcelData"_s);
        QAccessibleInterface* face = accessible(grid);
        QAccessibleTableInterface* table = face->tableInterface();
        QVERIFY(table);
        QCOMPARE(face->role(), QAccessible::Table);
        QCOMPARE(face->text(QAccessible::Name), u"Excel File Preview"_s);
        QCOMPARE(face->childCount(), 0);

        d.browse(kContacts);
        QCOMPARE(grid->model()->rowCount(), 999);
        QCOMPARE(grid->model()->columnCount(), 99);
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->columnCount(), 8);
        QCOMPARE(face->childCount(), 8 * 7);
        QCOMPARE(face->child(0)->role(), QAccessible::ColumnHeader);
        QCOMPARE(face->child(0)->text(QAccessible::Name), u"First name"_s);
        QCOMPARE(face->child(7)->text(QAccessible::Name), u"Notes"_s);
        QCOMPARE(face->child(8)->text(QAccessible::Name), u"José"_s);
        QCOMPARE(table->cellAt(2, 1)->text(QAccessible::Name), u"O'Brien"_s);
        QCOMPARE(table->cellAt(5, 0)->text(QAccessible::Name), u"田中"_s);
        QVERIFY(!table->cellAt(6, 0));
        QVERIFY(!table->cellAt(0, 8));
        QVERIFY(!face->child(8 * 7));
        for (int i : {0, 7, 8, 8 * 7 - 1}) {
            QCOMPARE(face->indexOfChild(face->child(i)), i);
            QCOMPARE(face->child(i)->parent(), face);
        }
        QAccessibleTableCellInterface* cell = table->cellAt(3, 3)->tableCellInterface();
        QVERIFY(cell);
        QCOMPARE(cell->rowIndex(), 3);
        QCOMPARE(cell->columnIndex(), 3);
        QCOMPARE(cell->columnHeaderCells().value(0)->text(QAccessible::Name), u"Phone"_s);
        // Moving to a cell tells which child it is; a cell beyond the data is no child.
        QCOMPARE(grid->accessibleChild(grid->model()->index(0, 0)), 8);
        QCOMPARE(grid->accessibleChild(grid->model()->index(5, 7)), 8 * 7 - 1);
        QCOMPARE(grid->accessibleChild(grid->model()->index(6, 0)), -1);
        QCOMPARE(grid->accessibleChild(grid->model()->index(0, 50)), -1);
        const QRect at = table->cellAt(1, 2)->rect();
        QCOMPARE(face->childAt(at.center().x(), at.center().y()), table->cellAt(1, 2));

        // A smaller workbook shrinks the table; the cells it no longer has are gone.
        QAccessibleInterface* old = table->cellAt(4, 5);
        d.browse(two);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(face->childCount(), 4);
        QVERIFY(!table->cellAt(4, 5));
        QVERIFY(!old->isValid());
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), u"ann@example.com"_s);
    }

    // An accessibility client chooses in both boxes of step 2 by selecting an item of the
    // box's list, and adds the pair with the button's action.
    void mappingThroughAccessibility() {
        WindowDriver d;
        driveTo(d, u"select"_s);
        d.next();
        auto choose = [](QComboBox* box, const QString& text) {
            QAccessibleInterface* list = accessible(box)->child(0);
            QVERIFY(list && list->tableInterface());
            QAccessibleInterface* item = nullptr;
            for (int row = 0; row < list->tableInterface()->rowCount() && !item; ++row) {
                QAccessibleInterface* cell = list->tableInterface()->cellAt(row, 0);
                if (cell->text(QAccessible::Name) == text) {
                    item = cell;
                }
            }
            QVERIFY2(item, qPrintable(text));
            QVERIFY(item->actionInterface());
            item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            QCOMPARE(box->currentText(), text);
        };
        choose(d.combo(u"cmbHeader"_s), u"Phone"_s);
        choose(d.combo(u"cmbOutlook"_s), u"MobileNumber"_s);
        if (QTest::currentTestFailed()) {
            return;
        }
        accessible(d.button(u"cmdAddMapping"_s))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(d.listTexts(), QStringList{u"Phone\t->\tMobileNumber"_s});
        QVERIFY(d.dialogs.messages.isEmpty());
        // The choice the box made its own is cleared with the others after Add.
        QCOMPARE(d.combo(u"cmbHeader"_s)->currentIndex(), -1);
    }

    // The path boxes are reached and read, never typed into.
    void pathBoxesReadOnly_data() {
        QTest::addColumn<QString>("box");
        QTest::addRow("file") << u"txtExcelPath"_s;
        QTest::addRow("save location") << u"txtvCardSavePath"_s;
    }
    void pathBoxesReadOnly() {
        QFETCH(QString, box);
        WindowDriver d;
        driveTo(d, box == u"txtExcelPath"_s ? u"select"_s : u"export"_s);
        activate(d);
        QLineEdit* edit = d.edit(box);
        const QString path = edit->text();
        QVERIFY(!path.isEmpty());
        d.tabs()->currentWidget()->setFocus();
        QVERIFY(tabTo(edit));
        QTest::keyClicks(edit, u"typed"_s);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QApplication::clipboard()->setText(u"pasted"_s);
        QTest::keySequence(edit, QKeySequence::Paste);
        QAccessibleInterface* face = accessible(edit);
        QVERIFY(face->state().readOnly);
        QVERIFY(face->state().focused);
        face->setText(QAccessible::Value, u"set"_s);
        if (QAccessibleEditableTextInterface* text = face->editableTextInterface()) {
            text->insertText(0, u"inserted"_s);
            text->replaceText(0, 1, u"replaced"_s);
            text->deleteText(0, 3);
        }
        QCOMPARE(edit->text(), path);
        QCOMPARE(face->text(QAccessible::Value), path);
    }

    // A whole conversion by keys alone, through the real file dialog and end question.
    void keyboardOnlyConversion() {
        RealDialogs dialogs(m_save->path());
        frmMain window(dialogs);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto get = [&](const QString& name) { return window.findChild<QWidget*>(name); };

        // Browse by its mnemonic; type the file's name into the dialog and press Enter.
        whenDialogOpens<QFileDialog>([](QFileDialog* dialog) {
            QTest::keyClicks(QApplication::focusWidget(), kContacts);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (dialog->isVisible()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
        });
        QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(qobject_cast<QLineEdit*>(get(u"txtExcelPath"_s))->text(), kContacts);
        QTRY_VERIFY(!window.busy());
        QApplication::setActiveWindow(&window); // as the window manager would
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A mnemonic presses its button after a short animation.
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(window.state().currentStep, 2);

        // Three mappings and one taken back: the header by its first letters, the field typed.
        auto map = [&](const QString& header, const QString& field) {
            QVERIFY(tabTo(get(u"cmbHeader"_s)));
            // A pause, as a person makes: letters typed in one go search as one word.
            QTest::qWait(QApplication::keyboardInputInterval() + 50);
            QTest::keyClicks(focused(), header);
            QVERIFY(tabTo(get(u"cmbOutlook"_s)));
            QTest::keyClicks(focused(), field);
            const int mapped = window.state().mappingCount;
            QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
            QTRY_COMPARE(window.state().mappingCount, mapped + 1);
        };
        map(u"First"_s, u"FirstName"_s);
        map(u"Notes"_s, u"Notes"_s);
        map(u"Last"_s, u"LastName"_s);
        if (QTest::currentTestFailed()) {
            return;
        }
        auto* list = qobject_cast<QListWidget*>(get(u"mappedList"_s));
        QCOMPARE(list->count(), 3);
        QVERIFY(tabTo(list));
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Down); // the second mapping: Notes
        QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(list->count(), 2);
        map(u"Phone"_s, u"BusinessTelephoneNumber"_s);
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
        QCOMPARE(texts, QStringList({u"First name\t->\tFirstName"_s, u"Last name\t->\tLastName"_s,
                                     u"Phone\t->\tBusinessTelephoneNumber"_s}));
        QVERIFY(dialogs.messages.isEmpty());
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(window.state().currentStep, 3);

        // 3.0 by the arrow keys, then Convert with the space bar; Enter answers the question.
        QVERIFY(tabTo(get(u"Opt2"_s)));
        QTest::keyClick(focused(), Qt::Key_Right);
        QCOMPARE(focused(), get(u"Opt3"_s));
        QVERIFY(tabTo(get(u"cmdNext"_s)));
        bool asked = false;
        whenDialogOpens<QMessageBox>([&asked](QMessageBox*) {
            asked = true;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(focused(), Qt::Key_Space);
        QTRY_VERIFY(asked);
        QTRY_COMPARE(dialogs.opened.size(), 1);
        QCOMPARE(cardVersions(m_save->path()), {u"VERSION:3.0"_s});
        QCOMPARE(QDir(dialogs.opened.first()).entryList(QDir::Files).size(), 6);
    }
};

QTEST_MAIN(TestUiAccess)
#include "test_ui_access.moc"

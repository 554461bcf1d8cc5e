// What a person sees and what a keyboard or screen reader reaches, on every step: no caption
// cut by its control, no control over another, a name for each control, unique mnemonics
// and a tab order that follows the layout. Run in every language the program speaks (LANGUAGE
// names it, as for the program).

#include "ProgramLanguage.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QRect inWindow(const QWidget* widget) {
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

bool isCaptioned(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget);
}

// Whether a list box shows its chosen item whole.
bool showsItsText(const QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.currentText = box->currentText();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    return box->fontMetrics().horizontalAdvance(box->currentText()) <= field.width();
}

} // namespace

class TestUiLayout : public QObject {
    Q_OBJECT

private:
    // Drives a window to the step named; on step 3 the count labels are shown.
    void driveTo(WindowDriver& d, const QString& step) {
        d.dialogs.special = m_save.path();
        if (step == u"select, sheets"_s) {
            // A workbook of several worksheets shows the sheet chooser too.
            d.browse(fixturePath(u"sheets/several-sheets.xlsx"_s));
            return;
        }
        d.browse(fixturePath(u"contacts/contacts.csv"_s));
        if (step == u"select"_s) {
            return;
        }
        d.next();
        d.addMapping(u"Full name"_s, u"FullName"_s);
        if (step == u"mapping"_s) {
            return;
        }
        d.next();
        d.dialogs.folders = {m_save.path()};
        d.click(u"CmdChangevCardPath"_s);
        d.get<QProgressBar>(u"statusBar"_s)->show();
    }

    // The controls a person deals with on the shown step: the tab's own and the two
    // wizard buttons.
    QList<QWidget*> stepControls(WindowDriver& d) {
        QList<QWidget*> controls;
        for (QObject* child : d.tabs()->currentWidget()->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget->isVisible()) {
                controls.append(widget);
            }
        }
        controls << d.button(u"cmdPrevious"_s) << d.button(u"cmdNext"_s);
        return controls;
    }

    // The step's controls and those of the card preview beside the steps, shown on every step.
    QList<QWidget*> stepAndPreviewControls(WindowDriver& d) {
        QList<QWidget*> controls = stepControls(d);
        for (const QString& name :
             {u"lblCardPreview"_s, u"lblPreviewContact"_s, u"spnPreviewContact"_s,
              u"lblPreviewRow"_s, u"txtCardPreview"_s, u"lblNotWritten"_s}) {
            QWidget* widget = d.get<QWidget>(name);
            if (widget->isVisible()) {
                controls.append(widget);
            }
        }
        return controls;
    }

    QTemporaryDir m_save;

private Q_SLOTS:
    // The language asked for is the one the window speaks, not English by a missing catalogue.
    void speaksTheLanguageAskedFor() {
        const QString language = qEnvironmentVariable("LANGUAGE");
        if (language.isEmpty() || language.startsWith(u"en"_s)) {
            QSKIP("English");
        }
        WindowDriver d;
        QVERIFY2(d.tabs()->tabText(2) != u"3. Export"_s, qPrintable(language));
    }

    // Room is made only where a language needs it: the English window keeps its designed size.
    void englishKeepsTheDesignedSize() {
        const QString language = qEnvironmentVariable("LANGUAGE");
        if (!language.isEmpty() && !language.startsWith(u"en"_s)) {
            QSKIP("not English");
        }
        WindowDriver d;
        QCOMPARE(d.window->centralWidget()->size(), QSize(15120 / 15, 7095 / 15));
    }

    void steps_data() {
        QTest::addColumn<QString>("step");
        QTest::addRow("1. Select") << u"select"_s;
        QTest::addRow("1. Select, several sheets") << u"select, sheets"_s;
        QTest::addRow("2. Map Columns") << u"mapping"_s;
        QTest::addRow("3. Export") << u"export"_s;
    }

    void nothingCutOrCovered_data() { steps_data(); }
    void nothingCutOrCovered() {
        QFETCH(QString, step);
        WindowDriver d;
        driveTo(d, step);
        const QList<QWidget*> controls = stepAndPreviewControls(d);
        for (QWidget* widget : controls) {
            const QString name = widget->objectName();
            const QSize hint = widget->sizeHint();
            if (isCaptioned(widget)) {
                QVERIFY2(hint.width() <= widget->width(),
                         qPrintable(u"%1 needs %2 px, has %3"_s.arg(name)
                                        .arg(hint.width())
                                        .arg(widget->width())));
            }
            if (auto* box = qobject_cast<QComboBox*>(widget); box && !box->isEditable()) {
                QVERIFY2(showsItsText(box), qPrintable(name + u" cuts "_s + box->currentText()));
            }
            if (isCaptioned(widget) || qobject_cast<QComboBox*>(widget) ||
                qobject_cast<QLineEdit*>(widget)) {
                QVERIFY2(hint.height() <= widget->height(),
                         qPrintable(u"%1 needs %2 px high, has %3"_s.arg(name)
                                        .arg(hint.height())
                                        .arg(widget->height())));
            }
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                     qPrintable(name + u" runs off its tab"_s));
        }
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!inWindow(controls[i]).intersects(inWindow(controls[j])),
                         qPrintable(controls[i]->objectName() + u" covers "_s +
                                    controls[j]->objectName()));
            }
        }
    }

    void everyControlHasAName_data() { steps_data(); }
    void everyControlHasAName() {
        QFETCH(QString, step);
        WindowDriver d;
        driveTo(d, step);
        for (QWidget* widget : stepAndPreviewControls(d)) {
            if (!(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QLabel*>(widget)) {
                continue;
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible, qPrintable(widget->objectName()));
            QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(widget->objectName() + u" has no accessible name"_s));
        }
    }

    void mnemonicsDoNotClash_data() { steps_data(); }
    void mnemonicsDoNotClash() {
        QFETCH(QString, step);
        WindowDriver d;
        driveTo(d, step);
        QStringList captions;
        for (QWidget* widget : stepAndPreviewControls(d)) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                captions << button->text();
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (label->buddy()) {
                    captions << label->text();
                }
            }
        }
        for (QAction* menu : d.window->menuBar()->actions()) {
            captions << menu->text();
        }
        QHash<QKeySequence, QString> seen;
        for (const QString& caption : captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            if (key.isEmpty()) {
                continue;
            }
            QVERIFY2(!seen.contains(key), qPrintable(caption + u" clashes with "_s + seen[key]));
            seen.insert(key, caption);
        }
        QVERIFY(seen.size() >= 4);
    }

    void tabOrderFollowsLayout_data() { steps_data(); }
    void tabOrderFollowsLayout() {
        QFETCH(QString, step);
        WindowDriver d;
        driveTo(d, step);
        QList<QWidget*> focusable;
        for (QWidget* widget : stepControls(d)) {
            if (widget->focusPolicy() & Qt::TabFocus) {
                focusable.append(widget);
            }
        }
        QVERIFY(focusable.size() >= 3);
        // Walk the focus chain once round from the first of them.
        QList<QWidget*> order;
        QWidget* at = focusable.first();
        do {
            if (focusable.contains(at) && !order.contains(at)) {
                order.append(at);
            }
            at = at->nextInFocusChain();
        } while (at != focusable.first());
        QCOMPARE(order.size(), focusable.size());
        auto before = [](const QWidget* a, const QWidget* b) {
            const QPoint ca = inWindow(a).center();
            const QPoint cb = inWindow(b).center();
            if (qAbs(ca.y() - cb.y()) < 12) {
                return ca.x() < cb.x();
            }
            return ca.y() < cb.y();
        };
        for (qsizetype i = 1; i < order.size(); ++i) {
            QVERIFY2(before(order[i - 1], order[i]),
                     qPrintable(order[i - 1]->objectName() + u" then "_s + order[i]->objectName()));
        }
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installTranslations(app);
    TestUiLayout test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_ui_layout.moc"

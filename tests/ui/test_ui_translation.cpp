// Under a catalogue that changes every string, every text the window shows (captions,
// tooltips, accessible names, menus, messages) comes out changed: none is left as written.

#include "PseudoTranslator.h"
#include "WindowDriver.h"
#include "frmAbout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Lists, as "object: text", every text of the window and its children that did not go through
// the translation. Data the window shows (headers, field names, paths, counts, the product's
// name) is left out by the caller.
void collectUntranslated(QWidget* top, const QSet<QString>& dataControls, const QString& product,
                         QStringList& found) {
    // Names of products are not translated.
    const QStringList names = {product, u"Outlook"_s, u"Apple Contacts"_s, u"Google Contacts"_s,
                               u"Android"_s};
    auto check = [&found, &names](const QObject* owner, const QString& what, const QString& text) {
        if (text.isEmpty() || !text.contains(QRegularExpression(u"[A-Za-z]"_s)) ||
            isPseudoTranslated(text) || names.contains(text)) {
            return;
        }
        found.append(owner->objectName() + u" "_s + what + u": "_s + text);
    };
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        // Qt's own parts (a spin box's line edit, scroll bars) carry no text of ours.
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"_s)) {
            continue;
        }
        check(w, u"tooltip"_s, w->toolTip());
        check(w, u"accessible name"_s, w->accessibleName());
        check(w, u"accessible description"_s, w->accessibleDescription());
        if (dataControls.contains(w->objectName())) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            check(w, u"text"_s, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            check(w, u"text"_s, button->text());
        } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
            check(w, u"placeholder"_s, edit->placeholderText());
        } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
            check(w, u"suffix"_s, spin->suffix());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                check(w, u"tab"_s, tabs->tabText(i));
            }
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                check(w, u"item"_s, box->itemText(i));
            }
        }
    }
    for (const QAction* action : top->findChildren<QAction*>()) {
        if (!action->objectName().isEmpty()) {
            check(action, u"text"_s, action->text());
            check(action, u"tooltip"_s, action->toolTip());
        }
    }
    for (const QMenu* menu : top->findChildren<QMenu*>()) {
        check(menu, u"title"_s, menu->title());
    }
}

} // namespace

class TestUiTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }

    void everyTextOfEveryStepIsTranslated() {
        QTemporaryDir save;
        WindowDriver d;
        d.dialogs.special = save.path();
        d.dialogs.answers = {true};
        // A message of step 2: Next without a mapping.
        d.browse(fixturePath(u"contacts/contacts.csv"_s));
        d.next();
        d.next();
        d.addMapping(u"Last name"_s, u"LastName"_s);
        d.next();
        d.next();

        // What the window shows as data rather than sentences: the workbook's headers and
        // rows, field names, paths, counts, the card, the product's name and address.
        const QSet<QString> data = {u"cmbHeader"_s,
                                    u"cmbOutlook"_s,
                                    u"cmbSheet"_s,
                                    u"cmbPhoneRegion"_s,
                                    u"txtExcelPath"_s,
                                    u"txtvCardSavePath"_s,
                                    u"mappedList"_s,
                                    u"lblNotNullCount"_s,
                                    u"lblContactCount"_s,
                                    u"txtCardPreview"_s,
                                    u"statusIndicatorPanel1"_s,
                                    u"statusIndicatorPanel3"_s,
                                    u"frmMain"_s,
                                    u"lblTitle"_s,
                                    u"lblVersion"_s};
        // The title bar shows the product's name and its version.
        const QString title = d.window->windowTitle();
        const QString product = title.left(title.lastIndexOf(u" v"_s));
        QStringList untranslated;
        collectUntranslated(d.window.get(), data, product, untranslated);
        d.action(u"AboutUs"_s)->trigger();
        auto* about = d.window->findChild<frmAbout*>();
        QVERIFY(about);
        collectUntranslated(about, data, product, untranslated);
        for (const ScriptedDialogs::Message& m : d.dialogs.messages + d.dialogs.questions) {
            if (!isPseudoTranslated(m.text)) {
                untranslated.append(u"message: "_s + m.text);
            }
        }
        QCOMPARE(d.dialogs.messages.size(), 1);
        QCOMPARE(d.dialogs.questions.size(), 1);
        QVERIFY(isPseudoTranslated(d.dialogs.questions.first().caption));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u"\n"_s)));
    }

private:
    PseudoTranslator m_translator;
};

QTEST_MAIN(TestUiTranslation)
#include "test_ui_translation.moc"

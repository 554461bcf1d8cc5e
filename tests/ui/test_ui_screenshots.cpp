// Renders every step of the window and the About box to PNG files under the build folder
// (ui-screenshots/, or ui-screenshots/LANGUAGE when the LANGUAGE variable asks for one), for a
// person to look at after a change of layout, fonts or translations.

#include "ProgramLanguage.h"
#include "WindowDriver.h"

#include "ServerDialog.h"
#include "frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestUiScreenshots : public QObject {
    Q_OBJECT

    QString m_folder =
        QStringLiteral(E2V_BINARY_DIR "/ui-screenshots") +
        (qEnvironmentVariableIsEmpty("LANGUAGE") ? QString()
                                                 : u"/"_s + qEnvironmentVariable("LANGUAGE"));

    void save(QWidget* widget, const QString& name) {
        const QPixmap shot = widget->grab();
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.size(), widget->size());
        const QString path = m_folder + u"/"_s + name + u".png"_s;
        QVERIFY2(shot.save(path), qPrintable(path));
        qInfo("wrote %s", qPrintable(path));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir().mkpath(m_folder)); }

    void everyStep() {
        QTemporaryDir saveDir;
        WindowDriver d;
        d.dialogs.special = saveDir.path();
        d.dialogs.answers = {true};
        save(d.window.get(), u"0-start"_s);
        d.browse(fixturePath(u"contacts/contacts.csv"_s));
        save(d.window.get(), u"1-select"_s);
        d.next();
        d.addMapping(u"First name"_s, u"FirstName"_s);
        d.addMapping(u"Last name"_s, u"LastName"_s);
        d.addMapping(u"Phone"_s, u"BusinessTelephoneNumber"_s);
        save(d.window.get(), u"2-map-columns"_s);
        d.next();
        save(d.window.get(), u"3-export"_s);
        d.next();
        save(d.window.get(), u"3-export-converted"_s);
        d.combo(u"cmbSendTo"_s)->setCurrentIndex(1);
        save(d.window.get(), u"3-export-server"_s);
        d.action(u"AboutUs"_s)->trigger();
        auto* about = d.window->findChild<frmAbout*>();
        QVERIFY(about);
        save(about, u"about"_s);
    }

    // The server dialog with a problem under the address, and the sheet's columns to match by.
    void serverDialog() {
        ServerChoice choice;
        choice.address = u"http://cloud.example.org/remote.php/dav"_s;
        choice.user = u"ann"_s;
        choice.addressBook = u"https://cloud.example.org/remote.php/dav/addressbooks/ann/work/"_s;
        choice.addressBookName = u"Work contacts"_s;
        ServerDialog dialog(choice, {{u"Full name"_s, 2}, {u"Member no."_s, 5}}, false, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        save(&dialog, u"server-dialog"_s);
    }

    // The card preview with a value that does not reach the card, told under it.
    void cardPreviewWithValueLeftOff() {
        WindowDriver d;
        d.browse(fixturePath(u"conversion/birthdays.csv"_s));
        d.next();
        d.addMapping(u"Name"_s, u"FullName"_s);
        d.addMapping(u"Born"_s, u"Birthday"_s);
        d.get<QSpinBox>(u"spnPreviewContact"_s)->setValue(3);
        save(d.window.get(), u"2-card-preview-not-written"_s);
    }

    // Every new field and an embedded photo, its data shortened.
    void cardPreviewWithPhoto() {
        WindowDriver d;
        d.browse(fixturePath(u"conversion/every-new-field.csv"_s));
        d.next();
        d.click(u"cmdAutoMap"_s);
        d.addMapping(u"Picture"_s, u"Photo"_s);
        d.next();
        d.get<QRadioButton>(u"Opt3"_s)->click();
        save(d.window.get(), u"3-card-preview-photo"_s);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installTranslations(app);
    TestUiScreenshots test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_ui_screenshots.moc"

// The desktop services: what is handed to the shell, and the default save location.

#include "ShellServices.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUiShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shellTarget_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("url");
        QTest::addRow("empty") << QString() << QUrl();
        QTest::addRow("web address") << u"https://www.example.com/guide#map"_s
                                     << QUrl(u"https://www.example.com/guide#map"_s);
        QTest::addRow("folder with spaces")
            << u"/tmp/My Cards/Brinmark_Excel_vCard_6_12_2026_5_7_9"_s
            << QUrl::fromLocalFile(u"/tmp/My Cards/Brinmark_Excel_vCard_6_12_2026_5_7_9"_s);
        QTest::addRow("folder with a hash")
            << u"/tmp/cards#1"_s << QUrl::fromLocalFile(u"/tmp/cards#1"_s);
        QTest::addRow("relative path")
            << u"cards"_s << QUrl::fromLocalFile(QDir::current().absoluteFilePath(u"cards"_s));
        QTest::addRow("guide file")
            << u"/usr/share/doc/excel2vcard/user-guide.html"_s
            << QUrl::fromLocalFile(u"/usr/share/doc/excel2vcard/user-guide.html"_s);
    }
    void shellTarget() {
        QFETCH(QString, target);
        QFETCH(QUrl, url);
        QCOMPARE(shellTargetUrl(target), url);
    }

    void specialFolder_data() {
        QTest::addColumn<bool>("hasDocuments");
        QTest::addRow("Documents folder") << true;
        QTest::addRow("no Documents folder: home") << false;
    }
    void specialFolder() {
        QFETCH(bool, hasDocuments);
        QTemporaryDir home;
        if (hasDocuments) {
            QVERIFY(QDir(home.path()).mkdir(u"Documents"_s));
        }
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u".config"_s)));
        const QString found = GetSpecialFolder();
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(found, hasDocuments ? home.filePath(u"Documents"_s) : home.path());
    }
};

QTEST_MAIN(TestUiShell)
#include "test_ui_shell.moc"

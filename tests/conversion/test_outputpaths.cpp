#include "ContactValues.h"
#include "OutputPaths.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestOutputPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stamped_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("path");
        QTest::addRow("no leading zeros")
            << QDateTime(QDate(2026, 12, 6), QTime(5, 7, 9)) << u"/data/Cards"_s
            << u"/data/Cards/Brinmark_Excel_vCard_6_12_2026_5_7_9"_s;
        QTest::addRow("midnight, two-digit parts")
            << QDateTime(QDate(2027, 1, 31), QTime(0, 0, 0)) << u"/x"_s
            << u"/x/Brinmark_Excel_vCard_31_1_2027_0_0_0"_s;
        QTest::addRow("late hour") << QDateTime(QDate(2026, 10, 10), QTime(23, 59, 58)) << u"/x/"_s
                                   << u"/x/Brinmark_Excel_vCard_10_10_2026_23_59_58"_s;
    }
    void stamped() {
        QFETCH(QDateTime, now);
        QFETCH(QString, base);
        QFETCH(QString, path);
        QCOMPARE(stampedFolderPath(base, now), path);
    }

    // A second and third run in the same second get folders of their own.
    void createdFoldersAreNumbered() {
        QTemporaryDir dir;
        const QDateTime now(QDate(2026, 12, 6), QTime(5, 7, 9));
        const QString stamped = stampedFolderPath(dir.path(), now);
        QStringList made;
        for (int i = 0; i < 3; ++i) {
            const FolderResult r = createStampedFolder(dir.path(), now);
            QVERIFY2(r.status.isOk(), qPrintable(r.status.message()));
            QVERIFY(QFileInfo(r.path).isDir());
            made.append(r.path);
        }
        QCOMPARE(made, (QStringList{stamped, stamped + u"_2"_s, stamped + u"_3"_s}));
    }

    void folderFailureNamesFolderAndReason_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("reason");
        QTest::addRow("missing save location")
            << u"/nonexistent-e2v/deeper"_s << u"No such file or directory"_s;
        QTest::addRow("a file, not a folder") << u"FILE"_s << u"Not a directory"_s;
    }
    void folderFailureNamesFolderAndReason() {
        QFETCH(QString, base);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (base == u"FILE") {
            base = dir.filePath(u"plain.txt"_s);
            QFile f(base);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QDateTime now(QDate(2026, 12, 6), QTime(5, 7, 9));
        const FolderResult r = createStampedFolder(base, now);
        QVERIFY(!r.status.isOk());
        QCOMPARE(r.status.message(), u"The folder \u201C%1\u201D cannot be created: %2."_s.arg(
                                         stampedFolderPath(base, now), reason));
    }

    void nameKey_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("key");
        QTest::addRow("joined without spaces")
            << u"Smith"_s << u"Ann"_s << u"Lee"_s << u"SmithAnnLee"_s;
        QTest::addRow("semicolons removed, then cleaned")
            << u"Sm;ith"_s << u"A&B"_s << u""_s << u"SmithA and B"_s;
        QTest::addRow("control characters become spaces")
            << u"a\nb"_s << u"\tc\u0085"_s << u"\u007f"_s << u"a b c  "_s;
        QTest::addRow("no name") << QString() << QString() << QString() << QString();
    }
    void nameKey() {
        QFETCH(QString, last);
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, key);
        ContactValues v;
        v.LastName = last;
        v.FirstName = first;
        v.MiddleName = middle;
        QCOMPARE(makeNameKey(v), key);
    }

    void cardPath_data() {
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addRow("single file") << true << u"SmithAnn"_s << 4 << u"All Contacts.vcf"_s;
        QTest::addRow("named") << false << u"SmithAnn"_s << 4 << u"SmithAnn_4.vcf"_s;
        QTest::addRow("no name") << false << QString() << 4 << u"4.vcf"_s;
        QTest::addRow("long ASCII name cut to 255 bytes")
            << false << QString(300, u'a') << 12 << QString(248, u'a') + u"_12.vcf"_s;
        // 3 bytes a character: 83 fit beside "_1.vcf" (6 bytes), 249 + 6 = 255.
        QTest::addRow("cut on a character boundary") << false << QString(100, QChar(0x674e)) << 1
                                                     << QString(83, QChar(0x674e)) + u"_1.vcf"_s;
        // 4 bytes each, two UTF-16 units: never split a pair.
        QString emoji;
        for (int i = 0; i < 70; ++i) {
            emoji += u"\U0001F600"_s;
        }
        QTest::addRow("surrogate pairs kept whole")
            << false << emoji << 1 << emoji.left(2 * 62) + u"_1.vcf"_s;
        QTest::addRow("exactly 255 bytes kept")
            << false << QString(249, u'b') << 1 << QString(249, u'b') + u"_1.vcf"_s;
    }
    void cardPath() {
        QFETCH(bool, single);
        QFETCH(QString, key);
        QFETCH(int, number);
        QFETCH(QString, name);
        const QString path = cardFilePath(u"/out"_s, single, key, number);
        QCOMPARE(path, u"/out/"_s + name);
        QVERIFY(name.toUtf8().size() <= kMaxFileNameBytes);
    }

    void portableNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("portable");
        QTest::addRow("valid name kept") << u"Smith Ann_4.vcf"_s << u"Smith Ann_4.vcf"_s;
        QTest::addRow("valid non-ASCII name kept")
            << u"M\u00fcller \u674e\U0001F600_1.vcf"_s << u"M\u00fcller \u674e\U0001F600_1.vcf"_s;
        QTest::addRow("device name inside a longer name kept")
            << u"CONSOLE.vcf"_s << u"CONSOLE.vcf"_s;
        QTest::addRow("COM0 is no device") << u"COM0.vcf"_s << u"COM0.vcf"_s;
        QTest::addRow("leading dot kept") << u".vcf"_s << u".vcf"_s;
        for (const QChar c : u"\\/:*?\"<>|"_s) {
            QTest::addRow("forbidden %c", char(c.unicode()))
                << u"a"_s + c + u"b_1.vcf"_s << u"a b_1.vcf"_s;
        }
        for (char16_t c = 0; c < 0x20; ++c) {
            QTest::addRow("control U+%04X", unsigned(c))
                << u"a"_s + QChar(c) + u"b.vcf"_s << u"a b.vcf"_s;
        }
        QTest::addRow("DEL") << u"a\u007fb.vcf"_s << u"a b.vcf"_s;
        QTest::addRow("C1 control") << u"a\u0085b.vcf"_s << u"a b.vcf"_s;
        QStringList devices = {u"CON"_s, u"PRN"_s, u"AUX"_s, u"NUL"_s};
        for (int n = 1; n <= 9; ++n) {
            devices << u"COM%1"_s.arg(n) << u"LPT%1"_s.arg(n);
        }
        devices << u"COM\u00b9"_s << u"LPT\u00b3"_s;
        for (const QString& d : devices) {
            QTest::addRow("%s", qPrintable(d)) << d << d + u'_';
            QTest::addRow("%s with an extension", qPrintable(d)) << d + u".vcf"_s << d + u"_.vcf"_s;
            QTest::addRow("%s in lower case", qPrintable(d))
                << d.toLower() + u".vcf"_s << d.toLower() + u"_.vcf"_s;
        }
        QTest::addRow("device with two extensions") << u"nul.tar.gz"_s << u"nul_.tar.gz"_s;
        QTest::addRow("device with spaces before the dot") << u"Aux  .vcf"_s << u"Aux  _.vcf"_s;
        QTest::addRow("device behind a trailing dot") << u"con."_s << u"con_"_s;
        QTest::addRow("trailing dot") << u"Smith."_s << u"Smith"_s;
        QTest::addRow("trailing dots and spaces") << u"Smith. . "_s << u"Smith"_s;
        QTest::addRow("nothing left") << u" ..?"_s << u"_"_s;
        QTest::addRow("empty") << QString() << u"_"_s;
        QTest::addRow("long name cut before its extension")
            << QString(300, u'a') + u".vcf"_s << QString(251, u'a') + u".vcf"_s;
        QTest::addRow("long name cut on a character boundary")
            << QString(100, QChar(0x674e)) + u".vcf"_s << QString(83, QChar(0x674e)) + u".vcf"_s;
        QTest::addRow("cut that ends in a space")
            << QString(254, u'a') + u"  b"_s << QString(254, u'a');
        QTest::addRow("long device name with long extension")
            << u"CON."_s + QString(250, u'x') << u"CON_."_s + QString(250, u'x');
    }
    void portableNames() {
        QFETCH(QString, name);
        QFETCH(QString, portable);
        QCOMPARE(portableFileName(name), portable);
        QVERIFY(portable.toUtf8().size() <= kMaxFileNameBytes);
        // Made portable once, a name stays as it is.
        QCOMPARE(portableFileName(portable), portable);
    }

    // A card's file name is portable whatever the contact is called.
    void cardNamesArePortable() {
        QCOMPARE(cardFilePath(u"/out"_s, false, u"Smith|Ann"_s, 3), u"/out/Smith Ann_3.vcf"_s);
        QCOMPARE(cardFilePath(u"/out"_s, false, u"a\tb"_s, 3), u"/out/a b_3.vcf"_s);
    }

    // A name cut to the limit can really be created.
    void longestNameCanBeCreated() {
        QTemporaryDir dir;
        QString emoji;
        for (int i = 0; i < 100; ++i) {
            emoji += u"\U0001F600\u00e9"_s;
        }
        QFile f(cardFilePath(dir.path(), false, emoji, 123456));
        QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(f.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestOutputPaths)
#include "test_outputpaths.moc"

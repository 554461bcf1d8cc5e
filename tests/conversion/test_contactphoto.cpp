#include "ContactPhoto.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kPhotos = QStringLiteral(E2V_FIXTURES_DIR "/photos");

QImage decodeJpeg(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.format() != "jpeg") {
        return {};
    }
    return reader.read();
}

// Random pixels: nothing for JPEG to compress, so only lower quality and size make it fit.
QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(20261208);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = 0xff000000u | (random.generate() & 0xffffffu);
        }
    }
    return image;
}

QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = qRgb(x * 255 / width, y * 255 / height, 128);
        }
    }
    return image;
}

// Undoes the folding: CR LF followed by a space is removed.
QString unfold(const QString& text) {
    QString out = text;
    return out.replace(u"\r\n "_s, QString());
}

} // namespace

Q_DECLARE_METATYPE(PhotoValue::Kind)
Q_DECLARE_METATYPE(VCardVersion)

class TestContactPhoto : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What each kind of cell gives: a photo, an address, nothing, or a problem with its text.
    void cells_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<PhotoValue::Kind>("kind");
        QTest::addColumn<QString>("problem");
        using K = PhotoValue::Kind;

        QTest::addRow("empty") << QString() << K::None << QString();
        QTest::addRow("blank") << u"  \t "_s << K::None << QString();
        QTest::addRow("relative") << u"small.png"_s << K::Embedded << QString();
        QTest::addRow("relative, padded") << u"  small.png \n"_s << K::Embedded << QString();
        QTest::addRow("relative through a folder")
            << u"../photos/small.png"_s << K::Embedded << QString();
        QTest::addRow("backslashes") << u"..\\photos\\small.png"_s << K::Embedded << QString();
        QTest::addRow("absolute") << kPhotos + u"/small.png"_s << K::Embedded << QString();
        QTest::addRow("missing") << u"photos/ann.jpg"_s << K::None
                                 << u"photos/ann.jpg: no such file"_s;
        QTest::addRow("missing absolute")
            << u"/nonexistent/ann.jpg"_s << K::None << u"/nonexistent/ann.jpg: no such file"_s;
        QTest::addRow("text file") << u"not-an-image.jpg"_s << K::None
                                   << u"not-an-image.jpg: not an image that can be read"_s;
        QTest::addRow("truncated")
            << u"truncated.jpg"_s << K::None << u"truncated.jpg: not an image that can be read"_s;
        QTest::addRow("folder") << u"../photos"_s << K::None
                                << u"../photos: a folder, not an image"_s;
        // A device that never ends must not be read.
        QTest::addRow("device") << u"/dev/zero"_s << K::None
                                << u"/dev/zero: not an image that can be read"_s;
        QTest::addRow("huge declared size")
            << u"huge-declared.png"_s << K::None
            << u"huge-declared.png: image too large (100000 x 100000 pixels)"_s;
        QTest::addRow("https") << u"https://example.org/ann.jpg"_s << K::Uri << QString();
        QTest::addRow("http, capitals")
            << u"HTTP://Example.org/a.jpg?size=2"_s << K::Uri << QString();
        QTest::addRow("ftp") << u"ftp://example.org/ann.jpg"_s << K::None
                             << u"ftp://example.org/ann.jpg: not an http or https address"_s;
        QTest::addRow("file url") << u"file:///tmp/ann.jpg"_s << K::None
                                  << u"file:///tmp/ann.jpg: not an http or https address"_s;
        QTest::addRow("no host") << u"https:ann.jpg"_s << K::None
                                 << u"https:ann.jpg: not a valid web address"_s;
        QTest::addRow("space in address")
            << u"https://example.org/my photo.jpg"_s << K::None
            << u"https://example.org/my photo.jpg: not a valid web address"_s;
        QTest::addRow("line break in address")
            << u"https://example.org/a\nb.jpg"_s << K::None
            << u"https://example.org/a b.jpg: not a valid web address"_s;
        QTest::addRow("drive letter is a path")
            << u"C:\\photos\\ann.jpg"_s << K::None << u"C:\\photos\\ann.jpg: no such file"_s;
        QTest::addRow("long cell is cut")
            << QString(100, u'a') << K::None << QString(60, u'a') + u"...: no such file"_s;
    }
    void cells() {
        QFETCH(QString, cell);
        QFETCH(PhotoValue::Kind, kind);
        QFETCH(QString, problem);

        const PhotoValue photo = readPhoto(cell, kPhotos);
        QCOMPARE(photo.kind, kind);
        QCOMPARE(photo.problem, problem);
        QCOMPARE(photo.uri, kind == PhotoValue::Kind::Uri ? cell.trimmed() : QString());
        QCOMPARE(photo.jpeg.isEmpty(), kind != PhotoValue::Kind::Embedded);
        if (kind == PhotoValue::Kind::Embedded) {
            const QImage image = decodeJpeg(photo.jpeg);
            QCOMPARE(image.size(), QSize(16, 12));
            // Transparent parts on white, opaque ones keep their colour.
            QVERIFY(qRed(image.pixel(2, 6)) > 200 && qGreen(image.pixel(2, 6)) < 60);
            QVERIFY(qGray(image.pixel(13, 6)) > 230);
        }
    }

    void unreadableFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile::copy(kPhotos + u"/small.png"_s, dir.filePath(u"locked.png"_s));
        QFile::setPermissions(dir.filePath(u"locked.png"_s), QFileDevice::WriteOwner);
        QFile probe(dir.filePath(u"locked.png"_s));
        if (probe.open(QIODevice::ReadOnly)) {
            QSKIP("this user reads files whatever their permissions");
        }
        const PhotoValue photo = readPhoto(u"locked.png"_s, dir.path());
        QCOMPARE(photo.kind, PhotoValue::Kind::None);
        QCOMPARE(photo.problem, u"locked.png: cannot be opened"_s);
    }

    // Large pictures come out within the side and the budget, in their proportions; one that
    // fits easily keeps the full side.
    void largeImages_data() {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<qsizetype>("budget");
        QTest::addColumn<bool>("fullSide");

        const QImage wide = noise(3000, 2000);
        const QImage tall = noise(900, 1500);
        const QImage smooth = gradient(3000, 2000);
        QTest::addRow("noise jpeg") << wide << QByteArray("jpeg") << kPhotoMaxBytes << false;
        QTest::addRow("noise png, tall") << tall << QByteArray("png") << kPhotoMaxBytes << false;
        QTest::addRow("noise, small budget")
            << wide << QByteArray("jpeg") << qsizetype(20'000) << false;
        QTest::addRow("smooth") << smooth << QByteArray("jpeg") << kPhotoMaxBytes << true;
        QTest::addRow("smooth png") << smooth << QByteArray("png") << kPhotoMaxBytes << true;
    }
    void largeImages() {
        QFETCH(QImage, picture);
        QFETCH(QByteArray, format);
        QFETCH(qsizetype, budget);
        QFETCH(bool, fullSide);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"big."_s + QString::fromLatin1(format));
        QVERIFY(picture.save(path, format.constData(), 95));
        // Noise at this size cannot fit unless quality or size give way.
        QVERIFY(QFileInfo(path).size() > budget);

        const PhotoValue photo = readPhoto(path, QString(), budget);
        QCOMPARE(photo.kind, PhotoValue::Kind::Embedded);
        QVERIFY(photo.problem.isEmpty());
        QVERIFY2(photo.jpeg.size() <= budget, QByteArray::number(photo.jpeg.size()).constData());
        const QImage image = decodeJpeg(photo.jpeg);
        QVERIFY(!image.isNull());
        const int longer = std::max(image.width(), image.height());
        QVERIFY(longer <= kPhotoMaxSide);
        if (fullSide) {
            QCOMPARE(longer, kPhotoMaxSide);
        } else {
            // What had to give way gave no more than needed: most of the budget is used.
            QVERIFY2(photo.jpeg.size() >= budget * 7 / 10,
                     QByteArray::number(photo.jpeg.size()).constData());
        }
        const double wanted = double(picture.width()) / picture.height();
        const double got = double(image.width()) / image.height();
        QVERIFY2(std::abs(got / wanted - 1.0) < 0.02,
                 qPrintable(u"%1 x %2"_s.arg(image.width()).arg(image.height())));
        QCOMPARE(picture.width() > picture.height(), image.width() > image.height());
    }

    // A JPEG whose header declares more pixels than are ever decoded: refused before reading.
    void jpegDeclaringHugeSize() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(gradient(8, 8).save(&buffer, "jpeg"));
        const qsizetype frame = bytes.indexOf("\xff\xc0");
        QVERIFY(frame > 0);
        // Height, then width, after the marker, the length and the sample precision.
        bytes[frame + 5] = char(50000 >> 8);
        bytes[frame + 6] = char(50000 & 0xff);
        bytes[frame + 7] = char(60000 >> 8);
        bytes[frame + 8] = char(60000 & 0xff);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath(u"huge.jpg"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const PhotoValue photo = readPhoto(u"huge.jpg"_s, dir.path());
        QCOMPARE(photo.kind, PhotoValue::Kind::None);
        QCOMPARE(photo.problem, u"huge.jpg: image too large (60000 x 50000 pixels)"_s);
    }

    // A budget no JPEG can meet is a problem, not an endless loop or an oversized photo.
    void budgetTooSmall_data() {
        QTest::addColumn<qsizetype>("budget");
        QTest::addRow("100 bytes") << qsizetype(100);
        QTest::addRow("none") << qsizetype(0);
        QTest::addRow("negative") << qsizetype(-1);
    }
    void budgetTooSmall() {
        QFETCH(qsizetype, budget);
        const PhotoValue photo = readPhoto(u"small.png"_s, kPhotos, budget);
        QCOMPARE(photo.kind, PhotoValue::Kind::None);
        QCOMPARE(photo.problem, u"small.png: cannot be made small enough"_s);
    }

    // The property as each version writes it, head and folding exact, and the bytes back.
    void property_data() {
        QTest::addColumn<VCardVersion>("version");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("head");

        struct Form {
            VCardVersion version;
            const char* name;
            QString head;
        };
        const Form forms[] = {
            {VCardVersion::V21, "2.1", u"PHOTO;ENCODING=BASE64;TYPE=JPEG:"_s},
            {VCardVersion::V30, "3.0", u"PHOTO;ENCODING=b;TYPE=JPEG:"_s},
            {VCardVersion::V40, "4.0", u"PHOTO;VALUE=uri:data:image/jpeg;base64,"_s},
        };
        // Lengths around the fold points: the first line, one continuation, many.
        for (const Form& f : forms) {
            for (const int length : {1, 30, 33, 34, 35, 90, 5000}) {
                QTest::addRow("%s, %d bytes", f.name, length) << f.version << length << f.head;
            }
        }
    }
    void property() {
        QFETCH(VCardVersion, version);
        QFETCH(int, length);
        QFETCH(QString, head);

        PhotoValue photo;
        photo.kind = PhotoValue::Kind::Embedded;
        for (int i = 0; i < length; ++i) {
            photo.jpeg += char((i * 37 + 11) & 0xff);
        }
        QString card = u"BEGIN:VCARD"_s;
        appendPhotoProperty(card, photo, version);
        QVERIFY(card.startsWith(u"BEGIN:VCARD\r\n"_s + head));
        QString property = card.mid(13);
        if (version == VCardVersion::V21) {
            // Ends with an empty line once the card writer adds its next line end.
            QVERIFY(property.endsWith(u"\r\n"_s));
            QVERIFY(!property.endsWith(u"\r\n\r\n"_s));
            property.chop(2);
        }
        const QStringList lines = property.split(u"\r\n"_s);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(lines[i].size() <= 75, qPrintable(lines[i]));
            QCOMPARE(lines[i].startsWith(u' '), i > 0);
            // Lines are filled: only the last may be short.
            if (i + 1 < lines.size()) {
                QCOMPARE(lines[i].size(), 75);
            }
        }
        const QString value = unfold(property);
        QVERIFY(value.startsWith(head));
        QCOMPARE(QByteArray::fromBase64(value.mid(head.size()).toLatin1(),
                                        QByteArray::AbortOnBase64DecodingErrors),
                 photo.jpeg);
    }

    void smallProperties_data() {
        QTest::addColumn<PhotoValue::Kind>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<VCardVersion>("version");
        QTest::addColumn<QString>("text");
        using K = PhotoValue::Kind;
        const QString longUri = u"https://example.org/"_s + QString(80, u'p') + u".jpg"_s;

        QTest::addRow("none") << K::None << QString() << VCardVersion::V30 << QString();
        QTest::addRow("2.1 bytes") << K::Embedded << u"\xff\xd8\xff"_s << VCardVersion::V21
                                   << u"\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/\r\n"_s;
        QTest::addRow("3.0 bytes") << K::Embedded << u"\xff\xd8\xff"_s << VCardVersion::V30
                                   << u"\r\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/"_s;
        QTest::addRow("4.0 bytes") << K::Embedded << u"\xff\xd8\xff"_s << VCardVersion::V40
                                   << u"\r\nPHOTO;VALUE=uri:data:image/jpeg;base64,/9j/"_s;
        QTest::addRow("2.1 address")
            << K::Uri << u"https://example.org/a.jpg"_s << VCardVersion::V21
            << u"\r\nPHOTO;VALUE=URL:https://example.org/a.jpg"_s;
        QTest::addRow("3.0 address")
            << K::Uri << u"https://example.org/a.jpg"_s << VCardVersion::V30
            << u"\r\nPHOTO;VALUE=uri:https://example.org/a.jpg"_s;
        QTest::addRow("4.0 address") << K::Uri << u"http://example.org/a.jpg"_s << VCardVersion::V40
                                     << u"\r\nPHOTO;VALUE=uri:http://example.org/a.jpg"_s;
        // A fold would put a space into a 2.1 address; the typed versions fold as usual.
        QTest::addRow("2.1 long address")
            << K::Uri << longUri << VCardVersion::V21 << u"\r\nPHOTO;VALUE=URL:"_s + longUri;
        const QString line30 = u"PHOTO;VALUE=uri:"_s + longUri;
        QTest::addRow("3.0 long address")
            << K::Uri << longUri << VCardVersion::V30
            << u"\r\n"_s + line30.left(75) + u"\r\n "_s + line30.mid(75);
        const QString line40 = u"PHOTO;VALUE=uri:"_s + longUri;
        QTest::addRow("4.0 long address")
            << K::Uri << longUri << VCardVersion::V40
            << u"\r\n"_s + line40.left(75) + u"\r\n "_s + line40.mid(75);
    }
    void smallProperties() {
        QFETCH(PhotoValue::Kind, kind);
        QFETCH(QString, value);
        QFETCH(VCardVersion, version);
        QFETCH(QString, text);

        PhotoValue photo;
        photo.kind = kind;
        if (kind == PhotoValue::Kind::Embedded) {
            photo.jpeg = value.toLatin1();
        } else if (kind == PhotoValue::Kind::Uri) {
            photo.uri = value;
        }
        QString card = u"FN:Ann"_s;
        appendPhotoProperty(card, photo, version);
        QCOMPARE(card, u"FN:Ann"_s + text);
    }
};

QTEST_GUILESS_MAIN(TestContactPhoto)
#include "test_contactphoto.moc"

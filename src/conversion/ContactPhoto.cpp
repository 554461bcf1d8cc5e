#include "ContactPhoto.h"

#include "Sentence.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Beyond this a picture is refused before it is decoded: a few bytes of header can declare
// dimensions whose pixels would not fit in memory.
constexpr qint64 kMaxPixels = 100'000'000;
// Longest line of a folded photo property, in octets, line end not counted.
constexpr qsizetype kFoldWidth = 75;
// Tried in turn before the picture is made smaller; below the last one artefacts show.
constexpr int kQualities[] = {90, 80, 70, 60, 50, 40};
// Cell text quoted in a problem is cut here, so one long cell does not flood the run's report.
constexpr qsizetype kShownLength = 60;

PhotoValue problem(const QString& cell, Sentence what) {
    QString shown;
    shown.reserve(std::min(cell.size(), kShownLength) + 3);
    for (const QChar c : QStringView(cell).left(kShownLength)) {
        shown += c.unicode() < 0x20 ? u' ' : c;
    }
    if (cell.size() > kShownLength) {
        shown += u"..."_s;
    }
    PhotoValue v;
    v.problem = E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "%1: %2"))
                    .arg(shown)
                    .arg(std::move(what))
                    .toString();
    return v;
}

// A scheme of two letters or more, so that a drive letter ("C:\photos\ann.jpg") stays a path.
bool hasScheme(const QString& text, QString* scheme) {
    static const QRegularExpression re(u"^([A-Za-z][A-Za-z0-9+.\\-]+):"_s);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch()) {
        return false;
    }
    *scheme = m.captured(1).toLower();
    return true;
}

// The address goes into the card as it stands: printable ASCII only, so that it needs no
// escaping, no character set and folds at octet boundaries.
bool isWritableAddress(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F) {
            return false;
        }
    }
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}

QByteArray encodeJpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

// Fits size into a square of side pixels, keeping its proportions; never below one pixel.
QSize fitInto(QSize size, int side) {
    if (size.width() <= side && size.height() <= side) {
        return size;
    }
    const double scale = double(side) / std::max(size.width(), size.height());
    return {std::max(1, int(std::lround(size.width() * scale))),
            std::max(1, int(std::lround(size.height() * scale)))};
}

// JPEG has no transparency: transparent parts are shown on white, as address books show them.
QImage opaque(const QImage& image) {
    if (image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_RGB32) {
        return image;
    }
    if (!image.hasAlphaChannel()) {
        return image.convertToFormat(QImage::Format_RGB32);
    }
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

// Lowers the quality, then the size, until the JPEG fits in maxBytes. Empty when it cannot.
QByteArray fitJpeg(const QImage& image, qsizetype maxBytes) {
    if (maxBytes <= 0) {
        return {};
    }
    QByteArray bytes;
    for (const int quality : kQualities) {
        bytes = encodeJpeg(image, quality);
        if (bytes.isEmpty()) {
            return {};
        }
        if (bytes.size() <= maxBytes) {
            return bytes;
        }
    }
    const int lowest = kQualities[std::size(kQualities) - 1];
    const auto sizeAt = [&image](double scale) {
        return QSize(std::max(1, int(std::lround(image.width() * scale))),
                     std::max(1, int(std::lround(image.height() * scale))));
    };
    const auto encodeAt = [&](double scale) {
        return encodeJpeg(
            image.scaled(sizeAt(scale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), lowest);
    };
    // Bytes grow roughly with the pixel count: aim a little below the budget, shrinking by at
    // least a tenth each time so that the search ends.
    double tooBig = 1.0;
    double fits = 0.0;
    QByteArray best;
    while (best.isEmpty()) {
        if (sizeAt(tooBig) == QSize(1, 1)) {
            return {};
        }
        const double scale =
            tooBig *
            std::clamp(0.9 * std::sqrt(double(maxBytes) / double(bytes.size())), 0.25, 0.9);
        bytes = encodeAt(scale);
        if (bytes.isEmpty()) {
            return {};
        }
        if (bytes.size() <= maxBytes) {
            best = bytes;
            fits = scale;
        } else {
            tooBig = scale;
        }
    }
    // The aim can fall well short: halve the gap a few times, keeping the largest that fits.
    for (int step = 0; step < 4 && sizeAt(fits) != sizeAt(tooBig); ++step) {
        const double middle = (fits + tooBig) / 2;
        bytes = encodeAt(middle);
        if (!bytes.isEmpty() && bytes.size() <= maxBytes) {
            best = bytes;
            fits = middle;
        } else {
            tooBig = middle;
        }
    }
    return best;
}

PhotoValue readImageFile(const QString& cell, const QString& path, qsizetype maxBytes) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return problem(cell, E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "no such file")));
    }
    if (info.isDir()) {
        return problem(cell, E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "a folder, not an image")));
    }
    // Pipes and devices could block or never end.
    if (!info.isFile()) {
        return problem(cell,
                       E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "not an image that can be read")));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return problem(cell, E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "cannot be opened")));
    }
    // The content decides the format, not the file name's ending.
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        return problem(cell,
                       E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "not an image that can be read")));
    }
    const QSize declared = reader.size();
    if (declared.isValid()) {
        const qint64 pixels = qint64(declared.width()) * declared.height();
        const bool scaledDecode = reader.supportsOption(QImageIOHandler::ScaledSize);
        const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
        if (pixels > kMaxPixels || (!scaledDecode && limit > 0 && pixels * 4 > limit)) {
            return problem(
                cell, E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "image too large (%1 x %2 pixels)"))
                          .arg(declared.width())
                          .arg(declared.height()));
        }
        if (scaledDecode) {
            // Decoded directly at the size it will be written at: far less memory and time.
            reader.setScaledSize(fitInto(declared, kPhotoMaxSide));
        }
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return problem(cell,
                       E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "not an image that can be read")));
    }
    const QSize target = fitInto(image.size(), kPhotoMaxSide);
    if (target != image.size()) {
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    PhotoValue v;
    v.jpeg = fitJpeg(opaque(image), maxBytes);
    if (v.jpeg.isEmpty()) {
        return problem(cell,
                       E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "cannot be made small enough")));
    }
    v.kind = PhotoValue::Kind::Embedded;
    return v;
}

// Folds an ASCII line at kFoldWidth octets: CR LF and a space before each continuation.
void appendFolded(QString& card, const QString& line) {
    card += QStringView(line).left(kFoldWidth);
    for (qsizetype at = kFoldWidth; at < line.size(); at += kFoldWidth - 1) {
        card += u"\r\n "_s;
        card += QStringView(line).mid(at, kFoldWidth - 1);
    }
}

} // namespace

PhotoValue readPhoto(const QString& cellText, const QString& baseFolder, qsizetype maxBytes) {
    const QString text = cellText.trimmed();
    if (text.isEmpty()) {
        return {};
    }
    QString scheme;
    if (hasScheme(text, &scheme)) {
        if (scheme != u"http"_s && scheme != u"https"_s) {
            return problem(
                text, E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "not an http or https address")));
        }
        if (!isWritableAddress(text)) {
            return problem(text,
                           E2V_SENTENCE(QT_TRANSLATE_NOOP("Photo", "not a valid web address")));
        }
        PhotoValue v;
        v.kind = PhotoValue::Kind::Uri;
        v.uri = text;
        return v;
    }
    const QString path = QDir::isAbsolutePath(text) ? text : QDir(baseFolder).filePath(text);
    // Lists kept on Windows write "photos\ann.jpg".
    if (!QFileInfo::exists(path) && text.contains(u'\\')) {
        QString slashed = text;
        slashed.replace(u'\\', u'/');
        const QString other =
            QDir::isAbsolutePath(slashed) ? slashed : QDir(baseFolder).filePath(slashed);
        if (QFileInfo::exists(other)) {
            return readImageFile(text, other, maxBytes);
        }
    }
    return readImageFile(text, path, maxBytes);
}

void appendPhotoProperty(QString& card, const PhotoValue& photo, VCardVersion version) {
    switch (photo.kind) {
    case PhotoValue::Kind::None:
        return;
    case PhotoValue::Kind::Uri:
        card += u"\r\n"_s;
        switch (version) {
        case VCardVersion::V21:
            // 2.1 unfolding keeps the space of a fold, which would break the address.
            card += u"PHOTO;VALUE=URL:"_s + photo.uri;
            return;
        case VCardVersion::V30:
        case VCardVersion::V40:
            appendFolded(card, u"PHOTO;VALUE=uri:"_s + photo.uri);
            return;
        }
        return;
    case PhotoValue::Kind::Embedded: {
        const QString base64 = QString::fromLatin1(photo.jpeg.toBase64());
        card += u"\r\n"_s;
        switch (version) {
        case VCardVersion::V21:
            appendFolded(card, u"PHOTO;ENCODING=BASE64;TYPE=JPEG:"_s + base64);
            // 2.1 readers take the empty line as the end of the base64 value.
            card += u"\r\n"_s;
            return;
        case VCardVersion::V30:
            appendFolded(card, u"PHOTO;ENCODING=b;TYPE=JPEG:"_s + base64);
            return;
        case VCardVersion::V40:
            // VALUE=uri is the default on a 4.0 PHOTO, yet some readers show no photo without it.
            appendFolded(card, u"PHOTO;VALUE=uri:data:image/jpeg;base64,"_s + base64);
            return;
        }
        return;
    }
    }
}

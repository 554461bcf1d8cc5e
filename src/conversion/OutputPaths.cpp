#include "OutputPaths.h"

#include "ContactValues.h"
#include "FilePath.h"
#include "ProductInfo.h"
#include "TextCleaning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace {

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) {
        return folder + name;
    }
    return folder + QLatin1Char('/') + name;
}

int utf8Length(char32_t c) {
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isForbiddenInFileName(char16_t c) {
    switch (c) {
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return isControl(c);
    }
}

// The number of leading UTF-16 units of text that fit in room bytes of UTF-8, never
// splitting a surrogate pair.
qsizetype unitsWithin(const QString& text, qsizetype room) {
    qsizetype bytes = 0;
    qsizetype keep = 0;
    while (keep < text.size()) {
        const QChar c = text.at(keep);
        qsizetype units = 1;
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && keep + 1 < text.size() && text.at(keep + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, text.at(keep + 1));
            units = 2;
        }
        // A lone surrogate is written as the three bytes of U+FFFD.
        const int len = utf8Length(cp);
        if (bytes + len > room) {
            break;
        }
        bytes += len;
        keep += units;
    }
    return keep;
}

// Windows reads "CON", "con.txt" and "CON .txt" alike as the device; so also the
// superscript-digit forms COM¹ and LPT³.
bool isDeviceName(QStringView stem) {
    while (stem.endsWith(u' ')) {
        stem.chop(1);
    }
    for (const char16_t* device : {u"CON", u"PRN", u"AUX", u"NUL"}) {
        if (stem.compare(QStringView(device), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    if (stem.size() != 4 || !(stem.left(3).compare(u"COM", Qt::CaseInsensitive) == 0 ||
                              stem.left(3).compare(u"LPT", Qt::CaseInsensitive) == 0)) {
        return false;
    }
    const char16_t d = stem.at(3).unicode();
    return (d >= u'1' && d <= u'9') || d == u'\u00B9' || d == u'\u00B2' || d == u'\u00B3';
}

} // namespace

QString stampedFolderPath(const QString& base, const QDateTime& now) {
    const QDate d = now.date();
    const QTime t = now.time();
    const QString name = (outputFolderPrefix() + QStringLiteral("%1_%2_%3_%4_%5_%6"))
                             .arg(d.day())
                             .arg(d.month())
                             .arg(d.year())
                             .arg(t.hour())
                             .arg(t.minute())
                             .arg(t.second());
    return joinPath(base, name);
}

FolderResult createStampedFolder(const QString& base, const QDateTime& now) {
    const QString stamped = stampedFolderPath(base, now);
    FolderResult result;
    for (int n = 1; n <= 10000; ++n) {
        const QString candidate =
            n == 1 ? stamped : stamped + QLatin1Char('_') + QString::number(n);
        std::error_code ec;
        // create_directory is false without an error when the path exists: try the next name.
        if (std::filesystem::create_directory(toFsPath(candidate), ec)) {
            result.path = candidate;
            return result;
        }
        if (ec) {
            result.path = candidate;
            result.status = Status::failure(
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Output", "The folder “%1” cannot be created: %2."))
                    .arg(candidate)
                    .arg(QString::fromLocal8Bit(ec.message())));
            return result;
        }
    }
    result.path = stamped;
    result.status = Status::failure(
        E2V_SENTENCE(QT_TRANSLATE_NOOP(
                         "Output", "The folder “%1” cannot be created: too many folders of that "
                                   "name exist already."))
            .arg(stamped));
    return result;
}

QString makeNameKey(const ContactValues& values) {
    QString joined = values.LastName + values.FirstName + values.MiddleName;
    joined.remove(QLatin1Char(';'));
    QString key = strClean(joined);
    for (QChar& c : key) {
        if (isControl(c.unicode())) {
            c = QLatin1Char(' ');
        }
    }
    return key;
}

QString portableFileName(const QString& name) {
    const auto chopDotsAndSpaces = [](QString& text) {
        while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' '))) {
            text.chop(1);
        }
    };
    QString out = name;
    for (QChar& c : out) {
        if (isForbiddenInFileName(c.unicode())) {
            c = QLatin1Char(' ');
        }
    }
    chopDotsAndSpaces(out);
    // The extension is kept whole when it leaves room for a character and a "_".
    qsizetype dot = out.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || out.mid(dot).toUtf8().size() > kMaxFileNameBytes - 2) {
        dot = out.size();
    }
    const QString extension = out.mid(dot);
    const qsizetype room = kMaxFileNameBytes - extension.toUtf8().size();
    QString stem = out.left(dot);
    stem.truncate(unitsWithin(stem, room));
    if (extension.isEmpty()) {
        chopDotsAndSpaces(stem);
    }
    // Windows takes the part before the first dot for the device.
    if (isDeviceName(QStringView(stem).left(stem.indexOf(QLatin1Char('.'))))) {
        stem.truncate(unitsWithin(stem, room - 1));
        const qsizetype firstDot = stem.indexOf(QLatin1Char('.'));
        stem.insert(firstDot < 0 ? stem.size() : firstDot, QLatin1Char('_'));
    }
    out = stem + extension;
    return out.isEmpty() ? QStringLiteral("_") : out;
}

QString cardFilePath(const QString& outputFolder, bool singleFile, const QString& nameKey,
                     qint32 contactsAdded) {
    if (singleFile) {
        return joinPath(outputFolder, QStringLiteral("All Contacts.vcf"));
    }
    const QString number = QString::number(contactsAdded);
    if (nameKey.isEmpty()) {
        return joinPath(outputFolder, number + QStringLiteral(".vcf"));
    }
    const QString suffix = QLatin1Char('_') + number + QStringLiteral(".vcf");
    const qsizetype room = kMaxFileNameBytes - suffix.size(); // the suffix is ASCII
    return joinPath(outputFolder,
                    portableFileName(nameKey.left(unitsWithin(nameKey, room)) + suffix));
}

QString singleCardFilePath(const QString& outputFolder, qint32 part) {
    return part <= 1 ? cardFilePath(outputFolder, true, QString(), 0)
                     : joinPath(outputFolder, QStringLiteral("All Contacts %1.vcf").arg(part));
}

QString defaultSaveLocation() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return QDir::toNativeSeparators(documents);
    }
    return QDir::toNativeSeparators(QDir::homePath());
}

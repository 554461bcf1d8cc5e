#include "CardFile.h"

#include <QDir>

#include <filesystem>
#include <system_error>

namespace {
// The size of the file at path now, or -1 when there is none.
qint64 sizeOnDisk(const QString& path) {
    std::error_code ec;
#ifdef Q_OS_WIN
    const auto size = std::filesystem::file_size(path.toStdWString(), ec);
#else
    const auto size = std::filesystem::file_size(QFile::encodeName(path).toStdString(), ec);
#endif
    return ec ? -1 : qint64(size);
}
} // namespace

QString cardWriteFailure(const QString& path, const QString& reason) {
    return QStringLiteral("\u201C%1\u201D cannot be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

Status CardFileWriter::append(const QString& path, const QByteArray& bytes) {
    if (m_file && (m_file->fileName() != path || sizeOnDisk(path) != m_size)) {
        close();
    }
    if (!m_file) {
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            return Status::failure(cardWriteFailure(path, file->errorString()));
        }
        m_size = file->size();
        m_file = std::move(file);
    }
    const qint64 before = m_size;
    qint64 done = 0;
    QString reason;
    while (done < bytes.size()) {
        const qint64 n = m_file->write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            reason = m_file->errorString();
            break;
        }
        done += n;
    }
    Status status = Status::success();
    if (done < bytes.size()) {
        // Cut off what part of the card got out, so no reader meets half a card.
        const bool created = before == 0;
        m_file->resize(before);
        m_file->close();
        if (created) {
            m_file->remove();
        }
        m_file.reset();
        return Status::failure(
            cardWriteFailure(path, reason.isEmpty() ? QStringLiteral("the disk is full") : reason));
    }
    m_size = before + done;
    if (!m_keepOpen) {
        close();
    }
    return status;
}

void CardFileWriter::close() {
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

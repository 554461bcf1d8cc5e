#include "CardFile.h"

#include "FilePath.h"

#include <QDir>

#include <filesystem>
#include <system_error>

namespace {

constexpr qsizetype kBatchBytes = 256 * 1024;

// The size of the file at path now, or -1 when there is none.
qint64 sizeOnDisk(const QString& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(toFsPath(path), ec);
    return ec ? -1 : qint64(size);
}

// The message for a card file that could not be written.
Sentence cardWriteFailure(const QString& path, Sentence reason) {
    return E2V_SENTENCE(QT_TRANSLATE_NOOP("Output", "“%1” cannot be written: %2"))
        .arg(QDir::toNativeSeparators(path))
        .arg(std::move(reason));
}

} // namespace

void CardFileWriter::append(const QString& path, const QByteArray& card) {
    if (m_pendingCards > 0 && (!m_batched || path != m_pendingPath)) {
        flush();
    }
    if (m_batched) {
        m_pendingPath = path;
        m_pending += card;
        ++m_pendingCards;
        if (m_pending.size() >= kBatchBytes) {
            flush();
        }
        return;
    }
    Sentence reason = writeOut(path, card);
    closeFile();
    if (!reason.isEmpty()) {
        fail(1, std::move(reason));
    }
}

void CardFileWriter::close() {
    flush();
    closeFile();
}

void CardFileWriter::flush() {
    if (m_pendingCards == 0) {
        return;
    }
    Sentence reason = writeOut(m_pendingPath, m_pending);
    if (!reason.isEmpty()) {
        fail(m_pendingCards, std::move(reason));
    }
    m_pending.clear();
    m_pendingCards = 0;
}

Sentence CardFileWriter::writeOut(const QString& path, const QByteArray& bytes) {
    if (m_file && (m_file->fileName() != path || sizeOnDisk(path) != m_size)) {
        closeFile();
    }
    if (!m_file) {
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            return cardWriteFailure(path, Sentence::plain(file->errorString()));
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
    if (done < bytes.size()) {
        // Cut off what got out, so no reader meets half a card.
        m_file->resize(before);
        if (before == 0) {
            m_file->remove();
        }
        closeFile();
        return cardWriteFailure(
            path, reason.isEmpty() ? E2V_SENTENCE(QT_TRANSLATE_NOOP("Output", "the disk is full"))
                                   : Sentence::plain(reason));
    }
    m_size = before + done;
    return Sentence();
}

void CardFileWriter::closeFile() {
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

void CardFileWriter::fail(qint32 cards, Sentence reason) {
    if (m_failed == 0) {
        m_firstFailure = std::move(reason);
    }
    m_failed += cards;
}

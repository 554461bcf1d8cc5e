#pragma once

#include "Sentence.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// Writes cards to files, each card whole or not at all: a write that falls short is cut
// back off, so a file never ends in half a card. In batched mode (one file for all) cards
// for the same file collect in memory and go out together; otherwise each card is written
// and its file closed at once. When the file at the path is removed or replaced while it
// is open, it is opened afresh, so no card goes to a file nobody can see.
class CardFileWriter {
public:
    CardFileWriter() = default;
    ~CardFileWriter() { close(); }
    CardFileWriter(const CardFileWriter&) = delete;
    CardFileWriter& operator=(const CardFileWriter&) = delete;

    void setBatched(bool batched) { m_batched = batched; }
    // Appends one card to the file at path (created when missing).
    void append(const QString& path, const QByteArray& card);
    // Writes out what is queued and closes the file.
    void close();
    // Counts a card that is not written at all, for the reason given.
    void reject(Sentence reason) { fail(1, std::move(reason)); }
    // The same with a reason already in the user's language.
    void reject(const QString& reason) { fail(1, Sentence::plain(reason)); }

    // Cards that could not be written, and the reason of the first (names the file), in the
    // current language or as a sentence to show later.
    qint32 failedCards() const { return m_failed; }
    QString firstFailure() const { return m_firstFailure.toString(); }
    const Sentence& firstFailureSentence() const { return m_firstFailure; }

private:
    void flush();
    // Appends bytes to path; on failure nothing of them stays and the reason is returned.
    Sentence writeOut(const QString& path, const QByteArray& bytes);
    void closeFile();
    void fail(qint32 cards, Sentence reason);

    std::unique_ptr<QFile> m_file;
    qint64 m_size = 0; // what the open file holds, to notice it being replaced or removed
    QString m_pendingPath;
    QByteArray m_pending;
    qint32 m_pendingCards = 0;
    bool m_batched = false;
    qint32 m_failed = 0;
    Sentence m_firstFailure;
};

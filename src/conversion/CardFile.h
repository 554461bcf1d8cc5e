#pragma once

#include "Status.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// Appends cards to files, each card whole or not at all: a card goes out in one write, and
// a write that falls short is cut back off, so a file never ends in half a card. The last
// file stays open while cards keep going to it (the single-file mode); when the file at the
// path is removed or replaced meanwhile, it is opened afresh so no card goes to a file
// nobody can see.
class CardFileWriter {
public:
    CardFileWriter() = default;
    ~CardFileWriter() { close(); }
    CardFileWriter(const CardFileWriter&) = delete;
    CardFileWriter& operator=(const CardFileWriter&) = delete;

    // Appends bytes to the file at path (created when missing). The message names the file
    // and the reason.
    Status append(const QString& path, const QByteArray& bytes);
    // Keep the file open after append, for the next card to the same path.
    void setKeepOpen(bool keep) { m_keepOpen = keep; }
    void close();

private:
    std::unique_ptr<QFile> m_file;
    qint64 m_size = 0; // what the open file holds, to notice it being replaced or removed
    bool m_keepOpen = false;
};

// The message for a card file that could not be written.
QString cardWriteFailure(const QString& path, const QString& reason);

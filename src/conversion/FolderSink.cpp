#include "FolderSink.h"

#include "OutputPaths.h"

#include <QDir>

FolderSink::FolderSink(const ConversionOptions& options)
    : m_location(options.saveLocation.trimmed()), m_singleFile(options.singleFile),
      m_cardsPerFile(importTargetRules(options.importTarget).cardsPerFile) {
    m_writer.setBatched(m_singleFile);
}

bool FolderSink::start(const QDateTime& now, ConversionReport& report) {
    if (m_location.isEmpty()) {
        report.outcome = ConversionReport::Outcome::NoSaveLocation;
        return false;
    }
    const FolderResult folder = createStampedFolder(m_location, now);
    m_folder = folder.path;
    report.outputFolder = folder.path;
    if (!folder.status) {
        report.outcome = ConversionReport::Outcome::FolderFailed;
        report.message = folder.status.message();
        return false;
    }
    return true;
}

void FolderSink::abandon() {
    // Nothing was written: leave no empty folder behind.
    QDir().rmdir(m_folder);
}

void FolderSink::put(const OutgoingCard& card) {
    QString file;
    if (m_singleFile) {
        const qint32 part = m_cardsPerFile > 0 ? m_singleCards / m_cardsPerFile + 1 : 1;
        file = singleCardFilePath(m_folder, part);
        ++m_singleCards;
    } else {
        file = cardFilePath(m_folder, false, makeNameKey(card.values), card.number);
    }
    m_writer.append(file, card.card);
}

void FolderSink::refuse(const OutgoingCard&, const QString& reason) {
    m_writer.reject(reason);
}

void FolderSink::finish(ConversionReport& report) {
    m_writer.close();
    report.cardsFailed = m_writer.failedCards();
    report.firstFailure = m_writer.firstFailure();
}

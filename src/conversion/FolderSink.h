#pragma once

#include "CardFile.h"
#include "ConversionRun.h"

// The cards into files: a new stamped folder under the save location, and in it one file per
// contact named after the contact, or the one file for all ("All Contacts.vcf", continued in
// "All Contacts 2.vcf" where the target limits the cards a file holds).
class FolderSink final : public CardSink {
public:
    // options: as withTargetRules leaves them.
    explicit FolderSink(const ConversionOptions& options);

    bool start(const QDateTime& now, ConversionReport& report) override;
    void abandon() override;
    void put(const OutgoingCard& card) override;
    void refuse(const OutgoingCard& card, const QString& reason) override;
    void finish(ConversionReport& report) override;

private:
    QString m_location;
    bool m_singleFile;
    qint32 m_cardsPerFile;
    QString m_folder;
    qint32 m_singleCards = 0; // cards sent to the one file for all, for the target's limit
    CardFileWriter m_writer;
};

#include "ConversionRun.h"

#include "CardFile.h"
#include "CellAddress.h"
#include "CellValue.h"
#include "ContactField.h"
#include "FieldMapping.h"
#include "OutputPaths.h"
#include "VCardWriter.h"
#include "WizardState.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QDir>
#include <QFileInfo>

#include <vector>

namespace {

const QString kOpenQuestion =
    QStringLiteral("Would you like to open folder containing excel file. Click Yes else click No.");

// One mapped column that feeds a card.
struct ColumnFeed {
    qint32 column;
    QString ContactValues::*member;
    bool email;
};

} // namespace

QString noSaveLocationMessage() {
    return QStringLiteral("Please Choose Saving Location");
}

QString countText(qint32 count, qint32 dataRows) {
    return QLatin1Char(' ') + QString::number(count) + QLatin1Char('/') + QString::number(dataRows);
}

QString ConversionReport::endText() const {
    if (allWritten()) {
        return QStringLiteral("The contacts have been exported successfully to vCard files.\r\n") +
               kOpenQuestion;
    }
    if (!finished()) {
        return message;
    }
    return QStringLiteral("%1 of %2 contacts could not be written to vCard files. The first "
                          "reason: %3\r\n")
               .arg(cardsFailed)
               .arg(contactsAdded)
               .arg(firstFailure) +
           kOpenQuestion;
}

ConversionReport convertContacts(WizardState& state, const QString& path, WorkbookSource& source,
                                 ConversionHost& host) {
    ConversionReport report;
    const QString location = host.saveLocation().trimmed();
    if (location.isEmpty()) {
        report.outcome = ConversionReport::Outcome::NoSaveLocation;
        report.message = noSaveLocationMessage();
        return report;
    }
    report.dataRows = qMax(0, state.itemCount - 1);

    const FolderResult folder = createStampedFolder(location, host.now());
    state.outputFolder = folder.path;
    report.outputFolder = folder.path;
    if (!folder.status) {
        report.outcome = ConversionReport::Outcome::FolderFailed;
        report.message = folder.status.message();
        return report;
    }

    Yielder yielder([&host] { host.yield(); }, kConversionYieldMs);
    const Status opened = source.openWorkbook(path, &yielder);
    if (!opened) {
        // Nothing was written: leave no empty folder behind.
        QDir().rmdir(folder.path);
        report.outcome = ConversionReport::Outcome::WorkbookFailed;
        report.message = opened.message();
        return report;
    }

    const qint32 headerCount = qBound(0, state.headerCount, kStateSlots);
    // The file may have been changed since step 1: a mapped header that is gone would
    // silently drop a column from every card, so the run stops instead.
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        const qint32 column = state.mappedColumns[size_t(k)];
        const QString& header = state.mappedHeaders[size_t(k)];
        if (column < 0 || column >= headerCount || source.cellAt(1, column).textForm() != header) {
            source.closeWorkbook();
            QDir().rmdir(folder.path);
            report.outcome = ConversionReport::Outcome::WorkbookFailed;
            report.message =
                QStringLiteral("\u201C%1\u201D has changed since it was read: column %2 no "
                               "longer has the header \u201C%3\u201D. Select the file again.")
                    .arg(QFileInfo(path).fileName(), columnLetters(qMax(0, column)), header);
            return report;
        }
    }

    // The headers are read afresh from the workbook being converted, once per run: the
    // workbook does not change while it is open.
    std::vector<ColumnFeed> feeds;
    for (qint32 c = 0; c < headerCount; ++c) {
        QString field;
        if (!findMappedField(state, c, source, field)) {
            continue;
        }
        if (QString ContactValues::*member = contactValueMember(field)) {
            feeds.push_back({c, member, isEmailField(field)});
        }
    }

    std::vector<CellValue> cells(feeds.size());
    CardFileWriter writer;
    const QString singlePath = cardFilePath(folder.path, true, QString(), 0);
    ContactValues values;
    state.progressDone = 0;
    const qint32 lastRow = qMin(state.lastItemRow, source.sheetRowLimit());
    for (qint32 row = 2; row <= lastRow; ++row) {
        // A row can cost a file creation: look at the clock every row, not every 256th.
        yielder.check();
        bool anyMapped = false;
        for (size_t i = 0; i < feeds.size(); ++i) {
            cells[i] = source.cellAt(row, feeds[i].column);
            anyMapped = anyMapped || !isBlankCell(cells[i]);
        }
        if (!anyMapped) {
            // Step 1 did not count a row blank in every header column; convert the same rows.
            bool blank = true;
            for (qint32 c = 0; c < headerCount && blank; ++c) {
                blank = isBlankCell(source.cellAt(row, c));
            }
            if (blank) {
                continue;
            }
        }
        ++state.progressDone;
        values.clear();
        bool leftOut = false;
        for (size_t i = 0; i < feeds.size(); ++i) {
            const ColumnFeed& feed = feeds[i];
            const CellValue& v = cells[i];
            if (isBlankCell(v)) {
                continue;
            }
            QString text = v.textForm();
            if (feed.email && text.trimmed().isEmpty() && !host.allowEmptyEmail()) {
                ++report.emptyEmailCount;
                host.emptyEmailCountChanged(report.emptyEmailCount, report.dataRows);
                leftOut = true;
                break;
            }
            values.*feed.member = std::move(text);
        }
        if (leftOut) {
            continue;
        }
        ++report.contactsAdded;
        host.contactCountChanged(report.contactsAdded, report.dataRows);
        QByteArray bytes = buildCard(values, host.vCardVersion()).toUtf8();
        bytes.append("\r\n", 2);
        const bool single = host.singleFile();
        writer.setBatched(single);
        const QString file =
            single ? singlePath
                   : cardFilePath(folder.path, false, makeNameKey(values), report.contactsAdded);
        writer.append(file, bytes);
    }
    writer.close();
    report.cardsFailed = writer.failedCards();
    report.firstFailure = writer.firstFailure();
    source.closeWorkbook();
    report.outcome = ConversionReport::Outcome::Finished;
    return report;
}

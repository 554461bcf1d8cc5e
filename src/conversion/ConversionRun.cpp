#include "ConversionRun.h"

#include "CardFile.h"
#include "CellAddress.h"
#include "CellValue.h"
#include "ContactField.h"
#include "OutputPaths.h"
#include "VCardWriter.h"
#include "WizardState.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QString kOpenQuestion =
    QStringLiteral("Would you like to open folder containing excel file. Click Yes else click No.");

// One mapped column that feeds a card.
struct ColumnFeed {
    qint32 column;
    QString ContactValues::*member; // nullptr: the field reaches no card
    bool email;
    bool phone;
};

// A row is read left to right, as its columns stand. Of two mappings made from one column the
// first counts; columns whose field reaches no card are not read at all.
void putInColumnOrder(std::vector<ColumnFeed>& feeds) {
    std::stable_sort(feeds.begin(), feeds.end(),
                     [](const ColumnFeed& a, const ColumnFeed& b) { return a.column < b.column; });
    feeds.erase(
        std::unique(feeds.begin(), feeds.end(),
                    [](const ColumnFeed& a, const ColumnFeed& b) { return a.column == b.column; }),
        feeds.end());
    std::erase_if(feeds, [](const ColumnFeed& f) { return f.member == nullptr; });
}

// The cells of one row that feed its card (cells[i] for feeds[i]). False for a row that is
// blank in every header column: step 1 did not count it, so it is not converted either.
bool readRowCells(const WorkbookSource& source, qint32 row, qint32 headerCount,
                  const std::vector<ColumnFeed>& feeds, std::vector<CellValue>& cells) {
    bool anyMapped = false;
    for (size_t i = 0; i < feeds.size(); ++i) {
        cells[i] = source.cellAt(row, feeds[i].column);
        anyMapped = anyMapped || !isBlankCell(cells[i]);
    }
    if (anyMapped) {
        return true;
    }
    for (qint32 c = 0; c < headerCount; ++c) {
        if (!isBlankCell(source.cellAt(row, c))) {
            return true;
        }
    }
    return false;
}

// One contact from its row's cells (cells[i] for feeds[i]): every cell that is not blank gives
// its text form to its field. False when an e-mail cell holds nothing but spaces and
// allowEmptyEmail() says no: the contact is left out, and the cells after it are not looked at.
bool readContact(const std::vector<ColumnFeed>& feeds, const std::vector<CellValue>& cells,
                 const std::function<bool()>& allowEmptyEmail, ContactValues& values) {
    values.clear();
    for (size_t i = 0; i < feeds.size(); ++i) {
        const CellValue& cell = cells[i];
        if (isBlankCell(cell)) {
            continue;
        }
        QString text = cell.textForm();
        if (feeds[i].email && text.trimmed().isEmpty() && !allowEmptyEmail()) {
            return false;
        }
        values.*feeds[i].member = std::move(text);
    }
    return true;
}

// The phone numbers of a contact in the chosen form (cells[i] for feeds[i]). A number cell
// whose shown text is no valid number (a format such as "0.00E+00" hides digits) is tried
// again with all the digits of its value; a date or a fraction is no phone number, whatever
// its text. Numbers left as they were are counted.
void formatPhones(const std::vector<ColumnFeed>& feeds, const std::vector<CellValue>& cells,
                  qint32 row, PhoneFormatter& formatter, ContactValues& values,
                  ValueProblems& left) {
    for (size_t i = 0; i < feeds.size(); ++i) {
        if (!feeds[i].phone || isBlankCell(cells[i])) {
            continue;
        }
        QString& text = values.*feeds[i].member;
        if (text.trimmed().isEmpty()) {
            continue;
        }
        const CellValue& cell = cells[i];
        std::optional<QString> formatted;
        if (!cell.isNumber()) {
            formatted = formatter.format(text);
        } else if (const double v = cell.numberValue();
                   !cell.holdsDate() && v >= 1.0 && v < 1e15 && v == std::floor(v)) {
            formatted = formatter.format(text);
            if (!formatted) {
                formatted = formatter.format(QString::number(qint64(v)));
            }
        }
        if (formatted) {
            text = std::move(*formatted);
        } else {
            left.add(row, text);
        }
    }
}

// Writes each card where the host's options say at that moment: into the one file for all, or
// into a file of its own named after the contact.
class CardOutput {
public:
    CardOutput(const QString& folder, ConversionHost& host, const ImportTargetRules& target)
        : m_folder(folder), m_host(host), m_target(target) {}

    // Builds the contact's card and appends it to its file; number is the contact's running
    // number, which numbers the per-contact files.
    void write(const ContactValues& values, qint32 number) {
        const VCardVersion version = versionForTarget(m_target.target, m_host.vCardVersion());
        QByteArray bytes = buildCard(values, version, m_target.card).toUtf8();
        bytes.append("\r\n", 2);
        if (m_target.cardBytesBelow > 0 && bytes.size() >= m_target.cardBytesBelow) {
            m_writer.reject(QStringLiteral("the card of contact %1 has %2 KB, and %3 takes "
                                           "cards under %4 KB")
                                .arg(number)
                                .arg((bytes.size() + 1023) / 1024)
                                .arg(QStringView(m_target.title))
                                .arg(m_target.cardBytesBelow / 1024));
            return;
        }
        const bool single = m_host.singleFile() && m_target.singleFileAllowed;
        m_writer.setBatched(single);
        QString file;
        if (single) {
            const qint32 part =
                m_target.cardsPerFile > 0 ? m_singleCards / m_target.cardsPerFile + 1 : 1;
            file = singleCardFilePath(m_folder, part);
            ++m_singleCards;
        } else {
            file = cardFilePath(m_folder, false, makeNameKey(values), number);
        }
        m_writer.append(file, bytes);
    }

    // Writes out what is queued; the cards that could not be written go into the report.
    void close(ConversionReport& report) {
        m_writer.close();
        report.cardsFailed = m_writer.failedCards();
        report.firstFailure = m_writer.firstFailure();
    }

private:
    QString m_folder;
    ConversionHost& m_host;
    const ImportTargetRules& m_target;
    qint32 m_singleCards = 0; // cards sent to the one file for all, for the target's limit
    CardFileWriter m_writer;
};

} // namespace

QString noSaveLocationMessage() {
    return QStringLiteral("Please Choose Saving Location");
}

QString countText(qint32 count, qint32 dataRows) {
    return QLatin1Char(' ') + QString::number(count) + QLatin1Char('/') + QString::number(dataRows);
}

QString ConversionReport::targetText() const {
    if (target == ImportTarget::Generic) {
        return QString();
    }
    return QStringLiteral("The cards are made for import into %1.")
        .arg(QStringView(importTargetRules(target).title));
}

QString ConversionReport::phonesLeftText() const {
    if (phonesLeft.count == 0) {
        return QString();
    }
    const QString example = QStringLiteral("(row %1: \"%2\")")
                                .arg(QString::number(phonesLeft.firstRow), phonesLeft.firstText);
    return phonesLeft.count == 1
               ? QStringLiteral("1 phone number was left as it was ") + example
               : QStringLiteral("%1 phone numbers were left as they were ").arg(phonesLeft.count) +
                     example;
}

QString ConversionReport::endText() const {
    if (!finished()) {
        return message;
    }
    QString text = allWritten()
                       ? QStringLiteral("The contacts have been exported successfully to vCard "
                                        "files.\r\n")
                       : QStringLiteral("%1 of %2 contacts could not be written to vCard files. "
                                        "The first reason: %3\r\n")
                             .arg(cardsFailed)
                             .arg(contactsAdded)
                             .arg(firstFailure);
    for (const QString& line : {targetText(), phonesLeftText()}) {
        if (!line.isEmpty()) {
            text += line + QStringLiteral("\r\n");
        }
    }
    return text + kOpenQuestion;
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
    const Status opened = source.openSheet(path, state.sheetIndex, &yielder);
    if (!opened) {
        // Nothing was written: leave no empty folder behind.
        QDir().rmdir(folder.path);
        report.outcome = ConversionReport::Outcome::WorkbookFailed;
        report.message = opened.message();
        return report;
    }

    const qint32 headerCount = qBound(0, state.headerCount, kStateSlots);
    // The file may have been changed since step 1: a mapped header that is gone would
    // silently drop a column from every card, so the run stops instead. The headers are read
    // once per run: the workbook does not change while it is open.
    std::vector<ColumnFeed> feeds;
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
        const ContactField& field = state.mappedFields[size_t(k)];
        feeds.push_back(
            {column, contactValueMember(field), isEmailField(field), isPhoneField(field)});
    }
    putInColumnOrder(feeds);

    std::vector<CellValue> cells(feeds.size());
    const std::function<bool()> allowEmptyEmail = [&host] { return host.allowEmptyEmail(); };
    report.target = host.importTarget();
    CardOutput output(folder.path, host, importTargetRules(report.target));
    PhoneFormatter phones;
    ContactValues values;
    state.progressDone = 0;
    const qint32 lastRow = qMin(state.lastItemRow, source.sheetRowLimit());
    for (qint32 row = 2; row <= lastRow; ++row) {
        // A row can cost a file creation: look at the clock every row, not every 256th.
        yielder.check();
        if (!readRowCells(source, row, headerCount, feeds, cells)) {
            continue;
        }
        ++state.progressDone;
        if (!readContact(feeds, cells, allowEmptyEmail, values)) {
            ++report.emptyEmailCount;
            host.emptyEmailCountChanged(report.emptyEmailCount, report.dataRows);
            continue;
        }
        if (PhoneFormatOptions phoneOptions = host.phoneFormat(); phoneOptions.active()) {
            if (phoneOptions != phones.options()) {
                phones = PhoneFormatter(std::move(phoneOptions));
            }
            formatPhones(feeds, cells, row, phones, values, report.phonesLeft);
        }
        ++report.contactsAdded;
        host.contactCountChanged(report.contactsAdded, report.dataRows);
        output.write(values, report.contactsAdded);
    }
    output.close(report);
    source.closeWorkbook();
    report.outcome = ConversionReport::Outcome::Finished;
    return report;
}

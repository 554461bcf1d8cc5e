#include "ConversionRun.h"

#include "CardFile.h"
#include "CellAddress.h"
#include "CellValue.h"
#include "ContactField.h"
#include "ContactPhoto.h"
#include "ContactRows.h"
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

} // namespace

CardLayout layoutOfFeeds(const std::vector<ColumnFeed>& feeds) {
    auto fed = [&feeds](std::initializer_list<QString ContactValues::*> members) {
        for (const ColumnFeed& f : feeds) {
            for (QString ContactValues::*m : members) {
                if (f.member == m) {
                    return true;
                }
            }
        }
        return false;
    };
    CardLayout layout;
    layout.nameAffixes = fed({&ContactValues::Title, &ContactValues::Suffix});
    layout.businessAddressParts =
        fed({&ContactValues::BusinessAddressStreet, &ContactValues::BusinessAddressCity,
             &ContactValues::BusinessAddressState, &ContactValues::BusinessAddressPostalCode,
             &ContactValues::BusinessAddressCountry});
    layout.homeAddressParts =
        fed({&ContactValues::HomeAddressStreet, &ContactValues::HomeAddressCity,
             &ContactValues::HomeAddressState, &ContactValues::HomeAddressPostalCode,
             &ContactValues::HomeAddressCountry});
    return layout;
}

namespace {

// A cell's text as a problem quotes it: on one line, and cut short when long.
QString shownText(const QString& text) {
    constexpr qsizetype kShownLength = 60;
    QString shown;
    for (const QChar c : QStringView(text).left(kShownLength)) {
        shown += c.unicode() < 0x20 ? QChar(u' ') : c;
    }
    if (text.size() > kShownLength) {
        shown += QStringLiteral("...");
    }
    return shown;
}

// The ISO form of the date a cell holds: a date cell's own day, whatever its format shows;
// otherwise its text read as a date. Empty when it holds none.
QString dateOfCell(const CellValue& cell, const std::function<DateOrder()>& dateOrder) {
    if (cell.holdsDate()) {
        const std::optional<QDate> day = cell.dateValue();
        return day ? isoDateText(cardDate(*day)) : QString();
    }
    const std::optional<CardDate> date = parseDateText(cell.textForm(), dateOrder());
    return date ? isoDateText(*date) : QString();
}

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
    return anyMapped || isContactRow(source, row, headerCount);
}

// One contact from its row's cells (cells[i] for feeds[i]): every cell that is not blank gives
// its text form to its field, a date cell its date. False when an e-mail cell holds nothing but
// spaces and allowEmptyEmail() says no: the contact is left out, and the cells after it are not
// looked at. Values that could not be used go into problems.
bool readContact(const std::vector<ColumnFeed>& feeds, const std::vector<CellValue>& cells,
                 const std::function<bool()>& allowEmptyEmail,
                 const std::function<DateOrder()>& dateOrder, ContactValues& values,
                 std::vector<PendingProblem>& problems) {
    values.clear();
    problems.clear();
    for (size_t i = 0; i < feeds.size(); ++i) {
        const CellValue& cell = cells[i];
        if (isBlankCell(cell)) {
            continue;
        }
        if (feeds[i].date) {
            QString iso = dateOfCell(cell, dateOrder);
            // A cell of spaces holds no date, and nothing to tell about either.
            if (iso.isEmpty() && !cell.textForm().trimmed().isEmpty()) {
                problems.push_back({feeds[i].member == &ContactValues::Anniversary
                                        ? ValueProblemKind::Anniversary
                                        : ValueProblemKind::Birthday,
                                    shownText(cell.textForm())});
            }
            values.*feeds[i].member = std::move(iso);
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

// Writes each card where the host's options say at that moment: into the one file for all, or
// into a file of its own named after the contact.
class CardOutput {
public:
    CardOutput(const QString& folder, ConversionHost& host, const ImportTargetRules& target,
               const CardLayout& layout)
        : m_folder(folder), m_host(host), m_target(target), m_layout(layout) {}

    // Builds the contact's card and appends it to its file; number is the contact's running
    // number, which numbers the per-contact files.
    // photoFolder: where the photo's path is taken from, should it have to be read smaller.
    void write(const ContactValues& values, const PhotoValue& photo, const QString& photoFolder,
               qint32 number) {
        const VCardVersion version = versionForTarget(m_target.target, m_host.vCardVersion());
        QByteArray bytes = cardBytes(values, version, photo);
        if (m_target.cardBytesBelow > 0 && bytes.size() >= m_target.cardBytesBelow &&
            photo.kind == PhotoValue::Kind::Embedded) {
            // A target that caps the card's size gets a smaller photo before the card is
            // refused. Base64 and folding make about 1.37 card bytes of each JPEG byte; the
            // JPEG gives up three quarters of the excess and a little more.
            const qsizetype excess = bytes.size() - m_target.cardBytesBelow + 1;
            const qsizetype budget = photo.jpeg.size() - excess * 3 / 4 - 1024;
            if (budget > 0) {
                if (const PhotoValue smaller = readPhoto(values.Photo, photoFolder, budget);
                    smaller.kind == PhotoValue::Kind::Embedded) {
                    bytes = cardBytes(values, version, smaller);
                }
            }
        }
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

    QByteArray cardBytes(const ContactValues& values, VCardVersion version,
                         const PhotoValue& photo) const {
        return cardFileText(values, version, m_layout, photo, m_target.card).toUtf8();
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
    CardLayout m_layout;
    CardFileWriter m_writer;
};

} // namespace

// The phone numbers of a contact in the chosen form (cells[i] for feeds[i]). A number cell
// whose shown text is no valid number (a format such as "0.00E+00" hides digits) is tried
// again with all the digits of its value; a date or a fraction is no phone number, whatever
// its text. Numbers left as they were are counted.
void formatContactPhones(const std::vector<ColumnFeed>& feeds, const std::vector<CellValue>& cells,
                         PhoneFormatter& formatter, ContactValues& values,
                         std::vector<PendingProblem>& problems) {
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
            problems.push_back({ValueProblemKind::PhoneNumber, text});
        }
    }
}

bool isContactRow(const WorkbookSource& source, qint32 row, qint32 headerCount) {
    for (qint32 c = 0; c < headerCount; ++c) {
        if (!isBlankCell(source.cellAt(row, c))) {
            return true;
        }
    }
    return false;
}

RowOutcome readContactRow(const WorkbookSource& source, qint32 row, qint32 headerCount,
                          const std::vector<ColumnFeed>& feeds, std::vector<CellValue>& cells,
                          const std::function<bool()>& allowEmptyEmail,
                          const std::function<DateOrder()>& dateOrder, ContactValues& values,
                          std::vector<PendingProblem>& problems) {
    if (!readRowCells(source, row, headerCount, feeds, cells)) {
        return RowOutcome::Blank;
    }
    if (!readContact(feeds, cells, allowEmptyEmail, dateOrder, values, problems)) {
        return RowOutcome::LeftOut;
    }
    return RowOutcome::Contact;
}

PhotoValue readContactPhoto(const ContactValues& values, const QString& baseFolder,
                            std::vector<PendingProblem>& problems) {
    if (values.Photo.isEmpty()) {
        return PhotoValue();
    }
    PhotoValue photo = readPhoto(values.Photo, baseFolder);
    if (photo.kind == PhotoValue::Kind::None && !photo.problem.isEmpty()) {
        problems.push_back({ValueProblemKind::Photo, photo.problem});
    }
    return photo;
}

QString cardFileText(const ContactValues& values, VCardVersion version, const CardLayout& layout,
                     const PhotoValue& photo, const CardRules& rules) {
    return buildCard(values, version, layout, photo, rules) + QStringLiteral("\r\n");
}

bool columnFeedsOf(const WizardState& state, const WorkbookSource& source,
                   std::vector<ColumnFeed>& feeds, qint32& changedMapping) {
    feeds.clear();
    const qint32 headerCount = qBound(0, state.headerCount, kStateSlots);
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        const qint32 column = state.mappedColumns[size_t(k)];
        const QString& header = state.mappedHeaders[size_t(k)];
        if (column < 0 || column >= headerCount || source.cellAt(1, column).textForm() != header) {
            changedMapping = k;
            return false;
        }
        const ContactField& field = state.mappedFields[size_t(k)];
        feeds.push_back({column, contactValueMember(field), isEmailField(field),
                         isPhoneField(field), isDateField(field)});
    }
    putInColumnOrder(feeds);
    return true;
}

QString changedHeaderMessage(const QString& path, qint32 column, const QString& header) {
    return QStringLiteral("\u201C%1\u201D has changed since it was read: column %2 no "
                          "longer has the header \u201C%3\u201D. Select the file again.")
        .arg(QFileInfo(path).fileName(), columnLetters(qMax(0, column)), header);
}

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

QString valueProblemText(const ValueProblem& problem) {
    const bool one = problem.count == 1;
    QString what;
    QString example = problem.firstText;
    switch (problem.kind) {
    case ValueProblemKind::Birthday:
        what = one ? QStringLiteral("birthday could not be read as a date")
                   : QStringLiteral("birthdays could not be read as dates");
        example = QLatin1Char('"') + example + QLatin1Char('"');
        break;
    case ValueProblemKind::Anniversary:
        what = one ? QStringLiteral("anniversary could not be read as a date")
                   : QStringLiteral("anniversaries could not be read as dates");
        example = QLatin1Char('"') + example + QLatin1Char('"');
        break;
    case ValueProblemKind::Photo:
        what = one ? QStringLiteral("photo could not be read")
                   : QStringLiteral("photos could not be read");
        break;
    case ValueProblemKind::PhoneNumber:
        what = one ? QStringLiteral("phone number was left as it was")
                   : QStringLiteral("phone numbers were left as they were");
        example = QLatin1Char('"') + example + QLatin1Char('"');
        break;
    }
    return QStringLiteral("%1 %2 (row %3: %4)")
        .arg(QString::number(problem.count), what, QString::number(problem.firstRow), example);
}

void ConversionReport::addValueProblem(ValueProblemKind kind, qint32 row, const QString& text) {
    for (ValueProblem& p : valueProblems) {
        if (p.kind == kind) {
            ++p.count;
            return;
        }
    }
    valueProblems.append({kind, 1, row, text});
}

qint32 ConversionReport::valueProblemCount(ValueProblemKind kind) const {
    for (const ValueProblem& p : valueProblems) {
        if (p.kind == kind) {
            return p.count;
        }
    }
    return 0;
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
    if (const QString made = targetText(); !made.isEmpty()) {
        text += made + QStringLiteral("\r\n");
    }
    for (const ValueProblem& p : valueProblems) {
        text += valueProblemText(p) + QStringLiteral("\r\n");
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
    if (qint32 changed = 0; !columnFeedsOf(state, source, feeds, changed)) {
        source.closeWorkbook();
        QDir().rmdir(folder.path);
        report.outcome = ConversionReport::Outcome::WorkbookFailed;
        report.message = changedHeaderMessage(path, state.mappedColumns[size_t(changed)],
                                              state.mappedHeaders[size_t(changed)]);
        return report;
    }

    std::vector<CellValue> cells(feeds.size());
    const std::function<bool()> allowEmptyEmail = [&host] { return host.allowEmptyEmail(); };
    report.target = host.importTarget();
    const std::function<DateOrder()> dateOrder = [&host] { return host.dateOrder(); };
    CardOutput output(folder.path, host, importTargetRules(report.target), layoutOfFeeds(feeds));
    PhoneFormatter phones;
    ContactValues values;
    std::vector<PendingProblem> problems;
    const QString baseFolder = QFileInfo(path).absolutePath();
    state.progressDone = 0;
    const qint32 lastRow = qMin(state.lastItemRow, source.sheetRowLimit());
    for (qint32 row = 2; row <= lastRow; ++row) {
        // A row can cost a file creation: look at the clock every row, not every 256th.
        yielder.check();
        const RowOutcome read = readContactRow(source, row, headerCount, feeds, cells,
                                               allowEmptyEmail, dateOrder, values, problems);
        if (read == RowOutcome::Blank) {
            continue;
        }
        ++state.progressDone;
        if (read == RowOutcome::LeftOut) {
            ++report.emptyEmailCount;
            host.emptyEmailCountChanged(report.emptyEmailCount, report.dataRows);
            continue;
        }
        if (PhoneFormatOptions phoneOptions = host.phoneFormat(); phoneOptions.active()) {
            if (phoneOptions != phones.options()) {
                phones = PhoneFormatter(std::move(phoneOptions));
            }
            formatContactPhones(feeds, cells, phones, values, problems);
        }
        ++report.contactsAdded;
        host.contactCountChanged(report.contactsAdded, report.dataRows);
        // The picture is read only for a card that is written; relative paths are taken
        // from the spreadsheet's folder.
        const PhotoValue photo = readContactPhoto(values, baseFolder, problems);
        for (const PendingProblem& p : problems) {
            report.addValueProblem(p.kind, row, p.text);
        }
        output.write(values, photo, baseFolder, report.contactsAdded);
    }
    output.close(report);
    source.closeWorkbook();
    report.outcome = ConversionReport::Outcome::Finished;
    return report;
}

#include "ContactRows.h"

#include "CellAddress.h"
#include "ContactField.h"
#include "DateText.h"
#include "WizardState.h"
#include "WorkbookSource.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>

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
QString dateOfCell(const CellValue& cell, DateOrder dateOrder) {
    if (cell.holdsDate()) {
        const std::optional<QDate> day = cell.dateValue();
        return day ? isoDateText(cardDate(*day)) : QString();
    }
    const std::optional<CardDate> date = parseDateText(cell.textForm(), dateOrder);
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

bool isContactRow(const WorkbookSource& source, qint32 row, qint32 headerCount) {
    for (qint32 c = 0; c < headerCount; ++c) {
        if (!isBlankCell(source.cellAt(row, c))) {
            return true;
        }
    }
    return false;
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
    return QCoreApplication::translate("Conversion",
                                       "\u201C%1\u201D has changed since it was read: column %2 "
                                       "no longer has the header \u201C%3\u201D. Select the file "
                                       "again.")
        .arg(QFileInfo(path).fileName(), columnLetters(qMax(0, column)), header);
}

RowCardMaker::RowCardMaker(const WorkbookSource& source, qint32 headerCount,
                           std::vector<ColumnFeed> feeds, const ConversionOptions& options,
                           QString baseFolder)
    : m_source(source), m_headerCount(headerCount), m_feeds(std::move(feeds)), m_options(options),
      m_target(importTargetRules(options.importTarget)), m_layout(layoutOfFeeds(m_feeds)),
      m_baseFolder(std::move(baseFolder)), m_phones(options.phoneFormat), m_cells(m_feeds.size()) {}

const RowCard& RowCardMaker::make(qint32 row) {
    m_result.card.clear();
    m_result.cardBytes = 0;
    m_result.problems.clear();
    m_result.uid = QUuid();
    m_result.keySource = ContactKeySource::RowNumber;
    m_result.occurrence = 1;
    if (!readCells(row)) {
        m_result.outcome = RowCard::Outcome::Blank;
    } else if (!readValues()) {
        m_result.outcome = RowCard::Outcome::LeftOut;
    } else {
        formatPhones();
        assignUid(row);
        buildCardBytes();
    }
    return m_result;
}

// The cells of one row that feed its card (m_cells[i] for m_feeds[i]). False for a row that is
// blank in every header column: step 1 did not count it, so it is not converted either.
bool RowCardMaker::readCells(qint32 row) {
    bool anyMapped = false;
    for (size_t i = 0; i < m_feeds.size(); ++i) {
        m_cells[i] = m_source.cellAt(row, m_feeds[i].column);
        anyMapped = anyMapped || !isBlankCell(m_cells[i]);
    }
    return anyMapped || isContactRow(m_source, row, m_headerCount);
}

// One contact from its row's cells: every cell that is not blank gives its text form to its
// field, a date cell its date. False when an e-mail cell holds nothing but spaces and empty
// e-mails are not allowed: the contact is left out, and the cells after it are not looked at.
bool RowCardMaker::readValues() {
    ContactValues& values = m_result.values;
    values.clear();
    for (size_t i = 0; i < m_feeds.size(); ++i) {
        const CellValue& cell = m_cells[i];
        if (isBlankCell(cell)) {
            continue;
        }
        if (m_feeds[i].date) {
            QString iso = dateOfCell(cell, m_options.dateOrder);
            // A cell of spaces holds no date, and nothing to tell about either.
            if (iso.isEmpty() && !cell.textForm().trimmed().isEmpty()) {
                m_result.problems.push_back({m_feeds[i].member == &ContactValues::Anniversary
                                                 ? ValueProblemKind::Anniversary
                                                 : ValueProblemKind::Birthday,
                                             shownText(cell.textForm())});
            }
            values.*m_feeds[i].member = std::move(iso);
            continue;
        }
        QString text = cell.textForm();
        if (m_feeds[i].email && text.trimmed().isEmpty() && !m_options.allowEmptyEmail) {
            return false;
        }
        values.*m_feeds[i].member = std::move(text);
    }
    return true;
}

// The phone numbers of the contact in the chosen form. A number cell whose shown text is no
// valid number (a format such as "0.00E+00" hides digits) is tried again with all the digits
// of its value; a date or a fraction is no phone number, whatever its text. Numbers left as
// they were are counted.
void RowCardMaker::formatPhones() {
    if (!m_options.phoneFormat.active()) {
        return;
    }
    for (size_t i = 0; i < m_feeds.size(); ++i) {
        if (!m_feeds[i].phone || isBlankCell(m_cells[i])) {
            continue;
        }
        QString& text = m_result.values.*m_feeds[i].member;
        if (text.trimmed().isEmpty()) {
            continue;
        }
        const CellValue& cell = m_cells[i];
        std::optional<QString> formatted;
        if (!cell.isNumber()) {
            formatted = m_phones.format(text);
        } else if (const double v = cell.numberValue();
                   !cell.holdsDate() && v >= 1.0 && v < 1e15 && v == std::floor(v)) {
            formatted = m_phones.format(text);
            if (!formatted) {
                formatted = m_phones.format(QString::number(qint64(v)));
            }
        }
        if (formatted) {
            text = std::move(*formatted);
        } else {
            m_result.problems.push_back({ValueProblemKind::PhoneNumber, text});
        }
    }
}

void RowCardMaker::assignUid(qint32 row) {
    if (m_options.destination != CardDestination::Server) {
        return;
    }
    std::optional<QString> columnText;
    if (m_options.uidColumn >= 0) {
        // The chosen column need not be mapped: its cell is read as it stands.
        const CellValue cell = m_source.cellAt(row, m_options.uidColumn);
        columnText = isBlankCell(cell) ? QString() : cell.textForm();
    }
    const ContactUids::Assigned assigned = m_uids.assign(row, m_result.values, columnText);
    m_result.uid = assigned.uid;
    m_result.keySource = assigned.source;
    m_result.occurrence = assigned.occurrence;
}

void RowCardMaker::buildCardBytes() {
    const ContactValues& values = m_result.values;
    const VCardVersion version = m_options.vCardVersion;
    auto bytesOf = [&](const PhotoValue& photo) {
        return (buildCard(values, version, m_layout, photo, m_target.card, m_result.uid) +
                QStringLiteral("\r\n"))
            .toUtf8();
    };
    // The picture is read only for a card that is made; relative paths are taken from the
    // spreadsheet's folder.
    PhotoValue photo;
    if (!values.Photo.isEmpty()) {
        photo = readPhoto(values.Photo, m_baseFolder);
        if (photo.kind == PhotoValue::Kind::None && !photo.problem.isEmpty()) {
            m_result.problems.push_back({ValueProblemKind::Photo, photo.problem});
        }
    }
    QByteArray bytes = bytesOf(photo);
    const qint64 below = m_target.cardBytesBelow;
    if (below > 0 && bytes.size() >= below && photo.kind == PhotoValue::Kind::Embedded) {
        // A target that caps the card's size gets a smaller photo before the card is refused.
        // Base64 and folding make about 1.37 card bytes of each JPEG byte; the JPEG gives up
        // three quarters of the excess and a little more.
        const qsizetype excess = bytes.size() - below + 1;
        const qsizetype budget = photo.jpeg.size() - excess * 3 / 4 - 1024;
        if (budget > 0) {
            if (const PhotoValue smaller = readPhoto(values.Photo, m_baseFolder, budget);
                smaller.kind == PhotoValue::Kind::Embedded) {
                bytes = bytesOf(smaller);
            }
        }
    }
    if (below > 0 && bytes.size() >= below) {
        m_result.outcome = RowCard::Outcome::TooLarge;
        m_result.cardBytes = bytes.size();
        return;
    }
    m_result.outcome = RowCard::Outcome::Card;
    m_result.card = std::move(bytes);
}

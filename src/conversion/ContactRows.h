#pragma once

// From the rows of an open workbook to cards. The conversion run and the card preview both
// make a row's card through RowCardMaker, so that the preview shows what the run writes.

#include "CellValue.h"
#include "ContactPhoto.h"
#include "ContactUid.h"
#include "ContactValues.h"
#include "ConversionOptions.h"
#include "ImportTarget.h"
#include "PhoneFormat.h"
#include "VCardWriter.h"

#include <QByteArray>
#include <QString>

#include <vector>

class WorkbookSource;
struct WizardState;

// One mapped column that feeds a card.
struct ColumnFeed {
    qint32 column;
    QString ContactValues::*member; // nullptr: the field reaches no card
    bool email;
    bool phone;
    bool date;
};

// Cell values that could not be used on a card that was still written.
enum class ValueProblemKind { Birthday, Anniversary, Photo, PhoneNumber };

// A value of the row being read that could not be used; the card is still written without it.
struct PendingProblem {
    ValueProblemKind kind;
    QString text;
};

// The state's mappings as feeds in the order a row is read, checked against the header row of
// the open workbook. False when a mapped column no longer has the header it was mapped by (the
// file changed since step 1): changedMapping then holds the index of that mapping.
bool columnFeedsOf(const WizardState& state, const WorkbookSource& source,
                   std::vector<ColumnFeed>& feeds, qint32& changedMapping);

// The message of a workbook whose mapped column lost its header.
QString changedHeaderMessage(const QString& path, qint32 column, const QString& header);

// What the mapping feeds decides the shape of some lines on every card.
CardLayout layoutOfFeeds(const std::vector<ColumnFeed>& feeds);

// A row step 1 counted and the run converts: one that is not blank in every header column.
bool isContactRow(const WorkbookSource& source, qint32 row, qint32 headerCount);

// What one row gives.
struct RowCard {
    enum class Outcome {
        Blank,    // not a contact row: not counted, not converted
        LeftOut,  // its e-mail cell holds nothing but spaces and empty e-mails are not allowed
        TooLarge, // the card stays over the target's size limit, even with a smaller photo
        Card,     // card holds it
    };
    Outcome outcome = Outcome::Blank;
    ContactValues values;
    // The card as it goes into its file, in UTF-8, the line end after it included.
    QByteArray card;
    // TooLarge: the card's size in bytes.
    qint64 cardBytes = 0;
    // Values that could not be used (a card is still made without them).
    std::vector<PendingProblem> problems;
    // Cards for a server carry a UID (null for files): what its key was made of, and which
    // occurrence of that key in this maker's rows it is (2 and more: a repeated key).
    QUuid uid;
    ContactKeySource keySource = ContactKeySource::RowNumber;
    qint32 occurrence = 1;
};

// Makes the cards of the rows of one open workbook with one mapping and one set of options:
// reading the cells, dates in the chosen order, telephone numbers in the chosen form, the
// photo (read again smaller when the target's size limit needs it), the target's version and
// encoding. For a server each card gets a UID (ContactUids: from the options' uidColumn, else
// the e-mail, else name and company, else the row number), counted over the rows made.
class RowCardMaker {
public:
    // options: as withTargetRules leaves them. baseFolder: where relative photo paths start
    // (the spreadsheet's folder). The source stays open while the maker is used.
    RowCardMaker(const WorkbookSource& source, qint32 headerCount, std::vector<ColumnFeed> feeds,
                 const ConversionOptions& options, QString baseFolder);

    // Reads the row and makes its card; the result is reused from call to call.
    const RowCard& make(qint32 row);

    const ConversionOptions& options() const { return m_options; }

private:
    bool readCells(qint32 row);
    bool readValues();
    void formatPhones();
    void assignUid(qint32 row);
    void buildCardBytes();

    const WorkbookSource& m_source;
    qint32 m_headerCount;
    std::vector<ColumnFeed> m_feeds;
    ConversionOptions m_options;
    const ImportTargetRules& m_target;
    CardLayout m_layout;
    QString m_baseFolder;
    PhoneFormatter m_phones;
    std::vector<CellValue> m_cells;
    ContactUids m_uids;
    RowCard m_result;
};

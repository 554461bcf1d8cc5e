#pragma once

// Reading contacts from the rows of an open workbook. The conversion run and the card preview
// both read rows through these, so that the preview shows the card the run writes.

#include "CellValue.h"
#include "ContactPhoto.h"
#include "ContactValues.h"
#include "ConversionRun.h"
#include "ImportTarget.h"
#include "PhoneFormat.h"
#include "VCardWriter.h"

#include <QString>

#include <functional>
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

enum class RowOutcome {
    Blank,   // not a contact row: not counted, not converted
    LeftOut, // its e-mail cell holds nothing but spaces and empty e-mails are not allowed
    Contact, // values holds the contact, problems what could not be used
};

// Reads one row of the open workbook as the run does. cells is working space of feeds.size().
RowOutcome readContactRow(const WorkbookSource& source, qint32 row, qint32 headerCount,
                          const std::vector<ColumnFeed>& feeds, std::vector<CellValue>& cells,
                          const std::function<bool()>& allowEmptyEmail,
                          const std::function<DateOrder()>& dateOrder, ContactValues& values,
                          std::vector<PendingProblem>& problems);

// The picture the contact's Photo cell names, relative paths taken from baseFolder (the
// spreadsheet's folder); nothing when the cell is empty. A picture that cannot be used is added
// to problems. Read only for a card that is written.
PhotoValue readContactPhoto(const ContactValues& values, const QString& baseFolder,
                            std::vector<PendingProblem>& problems);

// The telephone numbers of a contact in the formatter's form (cells[i] for feeds[i]); numbers
// left as they were are added to problems.
void formatContactPhones(const std::vector<ColumnFeed>& feeds, const std::vector<CellValue>& cells,
                         PhoneFormatter& formatter, ContactValues& values,
                         std::vector<PendingProblem>& problems);

// A card as it goes into its file: the card's text and the line end that follows it.
QString cardFileText(const ContactValues& values, VCardVersion version, const CardLayout& layout,
                     const PhotoValue& photo, const CardRules& rules = {});

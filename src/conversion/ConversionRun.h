#pragma once

#include "ContactRows.h"
#include "ConversionOptions.h"
#include "ImportTarget.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

class WorkbookSource;
struct WizardState;

// How far a run has got.
struct ConversionProgress {
    qint32 progressDone = 0;    // rows converted or left out so far
    qint32 contactsAdded = 0;   // cards made so far
    qint32 emptyEmailCount = 0; // rows left out for an e-mail of spaces
    qint32 dataRows = 0;        // itemCount - 1
};

// What whoever drives a run supplies while it works: the clock, a place for its progress, and
// whether to stop. The options come as one value when the run starts (ConversionOptions).
class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    // The local clock, for the folder's stamp.
    virtual QDateTime now() = 0;
    // After every row that counts (a card made or a row left out). Called on the run's thread;
    // a window shows it at its own pace.
    virtual void progress(const ConversionProgress& progress) = 0;
    // Asked before every row: true ends the run there, with the cards made so far kept.
    virtual bool stopRequested() = 0;
};

// Cell values that could not be used on a card that was still written: how many of one kind,
// and the first of them.
struct ValueProblem {
    ValueProblemKind kind = ValueProblemKind::Birthday;
    qint32 count = 0;
    qint32 firstRow = 0; // the sheet's row number
    QString firstText;   // what the first one held, with the reason where there is one
};

// "3 birthdays could not be read as dates (row 7: "sometime in May")", "4 phone numbers were
// left as they were (row 9: "ask reception")"; in the user's language.
QString valueProblemText(const ValueProblem& problem);

// "the card of contact 7 has 300 KB, and Apple Contacts takes cards under 256 KB"
QString cardTooLargeText(qint32 number, qint64 cardBytes, ImportTarget target);

struct ConversionReport {
    enum class Outcome {
        NoSaveLocation, // nothing was done
        FolderFailed,   // the output folder could not be made; message says which and why
        WorkbookFailed, // the workbook could not be opened again; message is the reader's
        ServerFailed,   // nothing could be sent: the server, the sign-in or the address book
                        // failed (message says why; server.addressBooks names what is there)
        Finished,       // rows were walked; see the counts
    };
    Outcome outcome = Outcome::NoSaveLocation;
    QString message;
    QString outputFolder;
    qint32 dataRows = 0;
    qint32 progressDone = 0;
    qint32 contactsAdded = 0;   // cards built (numbers the per-contact files)
    qint32 emptyEmailCount = 0; // rows left out for an e-mail of spaces
    qint32 cardsFailed = 0;     // cards built but not written
    QString firstFailure;       // the reason of the first card that failed
    bool stopped = false;       // the driver asked the run to stop before the last row
    ImportTarget target = ImportTarget::Generic;
    // One entry per kind that occurred, in the order first met.
    QList<ValueProblem> valueProblems;

    // What an address book on a server made of the cards (used: the cards went to a server).
    struct ServerSummary {
        bool used = false;
        QString addressBook;         // its display name
        QString addressBookUrl;      // its address
        QList<QString> addressBooks; // the account's address books, when none was chosen
        qint32 added = 0;            // new on the server
        qint32 updated = 0;          // there and different: replaced, the server's own lines kept
        qint32 unchanged = 0;        // there with the same meaning: not sent
        qint32 leftAlone = 0;        // there, and only new contacts were to be added
        qint32 notSent = 0;          // see notSentContacts
        struct NotSent {
            qint32 row = 0;
            QString name;
            QString reason; // the server's, in a sentence
        };
        QList<NotSent> notSentContacts; // in row order
        // Sentences about how contacts were matched: rows sent under their row number, rows
        // whose key an earlier row had.
        QList<QString> notes;
    };
    ServerSummary server;

    // Counts one more value of the kind; the first one's row and text are kept.
    void addValueProblem(ValueProblemKind kind, qint32 row, const QString& text);
    // How many values of the kind could not be used.
    qint32 valueProblemCount(ValueProblemKind kind) const;

    bool finished() const { return outcome == Outcome::Finished; }
    bool allWritten() const { return finished() && cardsFailed == 0; }
    // "The cards are made for import into Outlook."; empty for the generic target.
    QString targetText() const;
};

// One card on its way out.
struct OutgoingCard {
    qint32 row;    // the sheet's row
    qint32 number; // the contact's running number, from 1
    const ContactValues& values;
    const QByteArray& card; // UTF-8, line end included
    // For a server (null for files): the card's UID, what its key was made of, and the
    // occurrence of the key in this run (2 and more: an earlier row had the same key).
    QUuid uid = {};
    ContactKeySource keySource = ContactKeySource::RowNumber;
    qint32 occurrence = 1;
};

// Where the run's cards go. The run calls start once, then put or refuse for each contact in
// row order, then finish; or abandon instead when it cannot go on before the first row.
class CardSink {
public:
    virtual ~CardSink() = default;

    // Gets ready for the cards; false, with the report's outcome and message saying why, when
    // none can be taken.
    virtual bool start(const QDateTime& now, ConversionReport& report) = 0;
    // After a successful start, before the first card: a sink may change how the cards are
    // written (a server takes 4.0 only when its address book says so). mappedFields: the
    // mapping's field names.
    virtual void prepareCards(ConversionOptions& options, const QStringList& mappedFields) {
        Q_UNUSED(options);
        Q_UNUSED(mappedFields);
    }
    // The run stopped before any card: leave nothing behind.
    virtual void abandon() = 0;
    virtual void put(const OutgoingCard& card) = 0;
    // A contact whose card cannot go out, and why.
    virtual void refuse(const OutgoingCard& card, const QString& reason) = 0;
    // After the last card: what could not be delivered goes into the report.
    virtual void finish(ConversionReport& report) = 0;
};

// " n/m": a space, the count, "/", the number of data rows.
QString countText(qint32 count, qint32 dataRows);

// The conversion run. Opens the workbook at path through source at the worksheet step 1 read
// (state.sheetIndex), converts every non-blank row from 2 to state.lastItemRow (the rows step 1
// counted) with the options as they are when it starts (the target's rules applied), and hands
// the cards to sink. state.outputFolder and state.progressDone are written as it goes. Never
// throws; every failure is in the report.
ConversionReport convertContacts(WizardState& state, const QString& path, WorkbookSource& source,
                                 const ConversionOptions& options, CardSink& sink,
                                 ConversionHost& host);

// The same into a new stamped folder under options.saveLocation (FolderSink).
ConversionReport convertContacts(WizardState& state, const QString& path, WorkbookSource& source,
                                 const ConversionOptions& options, ConversionHost& host);

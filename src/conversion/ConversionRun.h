#pragma once

#include "DateText.h"
#include "ImportTarget.h"
#include "PhoneFormat.h"
#include "VCardVersion.h"

#include <QDateTime>
#include <QList>
#include <QString>

class WorkbookSource;
struct WizardState;

inline constexpr qint64 kConversionYieldMs = 20;

// What the run asks of whoever drives it (the window or the command line). Options are
// asked at the moment they are used, so a change made during a yield applies from the next
// row, e-mail cell or card on.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    // The save location as typed; read once at the start (spaces around it are ignored).
    virtual QString saveLocation() = 0;
    // Read for each card.
    virtual VCardVersion vCardVersion() = 0;
    // Read once per row.
    virtual bool singleFile() = 0;
    // Read each time an e-mail cell holds nothing but spaces.
    virtual bool allowEmptyEmail() = 0;
    // Read once per row; off unless the driver offers it.
    virtual PhoneFormatOptions phoneFormat() { return {}; }
    // Read once at the start. The target's rules override the version and the single file
    // where it fixes them.
    virtual ImportTarget importTarget() { return ImportTarget::Generic; }
    // How dates written as numbers are read; read for each date cell that is text.
    virtual DateOrder dateOrder() { return systemDateOrder(); }

    // The local clock, for the folder's stamp.
    virtual QDateTime now() { return QDateTime::currentDateTime(); }
    // Called at most every 20 ms or so while the run works: the window processes events.
    virtual void yield() {}
    // The two running counts changed; dataRows is itemCount - 1.
    virtual void contactCountChanged(qint32 contactsAdded, qint32 dataRows) {
        Q_UNUSED(contactsAdded)
        Q_UNUSED(dataRows)
    }
    virtual void emptyEmailCountChanged(qint32 emptyEmailCount, qint32 dataRows) {
        Q_UNUSED(emptyEmailCount)
        Q_UNUSED(dataRows)
    }
};

// Cell values that could not be used on a card that was still written: how many of one kind,
// and the first of them.
enum class ValueProblemKind { Birthday, Anniversary, Photo, PhoneNumber };

struct ValueProblem {
    ValueProblemKind kind = ValueProblemKind::Birthday;
    qint32 count = 0;
    qint32 firstRow = 0; // the sheet's row number
    QString firstText;   // what the first one held, with the reason where there is one
};

// "3 birthdays could not be read as dates (row 7: "sometime in May")", "4 phone numbers were
// left as they were (row 9: "ask reception")".
QString valueProblemText(const ValueProblem& problem);

struct ConversionReport {
    enum class Outcome {
        NoSaveLocation, // nothing was done
        FolderFailed,   // the output folder could not be made; message says which and why
        WorkbookFailed, // the workbook could not be opened again; message is the reader's
        Finished,       // rows were walked; see the counts
    };
    Outcome outcome = Outcome::NoSaveLocation;
    QString message;
    QString outputFolder;
    qint32 dataRows = 0;
    qint32 contactsAdded = 0;   // cards built (numbers the per-contact files)
    qint32 emptyEmailCount = 0; // rows left out for an e-mail of spaces
    qint32 cardsFailed = 0;     // cards built but not written
    QString firstFailure;       // the reason of the first card that failed
    ImportTarget target = ImportTarget::Generic;
    // One entry per kind that occurred, in the order first met.
    QList<ValueProblem> valueProblems;

    // Counts one more value of the kind; the first one's row and text are kept.
    void addValueProblem(ValueProblemKind kind, qint32 row, const QString& text);
    // How many values of the kind could not be used.
    qint32 valueProblemCount(ValueProblemKind kind) const;

    bool finished() const { return outcome == Outcome::Finished; }
    bool allWritten() const { return finished() && cardsFailed == 0; }
    // The end dialog's text: the success text only when every card was written, otherwise
    // how many could not be written and why; then the target when it is not the generic
    // one; then a line per kind of value that could not be used; last the open-folder
    // question.
    QString endText() const;
    // "The cards are made for import into Outlook."; empty for the generic target.
    QString targetText() const;
};

inline constexpr const char16_t* kEndDialogCaption = u"Open Destination Folder";

QString noSaveLocationMessage();

// " n/m": a space, the count, "/", the number of data rows.
QString countText(qint32 count, qint32 dataRows);

// The conversion run. Makes the stamped folder under the save location, opens the workbook
// at path through source at the worksheet step 1 read (state.sheetIndex), converts every non-blank
// row from 2 to state.lastItemRow (the rows step 1 counted) and writes the cards.
// state.outputFolder and state.progressDone are written as it goes. Never throws; every failure is
// in the report.
ConversionReport convertContacts(WizardState& state, const QString& path, WorkbookSource& source,
                                 ConversionHost& host);

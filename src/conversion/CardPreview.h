#pragma once

// The card one contact gets with the current mapping and options, for steps 2 and 3 to show
// while the user changes them. It reads the row through the same code as the run.

#include <QList>
#include <QString>
#include <QStringList>

#include "ConversionOptions.h"

class WorkbookSource;
struct WizardState;

struct CardPreview {
    qint32 row = 0; // the sheet's row number
    // The card exactly as the run writes it into its file, line end included; empty when the
    // row gives no card.
    QString card;
    // Why there is no card: the row is left out, the card is too large for the target, nothing
    // is mapped, the workbook cannot be read.
    QString message;
    // The row's values that do not reach the card, one line each: "Not written: ...".
    QStringList notWritten;
};

// The card of the given row of the workbook at path, made as the run makes it with these
// options. The workbook is opened through source, which answers from the cells it keeps while
// the file is unchanged, and closed again.
CardPreview previewCard(const WizardState& state, const QString& path, WorkbookSource& source,
                        qint32 row, const ConversionOptions& options);

// The rows the run converts, in order: the rows from 2 up to state.lastItemRow that are not
// blank in every header column. Opens and closes the workbook as previewCard does.
QList<qint32> contactRows(const WizardState& state, const QString& path, WorkbookSource& source);

// The card for the eye: a PHOTO line that carries the picture itself is cut to its first 60
// characters and "… (12,345 bytes)", the size of the picture; every other line is kept.
QString shortenEmbeddedData(const QString& card);

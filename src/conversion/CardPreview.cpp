#include "CardPreview.h"

#include "ContactRows.h"
#include "ConversionRun.h"
#include "WizardState.h"
#include "WorkbookSource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <vector>

namespace {

// Keeps the workbook open for one look at it.
class OpenedWorkbook {
public:
    OpenedWorkbook(WorkbookSource& source, const QString& path)
        : m_source(source), m_status(source.openWorkbook(path)) {}
    ~OpenedWorkbook() {
        if (m_status) {
            m_source.closeWorkbook();
        }
    }
    OpenedWorkbook(const OpenedWorkbook&) = delete;
    OpenedWorkbook& operator=(const OpenedWorkbook&) = delete;

    const Status& status() const { return m_status; }

private:
    WorkbookSource& m_source;
    Status m_status;
};

// The rows the run walks: from 2 to the last row step 1 counted, within the sheet.
qint32 lastRunRow(const WizardState& state, const WorkbookSource& source) {
    return qMin(state.lastItemRow, source.sheetRowLimit());
}

QString notWrittenText(const PendingProblem& problem) {
    switch (problem.kind) {
    case ValueProblemKind::Birthday:
        return QCoreApplication::translate("CardPreview",
                                           "Not written: Birthday \"%1\" is not a date")
            .arg(problem.text);
    case ValueProblemKind::Anniversary:
        return QCoreApplication::translate("CardPreview",
                                           "Not written: Anniversary \"%1\" is not a date")
            .arg(problem.text);
    case ValueProblemKind::Photo:
        return QCoreApplication::translate("CardPreview", "Not written: Photo %1")
            .arg(problem.text);
    case ValueProblemKind::PhoneNumber:
        return QCoreApplication::translate(
                   "CardPreview", "Left as it stands: phone number \"%1\" is not a valid number")
            .arg(problem.text);
    }
    return QString();
}

// The size of base64 text once decoded; white space is not part of it.
qint64 decodedSize(QStringView base64) {
    qint64 chars = 0;
    qint64 padding = 0;
    for (QChar c : base64) {
        if (c.isSpace()) {
            continue;
        }
        ++chars;
        padding = c == QLatin1Char('=') ? padding + 1 : 0;
    }
    return qMax<qint64>(0,
                        chars / 4 * 3 + (chars % 4 ? chars % 4 - 1 : 0) - qMin<qint64>(padding, 2));
}

// The picture's data when the (unfolded) line is a PHOTO line that carries it; null otherwise.
QStringView embeddedPhotoData(QStringView line) {
    if (!line.startsWith(u"PHOTO", Qt::CaseInsensitive) || line.size() < 6 ||
        (line[5] != QLatin1Char(';') && line[5] != QLatin1Char(':'))) {
        return {};
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return {};
    }
    const QStringView params = line.first(colon);
    const QStringView value = line.sliced(colon + 1);
    if (value.startsWith(u"data:", Qt::CaseInsensitive)) {
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        return comma < 0 ? QStringView() : value.sliced(comma + 1);
    }
    if (params.contains(u"ENCODING=B", Qt::CaseInsensitive) ||
        params.contains(u"BASE64", Qt::CaseInsensitive)) {
        return value;
    }
    return {};
}

} // namespace

CardPreview previewCard(const WizardState& state, const QString& path, WorkbookSource& source,
                        qint32 row, const ConversionOptions& given) {
    CardPreview preview;
    preview.row = row;
    if (state.mappingCount <= 0) {
        preview.message =
            QCoreApplication::translate("CardPreview", "Map a column to see the card it gives.");
        return preview;
    }
    const OpenedWorkbook opened(source, path);
    if (!opened.status()) {
        preview.message = opened.status().message();
        return preview;
    }
    std::vector<ColumnFeed> feeds;
    if (qint32 changed = 0; !columnFeedsOf(state, source, feeds, changed)) {
        preview.message = changedHeaderMessage(path, state.mappedColumns[size_t(changed)],
                                               state.mappedHeaders[size_t(changed)]);
        return preview;
    }
    if (row < 2 || row > lastRunRow(state, source)) {
        preview.message =
            QCoreApplication::translate("CardPreview", "Row %1 holds no contact.").arg(row);
        return preview;
    }
    const ConversionOptions options = withTargetRules(given);
    RowCardMaker maker(source, qBound(0, state.headerCount, kStateSlots), std::move(feeds), options,
                       QFileInfo(path).absolutePath());
    const RowCard& made = maker.make(row);
    switch (made.outcome) {
    case RowCard::Outcome::Blank:
        preview.message =
            QCoreApplication::translate("CardPreview", "Row %1 holds no contact.").arg(row);
        break;
    case RowCard::Outcome::LeftOut:
        preview.message =
            QCoreApplication::translate(
                "CardPreview", "No card: the e-mail cell of row %1 holds nothing but spaces.")
                .arg(row);
        break;
    case RowCard::Outcome::TooLarge:
        preview.message =
            QCoreApplication::translate("CardPreview",
                                        "No card: it has %1 KB, and %2 takes cards under %3 KB.")
                .arg((made.cardBytes + 1023) / 1024)
                .arg(QStringView(importTargetRules(options.importTarget).title))
                .arg(importTargetRules(options.importTarget).cardBytesBelow / 1024);
        break;
    case RowCard::Outcome::Card:
        preview.card = QString::fromUtf8(made.card);
        break;
    }
    if (made.outcome == RowCard::Outcome::Card || made.outcome == RowCard::Outcome::TooLarge) {
        for (const PendingProblem& p : made.problems) {
            preview.notWritten.append(notWrittenText(p));
        }
    }
    return preview;
}

QList<qint32> contactRows(const WizardState& state, const QString& path, WorkbookSource& source) {
    QList<qint32> rows;
    const OpenedWorkbook opened(source, path);
    if (!opened.status()) {
        return rows;
    }
    const qint32 headerCount = qBound(0, state.headerCount, kStateSlots);
    const qint32 last = lastRunRow(state, source);
    for (qint32 row = 2; row <= last; ++row) {
        if (isContactRow(source, row, headerCount)) {
            rows.append(row);
        }
    }
    return rows;
}

QString shortenEmbeddedData(const QString& card) {
    constexpr qsizetype kShownChars = 60;
    const QStringList lines = card.split(QStringLiteral("\r\n"));
    QStringList shown;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A line and the folded lines that continue it (they start with a space or a tab).
        QString logical = lines[i];
        qsizetype next = i + 1;
        while (next < lines.size() && !lines[next].isEmpty() &&
               (lines[next][0] == QLatin1Char(' ') || lines[next][0] == QLatin1Char('\t'))) {
            logical += QStringView(lines[next]).sliced(1);
            ++next;
        }
        const QStringView data = embeddedPhotoData(logical);
        if (data.isNull() || logical.size() <= kShownChars) {
            shown.append(lines[i]);
            continue;
        }
        shown.append(logical.first(kShownChars) +
                     QStringLiteral("\u2026 (%1 bytes)")
                         .arg(QLocale(QLocale::English).toString(decodedSize(data))));
        i = next - 1;
    }
    return shown.join(QStringLiteral("\r\n"));
}

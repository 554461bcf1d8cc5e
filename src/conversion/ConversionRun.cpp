#include "ConversionRun.h"

#include "FolderSink.h"
#include "WizardState.h"
#include "WorkbookSource.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <vector>

QString countText(qint32 count, qint32 dataRows) {
    return QLatin1Char(' ') + QString::number(count) + QLatin1Char('/') + QString::number(dataRows);
}

QString ConversionReport::targetText() const {
    if (target == ImportTarget::Generic) {
        return QString();
    }
    return QCoreApplication::translate("Conversion", "The cards are made for import into %1.")
        .arg(QStringView(importTargetRules(target).title));
}

QString cardTooLargeText(qint32 number, qint64 cardBytes, ImportTarget target) {
    const ImportTargetRules& rules = importTargetRules(target);
    return QCoreApplication::translate("Conversion",
                                       "the card of contact %1 has %2 KB, and %3 takes cards "
                                       "under %4 KB")
        .arg(number)
        .arg((cardBytes + 1023) / 1024)
        .arg(QStringView(rules.title))
        .arg(rules.cardBytesBelow / 1024);
}

QString valueProblemText(const ValueProblem& problem) {
    QString what;
    bool quoted = true;
    switch (problem.kind) {
    case ValueProblemKind::Birthday:
        what = QCoreApplication::translate(
            "Conversion", "%n birthday(s) could not be read as dates", nullptr, problem.count);
        break;
    case ValueProblemKind::Anniversary:
        what = QCoreApplication::translate(
            "Conversion", "%n anniversary(s) could not be read as dates", nullptr, problem.count);
        break;
    case ValueProblemKind::Photo:
        what = QCoreApplication::translate("Conversion", "%n photo(s) could not be read", nullptr,
                                           problem.count);
        quoted = false;
        break;
    case ValueProblemKind::PhoneNumber:
        what = QCoreApplication::translate(
            "Conversion", "%n phone number(s) were left as they were", nullptr, problem.count);
        break;
    }
    const QString example =
        quoted ? QLatin1Char('"') + problem.firstText + QLatin1Char('"') : problem.firstText;
    return QCoreApplication::translate("Conversion", "%1 (row %2: %3)")
        .arg(what, QString::number(problem.firstRow), example);
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

ConversionReport convertContacts(WizardState& state, const QString& path, WorkbookSource& source,
                                 const ConversionOptions& given, CardSink& sink,
                                 ConversionHost& host) {
    ConversionOptions options = withTargetRules(given);
    ConversionReport report;
    report.target = options.importTarget;
    report.dataRows = qMax(0, state.itemCount - 1);
    const bool started = sink.start(host.now(), report);
    if (!report.outputFolder.isEmpty()) {
        state.outputFolder = report.outputFolder;
    }
    if (!started) {
        return report;
    }
    QStringList mappedFields;
    for (qint32 k = 0; k < state.mappingCount && k < kStateSlots; ++k) {
        mappedFields.append(state.mappedFields[size_t(k)]);
    }
    sink.prepareCards(options, mappedFields);

    const Status opened = source.openSheet(path, state.sheetIndex, nullptr);
    if (!opened) {
        sink.abandon();
        report.outcome = ConversionReport::Outcome::WorkbookFailed;
        report.message = opened.message();
        return report;
    }

    // The file may have been changed since step 1: a mapped header that is gone would
    // silently drop a column from every card, so the run stops instead. The headers are read
    // once per run: the workbook does not change while it is open.
    std::vector<ColumnFeed> feeds;
    if (qint32 changed = 0; !columnFeedsOf(state, source, feeds, changed)) {
        source.closeWorkbook();
        sink.abandon();
        report.outcome = ConversionReport::Outcome::WorkbookFailed;
        report.message = changedHeaderMessage(path, state.mappedColumns[size_t(changed)],
                                              state.mappedHeaders[size_t(changed)]);
        return report;
    }

    RowCardMaker maker(source, qBound(0, state.headerCount, kStateSlots), std::move(feeds), options,
                       QFileInfo(path).absolutePath());
    ConversionProgress progress;
    progress.dataRows = report.dataRows;
    state.progressDone = 0;
    const qint32 lastRow = qMin(state.lastItemRow, source.sheetRowLimit());
    for (qint32 row = 2; row <= lastRow; ++row) {
        if (host.stopRequested()) {
            report.stopped = true;
            break;
        }
        const RowCard& made = maker.make(row);
        if (made.outcome == RowCard::Outcome::Blank) {
            continue;
        }
        ++progress.progressDone;
        state.progressDone = progress.progressDone;
        if (made.outcome == RowCard::Outcome::LeftOut) {
            ++progress.emptyEmailCount;
            host.progress(progress);
            continue;
        }
        ++progress.contactsAdded;
        host.progress(progress);
        for (const PendingProblem& p : made.problems) {
            report.addValueProblem(p.kind, row, p.text);
        }
        const OutgoingCard card{row,      progress.contactsAdded, made.values,    made.card,
                                made.uid, made.keySource,         made.occurrence};
        if (made.outcome == RowCard::Outcome::TooLarge) {
            sink.refuse(card, cardTooLargeText(card.number, made.cardBytes, options.importTarget));
        } else {
            sink.put(card);
        }
    }
    sink.finish(report);
    source.closeWorkbook();
    report.progressDone = progress.progressDone;
    report.contactsAdded = progress.contactsAdded;
    report.emptyEmailCount = progress.emptyEmailCount;
    report.outcome = ConversionReport::Outcome::Finished;
    return report;
}

ConversionReport convertContacts(WizardState& state, const QString& path, WorkbookSource& source,
                                 const ConversionOptions& options, ConversionHost& host) {
    FolderSink sink(withTargetRules(options));
    return convertContacts(state, path, source, options, sink, host);
}

// Load: a sheet of a million contact rows read and converted into one file, with the peak
// memory of the whole run, and the row limit checked at its edge. Each measurement runs in
// a child process of its own so peaks do not mix.
//
//   bench_load [--rows N] [--format xlsx|csv|both] [--work DIR] [--keep]
#include "BenchSheets.h"
#include "ConversionRun.h"
#include "FieldMapping.h"
#include "Limits.h"
#include "WizardState.h"
#include "WorkbookScan.h"
#include "WorkbookSource.h"
#include "Yielder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The contact sheet's columns in the fields they feed (Birthday, Score, Title reach no card).
const char* const kFields[benchsheets::kColumns] = {"FirstName",
                                                    "LastName",
                                                    "EmailAddress",
                                                    "MobileNumber",
                                                    "BusinessTelephoneNumber",
                                                    "Company",
                                                    "JobTitle",
                                                    "Department",
                                                    "BusinessAddressStreet",
                                                    "BusinessAddressCity",
                                                    "BusinessAddressState",
                                                    "BusinessAddressPostalCode",
                                                    "BusinessAddressCountry",
                                                    "HomeTelephoneNumber",
                                                    "BusinessHomePage",
                                                    "",
                                                    "",
                                                    "MiddleName",
                                                    "Title",
                                                    "Notes"};

QByteArray csvField(const QString& text) {
    QByteArray b = text.toUtf8();
    if (b.contains(',') || b.contains('"') || b.contains('\n')) {
        b.replace("\"", "\"\"");
        b = '"' + b + '"';
    }
    return b;
}

bool writeCsv(const benchsheets::ContactSheet& sheet, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QByteArray chunk;
    for (qint32 r = 0; r <= sheet.dataRows(); ++r) {
        const benchsheets::Row row = sheet.row(r);
        for (int c = 0; c < benchsheets::kColumns; ++c) {
            if (c > 0) {
                chunk += ',';
            }
            chunk += csvField(row[size_t(c)].text);
        }
        chunk += "\r\n";
        if (chunk.size() > (1 << 20)) {
            f.write(chunk);
            chunk.clear();
        }
    }
    return f.write(chunk) == chunk.size() && f.flush();
}

// A one-column CSV of exactly `rows` rows, header included.
bool writeTallCsv(qint32 rows, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QByteArray data = "Name\n";
    data.reserve(qsizetype(rows) * 8);
    for (qint32 r = 2; r <= rows; ++r) {
        data += 'n' + QByteArray::number(r) + '\n';
    }
    return f.write(data) == data.size();
}

class FixedHost final : public ConversionHost {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress&) override {}
    bool stopRequested() override { return false; }
};

// Child: read the sheet, map every column it has a field for, convert into one file.
int childConvert(const QString& path, const QString& out) {
    QElapsedTimer clock;
    clock.start();
    FileWorkbookSource source;
    WizardState state;
    Yielder yielder;
    const WorkbookScanResult scan = scanWorkbook(source, path, yielder);
    applyScan(state, scan);
    if (!scan.status) {
        std::printf("refused\t%s\n", qPrintable(scan.status.message()));
        return 0;
    }
    const qint64 readMs = clock.elapsed();
    MappingModel model(state);
    model.fillMappingChoices();
    for (int c = 0; c < benchsheets::kColumns && c < state.headerCount; ++c) {
        const QString field = QString::fromUtf8(kFields[c]);
        if (field.isEmpty()) {
            continue;
        }
        for (int i = 0; i < model.headerChoices().size(); ++i) {
            if (model.headerChoices().at(i).column == c) {
                model.add(i, field);
                break;
            }
        }
    }
    if (state.mappingCount == 0) {
        model.add(0, u"LastName"_s);
    }
    clock.restart();
    ConversionOptions options;
    options.vCardVersion = VCardVersion::V30;
    options.singleFile = true;
    options.saveLocation = out;
    FixedHost host;
    const ConversionReport report = convertContacts(state, path, source, options, host);
    const qint64 convertMs = clock.elapsed();
    const qint64 bytes = QFileInfo(report.outputFolder + u"/All Contacts.vcf"_s).size();
    std::printf("done\t%d\t%d\t%d\t%lld\t%lld\t%lld\t%lld\n", state.itemCount, report.contactsAdded,
                report.cardsFailed, readMs, convertMs, bytes, benchsheets::peakKilobytes());
    QDir(report.outputFolder).removeRecursively();
    return 0;
}

QStringList runChild(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), args);
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(u'\t');
}

void report(const char* what, const QStringList& r) {
    if (r.value(0) == u"refused") {
        std::printf("%-34s refused: %s\n", what, qPrintable(r.value(1)));
    } else if (r.value(0) == u"done") {
        std::printf("%-34s rows %s  cards %s  failed %s  read %.2f s  convert %.2f s  file %.0f MB"
                    "  peak %.0f MB\n",
                    what, qPrintable(r.value(1)), qPrintable(r.value(2)), qPrintable(r.value(3)),
                    r.value(4).toDouble() / 1000, r.value(5).toDouble() / 1000,
                    r.value(6).toDouble() / 1e6, r.value(7).toDouble() / 1024);
    } else {
        std::printf("%-34s failed: %s\n", what, qPrintable(r.join(u' ')));
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == u"--child") {
        return childConvert(args.value(2), args.value(3));
    }
    qint32 rows = 1000000;
    QString format = u"both"_s;
    QString work;
    bool keep = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == u"--rows" && i + 1 < args.size()) {
            rows = args[++i].toInt();
        } else if (args[i] == u"--format" && i + 1 < args.size()) {
            format = args[++i];
        } else if (args[i] == u"--work" && i + 1 < args.size()) {
            work = args[++i];
        } else if (args[i] == u"--keep") {
            keep = true;
        }
    }
    QTemporaryDir temp(work.isEmpty() ? QDir::tempPath() + u"/e2v-load-XXXXXX"_s
                                      : work + u"/e2v-load-XXXXXX"_s);
    temp.setAutoRemove(!keep);
    const QString dir = temp.path();
    QDir().mkpath(dir + u"/out"_s);
    const benchsheets::ContactSheet sheet(rows);
    std::printf("load: %d data rows x %d columns, converted into one file (3.0)\n", rows,
                benchsheets::kColumns);

    for (const QString& f : {u"csv"_s, u"xlsx"_s}) {
        if (format != u"both" && format != f) {
            continue;
        }
        const QString path = dir + u"/contacts."_s + f;
        QElapsedTimer gen;
        gen.start();
        const bool written =
            f == u"csv" ? writeCsv(sheet, path) : benchsheets::writeXlsx(sheet, path);
        if (!written) {
            std::printf("could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("  (%s written in %.1f s, %.0f MB)\n", qPrintable(f), gen.elapsed() / 1000.0,
                    QFileInfo(path).size() / 1e6);
        report(qPrintable(u"%1, %2 rows"_s.arg(f).arg(rows)),
               runChild({u"--child"_s, path, dir + u"/out"_s}));
        QFile::remove(path);
    }

    // The row limit at its edge: the last row a sheet can hold is read, one more is refused.
    for (const qint32 tall : {limits::kMaxRows, limits::kMaxRows + 1}) {
        const QString path = dir + u"/tall.csv"_s;
        writeTallCsv(tall, path);
        report(qPrintable(u"csv, one column, %1 rows"_s.arg(tall)),
               runChild({u"--child"_s, path, dir + u"/out"_s}));
        QFile::remove(path);
    }
    return 0;
}

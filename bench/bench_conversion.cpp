// Times a whole conversion of the generated contact sheet (.xlsx) in each file mode: step 1's
// scan, then the conversion run, the way the command-line program does it. Beside it, in the
// same run: the reading alone, and the bare creation of the same files (same names, same
// byte counts per card) with fopen/fwrite/fclose, so that what the conversion adds can be
// told from what the disk costs. Every timed run happens in a child process of its own (this
// program started again with --measure), so each peak memory is that run's own.
//
// Usage: bench_conversion [--rows N] [--runs N] [--keep FOLDER] [--phones e164|international]
//                         [--fields SET]
// --phones adds both modes again with the telephone numbers rewritten (region US, the sheet's),
// to be held against the runs without: the rewriting may cost at most 25 %.
// --fields picks the mapping: "all" (the default) maps every header below; "older" leaves
// out Title, so that only fields the cards held before the name prefix, dates and categories
// came are mapped (for comparing with builds before them); "birthday-categories" maps all and
// also Birthday (a date cell) and the notes column as Categories instead of Notes.
// --keep writes the sheet and the card lists to FOLDER and leaves them there; single runs
// on them are
//   bench_conversion --measure convert-single|convert-each SHEET [--cards LIST]
//                    [--phones e164|international]
//   bench_conversion --measure read SHEET
//   bench_conversion --measure bare-single|bare-each LIST
// (LIST: one line per card, the file name, a TAB and the card's byte count).

#include "BenchSheets.h"
#include "ConversionRun.h"
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
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace benchsheets;

namespace {

// Which field each header of the sheet feeds. Birthday and Score have no field.
struct Mapping {
    const char16_t* header;
    const char16_t* field;
};
const Mapping kMappings[] = {
    {u"First Name", u"FirstName"},
    {u"Last Name", u"LastName"},
    {u"E-mail", u"EmailAddress"},
    {u"Mobile", u"MobileNumber"},
    {u"Business Phone", u"BusinessTelephoneNumber"},
    {u"Company", u"Company"},
    {u"Job Title", u"JobTitle"},
    {u"Department", u"Department"},
    {u"Street", u"BusinessAddressStreet"},
    {u"City", u"BusinessAddressCity"},
    {u"State", u"BusinessAddressState"},
    {u"ZIP", u"BusinessAddressPostalCode"},
    {u"Country", u"BusinessAddressCountry"},
    {u"Home Phone", u"HomeTelephoneNumber"},
    {u"Web Page", u"BusinessHomePage"},
    {u"Middle Name", u"MiddleName"},
    {u"Title", u"Title"},
    {u"Notes", u"Notes"},
};

// The mapping of the --fields set.
QString g_fields = u"all"_s;
bool knownFieldSet(const QString& set) {
    return set == u"all"_s || set == u"older"_s || set == u"birthday-categories"_s;
}
std::vector<Mapping> benchMappings() {
    std::vector<Mapping> list;
    for (const Mapping& m : kMappings) {
        if (g_fields == u"older"_s && QStringView(m.field) == u"Title") {
            continue;
        }
        if (g_fields == u"birthday-categories"_s && QStringView(m.field) == u"Notes") {
            list.push_back({m.header, u"Categories"});
            continue;
        }
        list.push_back(m);
    }
    if (g_fields == u"birthday-categories"_s) {
        list.push_back({u"Birthday", u"Birthday"});
    }
    return list;
}

// The run's driver: the benchmark times the run, not a display of its progress.
class BenchHost final : public ConversionHost {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress&) override {}
    bool stopRequested() override { return false; }
};

struct CardEntry {
    QByteArray name;
    qint64 bytes = 0;
};

// The cards the run wrote, in the form the bare run repeats: one entry per card. The single
// file is cut after each card's END:VCARD line.
bool listCards(const QString& folder, bool single, std::vector<CardEntry>& cards) {
    const QDir dir(folder);
    if (single) {
        QFile f(dir.filePath(u"All Contacts.vcf"_s));
        if (!f.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray all = f.readAll();
        static const QByteArray end = "END:VCARD\r\n";
        qsizetype from = 0;
        while (from < all.size()) {
            const qsizetype at = all.indexOf(end, from);
            if (at < 0) {
                return false;
            }
            const qsizetype next = at + end.size();
            cards.push_back({"All Contacts.vcf", next - from});
            from = next;
        }
        return true;
    }
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
        cards.push_back({QFile::encodeName(info.fileName()), info.size()});
    }
    return true;
}

bool writeCardList(const QString& path, const std::vector<CardEntry>& cards) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray text;
    for (const CardEntry& c : cards) {
        text += c.name + '\t' + QByteArray::number(c.bytes) + '\n';
    }
    return f.write(text) == text.size();
}

bool readCardList(const QString& path, std::vector<CardEntry>& cards) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab > 0) {
            cards.push_back({line.left(tab), line.mid(tab + 1).toLongLong()});
        }
    }
    return !cards.empty();
}

// ---------------------------------------------------------------------------------------
// The child runs. Each prints one line: "ok" and its figures, TAB-separated, or "error" and
// the reason.

int fail(QTextStream& out, const QString& reason) {
    out << "error\t" << reason << Qt::endl;
    return 3;
}

// Step 1's scan and the mappings, as the command line makes them.
Status scanAndMap(FileWorkbookSource& source, const QString& path, WizardState& state) {
    Yielder yielder;
    const WorkbookScanResult scan = scanWorkbook(source, path, yielder);
    applyScan(state, scan);
    if (!scan.status) {
        return scan.status;
    }
    for (const Mapping& m : benchMappings()) {
        const QString header = QString::fromUtf16(m.header);
        qint32 column = -1;
        for (qint32 c = 0; c < state.headerCount && column < 0; ++c) {
            if (state.headerNames[size_t(c)] == header) {
                column = c;
            }
        }
        if (column < 0) {
            return Status::failure(u"the sheet has no header \u201C%1\u201D"_s.arg(header));
        }
        const size_t k = size_t(state.mappingCount++);
        state.mappedHeaders[k] = header;
        state.mappedFields[k] = QString::fromUtf16(m.field);
        state.mappedColumns[k] = column;
    }
    return Status::success();
}

// The processor time this process has used so far (user and system), in seconds: on a
// machine shared with other work it tells the cost apart from the waiting.
double cpuSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// Prints seconds (scan and conversion), scan seconds, peak KB, cards written, their bytes,
// the phone numbers left as they were and the processor seconds of scan and conversion.
int measureConversion(const QString& sheetPath, bool single, const QString& cardListPath,
                      const PhoneFormatOptions& phones) {
    QTextStream out(stdout);
    QTemporaryDir output;
    if (!output.isValid()) {
        return fail(out, u"cannot create a temporary folder"_s);
    }
    const double cpuAtStart = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    FileWorkbookSource source;
    WizardState state;
    if (const Status s = scanAndMap(source, sheetPath, state); !s) {
        return fail(out, s.message());
    }
    const double scanSeconds = double(timer.nsecsElapsed()) / 1e9;
    // The options the command line would pass: the default card version, the chosen mode.
    ConversionOptions options;
    options.saveLocation = output.path();
    options.singleFile = single;
    options.phoneFormat = phones;
    BenchHost host;
    const ConversionReport report = convertContacts(state, sheetPath, source, options, host);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuAtStart;
    const qint64 peak = peakKilobytes();
    if (!report.allWritten()) {
        return fail(out, report.finished() ? report.firstFailure : report.message);
    }
    std::vector<CardEntry> cards;
    if (!listCards(report.outputFolder, single, cards) ||
        qint64(cards.size()) != report.contactsAdded) {
        return fail(out, u"the cards written do not match the %1 contacts converted"_s.arg(
                             report.contactsAdded));
    }
    qint64 bytes = 0;
    for (const CardEntry& c : cards) {
        bytes += c.bytes;
    }
    if (!cardListPath.isEmpty() && !writeCardList(cardListPath, cards)) {
        return fail(out, u"cannot write the card list"_s);
    }
    out << "ok\t" << seconds << '\t' << scanSeconds << '\t' << peak << '\t' << report.contactsAdded
        << '\t' << bytes << '\t' << report.valueProblemCount(ValueProblemKind::PhoneNumber) << '\t'
        << cpu << Qt::endl;
    return 0;
}

// The reading the conversion does: step 1's scan and the run's second open of the workbook.
// Prints seconds, scan seconds, peak KB.
int measureRead(const QString& sheetPath) {
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    FileWorkbookSource source;
    WizardState state;
    if (const Status s = scanAndMap(source, sheetPath, state); !s) {
        return fail(out, s.message());
    }
    const double scanSeconds = double(timer.nsecsElapsed()) / 1e9;
    if (const Status s = source.openWorkbook(sheetPath); !s) {
        return fail(out, s.message());
    }
    source.closeWorkbook();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    out << "ok\t" << seconds << '\t' << scanSeconds << '\t' << peakKilobytes() << Qt::endl;
    return 0;
}

// The same files with the same bytes, made the plainest way: one fwrite per card, a file
// closed when the next card goes to another name. Prints seconds, files, bytes.
int measureBare(const QString& cardListPath) {
    QTextStream out(stdout);
    std::vector<CardEntry> cards;
    if (!readCardList(cardListPath, cards)) {
        return fail(out, u"cannot read the card list %1"_s.arg(cardListPath));
    }
    qint64 largest = 0;
    for (const CardEntry& c : cards) {
        largest = std::max(largest, c.bytes);
    }
    const QByteArray filler(largest, 'x');
    QTemporaryDir output;
    if (!output.isValid()) {
        return fail(out, u"cannot create a temporary folder"_s);
    }
    const QByteArray folder = QFile::encodeName(output.path()) + '/';
    QElapsedTimer timer;
    timer.start();
    std::FILE* file = nullptr;
    const QByteArray* openName = nullptr;
    qint64 files = 0;
    qint64 bytes = 0;
    for (const CardEntry& c : cards) {
        if (!openName || *openName != c.name) {
            if (file && std::fclose(file) != 0) {
                return fail(out, u"fclose failed"_s);
            }
            file = std::fopen((folder + c.name).constData(), "wb");
            if (!file) {
                return fail(out, u"fopen failed"_s);
            }
            openName = &c.name;
            ++files;
        }
        if (std::fwrite(filler.constData(), 1, size_t(c.bytes), file) != size_t(c.bytes)) {
            std::fclose(file);
            return fail(out, u"fwrite failed"_s);
        }
        bytes += c.bytes;
    }
    if (file && std::fclose(file) != 0) {
        return fail(out, u"fclose failed"_s);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    out << "ok\t" << seconds << '\t' << files << '\t' << bytes << Qt::endl;
    return 0;
}

// ---------------------------------------------------------------------------------------
// The parent: generate, run the children, print the table.

// Starts this program with the arguments; the child's "ok" fields, or an error in the first.
QStringList runChild(const QStringList& arguments, qsizetype fieldCount, QString& error) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                arguments + QStringList{u"--fields"_s, g_fields});
    if (!child.waitForFinished(600000)) {
        child.kill();
        child.waitForFinished();
        error = u"a run did not finish within 10 minutes"_s;
        return {};
    }
    const QStringList fields =
        QString::fromUtf8(child.readAllStandardOutput()).trimmed().split(u'\t');
    if (fields.value(0) == u"error"_s) {
        error = fields.mid(1).join(u' ');
        return {};
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        fields.size() != fieldCount) {
        error = u"a measuring run failed (exit code %1)"_s.arg(child.exitCode());
        return {};
    }
    return fields;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

struct ModeResult {
    QString name;
    QString child;     // the --measure kind of the conversion
    QString bareChild; // the --measure kind of the bare run
    bool single = false;
    QString cardList;
    QString phones{}; // the --phones style, empty for none
    std::vector<double> total{};
    std::vector<double> bare{};
    std::vector<double> cpu{};
    qint64 peakKb = 0;
    qint64 cards = 0;
    qint64 bytes = 0;
    qint64 files = 0;
    qint64 phonesLeft = 0;
};

int usage(QTextStream& err) {
    err << "Usage: bench_conversion [--rows N] [--runs N] [--keep FOLDER] "
           "[--phones e164|international] [--fields all|older|birthday-categories]"
        << Qt::endl;
    return 2;
}

QString seconds(double s) {
    return QString::number(s, 'f', 3);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    // The field set applies to the parent and is handed on to every child.
    if (const qsizetype at = args.indexOf(u"--fields"_s); at >= 0) {
        if (at + 1 >= args.size() || !knownFieldSet(args.at(at + 1))) {
            return usage(err);
        }
        g_fields = args.at(at + 1);
        args.remove(at, 2);
    }

    qint32 dataRows = 100000;
    int runs = 5;
    QString keepFolder;
    QString phoneStyle;
    if (args.value(0) == u"--measure"_s && args.size() >= 3) {
        const QString& kind = args[1];
        const QString& path = args[2];
        QString cardList;
        PhoneFormatOptions phones{PhoneStyle::Off, u"US"_s};
        for (qsizetype i = 3; i < args.size(); i += 2) {
            if (i + 1 >= args.size()) {
                return usage(err);
            }
            if (args[i] == u"--cards"_s) {
                cardList = args[i + 1];
            } else if (args[i] == u"--phones"_s && phoneStyleFromText(args[i + 1])) {
                phones.style = *phoneStyleFromText(args[i + 1]);
            } else {
                return usage(err);
            }
        }
        if (kind == u"convert-single"_s || kind == u"convert-each"_s) {
            return measureConversion(path, kind == u"convert-single"_s, cardList, phones);
        }
        if (kind == u"read"_s) {
            return measureRead(path);
        }
        if (kind == u"bare-single"_s || kind == u"bare-each"_s) {
            return measureBare(path);
        }
        return usage(err);
    }
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size()) {
            return usage(err);
        }
        bool ok = true;
        if (a == u"--rows"_s) {
            dataRows = args[++i].toInt(&ok);
            ok = ok && dataRows >= 1 && dataRows <= 1048575;
        } else if (a == u"--runs"_s) {
            runs = args[++i].toInt(&ok);
            ok = ok && runs >= 1;
        } else if (a == u"--keep"_s) {
            keepFolder = args[++i];
        } else if (a == u"--phones"_s) {
            phoneStyle = args[++i];
            ok = phoneStyleFromText(phoneStyle).has_value();
        } else {
            ok = false;
        }
        if (!ok) {
            return usage(err);
        }
    }

    QTemporaryDir temporary;
    QDir dir;
    if (!benchsheets::workFolder(keepFolder, temporary, err, dir)) {
        return 1;
    }
    const QString sheetPath = dir.filePath(u"contacts.xlsx"_s);
    {
        QElapsedTimer gen;
        gen.start();
        if (!writeXlsx(ContactSheet(dataRows), sheetPath)) {
            err << "Could not write the test sheet." << Qt::endl;
            return 1;
        }
        err << "xlsx: generated " << QFileInfo(sheetPath).size() / 1024 << " KB in "
            << gen.elapsed() << " ms" << Qt::endl;
    }

    std::vector<ModeResult> modes = {
        {u"single"_s, u"convert-single"_s, u"bare-single"_s, true,
         dir.filePath(u"cards-single.txt"_s)},
        {u"per-contact"_s, u"convert-each"_s, u"bare-each"_s, false,
         dir.filePath(u"cards-each.txt"_s)},
    };
    if (!phoneStyle.isEmpty()) {
        modes.push_back({u"single+tel"_s, u"convert-single"_s, u"bare-single"_s, true,
                         dir.filePath(u"cards-single-tel.txt"_s), phoneStyle});
        modes.push_back({u"each+tel"_s, u"convert-each"_s, u"bare-each"_s, false,
                         dir.filePath(u"cards-each-tel.txt"_s), phoneStyle});
    }
    std::vector<double> readSeconds;
    std::vector<double> scanSeconds;
    qint64 readPeakKb = 0;
    QString error;
    // The kinds take turns within each run, so that a slow spell of the machine falls on all.
    for (int run = 0; run < runs && error.isEmpty(); ++run) {
        err << "run " << run + 1 << '/' << runs << Qt::endl;
        const QStringList read = runChild({u"--measure"_s, u"read"_s, sheetPath}, 4, error);
        if (!error.isEmpty()) {
            break;
        }
        readSeconds.push_back(read[1].toDouble());
        scanSeconds.push_back(read[2].toDouble());
        readPeakKb = std::max(readPeakKb, read[3].toLongLong());
        for (ModeResult& m : modes) {
            QStringList convertArgs = {u"--measure"_s, m.child, sheetPath};
            if (run == 0) {
                convertArgs << u"--cards"_s << m.cardList;
            }
            if (!m.phones.isEmpty()) {
                convertArgs << u"--phones"_s << m.phones;
            }
            const QStringList conv = runChild(convertArgs, 8, error);
            if (!error.isEmpty()) {
                break;
            }
            m.total.push_back(conv[1].toDouble());
            m.peakKb = std::max(m.peakKb, conv[3].toLongLong());
            m.cards = conv[4].toLongLong();
            m.bytes = conv[5].toLongLong();
            m.phonesLeft = conv[6].toLongLong();
            m.cpu.push_back(conv[7].toDouble());
            const QStringList bare = runChild({u"--measure"_s, m.bareChild, m.cardList}, 4, error);
            if (!error.isEmpty()) {
                break;
            }
            m.bare.push_back(bare[1].toDouble());
            m.files = bare[2].toLongLong();
            if (bare[3].toLongLong() != m.bytes) {
                error = u"the bare run wrote other byte counts than the cards"_s;
                break;
            }
        }
    }
    if (!error.isEmpty()) {
        out << "error: " << error << Qt::endl;
        return 1;
    }

    const double read = median(readSeconds);
    out << "Contact sheet (.xlsx): " << dataRows << " data rows + header, " << kColumns
        << " columns, " << benchMappings().size() << " mapped (--fields " << g_fields
        << "); vCard 2.1; median of " << runs << " runs, each in its own process." << Qt::endl
        << "total s: scan (step 1) + conversion run; read s: the scan and the run's second open "
           "of the workbook (scan alone "
        << seconds(median(scanSeconds)) << " s, peak "
        << QString::number(double(readPeakKb) / 1024.0, 'f', 1) << " MB);" << Qt::endl
        << "bare s: the same files and byte counts through fopen/fwrite/fclose, one fwrite per "
           "card; peak MB: the largest peak resident size of a conversion."
        << Qt::endl;
    out << qSetFieldWidth(13) << Qt::left << "mode" << qSetFieldWidth(9) << "cards"
        << qSetFieldWidth(9) << "files" << qSetFieldWidth(9) << "card MB" << qSetFieldWidth(9)
        << "total s" << qSetFieldWidth(8) << "read s" << qSetFieldWidth(8) << "bare s"
        << qSetFieldWidth(9) << "peak MB" << qSetFieldWidth(35) << "target" << qSetFieldWidth(0)
        << "check" << Qt::endl;
    for (const ModeResult& m : modes) {
        const double total = median(m.total);
        const double bare = median(m.bare);
        const double limit = m.single ? 1.5 : 1.5 * bare + read;
        const QString target =
            m.single ? u"<= 1.5 s"_s : u"<= 1.5 x bare + read = %1 s"_s.arg(seconds(limit));
        out << qSetFieldWidth(13) << m.name << qSetFieldWidth(9) << m.cards << qSetFieldWidth(9)
            << m.files << qSetFieldWidth(9)
            << QString::number(double(m.bytes) / (1024.0 * 1024.0), 'f', 1) << qSetFieldWidth(9)
            << seconds(total) << qSetFieldWidth(8) << seconds(read) << qSetFieldWidth(8)
            << seconds(bare) << qSetFieldWidth(9)
            << QString::number(double(m.peakKb) / 1024.0, 'f', 1) << qSetFieldWidth(35) << target
            << qSetFieldWidth(0) << (total <= limit ? "met" : "MISSED") << Qt::endl;
    }
    // The rewriting of the numbers against the same mode without it.
    for (const ModeResult& m : modes) {
        if (m.phones.isEmpty()) {
            continue;
        }
        const auto plain = std::find_if(modes.begin(), modes.end(), [&m](const ModeResult& p) {
            return p.phones.isEmpty() && p.single == m.single;
        });
        const double with = median(m.total);
        const double without = median(plain->total);
        const double cpuWith = median(m.cpu);
        const double cpuWithout = median(plain->cpu);
        // Mobile and business numbers in every row, a home number in about two of three.
        const double numbers = double(dataRows) * 8.0 / 3.0;
        out << m.name << ": phone numbers as " << m.phones << " (region US), " << m.phonesLeft
            << " left as they were; " << seconds(with) << " s against " << seconds(without)
            << " s, +" << QString::number(100.0 * (with - without) / without, 'f', 1)
            << " %; processor " << seconds(cpuWith) << " s against " << seconds(cpuWithout)
            << " s, +" << QString::number(100.0 * (cpuWith - cpuWithout) / cpuWithout, 'f', 1)
            << " %, about " << QString::number(1e6 * (cpuWith - cpuWithout) / numbers, 'f', 1)
            << " us a number; target <= +25 %: " << (with <= 1.25 * without ? "met" : "MISSED")
            << Qt::endl;
    }
    return 0;
}

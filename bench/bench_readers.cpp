// Times the spreadsheet readers on one generated contact sheet per format: open the file
// and read every cell by its A1 address, the way the program reads a sheet. Each timed run
// happens in a child process of its own (this program started again with --measure), so
// the peak memory printed is that format's own.
//
// Usage: bench_readers [--rows N] [--keep FOLDER] [--format NAME|all] [--styled]
// --keep writes the generated files to FOLDER and leaves them there; a single run on one of
// them is "bench_readers --measure FILE --rows N" (prints seconds, open seconds, peak KB,
// cells read and a checksum of their texts). --styled gives every cell of the .xlsx, .xls
// and .ods sheets a style as spreadsheet programs do: the birthday a date format, the score
// "0.00", so that reading shows the cost of the number formats.

#include "BenchSheets.h"
#include "CellAddress.h"
#include "WorkbookSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-output-stdio.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using namespace benchsheets;

constexpr int kRuns = 5;

// ---------------------------------------------------------------------------------------
// The writers of the other formats (.xlsx is in BenchSheets.h).

bool writeCsv(const ContactSheet& sheet, const QString& path, bool /*styled*/) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray line;
    for (qint32 i = 0; i <= sheet.dataRows(); ++i) {
        line.clear();
        const Row r = sheet.row(i);
        for (int c = 0; c < kColumns; ++c) {
            if (c > 0) {
                line.append(',');
            }
            QByteArray field = r[size_t(c)].text.toUtf8();
            if (field.contains(',') || field.contains('"') || field.contains('\n')) {
                field.replace("\"", "\"\"");
                field = '"' + field + '"';
            }
            line.append(field);
        }
        line.append("\r\n");
        if (f.write(line) != line.size()) {
            return false;
        }
    }
    return true;
}

// Styled: texts in an automatic style without a data style, the birthday a date with an
// ISO date style, the score a number style with two decimals.
bool writeOds(const ContactSheet& sheet, const QString& path, bool styled) {
    QByteArray content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
        "xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">";
    if (styled) {
        content += "<office:automatic-styles><number:date-style style:name=\"N1\"><number:year "
                   "number:style=\"long\"/><number:text>-</number:text><number:month "
                   "number:style=\"long\"/><number:text>-</number:text><number:day "
                   "number:style=\"long\"/></number:date-style><number:number-style "
                   "style:name=\"N2\"><number:number number:decimal-places=\"2\" "
                   "number:min-decimal-places=\"2\" number:min-integer-digits=\"1\"/>"
                   "</number:number-style><style:style style:name=\"ce0\" "
                   "style:family=\"table-cell\"/><style:style style:name=\"ce1\" "
                   "style:family=\"table-cell\" style:data-style-name=\"N1\"/><style:style "
                   "style:name=\"ce2\" style:family=\"table-cell\" "
                   "style:data-style-name=\"N2\"/></office:automatic-styles>";
    }
    content += "<office:body><office:spreadsheet><table:table table:name=\"Contacts\">"
               "<table:table-column table:number-columns-repeated=\"20\"/>";
    const QDate day0(1899, 12, 30);
    for (qint32 i = 0; i <= sheet.dataRows(); ++i) {
        const Row r = sheet.row(i);
        content += "<table:table-row>";
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = r[size_t(c)];
            if (cell.text.isEmpty()) {
                content += "<table:table-cell/>";
            } else if (styled && c == kBirthdayColumn && cell.number) {
                const QByteArray iso =
                    day0.addDays(cell.text.toLongLong()).toString(Qt::ISODate).toLatin1();
                content += "<table:table-cell table:style-name=\"ce1\" "
                           "office:value-type=\"date\" office:date-value=\"" +
                           iso + "\"><text:p>" + iso + "</text:p></table:table-cell>";
            } else if (cell.number) {
                content += QByteArray(styled ? "<table:table-cell table:style-name=\"ce2\" "
                                             : "<table:table-cell ") +
                           "office:value-type=\"float\" office:value=\"" + cell.text.toLatin1() +
                           "\"><text:p>" + cell.text.toLatin1() + "</text:p></table:table-cell>";
            } else {
                content += QByteArray(styled ? "<table:table-cell table:style-name=\"ce0\" "
                                             : "<table:table-cell ") +
                           "office:value-type=\"string\"><text:p>" + xmlEscaped(cell.text) +
                           "</text:p></table:table-cell>";
            }
        }
        content += "</table:table-row>";
    }
    content += "</table:table></office:spreadsheet></office:body></office:document-content>";

    ZipWriter zip;
    return zip.open(path) &&
           zip.add("mimetype", "application/vnd.oasis.opendocument.spreadsheet", true) &&
           zip.add("META-INF/manifest.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<manifest:manifest "
                   "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                   "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" "
                   "manifest:version=\"1.2\" manifest:media-type=\"application/"
                   "vnd.oasis.opendocument.spreadsheet\"/><manifest:file-entry "
                   "manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
                   "</manifest:manifest>") &&
           zip.add("content.xml", std::move(content)) && zip.close();
}

// ---------------------------------------------------------------------------------------
// .xls: a BIFF8 workbook stream (shared strings across CONTINUE records, LABELSST and
// NUMBER cells) inside a compound file written by libgsf.

class BiffWriter {
public:
    void record(quint16 type, const QByteArray& body) {
        u16(m_out, type);
        u16(m_out, quint16(body.size()));
        m_out += body;
    }
    QByteArray& bytes() { return m_out; }

    static void u16(QByteArray& b, quint16 v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    }
    static void u32(QByteArray& b, quint32 v) {
        u16(b, quint16(v & 0xFFFF));
        u16(b, quint16(v >> 16));
    }

private:
    QByteArray m_out;
};

QByteArray biffBof(quint16 type) {
    QByteArray b;
    BiffWriter::u16(b, 0x0600);
    BiffWriter::u16(b, type);
    BiffWriter::u16(b, 0x0DBB);
    BiffWriter::u16(b, 0x07CC);
    BiffWriter::u32(b, 0);
    BiffWriter::u32(b, 6);
    return b;
}

// The shared-string table as Excel cuts it: records of at most 8,224 bytes; a string's
// characters may go on in the next CONTINUE record, which then starts with the flag byte.
void writeSst(BiffWriter& w, const std::vector<QString>& strings, quint32 total) {
    constexpr qsizetype kMax = 8224;
    QByteArray body;
    BiffWriter::u32(body, total);
    BiffWriter::u32(body, quint32(strings.size()));
    quint16 type = 0x00FC;
    auto flush = [&] {
        w.record(type, body);
        body.clear();
        type = 0x003C;
    };
    for (const QString& s : strings) {
        bool wide = false;
        for (const QChar ch : s) {
            wide = wide || ch.unicode() > 0xFF;
        }
        if (body.size() + 3 + (wide ? 2 : 1) > kMax) {
            flush();
        }
        BiffWriter::u16(body, quint16(s.size()));
        body.append(char(wide ? 1 : 0));
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (body.size() + (wide ? 2 : 1) > kMax) {
                flush();
                body.append(char(wide ? 1 : 0));
            }
            const char16_t c = s.at(i).unicode();
            body.append(char(c & 0xFF));
            if (wide) {
                body.append(char(c >> 8));
            }
        }
    }
    flush();
}

bool writeOleStream(const QString& path, const QByteArray& stream) {
    GError* error = nullptr;
    GsfOutput* sink = gsf_output_stdio_new(QFile::encodeName(path).constData(), &error);
    if (!sink) {
        g_clear_error(&error);
        return false;
    }
    GsfOutfile* ole = gsf_outfile_msole_new(sink);
    g_object_unref(sink);
    GsfOutput* child = gsf_outfile_new_child(ole, "Workbook", FALSE);
    bool ok = child && gsf_output_write(child, size_t(stream.size()),
                                        reinterpret_cast<const guint8*>(stream.constData()));
    if (child) {
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
    }
    ok = gsf_output_close(GSF_OUTPUT(ole)) && ok;
    g_object_unref(ole);
    return ok;
}

// Styled: XF 16 for texts, 17 the short date (id 14), 18 "0.00" (id 2).
bool writeXls(const ContactSheet& sheet, const QString& path, bool styled) {
    QHash<QString, quint32> index;
    std::vector<QString> strings;
    quint32 total = 0;
    BiffWriter cells;
    for (qint32 i = 0; i <= sheet.dataRows(); ++i) {
        const Row r = sheet.row(i);
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = r[size_t(c)];
            QByteArray body;
            BiffWriter::u16(body, quint16(i));
            BiffWriter::u16(body, quint16(c));
            BiffWriter::u16(body, !styled                ? 15
                                  : c == kBirthdayColumn ? 17
                                  : c == kScoreColumn    ? 18
                                                         : 16);
            if (cell.number) {
                const double v = cell.text.toDouble();
                quint64 bits;
                std::memcpy(&bits, &v, sizeof bits);
                BiffWriter::u32(body, quint32(bits));
                BiffWriter::u32(body, quint32(bits >> 32));
                cells.record(0x0203, body);
            } else if (!cell.text.isEmpty()) {
                auto it = index.find(cell.text);
                if (it == index.end()) {
                    it = index.insert(cell.text, quint32(strings.size()));
                    strings.push_back(cell.text);
                }
                ++total;
                BiffWriter::u32(body, it.value());
                cells.record(0x00FD, body);
            }
        }
    }
    BiffWriter globals;
    globals.record(0x0809, biffBof(0x0005));
    globals.record(0x0042, QByteArray("\xB0\x04", 2)); // code page 1200
    if (styled) {
        for (const quint16 format : {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 2}) {
            QByteArray xf(20, '\0');
            xf[2] = char(format & 0xFF);
            globals.record(0x00E0, xf);
        }
    }
    QByteArray sheetRecord;
    BiffWriter::u32(sheetRecord, 0); // the worksheet's offset, set below
    sheetRecord.append(QByteArray("\x00\x00\x06\x00Sheet1", 10));
    const qsizetype sheetRecordAt = globals.bytes().size();
    globals.record(0x0085, sheetRecord);
    writeSst(globals, strings, total);
    globals.record(0x000A, {});
    QByteArray stream = std::move(globals.bytes());
    const quint32 sheetOffset = quint32(stream.size());
    for (int k = 0; k < 4; ++k) {
        stream[sheetRecordAt + 4 + k] = char((sheetOffset >> (8 * k)) & 0xFF);
    }
    BiffWriter ws;
    ws.record(0x0809, biffBof(0x0010));
    QByteArray dims;
    BiffWriter::u32(dims, 0);
    BiffWriter::u32(dims, quint32(sheet.dataRows() + 1));
    BiffWriter::u16(dims, 0);
    BiffWriter::u16(dims, kColumns);
    BiffWriter::u16(dims, 0);
    ws.record(0x0200, dims);
    stream += ws.bytes();
    stream += cells.bytes();
    stream += QByteArray("\x0A\x00\x00\x00", 4);
    return writeOleStream(path, stream);
}

// ---------------------------------------------------------------------------------------
// The formats measured. Another format is one more entry here.

struct Format {
    QString name;
    QString extension;
    QString target; // what this machine should reach
    std::function<bool(const ContactSheet&, const QString&, bool styled)> write;
    qint32 maxDataRows = 1048575; // data rows the format holds below its header row
};

const std::vector<Format>& formats() {
    static const std::vector<Format> list = {
        {u"xlsx"_s, u"xlsx"_s, u"<= 1.0 s, <= 250 MB"_s, writeXlsx},
        {u"csv"_s, u"csv"_s, u"<= 0.4 s"_s, writeCsv},
        {u"ods"_s, u"ods"_s, u"<= 1.5 s"_s, writeOds},
        {u"xls"_s, u"xls"_s, u"<= 0.3 s, <= 150 MB"_s, writeXls, 65535},
    };
    return list;
}

// ---------------------------------------------------------------------------------------
// One timed run, in the child process.

int measure(const QString& path, qint32 dataRows) {
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    FileWorkbookSource source;
    const Status status = source.openWorkbook(path);
    if (!status) {
        out << "error\t" << status.message() << Qt::endl;
        return 3;
    }
    const double openSeconds = double(timer.nsecsElapsed()) / 1e9;
    // A checksum of every cell's text, so that the formats can be seen to read the same.
    quint64 checksum = 0;
    qint64 filled = 0;
    for (qint32 row = 1; row <= dataRows + 1; ++row) {
        for (qint32 column = 0; column < kColumns; ++column) {
            const CellValue v = source.readCell(cellAddress(column, row));
            if (!isBlankCell(v)) {
                ++filled;
                checksum = checksum * 1099511628211ULL + qHash(v.textForm());
            }
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    source.closeWorkbook();
    out << "ok\t" << seconds << '\t' << openSeconds << '\t' << peakKilobytes() << '\t' << filled
        << '\t' << Qt::hex << checksum << Qt::endl;
    return 0;
}

// ---------------------------------------------------------------------------------------
// The parent: generate, run the children, print the table.

struct Result {
    QString error;
    std::vector<double> seconds;
    std::vector<double> openSeconds;
    qint64 peakKb = 0;
    QString cells;
    QString checksum;
};

Result runChildren(const QString& path, qint32 dataRows) {
    Result result;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {u"--measure"_s, path, u"--rows"_s, QString::number(dataRows)});
        if (!child.waitForFinished(600000)) {
            child.kill();
            child.waitForFinished();
            result.error = u"the run did not finish within 10 minutes"_s;
            return result;
        }
        const QStringList fields =
            QString::fromUtf8(child.readAllStandardOutput()).trimmed().split(u'\t');
        if (fields.value(0) == u"error"_s) {
            result.error = fields.mid(1).join(u' ');
            return result;
        }
        if (child.exitStatus() != QProcess::NormalExit || fields.size() != 6) {
            result.error = u"the measuring run failed (exit code %1)"_s.arg(child.exitCode());
            return result;
        }
        result.seconds.push_back(fields[1].toDouble());
        result.openSeconds.push_back(fields[2].toDouble());
        result.peakKb = std::max(result.peakKb, fields[3].toLongLong());
        result.cells = fields[4];
        result.checksum = fields[5];
    }
    return result;
}

int usage(QTextStream& err) {
    err << "Usage: bench_readers [--rows N] [--keep FOLDER] [--format ";
    for (const Format& f : formats()) {
        err << f.name << '|';
    }
    err << "all] [--styled]" << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);

    qint32 dataRows = 100000;
    QString wanted = u"all"_s;
    QString measurePath;
    QString keepFolder; // where the generated files stay, for profiling a reader by hand
    bool styled = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--styled"_s) {
            styled = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            return usage(err);
        }
        if (a == u"--rows"_s) {
            bool ok = false;
            dataRows = args[++i].toInt(&ok);
            if (!ok || dataRows < 1 || dataRows > 1048575) {
                return usage(err);
            }
        } else if (a == u"--format"_s) {
            wanted = args[++i];
        } else if (a == u"--keep"_s) {
            keepFolder = args[++i];
        } else if (a == u"--measure"_s) {
            measurePath = args[++i];
        } else {
            return usage(err);
        }
    }
    if (!measurePath.isEmpty()) {
        return measure(measurePath, dataRows);
    }
    std::vector<const Format*> chosen;
    for (const Format& f : formats()) {
        if (wanted == u"all"_s || wanted == f.name) {
            chosen.push_back(&f);
        }
    }
    if (chosen.empty()) {
        return usage(err);
    }

    QTemporaryDir temporary;
    QDir dir;
    if (!benchsheets::workFolder(keepFolder, temporary, err, dir)) {
        return 1;
    }
    out << "Contact sheet: " << dataRows << " data rows + header, " << kColumns << " columns"
        << (styled ? ", every cell styled, a date and a number format" : "") << "; median of "
        << kRuns << " runs, each in its own process." << Qt::endl
        << "median s: open + every cell through readCell; open s: the open alone; peak MB: "
           "the largest peak resident size of a run."
        << Qt::endl;
    out << qSetFieldWidth(8) << Qt::left << "format" << qSetFieldWidth(0) << qSetFieldWidth(9)
        << "rows" << qSetFieldWidth(6) << "cols" << qSetFieldWidth(10) << "median s"
        << qSetFieldWidth(8) << "open s" << qSetFieldWidth(10) << "peak MB" << qSetFieldWidth(22)
        << "target" << qSetFieldWidth(0) << "cells, checksum" << Qt::endl;
    for (const Format* f : chosen) {
        const QString path = dir.filePath(u"contacts."_s + f->extension);
        QElapsedTimer gen;
        gen.start();
        // A format that holds fewer rows (.xls: 65,536) gets a sheet as full as it can be.
        const qint32 formatRows = std::min(dataRows, f->maxDataRows);
        const ContactSheet formatSheet(formatRows);
        if (!f->write(formatSheet, path, styled)) {
            out << f->name << ": could not write the test file" << Qt::endl;
            continue;
        }
        err << f->name << ": generated " << QFileInfo(path).size() / 1024 << " KB in "
            << gen.elapsed() << " ms" << Qt::endl;
        Result r = runChildren(path, formatRows);
        out << qSetFieldWidth(8) << f->name << qSetFieldWidth(0);
        if (!r.error.isEmpty()) {
            out << "error: " << r.error << Qt::endl;
            continue;
        }
        std::sort(r.seconds.begin(), r.seconds.end());
        const double median = r.seconds[r.seconds.size() / 2];
        std::sort(r.openSeconds.begin(), r.openSeconds.end());
        const double openMedian = r.openSeconds[r.openSeconds.size() / 2];
        out << qSetFieldWidth(9) << formatRows << qSetFieldWidth(6) << kColumns
            << qSetFieldWidth(10) << QString::number(median, 'f', 3) << qSetFieldWidth(8)
            << QString::number(openMedian, 'f', 3) << qSetFieldWidth(10)
            << QString::number(double(r.peakKb) / 1024.0, 'f', 1) << qSetFieldWidth(22) << f->target
            << qSetFieldWidth(0) << r.cells << ", " << r.checksum << Qt::endl;
    }
    return 0;
}

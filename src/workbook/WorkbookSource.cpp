#include "WorkbookSource.h"

#include "CellAddress.h"
#include "CsvReader.h"
#include "FilePath.h"
#include "PackageWorkbook.h"
#include "XlsReader.h"
#include "Yielder.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <filesystem>
#include <system_error>

#include <cstring>

CellValue WorkbookSource::readCell(QStringView address) const {
    const auto pos = parseCellAddress(address);
    if (!pos) {
        return CellValue::empty();
    }
    return cellAt(pos->row, pos->column);
}

namespace {

FileWorkbookSource::FileIdentity identifyFile(const QString& path) {
    FileWorkbookSource::FileIdentity id;
    std::error_code ec;
    const std::filesystem::path p = toFsPath(path);
    if (!std::filesystem::is_regular_file(p, ec)) {
        return id;
    }
    const auto size = std::filesystem::file_size(p, ec);
    if (ec) {
        return id;
    }
    const auto modified = std::filesystem::last_write_time(p, ec);
    if (ec) {
        return id;
    }
    id.path = QFileInfo(path).absoluteFilePath();
    id.size = qint64(size);
    id.modified = qint64(
        std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count());
    return id;
}

bool startsWith(const QByteArray& head, const char* magic, qsizetype n) {
    return head.size() >= n && std::memcmp(head.constData(), magic, size_t(n)) == 0;
}

bool looksLikeMarkup(const QByteArray& head) {
    QByteArray h = head.trimmed().toLower();
    if (h.startsWith("\xef\xbb\xbf")) {
        h = h.mid(3).trimmed();
    }
    return h.startsWith("<!doctype html") || h.startsWith("<html") || h.startsWith("<?xml") ||
           h.startsWith("<table") || h.startsWith("<head");
}

// A NUL byte in a file without a UTF-16 byte-order mark means it is not text.
bool looksBinary(const QByteArray& head) {
    if (startsWith(head, "\xff\xfe", 2) || startsWith(head, "\xfe\xff", 2)) {
        return false;
    }
    return head.contains('\0');
}

// Hands the file to the reader of its format (see FileWorkbookSource). A failure carries
// only the reason.
Status readWorkbookFile(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        return Status::failure(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the file does not exist.")));
    }
    if (info.isDir()) {
        return Status::failure(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it is a folder, not a file.")));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the file cannot be opened (%1)."))
                .arg(file.errorString()));
    }
    const QByteArray head = file.read(4096);
    file.close();
    const QString suffix = info.suffix().toLower();

    if (startsWith(head, "\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8)) {
        return readXlsWorkbook(path, sheet, out, yielder);
    }
    if (startsWith(head, "PK\x03\x04", 4) || startsWith(head, "PK\x05\x06", 4)) {
        return readPackageWorkbook(path, sheet, out, yielder);
    }
    if (head.isEmpty()) {
        if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt")) {
            out.format = WorkbookFormat::Csv; // an empty list: no header, no rows
            out.sheetNames = {csvSheetName(path)};
            return sheet > 0 ? Status::failure(missingSheetReason(sheet, 1)) : Status::success();
        }
        return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the file is empty.")));
    }
    if (looksLikeMarkup(head) && suffix != QLatin1String("csv")) {
        return Status::failure(E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is a web page or XML document, not a spreadsheet. "
                                          "Open it in a spreadsheet program and save it as .xlsx "
                                          "or .csv.")));
    }
    if (looksBinary(head)) {
        return Status::failure(E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is not a spreadsheet in a format this "
                                          "program reads (.xlsx, .xls, .ods or .csv).")));
    }
    // Text, whatever its name: a CSV export renamed by hand is read as what it is.
    return readCsvWorkbook(path, sheet, out, yielder);
}

} // namespace

Status FileWorkbookSource::openSheet(const QString& path, qint32 sheet, Yielder* yielder) {
    m_open = false;
    m_reused = false;
    // Taken before reading: a change made while the file is read shows at the next open.
    const FileIdentity identity = identifyFile(path);
    if (m_kept && identity.size >= 0 && identity == m_identity && sheet == m_sheetIndex) {
        m_open = true;
        m_reused = true;
        return Status::success();
    }
    releaseKept();
    Yielder noYield;
    LoadedSheet loaded;
    if (sheet < 0) {
        return Status::failure(unreadableFileMessage(
            path, E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "no worksheet was chosen."))));
    }
    if (const Status s = readWorkbookFile(path, sheet, loaded, yielder ? *yielder : noYield); !s) {
        return Status::failure(unreadableFileMessage(path, s.sentence()));
    }
    loaded.sheet.finish();
    m_sheet = std::move(loaded.sheet);
    m_sheetIndex = sheet;
    m_sheetNames = std::move(loaded.sheetNames);
    m_rowLimit = loaded.rowLimit;
    m_format = loaded.format;
    m_identity = identity;
    m_kept = true;
    m_open = true;
    return Status::success();
}

CellValue FileWorkbookSource::cellAt(qint32 row, qint32 column) const {
    return m_open ? m_sheet.cell(row, column) : CellValue();
}

void FileWorkbookSource::releaseKept() {
    m_open = false;
    m_kept = false;
    m_sheet.clear();
    m_identity = FileIdentity();
    m_sheetIndex = 0;
    m_sheetNames.clear();
    m_rowLimit = 0;
    m_format = WorkbookFormat::Unknown;
}

std::unique_ptr<WorkbookSource> makeFileWorkbookSource() {
    return std::make_unique<FileWorkbookSource>();
}

Status listWorkbookSheets(const QString& path, QStringList& names, Yielder* yielder) {
    names.clear();
    Yielder noYield;
    LoadedSheet loaded;
    if (const Status s =
            readWorkbookFile(path, kSheetNamesOnly, loaded, yielder ? *yielder : noYield);
        !s) {
        return Status::failure(unreadableFileMessage(path, s.sentence()));
    }
    names = std::move(loaded.sheetNames);
    return Status::success();
}

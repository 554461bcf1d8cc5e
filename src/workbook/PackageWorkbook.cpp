#include "PackageWorkbook.h"

#include "OdsReader.h"
#include "XlsxReader.h"
#include "Yielder.h"
#include "ZipPackage.h"

namespace {

// What an OpenDocument package that is not a spreadsheet holds, by its media type.
Sentence otherOpenDocument(const QByteArray& mime) {
    if (mime.startsWith("application/vnd.oasis.opendocument.text")) {
        return E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is a word-processing document, not a spreadsheet."));
    }
    if (mime.startsWith("application/vnd.oasis.opendocument.presentation")) {
        return E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is a presentation, not a spreadsheet."));
    }
    if (mime.startsWith("application/vnd.oasis.opendocument.graphics") ||
        mime.startsWith("application/vnd.oasis.opendocument.image")) {
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it is a drawing, not a spreadsheet."));
    }
    if (mime.startsWith("application/epub+zip")) {
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it is an e-book, not a spreadsheet."));
    }
    return E2V_SENTENCE(
               QT_TRANSLATE_NOOP("Workbook",
                                 "it is a document of another kind (%1), not a spreadsheet."))
        .arg(QString::fromUtf8(mime.left(100)));
}

} // namespace

Status readPackageWorkbook(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder) {
    ZipPackage zip;
    if (Status s = zip.open(path); !s) {
        return s;
    }
    bool ods = false;
    if (const qint64 mimetype = zip.find("mimetype"); mimetype >= 0) {
        QByteArray mime;
        if (Status s = zip.readSmall(mimetype, 4096, mime); !s) {
            return s;
        }
        mime = mime.trimmed();
        if (mime.startsWith("application/vnd.oasis.opendocument.spreadsheet")) {
            ods = true;
        } else if (!mime.isEmpty()) {
            return Status::failure(otherOpenDocument(mime));
        }
    }
    const bool ooxml = zip.contains("_rels/.rels") || zip.contains("[Content_Types].xml") ||
                       zip.contains("xl/workbook.xml");
    if (!ods && !ooxml && zip.contains("content.xml")) {
        ods = true; // an OpenDocument package that lost its mimetype entry
    }
    if (ods) {
        out.format = WorkbookFormat::Ods;
        return readOdsPackage(zip, sheet, out.sheet, out.sheetNames, yielder);
    }
    if (ooxml) {
        out.format = WorkbookFormat::Xlsx;
        return readXlsxPackage(zip, sheet, out.sheet, out.sheetNames, yielder);
    }
    if (zip.contains("word/document.xml")) {
        return Status::failure(E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is a word-processing document, not a spreadsheet.")));
    }
    return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP(
        "Workbook", "it is a zip archive, not a spreadsheet (it holds neither a workbook "
                    "nor an OpenDocument spreadsheet).")));
}

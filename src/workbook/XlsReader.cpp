#include "XlsReader.h"

#include "BiffRecords.h"
#include "Yielder.h"

#include <QFile>
#include <QFileInfo>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <mutex>

using namespace Qt::StringLiterals;

namespace {

// Far above any real workbook stream (Excel's own limits give a few hundred megabytes).
constexpr qint64 kMaxStreamBytes = qint64(512) * 1024 * 1024;
constexpr qint64 kReadChunk = qint64(1) << 20;

// libgsf reports damaged containers through GLib warnings as well as through its GError
// results; the user gets our message, so the warnings go nowhere instead of to stderr.
void swallowLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void initGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        const auto levels =
            GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION);
        for (const char* domain : {"libgsf", "libgsf:msole", "libgsf:utils"}) {
            g_log_set_handler(domain, levels, swallowLog, nullptr);
        }
    });
}

// Some of libgsf's warnings carry no log domain; those are silenced only while we call it.
class QuietDefaultDomain {
public:
    QuietDefaultDomain()
        : m_id(g_log_set_handler(nullptr,
                                 GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL |
                                                G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO |
                                                G_LOG_LEVEL_DEBUG),
                                 swallowLog, nullptr)) {}
    ~QuietDefaultDomain() { g_log_remove_handler(nullptr, m_id); }
    QuietDefaultDomain(const QuietDefaultDomain&) = delete;
    QuietDefaultDomain& operator=(const QuietDefaultDomain&) = delete;

private:
    guint m_id;
};

template <typename T> struct GObjectRef {
    T* p = nullptr;
    GObjectRef() = default;
    explicit GObjectRef(T* q) : p(q) {}
    GObjectRef(const GObjectRef&) = delete;
    GObjectRef& operator=(const GObjectRef&) = delete;
    ~GObjectRef() {
        if (p) {
            g_object_unref(p);
        }
    }
};

struct GErrorHolder {
    GError* e = nullptr;
    ~GErrorHolder() { g_clear_error(&e); }
};

// Copies the workbook stream into memory. Returns an empty reason on success.
Sentence readStream(GsfInput* input, qint64 fileSize, QByteArray& out) {
    const gsf_off_t size = gsf_input_size(input);
    if (size < 0 || size > fileSize) {
        return damagedReason(E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "the workbook stream is larger than the file")));
    }
    if (size > kMaxStreamBytes) {
        return E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook",
            "its workbook is larger than the 512 MB this program reads from an .xls file. "
            "Save it as .xlsx in your spreadsheet program and choose that file."));
    }
    out.resize(qsizetype(size));
    qint64 done = 0;
    while (done < size) {
        const qint64 n = std::min<qint64>(kReadChunk, size - done);
        if (!gsf_input_read(input, size_t(n), reinterpret_cast<guint8*>(out.data() + done))) {
            out.clear();
            return damagedReason(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "its workbook stream cannot be read to the end")));
        }
        done += n;
    }
    return Sentence();
}

} // namespace

Status readXlsWorkbook(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder) {
    initGsf();
    out.format = WorkbookFormat::Xls;

    QByteArray stream;
    {
        const QuietDefaultDomain quiet;
        GErrorHolder err;
        const QByteArray name = QFile::encodeName(path);
        GObjectRef<GsfInput> input(gsf_input_stdio_new(name.constData(), &err.e));
        if (!input.p) {
            return Status::failure(
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the file cannot be opened.")));
        }
        GObjectRef<GsfInfile> ole(gsf_infile_msole_new(input.p, &err.e));
        if (!ole.p) {
            return Status::failure(damagedReason(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "its compound-file structure is broken"))));
        }
        int workbook = -1;
        int book = -1;
        bool encryptedPackage = false;
        const int children = gsf_infile_num_children(ole.p);
        for (int i = 0; i < children; ++i) {
            const char* childName = gsf_infile_name_by_index(ole.p, i);
            if (!childName) {
                continue;
            }
            const QString n = QString::fromUtf8(childName);
            if (n.compare(u"Workbook"_s, Qt::CaseInsensitive) == 0 && workbook < 0) {
                workbook = i;
            } else if (n.compare(u"Book"_s, Qt::CaseInsensitive) == 0 && book < 0) {
                book = i;
            } else if (n.compare(u"EncryptionInfo"_s, Qt::CaseInsensitive) == 0 ||
                       n.compare(u"EncryptedPackage"_s, Qt::CaseInsensitive) == 0) {
                encryptedPackage = true;
            }
        }
        if (encryptedPackage && workbook < 0 && book < 0) {
            return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is protected with a password. Open it in your spreadsheet program, "
                            "remove the password and save it again.")));
        }
        // Files saved for both Excel 5 and Excel 97 carry both streams; the newer one is
        // complete.
        const int chosen = workbook >= 0 ? workbook : book;
        if (chosen < 0) {
            return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is not a spreadsheet (the file holds no workbook; it may be a "
                            "document of another program).")));
        }
        GObjectRef<GsfInput> child(gsf_infile_child_by_index(ole.p, chosen));
        if (!child.p) {
            return Status::failure(damagedReason(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "its workbook stream cannot be opened"))));
        }
        Sentence reason = readStream(child.p, QFileInfo(path).size(), stream);
        if (!reason.isEmpty()) {
            return Status::failure(std::move(reason));
        }
    }

    biff::ParseResult result =
        biff::readWorkbookStream(reinterpret_cast<const uchar*>(stream.constData()), stream.size(),
                                 out.sheet, yielder, sheet);
    if (!result.reason.isEmpty()) {
        return Status::failure(result.reason);
    }
    out.rowLimit = result.rowLimit;
    out.sheetNames = std::move(result.sheetNames);
    if (out.sheetNames.size() == 1 && out.sheetNames.front().isEmpty()) {
        out.sheetNames.front() = QFileInfo(path).completeBaseName(); // a lone, unnamed sheet
    }
    return Status::success();
}

#include "ZipPackage.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {
constexpr qsizetype kChunk = 256 * 1024;
// Parts of at least this size are inflated on a thread of their own.
constexpr qint64 kThreadedFrom = 1024 * 1024;
constexpr int kQueuedChunks = 4;

Status fail(Sentence reason) {
    return Status::failure(std::move(reason));
}

// The reason for an error libzip reports while inflating or locating a part.
Status partError(int code, const std::string& name) {
    const QString part = QString::fromStdString(name);
    switch (code) {
    case ZIP_ER_CRC:
        return fail(
            E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "it is damaged (the checksum of %1 does not match)."))
                .arg(part));
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                           "it is damaged (the compressed data of %1 is corrupt)."))
                .arg(part));
    case ZIP_ER_EOF:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_INCONS:
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                     "Workbook",
                                     "it is damaged or incomplete (%1 cannot be read in full; the "
                                     "file may have been cut short)."))
                        .arg(part));
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is protected by a password (its parts are encrypted). Save "
                        "it again without a password.")));
    case ZIP_ER_COMPNOTSUPP:
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP(
                             "Workbook",
                             "its part %1 is compressed with a method this program does not read."))
                .arg(part));
    case ZIP_ER_MEMORY:
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "there is not enough memory to read it.")));
    default:
        break;
    }
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&e));
    zip_error_fini(&e);
    return fail(
        E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it is damaged (%1 cannot be read: %2)."))
            .arg(part)
            .arg(text));
}

std::string normalized(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c == '\\') {
            c = '/';
        } else if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
        out.push_back(c);
    }
    const size_t start = out.find_first_not_of('/');
    return start == std::string::npos ? std::string() : out.substr(start);
}

// Inflates one opened part chunk by chunk, checking the caps as it goes and the inflated
// size at the end.
class PartPump {
public:
    PartPump(zip_file_t* file, const std::string& name, const zip_stat_t& st, qint64 compressed,
             qint64 maxBytes)
        : m_file(file), m_name(name), m_st(st), m_compressed(compressed), m_maxBytes(maxBytes) {}

    // Inflates into buffers handed out by next() (null: the reader stopped) and passes each
    // filled one to deliver(), which returns false to stop.
    Status run(const std::function<char*()>& next,
               const std::function<bool(char*, qsizetype)>& deliver) const {
        qint64 total = 0;
        for (;;) {
            char* buffer = next();
            if (!buffer) {
                return Status::success(); // the reader stopped
            }
            const zip_int64_t got = zip_fread(m_file, buffer, zip_uint64_t(kChunk));
            if (got < 0) {
                return partError(zip_error_code_zip(zip_file_get_error(m_file)), m_name);
            }
            if (got == 0) {
                break;
            }
            total += got;
            if (total > m_maxBytes) {
                return fail(
                    E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                     "Workbook",
                                     "its part %1 inflates to more than %2 bytes, more than this "
                                     "program accepts for one part."))
                        .arg(QString::fromStdString(m_name))
                        .arg(m_maxBytes));
            }
            if (total > limits::kRatioFloor && total / m_compressed > limits::kMaxInflateRatio) {
                return fail(
                    E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                     "Workbook",
                                     "its part %1 inflates to more than %2 times its compressed "
                                     "size; the file looks like a zip bomb and is refused."))
                        .arg(QString::fromStdString(m_name))
                        .arg(limits::kMaxInflateRatio));
            }
            if (!deliver(buffer, qsizetype(got))) {
                return Status::success();
            }
        }
        if ((m_st.valid & ZIP_STAT_SIZE) && zip_uint64_t(total) != m_st.size) {
            return fail(E2V_SENTENCE(
                            QT_TRANSLATE_NOOP("Workbook",
                                              "it is damaged (%1 inflates to %2 bytes, but its zip "
                                              "directory says %3)."))
                            .arg(QString::fromStdString(m_name))
                            .arg(total)
                            .arg(m_st.size));
        }
        return Status::success();
    }

private:
    zip_file_t* m_file;
    const std::string& m_name;
    const zip_stat_t& m_st;
    qint64 m_compressed;
    qint64 m_maxBytes;
};

// Large parts: a thread of their own inflates a few chunks ahead while the caller's sink
// parses on the calling thread. libzip is only ever used by the inflating thread while it
// runs.
class InflatingThread {
public:
    InflatingThread() {
        for (int i = 0; i < kQueuedChunks; ++i) {
            m_buffers.push_back(std::make_unique<char[]>(size_t(kChunk)));
            m_empty.push_back(m_buffers.back().get());
        }
    }

    // Hands every chunk the pump inflates to sink, in order, until the part ends, the sink
    // returns false or the pump fails; gives the pump's outcome.
    Status run(const PartPump& pump, const ZipPackage::Sink& sink) {
        Status produced = Status::success();
        std::thread inflater([&] {
            produced = pump.run([this] { return takeEmpty(); },
                                [this](char* data, qsizetype size) { return putFull(data, size); });
            const std::lock_guard lock(m_mutex);
            m_done = true;
            m_changed.notify_all();
        });
        std::pair<char*, qsizetype> chunk;
        while (takeFull(chunk)) {
            const bool more = sink(chunk.first, chunk.second);
            giveBack(chunk.first, more);
            if (!more) {
                break;
            }
        }
        inflater.join();
        return produced;
    }

private:
    // Inflating side: an empty buffer, or null once the reader has stopped.
    char* takeEmpty() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stop || !m_empty.empty(); });
        if (m_stop) {
            return nullptr;
        }
        char* b = m_empty.back();
        m_empty.pop_back();
        return b;
    }
    bool putFull(char* data, qsizetype size) {
        const std::lock_guard lock(m_mutex);
        m_full.emplace_back(data, size);
        m_changed.notify_all();
        return !m_stop;
    }

    // Reading side: the next filled chunk; false once the part is done and all delivered.
    bool takeFull(std::pair<char*, qsizetype>& chunk) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_done || !m_full.empty(); });
        if (m_full.empty()) {
            return false;
        }
        chunk = m_full.front();
        m_full.pop_front();
        return true;
    }
    void giveBack(char* buffer, bool more) {
        const std::lock_guard lock(m_mutex);
        m_empty.push_back(buffer);
        if (!more) {
            m_stop = true;
        }
        m_changed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<char*, qsizetype>> m_full;
    std::vector<char*> m_empty;
    std::vector<std::unique_ptr<char[]>> m_buffers;
    bool m_stop = false;
    bool m_done = false;
};
} // namespace

ZipPackage::ZipPackage() : m_buffer(std::make_unique<char[]>(size_t(kChunk))) {}

ZipPackage::~ZipPackage() {
    if (m_zip) {
        zip_discard(m_zip);
    }
}

Status ZipPackage::open(const QString& path) {
    int err = 0;
    const QByteArray native = QFile::encodeName(path);
    m_zip = zip_open(native.constData(), ZIP_RDONLY, &err);
    if (!m_zip) {
        switch (err) {
        case ZIP_ER_NOZIP:
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is damaged or incomplete (the directory at the end of "
                            "its zip package is missing; the file may have been cut "
                            "short).")));
        case ZIP_ER_INCONS:
            return fail(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "it is damaged (the directory of its zip package is "
                                              "inconsistent).")));
        case ZIP_ER_OPEN:
        case ZIP_ER_READ:
        case ZIP_ER_SEEK:
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the file cannot be read.")));
        case ZIP_ER_MEMORY:
            return fail(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "there is not enough memory to read it.")));
        default: {
            zip_error_t e;
            zip_error_init_with_code(&e, err);
            const QString text = QString::fromUtf8(zip_error_strerror(&e));
            zip_error_fini(&e);
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                         "Workbook",
                                         "it is damaged (its zip package cannot be opened: %1)."))
                            .arg(text));
        }
        }
    }
    m_fileSize = QFileInfo(path).size();
    const zip_int64_t n = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        const char* name = zip_get_name(m_zip, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        m_names.emplace_back(name ? name : "");
    }
    return Status::success();
}

qint64 ZipPackage::find(std::string_view name) const {
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == name) {
            return qint64(i);
        }
    }
    const std::string wanted = normalized(name);
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (normalized(m_names[i]) == wanted) {
            return qint64(i);
        }
    }
    return -1;
}

Status ZipPackage::read(qint64 index, const Sink& sink, qint64 maxBytes) const {
    if (!m_zip || index < 0 || index >= qint64(m_names.size())) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is damaged (a part of its zip package is missing).")));
    }
    const std::string& name = m_names[size_t(index)];
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) != 0) {
        return partError(zip_error_code_zip(zip_get_error(m_zip)), name);
    }
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
        return partError(ZIP_ER_ENCRNOTSUPP, name);
    }
    if ((st.valid & ZIP_STAT_COMP_METHOD) &&
        !zip_compression_method_supported(zip_int32_t(st.comp_method), 0)) {
        return partError(ZIP_ER_COMPNOTSUPP, name);
    }
    // Sizes in the directory are checked, never used to allocate: a compressed size larger
    // than the file is a lie, and the inflated size is compared once the part is read.
    if ((st.valid & ZIP_STAT_COMP_SIZE) && st.comp_size > zip_uint64_t(m_fileSize)) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                     "Workbook",
                                     "it is damaged (its zip directory gives %1 a compressed size "
                                     "larger than the whole file)."))
                        .arg(QString::fromStdString(name)));
    }
    const qint64 compressed =
        std::max<qint64>((st.valid & ZIP_STAT_COMP_SIZE) ? qint64(st.comp_size) : m_fileSize, 1);

    zip_file_t* file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!file) {
        return partError(zip_error_code_zip(zip_get_error(m_zip)), name);
    }
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(file, &zip_fclose);
    const PartPump pump(file, name, st, compressed, maxBytes);

    // The claimed size only picks the strategy; nothing is allocated from it.
    const bool large = compressed >= kThreadedFrom ||
                       ((st.valid & ZIP_STAT_SIZE) && st.size >= zip_uint64_t(kThreadedFrom));
    if (!large) {
        return pump.run([this] { return m_buffer.get(); },
                        [&sink](char* data, qsizetype size) { return sink(data, size); });
    }
    InflatingThread ahead;
    return ahead.run(pump, sink);
}

Status ZipPackage::readSmall(qint64 index, qsizetype maxBytes, QByteArray& out) const {
    out.clear();
    bool tooLong = false;
    Status s = read(index, [&](const char* data, qsizetype size) {
        if (out.size() + size > maxBytes) {
            tooLong = true;
            return false;
        }
        out.append(data, size);
        return true;
    });
    if (!s) {
        return s;
    }
    if (tooLong) {
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                           "it is damaged (%1 is far longer than it should be)."))
                .arg(QString::fromStdString(nameOf(index))));
    }
    return Status::success();
}

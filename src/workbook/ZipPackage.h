#pragma once

#include "Limits.h"
#include "Status.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct zip;

// Read-only access to the parts of a zip package, streamed in chunks. Failures carry only
// the reason clause ("it is damaged (...)."); the caller names the file.
class ZipPackage {
public:
    ZipPackage();
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    Status open(const QString& path);

    // The entry with this name: the exact name first, then ignoring ASCII case and reading
    // backslashes as slashes (some producers write either). -1 when there is none.
    qint64 find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) >= 0; }
    const std::string& nameOf(qint64 index) const { return m_names[size_t(index)]; }

    // Inflates an entry chunk by chunk into sink, which returns false to stop early. Stops
    // with a failure past maxBytes inflated bytes, or when the part inflates more than
    // limits::kMaxInflateRatio times its compressed size once past limits::kRatioFloor.
    using Sink = std::function<bool(const char* data, qsizetype size)>;
    Status read(qint64 index, const Sink& sink, qint64 maxBytes = limits::kMaxPartBytes) const;
    // A small entry whole; a failure when it is longer than maxBytes.
    Status readSmall(qint64 index, qsizetype maxBytes, QByteArray& out) const;

private:
    zip* m_zip = nullptr;
    qint64 m_fileSize = 0;
    std::vector<std::string> m_names;
    std::unique_ptr<char[]> m_buffer;
};

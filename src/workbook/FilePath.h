#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

// A path as the standard library wants it: wide on Windows, the file-system encoding
// elsewhere (so a name that is not valid UTF-8 still round-trips).
inline std::filesystem::path toFsPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

#pragma once

#include <QByteArray>

class Yielder;

namespace biff {

enum class Decryption {
    Decrypted, // plain holds the workbook in clear
    Protected, // another password, or an encryption this program does not read
    Damaged,   // the FILEPASS record is cut short or its sizes contradict it
};

// Excel encrypts a write-protected Excel 97-2003 workbook with a password everyone knows, so
// that it opens without asking; this decrypts such a workbook stream (RC4 and CryptoAPI RC4).
// filePassBody and filePassLength give the FILEPASS record's body, which must lie inside the
// stream. On Decrypted, plain holds a copy of the stream with every record after the FILEPASS
// record in clear; otherwise it is left alone.
Decryption decryptWorkbookStream(const uchar* data, qint64 size, qint64 filePassBody,
                                 qint64 filePassLength, QByteArray& plain, Yielder& yielder);

} // namespace biff

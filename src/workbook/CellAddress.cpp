#include "CellAddress.h"

#include "Limits.h"

QString columnLetters(qint32 index) {
    if (index < 0) {
        return QString();
    }
    // Bijective base 26: there is no zero digit, so subtract one at every place.
    QChar letters[8];
    int n = 0;
    qint64 v = qint64(index) + 1;
    while (v > 0 && n < 8) {
        const qint64 rem = (v - 1) % 26;
        letters[n++] = QChar(char16_t(u'A' + rem));
        v = (v - 1) / 26;
    }
    QString out;
    out.reserve(n);
    for (int i = n - 1; i >= 0; --i) {
        out.append(letters[i]);
    }
    return out;
}

std::optional<qint32> columnIndex(QStringView letters) {
    if (letters.isEmpty() || letters.size() > 3) {
        return std::nullopt;
    }
    qint64 v = 0;
    for (QChar c : letters) {
        const char16_t u = c.unicode();
        qint64 digit;
        if (u >= u'A' && u <= u'Z') {
            digit = u - u'A' + 1;
        } else if (u >= u'a' && u <= u'z') {
            digit = u - u'a' + 1;
        } else {
            return std::nullopt;
        }
        v = v * 26 + digit;
    }
    if (v > limits::kMaxColumns) {
        return std::nullopt;
    }
    return qint32(v - 1);
}

QString cellAddress(qint32 column, qint32 row) {
    // Called once per cell by every row walk: one allocation, no temporaries.
    char16_t buffer[24];
    int n = 0;
    char16_t letters[8];
    int nl = 0;
    for (qint64 v = qint64(column) + 1; column >= 0 && v > 0 && nl < 8; v = (v - 1) / 26) {
        letters[nl++] = char16_t(u'A' + (v - 1) % 26);
    }
    while (nl > 0) {
        buffer[n++] = letters[--nl];
    }
    char16_t digits[12];
    int nd = 0;
    for (quint32 r = row < 0 ? 0u : quint32(row); nd == 0 || r > 0; r /= 10) {
        digits[nd++] = char16_t(u'0' + r % 10);
    }
    while (nd > 0) {
        buffer[n++] = digits[--nd];
    }
    return QString(reinterpret_cast<const QChar*>(buffer), n);
}

std::optional<CellPosition> parseCellAddress(QStringView address) {
    qsizetype i = 0;
    while (i < address.size() && address[i].isLetter() && address[i].unicode() < 128) {
        ++i;
    }
    const auto column = columnIndex(address.first(i));
    if (!column || i == address.size()) {
        return std::nullopt;
    }
    if (address[i] == u'0') {
        return std::nullopt; // no leading zeros, and there is no row 0
    }
    qint64 row = 0;
    for (qsizetype j = i; j < address.size(); ++j) {
        const char16_t u = address[j].unicode();
        if (u < u'0' || u > u'9') {
            return std::nullopt;
        }
        row = row * 10 + (u - u'0');
        if (row > limits::kMaxRows) {
            return std::nullopt;
        }
    }
    return CellPosition{qint32(row), *column};
}

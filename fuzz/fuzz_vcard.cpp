// libFuzzer target: the vCard writer over arbitrary values. Every card must read back with
// its line structure intact and every value exactly as given (line breaks as the version
// writes them).
#include "../tests/support/CardDecoder.h"
#include "ContactValues.h"
#include "VCardWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
using Member = QString ContactValues::*;
[[noreturn]] void fault(const char* what, const QString& card) {
    std::fprintf(stderr, "%s\n%s\n", what, card.toUtf8().constData());
    std::abort();
}
} // namespace

// Input: one version byte, then the values separated by 0x1F bytes, as UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const VCardVersion versions[] = {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40};
    const VCardVersion version = versions[data[0] % 3];
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split('\x1f');
    ContactValues in;
    for (qsizetype i = 0; i < fields.size() && i < carddecoder::allMembers().size(); ++i) {
        // Text as the readers give it: valid UTF-16.
        in.*carddecoder::allMembers().at(i) = QString::fromUtf8(fields.at(i));
    }
    if (in.EmailAddress2.isEmpty()) {
        in.EmailAddress3.clear();
    }
    const QString card = buildCard(in, version);
    const carddecoder::Decoded out = carddecoder::decodeCard(card);
    if (!out.ok) {
        fault(qPrintable(out.error), card);
    }
    const QString lineBreak =
        version == VCardVersion::V21 ? QStringLiteral("\r\n") : QStringLiteral("\n");
    for (Member m : carddecoder::allMembers()) {
        if (m == &ContactValues::FullName || carddecoder::isEmailMember(m)) {
            continue;
        }
        // ORG is written only with a company; its department goes with it.
        if (m == &ContactValues::Department && in.Company.isEmpty()) {
            continue;
        }
        if (out.values.*m != carddecoder::normalizeBreaks(in.*m, lineBreak)) {
            fault("a value did not come back", card);
        }
    }
    QStringList emails = carddecoder::expectedEmails(in);
    for (QString& e : emails) {
        e = carddecoder::normalizeBreaks(e, lineBreak);
    }
    if (out.emails != emails || out.preferredEmail != (in.EmailAddress.isEmpty() ? -1 : 0)) {
        fault("the e-mail addresses did not come back", card);
    }
    return 0;
}

#include "../support/CardDecoder.h"
#include "ContactValues.h"
#include "VCardWriter.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The characters that break cards when written carelessly, and some that must pass.
const QStringList kPieces = {
    u";"_s,      u","_s,      u"\\"_s,         u"\r\n"_s, u"\n"_s,  u"\r"_s,        u"="_s,
    u" "_s,      u"\t"_s,     u":"_s,          u"\""_s,   u"n"_s,   u"N"_s,         u"a"_s,
    u"\u00e9"_s, u"\u674e"_s, u"\U0001F600"_s, u"=0D"_s,  u"\\n"_s, u"TYPE=HOME"_s, u"END:VCARD"_s};

QString randomText(QRandomGenerator& rng) {
    if (rng.bounded(4) == 0) {
        return QString(); // empty members leave their lines out
    }
    QString s;
    const int n = int(rng.bounded(1, 8));
    for (int i = 0; i < n; ++i) {
        s += kPieces.at(int(rng.bounded(qsizetype(kPieces.size()))));
    }
    return s;
}

} // namespace

class TestVCardRoundTrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random values full of separators, escapes and line breaks come back exactly (line
    // breaks as the version writes them), in every version and with each target's encoding.
    void randomValuesComeBack_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("target");
        QTest::addRow("2.1") << u"2.1"_s << int(ImportTarget::Generic);
        QTest::addRow("3.0") << u"3.0"_s << int(ImportTarget::Generic);
        QTest::addRow("4.0") << u"4.0"_s << int(ImportTarget::Generic);
        QTest::addRow("2.1 outlook") << u"2.1"_s << int(ImportTarget::Outlook);
        QTest::addRow("2.1 android") << u"2.1"_s << int(ImportTarget::Android);
    }
    void randomValuesComeBack() {
        QFETCH(QString, version);
        QFETCH(int, target);
        const CardRules& rules = importTargetRules(ImportTarget(target)).card;
        const QString lineBreak = version == u"2.1" ? u"\r\n"_s : u"\n"_s;
        QRandomGenerator rng(20261207);
        for (int round = 0; round < 3000; ++round) {
            ContactValues in;
            for (auto m : carddecoder::allMembers()) {
                in.*m = randomText(rng);
            }
            // Second and third address stand in their places only when both are there.
            if (in.EmailAddress2.isEmpty()) {
                in.EmailAddress3.clear();
            }
            if (in.Company.isEmpty()) {
                in.Department.clear();
            }
            const QString card = buildCard(in, parseVCardVersion(version).value(), rules);
            const carddecoder::Decoded out = carddecoder::decodeCard(card);
            QVERIFY2(out.ok, qPrintable(out.error + u"\n"_s + card));
            QCOMPARE(out.version, version);
            for (auto m : carddecoder::allMembers()) {
                if (m == &ContactValues::FullName || carddecoder::isEmailMember(m)) {
                    continue;
                }
                QCOMPARE(out.values.*m, carddecoder::normalizeBreaks(in.*m, lineBreak));
            }
            QStringList emails = carddecoder::expectedEmails(in);
            for (QString& e : emails) {
                e = carddecoder::normalizeBreaks(e, lineBreak);
            }
            QCOMPARE(out.emails, emails);
            QCOMPARE(out.preferredEmail, in.EmailAddress.isEmpty() ? -1 : 0);
            const bool anyName = !in.LastName.isEmpty() || !in.FirstName.isEmpty() ||
                                 !in.MiddleName.isEmpty() || !in.Title.isEmpty() ||
                                 !in.Suffix.isEmpty();
            QCOMPARE(out.hasN, anyName || version == u"3.0"_s);
            if (out.hasN) {
                const bool affixes = !in.Title.isEmpty() || !in.Suffix.isEmpty();
                QCOMPARE(out.nComponents, affixes || version == u"4.0"_s ? 5 : 3);
            }
            const QString fn = !in.FullName.isEmpty() ? in.FullName
                               : anyName              ? in.FirstName + u' ' + in.LastName
                                                      : QString();
            QCOMPARE(out.fn, carddecoder::normalizeBreaks(fn, lineBreak));
            // Cards are ASCII apart from UTF-8 text outside quoted-printable lines.
            QVERIFY(!card.toUtf8().startsWith("\xef\xbb\xbf"));
            // A target's rules mark every line that holds more than ASCII.
            for (const QString& line : card.split(u"\r\n"_s)) {
                const QString head = line.left(line.indexOf(u':'));
                const bool ascii = std::all_of(line.cbegin(), line.cend(),
                                               [](QChar c) { return c.unicode() < 0x80; });
                if (rules.quotedPrintableNonAscii) {
                    QVERIFY2(ascii, qPrintable(line));
                }
                if (rules.charsetOnNonAscii && !ascii) {
                    QVERIFY2(head.contains(u";CHARSET=UTF-8"_s), qPrintable(line));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestVCardRoundTrip)
#include "test_vcard_roundtrip.moc"

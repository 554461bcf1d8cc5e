#include "ContactUid.h"

#include "VCardWriter.h"

namespace {

// The namespace of every contact UID this program makes. Changing it would make every card on
// every server look new: it is fixed for good.
const QUuid kUidNamespace(0x5e9c3da6, 0x06ab, 0x42f2, 0x82, 0x11, 0x5a, 0x45, 0x32, 0x81, 0x5f,
                          0xd6);

// The first address of the mapped e-mail fields, in field order.
QString firstEmail(const ContactValues& v) {
    for (const QString* cell : {&v.EmailAddress, &v.EmailAddress2, &v.EmailAddress3}) {
        const QStringList addresses = emailAddresses(*cell);
        if (!addresses.isEmpty()) {
            return addresses.first();
        }
    }
    return {};
}

} // namespace

ContactKey contactKey(const ContactValues& values, const std::optional<QString>& columnText) {
    if (columnText) {
        const QString text = columnText->trimmed();
        return {text, text.isEmpty() ? ContactKeySource::RowNumber : ContactKeySource::Column};
    }
    const QString email = firstEmail(values);
    if (!email.isEmpty()) {
        return {email.toLower(), ContactKeySource::Email};
    }
    // The name the card shows: FN as the writer makes it.
    QString name = values.FullName.trimmed();
    if (name.isEmpty()) {
        name =
            (values.FirstName.trimmed() + QLatin1Char(' ') + values.LastName.trimmed()).trimmed();
    }
    const QString company = values.Company.trimmed();
    if (name.isEmpty() && company.isEmpty()) {
        return {};
    }
    return {name + QLatin1Char('\n') + company, ContactKeySource::NameAndCompany};
}

QString rowNumberKey(qint32 row) {
    return QStringLiteral("row %1").arg(row);
}

QUuid contactUid(const QString& key) {
    return QUuid::createUuidV5(kUidNamespace, key);
}

QString uidPropertyValue(const QUuid& uid, bool v40) {
    const QString text = uid.toString(QUuid::WithoutBraces);
    return v40 ? QStringLiteral("urn:uuid:") + text : text;
}

ContactUids::Assigned ContactUids::assign(qint32 row, const ContactValues& values,
                                          const std::optional<QString>& columnText) {
    ContactKey base = contactKey(values, columnText);
    if (base.text.isEmpty()) {
        base.text = rowNumberKey(row);
    }
    Assigned a;
    a.source = base.source;
    qint32& seen = m_occurrences[base.text];
    a.occurrence = ++seen;
    a.key = a.occurrence == 1 ? base.text
                              : base.text + QLatin1Char('#') + QString::number(a.occurrence);
    // A cell that holds "x#2" must not take the UID of the second "x" of this run.
    while (m_used.contains(a.key)) {
        a.occurrence = ++seen;
        a.key = base.text + QLatin1Char('#') + QString::number(a.occurrence);
    }
    m_used.insert(a.key);
    a.uid = contactUid(a.key);
    return a;
}

#include "ContactField.h"

#include <QCoreApplication>

namespace {

// The table is checked as it is compiled: a field named twice, two fields filling one member,
// or a member of ContactValues that no field fills stops the build.
constexpr bool namesAreDistinct() {
    for (size_t i = 0; i < kContactFields.size(); ++i) {
        for (size_t j = i + 1; j < kContactFields.size(); ++j) {
            if (kContactFields[i].name == kContactFields[j].name) {
                return false;
            }
        }
    }
    return true;
}

constexpr bool membersAreDistinct() {
    for (size_t i = 0; i < kContactFields.size(); ++i) {
        for (size_t j = i + 1; j < kContactFields.size(); ++j) {
            if (kContactFields[i].reachesCard() &&
                kContactFields[i].member == kContactFields[j].member) {
                return false;
            }
        }
    }
    return true;
}

constexpr size_t fieldsReachingTheCard() {
    size_t n = 0;
    for (const ContactFieldRow& f : kContactFields) {
        n += f.reachesCard() ? 1 : 0;
    }
    return n;
}

constexpr bool emailFieldsReachTheCard() {
    for (const ContactFieldRow& f : kContactFields) {
        if (f.email && !f.reachesCard()) {
            return false;
        }
    }
    return true;
}

static_assert(namesAreDistinct(), "a field is named twice in kContactFields");
static_assert(membersAreDistinct(), "two fields of kContactFields fill the same member");
// ContactValues holds nothing but one text per field that reaches the card.
static_assert(fieldsReachingTheCard() * sizeof(QString) == sizeof(ContactValues),
              "a member of ContactValues is filled by no field of kContactFields");
static_assert(emailFieldsReachTheCard(), "an e-mail field fills no member");

constexpr bool phoneFieldsReachTheCard() {
    for (const ContactFieldRow& f : kContactFields) {
        if (f.phone && (!f.reachesCard() || f.email)) {
            return false;
        }
    }
    return true;
}
static_assert(phoneFieldsReachTheCard(), "a phone field fills no member, or is an e-mail field");

const ContactFieldRow* findField(QStringView name) {
    for (const ContactFieldRow& f : kContactFields) {
        if (QStringView(f.name) == name) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace

QString contactFieldHelp(const ContactFieldRow& field) {
    return QCoreApplication::translate("Fields", QStringView(field.help).toUtf8().constData());
}

const QStringList& contactFieldCatalogue() {
    static const QStringList names = [] {
        QStringList list;
        list.reserve(kCatalogueSize);
        for (const ContactFieldRow& f : kContactFields) {
            list.append(QStringView(f.name).toString());
        }
        return list;
    }();
    return names;
}

bool isCatalogueField(QStringView name) {
    return findField(name) != nullptr;
}

QString ContactValues::*contactValueMember(QStringView field) {
    const ContactFieldRow* f = findField(field);
    return f ? f->member : nullptr;
}

bool isEmailField(QStringView field) {
    const ContactFieldRow* f = findField(field);
    return f && f->email;
}

bool isPhoneField(QStringView field) {
    const ContactFieldRow* f = findField(field);
    return f && f->phone;
}

bool isDateField(QStringView field) {
    const ContactFieldRow* f = findField(field);
    return f && f->date;
}

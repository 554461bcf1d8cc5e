#pragma once

#include "ContactValues.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <string_view>

// A contact field name, compared as exact, case-sensitive text.
using ContactField = QString;

// One contact field: its name, the member of ContactValues its cells fill, and a short phrase
// saying what it holds (the command line's help shows it, through contactFieldHelp).
struct ContactFieldRow {
    std::u16string_view name;
    // nullptr: the field is offered and accepted, but reaches no card.
    QString ContactValues::*member = nullptr;
    // Whether the empty-e-mail rule applies to its cells.
    bool email = false;
    std::u16string_view help;
    // Whether it holds a telephone number (written as TEL, rewritten by the phone format).
    bool phone = false;
    // Whether its cells are read as dates (see DateText.h).
    bool date = false;

    constexpr bool reachesCard() const { return member != nullptr; }
};

constexpr ContactFieldRow cardField(std::u16string_view name, QString ContactValues::*member,
                                    std::u16string_view help) {
    return {name, member, false, help};
}
constexpr ContactFieldRow emailField(std::u16string_view name, QString ContactValues::*member,
                                     std::u16string_view help) {
    return {name, member, true, help};
}
constexpr ContactFieldRow phoneField(std::u16string_view name, QString ContactValues::*member,
                                     std::u16string_view help) {
    return {name, member, false, help, true, false};
}
constexpr ContactFieldRow dateField(std::u16string_view name, QString ContactValues::*member,
                                    std::u16string_view help) {
    return {name, member, false, help, false, true};
}

// Every contact field, in the order the catalogue offers them. A field that reaches the card
// also needs its member in ContactValues and its line in buildCard. The phrases are marked for
// translation in the context "Fields"; u"" before the mark makes the literal UTF-16.
inline constexpr std::array kContactFields = {
    cardField(u"FirstName", &ContactValues::FirstName,
              u"" QT_TRANSLATE_NOOP("Fields", "first name")),
    cardField(u"LastName", &ContactValues::LastName, u"" QT_TRANSLATE_NOOP("Fields", "last name")),
    cardField(u"FullName", &ContactValues::FullName,
              u"" QT_TRANSLATE_NOOP("Fields", "name as shown; without it, first and last name")),
    emailField(u"EmailAddress", &ContactValues::EmailAddress,
               u"" QT_TRANSLATE_NOOP("Fields", "preferred e-mail address")),
    emailField(u"EmailAddress2", &ContactValues::EmailAddress2,
               u"" QT_TRANSLATE_NOOP("Fields", "second e-mail address")),
    emailField(u"EmailAddress3", &ContactValues::EmailAddress3,
               u"" QT_TRANSLATE_NOOP("Fields", "third e-mail address")),
    cardField(u"JobTitle", &ContactValues::JobTitle, u"" QT_TRANSLATE_NOOP("Fields", "job title")),
    cardField(u"Company", &ContactValues::Company, u"" QT_TRANSLATE_NOOP("Fields", "company")),
    cardField(u"BusinessAddress", &ContactValues::BusinessAddress,
              u"" QT_TRANSLATE_NOOP("Fields", "work address in one text")),
    cardField(u"BusinessAddressCity", &ContactValues::BusinessAddressCity,
              u"" QT_TRANSLATE_NOOP("Fields", "work address: city")),
    cardField(u"BusinessAddressCountry", &ContactValues::BusinessAddressCountry,
              u"" QT_TRANSLATE_NOOP("Fields", "work address: country")),
    cardField(u"BusinessAddressPostalCode", &ContactValues::BusinessAddressPostalCode,
              u"" QT_TRANSLATE_NOOP("Fields", "work address: postal code")),
    cardField(u"BusinessAddressState", &ContactValues::BusinessAddressState,
              u"" QT_TRANSLATE_NOOP("Fields", "work address: state or region")),
    cardField(u"BusinessAddressStreet", &ContactValues::BusinessAddressStreet,
              u"" QT_TRANSLATE_NOOP("Fields", "work address: street")),
    phoneField(u"BusinessFaxNumber", &ContactValues::BusinessFaxNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "work fax number")),
    cardField(u"BusinessHomePage", &ContactValues::BusinessHomePage,
              u"" QT_TRANSLATE_NOOP("Fields", "web page")),
    phoneField(u"BusinessTelephoneNumber", &ContactValues::BusinessTelephoneNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "work telephone number")),
    cardField(u"Department", &ContactValues::Department,
              u"" QT_TRANSLATE_NOOP("Fields", "department (written with a Company)")),
    cardField(u"HomeAddress", &ContactValues::HomeAddress,
              u"" QT_TRANSLATE_NOOP("Fields", "home address in one text")),
    cardField(u"HomeAddressCity", &ContactValues::HomeAddressCity,
              u"" QT_TRANSLATE_NOOP("Fields", "home address: city")),
    cardField(u"HomeAddressCountry", &ContactValues::HomeAddressCountry,
              u"" QT_TRANSLATE_NOOP("Fields", "home address: country")),
    cardField(u"HomeAddressPostalCode", &ContactValues::HomeAddressPostalCode,
              u"" QT_TRANSLATE_NOOP("Fields", "home address: postal code")),
    cardField(u"HomeAddressState", &ContactValues::HomeAddressState,
              u"" QT_TRANSLATE_NOOP("Fields", "home address: state or region")),
    cardField(u"HomeAddressStreet", &ContactValues::HomeAddressStreet,
              u"" QT_TRANSLATE_NOOP("Fields", "home address: street")),
    phoneField(u"HomeFaxNumber", &ContactValues::HomeFaxNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "home fax number")),
    phoneField(u"HomeTelephoneNumber", &ContactValues::HomeTelephoneNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "home telephone number")),
    cardField(u"MiddleName", &ContactValues::MiddleName,
              u"" QT_TRANSLATE_NOOP("Fields", "middle name")),
    phoneField(u"MobileNumber", &ContactValues::MobileNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "mobile telephone number")),
    cardField(u"Title", &ContactValues::Title,
              u"" QT_TRANSLATE_NOOP("Fields", "form of address, such as Dr")),
    cardField(u"Notes", &ContactValues::Notes, u"" QT_TRANSLATE_NOOP("Fields", "notes")),
    cardField(u"Suffix", &ContactValues::Suffix,
              u"" QT_TRANSLATE_NOOP("Fields", "name suffix, such as Jr.")),
    cardField(u"Nickname", &ContactValues::Nickname, u"" QT_TRANSLATE_NOOP("Fields", "nickname")),
    dateField(u"Birthday", &ContactValues::Birthday,
              u"" QT_TRANSLATE_NOOP("Fields", "birthday (a date, the year may be left out)")),
    dateField(u"Anniversary", &ContactValues::Anniversary,
              u"" QT_TRANSLATE_NOOP("Fields", "anniversary (a date)")),
    cardField(u"Categories", &ContactValues::Categories,
              u"" QT_TRANSLATE_NOOP("Fields", "categories, separated by \",\" or \";\"")),
    phoneField(u"OtherTelephoneNumber", &ContactValues::OtherTelephoneNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "other telephone number")),
    phoneField(u"PagerNumber", &ContactValues::PagerNumber,
               u"" QT_TRANSLATE_NOOP("Fields", "pager number")),
    cardField(u"PersonalHomePage", &ContactValues::PersonalHomePage,
              u"" QT_TRANSLATE_NOOP("Fields", "personal web page")),
    cardField(u"Photo", &ContactValues::Photo,
              u"" QT_TRANSLATE_NOOP("Fields", "photo: a picture file's path or a web address")),
};

inline constexpr int kCatalogueSize = int(kContactFields.size());

// The field's phrase in the current language.
QString contactFieldHelp(const ContactFieldRow& field);

// The names offered for mapping, in the order they are offered.
const QStringList& contactFieldCatalogue();

bool isCatalogueField(QStringView name);

// The member a field name feeds, or nullptr for names that reach no card (fields without a
// member and any unknown text).
QString ContactValues::*contactValueMember(QStringView field);

// Whether the empty-e-mail rule applies to the field's cells.
bool isEmailField(QStringView field);

// Whether the field holds a telephone number.
bool isPhoneField(QStringView field);

// Whether the field's cells are read as dates.
bool isDateField(QStringView field);

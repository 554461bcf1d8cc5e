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
// saying what it holds (the command line's help shows it).
struct ContactFieldRow {
    std::u16string_view name;
    // nullptr: the field is offered and accepted, but reaches no card.
    QString ContactValues::*member = nullptr;
    // Whether the empty-e-mail rule applies to its cells.
    bool email = false;
    std::u16string_view help;
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
constexpr ContactFieldRow dateField(std::u16string_view name, QString ContactValues::*member,
                                    std::u16string_view help) {
    return {name, member, false, help, true};
}
constexpr ContactFieldRow noCardField(std::u16string_view name, std::u16string_view help) {
    return {name, nullptr, false, help};
}

// Every contact field, in the order the catalogue offers them. A field that reaches the card
// also needs its member in ContactValues and its line in buildCard.
inline constexpr std::array kContactFields = {
    cardField(u"FirstName", &ContactValues::FirstName, u"first name"),
    cardField(u"LastName", &ContactValues::LastName, u"last name"),
    cardField(u"FullName", &ContactValues::FullName,
              u"name as shown; without it, first and last name"),
    emailField(u"EmailAddress", &ContactValues::EmailAddress, u"preferred e-mail address"),
    emailField(u"EmailAddress2", &ContactValues::EmailAddress2, u"second e-mail address"),
    emailField(u"EmailAddress3", &ContactValues::EmailAddress3, u"third e-mail address"),
    cardField(u"JobTitle", &ContactValues::JobTitle, u"job title"),
    cardField(u"Company", &ContactValues::Company, u"company"),
    cardField(u"BusinessAddress", &ContactValues::BusinessAddress, u"work address in one text"),
    cardField(u"BusinessAddressCity", &ContactValues::BusinessAddressCity, u"work address: city"),
    cardField(u"BusinessAddressCountry", &ContactValues::BusinessAddressCountry,
              u"work address: country"),
    cardField(u"BusinessAddressPostalCode", &ContactValues::BusinessAddressPostalCode,
              u"work address: postal code"),
    cardField(u"BusinessAddressState", &ContactValues::BusinessAddressState,
              u"work address: state or region"),
    cardField(u"BusinessAddressStreet", &ContactValues::BusinessAddressStreet,
              u"work address: street"),
    cardField(u"BusinessFaxNumber", &ContactValues::BusinessFaxNumber, u"work fax number"),
    cardField(u"BusinessHomePage", &ContactValues::BusinessHomePage, u"web page"),
    cardField(u"BusinessTelephoneNumber", &ContactValues::BusinessTelephoneNumber,
              u"work telephone number"),
    cardField(u"Department", &ContactValues::Department, u"department (written with a Company)"),
    cardField(u"HomeAddress", &ContactValues::HomeAddress, u"home address in one text"),
    cardField(u"HomeAddressCity", &ContactValues::HomeAddressCity, u"home address: city"),
    cardField(u"HomeAddressCountry", &ContactValues::HomeAddressCountry, u"home address: country"),
    cardField(u"HomeAddressPostalCode", &ContactValues::HomeAddressPostalCode,
              u"home address: postal code"),
    cardField(u"HomeAddressState", &ContactValues::HomeAddressState,
              u"home address: state or region"),
    cardField(u"HomeAddressStreet", &ContactValues::HomeAddressStreet, u"home address: street"),
    cardField(u"HomeFaxNumber", &ContactValues::HomeFaxNumber, u"home fax number"),
    cardField(u"HomeTelephoneNumber", &ContactValues::HomeTelephoneNumber,
              u"home telephone number"),
    cardField(u"MiddleName", &ContactValues::MiddleName, u"middle name"),
    cardField(u"MobileNumber", &ContactValues::MobileNumber, u"mobile telephone number"),
    cardField(u"Title", &ContactValues::Title, u"form of address, such as Dr"),
    cardField(u"Notes", &ContactValues::Notes, u"notes"),
    cardField(u"Suffix", &ContactValues::Suffix, u"name suffix, such as Jr."),
    cardField(u"Nickname", &ContactValues::Nickname, u"nickname"),
    dateField(u"Birthday", &ContactValues::Birthday,
              u"birthday (a date, the year may be left out)"),
    dateField(u"Anniversary", &ContactValues::Anniversary, u"anniversary (a date)"),
    cardField(u"Categories", &ContactValues::Categories,
              u"categories, separated by \",\" or \";\""),
    cardField(u"OtherTelephoneNumber", &ContactValues::OtherTelephoneNumber,
              u"other telephone number"),
    cardField(u"PagerNumber", &ContactValues::PagerNumber, u"pager number"),
    cardField(u"PersonalHomePage", &ContactValues::PersonalHomePage, u"personal web page"),
    cardField(u"Photo", &ContactValues::Photo, u"photo: a picture file's path or a web address"),
};

inline constexpr int kCatalogueSize = int(kContactFields.size());

// The names offered for mapping, in the order they are offered.
const QStringList& contactFieldCatalogue();

bool isCatalogueField(QStringView name);

// The member a field name feeds, or nullptr for names that reach no card (fields without a
// member and any unknown text).
QString ContactValues::*contactValueMember(QStringView field);

// Whether the empty-e-mail rule applies to the field's cells.
bool isEmailField(QStringView field);

// Whether the field's cells are read as dates.
bool isDateField(QStringView field);

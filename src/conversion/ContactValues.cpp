#include "ContactValues.h"

#include <array>
#include <utility>

namespace {
using Member = QString ContactValues::*;

struct FieldMember {
    const char16_t* name;
    Member member;
};

const std::array<FieldMember, 26> kMembers = {{
    {u"FullName", &ContactValues::FullName},
    {u"FirstName", &ContactValues::FirstName},
    {u"LastName", &ContactValues::LastName},
    {u"MiddleName", &ContactValues::MiddleName},
    {u"Company", &ContactValues::Company},
    {u"Department", &ContactValues::Department},
    {u"JobTitle", &ContactValues::JobTitle},
    {u"BusinessTelephoneNumber", &ContactValues::BusinessTelephoneNumber},
    {u"HomeTelephoneNumber", &ContactValues::HomeTelephoneNumber},
    {u"MobileNumber", &ContactValues::MobileNumber},
    {u"BusinessFaxNumber", &ContactValues::BusinessFaxNumber},
    {u"BusinessHomePage", &ContactValues::BusinessHomePage},
    {u"Notes", &ContactValues::Notes},
    {u"BusinessAddressStreet", &ContactValues::BusinessAddressStreet},
    {u"BusinessAddressCity", &ContactValues::BusinessAddressCity},
    {u"BusinessAddressState", &ContactValues::BusinessAddressState},
    {u"BusinessAddressPostalCode", &ContactValues::BusinessAddressPostalCode},
    {u"BusinessAddressCountry", &ContactValues::BusinessAddressCountry},
    {u"HomeAddressStreet", &ContactValues::HomeAddressStreet},
    {u"HomeAddressCity", &ContactValues::HomeAddressCity},
    {u"HomeAddressState", &ContactValues::HomeAddressState},
    {u"HomeAddressPostalCode", &ContactValues::HomeAddressPostalCode},
    {u"HomeAddressCountry", &ContactValues::HomeAddressCountry},
    {u"EmailAddress", &ContactValues::EmailAddress},
    {u"EmailAddress2", &ContactValues::EmailAddress2},
    {u"EmailAddress3", &ContactValues::EmailAddress3},
}};
} // namespace

QString ContactValues::*contactValueMember(QStringView field) {
    for (const FieldMember& m : kMembers) {
        if (field == QStringView(m.name)) {
            return m.member;
        }
    }
    return nullptr;
}

bool isEmailField(QStringView field) {
    return field == u"EmailAddress" || field == u"EmailAddress2" || field == u"EmailAddress3";
}

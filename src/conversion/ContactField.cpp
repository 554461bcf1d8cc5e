#include "ContactField.h"

const QStringList& contactFieldCatalogue() {
    static const QStringList names = {
        QStringLiteral("FirstName"),
        QStringLiteral("LastName"),
        QStringLiteral("FullName"),
        QStringLiteral("EmailAddress"),
        QStringLiteral("EmailAddress2"),
        QStringLiteral("EmailAddress3"),
        QStringLiteral("JobTitle"),
        QStringLiteral("Company"),
        QStringLiteral("BusinessAddress"),
        QStringLiteral("BusinessAddressCity"),
        QStringLiteral("BusinessAddressCountry"),
        QStringLiteral("BusinessAddressPostalCode"),
        QStringLiteral("BusinessAddressState"),
        QStringLiteral("BusinessAddressStreet"),
        QStringLiteral("BusinessFaxNumber"),
        QStringLiteral("BusinessHomePage"),
        QStringLiteral("BusinessTelephoneNumber"),
        QStringLiteral("Department"),
        QStringLiteral("HomeAddress"),
        QStringLiteral("HomeAddressCity"),
        QStringLiteral("HomeAddressCountry"),
        QStringLiteral("HomeAddressPostalCode"),
        QStringLiteral("HomeAddressState"),
        QStringLiteral("HomeAddressStreet"),
        QStringLiteral("HomeFaxNumber"),
        QStringLiteral("HomeTelephoneNumber"),
        QStringLiteral("MiddleName"),
        QStringLiteral("MobileNumber"),
        QStringLiteral("Title"),
        QStringLiteral("Notes"),
    };
    return names;
}

bool isCatalogueField(QStringView name) {
    for (const QString& n : contactFieldCatalogue()) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

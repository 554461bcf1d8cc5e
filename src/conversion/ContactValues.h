#pragma once

#include <QString>
#include <QStringView>

// The texts gathered for one contact, one per field that reaches the card. Empty when not
// mapped or blank; otherwise the cell's text form exactly as read.
struct ContactValues {
    QString FullName;
    QString LastName;
    QString FirstName;
    QString MiddleName;
    QString Company;
    QString Department;
    QString JobTitle;
    QString BusinessTelephoneNumber;
    QString HomeTelephoneNumber;
    QString MobileNumber;
    QString BusinessFaxNumber;
    QString BusinessAddressStreet;
    QString BusinessAddressCity;
    QString BusinessAddressState;
    QString BusinessAddressPostalCode;
    QString BusinessAddressCountry;
    QString HomeAddressStreet;
    QString HomeAddressCity;
    QString HomeAddressState;
    QString HomeAddressPostalCode;
    QString HomeAddressCountry;
    QString BusinessHomePage;
    QString EmailAddress;
    QString EmailAddress2;
    QString EmailAddress3;
    QString Notes;

    void clear() { *this = ContactValues(); }
};

// The member a field name feeds, or nullptr for names that reach no card (BusinessAddress,
// HomeAddress, HomeFaxNumber, Title and any unknown text).
QString ContactValues::*contactValueMember(QStringView field);

// Whether the field is one of the three e-mail addresses (the empty-email rule applies).
bool isEmailField(QStringView field);

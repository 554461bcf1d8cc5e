#pragma once

#include <QString>

// The texts gathered for one contact, one per field that reaches the card (kContactFields in
// ContactField.h names the field each member is filled from). Empty when not mapped or blank;
// otherwise the cell's text form exactly as read, except Birthday and Anniversary, which hold
// the date the run read from the cell in its ISO form ("1990-12-31", "--12-31" without a year).
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
    QString Title;
    QString Suffix;
    QString HomeFaxNumber;
    QString BusinessAddress;
    QString HomeAddress;
    QString Nickname;
    QString Birthday;
    QString Anniversary;
    QString Categories;
    QString OtherTelephoneNumber;
    QString PagerNumber;
    QString PersonalHomePage;
    // The cell's text: a picture file's path or a web address; the run reads the picture.
    QString Photo;

    void clear() { *this = ContactValues(); }
};

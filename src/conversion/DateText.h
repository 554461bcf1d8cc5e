#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The order in which a date written as numbers gives day, month and year ("31/12/1990" is
// D/M/Y, "12/31/1990" M/D/Y, "1990/12/31" Y/M/D).
enum class DateOrder { DMY, MDY, YMD };

// "DMY", "MDY", "YMD" (the command line's words) give their order; nothing else does.
std::optional<DateOrder> parseDateOrder(QStringView text);
// "D/M/Y", "M/D/Y" or "Y/M/D", as the window offers them.
QString dateOrderDisplayText(DateOrder order);

// The order of day, month and year in the locale's short date format; D/M/Y when the format
// does not tell.
DateOrder localeDateOrder(const QLocale& locale);
// The default for the window and the command line: the system locale's order.
DateOrder systemDateOrder();

// A day of the year, with or without its year (a birthday may be known without one).
struct CardDate {
    int year = 0; // 0: no year
    int month = 0;
    int day = 0;

    bool hasYear() const { return year != 0; }
    friend bool operator==(const CardDate&, const CardDate&) = default;
};

// A date as a cell's text shows it, or nothing when the text is not a date:
// - ISO 8601: "1990-12-31" (a time after it is ignored), "19901231", "--12-31", "--1231";
// - numbers, in the given order, separated by "/", ".", "-" or spaces: "31/12/1990",
//   "31.12.90"; a first number of four digits is a year whatever the order ("1990/12/31");
// - a month name, English or of the locale's language, full or short, any case, with the day
//   and year as numbers: "31 December 1990", "Dec 31, 1990", "31-Dec-90";
// - day and month alone: a date without a year ("31/12", "December 31").
// Years have two or four digits; two-digit years 00-29 are 2000-2029, the others 19xx.
// Days that do not exist ("31/02/1990") are not dates; 29 February without a year is.
std::optional<CardDate> parseDateText(QStringView text, DateOrder order,
                                      const QLocale& locale = QLocale::system());

// The date as a card's ISO form: "1990-12-31", or "--12-31" without a year.
QString isoDateText(const CardDate& date);
// Reads back exactly what isoDateText writes; nothing for any other text.
std::optional<CardDate> parseIsoDateText(QStringView text);

inline CardDate cardDate(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

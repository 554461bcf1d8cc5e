#pragma once

// A number format as parsed (NumberFormat.cpp) and rendered (NumberFormatRendering.cpp): its
// sections and their tokens. Only those two files include this header.

#include "NumberFormat.h"

#include <QString>

#include <vector>

namespace numberformat {

enum class Tok : quint8 {
    Literal,          // literals[litPos, litPos + litLen)
    Digit,            // placeholder '0', '#' or '?' in `ch`
    Point,            // decimal point
    Comma,            // thousands separator or scaling, settled after tokenising
    Percent,          // shows "%" and scales by 100
    Exponent,         // 'E' or 'e' in `ch`, sign rule in `count`: 1 for "+", 0 for "-"
    Slash,            // fraction bar
    FixedDenominator, // the number in `value`
    General,
    At,
    Year,  // count: letters
    Month, // also minutes, once settled (see `Minute`)
    Minute,
    Day,
    Hour,
    Second,
    ElapsedHours,
    ElapsedMinutes,
    ElapsedSeconds,
    SubSecond, // count: digits after the point
    AmPm,      // count 2: "AM"/"PM"; count 1: `ch` is 'A' or 'a'
};

// Where a digit placeholder stands in a number section.
enum class Part : quint8 { Integer, Fraction, ExponentDigits, Numerator, Denominator };

struct Token {
    Tok type = Tok::Literal;
    Part part = Part::Integer;
    char16_t ch = 0;
    quint16 count = 0;
    int litPos = 0;
    int litLen = 0;
    int value = 0;
};

enum class Op : quint8 { None, Lt, Le, Gt, Ge, Eq, Ne };

enum class Kind : quint8 { Number, Fraction, Scientific, Date, Text };

constexpr int kMaxScale = 60; // a power of ten: twenty commas, thirty percent signs

struct Section {
    Kind kind = Kind::Number;
    Op op = Op::None;
    double limit = 0;
    std::vector<Token> tokens;
    QString literals;

    // Number, fraction and scientific sections.
    int integerDigits = 0;
    int fractionDigits = 0;
    int exponentDigits = 0;
    int scale = 0; // power of ten: +2 per %, -3 per scaling comma
    bool grouping = false;
    bool engineering = false;
    bool hasPlaceholder = false; // digits or General: a sign may be shown
    bool hasGeneral = false;
    int numeratorDigits = 0;
    int denominatorDigits = 0;
    int fixedDenominator = 0;
    bool fractionHasInteger = false;
    int blankFrom = 0; // tokens blanked when a fraction is 0: after the whole part ...
    int blankTo = -1;  // ... to the denominator

    // Date sections.
    int subSecondDigits = 0;
    bool twelveHour = false;
    bool needsDate = false;
};

} // namespace numberformat

struct NumberFormat::Data {
    std::vector<numberformat::Section> sections;
    int numberSections = 0; // sections used for numbers (up to 3)
    int textSection = -1;   // section used for text, -1: text stays as it is
};

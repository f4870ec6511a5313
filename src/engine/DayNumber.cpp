#include "engine/DayNumber.h"

#include "engine/EngineTexts.h"

namespace brelvan {
namespace {

constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isLeap(long long year) {
    return year % 4 == 0;
}

} // namespace

double dayNumber(int tag, int monat, int jahr) {
    bool valid = monat >= 1 && monat <= 12 && tag >= 1 && jahr >= 1900;
    if (valid) {
        int length = kMonthLength[monat - 1];
        if (monat == 2 && isLeap(jahr))
            length = 29;
        valid = tag <= length;
    }
    if (!valid)
        return 0.0;

    // Years 1900 .. jahr-1: 365 days each plus one for every multiple of 4 among them.
    const long long years = static_cast<long long>(jahr) - 1900;
    long long days = 365 * years + (years + 3) / 4;
    for (int m = 1; m < monat; ++m)
        days += kMonthLength[m - 1];
    if (isLeap(jahr) && monat > 2)
        days += 1;
    days += tag;
    return static_cast<double>(days);
}

double tage(int tag, int monat, int jahr, std::vector<std::string>& messages) {
    if (jahr < 1900)
        messages.emplace_back(engine::tx(kYearBefore1900));
    return dayNumber(tag, monat, jahr);
}

double tage(int tag, int monat, int jahr, UserInterface* ui) {
    std::vector<std::string> messages;
    const double day = tage(tag, monat, jahr, messages);
    if (ui)
        for (const std::string& text : messages)
            ui->message(text);
    return day;
}

} // namespace brelvan

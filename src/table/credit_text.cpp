#include "table/credit_text.h"

#include <cmath>
#include <cstdio>

namespace velmora {

double ReadCredits(std::string_view caption) {
    std::size_t i = 0;
    while (i < caption.size() && caption[i] == ' ') ++i;
    bool negative = false;
    if (i < caption.size() && (caption[i] == '-' || caption[i] == '+')) negative = caption[i++] == '-';
    double value = 0.0;
    for (; i < caption.size() && caption[i] >= '0' && caption[i] <= '9'; ++i)
        value = value * 10.0 + (caption[i] - '0');
    if (i < caption.size() && caption[i] == '.') {
        double scale = 0.1;
        for (++i; i < caption.size() && caption[i] >= '0' && caption[i] <= '9'; ++i, scale /= 10.0)
            value += (caption[i] - '0') * scale;
    }
    return negative ? -value : value;
}

std::string WriteCredits(double credits) {
    const double whole = std::nearbyint(credits);
    char digits[400];  // enough for every finite double written in full
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(whole));
    std::string text(digits);
    if (text.size() < 5) text.insert(0, 5 - text.size(), '0');
    if (whole < 0) text.insert(0, 1, '-');
    return text;
}

}  // namespace velmora

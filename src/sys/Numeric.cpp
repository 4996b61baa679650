#include "sys/Numeric.h"

#include <cctype>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sys {

double Round(double x) {
    // nearbyint follows the current rounding mode; the program never changes it from
    // round-to-nearest-even, but state it here rather than rely on it.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    if (saved != FE_TONEAREST) std::fesetround(saved);
    return r;
}

template <typename T>
static T Saturate(double r) {
    if (std::isnan(r)) return 0;
    if (r <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

int16_t CInt(double x) {
    return Saturate<int16_t>(Round(x));
}
int32_t CLng(double x) {
    return Saturate<int32_t>(Round(x));
}
double Int(double x) {
    return std::floor(x);
}
double Fix(double x) {
    return std::trunc(x);
}

// Locale-independent text to double ('.' decimal point); the GUI library sets the C locale
// from the environment, so the C conversions can't be used here.
static double ToDouble(const std::string& num) {
    double v = 0.0;
    const char* first = num.data();
    if (*first == '+') ++first;
    const auto r = std::from_chars(first, num.data() + num.size(), v);
    if (r.ec == std::errc::result_out_of_range) return 0.0;
    return v;
}

static std::string ToChars(double x, std::chars_format fmt, int precision) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, fmt, precision);
    return std::string(buf, r.ptr);
}

double Val(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
    }
    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base != 0) {
            int64_t v = 0;
            for (size_t i = 2; i < compact.size(); ++i) {
                const char c =
                    static_cast<char>(std::toupper(static_cast<unsigned char>(compact[i])));
                int d = -1;
                if (c >= '0' && c <= '9') d = c - '0';
                if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
                if (d < 0 || d >= base) break;
                v = v * base + d;
                if (v > 0xFFFFFFFFLL) break;
            }
            return static_cast<double>(v);
        }
    }
    // Longest prefix of the form [sign] digits [. digits] [(E|D) [sign] digits].
    size_t i = 0;
    std::string num;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) num += compact[i++];
    bool digits = false;
    while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
        num += compact[i++];
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        num += compact[i++];
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
            num += compact[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < compact.size() &&
        (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exp += compact[j++];
        bool expDigits = false;
        while (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j]))) {
            exp += compact[j++];
            expDigits = true;
        }
        if (expDigits) num += exp;
    }
    return ToDouble(num);
}

static std::string FormatSignificant(double x, int digits, bool decimalComma) {
    if (x == 0.0 || std::isnan(x)) return "0";
    const double ax = std::fabs(x);
    std::string s;
    if (ax >= 1e-5 && ax < std::pow(10.0, digits)) {
        // Fixed notation with the given number of significant digits, trailing zeros cut.
        const int intDigits = static_cast<int>(std::floor(std::log10(ax))) + 1;
        int decimals = digits - intDigits;
        if (decimals < 0) decimals = 0;
        s = ToChars(x, std::chars_format::fixed, decimals);
        if (s.find('.') != std::string::npos) {
            while (s.back() == '0') s.pop_back();
            if (s.back() == '.') s.pop_back();
        }
        // Rounding to the significant digits may have produced "-0".
        if (s == "-0") s = "0";
    } else {
        const std::string m = ToChars(x, std::chars_format::scientific, digits - 1);
        const size_t e = m.find('e');
        std::string mant = m.substr(0, e);
        std::string ex = m.substr(e + 1);
        if (mant.find('.') != std::string::npos) {
            while (mant.back() == '0') mant.pop_back();
            if (mant.back() == '.') mant.pop_back();
        }
        const char sign = ex[0];
        ex = ex.substr(1);
        while (ex.size() > 2 && ex[0] == '0') ex.erase(0, 1);
        s = mant + "E" + sign + ex;
    }
    if (decimalComma) {
        for (char& c : s) {
            if (c == '.') c = ',';
        }
    }
    return s;
}

double Log10(double x) {
    return std::log(x) / std::log(10.0);
}

std::string FormatTwoDigits(int16_t n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string NumText(double x, bool decimalComma) {
    return FormatSignificant(x, 15, decimalComma);
}

std::string SingleText(float x, bool decimalComma) {
    return FormatSignificant(static_cast<double>(x), 7, decimalComma);
}

bool ParseNumber(std::string_view text, bool decimalComma, double& out) {
    const char sep = DecimalSeparator(decimalComma);
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string num;
    size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) num += text[i++];
    bool digits = false;
    while (i < e && std::isdigit(static_cast<unsigned char>(text[i]))) {
        num += text[i++];
        digits = true;
    }
    if (i < e && text[i] == sep) {
        num += '.';
        ++i;
        while (i < e && std::isdigit(static_cast<unsigned char>(text[i]))) {
            num += text[i++];
            digits = true;
        }
    }
    if (!digits) return false;
    if (i < e && (text[i] == 'E' || text[i] == 'e')) {
        num += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) num += text[i++];
        bool expDigits = false;
        while (i < e && std::isdigit(static_cast<unsigned char>(text[i]))) {
            num += text[i++];
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    if (i != e) return false;
    double v = 0.0;
    const char* first = num.data();
    if (*first == '+') ++first;
    const auto r = std::from_chars(first, num.data() + num.size(), v);
    if (r.ec != std::errc()) return false;
    out = v;
    return true;
}

}  // namespace sys

#include "forms/Numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace forms {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

double roundHalfEven(double v) {
    double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
    return r;
}

std::string formatDouble(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", value);
        std::string s = buf;
        if (s == "-0") s = "0";
        return s;
    }
    // to_chars, unlike printf, writes "." whatever the C locale says.
    char buf[64];
    auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr;
    return std::string(buf, end);
}

}  // namespace

bool parseNumber(std::string_view text, double& out) {
    std::size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    while (n > i && isBlank(text[n - 1])) --n;
    if (i == n) return false;
    std::string body;
    std::size_t j = i;
    if (text[j] == '+' || text[j] == '-') body += text[j++];
    bool digits = false;
    while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) { body += text[j++]; digits = true; }
    if (j < n && text[j] == '.') {
        body += text[j++];
        while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) { body += text[j++]; digits = true; }
    }
    if (!digits) return false;
    if (j < n && (text[j] == 'e' || text[j] == 'E')) {
        body += 'e';
        ++j;
        if (j < n && (text[j] == '+' || text[j] == '-')) body += text[j++];
        bool expDigits = false;
        while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) { body += text[j++]; expDigits = true; }
        if (!expDigits) return false;
    }
    if (j != n) return false;
    // The C library reads "." as the decimal point only in the "C" locale; parse by hand instead.
    double mantissa = 0, scale = 1;
    bool neg = false, frac = false;
    long exponent = 0;
    std::size_t k = 0;
    if (body[k] == '+' || body[k] == '-') neg = body[k++] == '-';
    for (; k < body.size() && body[k] != 'e'; ++k) {
        if (body[k] == '.') { frac = true; continue; }
        mantissa = mantissa * 10 + (body[k] - '0');
        if (frac) scale *= 10;
    }
    if (k < body.size()) exponent = std::strtol(body.c_str() + k + 1, nullptr, 10);
    double v = mantissa / scale;
    if (exponent != 0) v *= std::pow(10.0, static_cast<double>(exponent));
    out = neg ? -v : v;
    return true;
}

bool isPlainDecimal(std::string_view text) {
    for (char c : text)
        if (c == 'e' || c == 'E') return false;
    double ignored;
    return parseNumber(text, ignored);
}

int16_t CInt(double value) {
    if (std::isnan(value)) throw Overflow();
    double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0) throw Overflow();
    return static_cast<int16_t>(r);
}

int16_t CInt(std::string_view text) { return CInt(Val(text)); }

int32_t CLng(double value) {
    if (std::isnan(value)) throw Overflow();
    double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0) throw Overflow();
    return static_cast<int32_t>(r);
}

int32_t CLng(std::string_view text) { return CLng(Val(text)); }

double Val(std::string_view text) {
    double v;
    if (!parseNumber(text, v)) throw TypeMismatch();
    return v;
}

double Int(double value) { return std::floor(value); }

int16_t I16(long long value) {
    if (value < -32768 || value > 32767) throw Overflow();
    return static_cast<int16_t>(value);
}

int32_t I32(long long value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) throw Overflow();
    return static_cast<int32_t>(value);
}

int16_t Saturate16(long long value) {
    return static_cast<int16_t>(std::clamp<long long>(value, std::numeric_limits<int16_t>::min(),
                                                      std::numeric_limits<int16_t>::max()));
}

int32_t Saturate32(long long value) {
    return static_cast<int32_t>(std::clamp<long long>(value, std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
}

std::string CStr(long long value) { return std::to_string(value); }
std::string CStr(double value) { return formatDouble(value); }
std::string CStr(int value) { return std::to_string(value); }
std::string CStr(int16_t value) { return std::to_string(value); }

std::string Str(long long value) { return value >= 0 ? " " + CStr(value) : CStr(value); }
std::string Str(double value) { return value >= 0 ? " " + CStr(value) : CStr(value); }
std::string Str(int value) { return Str(static_cast<long long>(value)); }
std::string Str(int16_t value) { return Str(static_cast<long long>(value)); }

std::string LTrim(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

}  // namespace forms

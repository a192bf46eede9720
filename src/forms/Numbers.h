// The number rules every screen converts with: CInt and CLng round to nearest (a half to the even
// neighbour) and refuse what does not fit, Int takes the floor, CStr writes the plain form and Str
// the signed form (a blank before a non-negative number).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace forms {

// A run-time error of the game's arithmetic or conversions: reported to the player, never a crash.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

class Overflow : public RuntimeError {
public:
    Overflow() : RuntimeError(6, "Overflow") {}
};

class TypeMismatch : public RuntimeError {
public:
    TypeMismatch() : RuntimeError(13, "Type mismatch") {}
};

// Parses a numeric text: blanks around it, an optional sign, digits, an optional "." fraction and an
// optional exponent. Returns false for anything else (an empty text included).
bool parseNumber(std::string_view text, double& out);

// Whether a text is a plain decimal number: blanks, an optional sign, digits, an optional "." fraction.
bool isPlainDecimal(std::string_view text);

int16_t CInt(double value);
int16_t CInt(std::string_view text);
int32_t CLng(double value);
int32_t CLng(std::string_view text);
double Val(std::string_view text);  // a numeric text as a number; TypeMismatch when it is not one
double Int(double value);

// A 16-bit result of game arithmetic: an Overflow when it does not fit.
int16_t I16(long long value);
int32_t I32(long long value);
// A result held at the ends of the 16-bit (32-bit) range instead: for a figure that only ever moves by
// a few steps, which can stand at the very end of its range only when a saved game put it there.
int16_t Saturate16(long long value);
int32_t Saturate32(long long value);

std::string CStr(long long value);
std::string CStr(double value);
std::string CStr(int value);
std::string CStr(int16_t value);
std::string Str(long long value);
std::string Str(double value);
std::string Str(int value);
std::string Str(int16_t value);

// Trims blanks like the toolkit's Trim, LTrim and RTrim.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

}  // namespace forms

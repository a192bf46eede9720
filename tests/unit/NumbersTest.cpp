// The number rules and the random generator every screen relies on.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "forms/Numbers.h"
#include "forms/Random.h"

using namespace forms;

namespace {

// Switches the C locale to one that writes a comma for the decimal point, and back again.
class CommaLocale {
public:
    CommaLocale() {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                active_ = true;
                break;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace

TEST(NumbersCInt, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(CInt(4.5), 4);
    EXPECT_EQ(CInt(5.5), 6);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(4.4999), 4);
    EXPECT_EQ(CInt(4.5001), 5);
    EXPECT_EQ(CInt(-0.4), 0);
}

TEST(NumbersCInt, ReadsNumericText) {
    EXPECT_EQ(CInt(" 35"), 35);
    EXPECT_EQ(CInt("35"), 35);
    EXPECT_EQ(CInt("-5"), -5);
    EXPECT_EQ(CInt("+7"), 7);
    EXPECT_EQ(CInt("\t12"), 12);
    EXPECT_EQ(CInt("2.5"), 2);
    EXPECT_EQ(CInt("3.5"), 4);
    EXPECT_EQ(CInt(".5"), 0);
    EXPECT_EQ(CInt("1.5e1"), 15);
}

TEST(NumbersCInt, RefusesWhatDoesNotFitIn16Bits) {
    EXPECT_EQ(CInt(32767.0), 32767);
    EXPECT_EQ(CInt(-32768.0), -32768);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);  // the even neighbour is still in range
    EXPECT_THROW(CInt(32767.5), Overflow);
    EXPECT_THROW(CInt(32768.0), Overflow);
    EXPECT_THROW(CInt(-32769.0), Overflow);
    EXPECT_THROW(CInt("40000"), Overflow);
    EXPECT_THROW(CInt(std::numeric_limits<double>::infinity()), Overflow);
    EXPECT_THROW(CInt(std::nan("")), Overflow);
    EXPECT_THROW(CInt("1e400"), Overflow);
}

TEST(NumbersCInt, RefusesTextThatIsNotANumber) {
    for (const char* text : {"", "   ", "abc", "12abc", "1 2", ".", "-", "1e", "1,5", "0x10"})
        EXPECT_THROW(CInt(text), TypeMismatch) << '"' << text << '"';
}

TEST(NumbersCInt, ErrorsCarryTheirRunTimeCodes) {
    try {
        CInt(99999.0);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), 6);
    }
    try {
        CInt("x");
        FAIL() << "no type mismatch";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), 13);
    }
}

TEST(NumbersLocale, DotIsTheDecimalPointWhateverTheLocale) {
    CommaLocale locale;
    // scripts/setup makes the locale; a machine without it must not pass this rule unchecked.
    ASSERT_TRUE(locale.active()) << "no de_DE locale: scripts/setup makes it";
    EXPECT_EQ(CInt("2.5"), 2);
    EXPECT_EQ(CInt("35.6"), 36);
    EXPECT_EQ(CLng("100000.5"), 100000);
    EXPECT_DOUBLE_EQ(Val("0.25"), 0.25);
    EXPECT_THROW(CInt("2,5"), TypeMismatch);
    EXPECT_EQ(Str(262.0 / 5 + 4), " 56.4");
    EXPECT_EQ(CStr(2.5), "2.5");
}

TEST(NumbersCLng, Rounds32BitsTheSameWay) {
    EXPECT_EQ(CLng(4.5), 4);
    EXPECT_EQ(CLng(5.5), 6);
    EXPECT_EQ(CLng(-2.5), -2);
    EXPECT_EQ(CLng(" 70000"), 70000);
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(CLng(2147483647.5), Overflow);
    EXPECT_THROW(CLng(-2147483649.0), Overflow);
    EXPECT_THROW(CLng(""), TypeMismatch);
    EXPECT_THROW(CLng("many"), TypeMismatch);
}

TEST(NumbersInt, TakesTheFloor) {
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(-0.1), -1);
    EXPECT_EQ(Int(7.0), 7);
}

TEST(NumbersI16, RefusesResultsOutsideSixteenBits) {
    EXPECT_EQ(I16(32767), 32767);
    EXPECT_EQ(I16(-32768), -32768);
    EXPECT_THROW(I16(32768), Overflow);
    EXPECT_THROW(I16(-32769), Overflow);
    EXPECT_EQ(I32(2147483647LL), 2147483647);
    EXPECT_THROW(I32(2147483648LL), Overflow);
}

TEST(NumbersText, CStrWritesThePlainForm) {
    EXPECT_EQ(CStr(35), "35");
    EXPECT_EQ(CStr(-5), "-5");
    EXPECT_EQ(CStr(int16_t{0}), "0");
    EXPECT_EQ(CStr(2.5), "2.5");
    EXPECT_EQ(CStr(3.0), "3");
    EXPECT_EQ(CStr(-0.0), "0");
    EXPECT_EQ(CStr(1234567.0), "1234567");
}

TEST(NumbersText, StrPutsABlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(Str(35), " 35");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(int16_t{-1}), "-1");
    EXPECT_EQ(Str(35LL), " 35");
    EXPECT_EQ(Str(0.0), " 0");
    EXPECT_EQ(Str(-0.0), " 0");
}

TEST(NumbersText, FractionsShowNoBinaryNoise) {
    EXPECT_EQ(Str(262.0 / 5 + 4), " 56.4");
    EXPECT_EQ(Str(0.4), " 0.4");
    EXPECT_EQ(Str(-0.4), "-0.4");
    EXPECT_EQ(Str(0.1 + 0.2), " 0.3");
    EXPECT_EQ(CStr(1.0 / 3), "0.333333333333333");  // 15 significant digits
    EXPECT_EQ(CStr(2.0 / 3), "0.666666666666667");
}

TEST(NumbersText, TrimRemovesBlanksOnTheRightSides) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(Str(35)), "35");
}

TEST(NumbersText, PlainDecimalsHaveNoExponent) {
    EXPECT_TRUE(isPlainDecimal(" -12.5 "));
    EXPECT_FALSE(isPlainDecimal("1e3"));
    EXPECT_FALSE(isPlainDecimal(""));
    EXPECT_FALSE(isPlainDecimal("12a"));
}

TEST(RandomDraws, AnUnseededGeneratorDrawsTheSameSequence) {
    Random rnd;
    EXPECT_EQ(rnd.next(), 0.7055475115776062);
    EXPECT_EQ(rnd.next(), 0.5334240198135376);
    EXPECT_EQ(rnd.next(), 0.5795186161994934);
}

TEST(RandomDraws, RestartAndStateReplayTheSequence) {
    Random a;
    a.next();
    uint32_t mid = a.state();
    double second = a.next();
    double third = a.next();

    Random b;
    b.setState(mid);
    EXPECT_EQ(b.next(), second);
    EXPECT_EQ(b.next(), third);

    a.restart();
    EXPECT_EQ(a.next(), 0.7055475115776062);
}

TEST(RandomDraws, ChooseIsOnePlusTheWholePartOfNTimesADraw) {
    Random rnd;
    EXPECT_EQ(rnd.choose(10), 8);   // 10 * 0.7055... = 7.05
    EXPECT_EQ(rnd.choose(10), 6);   // 10 * 0.5334... = 5.33
    EXPECT_EQ(rnd.choose(100), 58); // 100 * 0.5795... = 57.95
    Random many;
    for (int i = 0; i < 1000; ++i) {
        int k = many.choose(6);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 6);
    }
}

#include "editor/EditorRules.h"

#include <algorithm>
#include <cctype>

#include "forms/Form.h"
#include "forms/Numbers.h"
#include "game/ScreenNames.h"

namespace varnholt {

namespace {

struct NumberBox {
    const std::string WrestlerFields::*text;
    const char* caption;
    int maximum;  // -1: no range of its own
};

const NumberBox NumberBoxes[] = {
    {&WrestlerFields::brawling, "Brawling", StatMaximum},
    {&WrestlerFields::technical, "Technical", StatMaximum},
    {&WrestlerFields::speed, "Speed", StatMaximum},
    {&WrestlerFields::over, "Over", StatMaximum},
    {&WrestlerFields::wage, "Wage (per show)", -1},
    {&WrestlerFields::polaroid, "Polaroid %", PolaroidMaximum},
};

double numberOf(const std::string& text) {
    double value = 0;
    forms::parseNumber(text, value);
    return value;
}

int16_t rounded(const std::string& text) { return forms::CInt(numberOf(text)); }

}  // namespace

WrestlerFields FieldsOf(forms::Form& form) {
    using Card = screens::WrestlerCard;
    auto text = [&form](const char* box) { return form.c(box).text(); };
    return WrestlerFields{
        .name = text(Card::NameBox),
        .brawling = text(Card::BrawlingBox),
        .technical = text(Card::TechnicalBox),
        .speed = text(Card::SpeedBox),
        .over = text(Card::OverBox),
        .wage = text(Card::WageBox),
        .alignment = text(Card::AlignmentBox),
        .birthPlace = text(Card::BirthPlaceBox),
        .biography = text(Card::BiographyBox),
        .polaroid = text(Card::PolaroidBox),
    };
}

FieldCheckResult WrestlerFieldCheck(const WrestlerFields& f) {
    for (const std::string* box : {&f.name, &f.brawling, &f.technical, &f.speed, &f.over, &f.wage, &f.alignment,
                                   &f.birthPlace, &f.biography, &f.polaroid})
        if (box->empty()) return {FieldProblem::Invalid, {}};

    for (const NumberBox& box : NumberBoxes)
        if (!forms::isPlainDecimal(f.*box.text)) return {FieldProblem::NotANumber, box.caption};

    for (const NumberBox& box : NumberBoxes) {
        if (box.maximum < 0) continue;
        const double value = numberOf(f.*box.text);
        if (value < 0 || value > box.maximum) return {FieldProblem::Invalid, {}};
    }

    try {
        rounded(f.wage);
    } catch (const forms::Overflow&) {
        return {FieldProblem::WageTooLarge, "Wage (per show)"};
    }
    return {};
}

std::string RefusalText(const FieldCheckResult& result, std::string_view invalidText) {
    switch (result.problem) {
        case FieldProblem::NotANumber:
            return "The " + result.box + " box must hold a number. Changes have not been saved.";
        case FieldProblem::WageTooLarge:
            return "The " + result.box + " box must hold a number from -32768 to 32767. Changes have not been saved.";
        default:
            return std::string(invalidText);
    }
}

void FieldsIntoRecord(const WrestlerFields& f, WrestlerRecord& r) {
    r.Name = fitText(f.name, NameWidth);
    r.Brawling = rounded(f.brawling);
    r.Technical = rounded(f.technical);
    r.Speed = rounded(f.speed);
    r.Over = rounded(f.over);
    r.Wage = rounded(f.wage);
    r.Alignment = fitText(f.alignment, AlignmentWidth);
    r.BirthPlace = fitText(f.birthPlace, BirthPlaceWidth);
    r.Biography = fitText(f.biography, BiographyWidth);
    r.PolaroidPercent = rounded(f.polaroid);
}

bool ListOrderLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace varnholt

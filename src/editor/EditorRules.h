// The rules of the wrestler editor and its add dialog: which typed wrestlers may be saved, how the ten
// boxes become a record, and the order of the editor's name list.
#pragma once

#include <string>
#include <string_view>

#include "wrestlers/WrestlerRecord.h"

namespace forms {
class Form;
}

namespace varnholt {

constexpr int StatMaximum = 20;
constexpr int PolaroidMaximum = 100;

// The texts of the ten boxes of a wrestler card, as typed.
struct WrestlerFields {
    std::string name, brawling, technical, speed, over, wage, alignment, birthPlace, biography, polaroid;
};

// The texts of the card boxes (screens::WrestlerCard) of a screen.
WrestlerFields FieldsOf(forms::Form& form);

enum class FieldProblem {
    None,
    Invalid,       // an empty box, or a stat or polaroid share out of its range
    NotANumber,    // a number box holding something else
    WageTooLarge,  // a wage that does not fit the record once rounded
};

struct FieldCheckResult {
    FieldProblem problem = FieldProblem::None;
    std::string box;  // the caption of the box at fault, for the last two problems
    bool ok() const { return problem == FieldProblem::None; }
};

// The check a wrestler passes before he is saved. Every box must hold something (a text of blanks does),
// checked Name, Brawling, Technical, Speed, Over, Wage, Alignment, Place of Birth, Biography, Polaroid %;
// the six number boxes must hold decimal numbers; Brawling, Technical, Speed and Over must be 0..20 and
// Polaroid % 0..100 as typed, before rounding; and the wage must fit a 16-bit number once rounded.
FieldCheckResult WrestlerFieldCheck(const WrestlerFields& fields);

// The message a refused save shows; `invalidText` is the screen's own words for an invalid wrestler.
std::string RefusalText(const FieldCheckResult& result, std::string_view invalidText);

// Sets the record's ten fields (not its Id) from boxes that passed the check: texts cut or padded to
// their widths, numbers rounded to the nearest whole number, a half to the even one.
void FieldsIntoRecord(const WrestlerFields& fields, WrestlerRecord& record);

// The order of the editor's name list: alphabetical, upper and lower case alike.
bool ListOrderLess(std::string_view a, std::string_view b);

}  // namespace varnholt

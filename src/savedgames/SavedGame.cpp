#include "savedgames/SavedGame.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <tuple>
#include <vector>

#include "forms/Cp1252.h"
#include "forms/Files.h"
#include "forms/Numbers.h"
#include "game/Game.h"
#include "game/ScreenNames.h"
#include "shell/FederationScreens.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt {

namespace fs = std::filesystem;

namespace {

// The number a control's name ends in: 28 for "Label28".
int nameNumber(std::string_view name) {
    int n = 0;
    for (char ch : name.substr(name.find_first_of("0123456789"))) n = n * 10 + (ch - '0');
    return n;
}

// Every cell of the finance sheet, in the order of the numbers of the labels that show them: the order the
// saved game keeps them in, on lines 84 to 135.
static_assert(FinanceRowCount * std::tuple_size_v<decltype(FinanceRowDef::cells)> == 135 - 83);
std::vector<const char*> financeCellsInLabelOrder() {
    std::vector<const char*> cells;
    for (const auto& row : FinanceRows) cells.insert(cells.end(), row.cells.begin(), row.cells.end());
    std::sort(cells.begin(), cells.end(), [](const char* a, const char* b) { return nameNumber(a) < nameNumber(b); });
    return cells;
}

std::array<SavedField, SavedGameTextLines> buildFields() {
    std::array<SavedField, SavedGameTextLines> f{};
    using Hub = screens::FederationHub;
    using Champions = screens::ChampionsScreen;
    using Staff = screens::StaffScreen;
    using Sponsor = screens::SponsorScreen;
    constexpr const char* hubText[] = {Hub::PlayerName, Hub::FederationName, Hub::FederationInitials, Hub::DayName,
                                       Hub::WeekLabel,  Hub::Year,           Hub::PopularityText,     Hub::MoneyText};
    // The control names Text1..Text45, spelled out once.
    constexpr const char* text[] = {
        "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",
        "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
        "Text19", "Text20", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26", "Text27",
        "Text28", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35", "Text36",
        "Text37", "Text38", "Text39", "Text40", "Text41", "Text42", "Text43", "Text44", "Text45"};
    std::size_t k = 0;
    for (const char* c : hubText) f[k++] = {Hub::Role, c};                                       // 1..8
    f[k++] = {screens::NotesPad::Role, screens::NotesPad::Notes};                                // 9
    for (int i = 0; i < 45; ++i) f[k++] = {Champions::Role, text[i]};                            // 10..54
    for (const char* c : {Staff::RefereeTitle, Staff::AnnouncerTitle, Staff::RefereeNameText, Staff::MCNameText,
                          Staff::MCSkillText, Staff::RefereeSkillText, Staff::RefereeWageText, Staff::MCWageText})
        f[k++] = {Staff::Role, c};                                                               // 55..62
    for (int i = 0; i < 18; ++i) f[k++] = {screens::FederationInfoScreen::Role, text[i]};        // 63..80
    for (const char* c : {Sponsor::SponsorText, Sponsor::SponsorAmountText, Sponsor::SloganText})
        f[k++] = {Sponsor::Role, c};                                                             // 81..83
    for (const char* c : financeCellsInLabelOrder())
        f[k++] = {screens::FinanceScreen::Role, c, SavedReading::Number32};                     // 84..135
    f[k++] = {Hub::Role, Hub::TvDealStreakStore, SavedReading::IntegerLine};                     // 136
    for (const char* c : {Champions::PrimaryTitle, Champions::TagTeamTitle, Champions::SecondaryTitle,
                          Champions::TertiaryTitle})
        f[k++] = {Champions::Role, c};                                                           // 137..140
    f[k++] = {Hub::Role, Hub::ShowMode};                                                         // 141

    // The texts the game reads back as numbers: the year turns over at week 52, the popularity and the
    // money are settled after every show, and a show night pays the staff and the sponsor from their boxes.
    auto readAs = [&f](std::string_view screen, std::string_view control, SavedReading reading) {
        for (auto& field : f)
            if (screen == field.screen && control == field.control) field.reading = reading;
    };
    readAs(Hub::Role, Hub::Year, SavedReading::Number32);
    readAs(Hub::Role, Hub::PopularityText, SavedReading::Number16);
    readAs(Hub::Role, Hub::MoneyText, SavedReading::Number32);
    for (const char* c : {Staff::MCSkillText, Staff::RefereeSkillText, Staff::RefereeWageText, Staff::MCWageText})
        readAs(Staff::Role, c, SavedReading::Number16);
    readAs(Sponsor::Role, Sponsor::SponsorAmountText, SavedReading::Number16);
    return f;
}

template <class T>
std::optional<T> convert(std::string_view line, T (*rule)(std::string_view)) {
    if (forms::Trim(line).empty()) return T{0};
    try {
        return rule(line);
    } catch (const forms::RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

const std::array<SavedField, SavedGameTextLines> SavedGameFields = buildFields();

std::string EncodeSavedValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        char ch = value[i];
        if (ch == '\r') {
            if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += SavedLineBreak;
        } else if (ch == '\n') {
            out += SavedLineBreak;
        } else {
            out += ch;
        }
    }
    return out;
}

std::string DecodeSavedValue(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (char ch : stored) {
        if (ch == SavedLineBreak)
            out += "\r\n";
        else
            out += ch;
    }
    return out;
}

std::string SavedIntegerLine(long long value) { return forms::Str(value); }

std::optional<int16_t> SavedInteger16(std::string_view line) {
    return convert<int16_t>(line, [](std::string_view t) { return forms::CInt(t); });
}

std::optional<int32_t> SavedInteger32(std::string_view line) {
    return convert<int32_t>(line, [](std::string_view t) { return forms::CLng(t); });
}

namespace {

// A value as its line stores it, and the value that a line reads back as.
std::string storedLine(std::string_view value) { return forms::utf8ToCp1252(EncodeSavedValue(value)); }
std::string valueOfLine(std::string_view line) { return DecodeSavedValue(forms::cp1252ToUtf8(line)); }

}  // namespace

std::string SavedGameFileBytes(const std::vector<std::string>& values) {
    std::string bytes;
    for (const auto& v : values) bytes += storedLine(v) + "\r\n";
    return bytes;
}

bool WriteSavedGameFile(const fs::path& path, const std::vector<std::string>& values) {
    if (values.size() != static_cast<std::size_t>(SavedGameLineCount)) return false;
    return forms::replaceWithBytes(path, SavedGameFileBytes(values));
}

SavedGameRead ReadSavedGameFile(const fs::path& path, std::vector<std::string>& values) {
    values.clear();
    if (!forms::fileExists(path)) return SavedGameRead::Missing;
    std::ifstream in(path, std::ios::binary);
    if (!in) return SavedGameRead::Missing;
    std::string line;
    while (values.size() < static_cast<std::size_t>(SavedGameLineCount) && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        values.push_back(valueOfLine(line));
    }
    if (values.size() < static_cast<std::size_t>(SavedGameLineCount)) {
        values.clear();
        return SavedGameRead::Short;
    }
    return SavedGameRead::Complete;
}

bool SavedValuesUsable(const std::vector<std::string>& values) {
    if (values.size() < static_cast<std::size_t>(SavedGameLineCount)) return false;
    auto readable = [](SavedReading reading, const std::string& text) {
        try {
            switch (reading) {
                case SavedReading::Text: return true;
                case SavedReading::Number16: forms::CInt(text); return true;
                case SavedReading::Number32: forms::CLng(text); return true;
                case SavedReading::IntegerLine: return SavedInteger16(text).has_value();
            }
        } catch (const forms::RuntimeError&) {
        }
        return false;
    };
    for (std::size_t k = 0; k < SavedGameFields.size(); ++k)
        if (!readable(SavedGameFields[k].reading, values[k])) return false;
    for (int line = PopularityLine; line <= SavedGameLineCount; ++line) {
        const std::string& text = values[static_cast<std::size_t>(line - 1)];
        if (!(line == MoneyLine ? SavedInteger32(text).has_value() : SavedInteger16(text).has_value())) return false;
    }
    return true;
}

bool SavedValuesLoadBack(const std::vector<std::string>& values) {
    if (values.size() != static_cast<std::size_t>(SavedGameLineCount)) return false;
    std::vector<std::string> readBack;
    readBack.reserve(values.size());
    for (const auto& v : values) readBack.push_back(valueOfLine(storedLine(v)));
    return SavedValuesUsable(readBack);
}

SavedGameCheck CheckSavedGame(const fs::path& file, const std::vector<fs::path>& recordFiles,
                              std::vector<std::string>& values) {
    values.clear();
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec))) return SavedGameCheck::Empty;
    auto whole = [](const fs::path& records) {
        std::error_code failed;
        if (!fs::is_regular_file(records, failed)) return false;
        const auto length = fs::file_size(records, failed);
        return !failed && length % RecordLength == 0;
    };
    const bool usable = ReadSavedGameFile(file, values) == SavedGameRead::Complete && SavedValuesUsable(values) &&
                        std::all_of(recordFiles.begin(), recordFiles.end(), whole);
    if (usable) return SavedGameCheck::Usable;
    values.clear();
    return SavedGameCheck::Damaged;
}

std::vector<std::string> CollectSavedGame(Game& game) {
    std::vector<std::string> values;
    values.reserve(SavedGameLineCount);
    for (const auto& f : SavedGameFields)
        values.push_back(game.form(f.screen).c(f.control).text());
    values.push_back(SavedIntegerLine(game.Popularity));
    values.push_back(SavedIntegerLine(game.Money));
    for (int slot : SavedRivalSlots)
        values.push_back(SavedIntegerLine(game.RivalPopularity[static_cast<std::size_t>(slot - 1)]));
    return values;
}

namespace {

// The figures a show night pays, taken from the boxes they show in; a box that holds no number leaves
// its figure as it was.
void RefreshStaffAndSponsorFigures(Game& game) {
    using Staff = screens::StaffScreen;
    using Sponsor = screens::SponsorScreen;
    auto take = [&game](const char* screen, const char* control, int16_t& figure) {
        if (auto v = SavedInteger16(game.form(screen).c(control).text())) figure = *v;
    };
    take(Staff::Role, Staff::RefereeSkillText, game.RefereeSkill);
    take(Staff::Role, Staff::RefereeWageText, game.RefereeWage);
    take(Staff::Role, Staff::MCSkillText, game.MCSkill);
    take(Staff::Role, Staff::MCWageText, game.MCWage);
    take(Sponsor::Role, Sponsor::SponsorAmountText, game.SponsorAmount);
}

}  // namespace

bool ApplySavedGame(Game& game, const std::vector<std::string>& values) {
    if (values.size() < static_cast<std::size_t>(SavedGameLineCount)) return false;
    for (std::size_t k = 0; k < SavedGameFields.size(); ++k) {
        const auto& f = SavedGameFields[k];
        forms::Control& field = game.form(f.screen).c(f.control);
        if (k + 1 == static_cast<std::size_t>(ShowModeLine)) {
            // A mode the list does not offer would leave the federation in no mode at all: keep the one
            // selected.
            const auto& items = field.items();
            if (std::find(items.begin(), items.end(), values[k]) == items.end()) continue;
        }
        field.setText(values[k]);
    }
    RefreshStaffAndSponsorFigures(game);

    auto at = [&values](int line) -> const std::string& { return values[static_cast<std::size_t>(line - 1)]; };
    auto popularity = SavedInteger16(at(PopularityLine));
    if (!popularity) return false;
    game.Popularity = *popularity;
    auto money = SavedInteger32(at(MoneyLine));
    if (!money) return false;
    game.Money = *money;
    for (std::size_t i = 0; i < SavedRivalSlots.size(); ++i) {
        auto rival = SavedInteger16(at(FirstRivalLine + static_cast<int>(i)));
        if (!rival) return false;
        game.RivalPopularity[static_cast<std::size_t>(SavedRivalSlots[i] - 1)] = *rival;
    }
    auto streak = SavedInteger16(at(TvDealStreakLine));
    if (!streak) return false;
    game.TvDealStreak = *streak;
    return true;
}

}  // namespace varnholt

// What a game keeps, field by field, to compare before and after a gesture: the values kept outside the
// screens that the player's actions move, the fields of the screens that hold the game and the night, the
// record files and the save slots. The text of one box may be left out: the box a key typed into.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <QWidget>

#include "game/Game.h"
#include "game/ScreenNames.h"
#include "qt/QtView.h"

// Each field the game keeps, by name ("Money", "FederationHub.Text3", "file wrestlers.dat"), with its value.
using KeptFields = std::vector<std::pair<std::string, std::string>>;

inline KeptFields keptFields(varnholt::Game& game, const varnholt::QtView& view, const std::filesystem::path& folder,
                             const QWidget* typedInto = nullptr) {
    namespace screens = varnholt::screens;
    KeptFields kept;
    for (const char* g : {"Popularity", "Money", "RefereeSkill", "MCSkill", "SponsorAmount", "MatchCounter",
                          "EditMode", "WrestlerCount", "RosterCount", "NoShowDays", "FeudHeat(1)"})
        kept.emplace_back(g, game.global(g).value_or("?"));
    for (const char* keeping :
         {screens::FederationHub::Name, screens::ChampionsScreen::Name, screens::StaffScreen::Name,
          screens::SponsorScreen::Name, screens::FeudScreen::Name, screens::FederationInfoScreen::Name,
          screens::FinanceScreen::Name, screens::NotesPad::Name, screens::SinglesMatchScreen::Name,
          screens::TagMatchScreen::Name, screens::TripleThreatMatchScreen::Name, screens::FourWayMatchScreen::Name}) {
        forms::Form* f = game.loaded(keeping);
        if (!f) continue;
        for (const auto& c : f->controls()) {
            std::string value = std::string(c->enabled() ? "enabled" : "disabled") + (c->visible() ? " shown" : " hidden") +
                                (c->locked() ? " locked" : "") + " row " + std::to_string(c->listIndex());
            if (!typedInto || view.widget(*c) != typedInto) value += " \"" + c->text() + "\"";
            kept.emplace_back(f->role() + "." + c->key(), std::move(value));
        }
    }
    for (const char* file : {"wrestlers.dat", "promotion.dat", "data/wrestlers.dat"}) {
        std::ifstream in(folder / file, std::ios::binary);
        kept.emplace_back(std::string("file ") + file,
                          std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    std::string saves;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder / "saves"))
        saves += e.path().lexically_relative(folder).string() + " ";
    kept.emplace_back("save slots", saves);
    return kept;
}

// The whole of it as one text, for comparing by equality.
inline std::string keptState(varnholt::Game& game, const varnholt::QtView& view, const std::filesystem::path& folder,
                             const QWidget* typedInto = nullptr) {
    std::string out;
    for (const auto& [name, value] : keptFields(game, view, folder, typedInto)) out += name + "=" + value + "\n";
    return out;
}

// The first field that differs between two takes, with what it was and what it is; empty when none does.
inline std::string keptChange(const KeptFields& before, const KeptFields& after) {
    auto shown = [](const std::string& name, const std::string& value) {
        if (name.rfind("file ", 0) == 0) return std::to_string(value.size()) + " bytes";
        return value.size() > 120 ? value.substr(0, 120) + "..." : value;
    };
    const std::map<std::string, std::string> was(before.begin(), before.end());
    const std::map<std::string, std::string> is(after.begin(), after.end());
    for (const auto& [name, value] : after) {
        auto old = was.find(name);
        if (old == was.end()) return name + ": was not there, is " + shown(name, value);
        if (old->second == value) continue;
        std::string change = name + ": was " + shown(name, old->second) + ", is " + shown(name, value);
        if (name.rfind("file ", 0) == 0) {
            const auto at = std::mismatch(value.begin(), value.end(), old->second.begin(), old->second.end()).first;
            change += ", first different at byte " + std::to_string(at - value.begin());
        }
        return change;
    }
    for (const auto& [name, value] : before)
        if (!is.count(name)) return name + ": was " + shown(name, value) + ", is not there";
    return {};
}

// What a gesture that only opens a screen lost: the first field kept before that differs or has gone since. A
// screen loaded by the gesture starts from its design values, and reads the record counts afresh from the
// files; the editor's mode only says which way its card dialog opens. None of these is lost.
inline std::string keptLoss(KeptFields before, KeptFields after) {
    auto mode = [](const auto& field) {
        return field.first == "EditMode" || field.first == "WrestlerCount" || field.first == "RosterCount";
    };
    std::erase_if(before, mode);
    const std::map<std::string, std::string> was(before.begin(), before.end());
    std::erase_if(after, [&](const auto& field) { return !was.count(field.first) || mode(field); });
    return keptChange(before, after);
}

// What a game keeps, as text to compare before and after a gesture: the values kept outside the screens
// that the player's actions move, the fields of the screens that hold the game and the night, the record
// files and the save slots. The text of one box may be left out: the box a key typed into.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <QWidget>

#include "game/Game.h"
#include "game/ScreenNames.h"
#include "qt/QtView.h"

inline std::string keptState(varnholt::Game& game, const varnholt::QtView& view, const std::filesystem::path& folder,
                             const QWidget* typedInto = nullptr) {
    namespace screens = varnholt::screens;
    std::ostringstream out;
    for (const char* g : {"Popularity", "Money", "RefereeSkill", "MCSkill", "SponsorAmount", "MatchCounter",
                          "EditMode", "WrestlerCount", "RosterCount", "NoShowDays", "FeudHeat(1)"})
        out << g << "=" << game.global(g).value_or("?") << "\n";
    for (const char* keeping :
         {screens::FederationHub::Name, screens::ChampionsScreen::Name, screens::StaffScreen::Name,
          screens::SponsorScreen::Name, screens::FeudScreen::Name, screens::FederationInfoScreen::Name,
          screens::FinanceScreen::Name, screens::NotesPad::Name, screens::SinglesMatchScreen::Name,
          screens::TagMatchScreen::Name, screens::TripleThreatMatchScreen::Name, screens::FourWayMatchScreen::Name}) {
        forms::Form* f = game.loaded(keeping);
        if (!f) continue;
        out << f->name() << "\n";
        for (const auto& c : f->controls()) {
            out << c->key() << " " << c->enabled() << c->visible() << c->locked() << " " << c->listIndex();
            if (!typedInto || view.widget(*c) != typedInto) out << " " << c->text();
            out << "\n";
        }
    }
    for (const char* file : {"wrestlers.dat", "promotion.dat", "data/wrestlers.dat"}) {
        std::ifstream in(folder / file, std::ios::binary);
        out << file << " " << std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) << "\n";
    }
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder / "saves")) out << e.path() << "\n";
    return out.str();
}

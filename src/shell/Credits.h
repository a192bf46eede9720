// The people behind the game, as the disclaimer, the main menu and the credits screen show them.
#pragma once

#include <array>

namespace varnholt::credits {

inline constexpr const char* Author = "Tomas Ashcombe";
inline constexpr const char* AuthorCapitals = "TOMAS ASHCOMBE";
inline constexpr const char* WebAddress = "varnholt.example.org";

inline constexpr std::array<const char*, 8> Statisticians = {
    "Helen Marrick", "Owain Prysor", "Callum Dreever", "Isla Fennimore",
    "Ruairi Calloway", "Bethan Skellow", "Angus Whitlaw", "Niamh Tarrant"};

inline constexpr std::array<const char*, 15> Players = {
    "Declan Moorcroft", "Sian Pellow", "Robbie Farquar", "Kerys Lambden", "Fergus Ollerton",
    "Tamsin Blakeway", "Euan Cardle", "Morwenna Hask", "Jory Pennock", "Lachlan Stroud",
    "Ffion Garrow", "Barnaby Quiller", "Orla Dunmere", "Hamish Tolland", "Cerys Maddox"};

inline constexpr std::array<const char*, 3> Testers = {"Gideon Ashwell", "Rhona Pilbeam", "Tobias Kerrow"};

inline constexpr std::array<const char*, 2> SpecialThanks = {"Wynne Halloran", "Marnie Castlow"};

}  // namespace varnholt::credits

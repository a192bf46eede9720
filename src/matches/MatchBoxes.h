// The boxes of the match screens by name: every match screen has these at its own place, and the shared
// match screen, the night's steps and the layout all call them by these names. A match screen's class
// takes them over (`c(Referee)`); other code writes `MatchBoxes::Referee`. The boxes only one match type
// has (its name prompts, its "Next match", the competitors' names over the results) are named in its
// row of MatchTypes.cpp.
#pragma once

#include <array>
#include <string>

namespace varnholt {

struct MatchBoxes {
    // --- the booking column, top to bottom -----------------------------------------------------------
    static constexpr const char* MatchTypePrompt = "Label1";
    static constexpr const char* MatchTypeList = "List1";
    static constexpr const char* StipulationPrompt = "Label14";
    static constexpr const char* StipulationList = "List2";
    static constexpr const char* ChampionshipPrompt = "Label15";
    static constexpr const char* ChampionshipList = "List3";
    // The wrestlers' names in slot order, and the buttons that make the slot's wrestler the winner.
    static constexpr std::array<const char*, 4> NameBoxes = {"Text5", "Text6", "Text21", "Text22"};
    static constexpr const char* WinnerPrompt = "Label18";
    static constexpr std::array<const char*, 4> WinnerButtons = {"Command1", "Command2", "Command5", "Command7"};
    static constexpr const char* RandomWinnerButton = "Command4";  // "R", where the winner may be drawn
    static constexpr const char* Roster = "lstData";
    static constexpr const char* MatchButton = "Command3";  // "Match", after the fifth match EndNight
    static constexpr const char* EndNight = "End night";
    static constexpr const char* NotesButton = "Command6";

    // Each slot's stats, kept out of sight in a box per stat and slot: SlotBox(SlotOver, 2) is "wov2".
    static constexpr const char* SlotBrawling = "wbr";
    static constexpr const char* SlotTechnical = "wte";
    static constexpr const char* SlotSpeed = "wsp";
    static constexpr const char* SlotOver = "wov";
    static constexpr const char* SlotWage = "wwa";
    static constexpr std::array<const char*, 5> SlotStatBoxes = {SlotBrawling, SlotTechnical, SlotSpeed, SlotOver,
                                                                 SlotWage};
    static std::string SlotBox(const char* stat, int slot) { return stat + std::to_string(slot); }

    // --- the results, in the right half ----------------------------------------------------------------
    static constexpr const char* RefereeCaption = "Label13";
    static constexpr const char* Referee = "Text18";
    static constexpr const char* VersusLabel = "Label12";  // "VS" between the competitors' names
    static constexpr const char* MatchTypeCaption = "Label2";
    static constexpr const char* MatchTypeShown = "Text1";
    static constexpr const char* StipulationCaption = "Label3";
    static constexpr const char* StipulationShown = "Text2";
    static constexpr const char* RatingCaption = "Label4";
    static constexpr const char* Rating = "Text8";
    static constexpr const char* RatingWordBox = "Text7";
    static constexpr const char* Commentary = "Text4";
    static constexpr const char* WinnerCaption = "Label8";
    static constexpr const char* Winner = "Text15";
    static constexpr const char* Partner = "Text23";  // the winner's partner, where the type has a partner box
    static constexpr const char* Bar = "Shape1";      // between the halves

    // --- the night summary, across the bottom left ---------------------------------------------------
    static constexpr const char* AttendanceCaption = "Label11";
    static constexpr const char* Attendance = "Text17";
    static constexpr const char* Capacity = "Text19";
    static constexpr const char* ShowCostCaption = "Label9";
    static constexpr const char* ShowCost = "Text16";
    static constexpr const char* MatchRatingsCaption = "Label7";
    static constexpr std::array<const char*, 5> MatchRatings = {"Text9", "Text10", "Text11", "Text12", "Text13"};
    static constexpr const char* HiddenZero = "Label10";  // "0", never shown; it travels with the night
    static constexpr const char* RatingTotalCaption = "Label6";
    static constexpr const char* RatingTotal = "Text3";
    static constexpr const char* NightRatingCaption = "Label5";
    static constexpr const char* NightRating = "Text14";
    static constexpr const char* PolaroidMoney = "Text20";  // the singles screen's: the night's polaroid money

    // --- the groups the steps of a match open and shut together ---------------------------------------
    // The results of a match, and their captions with the referee's.
    static constexpr std::array<const char*, 6> ResultBoxes = {MatchTypeShown, StipulationShown, RatingWordBox,
                                                               Rating,         Winner,           Commentary};
    static constexpr std::array<const char*, 5> ResultCaptions = {MatchTypeCaption, StipulationCaption, RatingCaption,
                                                                  WinnerCaption, RefereeCaption};
    // The night summary, opened after the fifth match.
    static constexpr std::array<const char*, 5> SummaryCaptions = {AttendanceCaption, NightRatingCaption,
                                                                   RatingTotalCaption, MatchRatingsCaption,
                                                                   ShowCostCaption};
    static constexpr std::array<const char*, 10> SummaryBoxes = {
        Attendance,      Capacity,        MatchRatings[0], MatchRatings[1], MatchRatings[2],
        MatchRatings[3], MatchRatings[4], NightRating,     ShowCost,        RatingTotal};
    // What the night carries from one match screen to another: the captions of the results and the
    // summary, and the night's figures (the winner's box among them, emptied again on arrival).
    static constexpr std::array<const char*, 10> NightCaptions = {
        MatchTypeCaption,   StipulationCaption,  RatingCaption, NightRatingCaption, RatingTotalCaption,
        MatchRatingsCaption, WinnerCaption,      ShowCostCaption, HiddenZero,       AttendanceCaption};
    static constexpr std::array<const char*, 12> NightFigures = {
        RatingTotal,     MatchRatings[0], MatchRatings[1], MatchRatings[2], MatchRatings[3], MatchRatings[4],
        NightRating,     Winner,          ShowCost,        Attendance,      Referee,         Capacity};
};

}  // namespace varnholt

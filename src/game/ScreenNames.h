// Every screen of the game by its name in the code and its role name, with the boxes of it that other
// screens read or write: the one place these names are written. Each screen's class takes them over by
// deriving from its entry here (`StaffScreen::RefereeSkillText` is `screens::StaffScreen::RefereeSkillText`),
// and code of another subsystem shows, hides, reads and writes a screen through its entry without
// including the screen's class, so the subsystems do not include each other in circles.
#pragma once

#include <array>

namespace varnholt::screens {

// --- start-up, main menu, new game (shell) ----------------------------------------------------------

struct SplashScreen {
    static constexpr const char* Name = "Form1";
    static constexpr const char* Role = "SplashScreen";
};

struct DisclaimerScreen {
    static constexpr const char* Name = "Form7";
    static constexpr const char* Role = "DisclaimerScreen";
};

struct MainMenu {
    static constexpr const char* Name = "Form2";
    static constexpr const char* Role = "MainMenu";
    static constexpr const char* SavedGameNameText = "Text1";  // the named save picked or typed
    static constexpr const char* SavedGameList = "File1";      // the saved games of the current folder
};

struct CreditsScreen {
    static constexpr const char* Name = "Form21";
    static constexpr const char* Role = "CreditsScreen";
};

struct NewGameScreen {
    static constexpr const char* Name = "Form3";
    static constexpr const char* Role = "NewGameScreen";
    static constexpr const char* PlayerNameText = "Text1";
};

struct CreateFederationScreen {
    static constexpr const char* Name = "Form5";
    static constexpr const char* Role = "CreateFederationScreen";
};

// --- the hub and the federation's own screens (shell) ----------------------------------------------

struct FederationHub {
    static constexpr const char* Name = "Form4";
    static constexpr const char* Role = "FederationHub";
    static constexpr const char* PlayerName = "Text1";
    static constexpr const char* FederationName = "Text2";
    static constexpr const char* FederationInitials = "Text3";
    static constexpr const char* DayName = "Text4";
    static constexpr const char* WeekLabel = "Text5";
    static constexpr const char* Year = "Text6";
    static constexpr const char* PopularityText = "Text7";
    static constexpr const char* MoneyText = "Text8";
    static constexpr const char* TvDealStreakStore = "Text9";  // hidden: the TV-deal streak, saved with the game
    // Hidden: what the count of weeks ended in the red starts from when the hub loads. Nothing writes it,
    // so the count starts at 0; the week ends keep it in RedWeeks, never here.
    static constexpr const char* RedWeeksStore = "Text10";
    static constexpr const char* LastNightRating = "Label3";   // hidden
    static constexpr const char* LastNightCost = "Label4";     // hidden
    static constexpr const char* ShowMode = "List1";
};

struct FederationInfoScreen {
    static constexpr const char* Name = "Form13";
    static constexpr const char* Role = "FederationInfoScreen";
    static constexpr const char* FederationName = "Text1";
    static constexpr const char* FederationInitials = "Text2";
    static constexpr const char* CurrentPopularity = "Text5";
    static constexpr const char* CurrentBalance = "Text6";
    static constexpr const char* Owner = "Text15";
    static constexpr const char* Home = "Text16";
    static constexpr const char* StartingBalance = "Text17";
    static constexpr const char* StartingPopularity = "Text18";
    // The last five shows' ratings and costs, most recent first.
    static constexpr std::array<const char*, 5> ShowRatings = {"Text3", "Text7", "Text8", "Text9", "Text10"};
    static constexpr std::array<const char*, 5> ShowCosts = {"Text4", "Text11", "Text12", "Text13", "Text14"};
};

struct FinanceScreen {
    static constexpr const char* Name = "Form16";
    static constexpr const char* Role = "FinanceScreen";
};

struct NotesPad {
    static constexpr const char* Name = "Form18";
    static constexpr const char* Role = "NotesPad";
    static constexpr const char* Notes = "Text1";
};

// --- show night (shownight, matches) ----------------------------------------------------------------

struct VenueScreen {
    static constexpr const char* Name = "Form14";
    static constexpr const char* Role = "VenueScreen";
};

struct PolaroidScreen {
    static constexpr const char* Name = "Form23";
    static constexpr const char* Role = "PolaroidScreen";
};

struct SinglesMatchScreen {
    static constexpr const char* Name = "Form10";
    static constexpr const char* Role = "SinglesMatchScreen";
};

struct TagMatchScreen {
    static constexpr const char* Name = "Form17";
    static constexpr const char* Role = "TagMatchScreen";
};

struct TripleThreatMatchScreen {
    static constexpr const char* Name = "Form19";
    static constexpr const char* Role = "TripleThreatMatchScreen";
};

struct FourWayMatchScreen {
    static constexpr const char* Name = "Form20";
    static constexpr const char* Role = "FourWayMatchScreen";
};

// --- federation management (management) -------------------------------------------------------------

// The wrestler card of the scouting, roster and editor screens: a box for each field of a wrestler's
// record, in the order of the record.
struct WrestlerCard {
    static constexpr const char* NameBox = "txtName";
    static constexpr const char* BrawlingBox = "txtwbr";
    static constexpr const char* TechnicalBox = "txtwte";
    static constexpr const char* SpeedBox = "txtwsp";
    static constexpr const char* OverBox = "txtwov";
    static constexpr const char* WageBox = "txtwwa";
    static constexpr const char* AlignmentBox = "txtwal";  // a drop-down list of "Face" and "Heel"
    static constexpr const char* BirthPlaceBox = "txtwbi";
    static constexpr const char* BiographyBox = "txtwbio";
    static constexpr const char* PolaroidBox = "txtwpol";  // the polaroid percentage
    static constexpr std::array<const char*, 10> CardBoxes = {NameBox,       BrawlingBox,   TechnicalBox, SpeedBox,
                                                              OverBox,       WageBox,       AlignmentBox, BirthPlaceBox,
                                                              BiographyBox,  PolaroidBox};
};

struct ScoutScreen : WrestlerCard {
    static constexpr const char* Name = "Form6";
    static constexpr const char* Role = "ScoutScreen";
};

struct RosterScreen : WrestlerCard {
    static constexpr const char* Name = "Form8";
    static constexpr const char* Role = "RosterScreen";
};

struct ChampionsScreen {
    static constexpr const char* Name = "Form11";
    static constexpr const char* Role = "ChampionsScreen";
    // TitleName: the four championships' names.
    static constexpr const char* PrimaryTitle = "Label1";
    static constexpr const char* SecondaryTitle = "Label25";
    static constexpr const char* TertiaryTitle = "Label37";
    static constexpr const char* TagTeamTitle = "Label4";
    // The current holders ("Vacant" when none); the tag title has two.
    static constexpr const char* PrimaryHolder = "Text1";
    static constexpr const char* SecondaryHolder = "Text12";
    static constexpr const char* TertiaryHolder = "Text23";
    static constexpr const char* TagTeamHolder = "Text34";
    static constexpr const char* TagTeamPartner = "Text35";
};

struct RenameDialog {
    static constexpr const char* Name = "Form9";
    static constexpr const char* Role = "RenameDialog";
};

struct StaffScreen {
    static constexpr const char* Name = "Form12";
    static constexpr const char* Role = "StaffScreen";
    // CurrentReferee and CurrentMC: the hired people under their in-house titles.
    static constexpr const char* RefereeTitle = "Label3";
    static constexpr const char* AnnouncerTitle = "Label4";
    static constexpr const char* RefereeNameText = "Text1";
    static constexpr const char* RefereeSkillText = "Text28";
    static constexpr const char* RefereeWageText = "Text29";
    static constexpr const char* MCNameText = "Text2";
    static constexpr const char* MCSkillText = "Text3";
    static constexpr const char* MCWageText = "Text54";
};

struct SponsorScreen {
    static constexpr const char* Name = "Form15";
    static constexpr const char* Role = "SponsorScreen";
    // CurrentSponsor: the signed sponsor, its money per show and its slogan.
    static constexpr const char* SponsorText = "Text1";
    static constexpr const char* SponsorAmountText = "Text26";
    static constexpr const char* SloganText = "Text27";
};

struct FeudScreen {
    static constexpr const char* Name = "Form22";
    static constexpr const char* Role = "FeudScreen";
    static constexpr const char* FirstFeudHeat = "txtfeud1";
};

struct NewsScreen {
    static constexpr const char* Name = "Form25";
    static constexpr const char* Role = "NewsScreen";
};

// --- saved games (savedgames) and the editor (editor) ----------------------------------------------

struct SaveSlotScreen {
    static constexpr const char* Name = "Form28";
    static constexpr const char* Role = "SaveSlotScreen";
};

struct LoadSlotScreen {
    static constexpr const char* Name = "Form29";
    static constexpr const char* Role = "LoadSlotScreen";
};

struct WrestlerEditor : WrestlerCard {
    static constexpr const char* Name = "Form24";
    static constexpr const char* Role = "WrestlerEditor";
};

struct AddWrestlerDialog : WrestlerCard {
    static constexpr const char* Name = "frmaddedit";
    static constexpr const char* Role = "AddWrestlerDialog";
};

}  // namespace varnholt::screens

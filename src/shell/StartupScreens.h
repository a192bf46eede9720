// The program's front door: the splash screen, the disclaimer, the main menu and the credits.
#pragma once

#include "game/Screen.h"

namespace varnholt {

class SplashScreen : public Screen, public screens::SplashScreen {
public:
    explicit SplashScreen(Game& game);
    void Form1_Form_Load();
    void Form1_Image1_Click();
};

class DisclaimerScreen : public Screen, public screens::DisclaimerScreen {
public:
    explicit DisclaimerScreen(Game& game);
    void Form7_Command1_Click();
};

class MainMenu : public Screen, public screens::MainMenu {
public:
    // QUIT's question; the program asks it too before the player's close box would end the game.
    static constexpr const char* ExitQuestion = "Are you sure you want to Exit?";
    static constexpr const char* ExitTitle = "Exit?";
    explicit MainMenu(Game& game);
    void Form2_Form_Load();
    void Form2_Command1_Click();  // NEW GAME
    void Form2_Command7_Click();  // LOAD GAME
    void Form2_Command6_Click();  // EDITOR
    void Form2_Command3_Click();  // CREDITS
    void Form2_Command4_Click();  // QUIT
    void Form2_File1_Click();     // the saved-game list (built hidden)
    void Form2_Command2_Click();  // its LOAD GAME (built hidden)
    void Form2_Command5_Click();  // its DEL (built hidden)
};

class CreditsScreen : public Screen, public screens::CreditsScreen {
public:
    explicit CreditsScreen(Game& game);
    void Form21_Form_Load();
    void Form21_Command1_Click();
};

// The rivals' popularities that every new game starts from, by slot (slot 7 is never seeded).
void SeedRivalPopularity(Game& game);

}  // namespace varnholt

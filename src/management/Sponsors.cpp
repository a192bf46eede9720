#include "management/Sponsors.h"

namespace varnholt {

const std::array<Sponsor, 12> Sponsors = {{
    {"Command2", "Varnholt", "Text2", "1000", "Text3", "The first and only British wrestling sim/game!",
     "www.varnholt.example", int16_t{90}},
    {"Command3", "Motabitz", "Text4", "900", "Text5", "The #1 Car accessory store!", "www.motabitz.example",
     int16_t{80}},
    {"Command4", "Dr. Disc", "Text6", "800", "Text7", "Fix all your broken CDs and DVDs!", "www.drdisc.example",
     int16_t{70}},
    {"Command5", "Nintendo", "Text8", "700", "Text9", "GameCube and GameBoy Advance!", "www.consoles.example",
     int16_t{60}},
    {"Command6", "TalkSPORT 1054/1089 AM", "Text10", "600", "Text11", "The best sport station on the radio today!",
     "www.sportradio.example", int16_t{55}},
    {"Command7", "Wrestle Call", "Text12", "500", "Text13", "Call 09065 550 713 for the latest ring news!",
     "www.wrestlecall.example", int16_t{50}},
    {"Command8", "Pro Wrestling Press", "Text14", "400", "Text15", "One of the best fanzines around!",
     "www.ringside-press.example", int16_t{40}},
    {"Command9", "The Wrestling Channel", "Text16", "300", "Text17", "FWA, IWW, RoH, CZW, NOAH and more!",
     "www.ringside-tv.example", int16_t{30}},
    {"Command10", "AFC Bournemouth", "Text18", "200", "Text19", "Greatest club on the South Coast!",
     "www.southcoastfootball.example", int16_t{25}},
    {"Command11", "1 Stop Wrestling", "Text20", "150", "Text21", "The 1 Stop Resource for British Wrestling!",
     "www.onestop-ringside.example", int16_t{20}},
    {"Command12", "The UK Fan Forum", "Text22", "100", "Text23", "The official forums of the FWA",
     "www.ringside-forum.example", int16_t{10}},
    {"Command13", "WrestleCrap", "Text24", "50", "Text25", "The very worst of Pro Wrestling!",
     "www.worst-of-the-ring.example", std::nullopt},
}};

bool SponsorSigns(const Sponsor& sponsor, int16_t popularity) {
    return !sponsor.threshold || popularity >= *sponsor.threshold;
}

namespace {

constexpr int ButtonLeft = 240, ButtonWidth = 3000, AmountLeft = 3360, AmountWidth = 1500, SloganLeft = 4980,
              SloganWidth = 7500, RowTop = 1260, RowHeight = 420;

const FormDef& sponsorDef() {
    static const FormDef def = [] {
        FormDef d{SponsorScreen::Name, SponsorScreen::Role, "Varnholt", 12780, 8280, "", {}};
        auto& c = d.controls;
        c.push_back(notesButton("Command14"));
        c.push_back(label("Label1", 600, 180, 11880, 420,
                          "Select a sponsor, but note that some may refuse if you are not popular enough.",
                          forms::Bold | forms::Centred));
        c.push_back(label("Label2", ButtonLeft, 900, ButtonWidth, 285, "Sponsor", forms::Bold));
        c.push_back(label("Label4", AmountLeft, 660, AmountWidth, 540, "Amount to pay per show", forms::Bold));
        c.push_back(label("Label5", SloganLeft, 900, SloganWidth, 285, "Slogan and website", forms::Bold));
        for (std::size_t i = 0; i < Sponsors.size(); ++i) {
            const auto& s = Sponsors[i];
            int y = RowTop + static_cast<int>(i) * RowHeight;
            c.push_back(button(s.button, ButtonLeft, y, ButtonWidth, 375, s.name));
            c.push_back(textBox(s.amountBox, AmountLeft, y + 30, AmountWidth, 315, s.amount, forms::Locked,
                                "Amount paid per show"));
            c.push_back(textBox(s.sloganBox, SloganLeft, y + 30, SloganWidth, 315, s.slogan, forms::Locked, s.website));
        }
        const int current = RowTop + 12 * RowHeight + 180;
        c.push_back(label("Label3", ButtonLeft, current, ButtonWidth, 285, "Current sponsor", forms::Bold));
        c.push_back(textBox(SponsorScreen::SponsorText, ButtonLeft, current + 330, ButtonWidth, 315, "No sponsor",
                            forms::Locked));
        c.push_back(textBox(SponsorScreen::SponsorAmountText, AmountLeft, current + 330, AmountWidth, 315, "0",
                            forms::Locked, "Amount paid per show"));
        c.push_back(textBox(SponsorScreen::SloganText, SloganLeft, current + 330, SloganWidth, 315, "No sponsor",
                            forms::Locked));
        c.push_back(button("Command1", 5490, current + 900, 1800, 495, "Return to menu"));
        d.wayOut = "Command1";
        return d;
    }();
    return def;
}

}  // namespace

SponsorScreen::SponsorScreen(Game& game) : Screen(game, sponsorDef()) {
    bind<SponsorScreen>({
        {"Form", Event::Load, &SponsorScreen::Form15_Form_Load},
        {"Command1", Event::Click, &SponsorScreen::Form15_Command1_Click},
        {"Command14", Event::Click, &SponsorScreen::Form15_Command14_Click},
        {"Command2", Event::Click, &SponsorScreen::Form15_Command2_Click},
        {"Command3", Event::Click, &SponsorScreen::Form15_Command3_Click},
        {"Command4", Event::Click, &SponsorScreen::Form15_Command4_Click},
        {"Command5", Event::Click, &SponsorScreen::Form15_Command5_Click},
        {"Command6", Event::Click, &SponsorScreen::Form15_Command6_Click},
        {"Command7", Event::Click, &SponsorScreen::Form15_Command7_Click},
        {"Command8", Event::Click, &SponsorScreen::Form15_Command8_Click},
        {"Command9", Event::Click, &SponsorScreen::Form15_Command9_Click},
        {"Command10", Event::Click, &SponsorScreen::Form15_Command10_Click},
        {"Command11", Event::Click, &SponsorScreen::Form15_Command11_Click},
        {"Command12", Event::Click, &SponsorScreen::Form15_Command12_Click},
        {"Command13", Event::Click, &SponsorScreen::Form15_Command13_Click},
    });
}

void SponsorScreen::Form15_Form_Load() { setPicture("\\QAVLE.bmp"); }

void SponsorScreen::Form15_Command1_Click() {
    game_.show<screens::FederationHub>();
    game_.hide<SponsorScreen>();
}

void SponsorScreen::Form15_Command14_Click() { game_.show<screens::NotesPad>(); }

void SponsorScreen::SignSponsor(std::size_t row) {
    const Sponsor& s = Sponsors[row];
    if (!SponsorSigns(s, game_.Popularity)) {
        game_.msgBox("This sponsor is not interested in a deal due to your low popularity.", "No sponsor deal!");
        return;
    }
    c(SponsorText).setText(c(s.button).caption());
    c(SponsorAmountText).setText(c(s.amountBox).text());
    c(SloganText).setText(c(s.sloganBox).text());
    game_.SponsorAmount = forms::CInt(c(SponsorAmountText).text());
}

void SponsorScreen::Form15_Command2_Click() { SignSponsor(0); }
void SponsorScreen::Form15_Command3_Click() { SignSponsor(1); }
void SponsorScreen::Form15_Command4_Click() { SignSponsor(2); }
void SponsorScreen::Form15_Command5_Click() { SignSponsor(3); }
void SponsorScreen::Form15_Command6_Click() { SignSponsor(4); }
void SponsorScreen::Form15_Command7_Click() { SignSponsor(5); }
void SponsorScreen::Form15_Command8_Click() { SignSponsor(6); }
void SponsorScreen::Form15_Command9_Click() { SignSponsor(7); }
void SponsorScreen::Form15_Command10_Click() { SignSponsor(8); }
void SponsorScreen::Form15_Command11_Click() { SignSponsor(9); }
void SponsorScreen::Form15_Command12_Click() { SignSponsor(10); }
void SponsorScreen::Form15_Command13_Click() { SignSponsor(11); }

}  // namespace varnholt

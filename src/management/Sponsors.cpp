#include "management/Sponsors.h"

namespace varnholt {

const std::array<Sponsor, 12> Sponsors = {{
    {.name = "Varnholt", .amount = "1000", .threshold = 90,
     .slogan = "The first and only British wrestling sim/game!", .website = "www.varnholt.example",
     .button = "Command2", .amountBox = "Text2", .sloganBox = "Text3"},
    {.name = "Motabitz", .amount = "900", .threshold = 80,
     .slogan = "The #1 Car accessory store!", .website = "www.motabitz.example",
     .button = "Command3", .amountBox = "Text4", .sloganBox = "Text5"},
    {.name = "Dr. Disc", .amount = "800", .threshold = 70,
     .slogan = "Fix all your broken CDs and DVDs!", .website = "www.drdisc.example",
     .button = "Command4", .amountBox = "Text6", .sloganBox = "Text7"},
    {.name = "Nintendo", .amount = "700", .threshold = 60,
     .slogan = "GameCube and GameBoy Advance!", .website = "www.consoles.example",
     .button = "Command5", .amountBox = "Text8", .sloganBox = "Text9"},
    {.name = "TalkSPORT 1054/1089 AM", .amount = "600", .threshold = 55,
     .slogan = "The best sport station on the radio today!", .website = "www.sportradio.example",
     .button = "Command6", .amountBox = "Text10", .sloganBox = "Text11"},
    {.name = "Wrestle Call", .amount = "500", .threshold = 50,
     .slogan = "Call 09065 550 713 for the latest ring news!", .website = "www.wrestlecall.example",
     .button = "Command7", .amountBox = "Text12", .sloganBox = "Text13"},
    {.name = "Pro Wrestling Press", .amount = "400", .threshold = 40,
     .slogan = "One of the best fanzines around!", .website = "www.ringside-press.example",
     .button = "Command8", .amountBox = "Text14", .sloganBox = "Text15"},
    {.name = "The Wrestling Channel", .amount = "300", .threshold = 30,
     .slogan = "FWA, IWW, RoH, CZW, NOAH and more!", .website = "www.ringside-tv.example",
     .button = "Command9", .amountBox = "Text16", .sloganBox = "Text17"},
    {.name = "AFC Bournemouth", .amount = "200", .threshold = 25,
     .slogan = "Greatest club on the South Coast!", .website = "www.southcoastfootball.example",
     .button = "Command10", .amountBox = "Text18", .sloganBox = "Text19"},
    {.name = "1 Stop Wrestling", .amount = "150", .threshold = 20,
     .slogan = "The 1 Stop Resource for British Wrestling!", .website = "www.onestop-ringside.example",
     .button = "Command11", .amountBox = "Text20", .sloganBox = "Text21"},
    {.name = "The UK Fan Forum", .amount = "100", .threshold = 10,
     .slogan = "The official forums of the FWA", .website = "www.ringside-forum.example",
     .button = "Command12", .amountBox = "Text22", .sloganBox = "Text23"},
    {.name = "WrestleCrap", .amount = "50", .threshold = std::nullopt,
     .slogan = "The very worst of Pro Wrestling!", .website = "www.worst-of-the-ring.example",
     .button = "Command13", .amountBox = "Text24", .sloganBox = "Text25"},
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

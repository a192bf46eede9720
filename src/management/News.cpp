#include "management/News.h"

#include <algorithm>

#include "forms/Files.h"
#include "forms/Numbers.h"
#include "shell/Presets.h"
#include "wrestlers/RecordFiles.h"

namespace varnholt {

// The page's own facts, which differ on purpose from the presets' (NWA-UK's home, WAW's name, "WZW").
const std::array<RivalFacts, 11> RivalFactsTable = {{
    // slot full name                                  initials  based                     starting popularity
    {1,     "Frontier Wrestling Alliance",             "FWA",    "Portsmouth",             "70"},
    {2,     "All Star Promotions",                     "ASP",    "Birkenhead",             "65"},
    {3,     "NWA-UK Hammerlock",                       "NWA-UK", "Coventry",               "60"},
    {4,     "Scottish Championship Wrestling",         "SCW",    "Renfrewshire, Scotland", "50"},
    {5,     "World Association of Wrestling",          "WAW",    "Norwich",                "45"},
    {6,     "Premier Promotions",                      "PP",     "Worthing",               "40"},
    {9,     "International Championship Wrestling",    "ICW",    "Lancashire",             "25"},
    {10,    "British Championship Wrestling",          "BCW",    "Kilmarnock, Scotland",   "30"},
    {8,     "Wrestle Zone Wrestling",                  "WZW",    "Newcastle",              "35"},
    {11,    "Midlands Pro Wrestling",                  "MPW",    "Coventry",               "20"},
    {12,    "Tri County Association of Pro Wrestling", "TAP",    "East Midlands",          "30"},
}};

std::string RivalOwner(const RivalFacts& rival) {
    for (const auto& p : presets::Federations)
        if (p.rivalSlot == rival.slot) return p.owner;
    return {};
}

namespace {

int16_t popularityOf(const std::array<int16_t, 12>& rivalPopularity, const RivalFacts& rival) {
    return rivalPopularity[static_cast<std::size_t>(rival.slot - 1)];
}

// The rival that `beats` every other one, or the empty text.
template <class Beats>
std::string strictlyFirst(const std::array<int16_t, 12>& rivalPopularity, Beats beats) {
    for (const auto& candidate : RivalFactsTable) {
        const int16_t mine = popularityOf(rivalPopularity, candidate);
        bool alone = std::all_of(RivalFactsTable.begin(), RivalFactsTable.end(), [&](const RivalFacts& other) {
            return &other == &candidate || beats(mine, popularityOf(rivalPopularity, other));
        });
        if (alone) return candidate.fullName;
    }
    return {};
}

const FormDef& newsDef() {
    static const FormDef def = [] {
        FormDef d{NewsScreen::Name, NewsScreen::Role, "Varnholt", 12960, 9720, "", {}};
        auto& c = d.controls;
        ControlDef banner = image("Picture1", 240, 120, 9000, 1350);
        banner.kind = ControlKind::PictureBox;
        c.push_back(std::move(banner));
        constexpr int left = 240, width = 12480;
        c.push_back(label("Label11", left, 1590, width, 315, "Today's top stories...", forms::Bold | forms::Transparent));
        c.push_back(label("Label4", left, 1950, width, 375, "",
                          forms::Bold | forms::Large | forms::Underline | forms::Transparent));
        c.push_back(label("Label3", left, 2370, width, 1080, "", forms::Transparent));
        c.push_back(label("Label12", left, 3510, width, 720, "", forms::Transparent));
        c.push_back(label("Label13", left, 4290, width, 720, "", forms::Transparent));
        c.push_back(label("Label9", left, 5160, width, 315, "The run down of the British wrestling federations...",
                          forms::Bold | forms::Transparent));
        c.push_back(listBox("lstFeds", left, 5580, 4920, 2760,
                            {"All Star Promotions", "British Championship Wrestling", "Frontier Wrestling Alliance",
                             "International Championship Wrestling", "Midlands Pro Wrestling", "NWA-UK Hammerlock",
                             "Premier Promotions", "Scottish Championship Wrestling",
                             "Tri County Association of Pro Wrestling", "World Association of Wrestling",
                             "Wrestle Zone Wrestling"}));
        struct Fact {
            const char* label;
            const char* caption;
            const char* box;
        };
        const Fact facts[] = {
            {"Label1", "Federation", "Text1"},         {"Label2", "Also Known As", "Text2"},
            {"Label7", "Owner", "Text3"},              {"Label8", "Based", "Text4"},
            {"Label5", "Current Popularity", "Text5"}, {"Label10", "Starting Popularity", "Text6"},
        };
        int top = 5580;
        for (const Fact& f : facts) {
            c.push_back(label(f.label, 5400, top + 45, 2160, 285, f.caption, forms::Transparent));
            c.push_back(textBox(f.box, 7680, top, 5040, 375, "", forms::Locked));
            top += 465;
        }
        c.push_back(button("Command1", left, 8760, 2400, 495, "Disconnect"));
        c.push_back(notesButton("Command6", 12960 - 240 - NotesButtonSize, 8820));
        d.wayOut = "Command1";
        return d;
    }();
    return def;
}

}  // namespace

std::string LeadingFederation(const std::array<int16_t, 12>& rivalPopularity) {
    return strictlyFirst(rivalPopularity, [](int16_t mine, int16_t other) { return mine > other; });
}

std::string StrugglingFederation(const std::array<int16_t, 12>& rivalPopularity) {
    return strictlyFirst(rivalPopularity, [](int16_t mine, int16_t other) { return mine < other; });
}

TopStory TopStoryText(int story, const std::string& L, const std::string& S) {
    switch (story) {
        case 1:
            return {L + " is leading in the pack in the British wrestling scene. Their consistently great shows have "
                        "resulted in many fans believing they are the best promotion around today. If your in the "
                        "area for any of their shows, they are highly recommended.",
                    L};
        case 2:
            return {"The UK wrestling scene is looking bright, and " + L +
                        " are leading the way. They attract large crowds wherever they go, and cards are of a "
                        "regular high quality. Many think that " +
                        L + " will put British wrestling back on the map!",
                    L};
        case 3:
            return {"It seems that wrestling is in a slight slump at the moment in Britain and " + S +
                        " seems to be one of the worst affected. Attendances are down and so too are card ratings. "
                        "We wish " +
                        S + " the best of luck and hope they can turn their fortunes around.",
                    S};
        case 4:
            return {S + " are finding life difficult. They are currently booking the worst shows in the United "
                        "Kingdom, and they are now finding it difficult to book the top stars. Hopefully fans will "
                        "give them a chance and they can turn things around.",
                    S};
        default:
            return {};
    }
}

std::string QualityWord(int16_t bestStat) {
    if (bestStat == 20) return "excellent";
    if (bestStat >= 15 && bestStat <= 19) return "good";
    if (bestStat >= 10 && bestStat <= 14) return "average";
    if (bestStat < 10) return "poor";
    return {};
}

std::string CrowdWord(int16_t over) {
    if (over == 20) return "extremely";
    if (over >= 15 && over <= 19) return "very";
    if (over >= 10 && over <= 14) return "relatively";
    if (over < 10) return "not very";
    return {};
}

std::string FeaturedWrestlerText(const WrestlerRecord& w) {
    const int16_t bestStat = std::max({w.Brawling, w.Technical, w.Speed});
    const std::string name = trimTrailingBlanks(w.Name);
    return "Today's featured wrestler is " + name + " hailing from " + trimTrailingBlanks(w.BirthPlace) +
           " . Currently working as a " + trimTrailingBlanks(w.Alignment) + ", " + name + " is a " +
           QualityWord(bestStat) + " wrestler who is " + CrowdWord(w.Over) + " over with the crowd.";
}

NewsScreen::NewsScreen(Game& game) : Screen(game, newsDef()) {
    bind<NewsScreen>({
        {"Form", Event::Load, &NewsScreen::Form25_Form_Load},
        {"lstFeds", Event::Click, &NewsScreen::Form25_lstFeds_Click},
        {"Command1", Event::Click, &NewsScreen::Form25_Command1_Click},
        {"Command6", Event::Click, &NewsScreen::Form25_Command6_Click},
    });
}

void NewsScreen::Form25_Form_Load() { LoadNewsPage(); }

void NewsScreen::LoadNewsPage() {
    setPicture("\\QAVLE.bmp");
    c("Picture1").setPicture("banner.bmp");

    const std::string leading = LeadingFederation(game_.RivalPopularity);
    const std::string struggling = StrugglingFederation(game_.RivalPopularity);
    const int story = static_cast<int>(forms::Int(game_.Rnd() * 4)) + 1;
    TopStory top = TopStoryText(story, leading, struggling);
    c("Label3").setCaption(top.story);
    c("Label4").setCaption(top.heading);

    // The free agents are counted from the file itself, so the featured wrestler is always one of them.
    game_.WrestlerFilePath = game_.folder().string() + "/wrestlers.dat";
    const auto length = forms::fileLength(forms::nativePath(game_.WrestlerFilePath));
    game_.WrestlerCount = CountRule(length);
    const double freeAgents = static_cast<double>(length / RecordLength);
    game_.CurrentRecordNumber = forms::I32(static_cast<long long>(forms::Int(game_.Rnd() * freeAgents)) + 1);
    if (!ReadRecordInto(game_, game_.WrestlerFilePath, game_.CurrentRecordNumber)) return;  // no free agents

    c("Label12").setCaption(FeaturedWrestlerText(game_.CurrentWrestler));
    c("Label13").setCaption(trimTrailingBlanks(game_.CurrentWrestler.Biography));
}

void NewsScreen::ShowRivalFacts() {
    const std::string picked = c("lstFeds").text();
    for (const auto& rival : RivalFactsTable) {
        if (picked != rival.fullName) continue;
        c("Text1").setText(rival.fullName);
        c("Text2").setText(rival.initials);
        c("Text3").setText(RivalOwner(rival));
        c("Text4").setText(rival.based);
        c("Text5").setText(forms::CStr(popularityOf(game_.RivalPopularity, rival)));
        c("Text6").setText(rival.startingPopularity);
        return;
    }
}

void NewsScreen::Form25_lstFeds_Click() { ShowRivalFacts(); }

void NewsScreen::Form25_Command1_Click() {
    game_.show<screens::FederationHub>();
    game_.unload<NewsScreen>();
}

void NewsScreen::Form25_Command6_Click() { game_.show<screens::NotesPad>(); }

}  // namespace varnholt

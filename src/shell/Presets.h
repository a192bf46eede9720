// The federations a new game can take over, with their start state. Every champion is a wrestler of
// the starting roster that each new game copies (data/promotion.txt), so a player can book the holders
// in their title defences from the first show night; the owners are the federations' own people, two of
// whom hold a title themselves.
#pragma once

#include <array>
#include <cstdint>

namespace varnholt::presets {

struct PresetFederation {
    const char* button;     // the NewGameScreen's button for this federation
    const char* caption;    // the button's caption (WAW's differs from its name)
    const char* popularityLabel;  // the labels beside the button that show its figures
    const char* moneyLabel;
    int column, row;        // where the button stands on the NewGameScreen
    const char* name;       // the hub's federation name
    const char* initials;
    int16_t popularity;
    int32_t money;
    const char* infoName;   // the federation information screen's name
    const char* based;
    const char* staffWord;  // first word of the in-house referee and announcer
    std::array<const char*, 4> titles;   // primary, secondary, tertiary, tag team
    std::array<const char*, 5> holders;  // primary, secondary, tertiary, tag team (two)
    const char* owner;
    int rivalSlot;  // the federation's place among the rivals' popularities
};

inline constexpr const char* Vacant = "Vacant";

inline constexpr std::array<PresetFederation, 11> Federations = {{
    {"Command1", "FRONTIER WRESTLING ALLIANCE", "Label3", "Label16", 0, 0, "FRONTIER WRESTLING ALLIANCE", "FWA", 70, 10000, "Frontier Wrestling Alliance", "Portsmouth", "FWA",
     {"FWA British Heavyweight Championship", "FWA All England Championship", "XPW European Championship",
      "FWA Tag Team Championship"},
     {"Rhys Pellow", "Nell Abberley", "Eamon Quill", Vacant, Vacant}, "Martin Greaves", 1},
    {"Command2", "ALL STAR PROMOTIONS", "Label5", "Label14", 0, 1, "ALL STAR PROMOTIONS", "ASP", 65, 7500, "All Star Promotions", "Birkenhead", "ASP",
     {"Peoples Championship", "British Championship", "World Heavymiddleweight Championship", "Tag Team Championship"},
     {"Dougie Rackham", "Johnny Crask", "Connor Vale", Vacant, Vacant}, "Brian Tallis", 2},
    {"Command3", "NWA-UK HAMMERLOCK", "Label6", "Label13", 0, 2, "NWA-UK HAMMERLOCK", "NWA-UK", 60, 6000, "NWA-UK Hammerlock", "Kent", "NWA-UK",
     {"NWA-UK Heavyweight Championship", "NWA-UK Junior Championship", "NWA-UK British Championship",
      "NWA-UK Tag Team Championship"},
     {"Gideon Scarrow", "Kit Marrowby", Vacant, Vacant, Vacant}, "Colin Redfearn", 3},
    {"Command7", "SCOTTISH CHAMPIONSHIP WRESTLING", "Label4", "Label15", 0, 3, "SCOTTISH CHAMPIONSHIP WRESTLING", "SCW", 50, 5000, "Scottish Championship Wrestling",
     "Renfrewshire, Scotland", "SCW",
     {"SCW Scottish Heavyweight Championship", "SCW King of Scotland", "SCW Tertiary Championship",
      "SCW Tag Team Championship"},
     {Vacant, Vacant, Vacant, Vacant, Vacant}, "Alasdair Munro", 4},
    {"Command4", "WORLD ASSOCIATION OF WRESTLING", "Label7", "Label12", 0, 4, "WORLD ASSOCIATION WRESTLING", "WAW", 45, 5000, "World Association Wrestling", "Norwich", "WAW",
     {"WAW World Heavyweight Championship", "WAW British Heavyweight Championship", "WAW Cruiserweight Championship",
      "WAW Tag Team Championship"},
     {"Ambrose Fettle", "Johnny Crask", "Tamsin Orrell", Vacant, Vacant}, "Ray Kettering", 5},
    {"Command5", "PREMIER PROMOTIONS", "Label8", "Label11", 0, 5, "PREMIER PROMOTIONS", "PP", 40, 3000, "Premier Promotions", "Worthing", "Premier",
     {"Premier Heavyweight Championship", "Premier Middleheavyweight Championship",
      "Premier Lightheavyweight Championship", "Premier Tag Team Championship"},
     {"Rhys Pellow", "Connor Vale", "Kit Marrowby", "Kit Marrowby", "Eamon Quill"}, "Derek Ainsworth", 6},
    {"Command12", "WRESTLE ZONE WRESTLING", "Label19", "Label23", 1, 0, "WRESTLE ZONE WRESTLING", "wZw", 35, 4000, "Wrestle Zone Wrestling", "Newcastle", "wZw",
     {"Heavyweight Championship", "Interpromotional Championship", "Xtreme Championship", "Tag Team Championship"},
     {"Dougie Rackham", "Mags Thorley", "Mags Thorley", Vacant, Vacant}, "Stuart Pellham", 8},
    {"Command6", "BRITISH CHAMPIONSHIP WRESTLING", "Label18", "Label22", 1, 1, "BRITISH CHAMPIONSHIP WRESTLING", "BCW", 30, 3500, "British Championship Wrestling",
     "Kilmarnock, Scotland", "BCW",
     {"BCW Championship", "BCW Lightweight Championship", "BCW Tertiary Championship", "BCW Tag Team Championship"},
     {"Ambrose Fettle", "Eamon Quill", Vacant, Vacant, Vacant}, "Ambrose Fettle", 10},
    {"Command14", "TRI COUNTY ASSOCIATION OF PRO WRESTLING", "Label28", "Label25", 1, 2, "TRI COUNTY ASSOCIATION OF PRO WRESTLING", "TAP", 30, 2500, "Tri County Association of Pro Wrestling",
     "East Midlands", "TAP",
     {"TAP Heavyweight Championship", "TAP Junior Heavyweight Championship", "TAP UK Championship",
      "TAP Tag Tournament Championship"},
     {"Johnny Crask", "Eamon Quill", "Nell Abberley", "Eamon Quill", "Connor Vale"}, "Graham Oakley", 12},
    {"Command11", "INTERNATIONAL CHAMPIONSHIP WRESTLING", "Label9", "Label10", 1, 3, "INTERNATIONAL CHAMPIONSHIP WRESTLING", "ICW", 25, 2500, "International Championship Wrestling",
     "Lancashire", "ICW",
     {"World Championship", "International Championship", "British Championship", "Tag Team Championship"},
     {Vacant, Vacant, "Mags Thorley", "Gideon Scarrow", "Mags Thorley"}, "Gideon Scarrow", 9},
    {"Command13", "MIDLANDS PRO WRESTLING", "Label29", "Label24", 1, 4, "MIDLANDS PRO WRESTLING", "MPW", 20, 1500, "Midlands Pro Wrestling", "Coventry", "MPW",
     {"MPW Mat Masters Championship", "MPW Queen of the Ring Championship", "MPW Tertiary Championship",
      "MPW Tag Team Championship"},
     {"Gideon Scarrow", "Nell Abberley", Vacant, Vacant, Vacant}, "Phil Summerby", 11},
}};

}  // namespace varnholt::presets

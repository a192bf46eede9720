// The federations a new game can take over, with their start state. Every champion is a wrestler of
// the starting roster that each new game copies (data/promotion.txt), so a player can book the holders
// in their title defences from the first show night; the owners are the federations' own people, two of
// whom hold a title themselves.
#pragma once

#include <array>
#include <cstdint>

namespace varnholt::presets {

inline constexpr const char* Vacant = "Vacant";

// The names of a federation's four championships.
struct TitleNames {
    const char* primary;
    const char* secondary;
    const char* tertiary;
    const char* tagTeam;
};

// Who holds each title when the game starts; a title nobody is given stays vacant.
struct TitleHolders {
    const char* primary = Vacant;
    const char* secondary = Vacant;
    const char* tertiary = Vacant;
    const char* tagTeam = Vacant;  // the tag team: two wrestlers
    const char* tagTeamPartner = Vacant;
};

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
    TitleNames titles;
    TitleHolders holders;
    const char* owner;
    int rivalSlot;  // the federation's place among the rivals' popularities
};

inline constexpr std::array<PresetFederation, 11> Federations = {{
    {
        .button = "Command1", .caption = "FRONTIER WRESTLING ALLIANCE",
        .popularityLabel = "Label3", .moneyLabel = "Label16", .column = 0, .row = 0,
        .name = "FRONTIER WRESTLING ALLIANCE", .initials = "FWA", .popularity = 70, .money = 10000,
        .infoName = "Frontier Wrestling Alliance", .based = "Portsmouth", .staffWord = "FWA",
        .titles = {.primary = "FWA British Heavyweight Championship", .secondary = "FWA All England Championship",
                   .tertiary = "XPW European Championship", .tagTeam = "FWA Tag Team Championship"},
        .holders = {.primary = "Rhys Pellow", .secondary = "Nell Abberley", .tertiary = "Eamon Quill"},
        .owner = "Martin Greaves", .rivalSlot = 1,
    },
    {
        .button = "Command2", .caption = "ALL STAR PROMOTIONS",
        .popularityLabel = "Label5", .moneyLabel = "Label14", .column = 0, .row = 1,
        .name = "ALL STAR PROMOTIONS", .initials = "ASP", .popularity = 65, .money = 7500,
        .infoName = "All Star Promotions", .based = "Birkenhead", .staffWord = "ASP",
        .titles = {.primary = "Peoples Championship", .secondary = "British Championship",
                   .tertiary = "World Heavymiddleweight Championship", .tagTeam = "Tag Team Championship"},
        .holders = {.primary = "Dougie Rackham", .secondary = "Johnny Crask", .tertiary = "Connor Vale"},
        .owner = "Brian Tallis", .rivalSlot = 2,
    },
    {
        .button = "Command3", .caption = "NWA-UK HAMMERLOCK",
        .popularityLabel = "Label6", .moneyLabel = "Label13", .column = 0, .row = 2,
        .name = "NWA-UK HAMMERLOCK", .initials = "NWA-UK", .popularity = 60, .money = 6000,
        .infoName = "NWA-UK Hammerlock", .based = "Kent", .staffWord = "NWA-UK",
        .titles = {.primary = "NWA-UK Heavyweight Championship", .secondary = "NWA-UK Junior Championship",
                   .tertiary = "NWA-UK British Championship", .tagTeam = "NWA-UK Tag Team Championship"},
        .holders = {.primary = "Gideon Scarrow", .secondary = "Kit Marrowby"},
        .owner = "Colin Redfearn", .rivalSlot = 3,
    },
    {
        .button = "Command7", .caption = "SCOTTISH CHAMPIONSHIP WRESTLING",
        .popularityLabel = "Label4", .moneyLabel = "Label15", .column = 0, .row = 3,
        .name = "SCOTTISH CHAMPIONSHIP WRESTLING", .initials = "SCW", .popularity = 50, .money = 5000,
        .infoName = "Scottish Championship Wrestling", .based = "Renfrewshire, Scotland", .staffWord = "SCW",
        .titles = {.primary = "SCW Scottish Heavyweight Championship", .secondary = "SCW King of Scotland",
                   .tertiary = "SCW Tertiary Championship", .tagTeam = "SCW Tag Team Championship"},
        .holders = {},  // every title vacant
        .owner = "Alasdair Munro", .rivalSlot = 4,
    },
    {
        .button = "Command4", .caption = "WORLD ASSOCIATION OF WRESTLING",
        .popularityLabel = "Label7", .moneyLabel = "Label12", .column = 0, .row = 4,
        .name = "WORLD ASSOCIATION WRESTLING", .initials = "WAW", .popularity = 45, .money = 5000,
        .infoName = "World Association Wrestling", .based = "Norwich", .staffWord = "WAW",
        .titles = {.primary = "WAW World Heavyweight Championship", .secondary = "WAW British Heavyweight Championship",
                   .tertiary = "WAW Cruiserweight Championship", .tagTeam = "WAW Tag Team Championship"},
        .holders = {.primary = "Ambrose Fettle", .secondary = "Johnny Crask", .tertiary = "Tamsin Orrell"},
        .owner = "Ray Kettering", .rivalSlot = 5,
    },
    {
        .button = "Command5", .caption = "PREMIER PROMOTIONS",
        .popularityLabel = "Label8", .moneyLabel = "Label11", .column = 0, .row = 5,
        .name = "PREMIER PROMOTIONS", .initials = "PP", .popularity = 40, .money = 3000,
        .infoName = "Premier Promotions", .based = "Worthing", .staffWord = "Premier",
        .titles = {.primary = "Premier Heavyweight Championship", .secondary = "Premier Middleheavyweight Championship",
                   .tertiary = "Premier Lightheavyweight Championship", .tagTeam = "Premier Tag Team Championship"},
        .holders = {.primary = "Rhys Pellow", .secondary = "Connor Vale", .tertiary = "Kit Marrowby",
                    .tagTeam = "Kit Marrowby", .tagTeamPartner = "Eamon Quill"},
        .owner = "Derek Ainsworth", .rivalSlot = 6,
    },
    {
        .button = "Command12", .caption = "WRESTLE ZONE WRESTLING",
        .popularityLabel = "Label19", .moneyLabel = "Label23", .column = 1, .row = 0,
        .name = "WRESTLE ZONE WRESTLING", .initials = "wZw", .popularity = 35, .money = 4000,
        .infoName = "Wrestle Zone Wrestling", .based = "Newcastle", .staffWord = "wZw",
        .titles = {.primary = "Heavyweight Championship", .secondary = "Interpromotional Championship",
                   .tertiary = "Xtreme Championship", .tagTeam = "Tag Team Championship"},
        .holders = {.primary = "Dougie Rackham", .secondary = "Mags Thorley", .tertiary = "Mags Thorley"},
        .owner = "Stuart Pellham", .rivalSlot = 8,
    },
    {
        .button = "Command6", .caption = "BRITISH CHAMPIONSHIP WRESTLING",
        .popularityLabel = "Label18", .moneyLabel = "Label22", .column = 1, .row = 1,
        .name = "BRITISH CHAMPIONSHIP WRESTLING", .initials = "BCW", .popularity = 30, .money = 3500,
        .infoName = "British Championship Wrestling", .based = "Kilmarnock, Scotland", .staffWord = "BCW",
        .titles = {.primary = "BCW Championship", .secondary = "BCW Lightweight Championship",
                   .tertiary = "BCW Tertiary Championship", .tagTeam = "BCW Tag Team Championship"},
        .holders = {.primary = "Ambrose Fettle", .secondary = "Eamon Quill"},
        .owner = "Ambrose Fettle", .rivalSlot = 10,
    },
    {
        .button = "Command14", .caption = "TRI COUNTY ASSOCIATION OF PRO WRESTLING",
        .popularityLabel = "Label28", .moneyLabel = "Label25", .column = 1, .row = 2,
        .name = "TRI COUNTY ASSOCIATION OF PRO WRESTLING", .initials = "TAP", .popularity = 30, .money = 2500,
        .infoName = "Tri County Association of Pro Wrestling", .based = "East Midlands", .staffWord = "TAP",
        .titles = {.primary = "TAP Heavyweight Championship", .secondary = "TAP Junior Heavyweight Championship",
                   .tertiary = "TAP UK Championship", .tagTeam = "TAP Tag Tournament Championship"},
        .holders = {.primary = "Johnny Crask", .secondary = "Eamon Quill", .tertiary = "Nell Abberley",
                    .tagTeam = "Eamon Quill", .tagTeamPartner = "Connor Vale"},
        .owner = "Graham Oakley", .rivalSlot = 12,
    },
    {
        .button = "Command11", .caption = "INTERNATIONAL CHAMPIONSHIP WRESTLING",
        .popularityLabel = "Label9", .moneyLabel = "Label10", .column = 1, .row = 3,
        .name = "INTERNATIONAL CHAMPIONSHIP WRESTLING", .initials = "ICW", .popularity = 25, .money = 2500,
        .infoName = "International Championship Wrestling", .based = "Lancashire", .staffWord = "ICW",
        .titles = {.primary = "World Championship", .secondary = "International Championship",
                   .tertiary = "British Championship", .tagTeam = "Tag Team Championship"},
        .holders = {.tertiary = "Mags Thorley", .tagTeam = "Gideon Scarrow", .tagTeamPartner = "Mags Thorley"},
        .owner = "Gideon Scarrow", .rivalSlot = 9,
    },
    {
        .button = "Command13", .caption = "MIDLANDS PRO WRESTLING",
        .popularityLabel = "Label29", .moneyLabel = "Label24", .column = 1, .row = 4,
        .name = "MIDLANDS PRO WRESTLING", .initials = "MPW", .popularity = 20, .money = 1500,
        .infoName = "Midlands Pro Wrestling", .based = "Coventry", .staffWord = "MPW",
        .titles = {.primary = "MPW Mat Masters Championship", .secondary = "MPW Queen of the Ring Championship",
                   .tertiary = "MPW Tertiary Championship", .tagTeam = "MPW Tag Team Championship"},
        .holders = {.primary = "Gideon Scarrow", .secondary = "Nell Abberley"},
        .owner = "Phil Summerby", .rivalSlot = 11,
    },
}};

}  // namespace varnholt::presets

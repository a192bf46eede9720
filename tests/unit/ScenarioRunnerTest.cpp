// The play-test runner: how scenario lines are read, what a failure reports, what the player is
// refused, and the bytes the file fixtures write.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "forms/Files.h"
#include "forms/Numbers.h"
#include "game/Screen.h"
#include "scenario/Scenario.h"
#include "wrestlers/WrestlerRecord.h"

using namespace varnholt;
using namespace varnholt::scenario;

namespace {

// A screen of its own for the runner to play on: a question button, hidden and disabled buttons,
// a locked and a plain text box, a list and a button whose handler fails.
class RunnerTestScreen : public Screen {
public:
    static constexpr const char* Name = "Form90";
    static constexpr const char* Role = "RunnerTestScreen";

    explicit RunnerTestScreen(Game& game) : Screen(game, def()) {
        bind<RunnerTestScreen>({
            {"Command1", Event::Click, &RunnerTestScreen::ask},
            {"Command2", Event::Click, &RunnerTestScreen::hiddenClick},
            {"Command4", Event::Click, &RunnerTestScreen::failing},
            {"Text2", Event::Change, &RunnerTestScreen::echo},
            {"List1", Event::Click, &RunnerTestScreen::picked},
        });
    }

private:
    static const FormDef& def() {
        static const FormDef d{"Form90", "RunnerTestScreen", "Test", 6000, 4000, "", {
            button("Command1", 0, 0, 900, 300, "Ask"),
            button("Command2", 0, 300, 900, 300, "Hidden", forms::Hidden),
            button("Command3", 0, 600, 900, 300, "Off", forms::Disabled),
            button("Command4", 0, 900, 900, 300, "Fail"),
            label("Label1", 0, 1200, 900, 300, "start"),
            textBox("Text1", 0, 1500, 900, 300, "fixed", forms::Locked),
            textBox("Text2", 0, 1800, 900, 300),
            listBox("List1", 0, 2100, 900, 900, {"Alpha", "Beta"}),
        }};
        return d;
    }
    void ask() {
        bool yes = game_.msgBox("Really?", "Check", forms::MsgButtons::YesNo) == forms::MsgResult::Yes;
        c("Label1").setText(yes ? "yes" : "no");
    }
    void hiddenClick() { c("Label1").setText("hidden ran"); }
    void failing() { throw forms::TypeMismatch(); }
    void echo() { c("Label1").setText(c("Text2").text()); }
    void picked() { c("Label1").setText(c("Label1").text() + "+" + c("List1").text()); }
};

Options withTestScreen() {
    Options o;
    o.shippedFolder = fs::current_path();
    o.prepare = [](Game& game) {
        game.registerForm<RunnerTestScreen>(game);
        game.show(RunnerTestScreen::Name);
    };
    return o;
}

Result play(const std::string& text, Options options = withTestScreen()) { return runText(text, options); }

Step only(const std::string& line) {
    Result error;
    auto steps = parse(line, error);
    EXPECT_TRUE(error.passed) << error.message;
    EXPECT_EQ(steps.size(), 1u);
    return steps.empty() ? Step{} : steps.front();
}

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string recordBytes(const WrestlerRecord& r) {
    auto e = encodeRecord(r);
    return std::string(reinterpret_cast<const char*>(e.data()), e.size());
}

}  // namespace

TEST(ScenarioParse, QuotedTextsLoseTheirQuotesOnly) {
    EXPECT_EQ(only("expect Form4.Text1 \"\"").args.at(1), "");
    EXPECT_EQ(only("expect Form4.Text1 \" 35\"").args.at(1), " 35");
    EXPECT_EQ(only("expect Form4.Text1 Big Bob  Jr").args.at(1), "Big Bob  Jr");
    EXPECT_EQ(only("type Form4.Text1 say \"hi\" now").args.at(1), "say \"hi\" now");
    Step m = only("expect-message \"\" \"Are you sure? \"Yes\" quits\"");
    EXPECT_EQ(m.args.at(0), "");
    EXPECT_EQ(m.args.at(1), "Are you sure? \"Yes\" quits");
}

TEST(ScenarioParse, SkipsCommentsAndBlankLinesAndKeepsLineNumbers) {
    Result error;
    auto steps = parse("# a comment\r\n\n   # indented comment\n  click Form1.Image1\r\n\t\nexpect-no-message", error);
    ASSERT_TRUE(error.passed);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].line, 4);
    EXPECT_EQ(steps[0].keyword, "click");
    EXPECT_EQ(steps[0].args.at(0), "Form1.Image1");
    EXPECT_EQ(steps[1].line, 6);
}

TEST(ScenarioParse, RecordFieldsMayBeQuoted) {
    Step s = only("record data/promotion.dat 4 Name=\"Big Bob\" Over=70 Biography=\"\"");
    ASSERT_EQ(s.fields.size(), 3u);
    EXPECT_EQ(s.fields[0], (std::pair<std::string, std::string>{"Name", "Big Bob"}));
    EXPECT_EQ(s.fields[1], (std::pair<std::string, std::string>{"Over", "70"}));
    EXPECT_EQ(s.fields[2], (std::pair<std::string, std::string>{"Biography", ""}));
}

TEST(ScenarioParse, MalformedLinesFailAtTheirLine) {
    for (const char* bad : {"clik Form1.Image1", "click Form1", "click", "expect-shown Form1 extra",
                            "expect-message \"Exit?\"", "record data/x.dat 1 Name", "record data/x.dat 1 Name=\"Bob"}) {
        Result r = play(std::string("expect-shown Form1\n\n") + bad + "\nexpect-shown Form1");
        EXPECT_FALSE(r.passed) << bad;
        EXPECT_EQ(r.line, 3) << bad;
    }
}

TEST(ScenarioRun, AFailedCheckReportsLineExpectedAndFound) {
    Result r = play("expect Form90.Label1 start\n# then a wrong one\nexpect Form90.Label1 \"Start \"\n");
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.line, 3);
    EXPECT_EQ(r.message, "expected Form90.Label1 \"Start \", found \"start\"");
    EXPECT_EQ(report("a.scn", r), "FAIL a.scn:3: expected Form90.Label1 \"Start \", found \"start\"");
    EXPECT_EQ(report("a.scn", Result{}), "PASS a.scn");
}

TEST(ScenarioRun, PlayerStepsReachHandlers) {
    Result r = play(
        "type Form90.Text2 \" 35\"\n"
        "expect Form90.Label1 \" 35\"\n"
        "select Form90.List1 Beta\n"
        "select Form90.List1 Beta\n"
        "expect Form90.Label1 \" 35+Beta+Beta\"\n"
        "expect Form90.List1 Beta\n"
        "expect-items Form90.List1 Alpha | Beta\n"
        "invoke Form90.Command2 Click\n"
        "expect Form90.Label1 \"hidden ran\"\n");
    EXPECT_TRUE(r.passed) << r.line << ": " << r.message;
}

TEST(ScenarioRun, RefusesWhatThePlayerCannotReach) {
    struct Case {
        const char* step;
        const char* says;
    } cases[] = {
        {"click Form90.Command2", "invisible"},
        {"click Form90.Command3", "disabled"},
        {"click Form7.Command1", "not loaded"},
        {"type Form90.Text1 x", "locked"},
        {"select Form90.List1 Gamma", "\"Alpha | Beta\""},
        {"click Form90.Command9", "no control Command9"},
        {"click Nowhere.Command1", "no screen named Nowhere"},
        {"expect Form7.Command1 Continue", "not loaded"},
    };
    for (const auto& c : cases) {
        Result r = play(std::string("expect-shown Form90\n") + c.step);
        EXPECT_FALSE(r.passed) << c.step;
        EXPECT_EQ(r.line, 2) << c.step;
        EXPECT_NE(r.message.find(c.says), std::string::npos) << c.step << " -> " << r.message;
    }
}

TEST(ScenarioRun, HiddenScreensRefuseClicks) {
    Options o = withTestScreen();
    o.prepare = [](Game& game) {
        game.registerForm<RunnerTestScreen>(game);
        game.form(RunnerTestScreen::Name);  // loaded, never shown
    };
    Result r = play("expect-hidden Form90\nclick Form90.Command1", o);
    EXPECT_EQ(r.line, 2);
    EXPECT_NE(r.message.find("not shown"), std::string::npos) << r.message;
}

TEST(ScenarioRun, MessageBoxesAreAnsweredAndChecked) {
    EXPECT_TRUE(play("answer yes\nclick Form90.Command1\nexpect Form90.Label1 yes\n"
                     "expect-message \"Check\" \"Really?\"\nexpect-no-message").passed);

    Result unanswered = play("expect-no-message\nclick Form90.Command1\nexpect Form90.Label1 no");
    EXPECT_EQ(unanswered.line, 2);
    EXPECT_NE(unanswered.message.find("Really?"), std::string::npos) << unanswered.message;

    Result unchecked = play("answer no\nclick Form90.Command1\nexpect-no-message");
    EXPECT_EQ(unchecked.line, 3);
    EXPECT_EQ(unchecked.message, "expected no message box, found \"Check\" \"Really?\"");

    Result wrong = play("answer no\nclick Form90.Command1\nexpect-message \"Check\" \"Really\"");
    EXPECT_EQ(wrong.message, "expected message box \"Check\" \"Really\", found \"Check\" \"Really?\"");
}

TEST(ScenarioRun, ErrorsEscapingTheGameFailTheStep) {
    Result r = play("expect-shown Form90\nclick Form90.Command4\nexpect-shown Form90");
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(r.message, "run-time error 13: Type mismatch");
    EXPECT_EQ(play("expect-global NoSuchValue 1").message, "expected NoSuchValue \"1\", found no such value");
}

TEST(ScenarioRun, EachScenarioGetsItsOwnProgramFolder) {
    fs::path before = fs::current_path();
    fs::path used;
    Options o = withTestScreen();
    o.finish = [&](Game& game) {
        used = game.folder();
        EXPECT_EQ(fs::current_path(), used);
        EXPECT_NE(used, before);
    };
    Result r = play("expect-missing saves/s1/game.sav\nexpect-missing wrestlers.dat", o);
    EXPECT_TRUE(r.passed) << r.message;
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(used.empty());
    EXPECT_FALSE(fs::exists(used));
}

TEST(ScenarioFixtures, RecordWritesClearedGapsAndKeepsUnnamedFields) {
    std::string bytes;
    Options o = withTestScreen();
    o.finish = [&](Game& game) { bytes = bytesOf(forms::gamePath(game.folder(), "saves/s1/roster.dat")); };
    Result r = play(
        "record saves\\s1\\roster.dat 3 Name=\"Big Bob\" Over=70\n"
        "record saves/s1/roster.dat 3 Wage=500\n"
        "expect-records saves/s1/roster.dat 3\n"
        "expect-record saves/s1/roster.dat 3 Name Big Bob\n",
        o);
    ASSERT_TRUE(r.passed) << r.line << ": " << r.message;
    ASSERT_EQ(bytes.size(), 3u * RecordLength);
    WrestlerRecord want = WrestlerRecord::cleared();
    want.Id = 3;
    setRecordField(want, "Name", "Big Bob");
    want.Over = 70;
    want.Wage = 500;
    EXPECT_EQ(bytes.substr(0, RecordLength), recordBytes(WrestlerRecord::cleared()));
    EXPECT_EQ(bytes.substr(RecordLength, RecordLength), recordBytes(WrestlerRecord::cleared()));
    EXPECT_EQ(bytes.substr(2 * RecordLength), recordBytes(want));

    EXPECT_EQ(play("record a.dat 1 Over=big").line, 1);
    EXPECT_EQ(play("record a.dat 1 Weight=90").line, 1);
}

TEST(ScenarioFixtures, TruncateAndRecordCounts) {
    std::uintmax_t length = 1;
    Options o = withTestScreen();
    o.prepare = [](Game& game) {
        std::ofstream(forms::gamePath(game.folder(), "torn.dat"), std::ios::binary) << std::string(200, 'x');
        std::ofstream(forms::gamePath(game.folder(), "lines.txt"), std::ios::binary) << "one\r\ntwo\nthree";
    };
    o.finish = [&](Game& game) { length = forms::fileLength(forms::gamePath(game.folder(), "cut.dat")); };
    Result r = play(
        "record cut.dat 4 Name=Ann\ntruncate cut.dat 1\nexpect-records cut.dat 1\n"
        "expect-line lines.txt 1 one\nexpect-line lines.txt 2 two\nexpect-line lines.txt 3 three\n"
        "expect-records missing.dat 0\n",
        o);
    EXPECT_TRUE(r.passed) << r.line << ": " << r.message;
    EXPECT_EQ(length, static_cast<std::uintmax_t>(RecordLength));

    o.finish = nullptr;
    Result torn = play("expect-records torn.dat 1", o);
    EXPECT_EQ(torn.message, "expected torn.dat to hold 1 records, found 200 bytes, not a whole number of records");
    Result line = play("expect-line lines.txt 4 four", o);
    EXPECT_EQ(line.message, "expected line 4 of lines.txt \"four\", found 3 lines");

    Result gone = play("record b.dat 2 Over=1\nexpect-record b.dat 3 Over 1");
    EXPECT_EQ(gone.line, 2);
    EXPECT_NE(gone.message.find("found 2 records"), std::string::npos) << gone.message;
}

TEST(ScenarioFixtures, LineRewritesOneLineOfATextFile) {
    std::string bytes;
    Options o = withTestScreen();
    o.prepare = [](Game& game) {
        std::ofstream(forms::gamePath(game.folder(), "1.qavle"), std::ios::binary) << "one\r\ntwo\nthree";
    };
    o.finish = [&](Game& game) {
        bytes = bytesOf(forms::gamePath(game.folder(), "1.qavle"));
        // A file that was not there gets empty lines up to the one written.
        EXPECT_EQ(bytesOf(forms::gamePath(game.folder(), "new.qavle")), "\r\n\r\nCaf\xE9\r\n");
    };
    Result r = play("line 1.qavle 2 \" 2 \"\nline 1.qavle 5 last\nline new.qavle 3 Caf\xC3\xA9\n", o);
    ASSERT_TRUE(r.passed) << r.line << ": " << r.message;
    EXPECT_EQ(bytes, "one\r\n 2 \r\nthree\r\n\r\nlast\r\n");
    EXPECT_EQ(play("line 1.qavle 0 x").line, 1);
}

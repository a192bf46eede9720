// Screens in a program: loading on first use, nested loads, hide, unload, control arrays, lists,
// and the message and input boxes answered from a queue.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/Program.h"

using namespace forms;

namespace {

ControlDef control(ControlKind kind, const std::string& name, int index, const std::string& text, unsigned flags = 0,
                   std::vector<std::string> items = {}) {
    ControlDef d;
    d.kind = kind;
    d.name = name;
    d.index = index;
    d.width = 1000;
    d.height = 300;
    d.text = text;
    d.flags = flags;
    d.items = std::move(items);
    return d;
}

// A program that keeps a log of what the test screens' handlers did.
class LogProgram : public Program {
public:
    explicit LogProgram(Dialogs& d) : Program(".", d) {}
    std::vector<std::string> log;
    std::string seen;  // what a handler read, for the test to check
};

// A settings screen whose Load sets a field another screen reads while it loads.
class SettingsScreen : public Form {
public:
    static constexpr const char* Name = "Form2";
    static constexpr const char* Role = "Settings";
    static const FormDef Def;

    explicit SettingsScreen(LogProgram& p) : Form(p, Def), p_(p) {
        bind<SettingsScreen>({{"Form", Event::Load, &SettingsScreen::onLoad}});
    }

private:
    void onLoad() {
        p_.log.push_back("load Form2");
        c("Text1").setText("set by load");
    }
    LogProgram& p_;
};

const FormDef SettingsScreen::Def{
    "Form2", "Settings", "Settings", 6000, 4000, "",
    {control(ControlKind::TextBox, "Text1", -1, "design")},
};

class MainScreen : public Form {
public:
    static constexpr const char* Name = "Form1";
    static constexpr const char* Role = "MainMenu";
    static const FormDef Def;

    explicit MainScreen(LogProgram& p) : Form(p, Def), p_(p) {
        bind<MainScreen>({
            {"Form", Event::Load, &MainScreen::onLoad},
            {"Text1", Event::Change, &MainScreen::onText1Change},
            {"Command1", Event::Click, &MainScreen::onCommand1Click},
            {"Command2", Event::Click, &MainScreen::onCommand2Click},
            {"List1", Event::Click, &MainScreen::onList1Click},
        });
    }

    int loads = 0;

private:
    void onLoad() {
        ++loads;
        p_.log.push_back("load Form1 begins");
        // Reading this screen's own field while it loads must not load it again.
        p_.seen = p_.form("Form1").c("Text1").text();
        c("Label1").setCaption(p_.form("Settings").c("Text1").text());
        p_.log.push_back("load Form1 ends");
    }
    void onText1Change() { p_.log.push_back("change Text1 " + c("Text1").text()); }
    void onCommand1Click(int index) { p_.log.push_back("click Command1(" + std::to_string(index) + ")"); }
    void onCommand2Click() {
        unload();
        // The screen is gone from the registry but this handler goes on with its own fields.
        c("Text1").setText("after unload");
        p_.seen = c("Text1").text();
        p_.log.push_back("Command2 done");
    }
    void onList1Click() { p_.log.push_back("click List1 " + c("List1").text()); }

    LogProgram& p_;
};

const FormDef MainScreen::Def{
    "Form1", "MainMenu", "Main menu", 9000, 7000, "",
    {
        control(ControlKind::TextBox, "Text1", -1, "design text"),
        control(ControlKind::TextBox, "Text2", -1, "secret", Hidden | Disabled),
        control(ControlKind::Label, "Label1", -1, "label"),
        control(ControlKind::Button, "Command1", 0, "Left"),
        control(ControlKind::Button, "Command1", 1, "Right"),
        control(ControlKind::Button, "Command2", -1, "Close"),
        control(ControlKind::ListBox, "List1", -1, "", 0, {"Alpha", "Beta", "Gamma"}),
    },
};

// A screen whose Load unloads it again.
class RefusingScreen : public Form {
public:
    static constexpr const char* Name = "Form3";
    static constexpr const char* Role = "Refusing";
    static const FormDef Def;

    explicit RefusingScreen(LogProgram& p) : Form(p, Def), p_(p) {
        bind<RefusingScreen>({{"Form", Event::Load, &RefusingScreen::onLoad}});
    }

private:
    void onLoad() {
        p_.log.push_back("load Form3");
        unload();
    }
    LogProgram& p_;
};

const FormDef RefusingScreen::Def{"Form3", "Refusing", "Refusing", 3000, 2000, "", {}};

class Screens : public ::testing::Test {
protected:
    Screens() : program(dialogs) {
        program.registerForm<MainScreen>(program);
        program.registerForm<SettingsScreen>(program);
        program.registerForm<RefusingScreen>(program);
    }

    MainScreen& main() { return program.form<MainScreen>(); }
    std::vector<std::string> takeLog() {
        auto l = std::move(program.log);
        program.log.clear();
        return l;
    }

    QueuedDialogs dialogs;
    LogProgram program;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(Screens, NothingIsLoadedUntilFirstUse) {
    EXPECT_FALSE(program.isLoaded("Form1"));
    EXPECT_EQ(program.loaded<MainScreen>(), nullptr);
    EXPECT_TRUE(program.loadedForms().empty());
    EXPECT_TRUE(program.log.empty());
    EXPECT_TRUE(program.knows("Form1"));
    EXPECT_TRUE(program.knows("MainMenu"));
    EXPECT_FALSE(program.knows("Form9"));
    EXPECT_EQ(program.formNames(), (std::vector<std::string>{"Form1", "Form2", "Form3"}));
}

TEST_F(Screens, FirstAccessRunsLoadWhichLoadsTheScreensItReads) {
    Form& f = program.form("Form1");
    EXPECT_EQ(takeLog(), (Log{"load Form1 begins", "load Form2", "load Form1 ends"}));
    // Form2's Load ran before Form1 read its field.
    EXPECT_EQ(f.c("Label1").text(), "set by load");
    // Form1 was already loaded when its Load read its own field: no second load, design value seen.
    EXPECT_EQ(program.seen, "design text");
    EXPECT_EQ(main().loads, 1);
    EXPECT_TRUE(program.isLoaded("Form2"));
    EXPECT_FALSE(program.isShown("Form1"));

    auto order = program.loadedForms();
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0]->name(), "Form1");
    EXPECT_EQ(order[1]->name(), "Form2");

    program.form("Form1");
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(Screens, LookupByNameOrRoleFindsTheSameScreen) {
    Form& byName = program.form("Form1");
    EXPECT_EQ(&program.form("MainMenu"), &byName);
    EXPECT_EQ(&main(), &byName);
    EXPECT_EQ(program.loaded("MainMenu"), &byName);
    EXPECT_EQ(byName.role(), "MainMenu");
    EXPECT_THROW(program.form("NoSuchScreen"), std::logic_error);
    EXPECT_THROW(byName.c("Text99"), std::logic_error);
    EXPECT_EQ(byName.find("Text99"), nullptr);
}

TEST_F(Screens, ShowLoadsAndHideKeepsFields) {
    program.show("MainMenu");
    EXPECT_TRUE(program.isShown("Form1"));
    EXPECT_EQ(main().loads, 1);
    main().c("Text1").setText("typed");

    program.hide("Form1");
    EXPECT_FALSE(program.isShown("Form1"));
    EXPECT_TRUE(program.isLoaded("Form1"));
    EXPECT_EQ(main().c("Text1").text(), "typed");

    program.show("Form1");
    EXPECT_EQ(main().loads, 1);
    EXPECT_EQ(main().c("Text1").text(), "typed");
}

TEST_F(Screens, UnloadDiscardsEveryFieldAndTheNextAccessLoadsAgain) {
    main().c("Text1").setText("typed");
    main().c("List1").setListIndex(1);
    program.show("Form1");
    takeLog();

    program.unload("Form1");
    EXPECT_FALSE(program.isLoaded("Form1"));
    EXPECT_FALSE(program.isShown("Form1"));
    EXPECT_TRUE(program.isLoaded("Form2"));  // other screens stay
    program.collect();

    MainScreen& again = main();
    EXPECT_EQ(again.loads, 1);  // a fresh instance
    EXPECT_EQ(again.c("Text1").text(), "design text");
    EXPECT_EQ(again.c("List1").listIndex(), -1);
    EXPECT_FALSE(again.visible());
    EXPECT_EQ(takeLog(), (Log{"load Form1 begins", "load Form1 ends"}));  // Form2 still loaded
}

TEST_F(Screens, UnloadingAScreenThatIsNotLoadedDoesNothing) {
    program.unload("Form1");
    program.unload<SettingsScreen>();
    EXPECT_FALSE(program.isLoaded("Form1"));
    EXPECT_TRUE(program.log.empty());
    EXPECT_THROW(program.unload("NoSuchScreen"), std::logic_error);
}

TEST_F(Screens, AHandlerMayUnloadItsOwnScreenAndGoOn) {
    program.show("Form1");
    Form* before = &main();
    takeLog();

    before->c("Command2").playerClick();
    EXPECT_EQ(takeLog(), (Log{"Command2 done"}));  // no Change handler ran on the unloaded screen
    EXPECT_EQ(program.seen, "after unload");
    EXPECT_FALSE(program.isLoaded("Form1"));
    program.collect();

    EXPECT_EQ(main().c("Text1").text(), "design text");
}

TEST_F(Screens, ALoadHandlerMayUnloadItsOwnScreen) {
    program.form("Refusing");
    EXPECT_FALSE(program.isLoaded("Form3"));
    program.show("Form3");
    EXPECT_FALSE(program.isShown("Form3"));
    program.collect();
    EXPECT_EQ(takeLog(), (Log{"load Form3", "load Form3"}));
}

TEST_F(Screens, EndClosesEveryScreen) {
    program.show("Form1");
    program.end();
    EXPECT_TRUE(program.ended());
    EXPECT_TRUE(program.loadedForms().empty());
    program.show("Form1");
    EXPECT_FALSE(program.isLoaded("Form1"));
    program.collect();
}

TEST_F(Screens, ControlArrayHandlersReceiveTheIndex) {
    Form& f = main();
    takeLog();
    f.c("Command1", 1).playerClick();
    f.c("Command1(0)").playerClick();
    EXPECT_EQ(takeLog(), (Log{"click Command1(1)", "click Command1(0)"}));
    EXPECT_EQ(f.c("Command1", 1).text(), "Right");
    EXPECT_EQ(f.c("Command1", 0).key(), "Command1(0)");
    EXPECT_EQ(f.find("Command1"), nullptr);  // only its members have keys
}

TEST_F(Screens, DisabledHiddenControlsKeepTheirText) {
    Control& t = main().c("Text2");
    EXPECT_FALSE(t.enabled());
    EXPECT_FALSE(t.visible());
    EXPECT_EQ(t.text(), "secret");
    t.setText("changed by code");
    EXPECT_EQ(t.text(), "changed by code");
    t.setEnabled(true);
    t.setVisible(true);
    EXPECT_EQ(t.text(), "changed by code");
}

TEST_F(Screens, TextBoxChangeRunsOnlyWhenTheTextDiffers) {
    Control& t = main().c("Text1");
    takeLog();
    t.setText("design text");
    EXPECT_TRUE(takeLog().empty());
    t.setText("new");
    t.setText("new");
    t.playerType("typed");
    EXPECT_EQ(takeLog(), (Log{"change Text1 new", "change Text1 typed"}));
}

TEST_F(Screens, ListClicksRunAlsoForTheSelectedItem) {
    Control& list = main().c("List1");
    takeLog();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");

    list.playerSelect(1);
    list.playerSelect(1);
    EXPECT_EQ(takeLog(), (Log{"click List1 Beta", "click List1 Beta"}));

    list.setText("Gamma");
    EXPECT_EQ(list.listIndex(), 2);
    list.setText("Gamma");
    list.setListIndex(2);
    EXPECT_EQ(takeLog(), (Log{"click List1 Gamma", "click List1 Gamma", "click List1 Gamma"}));

    list.setText("Delta");  // not an item: the selection clears and no Click runs
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    list.setListIndex(-1);
    list.playerSelect(7);
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(Screens, LockedControlsTakeNoChangeFromThePlayerButFromTheGame) {
    Control& list = main().c("List1");
    Control& text = main().c("Text1");
    list.setListIndex(0);
    list.setLocked(true);
    text.setLocked(true);
    takeLog();
    list.playerSelect(2);
    text.playerType("typed");
    EXPECT_EQ(list.text(), "Alpha");
    EXPECT_EQ(text.text(), "design text");
    EXPECT_TRUE(takeLog().empty());

    list.setText("Beta");
    text.setText("written");
    EXPECT_EQ(takeLog(), (Log{"click List1 Beta", "change Text1 written"}));
}

// A screen that binds its click to a control its table lacks: a misspelt name in a binding table.
class MisboundScreen : public Form {
public:
    static const FormDef Def;
    explicit MisboundScreen(Program& p) : Form(p, Def) {
        bind<MisboundScreen>({{"Form", Event::Load, &MisboundScreen::onClick},
                              {"Command1", Event::Click, &MisboundScreen::onClick},
                              {"Comand1", Event::Click, &MisboundScreen::onClick}});
    }
    void onClick() {}
};
const FormDef MisboundScreen::Def{"Form7", "Misbound", "Misbound", 3000, 2000, "",
                                  {control(ControlKind::Button, "Command1", 0, "One")}};

TEST(ScreenTable, HandlersTheWayOutAndTheDefaultButtonMustNameAControlOfTheScreen) {
    try {
        QueuedDialogs dialogs;
        Program program(std::filesystem::temp_directory_path(), dialogs);
        MisboundScreen screen(program);
        ADD_FAILURE() << "a handler bound to a missing control was accepted";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("Comand1"), std::string::npos) << e.what();
    }

    QueuedDialogs dialogs;
    Program program(std::filesystem::temp_directory_path(), dialogs);
    static const FormDef good{"Form8", "Good", "Good", 3000, 2000, "",
                              {control(ControlKind::Button, "Command1", -1, "Back")}, "Command1"};
    static const FormDef bad{"Form9", "Bad", "Bad", 3000, 2000, "",
                             {control(ControlKind::Button, "Command1", -1, "Back")}, "Command2"};
    Form screen(program, good);
    ASSERT_NE(screen.wayOut(), nullptr);
    EXPECT_EQ(screen.wayOut()->caption(), "Back");
    EXPECT_THROW(Form(program, bad), std::logic_error);
    // Return in a box presses the default button: it must be a button.
    static const FormDef boxAsDefault{.name = "Form10", .role = "BoxAsDefault", .caption = "Box",
                                      .controls = {control(ControlKind::Button, "Command1", -1, "Save"),
                                                   control(ControlKind::TextBox, "Text1", -1, "")},
                                      .defaultButton = "Text1"};
    EXPECT_THROW(Form(program, boxAsDefault), std::logic_error);
}

TEST(ScreenTable, TwoControlsOfOneNameAreAFault) {
    QueuedDialogs dialogs;
    Program program(std::filesystem::temp_directory_path(), dialogs);
    auto screenOf = [](std::vector<ControlDef> controls) {
        return FormDef{.name = "Form11", .role = "Twice", .controls = std::move(controls)};
    };
    const FormDef pasted = screenOf({control(ControlKind::Button, "Command1", -1, "Save"),
                                     control(ControlKind::TextBox, "Text1", -1, ""),
                                     control(ControlKind::Button, "Command1", -1, "Cancel")});
    const FormDef sameIndex = screenOf({control(ControlKind::Label, "Label1", 0, "VS"),
                                        control(ControlKind::Label, "Label1", 0, "VS")});
    const FormDef plainAndMember = screenOf({control(ControlKind::Label, "Label1", -1, "VS"),
                                             control(ControlKind::Label, "Label1", 0, "VS")});
    for (const FormDef* faulty : {&pasted, &sameIndex, &plainAndMember}) {
        try {
            Form screen(program, *faulty);
            ADD_FAILURE() << "a second " << faulty->controls.back().name << " was accepted";
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(faulty->controls.back().name), std::string::npos) << e.what();
        }
    }
    // The members of a control array share their name.
    Form array(program, screenOf({control(ControlKind::Label, "Label1", 0, "VS"),
                                  control(ControlKind::Label, "Label1", 1, "VS")}));
    EXPECT_EQ(array.c("Label1", 1).caption(), "VS");
}

// A title card that goes on at a click on its picture, and opens on the control its table names.
class TitleCard : public Form {
public:
    TitleCard(Program& p, const FormDef& def, bool pictureClicks) : Form(p, def) {
        if (pictureClicks) bind<TitleCard>({{"Image1", Event::Click, &TitleCard::onClick}});
    }
    void onClick() {}
};

TEST(ScreenTable, AScreenOpensOnAControlTheKeyboardCanLandOn) {
    QueuedDialogs dialogs;
    Program program(std::filesystem::temp_directory_path(), dialogs);
    std::vector<std::unique_ptr<FormDef>> defs;
    // Registers a title card that opens on the given control, and builds it.
    auto build = [&](const std::string& opensOn, bool pictureClicks) {
        const std::string name = "Form" + std::to_string(20 + defs.size());
        defs.push_back(std::make_unique<FormDef>(FormDef{
            .name = name,
            .role = name,
            .controls = {control(ControlKind::Image, "Image1", -1, ""), control(ControlKind::Label, "Label1", -1, "Go"),
                         control(ControlKind::ListBox, "List1", -1, ""),
                         control(ControlKind::Button, "Command1", -1, "Go"), control(ControlKind::Frame, "Frame1", -1, ""),
                         control(ControlKind::Shape, "Shape1", -1, ""), control(ControlKind::VScrollBar, "VScroll1", -1, "")},
            .opensOn = opensOn}));
        const FormDef& def = *defs.back();
        program.registerForm(name, name, [&program, &def, pictureClicks] {
            return std::make_unique<TitleCard>(program, def, pictureClicks);
        });
        program.form(name);
    };
    EXPECT_THROW(build("Label1", true), std::logic_error);
    EXPECT_THROW(build("Image1", false), std::logic_error);
    EXPECT_NO_THROW(build("Image1", true));
    EXPECT_NO_THROW(build("List1", false));
    EXPECT_NO_THROW(build("Command1", false));
    // A frame, a shape and a scroll bar are never where the keyboard rests.
    for (const char* never : {"Frame1", "Shape1", "VScroll1"}) EXPECT_THROW(build(never, true), std::logic_error) << never;
}

TEST_F(Screens, RemovingItemsAdjustsTheSelection) {
    Control& list = main().c("List1");
    list.setText("Gamma");
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(), "Gamma");
    list.removeItem(5);
    EXPECT_EQ(list.listCount(), 2);
    list.removeItem(1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    list.addItem("Delta");
    list.setText("Delta");
    list.clear();
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(list.text(), "");
}

TEST(QueuedDialogBoxes, OkBoxesNeedNoAnswerButYesNoBoxesDo) {
    QueuedDialogs d;
    Program program(".", d);
    EXPECT_EQ(program.msgBox("Saved."), MsgResult::OK);
    EXPECT_THROW(program.msgBox("Quit?", "", MsgButtons::YesNo), UnansweredDialog);

    d.queueAnswer(MsgResult::No);
    EXPECT_EQ(program.msgBox("Note."), MsgResult::OK);  // the No waits for a Yes/No box
    EXPECT_EQ(d.pendingAnswers(), 1u);
    EXPECT_EQ(program.msgBox("Quit?", "Leaving", MsgButtons::YesNo, MsgIcon::Question), MsgResult::No);

    d.queueAnswer(MsgResult::OK);
    EXPECT_THROW(program.msgBox("Quit?", "", MsgButtons::YesNo), UnansweredDialog);
    EXPECT_EQ(program.msgBox("Done."), MsgResult::OK);
    EXPECT_EQ(d.pendingAnswers(), 0u);
}

TEST(QueuedDialogBoxes, ShownBoxesAreRecordedInOrder) {
    QueuedDialogs d;
    Program program(".", d);
    d.queueAnswer(MsgResult::Yes);
    program.msgBox("first");
    program.msgBox("second", "Titled", MsgButtons::YesNo);

    ASSERT_EQ(d.shown().size(), 2u);
    EXPECT_EQ(d.uncheckedCount(), 2u);
    auto a = d.nextUnchecked();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->title, "QAVLE");
    EXPECT_EQ(a->text, "first");
    EXPECT_EQ(a->answer, MsgResult::OK);
    auto b = d.nextUnchecked();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->title, "Titled");
    EXPECT_EQ(b->buttons, MsgButtons::YesNo);
    EXPECT_EQ(b->answer, MsgResult::Yes);
    EXPECT_FALSE(d.nextUnchecked());
    EXPECT_EQ(d.uncheckedCount(), 0u);

    program.msgBox("third");
    EXPECT_EQ(d.nextUnchecked()->text, "third");
}

TEST(QueuedDialogBoxes, InputBoxesReturnQueuedTextOrNothingForCancel) {
    QueuedDialogs d;
    Program program(".", d);
    d.queueInput("Slot 2");
    d.queueInput(std::nullopt);
    EXPECT_EQ(program.inputBox("Name your save"), std::optional<std::string>("Slot 2"));
    EXPECT_EQ(program.inputBox("Name your save", "Save"), std::nullopt);
    EXPECT_THROW(program.inputBox("Again?"), UnansweredDialog);

    ASSERT_EQ(d.prompted().size(), 3u);
    EXPECT_EQ(d.prompted()[0].title, "QAVLE");
    EXPECT_EQ(d.prompted()[1].title, "Save");
    EXPECT_EQ(d.prompted()[2].prompt, "Again?");
}

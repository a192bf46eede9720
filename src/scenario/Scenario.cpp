#include "scenario/Scenario.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>

#include "forms/Cp1252.h"
#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "forms/Numbers.h"
#include "game/Game.h"
#include "scenario/ProgramFolder.h"
#include "wrestlers/RecordFiles.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt::scenario {

namespace {

// A failed step: what was expected and what was found.
struct Failure {
    std::string message;
};

[[noreturn]] void fail(std::string message) { throw Failure{std::move(message)}; }

std::string unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

std::string inQuotes(std::string_view s) { return "\"" + std::string(s) + "\""; }

std::optional<long> number(std::string_view s) {
    long v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

long mustNumber(std::string_view s, std::string_view what) {
    auto v = number(s);
    if (!v) fail("expected " + std::string(what) + " as a whole number, found " + inQuotes(s));
    return *v;
}

std::string joinItems(const std::vector<std::string>& items) {
    if (items.empty()) return "no items";
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? " | " : "") + items[i];
    return inQuotes(out);
}

std::vector<std::string> splitItems(const std::string& s) {
    std::vector<std::string> items;
    if (s.empty()) return items;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = s.find(" | ", start);
        items.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 3;
    }
    return items;
}

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::error_code ec;
    if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) fail("could not write " + p.string());
}

class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& p) : old_(fs::current_path()) { fs::current_path(p); }
    ~CurrentFolder() {
        std::error_code ec;
        fs::current_path(old_, ec);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    fs::path old_;
};

// Plays the steps of one scenario on one fresh game: one method per step of the language, each
// reached through the table of keywords below.
class Player {
public:
    Player(Game& game, forms::QueuedDialogs& dialogs, fs::path folder)
        : game_(game), dialogs_(dialogs), folder_(std::move(folder)) {}

    void run(const Step& s);

    // Player steps.
    void click(const Step& s) { reachable(target(s.args[0]), "click").playerClick(); }
    void type(const Step& s);
    void selectItem(const Step& s);
    void scroll(const Step& s);
    void close(const Step& s);
    void escape(const Step& s);
    void answer(const Step& s);
    void input(const Step& s) { dialogs_.queueInput(s.args[0]); }
    void inputCancel(const Step&) { dialogs_.queueInput(std::nullopt); }
    void invoke(const Step& s);
    void set(const Step& s);
    // Checks.
    void expect(const Step& s);
    void expectItems(const Step& s);
    void expectScreen(const Step& s);
    void expectControlState(const Step& s);
    void expectMessage(const Step& s);
    void expectNoMessage(const Step& s);
    void expectGlobal(const Step& s);
    void expectRecord(const Step& s);
    void expectRecords(const Step& s);
    void expectLine(const Step& s);
    void expectExists(const Step& s);
    void expectMissing(const Step& s);
    // Fixtures.
    void writeRecord(const Step& s);
    void truncateFile(const Step& s);
    void rewriteLine(const Step& s);

private:
    using Kind = forms::ControlKind;

    struct Target {
        std::string form, control;
        std::string text() const { return form + "." + control; }
    };
    static Target target(const std::string& arg) {
        std::size_t dot = arg.find('.');
        return {arg.substr(0, dot), arg.substr(dot + 1)};
    }

    void mustKnow(const std::string& form) const {
        if (!game_.knows(form)) fail("no screen named " + form);
    }
    static forms::Control& controlOf(forms::Form& form, const Target& t) {
        forms::Control* c = form.find(t.control);
        if (!c) fail("screen " + t.form + " has no control " + t.control);
        return *c;
    }
    // A control the player can reach: its screen shown, itself visible and enabled.
    forms::Control& reachable(const Target& t, const std::string& action) {
        mustKnow(t.form);
        forms::Form* f = game_.loaded(t.form);
        if (!f) fail("cannot " + action + " " + t.text() + ": screen " + t.form + " is not loaded");
        if (!f->visible()) fail("cannot " + action + " " + t.text() + ": screen " + t.form + " is not shown");
        forms::Control& c = controlOf(*f, t);
        if (!c.visible()) fail("cannot " + action + " " + t.text() + ": the control is invisible");
        if (!c.enabled()) fail("cannot " + action + " " + t.text() + ": the control is disabled");
        return c;
    }
    // A control of a loaded screen, for checks; nothing is loaded by looking.
    forms::Control& checked(const Target& t, const std::string& expectation) {
        mustKnow(t.form);
        forms::Form* f = game_.loaded(t.form);
        if (!f) fail("expected " + expectation + ", found screen " + t.form + " not loaded");
        return controlOf(*f, t);
    }
    // A control as the game's own code reaches it: its screen is loaded when it is not.
    forms::Control& loading(const Target& t) {
        mustKnow(t.form);
        return controlOf(game_.form(t.form), t);
    }
    static bool isList(const forms::Control& c) {
        return c.kind() == Kind::ListBox || c.kind() == Kind::ComboBox || c.kind() == Kind::FileListBox;
    }
    static std::string shownText(const forms::Control& c) {
        return c.kind() == Kind::VScrollBar ? std::to_string(c.value()) : c.text();
    }
    std::string screenState(const std::string& form) const {
        forms::Form* f = game_.loaded(form);
        return !f ? "unloaded" : f->visible() ? "shown" : "hidden";
    }
    fs::path file(const std::string& relative) const { return forms::gamePath(folder_, relative); }

    Game& game_;
    forms::QueuedDialogs& dialogs_;
    fs::path folder_;
};

// One keyword of the scenario language: the shape of its arguments, one letter each, and its step.
//   T  FORM.CONTROL      W  a word without blanks      F  a screen name
//   R  the rest of the line, unquoted (may be missing: empty)
//   Q  two quoted texts  P  FIELD=VALUE pairs (the rest of the line)
// Adding a step to the language is one row here and one method of Player.
struct Keyword {
    std::string_view name;
    std::string_view shape;
    void (Player::*step)(const Step&);
};

constexpr Keyword keywords[] = {
    {"click", "T", &Player::click},
    {"type", "TR", &Player::type},
    {"select", "TR", &Player::selectItem},
    {"scroll", "TW", &Player::scroll},
    {"close", "F", &Player::close},
    {"escape", "F", &Player::escape},
    {"answer", "W", &Player::answer},
    {"input", "R", &Player::input},
    {"input-cancel", "", &Player::inputCancel},
    {"invoke", "TW", &Player::invoke},
    {"set", "TR", &Player::set},
    {"expect", "TR", &Player::expect},
    {"expect-items", "TR", &Player::expectItems},
    {"expect-shown", "F", &Player::expectScreen},
    {"expect-hidden", "F", &Player::expectScreen},
    {"expect-unloaded", "F", &Player::expectScreen},
    {"expect-enabled", "T", &Player::expectControlState},
    {"expect-disabled", "T", &Player::expectControlState},
    {"expect-visible", "T", &Player::expectControlState},
    {"expect-invisible", "T", &Player::expectControlState},
    {"expect-message", "Q", &Player::expectMessage},
    {"expect-no-message", "", &Player::expectNoMessage},
    {"expect-global", "WR", &Player::expectGlobal},
    {"expect-record", "WWWR", &Player::expectRecord},
    {"expect-records", "WW", &Player::expectRecords},
    {"expect-line", "WWR", &Player::expectLine},
    {"expect-exists", "W", &Player::expectExists},
    {"expect-missing", "W", &Player::expectMissing},
    {"record", "WWP", &Player::writeRecord},
    {"truncate", "WW", &Player::truncateFile},
    {"line", "WWR", &Player::rewriteLine},
};

// A new row cannot slip in a shape the reader does not know, an argument after one that takes the
// rest of the line, or a keyword written twice.
constexpr bool wellFormed(const Keyword& k) {
    for (std::size_t i = 0; i < k.shape.size(); ++i) {
        if (std::string_view("TWFRQP").find(k.shape[i]) == std::string_view::npos) return false;
        if (std::string_view("RQP").find(k.shape[i]) != std::string_view::npos && i + 1 != k.shape.size()) return false;
    }
    for (const Keyword& other : keywords)
        if (&other != &k && other.name == k.name) return false;
    return !k.name.empty();
}
static_assert(std::all_of(std::begin(keywords), std::end(keywords), wellFormed));

const Keyword* findKeyword(std::string_view name) {
    auto k = std::find_if(std::begin(keywords), std::end(keywords), [&](const Keyword& k) { return k.name == name; });
    return k == std::end(keywords) ? nullptr : k;
}

void Player::run(const Step& s) {
    const Keyword* k = findKeyword(s.keyword);
    if (!k) fail("unknown step " + inQuotes(s.keyword));
    (this->*k->step)(s);
}

void Player::type(const Step& s) {
    forms::Control& c = reachable(target(s.args[0]), "type into");
    if (c.kind() != Kind::TextBox && c.kind() != Kind::ComboBox) fail("cannot type into " + s.args[0] + ": it is not a text box");
    if (c.locked()) fail("cannot type into " + s.args[0] + ": the text box is locked");
    c.playerType(s.args[1]);
}

void Player::selectItem(const Step& s) {
    forms::Control& c = reachable(target(s.args[0]), "select in");
    if (!isList(c)) fail("cannot select in " + s.args[0] + ": it is not a list");
    const auto& items = c.items();
    auto it = std::find(items.begin(), items.end(), s.args[1]);
    if (it == items.end())
        fail("expected an item " + inQuotes(s.args[1]) + " in " + s.args[0] + ", found " + joinItems(items));
    c.playerSelect(static_cast<int>(it - items.begin()));
}

void Player::scroll(const Step& s) {
    forms::Control& c = reachable(target(s.args[0]), "scroll");
    if (c.kind() != Kind::VScrollBar) fail("cannot scroll " + s.args[0] + ": it is not a scroll bar");
    c.playerScroll(static_cast<int>(mustNumber(s.args[1], "the value")));
}

void Player::close(const Step& s) {
    const std::string& form = s.args[0];
    mustKnow(form);
    if (screenState(form) != "shown") fail("cannot close " + form + ": it is " + screenState(form));
    game_.playerClose(form);
}

void Player::escape(const Step& s) {
    const std::string& form = s.args[0];
    mustKnow(form);
    if (screenState(form) != "shown") fail("cannot press Escape on " + form + ": it is " + screenState(form));
    game_.playerEscape(form);
}

void Player::answer(const Step& s) {
    static const std::map<std::string, forms::MsgResult, std::less<>> answers = {
        {"yes", forms::MsgResult::Yes}, {"no", forms::MsgResult::No}, {"ok", forms::MsgResult::OK}};
    auto a = answers.find(s.args[0]);
    if (a == answers.end()) fail("expected yes, no or ok, found " + inQuotes(s.args[0]));
    dialogs_.queueAnswer(a->second);
}

void Player::invoke(const Step& s) {
    static const std::map<std::string, forms::Event, std::less<>> events = {
        {"Click", forms::Event::Click}, {"Change", forms::Event::Change}, {"DblClick", forms::Event::DblClick}};
    auto e = events.find(s.args[1]);
    if (e == events.end()) fail("expected Click, Change or DblClick, found " + inQuotes(s.args[1]));
    forms::Control& c = loading(target(s.args[0]));
    c.form().fire(c, e->second);
}

void Player::set(const Step& s) {
    forms::Control& c = loading(target(s.args[0]));
    if (c.kind() == Kind::VScrollBar) c.setValue(static_cast<int>(mustNumber(s.args[1], "the value")));
    else c.setText(s.args[1]);
}

void Player::expect(const Step& s) {
    const auto& a = s.args;
    forms::Control& c = checked(target(a[0]), a[0] + " " + inQuotes(a[1]));
    std::string found = shownText(c);
    if (found != a[1]) fail("expected " + a[0] + " " + inQuotes(a[1]) + ", found " + inQuotes(found));
}

void Player::expectItems(const Step& s) {
    std::vector<std::string> want = splitItems(s.args[1]);
    std::string expectation = s.args[0] + " items " + joinItems(want);
    forms::Control& c = checked(target(s.args[0]), expectation);
    if (!isList(c)) fail("expected " + expectation + ", found a control that is not a list");
    if (c.items() != want) fail("expected " + expectation + ", found " + joinItems(c.items()));
}

// expect-shown, expect-hidden, expect-unloaded: the state is the keyword's second word.
void Player::expectScreen(const Step& s) {
    std::string want = s.keyword.substr(std::string("expect-").size());
    mustKnow(s.args[0]);
    std::string found = screenState(s.args[0]);
    if (found != want) fail("expected " + s.args[0] + " " + want + ", found it " + found);
}

// expect-enabled, expect-disabled, expect-visible, expect-invisible: likewise.
void Player::expectControlState(const Step& s) {
    std::string want = s.keyword.substr(std::string("expect-").size());
    forms::Control& c = checked(target(s.args[0]), s.args[0] + " " + want);
    std::string found;
    if (want == "enabled" || want == "disabled") found = c.enabled() ? "enabled" : "disabled";
    else found = c.visible() ? "visible" : "invisible";
    if (found != want) fail("expected " + s.args[0] + " " + want + ", found it " + found);
}

void Player::expectMessage(const Step& s) {
    const auto& a = s.args;
    std::string want = "message box " + inQuotes(a[0]) + " " + inQuotes(a[1]);
    auto m = dialogs_.nextUnchecked();
    if (!m) fail("expected " + want + ", found no message box");
    if (m->title != a[0] || m->text != a[1]) fail("expected " + want + ", found " + inQuotes(m->title) + " " + inQuotes(m->text));
}

void Player::expectNoMessage(const Step&) {
    if (dialogs_.uncheckedCount() == 0) return;
    std::string found;
    while (auto m = dialogs_.nextUnchecked()) found += (found.empty() ? "" : ", ") + inQuotes(m->title) + " " + inQuotes(m->text);
    fail("expected no message box, found " + found);
}

void Player::expectGlobal(const Step& s) {
    const auto& a = s.args;
    auto v = game_.global(a[0]);
    if (!v) fail("expected " + a[0] + " " + inQuotes(a[1]) + ", found no such value");
    if (*v != a[1]) fail("expected " + a[0] + " " + inQuotes(a[1]) + ", found " + inQuotes(*v));
}

void Player::expectRecord(const Step& s) {
    const auto& a = s.args;
    long n = mustNumber(a[1], "the record number");
    std::string want = a[0] + " record " + a[1] + " " + a[2] + " " + inQuotes(a[3]);
    std::string bytes = readBytes(file(a[0]));
    long whole = static_cast<long>(bytes.size() / RecordLength);
    if (n < 1 || n > whole) fail("expected " + want + ", found " + std::to_string(whole) + " records");
    WrestlerRecord r = decodeRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + (n - 1) * RecordLength);
    auto v = recordField(r, a[2]);
    if (!v) fail("expected " + want + ", found no field named " + a[2]);
    if (*v != a[3]) fail("expected " + want + ", found " + inQuotes(*v));
}

void Player::expectRecords(const Step& s) {
    long n = mustNumber(s.args[1], "the record count");
    fs::path p = file(s.args[0]);
    std::uintmax_t length = forms::fileLength(p);
    std::string want = "expected " + s.args[0] + " to hold " + s.args[1] + " records";
    if (length % RecordLength != 0)
        fail(want + ", found " + std::to_string(length) + " bytes, not a whole number of records");
    long whole = static_cast<long>(length / RecordLength);
    if (whole != n) {
        std::error_code ec;
        fail(want + ", found " + std::to_string(whole) + (fs::exists(p, ec) ? "" : " (the file is missing)"));
    }
}

void Player::expectLine(const Step& s) {
    const auto& a = s.args;
    long k = mustNumber(a[1], "the line number");
    std::string want = "expected line " + a[1] + " of " + a[0] + " " + inQuotes(a[2]);
    fs::path p = file(a[0]);
    if (!forms::fileExists(p)) fail(want + ", found the file missing");
    std::vector<std::string> lines = forms::readLines(p);
    if (k < 1 || k > static_cast<long>(lines.size())) fail(want + ", found " + std::to_string(lines.size()) + " lines");
    const std::string& line = lines[static_cast<std::size_t>(k - 1)];
    // The game writes its texts in Windows-1252; a line that is not the same bytes may be.
    if (line != a[2] && forms::cp1252ToUtf8(line) != a[2]) fail(want + ", found " + inQuotes(line));
}

void Player::expectExists(const Step& s) {
    std::error_code ec;
    if (!fs::exists(file(s.args[0]), ec)) fail("expected " + s.args[0] + " to exist, found it missing");
}

void Player::expectMissing(const Step& s) {
    std::error_code ec;
    if (fs::exists(file(s.args[0]), ec)) fail("expected " + s.args[0] + " missing, found it there");
}

void Player::writeRecord(const Step& s) {
    const auto& a = s.args;
    long n = mustNumber(a[1], "the record number");
    if (n < 1) fail("expected a record number from 1, found " + a[1]);
    fs::path p = file(a[0]);
    std::string bytes = readBytes(p);
    std::size_t whole = bytes.size() / RecordLength;
    auto at = static_cast<std::size_t>(n - 1) * RecordLength;

    WrestlerRecord r = WrestlerRecord::cleared();
    if (static_cast<std::size_t>(n) <= whole) r = decodeRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + at);
    else r.Id = IdForPosition(n);
    for (const auto& [field, value] : s.fields)
        if (!setRecordField(r, field, value)) fail("could not set " + field + " to " + inQuotes(value) + " in " + a[0] + " record " + a[1]);

    if (static_cast<std::size_t>(n) > whole) {
        bytes.resize(whole * RecordLength);  // a torn last record is dropped
        auto blank = encodeRecord(WrestlerRecord::cleared());
        while (bytes.size() < at) bytes.append(reinterpret_cast<const char*>(blank.data()), blank.size());
        bytes.resize(at + RecordLength);
    }
    auto encoded = encodeRecord(r);
    std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    writeBytes(p, bytes);
}

void Player::truncateFile(const Step& s) {
    long n = mustNumber(s.args[1], "the record count");
    if (n < 0) fail("expected a record count of 0 or more, found " + s.args[1]);
    fs::path p = file(s.args[0]);
    std::error_code ec;
    if (!fs::exists(p, ec)) writeBytes(p, {});
    fs::resize_file(p, static_cast<std::uintmax_t>(n) * RecordLength, ec);
    if (ec) fail("could not resize " + s.args[0] + ": " + ec.message());
}

void Player::rewriteLine(const Step& s) {
    long n = mustNumber(s.args[1], "the line number");
    if (n < 1) fail("expected a line number from 1, found " + s.args[1]);
    fs::path p = file(s.args[0]);
    std::vector<std::string> lines = forms::readLines(p);
    if (lines.size() < static_cast<std::size_t>(n)) lines.resize(static_cast<std::size_t>(n));
    lines[static_cast<std::size_t>(n - 1)] = forms::utf8ToCp1252(s.args[2]);
    if (!forms::writeLines(p, lines)) fail("could not write " + s.args[0]);
}

// Reads the arguments after a keyword, one letter of its shape at a time. A reader that returns false
// has said why in `why`.
class Arguments {
public:
    Arguments(Step& step, std::string_view afterKeyword, bool present, std::string& why)
        : step_(step), rest_(afterKeyword), hasRest_(present), why_(why) {}

    bool read(char kind) {
        switch (kind) {
            case 'R': return restOfLine();
            case 'Q': return twoQuoted();
            case 'P': return fieldPairs();
            default: return word(kind);
        }
    }
    bool finished() {
        if (hasRest_) why_ = step_.keyword + ": unexpected " + inQuotes(rest_) + " at the end of the line";
        return !hasRest_;
    }

private:
    // T, W, F: the next word.
    bool word(char kind) {
        if (!hasRest_ || rest_.empty() || rest_.front() == ' ')
            return refuse("missing " + std::string(kind == 'T' ? "FORM.CONTROL" : kind == 'F' ? "FORM" : "argument"));
        std::size_t end = rest_.find(' ');
        std::string w(rest_.substr(0, end));
        hasRest_ = end != std::string_view::npos;
        rest_ = hasRest_ ? rest_.substr(end + 1) : std::string_view{};
        std::size_t dot = w.find('.');
        if (kind == 'T' && (dot == std::string::npos || dot == 0 || dot + 1 == w.size()))
            return refuse("expected FORM.CONTROL, found " + inQuotes(w));
        step_.args.push_back(std::move(w));
        return true;
    }
    bool restOfLine() {
        step_.args.push_back(unquote(rest_));
        return consumed();
    }
    // "TITLE" "TEXT": the title ends at the first quote-blank-quote.
    bool twoQuoted() {
        std::size_t split = rest_.size() >= 2 && rest_.front() == '"' ? rest_.find("\" \"", 1) : rest_.npos;
        std::string_view second = split == rest_.npos ? std::string_view{} : rest_.substr(split + 2);
        if (split == rest_.npos || second.size() < 2 || second.back() != '"')
            return refuse("expected \"TITLE\" \"TEXT\", found " + inQuotes(rest_));
        step_.args.push_back(std::string(rest_.substr(1, split - 1)));
        step_.args.push_back(unquote(second));
        return consumed();
    }
    bool fieldPairs() {
        std::size_t i = 0;
        while (i < rest_.size()) {
            if (rest_[i] == ' ') ++i;
            else if (!fieldPair(i)) return false;
        }
        return consumed();
    }
    // Name=Value or Name="two words" from position i, which it moves past the pair.
    bool fieldPair(std::size_t& i) {
        std::size_t eq = rest_.find('=', i);
        std::size_t blank = rest_.find(' ', i);
        if (eq == std::string_view::npos || (blank != std::string_view::npos && blank < eq) || eq == i)
            return refuse("expected FIELD=VALUE, found " + inQuotes(rest_.substr(i, blank == std::string_view::npos ? rest_.npos : blank - i)));
        std::string name(rest_.substr(i, eq - i));
        i = eq + 1;
        std::size_t end = rest_.find(' ', i);
        if (i < rest_.size() && rest_[i] == '"') {
            end = rest_.find('"', i + 1);
            if (end == std::string_view::npos) return refuse("the value of " + name + " has no closing quote");
            if (end + 1 < rest_.size() && rest_[end + 1] != ' ') return refuse("expected a blank after the quoted value of " + name);
            step_.fields.emplace_back(std::move(name), std::string(rest_.substr(i + 1, end - i - 1)));
            i = end + 1;
            return true;
        }
        if (end == std::string_view::npos) end = rest_.size();
        step_.fields.emplace_back(std::move(name), std::string(rest_.substr(i, end - i)));
        i = end;
        return true;
    }
    bool consumed() {
        rest_ = {};
        hasRest_ = false;
        return true;
    }
    bool refuse(const std::string& what) {
        why_ = step_.keyword + ": " + what;
        return false;
    }

    Step& step_;
    std::string_view rest_;
    bool hasRest_;
    std::string& why_;
};

// Reads one step from a line that is neither blank nor a comment; fills `why` when it is malformed.
std::optional<Step> parseLine(std::string_view line, int number, std::string& why) {
    Step step;
    step.line = number;
    std::size_t blank = line.find(' ');
    step.keyword = std::string(line.substr(0, blank));
    const Keyword* keyword = findKeyword(step.keyword);
    if (!keyword) {
        why = "unknown step " + inQuotes(step.keyword);
        return std::nullopt;
    }
    bool hasRest = blank != std::string_view::npos;
    Arguments args(step, hasRest ? line.substr(blank + 1) : std::string_view{}, hasRest, why);
    for (char kind : keyword->shape)
        if (!args.read(kind)) return std::nullopt;
    if (!args.finished()) return std::nullopt;
    return step;
}

// The message of anything that escaped the game during a step.
std::string escaped(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const Failure& f) {
        return f.message;
    } catch (const forms::RuntimeError& x) {
        return "run-time error " + std::to_string(x.code()) + ": " + x.what();
    } catch (const forms::UnansweredDialog& x) {
        return x.what();
    } catch (const std::exception& x) {
        return x.what();
    } catch (...) {
        return "an unknown error";
    }
}

}  // namespace

std::vector<Step> parse(std::string_view text, Result& error) {
    std::vector<Step> steps;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        start = end == text.npos ? text.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t first = line.find_first_not_of(" \t");
        if (first == line.npos || line[first] == '#') continue;
        std::string why;
        auto step = parseLine(line.substr(first), number, why);
        if (!step) {
            error = {false, number, why};
            return steps;
        }
        steps.push_back(std::move(*step));
    }
    return steps;
}

Result runText(std::string_view text, const Options& options) {
    Result result;
    std::vector<Step> steps = parse(text, result);
    if (!result.passed) return result;

    std::optional<ProgramFolder> folder;
    try {
        folder.emplace("varnholt-scenario", options.shippedFolder);
    } catch (const std::exception& e) {
        return {false, 0, e.what()};
    }
    int line = steps.empty() ? 1 : steps.front().line;
    try {
        CurrentFolder here(folder->path());
        forms::QueuedDialogs dialogs;
        Game game(folder->path(), dialogs);
        if (options.prepare) options.prepare(game);
        try {
            game.start();
            game.collect();
        } catch (...) {
            return {false, line, "the program's start-up failed: " + escaped(std::current_exception())};
        }
        Player player(game, dialogs, folder->path());
        for (const Step& s : steps) {
            line = s.line;
            player.run(s);
            game.afterPlayerAction();
            game.collect();
        }
        if (options.finish) options.finish(game);
    } catch (...) {
        return {false, line, escaped(std::current_exception())};
    }
    return result;
}

Result runFile(const fs::path& file, const Options& options) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {false, 0, "cannot read the scenario file"};
    std::ostringstream all;
    all << in.rdbuf();
    return runText(all.str(), options);
}

std::string report(const std::string& fileName, const Result& result) {
    if (result.passed) return "PASS " + fileName;
    return "FAIL " + fileName + ":" + std::to_string(result.line) + ": " + result.message;
}

}  // namespace varnholt::scenario

#include "scenario/Scenario.h"

#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>

#include "forms/Cp1252.h"
#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "forms/Numbers.h"
#include "game/Game.h"
#include "wrestlers/RecordFiles.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt::scenario {

namespace {

// The shape of a step's arguments, one letter each:
//   T  FORM.CONTROL      W  a word without blanks      F  a screen name
//   R  the rest of the line, unquoted (may be missing: empty)
//   Q  two quoted texts  P  FIELD=VALUE pairs (the rest of the line)
const std::map<std::string, std::string, std::less<>>& shapes() {
    static const std::map<std::string, std::string, std::less<>> table = {
        {"click", "T"},
        {"type", "TR"},
        {"select", "TR"},
        {"scroll", "TW"},
        {"close", "F"},
        {"answer", "W"},
        {"input", "R"},
        {"input-cancel", ""},
        {"invoke", "TW"},
        {"set", "TR"},
        {"expect", "TR"},
        {"expect-items", "TR"},
        {"expect-shown", "F"},
        {"expect-hidden", "F"},
        {"expect-unloaded", "F"},
        {"expect-enabled", "T"},
        {"expect-disabled", "T"},
        {"expect-visible", "T"},
        {"expect-invisible", "T"},
        {"expect-message", "Q"},
        {"expect-no-message", ""},
        {"expect-global", "WR"},
        {"expect-record", "WWWR"},
        {"expect-records", "WW"},
        {"expect-line", "WWR"},
        {"expect-exists", "W"},
        {"expect-missing", "W"},
        {"record", "WWP"},
        {"truncate", "WW"},
        {"line", "WWR"},
    };
    return table;
}

std::string unquote(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

std::string inQuotes(std::string_view s) { return "\"" + std::string(s) + "\""; }

// Splits "Name=Value Name=\"two words\"" into pairs; false when it is not of that form.
bool parsePairs(std::string_view s, std::vector<std::pair<std::string, std::string>>& out, std::string& why) {
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t eq = s.find('=', i);
        std::size_t blank = s.find(' ', i);
        if (eq == std::string_view::npos || (blank != std::string_view::npos && blank < eq) || eq == i) {
            why = "expected FIELD=VALUE, found " + inQuotes(s.substr(i, blank == std::string_view::npos ? s.npos : blank - i));
            return false;
        }
        std::string name(s.substr(i, eq - i));
        i = eq + 1;
        std::string value;
        if (i < s.size() && s[i] == '"') {
            std::size_t close = s.find('"', i + 1);
            if (close == std::string_view::npos) {
                why = "the value of " + name + " has no closing quote";
                return false;
            }
            value = std::string(s.substr(i + 1, close - i - 1));
            i = close + 1;
            if (i < s.size() && s[i] != ' ') {
                why = "expected a blank after the quoted value of " + name;
                return false;
            }
        } else {
            std::size_t end = s.find(' ', i);
            if (end == std::string_view::npos) end = s.size();
            value = std::string(s.substr(i, end - i));
            i = end;
        }
        out.emplace_back(std::move(name), std::move(value));
    }
    return true;
}

// Reads one step from a line that is neither blank nor a comment; fills `why` when it is malformed.
std::optional<Step> parseLine(std::string_view line, int number, std::string& why) {
    Step step;
    step.line = number;
    std::size_t blank = line.find(' ');
    step.keyword = std::string(line.substr(0, blank));
    std::string_view rest = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    bool hasRest = blank != std::string_view::npos;

    auto shape = shapes().find(step.keyword);
    if (shape == shapes().end()) {
        why = "unknown step " + inQuotes(step.keyword);
        return std::nullopt;
    }
    for (char kind : shape->second) {
        switch (kind) {
            case 'T':
            case 'W':
            case 'F': {
                if (!hasRest || rest.empty() || rest.front() == ' ') {
                    why = step.keyword + ": missing " + (kind == 'T' ? "FORM.CONTROL" : kind == 'F' ? "FORM" : "argument");
                    return std::nullopt;
                }
                std::size_t end = rest.find(' ');
                std::string word(rest.substr(0, end));
                hasRest = end != std::string_view::npos;
                rest = hasRest ? rest.substr(end + 1) : std::string_view{};
                if (kind == 'T') {
                    std::size_t dot = word.find('.');
                    if (dot == std::string::npos || dot == 0 || dot + 1 == word.size()) {
                        why = step.keyword + ": expected FORM.CONTROL, found " + inQuotes(word);
                        return std::nullopt;
                    }
                }
                step.args.push_back(std::move(word));
                break;
            }
            case 'R':
                step.args.push_back(unquote(rest));
                rest = {};
                hasRest = false;
                break;
            case 'Q': {
                // "TITLE" "TEXT": the title ends at the first quote-blank-quote.
                std::size_t split = rest.size() >= 2 && rest.front() == '"' ? rest.find("\" \"", 1) : rest.npos;
                std::string_view second = split == rest.npos ? std::string_view{} : rest.substr(split + 2);
                if (split == rest.npos || second.size() < 2 || second.back() != '"') {
                    why = step.keyword + ": expected \"TITLE\" \"TEXT\", found " + inQuotes(rest);
                    return std::nullopt;
                }
                step.args.push_back(std::string(rest.substr(1, split - 1)));
                step.args.push_back(unquote(second));
                rest = {};
                hasRest = false;
                break;
            }
            case 'P':
                if (!parsePairs(rest, step.fields, why)) {
                    why = step.keyword + ": " + why;
                    return std::nullopt;
                }
                rest = {};
                hasRest = false;
                break;
        }
    }
    if (hasRest) {
        why = step.keyword + ": unexpected " + inQuotes(rest) + " at the end of the line";
        return std::nullopt;
    }
    return step;
}

// A failed step: what was expected and what was found.
struct Failure {
    std::string message;
};

[[noreturn]] void fail(std::string message) { throw Failure{std::move(message)}; }

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

// A fresh program folder holding copies of the shipped files; deleted with this object.
class ProgramFolder {
public:
    explicit ProgramFolder(const fs::path& shipped) {
        std::string pattern = (fs::temp_directory_path() / "varnholt-scenario-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("could not make a program folder under " + fs::temp_directory_path().string());
        path_ = pattern;
        try {
            std::error_code ec;
            fs::create_directories(path_ / "data");
            for (const char* name : {"data/wrestlers.dat", "data/promotion.dat", "title.bmp", "QAVLE.bmp", "banner.bmp"}) {
                fs::path from = shipped / name;
                if (fs::is_regular_file(from, ec)) fs::copy_file(from, path_ / name, fs::copy_options::overwrite_existing);
            }
            // The save slots are copied empty: a game played from the build folder may have left saves there.
            for (const char* slot : {"saves/s1", "saves/s2", "saves/s3", "saves/s4"})
                if (fs::is_directory(shipped / slot, ec)) fs::create_directories(path_ / slot);
        } catch (...) {
            std::error_code ec;
            fs::remove_all(path_, ec);
            throw;
        }
    }
    ~ProgramFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

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

// Plays the steps of one scenario on one fresh game.
class Player {
public:
    Player(Game& game, forms::QueuedDialogs& dialogs, fs::path folder)
        : game_(game), dialogs_(dialogs), folder_(std::move(folder)) {}

    void run(const Step& s);

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

    void selectItem(const Step& s);
    void expectScreen(const Step& s, const std::string& want);
    void expectControlState(const Step& s);
    void expectRecord(const Step& s);
    void expectRecords(const Step& s);
    void expectLine(const Step& s);
    void writeRecord(const Step& s);

    Game& game_;
    forms::QueuedDialogs& dialogs_;
    fs::path folder_;
};

void Player::run(const Step& s) {
    const std::string& k = s.keyword;
    const auto& a = s.args;
    if (k == "click") {
        reachable(target(a[0]), "click").playerClick();
    } else if (k == "type") {
        forms::Control& c = reachable(target(a[0]), "type into");
        if (c.kind() != Kind::TextBox && c.kind() != Kind::ComboBox) fail("cannot type into " + a[0] + ": it is not a text box");
        if (c.locked()) fail("cannot type into " + a[0] + ": the text box is locked");
        c.playerType(a[1]);
    } else if (k == "select") {
        selectItem(s);
    } else if (k == "scroll") {
        forms::Control& c = reachable(target(a[0]), "scroll");
        if (c.kind() != Kind::VScrollBar) fail("cannot scroll " + a[0] + ": it is not a scroll bar");
        c.playerScroll(static_cast<int>(mustNumber(a[1], "the value")));
    } else if (k == "close") {
        mustKnow(a[0]);
        if (screenState(a[0]) != "shown") fail("cannot close " + a[0] + ": it is " + screenState(a[0]));
        game_.playerClose(a[0]);
    } else if (k == "answer") {
        if (a[0] == "yes") dialogs_.queueAnswer(forms::MsgResult::Yes);
        else if (a[0] == "no") dialogs_.queueAnswer(forms::MsgResult::No);
        else if (a[0] == "ok") dialogs_.queueAnswer(forms::MsgResult::OK);
        else fail("expected yes, no or ok, found " + inQuotes(a[0]));
    } else if (k == "input") {
        dialogs_.queueInput(a[0]);
    } else if (k == "input-cancel") {
        dialogs_.queueInput(std::nullopt);
    } else if (k == "invoke") {
        static const std::map<std::string, forms::Event, std::less<>> events = {
            {"Click", forms::Event::Click}, {"Change", forms::Event::Change}, {"DblClick", forms::Event::DblClick}};
        auto e = events.find(a[1]);
        if (e == events.end()) fail("expected Click, Change or DblClick, found " + inQuotes(a[1]));
        forms::Control& c = loading(target(a[0]));
        c.form().fire(c, e->second);
    } else if (k == "set") {
        forms::Control& c = loading(target(a[0]));
        if (c.kind() == Kind::VScrollBar) c.setValue(static_cast<int>(mustNumber(a[1], "the value")));
        else c.setText(a[1]);
    } else if (k == "expect") {
        forms::Control& c = checked(target(a[0]), a[0] + " " + inQuotes(a[1]));
        std::string found = shownText(c);
        if (found != a[1]) fail("expected " + a[0] + " " + inQuotes(a[1]) + ", found " + inQuotes(found));
    } else if (k == "expect-items") {
        std::vector<std::string> want = splitItems(a[1]);
        forms::Control& c = checked(target(a[0]), a[0] + " items " + joinItems(want));
        if (!isList(c)) fail("expected " + a[0] + " items " + joinItems(want) + ", found a control that is not a list");
        if (c.items() != want) fail("expected " + a[0] + " items " + joinItems(want) + ", found " + joinItems(c.items()));
    } else if (k == "expect-shown") {
        expectScreen(s, "shown");
    } else if (k == "expect-hidden") {
        expectScreen(s, "hidden");
    } else if (k == "expect-unloaded") {
        expectScreen(s, "unloaded");
    } else if (k == "expect-enabled" || k == "expect-disabled" || k == "expect-visible" || k == "expect-invisible") {
        expectControlState(s);
    } else if (k == "expect-message") {
        std::string want = "message box " + inQuotes(a[0]) + " " + inQuotes(a[1]);
        auto m = dialogs_.nextUnchecked();
        if (!m) fail("expected " + want + ", found no message box");
        if (m->title != a[0] || m->text != a[1]) fail("expected " + want + ", found " + inQuotes(m->title) + " " + inQuotes(m->text));
    } else if (k == "expect-no-message") {
        if (dialogs_.uncheckedCount() > 0) {
            std::string found;
            while (auto m = dialogs_.nextUnchecked()) found += (found.empty() ? "" : ", ") + inQuotes(m->title) + " " + inQuotes(m->text);
            fail("expected no message box, found " + found);
        }
    } else if (k == "expect-global") {
        auto v = game_.global(a[0]);
        if (!v) fail("expected " + a[0] + " " + inQuotes(a[1]) + ", found no such value");
        if (*v != a[1]) fail("expected " + a[0] + " " + inQuotes(a[1]) + ", found " + inQuotes(*v));
    } else if (k == "expect-record") {
        expectRecord(s);
    } else if (k == "expect-records") {
        expectRecords(s);
    } else if (k == "expect-line") {
        expectLine(s);
    } else if (k == "expect-exists") {
        std::error_code ec;
        if (!fs::exists(file(a[0]), ec)) fail("expected " + a[0] + " to exist, found it missing");
    } else if (k == "expect-missing") {
        std::error_code ec;
        if (fs::exists(file(a[0]), ec)) fail("expected " + a[0] + " missing, found it there");
    } else if (k == "record") {
        writeRecord(s);
    } else if (k == "truncate") {
        long n = mustNumber(a[1], "the record count");
        if (n < 0) fail("expected a record count of 0 or more, found " + a[1]);
        fs::path p = file(a[0]);
        std::error_code ec;
        if (!fs::exists(p, ec)) writeBytes(p, {});
        fs::resize_file(p, static_cast<std::uintmax_t>(n) * RecordLength, ec);
        if (ec) fail("could not resize " + a[0] + ": " + ec.message());
    } else if (k == "line") {
        long n = mustNumber(a[1], "the line number");
        if (n < 1) fail("expected a line number from 1, found " + a[1]);
        fs::path p = file(a[0]);
        std::vector<std::string> lines = forms::readLines(p);
        if (lines.size() < static_cast<std::size_t>(n)) lines.resize(static_cast<std::size_t>(n));
        lines[static_cast<std::size_t>(n - 1)] = forms::utf8ToCp1252(a[2]);
        if (!forms::writeLines(p, lines)) fail("could not write " + a[0]);
    } else {
        fail("unknown step " + inQuotes(k));
    }
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

void Player::expectScreen(const Step& s, const std::string& want) {
    mustKnow(s.args[0]);
    std::string found = screenState(s.args[0]);
    if (found != want) fail("expected " + s.args[0] + " " + want + ", found it " + found);
}

void Player::expectControlState(const Step& s) {
    std::string want = s.keyword.substr(std::string("expect-").size());
    forms::Control& c = checked(target(s.args[0]), s.args[0] + " " + want);
    std::string found;
    if (want == "enabled" || want == "disabled") found = c.enabled() ? "enabled" : "disabled";
    else found = c.visible() ? "visible" : "invisible";
    if (found != want) fail("expected " + s.args[0] + " " + want + ", found it " + found);
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

    int line = steps.empty() ? 1 : steps.front().line;
    try {
        ProgramFolder folder(options.shippedFolder);
        CurrentFolder here(folder.path());
        forms::QueuedDialogs dialogs;
        Game game(folder.path(), dialogs);
        if (options.prepare) options.prepare(game);
        try {
            game.start();
            game.collect();
        } catch (...) {
            return {false, line, "the program's start-up failed: " + escaped(std::current_exception())};
        }
        Player player(game, dialogs, folder.path());
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

fs::path executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path();
    return exe.parent_path();
}

}  // namespace varnholt::scenario

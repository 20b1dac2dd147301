#include "host/script.h"

#include "host/text_lines.h"

namespace {

// The first word and the rest of the line after the one blank that ends it.
void SplitWord(const std::string& line, std::string* word, std::string* rest) {
    const size_t blank = line.find(' ');
    *word = line.substr(0, blank);
    *rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

bool ParseControlId(const std::string& text, int* id) {
    int32_t value = 0;
    if (!ParseInt32(text, &value) || value < -1 || value > 0xFFFF) return false;
    *id = value;
    return true;
}

bool ParseSpin(const std::string& rest, ScriptAction* a, std::string* reason) {
    std::vector<Token> t;
    if (!SplitLine(rest, &t, reason)) return false;
    if (t.size() < 2 || t.size() > 3 || !ParseControlId(t[0].text, &a->controlId)) {
        *reason = "spin needs an up-down id, up or down, and an optional count";
        return false;
    }
    if (t[1].text != "up" && t[1].text != "down") {
        *reason = "spin direction must be up or down";
        return false;
    }
    a->up = t[1].text == "up";
    int32_t times = 1;
    if (t.size() == 3 && (!ParseInt32(t[2].text, &times) || times < 1 || times > 1000000)) {
        *reason = "spin count must be a whole number from 1 to 1000000";
        return false;
    }
    a->times = times;
    return true;
}

bool ParsePause(const std::string& rest, ScriptAction* a, std::string* reason) {
    std::vector<Token> t;
    if (!SplitLine(rest, &t, reason)) return false;
    double seconds = 0;
    if (t.size() != 1 || !ParseDouble(t[0].text, &seconds) || seconds < 0 || seconds > 3600) {
        *reason = "pause needs a number of seconds from 0 to 3600";
        return false;
    }
    a->milliseconds = static_cast<unsigned>(seconds * 1000 + 0.5);
    return true;
}

bool ParseVesselName(const std::string& word, const std::string& rest, ScriptAction* a,
                     std::string* reason) {
    std::vector<Token> t;
    if (!SplitLine(rest, &t, reason)) return false;
    if (t.size() != 1 || t[0].text.empty()) {
        *reason = word + " needs one vessel name";
        return false;
    }
    a->text = t[0].text;
    return true;
}

bool ParseAction(const std::string& line, ScriptAction* a, std::string* reason) {
    std::string word, rest;
    SplitWord(line, &word, &rest);
    if (word == "open" || word == "show" || word == "done" || word == "gallery") {
        a->kind = word == "open"   ? ActionKind::Open
                : word == "show"   ? ActionKind::Show
                : word == "done"   ? ActionKind::Done
                                   : ActionKind::Gallery;
        if (!IsBlank(rest)) {
            *reason = word + " takes nothing after it";
            return false;
        }
        return true;
    }
    if (word == "carrier" || word == "payload") {
        a->kind = word == "carrier" ? ActionKind::Carrier : ActionKind::Payload;
        a->text = rest;
        if (rest.empty()) {
            *reason = word + " needs the text of a list entry";
            return false;
        }
        return true;
    }
    if (word == "say") {
        a->kind = ActionKind::Say;
        a->text = rest;
        return true;
    }
    if (word == "type") {
        a->kind = ActionKind::Type;
        std::string id;
        SplitWord(rest, &id, &a->text);
        if (!ParseControlId(id, &a->controlId)) {
            *reason = "type needs a control id";
            return false;
        }
        return true;
    }
    if (word == "click") {
        a->kind = ActionKind::Click;
        std::vector<Token> t;
        if (!SplitLine(rest, &t, reason)) return false;
        if (t.size() != 1 || !ParseControlId(t[0].text, &a->controlId)) {
            *reason = "click needs one control id";
            return false;
        }
        return true;
    }
    if (word == "spin") {
        a->kind = ActionKind::Spin;
        return ParseSpin(rest, a, reason);
    }
    if (word == "pause") {
        a->kind = ActionKind::Pause;
        return ParsePause(rest, a, reason);
    }
    if (word == "kill" || word == "delete") {
        a->kind = word == "kill" ? ActionKind::Kill : ActionKind::Delete;
        return ParseVesselName(word, rest, a, reason);
    }
    *reason = "unknown action \"" + word + "\"";
    return false;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptAction>* actions, std::string* error) {
    actions->clear();
    const std::vector<std::string> lines = SplitIntoLines(text);
    for (size_t n = 0; n < lines.size(); ++n) {
        const size_t first = lines[n].find_first_not_of(" \t");
        if (first == std::string::npos || lines[n][first] == '#') continue;
        ScriptAction action;
        action.line = static_cast<int>(n + 1);
        std::string reason;
        if (!ParseAction(lines[n].substr(first), &action, &reason)) {
            *error = "line " + std::to_string(n + 1) + ": " + reason;
            return false;
        }
        actions->push_back(action);
    }
    return true;
}

#include "host/script/script_parser.h"

#include "dialog/resource.h"
#include "host/automation/editor_controls.h"
#include "host/gallery/gallery_key_names.h"
#include "host/text/numbers.h"
#include "host/text/quoting.h"
#include "host/text/text_lines.h"

namespace {

typedef std::vector<Token> Words;

// A story line, "say TEXT", is printed as written: its text is not split
// into words. True, with `text` set to what follows "say" and the one blank
// or tab after it, for such a line.
bool IsSayLine(const std::string& line, std::string* text) {
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, 3, "say") != 0) return false;
    const size_t end = start + 3;
    if (end < line.size() && line[end] != ' ' && line[end] != '\t') return false;
    *text = end < line.size() ? line.substr(end + 1) : std::string();
    return true;
}

bool ParseControlId(const std::string& text, int* id) {
    int32_t value = 0;
    if (!ParseInt32(text, &value) || value < -1 || value > 0xFFFF) return false;
    *id = value;
    return true;
}

// FIELD: a field's name or any control id.
bool ParseField(const Words& t, ScriptAction* a, std::string* reason) {
    if (t.size() < 2) {
        *reason = "type needs a field name or a control id";
        return false;
    }
    if (ParseControlId(t[1].text, &a->controlId)) return true;
    const PayloadField* field = FindPayloadField(t[1].text);
    if (field == nullptr) {
        *reason =
            "unknown field " + InQuotes(t[1].text) + "; the fields are " + PayloadFieldNames();
        return false;
    }
    a->controlId = field->editId;
    a->controlName = PayloadFieldName(*field);
    return true;
}

bool ParseType(const Words& t, ScriptAction* a, std::string* reason) {
    if (!ParseField(t, a, reason)) return false;
    a->text = JoinWords(t, 2);
    return true;
}

bool ParseClick(const Words& t, ScriptAction* a, std::string* reason) {
    if (t.size() != 2) {
        *reason = "click needs one button name or control id";
        return false;
    }
    if (ParseControlId(t[1].text, &a->controlId)) return true;
    const PayloadButton* button = FindPayloadButton(t[1].text);
    if (button == nullptr) {
        *reason = "unknown button " + InQuotes(t[1].text) + "; the buttons are " +
                  PayloadButtonNames();
        return false;
    }
    a->controlId = button->id;
    a->controlName = button->name;
    if (button->caption != nullptr) a->requiredCaption = button->caption;
    return true;
}

// The arrow: "FIELD fine|coarse" or an up-down id. The index of the word
// after it, or 0 when there is none such.
size_t ParseArrow(const Words& t, ScriptAction* a, std::string* reason) {
    if (t.size() >= 2 && ParseControlId(t[1].text, &a->controlId)) return 2;
    const PayloadField* field = t.size() >= 2 ? FindPayloadField(t[1].text) : nullptr;
    if (field == nullptr) {
        *reason = t.size() < 2 || t[1].text == "up" || t[1].text == "down"
                      ? "spin needs a field name and fine or coarse, or an up-down id"
                      : "unknown field " + InQuotes(t[1].text) + "; the fields are " +
                            PayloadFieldNames();
        return 0;
    }
    if (t.size() < 3 || (t[2].text != "fine" && t[2].text != "coarse")) {
        *reason = std::string("spin ") + PayloadFieldName(*field) + " needs fine or coarse";
        return 0;
    }
    const bool fine = t[2].text == "fine";
    a->controlId = fine ? field->fineSpinId : field->coarseSpinId;
    a->controlName = std::string(PayloadFieldName(*field)) + " " + t[2].text;
    return 3;
}

bool ParseSpin(const Words& t, ScriptAction* a, std::string* reason) {
    const size_t next = ParseArrow(t, a, reason);
    if (next == 0) return false;
    if (t.size() <= next || (t[next].text != "up" && t[next].text != "down")) {
        *reason = "spin direction must be up or down";
        return false;
    }
    a->up = t[next].text == "up";
    int32_t times = 1;
    if (t.size() > next + 2 ||
        (t.size() == next + 2 && (!ParseInt32(t[next + 1].text, &times) || times < 1 ||
                                  times > 1000000))) {
        *reason = "spin count must be a whole number from 1 to 1000000";
        return false;
    }
    a->times = times;
    return true;
}

bool ParseTab(const Words& t, ScriptAction* a, std::string* reason) {
    int32_t times = 1;
    if (t.size() > 2 ||
        (t.size() == 2 && (!ParseInt32(t[1].text, &times) || times < 1 || times > 1000))) {
        *reason = "tab count must be a whole number from 1 to 1000";
        return false;
    }
    a->times = times;
    return true;
}

bool ParsePause(const Words& t, ScriptAction* a, std::string* reason) {
    double seconds = 0;
    if (t.size() != 2 || !ParseDouble(t[1].text, &seconds) || seconds < 0 || seconds > 3600) {
        *reason = "pause needs a number of seconds from 0 to 3600";
        return false;
    }
    a->milliseconds = static_cast<unsigned>(seconds * 1000 + 0.5);
    return true;
}

bool ParseVesselName(const Words& t, ScriptAction* a, std::string* reason) {
    if (t.size() != 2 || t[1].text.empty()) {
        *reason = t[0].text + " needs one vessel name";
        return false;
    }
    a->text = t[1].text;
    return true;
}

bool ParsePicture(const Words& t, ScriptAction* a, std::string* reason) {
    if (t.size() != 2 || t[1].text.empty()) {
        *reason = "picture needs one file name";
        return false;
    }
    a->text = t[1].text;
    return true;
}

// focus ID and accessible ID: a control of the gallery.
bool ParseGalleryControl(const Words& t, ScriptAction* a, std::string* reason) {
    if (t.size() != 2 || !ParseControlId(t[1].text, &a->controlId)) {
        *reason = t[0].text + " needs one control id of the gallery";
        return false;
    }
    return true;
}

bool ParseKey(const Words& t, ScriptAction* a, std::string* reason) {
    unsigned key = 0;
    if (t.size() < 2 || t.size() > 3 || !GalleryKeyCode(t[1].text, &key)) {
        *reason = "key needs one of " + GalleryKeyNames() + ", then an optional count";
        return false;
    }
    a->controlId = static_cast<int>(key);
    int32_t times = 1;
    if (t.size() == 3 && (!ParseInt32(t[2].text, &times) || times < 1 || times > 1000)) {
        *reason = "key count must be a whole number from 1 to 1000";
        return false;
    }
    a->times = times;
    return true;
}

bool ParseAction(const Words& t, ScriptAction* a, std::string* reason) {
    if (t[0].quoted) {
        *reason = "an action is a plain word, not quoted text";
        return false;
    }
    const std::string& word = t[0].text;
    if (word == "open" || word == "show" || word == "done" || word == "gallery" ||
        word == "view" || word == "controls" || word == "main" || word == "enter" ||
        word == "layout") {
        a->kind = word == "open"     ? ActionKind::Open
                : word == "show"     ? ActionKind::Show
                : word == "done"     ? ActionKind::Done
                : word == "gallery"  ? ActionKind::Gallery
                : word == "controls" ? ActionKind::Controls
                : word == "main"     ? ActionKind::Main
                : word == "enter"    ? ActionKind::Enter
                : word == "layout"   ? ActionKind::Layout
                                     : ActionKind::View;
        if (t.size() > 1) {
            *reason = word + " takes nothing after it";
            return false;
        }
        return true;
    }
    if (word == "carrier" || word == "payload") {
        a->kind = word == "carrier" ? ActionKind::Carrier : ActionKind::Payload;
        a->text = JoinWords(t, 1);
        if (t.size() < 2) {
            *reason = word + " needs the text of a list entry";
            return false;
        }
        return true;
    }
    if (word == "type") {
        a->kind = ActionKind::Type;
        return ParseType(t, a, reason);
    }
    if (word == "click") {
        a->kind = ActionKind::Click;
        return ParseClick(t, a, reason);
    }
    if (word == "spin") {
        a->kind = ActionKind::Spin;
        return ParseSpin(t, a, reason);
    }
    if (word == "drop") {
        a->kind = ActionKind::Drop;
        if (t.size() != 2 || (t[1].text != "carrier" && t[1].text != "payload")) {
            *reason = "drop needs carrier or payload";
            return false;
        }
        a->controlId = t[1].text == "carrier" ? IDC_CARRIER_LIST : IDC_PAYLOAD_LIST;
        return true;
    }
    if (word == "tab") {
        a->kind = ActionKind::Tab;
        return ParseTab(t, a, reason);
    }
    if (word == "pause") {
        a->kind = ActionKind::Pause;
        return ParsePause(t, a, reason);
    }
    if (word == "picture") {
        a->kind = ActionKind::Picture;
        return ParsePicture(t, a, reason);
    }
    if (word == "focus" || word == "accessible") {
        a->kind = word == "focus" ? ActionKind::Focus : ActionKind::Accessible;
        return ParseGalleryControl(t, a, reason);
    }
    if (word == "key") {
        a->kind = ActionKind::Key;
        return ParseKey(t, a, reason);
    }
    if (word == "kill" || word == "delete") {
        a->kind = word == "kill" ? ActionKind::Kill : ActionKind::Delete;
        return ParseVesselName(t, a, reason);
    }
    *reason = "unknown action " + InQuotes(word);
    return false;
}

// One line: an action, a story line, or nothing (blank or a comment).
bool ParseLine(int number, const std::string& line, std::vector<ScriptAction>* actions,
               std::string* reason) {
    ScriptAction action;
    action.line = number;
    if (IsSayLine(line, &action.text)) {
        action.kind = ActionKind::Say;
        actions->push_back(action);
        return true;
    }
    Words words;
    if (!SplitLine(line, &words, reason)) return false;
    if (words.empty()) return true;
    if (!ParseAction(words, &action, reason)) return false;
    actions->push_back(action);
    return true;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptAction>* actions, std::string* error) {
    actions->clear();
    return ReadEachLine(
        text,
        [actions](int number, const std::string& line, std::string* reason) {
            return ParseLine(number, line, actions, reason);
        },
        error);
}

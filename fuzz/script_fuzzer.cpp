// libFuzzer target: scripts from any bytes, and the quoting their error
// messages show words in. A script is read whole or refused at one line it
// names; what it reads stays within every limit the runner relies on; and a
// quoted text is printable ASCII that reads back as the bytes it came from.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "host/script/script_parser.h"
#include "host/text/quoting.h"
#include "host/text/text_lines.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The bytes a quoted text stands for; aborts on anything the rule never writes.
std::string Unquote(const std::string& quoted) {
    Require(quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"');
    std::string bytes;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
        const char c = quoted[i];
        Require(c >= 0x20 && c < 0x7F && c != '"');
        if (c != '\\') {
            bytes += c;
            continue;
        }
        Require(i + 2 < quoted.size());
        const char e = quoted[++i];
        if (e == 'x') {
            Require(i + 3 < quoted.size());
            const int high = HexDigit(quoted[i + 1]), low = HexDigit(quoted[i + 2]);
            Require(high >= 0 && low >= 0);
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            Require(e == '\\' || e == '"' || e == 't' || e == 'r' || e == 'n');
            bytes += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e;
        }
    }
    return bytes;
}

void CheckQuoting(const std::string& text) {
    Require(Unquote(InQuotes(text)) == text);
    const std::string upToZero = text.substr(0, text.find('\0'));
    Require(InQuotes(text.data(), text.size()) == InQuotes(upToZero));
}

// "line N: reason", N a line of the text.
void CheckError(const std::string& error, size_t lines) {
    Require(error.compare(0, 5, "line ") == 0);
    const size_t colon = error.find(": ");
    Require(colon != std::string::npos && colon > 5);
    const unsigned long n = std::strtoul(error.c_str() + 5, nullptr, 10);
    Require(n >= 1 && n <= lines && colon + 2 < error.size());
}

void CheckActions(const std::vector<ScriptAction>& actions, size_t lines) {
    int previous = 0;
    for (const ScriptAction& a : actions) {
        Require(a.line > previous && static_cast<size_t>(a.line) <= lines);
        previous = a.line;
        Require(a.controlId >= -1 && a.controlId <= 0xFFFF);
        Require(a.times >= 1 && a.times <= 1000000);
        Require(a.milliseconds <= 3600u * 1000u);
        if (a.kind == ActionKind::Kill || a.kind == ActionKind::Delete ||
            a.kind == ActionKind::Picture) {
            Require(!a.text.empty());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckQuoting(text);
    const size_t lines = SplitIntoLines(text).size();
    std::vector<ScriptAction> actions;
    std::string error;
    if (ParseScript(text, &actions, &error)) {
        Require(error.empty());
        CheckActions(actions, lines);
    } else {
        CheckError(error, lines);
    }
    return 0;
}

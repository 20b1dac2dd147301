#include "host/text/quoting.h"

namespace {

void AppendEscaped(std::string& out, char c) {
    static const char kHex[] = "0123456789abcdef";
    const unsigned char b = static_cast<unsigned char>(c);
    switch (c) {
    case '\\': out += "\\\\"; return;
    case '"': out += "\\\""; return;
    case '\t': out += "\\t"; return;
    case '\r': out += "\\r"; return;
    case '\n': out += "\\n"; return;
    default: break;
    }
    if (b < 0x20 || b >= 0x7F) {
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    } else {
        out += c;
    }
}

}  // namespace

std::string InQuotes(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) AppendEscaped(out, c);
    return out + "\"";
}

std::string InQuotes(const char* text, size_t maxLength) {
    std::string out = "\"";
    for (size_t i = 0; i < maxLength && text[i] != '\0'; ++i) AppendEscaped(out, text[i]);
    return out + "\"";
}

std::string ListInQuotes(const std::vector<std::string>& texts, size_t shown) {
    std::string out;
    for (size_t i = 0; i < texts.size() && i < shown; ++i) {
        if (i > 0) out += ", ";
        out += InQuotes(texts[i]);
    }
    if (texts.size() > shown) out += " and " + std::to_string(texts.size() - shown) + " more";
    return out;
}

#include "host/message_text.h"

std::string InQuotes(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += c;
        }
    }
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

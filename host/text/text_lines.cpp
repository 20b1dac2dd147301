#include "host/text/text_lines.h"

bool SplitLine(const std::string& line, std::vector<Token>* tokens, std::string* error) {
    tokens->clear();
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const size_t end = line.find('"', i + 1);
            if (end == std::string::npos) {
                *error = "unterminated quote";
                return false;
            }
            tokens->push_back(Token{line.substr(i + 1, end - i - 1), true});
            i = end + 1;
        } else {
            size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
            tokens->push_back(Token{line.substr(i, end - i), false});
            i = end;
        }
    }
    return true;
}

std::string JoinWords(const std::vector<Token>& tokens, size_t first) {
    std::string text;
    for (size_t i = first; i < tokens.size(); ++i) {
        if (i > first) text += ' ';
        text += tokens[i].text;
    }
    return text;
}

std::vector<std::string> SplitIntoLines(const std::string& text) {
    std::vector<std::string> lines;
    // Editors on Windows often start a UTF-8 file with a byte-order mark.
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool ReadEachLine(const std::string& text, const LineReader& read, std::string* error) {
    const std::vector<std::string> lines = SplitIntoLines(text);
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string reason;
        if (!read(static_cast<int>(n + 1), lines[n], &reason)) {
            *error = "line " + std::to_string(n + 1) + ": " + reason;
            return false;
        }
    }
    return true;
}

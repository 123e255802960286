// Builds object text from lines, each ended with CR LF as the writer ends them.
#pragma once

#include <initializer_list>
#include <string>

inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// What the skin tool's interactive windows print for their end-to-end tests: one report per
// line, among them "at NAME X Y W H" for the places of their parts (window coordinates).
#pragma once

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace brisat::test {

struct TPlace {
    int32_t X = 0, Y = 0, Width = 0, Height = 0;
    int32_t MidX() const { return X + Width / 2; }
    int32_t MidY() const { return Y + Height / 2; }
};

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The last "at NAME X Y W H" line of each name, from the From-th line on.
inline std::map<std::string, TPlace> ReportedPlaces(const std::vector<std::string>& lines,
                                                    size_t from = 0) {
    std::map<std::string, TPlace> places;
    for (size_t i = from; i < lines.size(); ++i) {
        std::istringstream words(lines[i]);
        std::string at, name;
        TPlace p;
        if (words >> at >> name >> p.X >> p.Y >> p.Width >> p.Height && at == "at")
            places[name] = p;
    }
    return places;
}

} // namespace brisat::test

// A reader of the DXF files the host writes, for the tests: the header's variables, the
// linetypes and layers of the tables, and the LINE entities, each group read as its code
// says. A file that breaks the group structure is reported, not guessed at.
#pragma once

#include <array>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dxftest {

struct Line {
    std::string layer;
    std::array<double, 2> a{0, 0};
    std::array<double, 2> b{0, 0};
};

struct File {
    bool wellFormed = false;
    std::string error;
    std::map<std::string, std::vector<std::string>> header;  // variable: its values
    std::vector<std::string> linetypes;
    std::map<std::string, std::string> layers;  // name: linetype
    std::vector<Line> lines;
    std::vector<std::string> otherEntities;

    std::vector<Line> on(const std::string& layer) const {
        std::vector<Line> out;
        for (const Line& line : lines) {
            if (line.layer == layer) {
                out.push_back(line);
            }
        }
        return out;
    }
};

inline std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \r");
    const auto last = text.find_last_not_of(" \r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Reads the pairs of code and value lines; the entities of the ENTITIES section, the
// entries of the LTYPE and LAYER tables, the variables of the HEADER.
inline File read(const std::string& text) {
    File file;
    std::istringstream in(text);
    std::vector<std::pair<int, std::string>> groups;
    std::string code;
    std::string value;
    while (std::getline(in, code)) {
        if (!std::getline(in, value)) {
            file.error = "a code without a value";
            return file;
        }
        try {
            std::size_t used = 0;
            const int number = std::stoi(trimmed(code), &used);
            if (used != trimmed(code).size()) {
                throw std::invalid_argument(code);
            }
            groups.emplace_back(number, trimmed(value));
        } catch (const std::exception&) {
            file.error = "not a group code: " + code;
            return file;
        }
    }
    std::string section;
    std::string variable;
    std::string entity;
    Line line;
    std::string tableEntry;
    std::string entryName;
    auto finishEntity = [&] {
        if (entity == "LINE") {
            file.lines.push_back(line);
        } else if (!entity.empty()) {
            file.otherEntities.push_back(entity);
        }
        entity.clear();
        if (tableEntry == "LTYPE") {
            file.linetypes.push_back(entryName);
        }
        tableEntry.clear();
    };
    bool ended = false;
    for (const auto& [c, v] : groups) {
        if (ended) {
            file.error = "groups after EOF";
            return file;
        }
        if (c == 0) {
            finishEntity();
            if (v == "SECTION" || v == "ENDSEC") {
                section = v == "SECTION" ? "?" : "";
            } else if (v == "EOF") {
                ended = true;
            } else if (section == "ENTITIES") {
                entity = v;
                line = Line{};
            } else if (section == "TABLES" && (v == "LTYPE" || v == "LAYER")) {
                tableEntry = v;
                entryName.clear();
            }
            continue;
        }
        if (c == 2 && section == "?") {
            section = v;
            continue;
        }
        const double number = (c >= 10 && c < 60) ? std::stod(v) : 0.0;
        if (section == "HEADER") {
            if (c == 9) {
                variable = v;
            } else {
                file.header[variable].push_back(v);
            }
        } else if (section == "TABLES" && !tableEntry.empty()) {
            if (c == 2) {
                entryName = v;
            } else if (c == 6 && tableEntry == "LAYER") {
                file.layers[entryName] = v;
            }
        } else if (entity == "LINE") {
            switch (c) {
                case 8:
                    line.layer = v;
                    break;
                case 10:
                    line.a[0] = number;
                    break;
                case 20:
                    line.a[1] = number;
                    break;
                case 11:
                    line.b[0] = number;
                    break;
                case 21:
                    line.b[1] = number;
                    break;
                default:
                    break;
            }
        }
    }
    if (!ended) {
        file.error = "no EOF";
        return file;
    }
    file.wellFormed = true;
    return file;
}

}  // namespace dxftest

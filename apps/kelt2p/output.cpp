#include "output.h"

#include <algorithm>
#include <cstdio>

#include "csv.h"

namespace kelt2p {

namespace {

// Width of UTF-8 text on a terminal, counting one column per character.
std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++width;
        }
    }
    return width;
}

std::string registerText(int reg) {
    return reg > 0 ? std::to_string(reg) : "";
}

}  // namespace

std::optional<Format> formatFromText(const std::string& text) {
    if (text == "table") {
        return Format::Table;
    }
    if (text == "csv") {
        return Format::Csv;
    }
    if (text == "json") {
        return Format::Json;
    }
    return std::nullopt;
}

void writeTable(std::ostream& out, const ToolTable& table) {
    const std::vector<std::string> titles = {"HEAD", "POS", "TOOL ID", "REG", "COMMENT", "IN USE"};
    std::vector<std::vector<std::string>> rows;
    int used = 0;
    for (const TableEntry& e : table.entries) {
        rows.push_back({std::to_string(e.head), std::to_string(e.position), e.toolId,
                        registerText(e.reg), e.comment, e.inUse ? "yes" : ""});
        used += e.inUse ? 1 : 0;
    }
    std::vector<std::size_t> widths;
    for (const std::string& title : titles) {
        widths.push_back(displayWidth(title));
    }
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    }
    // Numbers right-aligned, texts left-aligned; no trailing spaces.
    const bool rightAligned[] = {true, true, false, true, false, false};
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            std::string pad(widths[i] - displayWidth(cells[i]), ' ');
            text += i == 0 ? "" : "  ";
            text += rightAligned[i] ? pad + cells[i] : cells[i] + pad;
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << '\n';
    };
    out << "Tool table of workcell " << table.workcell << " in " << table.model << '\n';
    line(titles);
    for (const auto& row : rows) {
        line(row);
    }
    out << table.entries.size() << (table.entries.size() == 1 ? " entry, " : " entries, ") << used
        << " in use\n";
}

void writeCsv(std::ostream& out, const ToolTable& table) {
    out << "head,position,tool_id,register,comment,in_use\n";
    for (const TableEntry& e : table.entries) {
        out << e.head << ',' << e.position << ',' << csvField(e.toolId) << ','
            << registerText(e.reg) << ',' << csvField(e.comment) << ',' << (e.inUse ? 1 : 0)
            << '\n';
    }
}

std::string jsonString(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                result += "\\\"";
                break;
            case '\\':
                result += "\\\\";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\t':
                result += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    result += escape;
                } else {
                    result += c;
                }
        }
    }
    return result + '"';
}

void writeJson(std::ostream& out, const ToolTable& table) {
    out << "{\n  \"model\": " << jsonString(table.model)
        << ",\n  \"workcell\": " << jsonString(table.workcell) << ",\n  \"entries\": [";
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const TableEntry& e = table.entries[i];
        out << (i == 0 ? "\n" : ",\n") << "    {\"head\": " << e.head
            << ", \"position\": " << e.position << ", \"tool_id\": " << jsonString(e.toolId)
            << ", \"register\": " << (e.reg > 0 ? std::to_string(e.reg) : "null")
            << ", \"comment\": " << jsonString(e.comment)
            << ", \"in_use\": " << (e.inUse ? "true" : "false") << "}";
    }
    out << (table.entries.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

void write(std::ostream& out, const ToolTable& table, Format format) {
    switch (format) {
        case Format::Table:
            writeTable(out, table);
            break;
        case Format::Csv:
            writeCsv(out, table);
            break;
        case Format::Json:
            writeJson(out, table);
            break;
    }
}

}  // namespace kelt2p

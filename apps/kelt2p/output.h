// Printing a workcell's tool table: aligned columns for people, CSV or JSON for programs.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kelt2p {

// One entry of a tool table as read back from the host.
struct TableEntry {
    int head = 1;
    int position = 0;
    std::string toolId;
    int reg = -1;  // below 1: no register
    std::string comment;
    bool inUse = false;
};

struct ToolTable {
    std::string model;
    std::string workcell;
    std::vector<TableEntry> entries;
};

enum class Format { Table, Csv, Json };

// "table", "csv" or "json"; nothing for anything else.
std::optional<Format> formatFromText(const std::string& text);

void writeTable(std::ostream& out, const ToolTable& table);
void writeCsv(std::ostream& out, const ToolTable& table);
void writeJson(std::ostream& out, const ToolTable& table);
void write(std::ostream& out, const ToolTable& table, Format format);

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(const std::string& text);

}  // namespace kelt2p

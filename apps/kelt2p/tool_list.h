// The tool list: the tools a tool database puts into a workcell's tool table, read from
// CSV and checked as a whole before anything reaches the host.
#pragma once

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelt2p {

// A tool parameter of a tool described by its type: a number or a text.
struct ToolParameter {
    std::string name;  // upper case
    std::optional<double> number;
    std::string text;  // when not a number
};

// One line of the tool list: a tool and its place in the tool table.
struct ToolEntry {
    int line = 0;  // line of the CSV text, for messages
    std::string toolId;
    // Either a host tool type with parameters, or a tool model (a part) whose TOOL_TYPE
    // parameter gives the type; exactly one of `type` and `model` is set.
    int type = 0;
    std::string model;
    std::vector<ToolParameter> parameters;
    int head = 1;
    int position = 0;
    int reg = 0;  // 0: no register
    std::string comment;
};

// What is wrong with a tool list: one message per fault, each with its line (0 when the
// fault is not on one line, e.g. a missing file).
struct Problem {
    int line = 0;
    std::string message;
};

class ToolListError : public std::runtime_error {
public:
    ToolListError(std::string source, std::vector<Problem> problems);
    // One line per problem: "<source>:<line>: <message>".
    std::string report() const;

    std::string source;
    std::vector<Problem> problems;
};

// Limits of the host's fields that the list is checked against.
constexpr std::size_t kMaxToolIdLength = 31;
constexpr std::size_t kMaxModelNameLength = 31;
constexpr std::size_t kMaxParameterNameLength = 30;
constexpr std::size_t kMaxParameterTextLength = 80;
constexpr std::size_t kMaxCommentLength = 255;

// Reads and checks a whole tool list; `source` names it in messages. Throws
// ToolListError listing every fault found (a CSV syntax fault stops the reading).
std::vector<ToolEntry> parseToolList(std::istream& in, const std::string& source);
// The same for a file; a file that cannot be opened is a ToolListError too.
std::vector<ToolEntry> readToolList(const std::string& path);

}  // namespace kelt2p

#include "model/relation_buffer.h"

#include "base/subscript.h"

namespace Ardo::relationBuffer {

namespace {

// Filled by Solid::Relations and RelationsAdd; emptied by RelationsClear.
std::vector<std::string>& buffer() {
    static std::vector<std::string> relationLines;
    return relationLines;
}

}  // namespace

const std::vector<std::string>& lines() {
    return buffer();
}

int replace(const std::vector<std::string>& read) {
    buffer() = read;
    return size();
}

void clear() {
    buffer().clear();
}

int add(const char* line) {
    buffer().emplace_back(line == nullptr ? "" : line);
    return size();
}

int size() {
    return static_cast<int>(buffer().size());
}

const char* at(int index) {
    return checkedAt(buffer(), index).c_str();
}

}  // namespace Ardo::relationBuffer

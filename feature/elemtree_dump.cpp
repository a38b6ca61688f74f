#include "feature/elemtree_dump.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "base/text.h"
#include "feature/element_names.h"
#include "toolkit/visit_guard.h"

namespace Ardo {
namespace {

void appendf(std::string& out, const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n >= static_cast<int>(sizeof buffer)) {
        std::vector<char> large(static_cast<std::size_t>(n) + 1);
        va_start(args, format);
        std::vsnprintf(large.data(), large.size(), format, args);
        va_end(args);
        out += large.data();
    } else if (n > 0) {
        out += buffer;
    }
}

// Appends the value text of the element; false when it cannot be read.
bool appendValue(ProElement element, std::string& line) {
    ProValue value = nullptr;
    ProError err = ProElementValueGet(element, &value);
    if (err == PRO_TK_E_NOT_FOUND) {
        return true;  // an element without a value
    }
    if (err == PRO_TK_INVALID_TYPE) {
        line += "NON-STANDARD ELEMENT";
        return true;
    }
    ProValueData data{};
    if (err != PRO_TK_NO_ERROR || ProValueDataGet(value, &data) != PRO_TK_NO_ERROR) {
        return false;
    }
    switch (data.type) {
        case PRO_VALUE_TYPE_INT:
            appendf(line, "VALUE (INT)       = %d", data.v.i);
            break;
        case PRO_VALUE_TYPE_DOUBLE:
            appendf(line, "VALUE (DOUBLE)    = %f", data.v.d);
            break;
        case PRO_VALUE_TYPE_POINTER:
            if (data.v.p != nullptr) {
                line += "POINTER           = **";
            } else {
                appendf(line, "POINTER           = %p", data.v.p);
            }
            break;
        case PRO_VALUE_TYPE_STRING:
            line += "VALUE (STRING)    = ";
            line += data.v.s != nullptr ? data.v.s : "";
            break;
        case PRO_VALUE_TYPE_WSTRING:
            line += "VALUE (WSTRING)   = ";
            line += text::toNarrow(data.v.w);
            break;
        case PRO_VALUE_TYPE_SELECTION:
            line += data.v.r != nullptr ? "VALUE (SELECTION) = **" : "VALUE (SELECTION) = ";
            break;
        case PRO_VALUE_TYPE_TRANSFORM:
            line += "VALUE (TRANSFORM)";
            for (int row = 0; row < 4; ++row) {
                appendf(line, "%8.5f %8.5f %8.5f %8.5f\n", data.v.t[row][0], data.v.t[row][1],
                        data.v.t[row][2], data.v.t[row][3]);
            }
            break;
        default:
            // A value type the dump has no form for.
            line += "NON-STANDARD ELEMENT";
            break;
    }
    return true;
}

// Appends name, kind and value; sets `children` for a compound or array element.
bool appendElement(ProElement element, int id, std::string& line, int& children) {
    if (const char* name = elementName(id)) {
        appendf(line, "%s  ", name);
    } else {
        appendf(line, "Elem Id: %3d  ", id);
    }
    ProBoolean compound = PRO_B_FALSE;
    ProBoolean array = PRO_B_FALSE;
    if (ProElementIsCompound(element, nullptr, &compound) != PRO_TK_NO_ERROR ||
        ProElementIsArray(element, nullptr, &array) != PRO_TK_NO_ERROR) {
        return false;
    }
    if (compound == PRO_B_TRUE) {
        line += " (COMPOUND) ";
    }
    if (array == PRO_B_TRUE) {
        line += " (ARRAY) ";
    }
    if (compound == PRO_B_TRUE || array == PRO_B_TRUE) {
        return ProElementArrayCount(element, nullptr, &children) == PRO_TK_NO_ERROR;
    }
    return appendValue(element, line);
}

// The visit reaches the elements depth first; the level of each follows from the
// number of children of compound and array elements and the siblings still to come on
// each level above it.
class Dump {
public:
    explicit Dump(std::FILE* file) : file_(file) {}

    void write(ProElement element) {
        int depth = level_;
        std::string line;
        for (int k = 1; k < depth; ++k) {
            line += remaining_[static_cast<std::size_t>(k)] > 0 ? " |   " : "     ";
        }
        if (depth > 0) {
            line += " |---";
            --remaining_[static_cast<std::size_t>(depth)];
        }

        int id = PRO_VALUE_UNUSED;
        int children = 0;
        bool read = ProElementIdGet(element, &id) == PRO_TK_NO_ERROR &&
                    appendElement(element, id, line, children);
        if (read) {
            line += "\n";
            std::fputs(line.c_str(), file_);
        } else {
            std::fputs("\n", file_);
            std::fprintf(stderr, "Element id %d is bad valued \n", id);
            children = 0;
        }

        if (children > 0) {
            level_ = depth + 1;
            if (remaining_.size() <= static_cast<std::size_t>(level_)) {
                remaining_.resize(static_cast<std::size_t>(level_) + 1, 0);
            }
            remaining_[static_cast<std::size_t>(level_)] = children;
        } else {
            level_ = depth;
            while (level_ > 0 && remaining_[static_cast<std::size_t>(level_)] <= 0) {
                --level_;
            }
        }
    }

    ardotk::VisitGuard guard;

private:
    std::FILE* file_;
    int level_ = 0;
    // Siblings still to come per level; level 0 is the root.
    std::vector<int> remaining_ = std::vector<int>(20, 0);
};

ProError dumpAction(ProElement, ProElement element, ProElempath, ProAppData data) {
    auto* dump = static_cast<Dump*>(data);
    return dump->guard.run([&] {
        dump->write(element);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

ProError ElemtreeDump(ProElement tree) {
    std::FILE* file = std::fopen("elemtree.inf", "w");
    if (file == nullptr) {
        return PRO_TK_CANT_WRITE;
    }
    std::fputs("Element tree\n============\n\n", file);
    Dump dump(file);
    ProError err = ProElemtreeElementVisit(tree, nullptr, nullptr, dumpAction, &dump);
    std::fclose(file);
    dump.guard.rethrow();
    return err;
}

}  // namespace Ardo

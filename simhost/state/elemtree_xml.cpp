// The XML form of an element tree that ProElemtreeWrite produces.
#include <cstdio>
#include <fstream>
#include <string>

#include "simhost/core/wide.h"
#include "simhost/state/elemtree.h"

namespace simhost::state {
namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string number(double d) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", d);
    return buffer;
}

std::string valueXml(const ValueContent& c) {
    switch (c.type) {
        case PRO_VALUE_TYPE_INT:
            return "<Value type=\"int\">" + std::to_string(c.i) + "</Value>";
        case PRO_VALUE_TYPE_DOUBLE:
            return "<Value type=\"double\">" + number(c.d) + "</Value>";
        case PRO_VALUE_TYPE_POINTER:
            return c.p == nullptr ? "<Value type=\"pointer\"/>"
                                  : "<Value type=\"pointer\">set</Value>";
        case PRO_VALUE_TYPE_STRING:
            return c.s ? "<Value type=\"string\">" + escaped(*c.s) + "</Value>"
                       : "<Value type=\"string\"/>";
        case PRO_VALUE_TYPE_WSTRING:
            return c.w ? "<Value type=\"wstring\">" + escaped(core::toUtf8(*c.w)) + "</Value>"
                       : "<Value type=\"wstring\"/>";
        case PRO_VALUE_TYPE_SELECTION: {
            if (!c.r) {
                return "<Value type=\"selection\"/>";
            }
            std::string out = "<Value type=\"selection\"><Item type=\"" +
                              std::to_string(c.r->item.type) + "\" id=\"" +
                              std::to_string(c.r->item.id) + "\"/>";
            if (c.r->path) {
                out += "<Path>";
                for (int k = 0; k < c.r->path->table_num; ++k) {
                    out += (k > 0 ? " " : "") + std::to_string(c.r->path->comp_id_table[k]);
                }
                out += "</Path>";
            }
            return out + "</Value>";
        }
        case PRO_VALUE_TYPE_TRANSFORM: {
            std::string out = "<Value type=\"transform\">";
            for (int row = 0; row < 4; ++row) {
                out += "<Row>";
                for (int col = 0; col < 4; ++col) {
                    out += (col > 0 ? " " : "") + number(c.t[row][col]);
                }
                out += "</Row>";
            }
            return out + "</Value>";
        }
        case PRO_VALUE_TYPE_BOOLEAN:
            return std::string("<Value type=\"boolean\">") + (c.b ? "true" : "false") + "</Value>";
        default:
            return "<Value/>";
    }
}

const char* kindName(ElementKind kind) {
    switch (kind) {
        case ElementKind::Compound:
            return "compound";
        case ElementKind::Array:
            return "array";
        default:
            return nullptr;
    }
}

// Recursive: as deep as the tree, at most kTreeLevelsMax levels.
void writeElement(std::ofstream& out, const Element& element, int depth) {
    std::string indent(static_cast<std::size_t>(2 * depth), ' ');
    out << indent << "<Element id=\"" << element.id << "\"";
    if (const char* kind = kindName(element.kind)) {
        out << " kind=\"" << kind << "\"";
    }
    if (element.multival) {
        out << " multival=\"true\"";
    }
    if (element.values.empty() && element.children.empty()) {
        out << "/>\n";
        return;
    }
    out << ">";
    if (element.children.empty()) {
        for (ProValue value : element.values) {
            out << valueXml(valueFind(value)->content);
        }
        out << "</Element>\n";
        return;
    }
    out << "\n";
    for (const Element* child : element.children) {
        writeElement(out, *child, depth + 1);
    }
    out << indent << "</Element>\n";
}

}  // namespace

bool treeWriteXml(const Element& root, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ElementTree>\n";
    writeElement(out, root, 1);
    out << "</ElementTree>\n";
    return static_cast<bool>(out.flush());
}

}  // namespace simhost::state

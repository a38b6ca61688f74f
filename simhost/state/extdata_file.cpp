// The "extdata" section of the model file: classes in registration order, each with its
// slots in creation order and their typed values; streams in base64.
#include <array>
#include <climits>
#include <set>
#include <stdexcept>
#include <string>

#include "simhost/core/wide.h"
#include "simhost/state/extdata.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

constexpr const char* kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// The value keys of a slot; a slot without one was never written.
constexpr std::array<const char*, 4> kValueKeys = {"integer", "double", "text", "stream"};

std::wstring nameFrom(const json& entry, const char* key) {
    std::wstring name = core::fromUtf8(keyAs<std::string>(entry, key));
    if (name.empty() || name.size() > kExtdataNameMax) {
        JsonPlace place(key);
        throw std::invalid_argument("a name of 1 to " + std::to_string(kExtdataNameMax) +
                                    " characters");
    }
    return name;
}

void valueFrom(const json& entry, ExtdataSlot& slot) {
    const char* found = nullptr;
    for (const char* key : kValueKeys) {
        if (entry.contains(key)) {
            if (found != nullptr) {
                JsonPlace place(key);
                throw std::invalid_argument(std::string("a slot holds one value, also \"") + found +
                                            "\"");
            }
            found = key;
        }
    }
    if (found == nullptr) {
        return;
    }
    std::string key = found;
    if (key == "integer") {
        slot.type = kExtdataInteger;
        slot.integer = keyInt(entry, found);
    } else if (key == "double") {
        slot.type = kExtdataDouble;
        slot.real = keyDouble(entry, found);
    } else if (key == "text") {
        slot.type = kExtdataText;
        slot.text = core::fromUtf8(keyAs<std::string>(entry, found));
        if (slot.text.size() > kExtdataTextMax) {
            JsonPlace place(found);
            throw std::invalid_argument("a text of more than " + std::to_string(kExtdataTextMax) +
                                        " characters");
        }
    } else {
        slot.type = kExtdataStream;
        JsonPlace place(found);
        const json& text = entry.at(found);
        if (!text.is_string() ||
            text.get_ref<const std::string&>().size() > (kExtdataStreamMax + 2) / 3 * 4) {
            throw std::invalid_argument("a stream of at most " + std::to_string(kExtdataStreamMax) +
                                        " bytes in base64");
        }
        slot.bytes = base64Decode(text.get<std::string>());
        if (slot.bytes.size() > kExtdataStreamMax) {
            throw std::invalid_argument("a stream of more than " +
                                        std::to_string(kExtdataStreamMax) + " bytes");
        }
    }
}

ExtdataClass classFrom(const json& entry, std::size_t& slots, std::size_t& bytes) {
    ExtdataClass out;
    out.name = nameFrom(entry, "class");
    JsonPlace slotsPlace("slots");
    std::set<int> ids;
    std::size_t index = 0;
    for (const json& item : keyListOr(entry, "slots")) {
        JsonPlace place(index++);
        if (++slots > kExtdataSlotsMax) {
            throw std::invalid_argument("more than " + std::to_string(kExtdataSlotsMax) +
                                        " slots in the model");
        }
        ExtdataSlot slot;
        slot.name = nameFrom(item, "name");
        if (out.slot(slot.name) != nullptr) {
            JsonPlace namePlace("name");
            throw std::invalid_argument("a second slot of that name");
        }
        slot.id = keyInt(item, "id", 1, kIdMax);
        if (!ids.insert(slot.id).second) {
            JsonPlace idPlace("id");
            throw std::invalid_argument("a second slot of that id");
        }
        valueFrom(item, slot);
        bytes += slot.size();
        if (bytes > kExtdataModelBytesMax) {
            throw std::invalid_argument("values of more than " +
                                        std::to_string(kExtdataModelBytesMax) + " bytes");
        }
        out.nextSlotId = std::max(out.nextSlotId, slot.id + 1);
        out.slots.push_back(std::move(slot));
    }
    return out;
}

json slotToJson(const ExtdataSlot& slot) {
    json out = {{"name", core::toUtf8(slot.name)}, {"id", slot.id}};
    switch (slot.type) {
        case kExtdataInteger:
            out["integer"] = slot.integer;
            break;
        case kExtdataDouble:
            out["double"] = slot.real;
            break;
        case kExtdataText:
            out["text"] = core::toUtf8(slot.text);
            break;
        case kExtdataStream:
            out["stream"] = base64Encode(slot.bytes);
            break;
        default:
            break;
    }
    return out;
}

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '+') {
        return 62;
    }
    return c == '/' ? 63 : -1;
}

const bool kCodecRegistered = [] {
    sectionCodecAdd({"extdata",
                     [](Model& model, const json& section) { extdata(model).fromJson(section); },
                     [](Model& model) { return extdata(model).toJson(); }});
    return true;
}();

}  // namespace

json ExtdataStore::toJson() const {
    if (classes_.empty()) {
        return nullptr;
    }
    json out = json::array();
    for (const auto& c : classes_) {
        json slots = json::array();
        for (const auto& s : c.slots) {
            slots.push_back(slotToJson(s));
        }
        out.push_back({{"class", core::toUtf8(c.name)}, {"slots", std::move(slots)}});
    }
    return out;
}

void ExtdataStore::fromJson(const json& section) {
    std::vector<ExtdataClass> loaded;
    std::size_t slots = 0;
    std::size_t bytes = 0;
    std::size_t index = 0;
    for (const json& entry : listOf(section)) {
        JsonPlace place(index++);
        if (loaded.size() == kExtdataClassesMax) {
            throw std::invalid_argument("more than " + std::to_string(kExtdataClassesMax) +
                                        " classes");
        }
        ExtdataClass c = classFrom(entry, slots, bytes);
        for (const auto& other : loaded) {
            if (other.name == c.name) {
                JsonPlace namePlace("class");
                throw std::invalid_argument("a second class of that name");
            }
        }
        loaded.push_back(std::move(c));
    }
    classes_ = std::move(loaded);
}

std::string base64Encode(const std::vector<unsigned char>& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned long group = static_cast<unsigned long>(bytes[i]) << 16;
        if (n > 1) {
            group |= static_cast<unsigned long>(bytes[i + 1]) << 8;
        }
        if (n > 2) {
            group |= bytes[i + 2];
        }
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return out;
}

std::vector<unsigned char> base64Decode(const std::string& text) {
    if (text.size() % 4 != 0) {
        throw std::invalid_argument("base64 comes in groups of four characters");
    }
    std::vector<unsigned char> out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        bool last = i + 4 == text.size();
        std::size_t pad = 0;
        unsigned long group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            char c = text[i + k];
            int value = base64Value(c);
            if (c == '=' && last && k >= 2 && (pad > 0 || k == 3 || text[i + 3] == '=')) {
                ++pad;
                value = 0;
            } else if (value < 0 || pad > 0) {
                throw std::invalid_argument("not base64 at character " + std::to_string(i + k));
            }
            group = (group << 6) | static_cast<unsigned long>(value);
        }
        // Padding bits must be zero, so that every stream has exactly one text.
        if ((pad == 1 && (group & 0xFF) != 0) || (pad == 2 && (group & 0xFFFF) != 0)) {
            throw std::invalid_argument("not base64 at character " + std::to_string(i));
        }
        out.push_back(static_cast<unsigned char>(group >> 16));
        if (pad < 2) {
            out.push_back(static_cast<unsigned char>((group >> 8) & 0xFF));
        }
        if (pad < 1) {
            out.push_back(static_cast<unsigned char>(group & 0xFF));
        }
    }
    return out;
}

}  // namespace simhost::state

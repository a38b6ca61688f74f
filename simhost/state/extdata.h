// External data of a model: the application's classes of named slots, each slot empty
// or holding an integer, a double, a wide text or a byte stream. Kept with the model and
// saved in its file (the "extdata" section, docs/model-files.md).
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <vector>

#include "simhost/state/id_range.h"
#include "simhost/state/models.h"

namespace simhost::state {

// Limits against hostile input; a request beyond them is refused.
constexpr std::size_t kExtdataNameMax = 31;             // characters of a class or slot name
constexpr std::size_t kExtdataClassesMax = 1000;        // classes of one model
constexpr std::size_t kExtdataSlotsMax = 10000;         // slots of one model, all classes
constexpr std::size_t kExtdataTextMax = 65535;          // characters of a wide text
constexpr std::size_t kExtdataStreamMax = 524288;       // bytes of a stream
constexpr std::size_t kExtdataModelBytesMax = 1 << 24;  // value bytes of one model

// The host's value types; 0 marks a slot never written.
constexpr int kExtdataEmpty = 0;
constexpr int kExtdataInteger = 1;
constexpr int kExtdataDouble = 2;
constexpr int kExtdataText = 3;
constexpr int kExtdataStream = 4;

struct ExtdataSlot {
    std::wstring name;
    int id = 0;
    int type = kExtdataEmpty;
    int integer = 0;
    double real = 0.0;
    std::wstring text;
    std::vector<unsigned char> bytes;

    // The bytes the value takes against the model's limit.
    std::size_t size() const;
};

struct ExtdataClass {
    std::wstring name;
    std::vector<ExtdataSlot> slots;  // in the order they were created
    int nextSlotId = 1;

    ExtdataSlot* slot(const std::wstring& slotName);
    ExtdataSlot* slot(int slotId);
};

class ExtdataStore {
public:
    // Classes in the order they were registered.
    std::vector<ExtdataClass>& classes() { return classes_; }
    ExtdataClass* find(const std::wstring& className);
    // Removes the class with all its slots; false when there is none.
    bool remove(const std::wstring& className);
    std::size_t slotCount() const;
    std::size_t valueBytes() const;

    // The "extdata" section; null when the model has no class.
    nlohmann::json toJson() const;
    // Replaces the content from a section; throws on a malformed one.
    void fromJson(const nlohmann::json& section);

private:
    std::vector<ExtdataClass> classes_;
};

inline ExtdataStore& extdata(Model& model) {
    return model.content<ExtdataStore>();
}

// Base64 (RFC 4648, with padding) of the stream values in the model file. decode throws
// std::invalid_argument on a malformed text.
std::string base64Encode(const std::vector<unsigned char>& bytes);
std::vector<unsigned char> base64Decode(const std::string& text);

}  // namespace simhost::state

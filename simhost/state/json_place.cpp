#include "simhost/state/json_place.h"

#include <exception>
#include <optional>

namespace simhost::state {
namespace {

struct Places {
    JsonPath current;
    std::optional<JsonPath> failed;
};

Places& places() {
    static Places state;
    return state;
}

}  // namespace

JsonPlace::JsonPlace(std::string key) : uncaught_(std::uncaught_exceptions()) {
    places().current.push_back(std::move(key));
}

JsonPlace::JsonPlace(std::size_t index) : JsonPlace(std::to_string(index)) {}

JsonPlace::~JsonPlace() {
    Places& p = places();
    // The first place left while an exception unwinds is where the reader failed.
    if (std::uncaught_exceptions() > uncaught_ && !p.failed) {
        try {
            p.failed = p.current;
        } catch (...) {
            p.failed = JsonPath{};
        }
    }
    p.current.pop_back();
}

void jsonPlaceStart() {
    places().failed.reset();
}

JsonPath jsonPlaceFailed() {
    return places().failed.value_or(JsonPath{});
}

std::string readerMessage(const std::exception& e) {
    std::string text = e.what();
    // "[json.exception.type_error.302] type must be ..." -> "type must be ..."
    if (text.rfind("[json.exception.", 0) == 0) {
        std::size_t end = text.find("] ");
        if (end != std::string::npos) {
            text.erase(0, end + 2);
        }
    }
    return text;
}

}  // namespace simhost::state

// Configuration options and the host's defaults.
#include "simhost/state/config.h"

namespace simhost::state {

namespace {

struct Default {
    const char* option;
    const char* value;
};

// Defaults of the options this host knows without a start file. An empty value is an
// option that is known but not set (the working directory for "trail_dir").
constexpr Default kDefaults[] = {
    {"display_annotations", "yes"}, {"display_axes", "yes"},   {"display_coord_sys", "yes"},
    {"display_planes", "yes"},      {"display_points", "yes"}, {"pro_mf_tprm_dir", ""},
    {"show_dim_sign", "no"},        {"trail_dir", ""},
};

const char* defaultOf(const std::string& key) {
    for (const auto& entry : kDefaults) {
        if (key == entry.option) {
            return entry.value;
        }
    }
    return nullptr;
}

std::string shown(std::string value) {
    std::string lower = configOptionKey(value);
    if (lower == "yes" || lower == "no") {
        for (char& c : value) {
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
    }
    return value;
}

}  // namespace

std::string configOptionKey(const std::string& option) {
    std::string key = option;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

bool configValues(const Session& session, const std::string& option,
                  std::vector<std::string>& values) {
    std::string key = configOptionKey(option);
    values.clear();
    auto it = session.config.find(key);
    if (it != session.config.end() && !it->second.empty()) {
        for (const std::string& value : it->second) {
            values.push_back(shown(value));
        }
        return true;
    }
    if (const char* fallback = defaultOf(key)) {
        values.push_back(shown(fallback));
        return true;
    }
    return false;
}

bool configGet(const Session& session, const std::string& option, std::string& value) {
    std::vector<std::string> values;
    if (!configValues(session, option, values)) {
        return false;
    }
    value = values.front();
    return true;
}

void configSet(Session& session, const std::string& option, const std::string& value) {
    session.config[configOptionKey(option)] = {value};
}

}  // namespace simhost::state

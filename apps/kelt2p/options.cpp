#include "options.h"

#include <cctype>

namespace kelt2p {

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (operandsOnly || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            options.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            operandsOnly = true;
            continue;
        }
        std::string name = arg;
        std::string value;
        std::size_t equals = arg.find('=');
        if (equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        } else if (name == "--wcell" || name == "--format" || name == "--start-file" ||
                   name == "--text-dir") {
            if (i + 1 == args.size()) {
                throw UsageError(name + " needs a value");
            }
            value = args[++i];
        }
        if (name == "--wcell") {
            bool valid = !value.empty() && value.size() <= 31;
            for (char c : value) {
                valid =
                    valid && (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-');
            }
            if (!valid) {
                throw UsageError("workcell name \"" + value +
                                 "\" is not 1 to 31 letters, digits, _ or -");
            }
            for (char& c : value) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            options.wcell = value;
        } else if (name == "--format") {
            auto format = formatFromText(value);
            if (!format) {
                throw UsageError("unknown format \"" + value + "\" (table, csv or json)");
            }
            options.format = *format;
        } else if (name == "--start-file") {
            if (value.empty()) {
                throw UsageError("--start-file needs a value");
            }
            options.startFile = value;
        } else if (name == "--text-dir") {
            if (value.empty()) {
                throw UsageError("--text-dir needs a value");
            }
            options.textDir = value;
        } else {
            throw UsageError("unknown option " + name);
        }
    }
    return options;
}

}  // namespace kelt2p

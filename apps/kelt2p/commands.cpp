#include "commands.h"

#include <filesystem>
#include <map>

#include "host.h"
#include "host_text.h"
#include "options.h"
#include "result_codes.h"
#include "tool_list.h"
#include "tool_table.h"
#include "usage.h"

namespace kelt2p {

namespace {

using Command = int (*)(const Arguments&, std::ostream&, std::ostream&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"info", info},
        {"serve", serve},
        {"sync", sync},
        {"table", kelt2p::table},
    };
    return table;
}

// The host's diagnostic of a refused model file, on a line of its own after the code.
void writeDiagnostic(std::ostream& err, const std::string& prefix, const std::string& diagnostic) {
    if (!diagnostic.empty()) {
        err << prefix << diagnostic << '\n';
    }
}

}  // namespace

int run(const std::string& name, const Arguments& args, std::ostream& out, std::ostream& err) {
    if (name == "--help" || name == "-h") {
        writeUsage(out);
        return kExitOk;
    }
    if (name == "--version") {
        writeVersion(out);
        return kExitOk;
    }
    auto command = commands().find(name);
    if (command == commands().end()) {
        if (!name.empty()) {
            err << "kelt2p: unknown " << (name[0] == '-' ? "option " : "command ") << name << '\n';
        }
        writeUsage(err);
        return kExitUsage;
    }
    if (asksForHelp(args)) {
        writeUsage(out);
        return kExitOk;
    }
    std::string prefix = "kelt2p " + command->first + ": ";
    useHostCharacterSet();
    try {
        return command->second(args, out, err);
    } catch (const UsageError& e) {
        err << prefix << e.what() << '\n';
        writeUsage(err);
        return kExitUsage;
    } catch (const ToolListError& e) {
        err << e.report() << prefix << "the tool list is refused; nothing was changed\n";
        return kExitInput;
    } catch (const InputError& e) {
        err << prefix << e.what() << '\n';
        return kExitInput;
    } catch (const HostFailure& e) {
        err << prefix << e.message() << '\n';
        writeDiagnostic(err, prefix, e.diagnostic);
        return kExitHost;
    } catch (const Ardo::Error& e) {
        err << prefix << describeResultCode(e.code) << " (" << e.text << ")\n";
        writeDiagnostic(err, prefix, loadDiagnostic(e.code));
        return kExitHost;
    } catch (const ardotk::Error& e) {
        err << prefix << describeResultCode(e.code) << " (" << e.text << ")\n";
        writeDiagnostic(err, prefix, loadDiagnostic(e.code));
        return kExitHost;
    } catch (const std::exception& e) {
        err << prefix << e.what() << '\n';
    }
    return kExitOther;
}

std::string enterModelDirectory(const std::string& operand) {
    std::filesystem::path path(operand);
    std::string name = mfgModelName(path.filename().string());
    if (path.has_parent_path()) {
        std::error_code ec;
        std::filesystem::current_path(path.parent_path(), ec);
        if (ec) {
            throw InputError("cannot work in " + path.parent_path().string() + ": " + ec.message());
        }
    }
    return name;
}

}  // namespace kelt2p

#include "commands.h"
#include "host.h"
#include "host_text.h"
#include "options.h"
#include "tool_table.h"

namespace kelt2p {

int table(const Arguments& args, std::ostream& out, std::ostream&) {
    Options options = parseOptions(args);
    if (options.operands.size() != 1) {
        throw UsageError("table takes one model");
    }
    std::string name = enterModelDirectory(options.operands[0]);
    HostSession session(options.startFile);
    Ardo::kelt2pMfg mfg;
    const std::string hostName = toHostText(name, "the model name");
    hostStep("loading the manufacturing model " + name, [&] { mfg.Load(hostName.c_str()); });
    Ardo::kelt2pWcell wcell = findWorkcell(mfg, options.wcell);
    write(out, readToolTable(mfg, wcell, true), options.format);
    return kExitOk;
}

}  // namespace kelt2p

#define PRO_USE_VAR_ARGS
#include "serve.h"

#include <ProMessage.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "host.h"
#include "host_text.h"
#include "kelt2proe/simhost/control.h"
#include "options.h"
#include "result_codes.h"
#include "sync.h"
#include "tool_list.h"

namespace kelt2p {

namespace {

// The host's name of the button, and the application's message file and key for the
// outcome of a press; the texts are in the text directory's message file.
const char* const kButton = "ardokelt_dialog";
const char* const kMessageFile = "kelt2creo.txt";
const char* const kResultKey = "KELT2P RESULT";

// The text directory installed with the program: beside it (<prefix>/bin/kelt2p,
// <prefix>/share/kelt2p) wherever the installation was moved, else where it was
// installed to.
#ifndef KELT2P_TEXT_DIR
#define KELT2P_TEXT_DIR ""
#endif
#ifndef KELT2P_TEXT_SUBDIR
#define KELT2P_TEXT_SUBDIR "share/kelt2p"
#endif

std::string installedTextDir() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path beside =
            program.parent_path().parent_path() / KELT2P_TEXT_SUBDIR;
        if (std::filesystem::exists(beside / "text" / kMessageFile, ec)) {
            return beside.string();
        }
    }
    return KELT2P_TEXT_DIR;
}

// What the session serves and what it did; the host's callbacks take no arguments, so
// the session in progress is reached through `active`.
struct Served {
    std::vector<ToolEntry> list;
    std::string source;
    std::string wcell;
    int presses = 0;
    int synced = 0;
    int failed = 0;
    std::size_t written = 0;
};
Served* active = nullptr;

// Shows `text` in the host's message area.
void show(const std::string& text) {
    wchar_t file[PRO_FILE_NAME_SIZE] = {};
    for (std::size_t i = 0; kMessageFile[i] != '\0'; ++i) {
        file[i] = static_cast<wchar_t>(kMessageFile[i]);
    }
    char key[PRO_LINE_SIZE];
    std::strncpy(key, kResultKey, sizeof key - 1);
    key[sizeof key - 1] = '\0';
    std::string line = text;
    (void)ProMessageDisplay(file, key, line.data());
}

// One press: the current manufacturing model's workcell gets the tool list.
void syncCurrentModel(Served& served) {
    ++served.presses;
    try {
        Ardo::kelt2pMfg mfg;
        hostStep("reading the current model", [&] { mfg.Current(); });
        SyncResult result = syncToolList(mfg, served.list, served.source, served.wcell);
        show("kelt2p: " + describeSync(result));
        ++served.synced;
        served.written += result.written;
        return;
    } catch (const ToolListError& e) {
        for (const Problem& p : e.problems) {
            show("kelt2p: " + e.source + ":" + std::to_string(p.line) + ": " + p.message);
        }
        show("kelt2p: the tool list is refused; nothing was changed");
    } catch (const InputError& e) {
        show(std::string("kelt2p: ") + e.what());
    } catch (const HostFailure& e) {
        show("kelt2p: " + e.message());
    } catch (const Ardo::Error& e) {
        show("kelt2p: " + describeResultCode(e.code) + " (" + e.text + ")");
    } catch (const ardotk::Error& e) {
        show("kelt2p: " + describeResultCode(e.code) + " (" + e.text + ")");
    } catch (const std::exception& e) {
        show(std::string("kelt2p: ") + e.what());
    }
    ++served.failed;
}

int onPress() {
    if (active != nullptr) {
        syncCurrentModel(*active);
    }
    return 0;
}

bool buttonShown() {
    for (const simhost::CommandButton& button : simhost::commands()) {
        if (button.action == kButton && button.designated) {
            return true;
        }
    }
    return false;
}

// Clears `active` however serving ends.
struct ActiveServe {
    explicit ActiveServe(Served& served) { active = &served; }
    ~ActiveServe() { active = nullptr; }
    ActiveServe(const ActiveServe&) = delete;
    ActiveServe& operator=(const ActiveServe&) = delete;
};

}  // namespace

int serveDesk(const Arguments& args, std::ostream& out, std::ostream& err, const Desk& desk) {
    Options options = parseOptions(args);
    if (options.operands.size() != 1) {
        throw UsageError("serve takes a tool list");
    }
    const std::string textDir = options.textDir.empty() ? installedTextDir() : options.textDir;
    Served served;
    served.source = options.operands[0];
    served.wcell = options.wcell;
    // The whole list is read and checked before the host is started.
    served.list = readToolList(served.source);

    try {
        startEmbeddedHost(options.startFile);
    } catch (const std::runtime_error& e) {
        throw InputError(std::string("cannot start the host session: ") + e.what());
    }
    Ardo::kelt2pSession session;
    ActiveServe serving(served);
    session.CustomDialog(&onPress);
    session.CustomExit(nullptr);
    session.Textpath(textDir.c_str());
    hostStep("connecting to the host session", [&] { session.Connect(); });
    if (!buttonShown()) {
        session.End();
        throw InputError("the host shows no tool-database button: the text directory " + textDir +
                         " lacks text/" + kMessageFile + " or the host refused the application");
    }
    err << "kelt2p serve: the tool-database button is ready; serving the host session\n";
    if (desk) {
        desk();
    }
    session.EventLoop();
    if (session.IsConnected()) {
        // The loop ended without the session: nothing more can arrive from the embedded
        // host, so the session is ended here.
        hostStep("ending the host session", [&] { session.End(); });
    }
    out << "kelt2p serve: " << served.presses << (served.presses == 1 ? " press" : " presses")
        << " served: " << served.synced << " synced (" << served.written
        << (served.written == 1 ? " entry" : " entries") << " written), " << served.failed
        << " failed\n";
    return served.failed == 0 ? kExitOk : kExitHost;
}

int serve(const Arguments& args, std::ostream& out, std::ostream& err) {
    return serveDesk(args, out, err, nullptr);
}

}  // namespace kelt2p

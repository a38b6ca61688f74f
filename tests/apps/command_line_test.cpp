// The command-line conventions of kelt2p: help and version on standard output with exit 0,
// usage errors on standard error with exit 2, whichever command they come with.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "commands.h"

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(const std::string& command, const kelt2p::Arguments& args = {}) {
    std::ostringstream out;
    std::ostringstream err;
    int code = kelt2p::run(command, args, out, err);
    return {code, out.str(), err.str()};
}

bool isUsage(const std::string& text) {
    return text.rfind("usage: kelt2p sync <model> <tool-list.csv>", 0) == 0 &&
           text.find("kelt2p table <model>") != std::string::npos &&
           text.find("kelt2p info") != std::string::npos &&
           text.find("--help") != std::string::npos && text.find("--version") != std::string::npos;
}

TEST(CommandLine, HelpGoesToStandardOutputWithExitZero) {
    const std::pair<std::string, kelt2p::Arguments> asks[] = {
        {"--help", {}},
        {"-h", {}},
        {"--help", {"sync"}},
        {"sync", {"--help"}},
        // Help wins over operands that do not exist and over bad options.
        {"sync", {"absent.mfg", "absent.csv", "-h"}},
        {"table", {"--format", "xml", "--help"}},
        {"info", {"--help"}},
    };
    for (const auto& [command, args] : asks) {
        SCOPED_TRACE(command + (args.empty() ? "" : " " + args.back()));
        Outcome help = run(command, args);
        EXPECT_EQ(help.code, kelt2p::kExitOk);
        EXPECT_TRUE(isUsage(help.out)) << help.out;
        EXPECT_EQ(help.err, "");
    }
}

TEST(CommandLine, VersionGoesToStandardOutputWithExitZero) {
    Outcome version = run("--version");
    EXPECT_EQ(version.code, kelt2p::kExitOk);
    EXPECT_TRUE(std::regex_match(version.out, std::regex(R"(kelt2p \d+\.\d+\.\d+\n)")))
        << version.out;
    EXPECT_EQ(version.err, "");
}

TEST(CommandLine, UsageErrorsGoToStandardErrorWithExitTwo) {
    const struct {
        std::string command;
        kelt2p::Arguments args;
        std::string message;  // the line before the usage
    } wrong[] = {
        {"", {}, ""},
        {"bogus", {}, "kelt2p: unknown command bogus\n"},
        {"--verbose", {}, "kelt2p: unknown option --verbose\n"},
        {"sync", {"mill_job.mfg"}, "kelt2p sync: sync takes a model and a tool list\n"},
        {"table", {"mill_job", "--wcell"}, "kelt2p table: --wcell needs a value\n"},
        {"info", {"extra"}, "kelt2p info: info takes no arguments\n"},
        // After "--" a help option is an operand like any other.
        {"table", {"--", "--help", "mill_job"}, "kelt2p table: table takes one model\n"},
    };
    for (const auto& c : wrong) {
        SCOPED_TRACE(c.command);
        Outcome refused = run(c.command, c.args);
        EXPECT_EQ(refused.code, kelt2p::kExitUsage);
        EXPECT_EQ(refused.out, "");
        ASSERT_EQ(refused.err.rfind(c.message, 0), 0u) << refused.err;
        EXPECT_TRUE(isUsage(refused.err.substr(c.message.size()))) << refused.err;
    }
}

}  // namespace

// The names of the host's result codes: exactly the codes the toolkit contract declares.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "kelt2proe/error.h"

namespace {

// The result codes the contract's ProError enumeration declares, read from its header.
std::map<int, std::string> contractCodes() {
    std::ifstream in(std::string(KELT2PROE_SOURCE_DIR) + "/base/toolkit/ProToolkit.h");
    std::stringstream text;
    text << in.rdbuf();
    const std::string header = text.str();
    const std::size_t end = header.find("} ProError;");
    const std::size_t begin = header.rfind("typedef enum {", end);
    if (end == std::string::npos || begin == std::string::npos) {
        return {};
    }
    const std::string body = header.substr(begin, end - begin);
    const std::regex entry(R"((PRO_TK_\w+)\s*=\s*(-?\d+))");
    std::map<int, std::string> codes;
    for (std::sregex_iterator it(body.begin(), body.end(), entry), last; it != last; ++it) {
        codes[std::stoi((*it)[2])] = (*it)[1];
    }
    return codes;
}

TEST(ResultCodeNames, NameEveryCodeOfTheContract) {
    const std::map<int, std::string> codes = contractCodes();
    ASSERT_GT(codes.size(), 80u) << "the contract's result codes were not found";
    for (const auto& [code, name] : codes) {
        const char* named = Ardo::ResultCodeName(code);
        ASSERT_NE(named, nullptr) << code << " " << name;
        EXPECT_EQ(named, name) << code;
    }
}

TEST(ResultCodeNames, NameNothingElse) {
    const std::map<int, std::string> codes = contractCodes();
    ASSERT_FALSE(codes.empty());
    for (int code = -1000; code <= 1000; ++code) {
        if (codes.count(code) == 0) {
            EXPECT_EQ(Ardo::ResultCodeName(code), nullptr) << code;
        }
    }
    // The library's own argument-check codes have no host name.
    EXPECT_EQ(Ardo::ResultCodeName(33), nullptr);
    EXPECT_EQ(Ardo::ResultCodeName(261), nullptr);
    EXPECT_EQ(Ardo::ResultCodeName(INT32_MIN), nullptr);
}

}  // namespace

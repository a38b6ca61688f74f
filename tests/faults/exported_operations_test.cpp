// The guard of the fault-sweep table: every exported operation of the library has a row,
// no row names an operation the library does not export, and every host function the
// library imports fails in some row's sweep.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "kelt2proe/simhost/control.h"
#include "support/fault_sweep.h"
#include "support/host_fixture.h"
#include "support/sweep_table.h"

namespace {

// The lines `nm` prints for the library with `options`.
std::vector<std::string> nmLines(const std::string& options) {
    const std::string command =
        std::string("\"") + KELT2PROE_NM + "\" " + options + " \"" + KELT2PROE_LIBRARY_FILE + "\"";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> lines;
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return lines;
    }
    std::string line;
    for (int c = std::fgetc(pipe.get()); c != EOF; c = std::fgetc(pipe.get())) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    EXPECT_FALSE(lines.empty()) << command << " printed nothing";
    return lines;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The exported operations: functions of the library's classes and free functions whose
// names start with "kelt2p". Construction, copy, assignment and destruction of the
// classes are left out: they hold or release handles and make no host call.
std::set<std::string> exportedOperations() {
    std::set<std::string> operations;
    for (const std::string& line : nmLines("-DC --defined-only")) {
        // "<address> T <symbol>"
        const auto type = line.find(' ');
        if (type == std::string::npos || line.size() < type + 3 ||
            (line[type + 1] != 'T' && line[type + 1] != 'W')) {
            continue;
        }
        std::string symbol = line.substr(type + 3);
        if (symbol.rfind("Ardo::kelt2p", 0) != 0) {
            continue;
        }
        replaceAll(symbol,
                   "std::__cxx11::basic_string<char, std::char_traits<char>, "
                   "std::allocator<char> >",
                   "std::string");
        const std::string name = symbol.substr(0, symbol.find('('));
        const std::string member = name.substr(name.rfind("::") + 2);
        const std::string owner = name.substr(0, name.rfind("::"));
        const std::string ownerClass = owner.substr(owner.rfind("::") + 2);
        if (member == ownerClass || member == "~" + ownerClass || member == "operator=") {
            const bool plumbing = symbol.find("()") != std::string::npos ||
                                  symbol.find("(" + owner + " const&)") != std::string::npos ||
                                  member != ownerClass;
            if (plumbing) {
                continue;
            }
        }
        operations.insert(symbol);
    }
    return operations;
}

// The host functions the library imports.
std::set<std::string> importedHostFunctions() {
    std::set<std::string> functions;
    for (const std::string& line : nmLines("-D --undefined-only")) {
        const auto type = line.find(" U ");
        if (type == std::string::npos) {
            continue;
        }
        std::string symbol = line.substr(type + 3);
        symbol = symbol.substr(0, symbol.find('@'));
        if (symbol.rfind("Pro", 0) == 0) {
            functions.insert(symbol);
        }
    }
    return functions;
}

TEST(FaultSweepTable, HasOneRowPerExportedOperation) {
    const std::set<std::string> exported = exportedOperations();
    std::set<std::string> rows;
    for (const testkit::SweepRow& row : testkit::sweepRows()) {
        EXPECT_TRUE(rows.insert(row.operation).second) << "two rows for " << row.operation;
    }
    for (const std::string& operation : exported) {
        EXPECT_EQ(rows.count(operation), 1u) << "no fault-sweep row for " << operation;
    }
    for (const std::string& operation : rows) {
        EXPECT_EQ(exported.count(operation), 1u)
            << "a row names an operation the library does not export: " << operation;
    }
}

class HostFunctionCoverage : public testkit::HostTest {};

TEST_F(HostFunctionCoverage, EveryImportedHostFunctionFailsInSomeRow) {
    std::set<std::string> called;
    for (const testkit::SweepRow& row : testkit::sweepRows()) {
        if (!row.expected) {
            continue;
        }
        if (row.prepare) {
            row.prepare();
        }
        simhost::clearJournal();
        testkit::outcomeOf(row.run);
        for (const std::string& entry : simhost::journal()) {
            called.insert(entry.substr(0, entry.find(' ')));
        }
    }
    const std::set<std::string> imported = importedHostFunctions();
    std::size_t failed = 0;
    for (const std::string& function : imported) {
        if (called.count(function) != 0) {
            ++failed;
        } else {
            ADD_FAILURE() << "no row's sweep fails " << function;
        }
    }
    std::printf("host functions the library imports: %zu, failed by the sweep: %zu\n",
                imported.size(), failed);
}

}  // namespace

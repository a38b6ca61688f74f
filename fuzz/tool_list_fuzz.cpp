// Tool lists as a tool database exports them: any bytes are read as a tool list (taken or
// refused with the lines at fault), and every CSV record read, written back field by
// field, reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "csv.h"
#include "tool_list.h"

namespace {

void expectRoundTrip(const kelt2p::CsvRecord& record) {
    bool empty = true;
    std::string line;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        empty = empty && record.fields[i].empty();
        line += (i == 0 ? "" : ",") + kelt2p::csvField(record.fields[i]);
    }
    if (empty) {
        return;  // a line of empty fields is skipped by design
    }
    std::istringstream in(line + "\n");
    const auto again = kelt2p::readCsv(in);
    if (again.size() != 1 || again[0].fields != record.fields) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        std::istringstream in(text);
        for (const kelt2p::CsvRecord& record : kelt2p::readCsv(in)) {
            expectRoundTrip(record);
        }
    } catch (const kelt2p::CsvError&) {
    }
    try {
        std::istringstream in(text);
        kelt2p::parseToolList(in, "tools.csv");
    } catch (const kelt2p::ToolListError& e) {
        if (e.report().empty()) {
            std::abort();  // a refusal always names what is wrong
        }
    }
    return 0;
}

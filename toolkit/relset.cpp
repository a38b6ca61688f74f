#include "toolkit/relset.h"

#include <ProArray.h>

#include <cstring>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "toolkit/array.h"
#include "toolkit/check.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

constexpr const char* kGetText = "ardotk::RelationsGet";
constexpr const char* kSetText = "ardotk::RelationsSet";

struct Gather {
    const std::function<bool(const ProModelitem&)>& take;
    std::vector<ProRelset> sets;
    ProError failure;
    VisitGuard guard;
};

ProError gatherRelset(ProRelset* set, ProAppData data) {
    auto& gather = *static_cast<Gather*>(data);
    return gather.guard.run([&] {
        ProModelitem owner{};
        ProError err = ProRelsetToModelitem(set, &owner);
        if (err != PRO_TK_NO_ERROR) {
            gather.failure = err;
            return err;
        }
        if (gather.take(owner)) {
            gather.sets.push_back(*set);
        }
        return PRO_TK_NO_ERROR;
    });
}

// A ProArray of `count` wide-text pointers, owned from the moment the host hands it out.
ArrayOwner<ProWstring> lineArray(int count, ProError& err) {
    ProArray raw = nullptr;
    err = ProArrayAlloc(count, static_cast<int>(sizeof(ProWstring)), 1, &raw);
    return ArrayOwner<ProWstring>(static_cast<ProWstring*>(raw));
}

}  // namespace

std::vector<ProRelset> RelsetVisit(ProMdl model,
                                   const std::function<bool(const ProModelitem&)>& take) {
    Gather gather{take, {}, PRO_TK_NO_ERROR, {}};
    ProError err = ProSolidRelsetVisit(model, gatherRelset, &gather);
    gather.guard.rethrow();
    check(gather.failure);
    if (err != PRO_TK_NO_ERROR && err != PRO_TK_E_NOT_FOUND) {
        throw Error(err, "");
    }
    return std::move(gather.sets);
}

std::vector<std::string> RelationsGet(ProRelset& set) {
    ProError err = PRO_TK_NO_ERROR;
    ArrayOwner<ProWstring> array = lineArray(0, err);
    check(err, kGetText);
    check(ProRelsetRelationsGet(&set, array.out()), kGetText);
    int count = 0;
    check(ProArraySizeGet(array.get(), &count), kGetText);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count < 0 ? 0 : count));
    for (int i = 0; i < count; ++i) {
        lines.push_back(Ardo::text::toNarrow(array.get()[i]));
    }
    check(array.release(), kGetText);
    return lines;
}

void RelationsSet(ProRelset& set, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.size() > kRelationLineMax) {
            throw Error(PRO_TK_LINE_TOO_LONG, kSetText);
        }
    }
    const int count = static_cast<int>(lines.size());
    ProError err = PRO_TK_NO_ERROR;
    ArrayOwner<ProWstring> array = lineArray(count, err);
    check(err, kSetText);
    // One wide buffer of a path's width per line.
    std::vector<wchar_t> buffers(lines.size() * PRO_PATH_SIZE, L'\0');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        wchar_t* buffer = buffers.data() + i * PRO_PATH_SIZE;
        Ardo::text::toWide(buffer, lines[i].c_str());
        array.get()[i] = buffer;
    }
    ProError written = ProRelsetRelationsSet(&set, array.get(), count);
    ProError released = array.release();
    if (written != PRO_TK_NO_ERROR) {
        throw Error(released != PRO_TK_NO_ERROR ? released : PRO_TK_NO_ERROR, kSetText);
    }
    check(released, kSetText);
}

}  // namespace ardotk

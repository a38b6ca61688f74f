// Element trees from arbitrary bytes, in the forms the host takes them: the JSON form of
// model files (first byte even) and trees built by toolkit calls that the bytes spell
// (first byte odd). Every tree the host accepts is then copied, visited, written as XML,
// saved to JSON and read back, and freed. Refusals are expected; crashes, hangs and
// leaks are faults.
#include <ProElement.h>
#include <ProElempath.h>
#include <ProValue.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include <kelt2proe/simhost/control.h>

#include "simhost/state/elemtree.h"
#include "simhost/state/elemtree_json.h"
#include "simhost/state/json_locate.h"
#include "simhost/state/model_files.h"

namespace {

using namespace simhost::state;

struct Scratch {
    Scratch() {
        dir = std::filesystem::temp_directory_path() /
              ("kelt2proe-fuzz-elemtree-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    std::filesystem::path dir;
};

ProError countElement(ProElement, ProElement, ProElempath, ProAppData data) {
    ++*static_cast<long*>(data);
    return PRO_TK_NO_ERROR;
}

// What the host does with a tree it holds: copy, visit, write, save and read again.
void exercise(ProElement root) {
    long visited = 0;
    ProElemtreeElementVisit(root, nullptr, nullptr, countElement, &visited);
    ProPath xml = L"fuzz.xml";
    ProElemtreeWrite(root, PRO_ELEMTREE_XML, xml);
    const Element* element = elementFind(root);
    if (element == nullptr) {
        return;
    }
    TreeNode snapshot = treeSnapshot(*element);
    nlohmann::json saved = treeToJson(snapshot);
    TreeNode again = treeFromJson(saved);
    if (treeToJson(again) != saved) {
        std::abort();  // a saved tree reads back as another tree
    }
    ProElement copy = elementCopy(*element);
    ProElementFree(&copy);
}

void fromJson(const std::string& text) {
    // The nesting the host's file reader allows, as a model file would be read.
    if (jsonNestingBeyond(text, kModelFileNestingMax)) {
        return;
    }
    nlohmann::json doc = nlohmann::json::parse(text, nullptr, false);
    if (doc.is_discarded()) {
        return;
    }
    TreeNode tree;
    try {
        tree = treeFromJson(doc);
    } catch (const std::invalid_argument&) {
        return;
    }
    ProElement root = treeInstantiate(tree);
    exercise(root);
    ProElementFree(&root);
}

// Reads the bytes as calls: each step takes an operation byte and an argument byte.
class Builder {
public:
    explicit Builder(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    void run() {
        ProElementAlloc(386, &root_);
        stack_.push_back(root_);
        while (pos_ + 1 < size_) {
            std::uint8_t op = data_[pos_++];
            std::uint8_t arg = data_[pos_++];
            step(op % 8, arg);
        }
        exercise(root_);
        for (ProElement& loose : loose_) {
            ProElementFree(&loose);
        }
        ProElementFree(&root_);
    }

private:
    // Element ids near those the host treats specially (arrays 491/493/494/605 ...).
    static int idOf(std::uint8_t arg) { return 380 + arg % 240; }

    void step(int op, std::uint8_t arg) {
        ProElement top = stack_.back();
        switch (op) {
            case 0:
            case 1: {  // a child, descended into for op 0
                ProElement child = nullptr;
                ProElementAlloc(idOf(arg), &child);
                if (ProElemtreeElementAdd(top, nullptr, child) != PRO_TK_NO_ERROR) {
                    loose_.push_back(child);
                } else if (op == 0) {
                    stack_.push_back(child);
                }
                break;
            }
            case 2:  // up
                if (stack_.size() > 1) {
                    stack_.pop_back();
                }
                break;
            case 3:
                ProElementIntegerSet(top, arg);
                break;
            case 4: {
                ProValue values[2] = {};
                for (ProValue& value : values) {
                    ProValueAlloc(&value);
                    ProValueData v{};
                    v.type = PRO_VALUE_TYPE_DOUBLE;
                    v.v.d = arg;
                    ProValueDataSet(value, &v);
                }
                if (ProElementValuesSet(top, values, 1 + arg % 2) != PRO_TK_NO_ERROR) {
                    ProValueFree(values[0]);
                    ProValueFree(values[1]);
                } else if (arg % 2 == 0) {
                    ProValueFree(values[1]);
                }
                break;
            }
            case 5: {  // a deep chain at once, to reach the depth limit quickly
                ProElement at = top;
                for (int i = 0; i < 64 * (arg % 32); ++i) {
                    ProElement child = nullptr;
                    ProElementAlloc(900, &child);
                    if (ProElemtreeElementAdd(at, nullptr, child) != PRO_TK_NO_ERROR) {
                        loose_.push_back(child);
                        break;
                    }
                    at = child;
                }
                break;
            }
            case 6: {  // a loose tree grafted in: its whole depth counts
                if (loose_.empty()) {
                    break;
                }
                ProElement graft = loose_.back();
                if (ProElemtreeElementAdd(top, nullptr, graft) == PRO_TK_NO_ERROR) {
                    loose_.pop_back();
                }
                break;
            }
            default: {  // remove a child of the root by index
                ProElempath path = nullptr;
                ProElempathAlloc(&path);
                ProElempathItem item{};
                item.type = PRO_ELEM_PATH_ITEM_TYPE_INDEX;
                item.path_item.elem_index = arg % 4;
                ProElempathDataSet(path, &item, 1);
                ProElement removed = nullptr;
                if (ProElemtreeElementRemove(root_, path, &removed) == PRO_TK_NO_ERROR) {
                    loose_.push_back(removed);
                    stack_.resize(1);
                }
                ProElempathFree(&path);
                break;
            }
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    ProElement root_ = nullptr;
    std::vector<ProElement> stack_;
    std::vector<ProElement> loose_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Scratch scratch;
    if (size == 0) {
        return 0;
    }
    simhost::reset();
    long before = simhost::liveObjects();
    if (data[0] % 2 == 0) {
        fromJson(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    } else {
        Builder(data + 1, size - 1).run();
    }
    if (simhost::liveObjects() != before) {
        std::abort();  // an element or value outlived its tree
    }
    return 0;
}

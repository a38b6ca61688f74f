// External data of models: classes, slots, typed values and their limits, the copies
// and lists the host hands out, and the "extdata" section of the model file.
#include <ProArray.h>
#include <ProExtdata.h>
#include <ProMdl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "model_helpers.h"

namespace {

using modeltest::Name;

class ExtdataTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        part = modeltest::create(L"box");
        ASSERT_NE(part, nullptr);
        ASSERT_EQ(reg(part, L"APP", owner), PROEXTDATA_TK_NO_ERROR);
    }

    static ProExtdataErr reg(ProMdl model, const std::wstring& name, ProExtdataClass& out) {
        Name n(name);
        return ProExtdataClassRegister(model, n.text, &out);
    }

    ProExtdataSlot slotNamed(const std::wstring& name) {
        ProExtdataSlot slot{};
        slot.p_class = &owner;
        std::wcsncpy(slot.slot_name, name.c_str(), PRO_NAME_SIZE - 1);
        return slot;
    }

    ProExtdataErr create(const std::wstring& name, ProExtdataSlot* out = nullptr) {
        Name n(name);
        ProExtdataSlot made{};
        return ProExtdataSlotCreate(&owner, n.text, out == nullptr ? &made : out);
    }

    ProExtdataErr writeInt(const std::wstring& name, int value) {
        ProExtdataSlot slot = slotNamed(name);
        return ProExtdataSlotWrite(&slot, KEY_BY_NAME, PRO_INTEGER_TYPE, sizeof value, &value);
    }

    ProExtdataErr writeStream(ProExtdataSlot& slot, std::vector<unsigned char> bytes) {
        return ProExtdataSlotWrite(&slot, KEY_BY_NAME, PRO_STREAM_TYPE,
                                   static_cast<int>(bytes.size()), bytes.data());
    }

    // Reads a slot; the copy is released, and the type, size and bytes returned.
    struct Read {
        ProExtdataErr err;
        int type = 0;
        std::vector<unsigned char> bytes;
    };
    Read read(ProExtdataSlot slot, int keyBy = KEY_BY_NAME) {
        Read out{};
        int size = -1;
        void* data = nullptr;
        out.err = ProExtdataSlotRead(&slot, keyBy, &out.type, &size, &data);
        if (out.err == PROEXTDATA_TK_NO_ERROR) {
            const auto* p = static_cast<const unsigned char*>(data);
            out.bytes.assign(p, p + size);
            EXPECT_EQ(ProExtdataFree(&data), PROEXTDATA_TK_NO_ERROR);
            EXPECT_EQ(data, nullptr);
        } else {
            EXPECT_EQ(data, nullptr);
        }
        return out;
    }
    int readInt(const std::wstring& name) {
        Read r = read(slotNamed(name));
        EXPECT_EQ(r.err, PROEXTDATA_TK_NO_ERROR);
        EXPECT_EQ(r.type, PRO_INTEGER_TYPE);
        int value = 0;
        if (r.bytes.size() == sizeof value) {
            std::memcpy(&value, r.bytes.data(), sizeof value);
        }
        return value;
    }
    std::wstring slotText(const std::wstring& name) {
        Read r = read(slotNamed(name));
        EXPECT_EQ(r.type, PRO_WIDE_STRING_TYPE);
        if (r.bytes.size() < sizeof(wchar_t) || r.bytes.size() % sizeof(wchar_t) != 0) {
            ADD_FAILURE() << "text of " << r.bytes.size() << " bytes";
            return L"";
        }
        std::wstring text(r.bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(&text[0], r.bytes.data(), r.bytes.size());
        EXPECT_EQ(text.back(), L'\0');
        text.pop_back();
        return text;
    }

    static std::vector<std::wstring> names(ProExtdataNamesList list, int count) {
        int size = -1;
        EXPECT_EQ(ProArraySizeGet(list, &size), PRO_TK_NO_ERROR);
        EXPECT_EQ(size, count);
        std::vector<std::wstring> out(list, list + count);
        ProArray array = list;
        EXPECT_EQ(ProArrayFree(&array), PRO_TK_NO_ERROR);
        return out;
    }
    std::vector<std::wstring> classNames(ProMdl model) {
        int count = -1;
        ProExtdataNamesList list = nullptr;
        EXPECT_EQ(ProExtdataClassNamesList(model, &count, &list), PROEXTDATA_TK_NO_ERROR);
        return names(list, count);
    }
    std::vector<std::wstring> slotNames(ProExtdataClass& c) {
        int count = -1;
        ProExtdataNamesList list = nullptr;
        EXPECT_EQ(ProExtdataSlotNamesList(&c, &count, &list), PROEXTDATA_TK_NO_ERROR);
        return names(list, count);
    }

    ProMdl part = nullptr;
    ProExtdataClass owner{};
};

using Names = std::vector<std::wstring>;

TEST_F(ExtdataTest, ClassesAreRegisteredOncePerModelAndListedInOrder) {
    EXPECT_EQ(owner.p_model, part);
    EXPECT_EQ(std::wstring(owner.class_name), L"APP");
    ProExtdataClass other{};
    EXPECT_EQ(reg(part, L"APP", other), PROEXTDATA_TK_CLASS_OR_SLOT_EXISTS);
    EXPECT_EQ(reg(part, L"ZULU", other), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(reg(part, L"ALPHA", other), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(classNames(part), (Names{L"APP", L"ZULU", L"ALPHA"}));
    // Another model has classes of its own.
    ProMdl bolt = modeltest::create(L"bolt");
    EXPECT_EQ(classNames(bolt), Names{});
    EXPECT_EQ(reg(bolt, L"APP", other), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(other.p_model, bolt);
    EXPECT_TRUE(modeltest::modified(part));
}

TEST_F(ExtdataTest, ClassNamesAndModelsAreChecked) {
    ProExtdataClass out{};
    EXPECT_EQ(reg(part, std::wstring(31, L'C'), out), PROEXTDATA_TK_NO_ERROR);
    // A name buffer without a terminator holds more than 31 characters.
    ProName full;
    std::fill(full, full + PRO_NAME_SIZE, L'D');
    EXPECT_EQ(ProExtdataClassRegister(part, full, &out), PROEXTDATA_TK_NAMES_TOO_LONG);
    EXPECT_EQ(reg(part, L"", out), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    EXPECT_EQ(ProExtdataClassRegister(part, nullptr, &out), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    EXPECT_EQ(reg(nullptr, L"X", out), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    ProMdl erased = modeltest::create(L"gone");
    ASSERT_EQ(ProMdlErase(erased), PRO_TK_NO_ERROR);
    EXPECT_EQ(reg(erased, L"X", out), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    int count = 0;
    ProExtdataNamesList list = nullptr;
    EXPECT_EQ(ProExtdataClassNamesList(nullptr, &count, &list), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    EXPECT_EQ(ProExtdataClassNamesList(part, nullptr, &list), PROEXTDATA_TK_ERROR);
    EXPECT_EQ(classNames(part), (Names{L"APP", std::wstring(31, L'C')}));
}

TEST_F(ExtdataTest, UnregisteringRemovesTheClassWithItsSlots) {
    ASSERT_EQ(writeInt(L"A", 1), PROEXTDATA_TK_SLOT_NOT_FOUND);
    ASSERT_EQ(create(L"A"), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(writeInt(L"A", 1), PROEXTDATA_TK_NO_ERROR);
    ProExtdataClass record = owner;
    EXPECT_EQ(ProExtdataClassUnregister(&record), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(ProExtdataClassUnregister(&record), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    EXPECT_EQ(classNames(part), Names{});
    EXPECT_EQ(read(slotNamed(L"A")).err, PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    ASSERT_EQ(reg(part, L"APP", owner), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(slotNames(owner), Names{});
    EXPECT_EQ(ProExtdataClassUnregister(nullptr), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
}

TEST_F(ExtdataTest, SlotsAreCreatedOnceAndAddressedByNameOrId) {
    ProExtdataSlot first{};
    ProExtdataSlot second{};
    ASSERT_EQ(create(L"WIDTH", &first), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(create(L"DEPTH", &second), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(first.p_class, &owner);
    EXPECT_EQ(std::wstring(first.slot_name), L"WIDTH");
    EXPECT_NE(first.slot_id, second.slot_id);
    EXPECT_EQ(create(L"WIDTH"), PROEXTDATA_TK_CLASS_OR_SLOT_EXISTS);
    EXPECT_EQ(create(L""), PROEXTDATA_TK_INVALID_SLOT_NAME);
    ProName full;
    std::fill(full, full + PRO_NAME_SIZE, L'S');
    ProExtdataSlot out{};
    EXPECT_EQ(ProExtdataSlotCreate(&owner, full, &out), PROEXTDATA_TK_NAMES_TOO_LONG);
    EXPECT_EQ(slotNames(owner), (Names{L"WIDTH", L"DEPTH"}));

    // A new slot is empty; by id the name is not looked at.
    EXPECT_EQ(read(second).err, PROEXTDATA_TK_EMPTY_SLOT);
    int value = 12;
    ProExtdataSlot byId{&owner, L"NOT-USED", second.slot_id};
    ASSERT_EQ(ProExtdataSlotWrite(&byId, KEY_BY_ID, PRO_INTEGER_TYPE, sizeof value, &value),
              PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(readInt(L"DEPTH"), 12);
    byId.slot_id = 999;
    EXPECT_EQ(read(byId, KEY_BY_ID).err, PROEXTDATA_TK_SLOT_NOT_FOUND);
    EXPECT_EQ(read(second, 4099).err, PROEXTDATA_TK_BAD_KEY_BY_FLAG);
    EXPECT_EQ(read(slotNamed(L"HEIGHT")).err, PROEXTDATA_TK_SLOT_NOT_FOUND);
    ProExtdataSlot orphan = slotNamed(L"WIDTH");
    orphan.p_class = nullptr;
    EXPECT_EQ(read(orphan).err, PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);

    ProExtdataSlot gone = slotNamed(L"WIDTH");
    EXPECT_EQ(ProExtdataSlotDelete(&gone, KEY_BY_NAME), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(ProExtdataSlotDelete(&gone, KEY_BY_NAME), PROEXTDATA_TK_SLOT_NOT_FOUND);
    EXPECT_EQ(ProExtdataSlotDelete(&gone, 0), PROEXTDATA_TK_BAD_KEY_BY_FLAG);
    EXPECT_EQ(slotNames(owner), Names{L"DEPTH"});
    // A slot created again gets a new id, never the deleted one's.
    ProExtdataSlot again{};
    ASSERT_EQ(create(L"WIDTH", &again), PROEXTDATA_TK_NO_ERROR);
    EXPECT_NE(again.slot_id, first.slot_id);
    EXPECT_NE(again.slot_id, second.slot_id);
}

TEST_F(ExtdataTest, ValuesOfEveryTypeAreReadBackAsWritten) {
    for (const wchar_t* name : {L"I", L"D", L"T", L"S", L"E"}) {
        ASSERT_EQ(create(name), PROEXTDATA_TK_NO_ERROR);
    }
    ASSERT_EQ(writeInt(L"I", -42), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(readInt(L"I"), -42);

    ProExtdataSlot d = slotNamed(L"D");
    double real = 2.5e-300;
    ASSERT_EQ(ProExtdataSlotWrite(&d, KEY_BY_NAME, PRO_DOUBLE_TYPE, 0, &real),
              PROEXTDATA_TK_NO_ERROR);
    Read r = read(d);
    ASSERT_EQ(r.type, PRO_DOUBLE_TYPE);
    ASSERT_EQ(r.bytes.size(), sizeof real);
    double back = 0;
    std::memcpy(&back, r.bytes.data(), sizeof back);
    EXPECT_EQ(back, real);

    // The size argument does not bound a text: the terminator does.
    ProExtdataSlot t = slotNamed(L"T");
    std::wstring text = L"Fr\u00e4ser \u00d8 12";
    ASSERT_EQ(ProExtdataSlotWrite(&t, KEY_BY_NAME, PRO_WIDE_STRING_TYPE, 1, &text[0]),
              PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(slotText(L"T"), text);

    ProExtdataSlot s = slotNamed(L"S");
    std::vector<unsigned char> bytes = {0, 255, 10, 0, 7};
    ASSERT_EQ(writeStream(s, bytes), PROEXTDATA_TK_NO_ERROR);
    r = read(s);
    EXPECT_EQ(r.type, PRO_STREAM_TYPE);
    EXPECT_EQ(r.bytes, bytes);
    ASSERT_EQ(writeStream(s, {}), PROEXTDATA_TK_NO_ERROR);
    r = read(s);
    EXPECT_EQ(r.type, PRO_STREAM_TYPE);
    EXPECT_TRUE(r.bytes.empty());

    // A write replaces value and type.
    ASSERT_EQ(writeInt(L"S", 5), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(readInt(L"S"), 5);
    EXPECT_EQ(read(slotNamed(L"E")).err, PROEXTDATA_TK_EMPTY_SLOT);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ExtdataTest, BadValuesAndSizesAreRefusedAndChangeNothing) {
    ASSERT_EQ(create(L"V"), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(writeInt(L"V", 3), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot v = slotNamed(L"V");
    int value = 1;
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, 5, sizeof value, &value),
              PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, 0, sizeof value, &value),
              PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_INTEGER_TYPE, 4, nullptr),
              PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(ProExtdataSlotWrite(&v, 1, PRO_INTEGER_TYPE, 4, &value),
              PROEXTDATA_TK_BAD_KEY_BY_FLAG);
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_DOUBLE_TYPE, 8, &bad),
                  PROEXTDATA_TK_BAD_DATA_ARGS);
    }
    std::vector<unsigned char> stream(524288 + 1, 0x5A);
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_STREAM_TYPE, -1, stream.data()),
              PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_STREAM_TYPE, 524289, stream.data()),
              PROEXTDATA_TK_STREAM_TOO_LARGE);
    std::wstring text(65536, L'x');
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_WIDE_STRING_TYPE, 0, &text[0]),
              PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(readInt(L"V"), 3);

    // The largest stream and text are taken.
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_STREAM_TYPE, 524288, stream.data()),
              PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(read(v).bytes.size(), 524288u);
    text.pop_back();
    EXPECT_EQ(ProExtdataSlotWrite(&v, KEY_BY_NAME, PRO_WIDE_STRING_TYPE, 0, &text[0]),
              PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(slotText(L"V"), text);
}

TEST_F(ExtdataTest, AModelHoldsBoundedSlotsAndBytes) {
    // 32 streams of the largest size fill the model's 16 MiB; one byte more is refused,
    // also when it would replace a smaller value.
    std::vector<unsigned char> stream(524288, 1);
    for (int i = 0; i < 32; ++i) {
        std::wstring name = L"S" + std::to_wstring(i);
        ASSERT_EQ(create(name), PROEXTDATA_TK_NO_ERROR);
        ProExtdataSlot slot = slotNamed(name);
        ASSERT_EQ(writeStream(slot, stream), PROEXTDATA_TK_NO_ERROR) << i;
    }
    ASSERT_EQ(create(L"MORE"), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot more = slotNamed(L"MORE");
    EXPECT_EQ(writeStream(more, {1}), PROEXTDATA_TK_STREAM_TOO_LARGE);
    ProExtdataSlot last = slotNamed(L"S31");
    EXPECT_EQ(writeStream(last, stream), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot gone = slotNamed(L"S0");
    ASSERT_EQ(ProExtdataSlotDelete(&gone, KEY_BY_NAME), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(writeStream(more, {1}), PROEXTDATA_TK_NO_ERROR);

    // At most 10000 slots in a model, whatever their classes.
    ProExtdataClass second{};
    ASSERT_EQ(reg(part, L"SECOND", second), PROEXTDATA_TK_NO_ERROR);
    int made = 32;
    for (; made < 10000; ++made) {
        Name n(L"N" + std::to_wstring(made));
        ProExtdataSlot out{};
        ASSERT_EQ(ProExtdataSlotCreate(&second, n.text, &out), PROEXTDATA_TK_NO_ERROR) << made;
    }
    EXPECT_EQ(create(L"ONE-MORE"), PROEXTDATA_TK_MAX_SLOTS_IN_MODEL);
}

TEST_F(ExtdataTest, ReadCopiesAreLiveObjectsFreedOnce) {
    ASSERT_EQ(create(L"N"), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(writeInt(L"N", 9), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot n = slotNamed(L"N");
    int type = 0;
    int size = 0;
    void* data = nullptr;
    ASSERT_EQ(ProExtdataSlotRead(&n, KEY_BY_NAME, &type, &size, &data), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 1);
    void* copy = data;
    EXPECT_EQ(ProExtdataFree(&data), PROEXTDATA_TK_NO_ERROR);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(ProExtdataFree(&copy), PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(ProExtdataFree(&data), PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(ProExtdataFree(nullptr), PROEXTDATA_TK_BAD_DATA_ARGS);
    // Another kind of object the host handed out is not a read copy.
    int count = 0;
    ProExtdataNamesList list = nullptr;
    ASSERT_EQ(ProExtdataClassNamesList(part, &count, &list), PROEXTDATA_TK_NO_ERROR);
    void* array = list;
    EXPECT_EQ(ProExtdataFree(&array), PROEXTDATA_TK_BAD_DATA_ARGS);
    EXPECT_EQ(array, static_cast<void*>(list));
    ProArray owned = list;
    EXPECT_EQ(ProArrayFree(&owned), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_EQ(ProExtdataSlotRead(&n, KEY_BY_NAME, &type, &size, nullptr),
              PROEXTDATA_TK_BAD_DATA_ARGS);
}

TEST_F(ExtdataTest, InjectedFaultsChangeNothingAndAllocateNothing) {
    ASSERT_EQ(create(L"N"), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(writeInt(L"N", 9), PROEXTDATA_TK_NO_ERROR);
    simhost::injectFault("ProExtdataSlotWrite", PROEXTDATA_TK_ERROR);
    EXPECT_EQ(writeInt(L"N", 10), PROEXTDATA_TK_ERROR);
    EXPECT_EQ(readInt(L"N"), 9);
    simhost::injectFault("ProExtdataSlotRead", PROEXTDATA_TK_EMPTY_SLOT);
    EXPECT_EQ(read(slotNamed(L"N")).err, PROEXTDATA_TK_EMPTY_SLOT);
    simhost::injectFault("ProExtdataClassNamesList", -1);
    int count = 0;
    ProExtdataNamesList list = nullptr;
    EXPECT_EQ(ProExtdataClassNamesList(part, &count, &list), PROEXTDATA_TK_INVALID_OBJ_OR_CLASS);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ExtdataTest, SavedWithTheModelAndLoadedBack) {
    ASSERT_EQ(reg(part, L"SECOND", owner), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(create(L"EMPTY"), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(create(L"DELETED"), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot deleted = slotNamed(L"DELETED");
    ASSERT_EQ(ProExtdataSlotDelete(&deleted, KEY_BY_NAME), PROEXTDATA_TK_NO_ERROR);
    for (const wchar_t* name : {L"ZAHL", L"WERT", L"TEXT", L"DATEN"}) {
        ASSERT_EQ(create(name), PROEXTDATA_TK_NO_ERROR);
    }
    ASSERT_EQ(writeInt(L"ZAHL", 2147483647), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot wert = slotNamed(L"WERT");
    double real = -0.1;
    ASSERT_EQ(ProExtdataSlotWrite(&wert, KEY_BY_NAME, PRO_DOUBLE_TYPE, 8, &real),
              PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot text = slotNamed(L"TEXT");
    std::wstring words = L"\"quoted\"\n\u00fcber \u20ac";
    ASSERT_EQ(ProExtdataSlotWrite(&text, KEY_BY_NAME, PRO_WIDE_STRING_TYPE, 0, &words[0]),
              PROEXTDATA_TK_NO_ERROR);
    // Every byte value, and every length modulo 3 through the three slots.
    std::vector<unsigned char> bytes;
    for (int i = 0; i < 256; ++i) {
        bytes.push_back(static_cast<unsigned char>(i));
    }
    ProExtdataSlot daten = slotNamed(L"DATEN");
    ASSERT_EQ(writeStream(daten, bytes), PROEXTDATA_TK_NO_ERROR);
    std::vector<std::vector<unsigned char>> shorts = {{0xFB}, {0xFB, 0xFF}, {0xFB, 0xFF, 0x01}};
    for (std::size_t i = 0; i < shorts.size(); ++i) {
        std::wstring name = L"KURZ" + std::to_wstring(i);
        ASSERT_EQ(create(name), PROEXTDATA_TK_NO_ERROR);
        ProExtdataSlot slot = slotNamed(name);
        ASSERT_EQ(writeStream(slot, shorts[i]), PROEXTDATA_TK_NO_ERROR);
    }
    ASSERT_EQ(ProMdlSave(part), PRO_TK_NO_ERROR);
    EXPECT_NE(slotText(L"TEXT").find(L"\u20ac"), std::wstring::npos);

    restart();
    ASSERT_EQ(modeltest::load("box", PRO_MDL_PART, &part), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    EXPECT_EQ(classNames(part), (Names{L"APP", L"SECOND"}));
    owner.p_model = part;
    EXPECT_EQ(slotNames(owner),
              (Names{L"EMPTY", L"ZAHL", L"WERT", L"TEXT", L"DATEN", L"KURZ0", L"KURZ1", L"KURZ2"}));
    EXPECT_EQ(read(slotNamed(L"EMPTY")).err, PROEXTDATA_TK_EMPTY_SLOT);
    EXPECT_EQ(readInt(L"ZAHL"), 2147483647);
    Read r = read(slotNamed(L"WERT"));
    ASSERT_EQ(r.bytes.size(), sizeof real);
    double back = 0;
    std::memcpy(&back, r.bytes.data(), sizeof back);
    EXPECT_EQ(back, real);
    EXPECT_EQ(slotText(L"TEXT"), words);
    EXPECT_EQ(read(slotNamed(L"DATEN")).bytes, bytes);
    for (std::size_t i = 0; i < shorts.size(); ++i) {
        EXPECT_EQ(read(slotNamed(L"KURZ" + std::to_wstring(i))).bytes, shorts[i]) << i;
    }
    EXPECT_FALSE(modeltest::modified(part));
    // Ids survive the file: a new slot takes none of the kept ones, so that its id
    // finds it and no other.
    ProExtdataSlot made{};
    ASSERT_EQ(create(L"NEU", &made), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(writeInt(L"NEU", 77), PROEXTDATA_TK_NO_ERROR);
    ProExtdataSlot byId{&owner, L"", made.slot_id};
    r = read(byId, KEY_BY_ID);
    ASSERT_EQ(r.err, PROEXTDATA_TK_NO_ERROR) << made.slot_id;
    EXPECT_EQ(r.type, PRO_INTEGER_TYPE) << made.slot_id;
}

TEST_F(ExtdataTest, TheSectionIsWrittenOnlyForAModelWithClasses) {
    ASSERT_EQ(ProMdlSave(part), PRO_TK_NO_ERROR);
    EXPECT_NE(readText("box.prt").find("\"extdata\""), std::string::npos);
    ProExtdataClass record = owner;
    ASSERT_EQ(ProExtdataClassUnregister(&record), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(part), PRO_TK_NO_ERROR);
    EXPECT_EQ(readText("box.prt").find("\"extdata\""), std::string::npos);
}

TEST_F(ExtdataTest, ACopyOfTheModelHasDataOfItsOwn) {
    ASSERT_EQ(create(L"N"), PROEXTDATA_TK_NO_ERROR);
    ASSERT_EQ(writeInt(L"N", 1), PROEXTDATA_TK_NO_ERROR);
    Name copyName(L"box_copy");
    ProMdl copy = nullptr;
    ASSERT_EQ(ProMdlCopy(part, copyName.text, &copy), PRO_TK_NO_ERROR);
    ProExtdataClass original = owner;
    owner.p_model = copy;
    EXPECT_EQ(readInt(L"N"), 1);
    ASSERT_EQ(writeInt(L"N", 2), PROEXTDATA_TK_NO_ERROR);
    owner = original;
    EXPECT_EQ(readInt(L"N"), 1);
}

class ExtdataFileTest : public modeltest::ConnectedTest {
protected:
    // Loads "bad.prt" holding `section` as its "extdata"; the diagnostic, or "" when it
    // loaded.
    std::string refusal(const std::string& section) {
        writeFile("bad.prt", "{\"extdata\": " + section + "}");
        ProMdl model = nullptr;
        if (modeltest::load("bad.prt", &model) == PRO_TK_NO_ERROR) {
            EXPECT_EQ(ProMdlErase(model), PRO_TK_NO_ERROR);
            return "";
        }
        std::string text = simhost::lastLoadDiagnostic();
        std::size_t at = text.find(": extdata");
        return at == std::string::npos ? text : text.substr(at + 2);
    }
};

TEST_F(ExtdataFileTest, MalformedSectionsAreRefusedNamingThePlace) {
    EXPECT_EQ(refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 1, "integer": 2}]}])"), "");
    EXPECT_EQ(refusal(R"({"class": "A"})").rfind("extdata: ", 0), 0u);
    EXPECT_EQ(refusal(R"([{"class": ""}])"), "extdata[0].class: a name of 1 to 31 characters");
    EXPECT_EQ(refusal(R"([{"class": "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"}])"),
              "extdata[0].class: a name of 1 to 31 characters");
    EXPECT_EQ(refusal(R"([{"class": "A"}, {"class": "A"}])"),
              "extdata[1].class: a second class of that name");
    EXPECT_EQ(refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 0}]}])")
                  .rfind("extdata[0].slots[0].id: ", 0),
              0u);
    EXPECT_EQ(
        refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 1}, {"name": "T", "id": 1}]}])"),
        "extdata[0].slots[1].id: a second slot of that id");
    EXPECT_EQ(
        refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 1}, {"name": "S", "id": 2}]}])"),
        "extdata[0].slots[1].name: a second slot of that name");
    EXPECT_EQ(
        refusal(
            R"([{"class": "A", "slots": [{"name": "S", "id": 1, "integer": 1, "text": "x"}]}])"),
        "extdata[0].slots[0].text: a slot holds one value, also \"integer\"");
    EXPECT_EQ(refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 1, "integer": 1.5}]}])")
                  .rfind("extdata[0].slots[0].integer: ", 0),
              0u);
    EXPECT_EQ(refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 1, "text": 7}]}])")
                  .rfind("extdata[0].slots[0].text: ", 0),
              0u);
}

TEST_F(ExtdataFileTest, StreamsAreStrictBase64WithinTheLimit) {
    auto stream = [&](const std::string& text) {
        return refusal(R"([{"class": "A", "slots": [{"name": "S", "id": 1, "stream": ")" + text +
                       R"("}]}])");
    };
    EXPECT_EQ(stream(""), "");
    EXPECT_EQ(stream("QQ=="), "");
    EXPECT_EQ(stream("QUI="), "");
    EXPECT_EQ(stream("QUJD"), "");
    const std::string refused = "extdata[0].slots[0].stream: ";
    for (const char* bad :
         {"QQ=", "QR==", "QUJ=", "Q===", "QQ==QQ==", "QU=I", "QU I", "QUJD!A=="}) {
        EXPECT_EQ(stream(bad).rfind(refused, 0), 0u) << bad;
    }
    std::string largest((524288 + 2) / 3 * 4, 'A');
    // 524288 = 3 * 174762 + 2: the last group carries two bytes.
    largest.replace(largest.size() - 1, 1, "=");
    EXPECT_EQ(stream(largest), "");
    EXPECT_EQ(stream(largest + "AAAA").rfind(refused, 0), 0u);
}

TEST_F(ExtdataFileTest, CountsAreBoundedInTheFile) {
    std::string classes = "[";
    for (int i = 0; i <= 1000; ++i) {
        classes += (i == 0 ? "" : ",") + std::string("{\"class\": \"C") + std::to_string(i) + "\"}";
    }
    classes += "]";
    EXPECT_EQ(refusal(classes), "extdata[1000]: more than 1000 classes");
    std::string slots = R"([{"class": "A", "slots": [)";
    for (int i = 1; i <= 10001; ++i) {
        slots += (i == 1 ? "" : ",") + std::string("{\"name\": \"S") + std::to_string(i) +
                 "\", \"id\": " + std::to_string(i) + "}";
    }
    slots += "]}]";
    EXPECT_EQ(refusal(slots), "extdata[0].slots[10000]: more than 10000 slots in the model");
}

}  // namespace

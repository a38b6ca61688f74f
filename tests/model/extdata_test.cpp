// External data through kelt2pMdl: registering classes, the process-wide class and slot
// lists, reading and writing slots (a write creates the slot), and the failures the
// operations raise or accept.
#include <ProExtdata.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace {

using Ardo::kelt2pExtdataSlotValue;
using Ardo::kelt2pMdl;

constexpr const char* kPart = R"({"type": "PRT"})";

class ExtdataTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        part = load("plate.prt", Ardo::KELT2P_MDL_PART, kPart);
        part.ExtdataClassRegister("KELT", true);
        simhost::clearJournal();
    }

    // A stream slot written through the toolkit, which the library never writes.
    void hostStream(const char* slotName) {
        ProExtdataClass owner{hostModel(L"PLATE"), L"KELT"};
        ProExtdataSlot slot{};
        ProName name = {};
        std::mbstowcs(name, slotName, PRO_NAME_SIZE - 1);
        ASSERT_EQ(ProExtdataSlotCreate(&owner, name, &slot), PROEXTDATA_TK_NO_ERROR);
        unsigned char bytes[] = {1, 2, 3};
        ASSERT_EQ(ProExtdataSlotWrite(&slot, KEY_BY_NAME, PRO_STREAM_TYPE, 3, bytes),
                  PROEXTDATA_TK_NO_ERROR);
    }

    kelt2pMdl part;
};

// The narrow texts of the tests below are UTF-8 while it lives.
class Utf8Locale {
public:
    Utf8Locale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        available = std::setlocale(LC_ALL, "C.UTF-8") != nullptr;
    }
    ~Utf8Locale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool available = false;

private:
    std::string previous_;
};

// True when `text` ends on a whole UTF-8 character.
bool endsWhole(const std::string& text) {
    std::size_t i = text.size();
    std::size_t continuation = 0;
    while (i > 0 && (static_cast<unsigned char>(text[i - 1]) & 0xC0) == 0x80) {
        --i;
        ++continuation;
    }
    if (i == 0) {
        return continuation == 0;
    }
    auto lead = static_cast<unsigned char>(text[i - 1]);
    std::size_t expected = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    return continuation == expected;
}

TEST_F(ExtdataTest, RegisteringAnExistingClassRaisesOnlyWhenStrict) {
    EXPECT_NO_THROW(part.ExtdataClassRegister("KELT", false));
    EXPECT_THROW_CODE(part.ExtdataClassRegister("KELT", true), ardotk::Error, -2, "");
    // Without strict not even an invalid name or model raises.
    EXPECT_NO_THROW(part.ExtdataClassRegister("", false));
    kelt2pMdl unbound;
    EXPECT_NO_THROW(unbound.ExtdataClassRegister("KELT", false));
    // The handle is not tested first: the host refuses the unbound model.
    EXPECT_THROW_CODE(unbound.ExtdataClassRegister("KELT", true), ardotk::Error, -1, "");
    EXPECT_EQ(testkit::callCount("ProExtdataClassRegister"), 5);
    EXPECT_EQ(part.ExtdataClassNames(".*"), 1);
}

TEST_F(ExtdataTest, UnregisteringRaisesForAMissingClassOnlyWhenStrict) {
    part.ExtdataSlot("KELT", "A", 1);
    part.ExtdataClassUnRegister("KELT", true);
    EXPECT_EQ(part.ExtdataClassNames(".*"), 0);
    EXPECT_NO_THROW(part.ExtdataClassUnRegister("KELT", false));
    EXPECT_THROW_CODE(part.ExtdataClassUnRegister("KELT", true), ardotk::Error, -1, "");
    // The host's general error always raises; any other answer is accepted.
    part.ExtdataClassRegister("KELT", true);
    EXPECT_FAULT("ProExtdataClassUnregister", -11, part.ExtdataClassUnRegister("KELT", false),
                 ardotk::Error, "");
    simhost::injectFault("ProExtdataClassUnregister", -4);
    EXPECT_NO_THROW(part.ExtdataClassUnRegister("KELT", true));
    EXPECT_EQ(part.ExtdataClassNames(".*"), 1);
}

TEST_F(ExtdataTest, AWriteCreatesAMissingSlot) {
    part.ExtdataSlot("KELT", "COUNT", 7);
    EXPECT_EQ(simhost::journal(),
              (std::vector<std::string>{"ProExtdataSlotWrite 1 KELT COUNT 4098 1",
                                        "ProExtdataSlotCreate 1 KELT COUNT",
                                        "ProExtdataSlotWrite 1 KELT COUNT 4098 1"}));
    kelt2pExtdataSlotValue value = part.ExtdataSlot("KELT", "COUNT");
    EXPECT_EQ(value.type, 1);
    EXPECT_EQ(value.value.i, 7);
    // An existing slot is written once, its type changing with the value.
    simhost::clearJournal();
    part.ExtdataSlot("KELT", "COUNT", 2.75);
    EXPECT_EQ(testkit::callCount("ProExtdataSlotWrite"), 1);
    EXPECT_EQ(testkit::callCount("ProExtdataSlotCreate"), 0);
    value = part.ExtdataSlot("KELT", "COUNT");
    EXPECT_EQ(value.type, 2);
    EXPECT_EQ(value.value.d, 2.75);
    part.ExtdataSlot("KELT", "NOTE", "Bohrung 12 H7");
    value = part.ExtdataSlot("KELT", "NOTE");
    EXPECT_EQ(value.type, 3);
    EXPECT_STREQ(value.value.s, "Bohrung 12 H7");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ExtdataTest, WritesNeedARegisteredClassAndRaiseTheHostsCode) {
    EXPECT_THROW_CODE(part.ExtdataSlot("OTHER", "A", 1), ardotk::Error, -1, "");
    EXPECT_EQ(testkit::callCount("ProExtdataSlotCreate"), 0);
    // A failing creation and a failing second write raise their codes.
    EXPECT_FAULT("ProExtdataSlotCreate", -12, part.ExtdataSlot("KELT", "A", 1), ardotk::Error, "");
    simhost::injectFault("ProExtdataSlotWrite", -8, 2);
    EXPECT_THROW_CODE(part.ExtdataSlot("KELT", "B", 1), ardotk::Error, -8, "");
    EXPECT_EQ(part.ExtdataSlotList("KELT", ".*"), 1);
    EXPECT_STREQ(part.ExtdataSlotList(0), "B");
}

TEST_F(ExtdataTest, RecordsAreWrittenByTheirType) {
    kelt2pExtdataSlotValue value{};
    value.type = 1;
    value.value.i = -5;
    part.ExtdataSlot("KELT", "I", value);
    value.type = 2;
    value.value.d = 0.125;
    part.ExtdataSlot("KELT", "D", value);
    value.type = 3;
    std::strcpy(value.value.s, "text");
    part.ExtdataSlot("KELT", "T", value);
    EXPECT_EQ(part.ExtdataSlot("KELT", "I").value.i, -5);
    EXPECT_EQ(part.ExtdataSlot("KELT", "D").value.d, 0.125);
    EXPECT_STREQ(part.ExtdataSlot("KELT", "T").value.s, "text");

    // Any other type is refused before any host call.
    simhost::clearJournal();
    for (int type : {4, 0, -1}) {
        value.type = type;
        EXPECT_THROW_CODE(part.ExtdataSlot("KELT", "X", value), ardotk::Error, -2, "");
    }
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(ExtdataTest, LongTextsAreCutAtAWholeCharacter) {
    // A text over 511 characters is written with its first 511.
    part.ExtdataSlot("KELT", "LONG", std::string(600, 'x').c_str());
    kelt2pExtdataSlotValue value = part.ExtdataSlot("KELT", "LONG");
    EXPECT_EQ(std::string(value.value.s), std::string(511, 'x'));
    // A record's text need not be terminated within its 512 characters.
    std::memset(value.value.s, 'y', sizeof value.value.s);
    part.ExtdataSlot("KELT", "FULL", value);
    EXPECT_EQ(std::string(part.ExtdataSlot("KELT", "FULL").value.s), std::string(511, 'y'));

    Utf8Locale utf8;
    if (!utf8.available) {
        GTEST_SKIP() << "no UTF-8 locale";
    }
    // 300 two-byte characters: all are written, and read back as many as fit 511 bytes
    // whole, never half of one.
    std::string umlauts;
    for (int i = 0; i < 300; ++i) {
        umlauts += "\xC3\xA4";
    }
    part.ExtdataSlot("KELT", "WIDE", umlauts.c_str());
    value = part.ExtdataSlot("KELT", "WIDE");
    std::string back = value.value.s;
    EXPECT_EQ(back.size(), 510u);
    EXPECT_TRUE(endsWhole(back));
    EXPECT_EQ(back, umlauts.substr(0, 510));
    // Three-byte characters after one byte: 1 + 3 * 170 = 511 fits exactly.
    std::string euros = "e";
    for (int i = 0; i < 200; ++i) {
        euros += "\xE2\x82\xAC";
    }
    part.ExtdataSlot("KELT", "EURO", euros.c_str());
    back = part.ExtdataSlot("KELT", "EURO").value.s;
    EXPECT_EQ(back, euros.substr(0, 511));
}

TEST_F(ExtdataTest, ReadsRaiseForMissingEmptyAndStreamSlots) {
    EXPECT_THROW_CODE(part.ExtdataSlot("KELT", "NONE"), ardotk::Error, -4, "");
    EXPECT_THROW_CODE(part.ExtdataSlot("NOCLASS", "NONE"), ardotk::Error, -1, "");
    hostStream("BYTES");
    simhost::clearJournal();
    EXPECT_THROW_CODE(part.ExtdataSlot("KELT", "BYTES"), ardotk::Error, -9, "");
    // The host's copy is released all the same.
    EXPECT_EQ(testkit::callCount("ProExtdataFree"), 1);
    EXPECT_EQ(simhost::liveObjects(), 0);
    // A failing release raises after the value was read.
    part.ExtdataSlot("KELT", "N", 3);
    EXPECT_FAULT("ProExtdataFree", -8, part.ExtdataSlot("KELT", "N"), ardotk::Error, "");
}

TEST_F(ExtdataTest, SlotsAreListedSortedByName) {
    for (const char* name : {"ZETA", "MU", "BETA", "ALPHA", "Alpha"}) {
        part.ExtdataSlot("KELT", name, 1);
    }
    ASSERT_EQ(part.ExtdataSlotList("KELT", ".*"), 5);
    std::vector<std::string> names;
    for (int i = 0; i < 5; ++i) {
        names.push_back(part.ExtdataSlotList(i));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"ALPHA", "Alpha", "BETA", "MU", "ZETA"}));
    EXPECT_THROW_CODE(part.ExtdataSlotList(5), Ardo::Error, -2, "range");
    EXPECT_THROW_CODE(part.ExtdataSlotList(-1), Ardo::Error, -2, "range");

    EXPECT_EQ(part.ExtdataSlotList("KELT", "[A-M].*"), 4);
    EXPECT_STREQ(part.ExtdataSlotList(3), "MU");
    EXPECT_PATTERN_ERROR(part.ExtdataSlotList("KELT", "(["));
    // A failed listing keeps the list it would have replaced.
    EXPECT_FAULT("ProExtdataSlotNamesList", -1, part.ExtdataSlotList("KELT", ".*"), ardotk::Error,
                 "");
    EXPECT_STREQ(part.ExtdataSlotList(3), "MU");
    EXPECT_THROW_CODE(part.ExtdataSlotList("NOCLASS", ".*"), ardotk::Error, -1, "");
    // One list for all models; the host's names are always released.
    kelt2pMdl other;
    EXPECT_STREQ(other.ExtdataSlotList(0), "ALPHA");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ExtdataTest, ClassesAreListedInTheHostsOrder) {
    part.ExtdataClassRegister("ZULU", true);
    part.ExtdataClassRegister("ALPHA", true);
    ASSERT_EQ(part.ExtdataClassNames(".*"), 3);
    EXPECT_STREQ(part.ExtdataClassNames(0), "KELT");
    EXPECT_STREQ(part.ExtdataClassNames(1), "ZULU");
    EXPECT_STREQ(part.ExtdataClassNames(2), "ALPHA");
    EXPECT_SUBSCRIPT_ERROR(part.ExtdataClassNames(3));
    EXPECT_SUBSCRIPT_ERROR(part.ExtdataClassNames(-1));
    EXPECT_EQ(part.ExtdataClassNames(".*U.*"), 1);
    EXPECT_STREQ(part.ExtdataClassNames(0), "ZULU");
    EXPECT_PATTERN_ERROR(part.ExtdataClassNames("a{2,1}"));
    EXPECT_EQ(simhost::liveObjects(), 0);
    // A class name is cut at 31 characters.
    std::string longName(40, 'L');
    part.ExtdataClassRegister(longName.c_str(), true);
    ASSERT_EQ(part.ExtdataClassNames("L+"), 1);
    EXPECT_EQ(std::string(part.ExtdataClassNames(0)), std::string(31, 'L'));
    part.ExtdataSlot(longName.c_str(), "S", 4);
    EXPECT_EQ(part.ExtdataSlot(std::string(31, 'L').c_str(), "S").value.i, 4);
}

TEST_F(ExtdataTest, DeletingASlotRemovesIt) {
    part.ExtdataSlot("KELT", "A", 1);
    part.ExtdataSlot("KELT", "B", 2);
    part.ExtdataDelete("KELT", "A");
    ASSERT_EQ(part.ExtdataSlotList("KELT", ".*"), 1);
    EXPECT_STREQ(part.ExtdataSlotList(0), "B");
    EXPECT_THROW_CODE(part.ExtdataDelete("KELT", "A"), ardotk::Error, -4, "");
    EXPECT_THROW_CODE(part.ExtdataDelete("NOCLASS", "B"), ardotk::Error, -1, "");
}

TEST_F(ExtdataTest, DataIsSavedWithTheModel) {
    part.ExtdataSlot("KELT", "N", 42);
    part.ExtdataSlot("KELT", "T", "gespeichert");
    part.Save();
    part.Erase();
    kelt2pMdl again = load("plate.prt", Ardo::KELT2P_MDL_PART);
    EXPECT_EQ(again.ExtdataSlot("KELT", "N").value.i, 42);
    EXPECT_STREQ(again.ExtdataSlot("KELT", "T").value.s, "gespeichert");
}

}  // namespace

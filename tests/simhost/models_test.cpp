// Models in session: create, load, save, copy, rename, erase, data, units, accuracy,
// colour and version stamps.
#include <ProArray.h>
#include <ProDevelop.h>
#include <ProFaminstance.h>
#include <ProMdl.h>
#include <ProMdlUnits.h>
#include <ProSolid.h>
#include <ProUtil.h>
#include <ProVariantFeat.h>
#include <ProVerstamp.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model_helpers.h"

namespace {

using modeltest::create;
using modeltest::load;
using modeltest::Name;
using modeltest::nameOf;

using ModelsTest = modeltest::ConnectedTest;
using modeltest::init;
using modeltest::modified;

std::string stampText(ProMdl model) {
    ProWVerstamp stamp = nullptr;
    if (ProMdlVerstampGet(model, &stamp) != PRO_TK_NO_ERROR) {
        return "<error>";
    }
    char* text = nullptr;
    EXPECT_EQ(ProVerstampStringGet(stamp, &text), PRO_TK_NO_ERROR);
    std::string out = text == nullptr ? "" : text;
    EXPECT_EQ(ProStringFree(text), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProVerstampFree(&stamp), PRO_TK_NO_ERROR);
    EXPECT_EQ(stamp, nullptr);
    return out;
}

TEST_F(ModelsTest, CreateKeepsNamesCaseInsensitiveAndRefusesDuplicates) {
    ProMdl box = create(L"Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(nameOf(box), L"BOX");
    EXPECT_EQ(create(L"BOX"), nullptr);
    Name dup(L"box");
    ProSolid other = nullptr;
    EXPECT_EQ(ProSolidCreate(dup.text, PRO_PART, &other), PRO_TK_E_FOUND);
    // The same name as an assembly is another model.
    ProMdl asmModel = create(L"box", PRO_ASSEMBLY);
    ASSERT_NE(asmModel, nullptr);
    EXPECT_NE(asmModel, box);

    Name bad(L"no spaces");
    EXPECT_EQ(ProSolidCreate(bad.text, PRO_PART, &other), PRO_TK_BAD_INPUTS);
    Name drawing(L"sheet");
    EXPECT_EQ(ProSolidCreate(drawing.text, PRO_DRAWING, &other), PRO_TK_BAD_INPUTS);

    ProMdl found = nullptr;
    EXPECT_EQ(init(L"bOx", PRO_MDL_PART, &found), PRO_TK_NO_ERROR);
    EXPECT_EQ(found, box);
    EXPECT_EQ(init(L"nothing", PRO_MDL_PART, &found), PRO_TK_E_NOT_FOUND);
    // A new model is not on disk until it is saved.
    EXPECT_FALSE(std::filesystem::exists(workDir / "box.prt"));
}

TEST_F(ModelsTest, SaveAndLoadRoundTripAcrossSessions) {
    ProMdl box = create(L"box");
    ASSERT_EQ(ProSolidAccuracySet(static_cast<ProSolid>(box), PRO_ACCURACY_ABSOLUTE, 0.05),
              PRO_TK_NO_ERROR);
    ProUnitsystem mmns{box, {}};
    std::wcscpy(mmns.name, L"millimeter Newton Second (mmNs)");
    ASSERT_EQ(ProMdlPrincipalunitsystemSet(box, &mmns, PRO_UNITCONVERT_SAME_DIMS, PRO_B_TRUE, -1),
              PRO_TK_NO_ERROR);
    Pro_surf_props props{};
    ASSERT_EQ(prodb_get_surface_props(box, SEL_3D_PART, -1, 0, &props), PRODEV_SURF_PROPS_NOT_SET);
    props.values[6] = 0.25;
    ASSERT_EQ(prodb_set_surface_props(box, SEL_3D_PART, -1, 0, &props), PRODEV_SURF_PROPS_SET);
    EXPECT_TRUE(modified(box));
    ASSERT_EQ(ProMdlSave(box), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(box), PRO_TK_NO_ERROR);
    EXPECT_FALSE(modified(box));
    std::string stamp = stampText(box);

    restart();
    ProMdl loaded = nullptr;
    ASSERT_EQ(load("BOX", PRO_MDL_PART, &loaded), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(loaded), L"BOX");
    ProAccuracyType type{};
    double value = 0;
    ASSERT_EQ(ProSolidAccuracyGet(static_cast<ProSolid>(loaded), &type, &value), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ACCURACY_ABSOLUTE);
    EXPECT_DOUBLE_EQ(value, 0.05);
    ProUnitsystem units{};
    ASSERT_EQ(ProMdlPrincipalunitsystemGet(loaded, &units), PRO_TK_NO_ERROR);
    EXPECT_STREQ(units.name, L"millimeter Newton Second (mmNs)");
    Pro_surf_props read{};
    EXPECT_EQ(prodb_get_surface_props(loaded, SEL_3D_PART, -1, 0, &read), PRODEV_SURF_PROPS_SET);
    EXPECT_DOUBLE_EQ(read.values[6], 0.25);
    ProMdldata data{};
    ASSERT_EQ(ProMdldataGet(loaded, &data), PRO_TK_NO_ERROR);
    EXPECT_STREQ(data.type, L"PRT");
    EXPECT_EQ(data.version, 2);
    EXPECT_EQ(stampText(loaded), stamp);
    EXPECT_FALSE(modified(loaded));

    // Loading again returns the model in session; the extension and type must agree.
    ProMdl again = nullptr;
    EXPECT_EQ(load("box.prt", PRO_MDL_PART, &again), PRO_TK_NO_ERROR);
    EXPECT_EQ(again, loaded);
    EXPECT_EQ(load("box.prt", PRO_MDL_ASSEMBLY, &again), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(load("nothing", PRO_MDL_PART, &again), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(load((workDir / "box.prt").string(), PRO_MDL_UNUSED, &again), PRO_TK_NO_ERROR);
    EXPECT_EQ(again, loaded);
}

TEST_F(ModelsTest, ErasedHandlesGiveErrorCodes) {
    ProMdl box = create(L"box");
    ASSERT_EQ(ProMdlErase(box), PRO_TK_NO_ERROR);
    ProName name{};
    ProMdlType type{};
    EXPECT_EQ(ProMdlNameGet(box, name), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlTypeGet(box, &type), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlSave(box), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlErase(box), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlDisplay(box), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidRegenerate(static_cast<ProSolid>(box), PRO_REGEN_FORCE_REGEN),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlTypeGet(nullptr, &type), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlTypeGet(reinterpret_cast<ProMdl>(-8), &type), PRO_TK_BAD_INPUTS);
    // A new model of the same name gets a new handle; the old one stays dead.
    ProMdl box2 = create(L"box");
    EXPECT_NE(box2, box);
    EXPECT_EQ(ProMdlNameGet(box, name), PRO_TK_BAD_INPUTS);
    // Erasing left the disk untouched: a saved model loads again after erase.
    ASSERT_EQ(ProMdlSave(box2), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(box2), PRO_TK_NO_ERROR);
    ProMdl back = nullptr;
    EXPECT_EQ(load("box", PRO_MDL_PART, &back), PRO_TK_NO_ERROR);
}

TEST_F(ModelsTest, SubtypeAndDataOfModels) {
    ProMdl box = create(L"box");
    ProMdlsubtype subtype{};
    ASSERT_EQ(ProMdlSubtypeGet(box, &subtype), PRO_TK_NO_ERROR);
    EXPECT_EQ(subtype, PROMDLSTYPE_PART_SOLID);
    writeFile("sheet.drw", R"({"type": "DRW"})");
    ProMdl sheet = nullptr;
    ASSERT_EQ(load("sheet", PRO_MDL_DRAWING, &sheet), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProMdlSubtypeGet(sheet, &subtype), PRO_TK_BAD_CONTEXT);
    ProMdldata data{};
    ASSERT_EQ(ProMdldataGet(sheet, &data), PRO_TK_NO_ERROR);
    EXPECT_STREQ(data.name, L"SHEET");
    EXPECT_STREQ(data.type, L"DRW");
    EXPECT_EQ(std::filesystem::path(data.path), workDir / "");
    // Solid calls refuse a drawing.
    ProAccuracyType type{};
    double value = 0;
    EXPECT_EQ(ProSolidAccuracyGet(static_cast<ProSolid>(sheet), &type, &value), PRO_TK_BAD_INPUTS);
}

TEST_F(ModelsTest, RenameCopyAndBackup) {
    ProMdl box = create(L"box");
    ASSERT_EQ(ProMdlSave(box), PRO_TK_NO_ERROR);
    std::string before = stampText(box);
    Name crate(L"crate");
    ASSERT_EQ(ProMdlRename(box, crate.text), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(box), L"CRATE");
    EXPECT_NE(stampText(box), before);
    ProMdl other = create(L"other");
    EXPECT_EQ(ProMdlRename(other, crate.text), PRO_TK_E_FOUND);

    Name copyName(L"crate_copy");
    ProMdl copy = nullptr;
    ASSERT_EQ(ProMdlCopy(box, copyName.text, &copy), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(copy), L"CRATE_COPY");
    EXPECT_TRUE(std::filesystem::exists(workDir / "crate_copy.prt"));
    EXPECT_EQ(ProMdlCopy(box, copyName.text, nullptr), PRO_TK_E_FOUND);

    std::filesystem::create_directory(workDir / "backup");
    ProMdldata target{};
    std::wcscpy(target.path, (workDir / "backup").wstring().c_str());
    EXPECT_EQ(ProMdlBackup(box, &target), PRO_TK_NO_ERROR);
    EXPECT_TRUE(std::filesystem::exists(workDir / "backup" / "crate.prt"));
    std::wcscpy(target.path, (workDir / "missing").wstring().c_str());
    EXPECT_EQ(ProMdlBackup(box, &target), PRO_TK_INVALID_DIR);
}

TEST_F(ModelsTest, VersionStampChangesWithTheModelAndIsFreedOnce) {
    ProMdl box = create(L"box");
    std::string first = stampText(box);
    EXPECT_EQ(stampText(box), first);
    ASSERT_EQ(ProSolidAccuracySet(static_cast<ProSolid>(box), PRO_ACCURACY_RELATIVE, 0.002),
              PRO_TK_NO_ERROR);
    EXPECT_NE(stampText(box), first);

    ProWVerstamp now = nullptr;
    ProWVerstamp old = nullptr;
    ASSERT_EQ(ProMdlVerstampGet(box, &now), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProStringVerstampGet(const_cast<char*>(first.c_str()), &old), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProVerstampEqual(now, old), PRO_B_FALSE);
    EXPECT_EQ(ProVerstampEqual(now, now), PRO_B_TRUE);
    EXPECT_EQ(simhost::liveObjects(), 2);
    ProWVerstamp alias = now;
    EXPECT_EQ(ProVerstampFree(&now), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProVerstampFree(&alias), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProVerstampFree(&old), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ModelsTest, UnitSystemsStandardCustomAndUnknown) {
    writeFile("custom.prt", R"({"type": "PRT", "units": "Shop units"})");
    ProMdl custom = nullptr;
    ASSERT_EQ(load("custom", PRO_MDL_PART, &custom), PRO_TK_NO_ERROR);
    ProUnitsystem units{};
    ASSERT_EQ(ProMdlPrincipalunitsystemGet(custom, &units), PRO_TK_NO_ERROR);
    EXPECT_STREQ(units.name, L"Shop units");

    ProUnitsystem request{custom, {}};
    std::wcscpy(request.name, L"Inch Pound Second (IPS)");
    ASSERT_EQ(
        ProMdlPrincipalunitsystemSet(custom, &request, PRO_UNITCONVERT_SAME_SIZE, PRO_B_TRUE, -1),
        PRO_TK_NO_ERROR);
    // The model's own system stays known after the change.
    std::wcscpy(request.name, L"Shop units");
    EXPECT_EQ(
        ProMdlPrincipalunitsystemSet(custom, &request, PRO_UNITCONVERT_SAME_DIMS, PRO_B_TRUE, -1),
        PRO_TK_NO_ERROR);
    std::wcscpy(request.name, L"Furlong Firkin Fortnight");
    EXPECT_EQ(
        ProMdlPrincipalunitsystemSet(custom, &request, PRO_UNITCONVERT_SAME_DIMS, PRO_B_TRUE, -1),
        PRO_TK_E_NOT_FOUND);
    ProMdl fresh = create(L"fresh");
    ASSERT_EQ(ProMdlPrincipalunitsystemGet(fresh, &units), PRO_TK_NO_ERROR);
    // The default system's name is longer than a name buffer: it arrives cut to 31.
    EXPECT_STREQ(units.name, L"Inch lbm Second (Creo Elements/");
    // ... and the cut name is accepted back.
    EXPECT_EQ(
        ProMdlPrincipalunitsystemSet(fresh, &units, PRO_UNITCONVERT_SAME_DIMS, PRO_B_TRUE, -1),
        PRO_TK_NO_ERROR);
}

TEST_F(ModelsTest, InstancesFindTheirGeneric) {
    writeFile("bolt.prt", R"({"type": "PRT"})");
    writeFile("bolt_m8.prt", R"({"type": "PRT", "generic": "bolt"})");
    writeFile("bolt_m8_long.prt", R"({"type": "PRT", "generic": "bolt_m8"})");
    ProMdl inst = nullptr;
    ASSERT_EQ(load("bolt_m8_long", PRO_MDL_PART, &inst), PRO_TK_NO_ERROR);
    ProMdl generic = nullptr;
    ASSERT_EQ(ProFaminstanceGenericGet(inst, 1, &generic), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(generic), L"BOLT_M8");
    ASSERT_EQ(ProFaminstanceGenericGet(inst, 0, &generic), PRO_TK_NO_ERROR);
    EXPECT_EQ(nameOf(generic), L"BOLT");
    EXPECT_EQ(ProFaminstanceGenericGet(generic, 1, &generic), PRO_TK_E_NOT_FOUND);
    // The generic is in use by its instance.
    ProMdl m8 = nullptr;
    ASSERT_EQ(init(L"bolt_m8", PRO_MDL_PART, &m8), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProMdlErase(m8), PRO_TK_E_IN_USE);

    writeFile("orphan.prt", R"({"type": "PRT", "generic": "gone"})");
    ProMdl orphan = nullptr;
    ASSERT_EQ(load("orphan", PRO_MDL_PART, &orphan), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProFaminstanceGenericGet(orphan, 1, &generic), PRO_TK_E_NOT_FOUND);

    ProBoolean variant = PRO_B_TRUE;
    ASSERT_EQ(ProMdlIsVariantfeatMdl(inst, &variant), PRO_TK_NO_ERROR);
    EXPECT_EQ(variant, PRO_B_FALSE);
}

TEST_F(ModelsTest, AssemblyLoadsComponentsAndEraseAllTakesTheUnshared) {
    writeFile("bolt.prt", R"({"type": "PRT"})");
    writeFile("plate.prt", R"({"type": "PRT"})");
    writeFile("frame.asm", R"({"type": "ASM", "components": [
        {"id": 1, "model": "bolt", "type": "PRT"}, {"id": 2, "model": "plate", "type": "PRT"}]})");
    writeFile("rack.asm", R"({"type": "ASM", "components": [
        {"id": 1, "model": "bolt", "type": "PRT"}]})");
    ProMdl frame = nullptr;
    ProMdl rack = nullptr;
    ASSERT_EQ(load("frame", PRO_MDL_ASSEMBLY, &frame), PRO_TK_NO_ERROR);
    ASSERT_EQ(load("rack", PRO_MDL_ASSEMBLY, &rack), PRO_TK_NO_ERROR);
    ProMdl* parts = nullptr;
    int count = 0;
    ASSERT_EQ(ProSessionMdlList(PRO_MDL_PART, &parts, &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&parts)), PRO_TK_NO_ERROR);

    ASSERT_EQ(ProMdlEraseAll(frame), PRO_TK_NO_ERROR);
    ProMdl found = nullptr;
    EXPECT_EQ(init(L"bolt", PRO_MDL_PART, &found), PRO_TK_NO_ERROR);  // rack uses it
    EXPECT_EQ(init(L"plate", PRO_MDL_PART, &found), PRO_TK_E_NOT_FOUND);

    // A missing component makes the whole load fail, leaving nothing behind.
    writeFile("broken.asm", R"({"type": "ASM", "components": [
        {"id": 1, "model": "plate", "type": "PRT"}, {"id": 2, "model": "gone", "type": "PRT"}]})");
    ProMdl broken = nullptr;
    EXPECT_EQ(load("broken", PRO_MDL_ASSEMBLY, &broken), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(init(L"plate", PRO_MDL_PART, &found), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(ProSessionMdlList(PRO_MDL_ASSEMBLY, &parts, &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&parts)), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProSessionMdlList(PRO_MDL_MFG, &parts, &count), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ModelsTest, InjectedFaultsChangeNothing) {
    ProMdl box = create(L"box");
    simhost::injectFault("ProMdlSave", PRO_TK_CANT_WRITE);
    EXPECT_EQ(ProMdlSave(box), PRO_TK_CANT_WRITE);
    EXPECT_FALSE(std::filesystem::exists(workDir / "box.prt"));
    simhost::injectFault("ProMdlErase", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProMdlErase(box), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(nameOf(box), L"BOX");
    simhost::injectFault("ProMdlVerstampGet", PRO_TK_OUT_OF_MEMORY);
    ProWVerstamp stamp = nullptr;
    EXPECT_EQ(ProMdlVerstampGet(box, &stamp), PRO_TK_OUT_OF_MEMORY);
    EXPECT_EQ(stamp, nullptr);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_TRUE(testkit::journalHas("ProMdlErase 1"));
}

}  // namespace

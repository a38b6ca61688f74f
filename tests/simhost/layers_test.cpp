// Layers of a model: creation with ids from the model's id range, the visit, display
// status, items put on layers, the layer as a model item, and the section "layers" of
// the model file.
#include <ProFeature.h>
#include <ProLayer.h>
#include <ProModelitem.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "simhost/model_helpers.h"

namespace {

using namespace modeltest;

// A part with a feature (id 5), a coordinate system (feature 1, item 2) and a point
// (feature 3, item 4); the next id is 12.
constexpr const char* kPart = R"({"features": {"next_id": 12, "list": [
    {"id": 1, "type": 979, "name": "ACS0", "items": [{"id": 2, "type": 25}]},
    {"id": 3, "type": 931, "name": "PNT0", "items": [{"id": 4, "type": 66}]},
    {"id": 5, "type": 917, "name": "BASE"}]}})";

class LayerTest : public ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("plate.prt", kPart);
        ASSERT_EQ(load("plate.prt", &plate), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    }

    ProLayer layer(const std::wstring& name, ProMdl model = nullptr) {
        Name n(name);
        ProLayer made{};
        EXPECT_EQ(ProLayerCreate(model != nullptr ? model : plate, n.text, &made), PRO_TK_NO_ERROR);
        return made;
    }

    ProError add(ProLayer& onto, ProLayerType type, int id, ProMdl owner = nullptr) {
        ProLayerItem item{};
        ProError rc = ProLayerItemInit(type, id, owner != nullptr ? owner : plate, &item);
        return rc != PRO_TK_NO_ERROR ? rc : ProLayerItemAdd(&onto, &item);
    }

    ProLayerDisplay status(ProLayer& of) {
        ProLayerDisplay got = PRO_LAYER_TYPE_NONE;
        EXPECT_EQ(ProLayerDisplaystatusGet(&of, &got), PRO_TK_NO_ERROR);
        return got;
    }

    ProMdl plate = nullptr;
};

struct Visit {
    std::vector<int> ids;
    int stopAt = 0;  // the action answers PRO_TK_GENERAL_ERROR at this id
    int skip = 0;    // the filter answers PRO_TK_CONTINUE for this id
};

ProError collect(ProLayer* layer, ProAppData data) {
    auto& visit = *static_cast<Visit*>(data);
    visit.ids.push_back(layer->id);
    return layer->id == visit.stopAt ? PRO_TK_GENERAL_ERROR : PRO_TK_NO_ERROR;
}

ProError skipOne(ProLayer* layer, ProAppData data) {
    return layer->id == static_cast<Visit*>(data)->skip ? PRO_TK_CONTINUE : PRO_TK_NO_ERROR;
}

TEST_F(LayerTest, CreationTakesIdsFromTheModelsRange) {
    ProLayer first = layer(L"Datums");
    EXPECT_EQ(first.type, PRO_LAYER);
    EXPECT_EQ(first.owner, plate);
    EXPECT_EQ(first.id, 12) << "the next id of the model";
    ProLayer second = layer(L"notes");
    EXPECT_EQ(second.id, 13);
    EXPECT_TRUE(modified(plate));

    Name taken(L"DATUMS");
    ProLayer again{};
    EXPECT_EQ(ProLayerCreate(plate, taken.text, &again), PRO_TK_E_FOUND);
    for (const std::wstring& refused :
         {std::wstring(), std::wstring(L"A B"), std::wstring(L"A.B")}) {
        Name name(refused);
        EXPECT_EQ(ProLayerCreate(plate, name.text, &again), PRO_TK_BAD_INPUTS);
    }
    ProName unterminated;
    std::wmemset(unterminated, L'L', PRO_NAME_SIZE);
    EXPECT_EQ(ProLayerCreate(plate, unterminated, &again), PRO_TK_BAD_INPUTS);
    Name fresh(L"FRESH");
    EXPECT_EQ(ProLayerCreate(nullptr, fresh.text, &again), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLayerCreate(plate, fresh.text, nullptr), PRO_TK_BAD_INPUTS);

    // A layer is a model item: found by name, named, and its id not handed out again.
    ProModelitem byName{};
    EXPECT_EQ(ProModelitemByNameInit(plate, PRO_LAYER, taken.text, &byName), PRO_TK_NO_ERROR);
    EXPECT_EQ(byName.id, first.id);
    ProName name{};
    EXPECT_EQ(ProModelitemNameGet(&second, name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"NOTES");
    ProModelitem item{};
    EXPECT_EQ(ProModelitemInit(plate, first.id, PRO_LAYER, &item), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProModelitemInit(plate, 5, PRO_LAYER, &item), PRO_TK_E_NOT_FOUND);
    ProModelitem feature{};
    EXPECT_EQ(ProModelitemInit(plate, first.id, PRO_FEATURE, &feature), PRO_TK_E_NOT_FOUND);
}

TEST_F(LayerTest, VisitGoesInCreationOrderAndStopsOnTheActionsAnswer) {
    Visit none;
    EXPECT_EQ(ProMdlLayerVisit(plate, collect, nullptr, &none), PRO_TK_E_NOT_FOUND);
    EXPECT_TRUE(none.ids.empty());

    const int a = layer(L"A").id;
    const int b = layer(L"B").id;
    const int c = layer(L"C").id;
    Visit all;
    EXPECT_EQ(ProMdlLayerVisit(plate, collect, nullptr, &all), PRO_TK_NO_ERROR);
    EXPECT_EQ(all.ids, (std::vector<int>{a, b, c}));

    Visit stopped;
    stopped.stopAt = b;
    EXPECT_EQ(ProMdlLayerVisit(plate, collect, nullptr, &stopped), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(stopped.ids, (std::vector<int>{a, b}));

    Visit filtered;
    filtered.skip = a;
    EXPECT_EQ(ProMdlLayerVisit(plate, collect, skipOne, &filtered), PRO_TK_NO_ERROR);
    EXPECT_EQ(filtered.ids, (std::vector<int>{b, c}));

    EXPECT_EQ(ProMdlLayerVisit(plate, nullptr, nullptr, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMdlLayerVisit(nullptr, collect, nullptr, &all), PRO_TK_BAD_INPUTS);
}

TEST_F(LayerTest, AVisitWhoseFilterTakesNothingVisitsNothing) {
    Visit filtered;
    filtered.skip = layer(L"ONLY").id;
    EXPECT_EQ(ProMdlLayerVisit(plate, collect, skipOne, &filtered), PRO_TK_E_NOT_FOUND);
    EXPECT_TRUE(filtered.ids.empty());
}

TEST_F(LayerTest, DisplayStatusIsCheckedAndKept) {
    ProLayer datums = layer(L"DATUMS");
    EXPECT_EQ(status(datums), PRO_LAYER_TYPE_NORMAL);
    for (ProLayerDisplay settable : {PRO_LAYER_TYPE_DISPLAY, PRO_LAYER_TYPE_BLANK,
                                     PRO_LAYER_TYPE_HIDDEN, PRO_LAYER_TYPE_NORMAL}) {
        EXPECT_EQ(ProLayerDisplaystatusSet(&datums, settable), PRO_TK_NO_ERROR);
        EXPECT_EQ(status(datums), settable);
    }
    ASSERT_EQ(ProLayerDisplaystatusSet(&datums, PRO_LAYER_TYPE_BLANK), PRO_TK_NO_ERROR);
    for (int refused : {-1, 0, 4, 6, 7}) {
        EXPECT_EQ(ProLayerDisplaystatusSet(&datums, static_cast<ProLayerDisplay>(refused)),
                  PRO_TK_BAD_INPUTS)
            << refused;
    }
    EXPECT_EQ(status(datums), PRO_LAYER_TYPE_BLANK) << "a refusal changes nothing";

    ProLayer gone{PRO_LAYER, 999, plate};
    ProLayerDisplay got = PRO_LAYER_TYPE_NONE;
    EXPECT_EQ(ProLayerDisplaystatusGet(&gone, &got), PRO_TK_E_NOT_FOUND);
    ProLayer feature{PRO_FEATURE, datums.id, plate};
    EXPECT_EQ(ProLayerDisplaystatusGet(&feature, &got), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLayerDisplaystatusGet(&datums, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLayerDisplaystatusSet(nullptr, PRO_LAYER_TYPE_NORMAL), PRO_TK_BAD_INPUTS);
}

TEST_F(LayerTest, ItemInitFillsTheRecord) {
    ProLayerItem item{};
    ASSERT_EQ(ProLayerItemInit(PRO_LAYER_FEAT, 77, plate, &item), PRO_TK_NO_ERROR);
    EXPECT_EQ(item.type, PRO_LAYER_FEAT);
    EXPECT_EQ(item.id, 77);
    EXPECT_EQ(item.owner.owner_type, PRO_LAYITEM_FROM_MODEL);
    EXPECT_EQ(item.owner.owner.layitem_model, plate);
    EXPECT_EQ(ProLayerItemInit(PRO_LAYER_FEAT, 5, nullptr, &item), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLayerItemInit(PRO_LAYER_NONE, 5, plate, &item), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLayerItemInit(PRO_LAYER_FEAT, 5, plate, nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(LayerTest, OnlyItemsTheModelHasGoOnALayer) {
    ProLayer datums = layer(L"DATUMS");
    ProLayer all = layer(L"ALL");
    EXPECT_EQ(add(datums, PRO_LAYER_FEAT, 5), PRO_TK_NO_ERROR);
    EXPECT_EQ(add(datums, static_cast<ProLayerType>(PRO_CSYS), 2), PRO_TK_NO_ERROR);
    EXPECT_EQ(add(datums, PRO_LAYER_POINT, 4), PRO_TK_NO_ERROR);
    EXPECT_EQ(add(all, PRO_LAYER_LAYER, datums.id), PRO_TK_NO_ERROR);

    EXPECT_EQ(add(datums, PRO_LAYER_FEAT, 5), PRO_TK_E_FOUND) << "already on the layer";
    EXPECT_EQ(add(datums, PRO_LAYER_FEAT, 2), PRO_TK_E_NOT_FOUND) << "an item, no feature";
    EXPECT_EQ(add(datums, PRO_LAYER_POINT, 2), PRO_TK_E_NOT_FOUND) << "a csys, no point";
    EXPECT_EQ(add(datums, PRO_LAYER_FEAT, 99), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(add(datums, PRO_LAYER_NOTE, 5), PRO_TK_E_NOT_FOUND) << "no notes here";
    EXPECT_EQ(add(datums, PRO_LAYER_LAYER, datums.id), PRO_TK_BAD_INPUTS) << "itself";

    ProMdl other = create(L"other");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(add(datums, PRO_LAYER_FEAT, 5, other), PRO_TK_BAD_INPUTS) << "another model";
    ProLayerItem onPath{};
    ASSERT_EQ(ProLayerItemInit(PRO_LAYER_FEAT, 5, plate, &onPath), PRO_TK_NO_ERROR);
    onPath.owner.owner_type = PRO_LAYITEM_FROM_PATH;
    EXPECT_EQ(ProLayerItemAdd(&datums, &onPath), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProLayerItemAdd(&datums, nullptr), PRO_TK_BAD_INPUTS);
    ProLayer gone{PRO_LAYER, 999, plate};
    EXPECT_EQ(add(gone, PRO_LAYER_FEAT, 5), PRO_TK_E_NOT_FOUND);

    ASSERT_EQ(ProMdlSave(plate), PRO_TK_NO_ERROR);
    const std::string text = readText("plate.prt");
    EXPECT_NE(text.find("\"layers\""), std::string::npos);
}

TEST_F(LayerTest, LayersAreSavedAndLoaded) {
    ProLayer datums = layer(L"DATUMS");
    ProLayer hidden = layer(L"HIDDEN_STUFF");
    ASSERT_EQ(add(datums, PRO_LAYER_FEAT, 5), PRO_TK_NO_ERROR);
    ASSERT_EQ(add(datums, PRO_LAYER_POINT, 4), PRO_TK_NO_ERROR);
    ASSERT_EQ(add(hidden, PRO_LAYER_LAYER, datums.id), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProLayerDisplaystatusSet(&hidden, PRO_LAYER_TYPE_HIDDEN), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(plate), PRO_TK_NO_ERROR);

    restart();
    ProMdl loaded = nullptr;
    ASSERT_EQ(load("plate.prt", &loaded), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    Visit all;
    ASSERT_EQ(ProMdlLayerVisit(loaded, collect, nullptr, &all), PRO_TK_NO_ERROR);
    EXPECT_EQ(all.ids, (std::vector<int>{datums.id, hidden.id}));
    ProLayer again{PRO_LAYER, hidden.id, loaded};
    EXPECT_EQ(status(again), PRO_LAYER_TYPE_HIDDEN);
    ProLayer datumsAgain{PRO_LAYER, datums.id, loaded};
    EXPECT_EQ(status(datumsAgain), PRO_LAYER_TYPE_NORMAL);
    EXPECT_EQ(add(datumsAgain, PRO_LAYER_FEAT, 5), PRO_TK_E_FOUND) << "its items came back";
    EXPECT_EQ(add(datumsAgain, PRO_LAYER_POINT, 4), PRO_TK_E_FOUND);
    EXPECT_EQ(add(again, PRO_LAYER_LAYER, datums.id), PRO_TK_E_FOUND);

    // The loaded ids are taken: the next layer gets the one after them.
    Name next(L"NEXT");
    ProLayer made{};
    ASSERT_EQ(ProLayerCreate(loaded, next.text, &made), PRO_TK_NO_ERROR);
    EXPECT_EQ(made.id, hidden.id + 1);
}

TEST_F(LayerTest, ADeletedFeatureLeavesItsLayers) {
    ProLayer datums = layer(L"DATUMS");
    ASSERT_EQ(add(datums, PRO_LAYER_FEAT, 3), PRO_TK_NO_ERROR);
    ASSERT_EQ(add(datums, PRO_LAYER_POINT, 4), PRO_TK_NO_ERROR);
    ASSERT_EQ(add(datums, PRO_LAYER_FEAT, 5), PRO_TK_NO_ERROR);
    int point = 3;
    ASSERT_EQ(ProFeatureDelete(static_cast<ProSolid>(plate), &point, 1, nullptr, 0),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(plate), PRO_TK_NO_ERROR);
    restart();
    ProMdl loaded = nullptr;
    ASSERT_EQ(load("plate.prt", &loaded), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    ProLayer again{PRO_LAYER, datums.id, loaded};
    EXPECT_EQ(add(again, PRO_LAYER_FEAT, 5), PRO_TK_E_FOUND) << "the feature stays";
    EXPECT_EQ(add(again, PRO_LAYER_FEAT, 3), PRO_TK_E_NOT_FOUND);
}

TEST_F(LayerTest, MalformedLayerSectionsAreRefused) {
    const std::string features = R"("features": [{"id": 5, "type": 917}])";
    const struct {
        const char* layers;
        const char* reason;
    } cases[] = {
        {R"({})", "layers"},
        {R"([{"name": "A"}])", "layers[0]"},
        {R"([{"id": 20, "name": "A B"}])",
         "layers[0].name: a layer name of 1 to 31 letters, digits, '_' or '-' expected"},
        {R"([{"id": 20, "name": "A", "status": 4}])", "layers[0].status: unknown layer status 4"},
        {R"([{"id": 20, "name": "A"}, {"id": 20, "name": "B"}])",
         "layers[1].id: layer id 20 is given twice"},
        {R"([{"id": 20, "name": "A"}, {"id": 21, "name": "a"}])",
         "layers[1].name: layer A is named twice"},
        {R"([{"id": 5, "name": "A"}])", "id 5 is taken by a feature or item"},
        {R"([{"id": 20, "name": "A", "items": [{"type": 3, "id": 6}]}])",
         "A holds no item of type 3 with id 6"},
        {R"([{"id": 20, "name": "A", "items": {}}])", "layers[0].items"},
    };
    for (const auto& c : cases) {
        writeFile("bad.prt", "{" + features + ", \"layers\": " + c.layers + "}");
        ProMdl model = nullptr;
        EXPECT_EQ(load("bad.prt", &model), PRO_TK_INVALID_FILE) << c.layers;
        EXPECT_NE(simhost::lastLoadDiagnostic().find(c.reason), std::string::npos)
            << simhost::lastLoadDiagnostic();
    }
    writeFile("good.prt",
              "{" + features +
                  R"(, "layers": [{"id": 20, "name": "A", "items": [{"type": 3, "id": 5}]}]})");
    ProMdl good = nullptr;
    EXPECT_EQ(load("good.prt", &good), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
}

}  // namespace

// Ardo::Solid: the implementation object behind kelt2pMdl. A model handle with the
// result lists that the listing operations of a model fill.
#pragma once

#include <ProDimension.h>
#include <ProMdl.h>
#include <ProObjects.h>
#include <ProParameter.h>
#include <ProRelSet.h>

#include <string>
#include <vector>

#include "feature/comp_path.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "model/mdl.h"
#include "toolkit/selection.h"

namespace Ardo {

class Solid : public Mdl {
public:
    Solid() = default;
    // Bound to `hostHandle`, unnamed, lists empty.
    explicit Solid(ProMdl hostHandle) : Mdl(hostHandle) {}

    // A name over 31 characters is refused first with (-6, "Ardo::kelt2pMdl::Create").
    void Create(const char* name, kelt2pMdlType type);
    void Regenerate();

    void AccuracySet(kelt2pAccuracyType type, double value);
    double AccuracyGet();
    kelt2pAccuracyType AccuracyTypeGet();

    kelt2pModelColor ColorGet();
    void ColorSet(const kelt2pModelColor& color);
    void ColorSet(double red, double green, double blue);

    // Features (feature/)
    int FeatureList(const char* pattern, kelt2pFeaturetype featureType);
    int FeatureList(int index) const;
    const char* FeatureName(int id);
    kelt2pFeaturetype FeatureType(int id);
    int FeatureFind(const char* featureName);
    bool FeatueExist(int id);
    bool FeatueExist(const char* featureName);
    int FeatureNext(int id);
    int FeaturePrevious(int id);
    void FeatureDelete(const char* featureName);
    void FeatureDelete(int id);
    int FeatureChildrenGet(int id);
    int FeatureChildrenGet(const char* featureName);
    static int FeatureChildrenAt(int index);
    void PrintFeatTree(int id);
    void PrintFeatTree(const char* featureName);

    // Coordinate systems and datum points (feature/csys_*.cpp, feature/point_*.cpp).
    // Pattern lookup: the first coordinate system whose whole name matches `pattern`;
    // none raises (-4, "Ardo::Solid::CsysFindByName").
    ProGeomitem CsysFindByName(const char* pattern);
    // Pattern lookup: all matches in the host's order into `found`; returns their number.
    int CsysFindByRegEx(const char* pattern, std::vector<ProGeomitem>& found);
    // The process-wide coordinate-system list filled by pattern; its entry's name in the
    // process-wide buffer, valid until the next call.
    int CsysList(const char* pattern);
    static const char* CsysListAt(int index);
    void CsysCreate(const char* csysName);
    // With 64 in `flags`, the set bits of a (8), b (16), c (32), x (1), y (2), z (4) in this
    // order name the new feature's dimensions in the host's order "<name>_A" ...; a name
    // whose symbols would exceed 31 characters is refused first with
    // (-6, "Ardo::kelt2pMdl::CsysCreateOffSet").
    void CsysCreateOffSet(const char* csysName, const char* refName, int flags, double x, double y,
                          double z, double a, double b, double c);
    void CsysCreateOffSet(const char* csysName, const char* refName, const Matrix& m, int flags);
    void CsysRename(const char* oldName, const char* newName);
    void CsysHighlight(const char* pattern, kelt2pColortype color);
    void CsysUnHighlight(const char* pattern);
    Matrix CsysGetTransform(const char* csysName);
    // With 64 in `flags`, x (1), y (2), z (4) name the point's dimensions "<name>_X" ...
    // (-6, "Ardo::kelt2pMdl::PntCreate" first when too long).
    void PntCreate(const char* csysPattern, const char* pointName, int flags, double x, double y,
                   double z);
    // The process-wide datum-point list.
    int PntList(const char* pattern);
    kelt2pPointData PntListAt(int index);
    Vector TransGet(const kelt2pPointData& point);
    Vector TransGet(const char* csysName, const kelt2pPointData& point, const Matrix& m);

    // Curves and the features made from them (feature/curve_*.cpp, intf_curve.cpp,
    // revolve*.cpp); the curve-element list itself is in feature/curve_elements.h.
    // Reading a curve feature refuses a tolerance that is not a positive number with
    // (-2, operation text) before any host call.
    int CurveElements(int curveFeatureId, bool mark, double tolerance);
    int CurveElementsAdd(int curveFeatureId, bool mark, double tolerance);
    int CreateIntfCurveFeature(const char* csysPattern, const char* name);
    int CreateRevolveFeature(const char* csysPattern, const char* name);
    int CreateRevolveFeature(int curveFeatureId, const char* csysPattern, const char* name);

    // Assemblies (feature/assembly_*.cpp). Every added component is a direct child of
    // this model: the returned path has this model as root and depth 1.
    CompPath Add(Solid& component);
    CompPath Add(Solid& component, const Matrix& placement);
    // Placed by making the first coordinate system of the component that matches
    // `compCsys` coincide with the first one matching `asmCsys` in this model, or in the
    // model at the end of `target`.
    CompPath Add(Solid& component, const char* compCsys, const char* asmCsys);
    CompPath Add(Solid& component, const char* compCsys, CompPath& target, const char* targetCsys);
    // One component per coordinate system of `target`'s model matching `targetCsys`; the
    // path of the last. No match raises (-4, "Ardo::Solid::AddMultiple") before anything
    // is created.
    CompPath AddMultiple(Solid& component, const char* compCsys, CompPath& target,
                         const char* targetCsys);
    // Lists the active components at every level whose model names match `pattern`, in
    // pre-order, into compList; returns their number.
    int ComponetList(const char* pattern);
    CompPath ComponetListAt(int index) const;
    bool CompRedefine(CompPath& path, bool removeConstraints);
    double Distance(CompPath& first, CompPath& second, bool stopAtInterference);
    double DistanceEval(int firstId, CompPath& first, int secondId, CompPath& second);
    kelt2pBox OutlineCompute(const Matrix& m);
    // The process-wide dependency list (feature/assembly_dependencies.cpp).
    int DependenciesList();
    static Solid DependenciesListAt(int index);
    // Variant features of a flexible component at `path`, whose model must be this one.
    int ParamsVariantfeat(CompPath& path, const char* pattern);
    int DimsVariantfeat(CompPath& path, const char* pattern);
    // Coordinate systems against components (feature/csys_component.cpp).
    void CsysCreateOffSet(const char* csysName, const char* refName, CompPath& path, int flags,
                          double x, double y, double z, double a, double b, double c);
    CompPath CsysComponent(const char* pattern, CompPath& path);
    bool CsysHasComponent(const char* pattern, CompPath& path);
    // The process-wide external-reference list (feature/csys_lists.h).
    int CsysExtRefs(const char* featureName, CompPath& path);
    static const CompPath& CsysExtRefPath(int index);
    static int CsysExtRefId(int index);
    // UDFs (feature/udf*.cpp): the current UDF and its reference list are process-wide
    // (feature/udf_current.h). UdfRef and UdfAddSetRef act on an index from 0 to the
    // number of entries: that number itself raises the subscript error, a larger or
    // negative index does nothing. UdfRef writes at most 80 bytes to `prompt` and 32 to
    // `name`, always terminated; null outputs are skipped.
    static int UdfInit(const char* name);
    static void UdfRef(int index, char* prompt, kelt2pFeaturetype* type, char* name,
                       CompPath* path);
    static void UdfAddSetRef(int index, const char* name, const CompPath& path);
    void UdfAdd(bool ungroup, bool regenerate);
    // A failure after insert mode began ends it with the suppressed features resumed.
    void UdfAddStd(const char* name);
    void UdfAddTip(const char* csysName, CompPath& path, const char* pointName, bool regenerate);
    // Insert mode (feature/insert_mode.cpp).
    void InsertModeActivate(int featureId);
    void InsertModeCancel(bool resume);
    bool InsertModeIsActive();

    // Parameters (model/params*.cpp). `feature` is a feature owner by name: the one
    // feature whose whole name matches it as a pattern.
    bool ParamExist(const char* paramName);
    bool ParamExist(const char* feature, const char* paramName);
    // The ParamGet forms refuse a name over 31 characters first with
    // (-6, "Ardo::kelt2pMdl::ParamGet"); the text forms of ParamSet a name over 31 or a text
    // over 80 characters with (-6, "Ardo::kelt2pMdl::ParamSet").
    kelt2pParamValue ParamGet(const char* paramName);
    kelt2pParamValue ParamGet(const char* feature, const char* paramName);
    void ParamSet(const kelt2pParamValue& value);
    void ParamSet(const char* feature, const kelt2pParamValue& value);
    void ParamSet(const char* paramName, double value);
    void ParamSet(const char* feature, const char* paramName, double value);
    void ParamSet(const char* paramName, int value);
    void ParamSet(const char* feature, const char* paramName, int value);
    void ParamSet(const char* paramName, const char* text);
    void ParamSet(const char* feature, const char* paramName, const char* text);
    void ParamDelete(const char* paramName);
    void ParamDelete(int featureId, const char* paramName);
    // The description, kept in the process-wide buffer of this form.
    const char* ParamDescription(const char* paramName);
    const char* ParamDescription(const char* feature, const char* paramName);
    void ParamDescriptionSet(const char* paramName, const char* text);
    void ParamDescriptionSet(const char* feature, const char* paramName, const char* text);
    // Lists into paramList; returns the number of entries.
    int ParamList(const char* pattern);
    int ParamList(const char* feature, const char* pattern);
    kelt2pParamValue ParamListAt(int index);

    // Dimensions (model/dims*.cpp)
    bool DimExist(const char* symbol);
    double DimGet(const char* symbol);
    void DimSet(const char* symbol, double value);
    void DimShow(const char* symbol);
    int DimList(const char* pattern);
    int DimListAt(int index) const;
    // The symbol, kept in the process-wide buffer of DimName.
    const char* DimName(int id);
    DimDisplayMode DimDisplaymodeGet();
    void DimDisplaymodeSet(DimDisplayMode mode);

    // Relations (model/relations.cpp): a set read into relationList and the process-wide
    // relations buffer, returning its number of lines, or the buffer written to a set.
    int Relations(bool kind);
    int Relations(int featureId);
    void RelationsSet(bool kind);
    void RelationsSet(int featureId);
    // The process-wide relations buffer (model/relation_buffer.h).
    static void RelationsClear();
    static int RelationsAdd(const char* line);
    static int RelationsSize();
    static const char* RelationAt(int i);

    // Import and export (model/export_*.cpp, import_feature.cpp, shrinkwrap.cpp,
    // create_from_file.cpp). The 3D export writes in the frame of the first coordinate
    // system matching `csysPattern`; none raises (-4, "Ardo::Solid::WriteExport").
    void WriteExport(const char* file, const char* csysPattern, kelt2p3D_Export_Type format,
                     kelt2pOutput_AsmCfg cfg, bool surfaces, bool incl1, bool incl2);
    // Leaves `m` inverted: callers rely on it.
    void WriteSTL(const char* name, Matrix& m, const char* csysName, double chord, double angle);
    void WritePDF(const char* file);
    // Hands the host whatever handle this object holds; the result is not examined.
    void ExportVRML(const char* file);
    void ImportSTEP(const char* file);
    void ImportACIS(const char* file);
    // Both return the host's code of releasing the options (of allocating them when that
    // failed); the export's own result is not examined.
    int ShrinkwrapCreate(const char* file, bool holes);
    int ShrinkwrapCreate(Solid& target, bool holes);
    // Binds this object to a new model made from an interface file; with `split`, an
    // assembly's components are renamed after `name`. A formed name over 31 characters is
    // refused with (-6, "Ardo::kelt2pMdl::Create") before the first rename.
    void Create(const char* name, kelt2pMdlType type, const char* file, kelt2pIntfImportType itype,
                bool split);

    // Result lists of the model, each filled by one listing operation.
    std::vector<ProParameter> paramList;
    std::vector<ProModelitem> dimList;
    std::vector<CompPath> compList;
    std::vector<ProModelitem> featureList;
    std::vector<std::string> relationList;

private:
    // ProFeatureInit in this model; status stored, failure raises Ardo::Error(code, "").
    ProFeature featureInit(int id);
    // The selection of the first coordinate system matching `pattern`, with a root path of
    // depth 0 in an assembly; host failures raise (code, text).
    ardotk::SelectionOwner csysSelection(const char* pattern, const char* text);
    // Writes the feature's element tree; status stored, raises nothing.
    void featureTreeWrite(ProFeature& feature);

    // Owners of parameters. The model's own item (ProMdlToModelitem; failure raises
    // (code, text)); the model's item built from its type for descriptions (failure
    // raises ardotk::Error(code, "")); the one feature matching `feature`; the item of
    // feature `id` (ProFeatureInit, then ProModelitemInit).
    ProModelitem modelOwner(const char* text);
    ProModelitem descriptionOwner();
    ProModelitem featureOwner(const char* feature);
    ProModelitem featureOwnerById(int id);
    // Writes `value` to the owner's parameter, creating it when missing.
    void paramWrite(ProModelitem& owner, const char* paramName, ProParamvalue& value);
    // The model's type through ProMdlTypeGet; failure raises ardotk::Error(code, "").
    ProMdlType itemsType();
    // The dimension of `symbol`; unless found raises ardotk::Error(visit result, "").
    ProDimension dimensionFind(const char* symbol);
    // The first relation set of the kind; none raises the subscript error.
    ProRelset relsetOfKind(bool kind);
    // The relation set of feature `id`.
    ProRelset relsetOfFeature(int id);
};

}  // namespace Ardo

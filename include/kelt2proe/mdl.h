// The application's handle on one host model (part, assembly, manufacturing model,
// drawing) and the records and numbers that describe a model.
//
// kelt2pMdl is a facade: it owns one Ardo::Solid and forwards every operation to it.
// Copies never share state: a copy (or an assigned model) holds its own copy of the
// binding, name, type and result lists. Destroying a kelt2pMdl never erases or closes the
// host model.
#pragma once

#include <cstdint>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/export.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/impl_ptr.h"

namespace Ardo {

class Solid;

// ---------------------------------------------------------------------------
// Numbers and records of a model

// The host's model-type number, passed to and from the host unchanged.
enum kelt2pMdlType : std::int32_t {
    KELT2P_MDL_UNUSED = -1,
    KELT2P_MDL_ASSEMBLY = 1,
    KELT2P_MDL_PART = 2,
    KELT2P_MDL_DRAWING = 4,
    KELT2P_MDL_DWGFORM = 33,  // a drawing format
    KELT2P_MDL_MFG = 37,
};

// The host's model-subtype number, unchanged; 0 where the model has no subtype.
enum kelt2pMdlsubtype : std::int32_t {
    KELT2P_MDLSTYPE_NONE = 0,
};

// The host's accuracy-type number, unchanged.
enum kelt2pAccuracyType : std::int32_t {
    KELT2P_ACCURACY_RELATIVE = 1,
    KELT2P_ACCURACY_ABSOLUTE = 2,
};

// The principal unit system of a model.
enum kelt2pLengthUnit : std::int32_t {
    KELT2P_UNIT_OTHER = -1,    // any unit system not named below (returned only)
    KELT2P_UNIT_INCH_LBM = 1,  // "Inch lbm Second (Creo Elements/Pro Stand.)"
    KELT2P_UNIT_FPS = 2,       // "Foot Pound Second (FPS)"
    KELT2P_UNIT_MMNS = 11,     // "millimeter Newton Second (mmNs)"
    KELT2P_UNIT_CGS = 12,      // "Centimeter Gram Second (CGS)"
    KELT2P_UNIT_MMKS = 15,     // "millimeter Kilogram Sec (mmKs)"
    KELT2P_UNIT_IPS = 16,      // "Inch Pound Second (IPS)"
};

// The host's model-data record in narrow characters, fields in the host's order.
struct kelt2pMdldata {
    char name[80];
    char type[10];
    char path[260];
    char device[20];
    char host[80];
    std::int32_t number1;  // first integer of the host record, unchanged
    std::int32_t number2;  // second integer of the host record, unchanged
};

// The model's surface properties: value[5..7] are the colour (red, green, blue).
// value[0..3] are host doubles 0..3, value[4..10] host doubles 5..11; host double 4
// is never exposed and is kept as read when the colour is set.
struct kelt2pModelColor {
    double value[11];
};

// The host's feature-type number, passed through unchanged. In a feature listing two
// values are special: any type, and NC sequences only.
enum kelt2pFeaturetype : std::int32_t {
    KELT2P_FEAT_NCSEQ = -2,
    KELT2P_FEAT_ANY = -1,
};

// ---------------------------------------------------------------------------
// Coordinate systems and datum points

// A datum point's name and id in its model, passed by value.
struct kelt2pPointData {
    char name[32];  // narrow, at most 31 characters
    std::int32_t id;
};

// The host's highlight colour number, passed through unchanged; KELT2P_COLOR_NONE shows
// the item in its own colour.
enum kelt2pColortype : std::int32_t {
    KELT2P_COLOR_NONE = -1,
    KELT2P_COLOR_HIGHLITE = 1,
    KELT2P_COLOR_SELECTED = 19,
    KELT2P_COLOR_DATUM = 23,
};

// Dimension-naming flags of CsysCreateOffSet and PntCreate: with KELT2P_DIM_NAMES the
// set bits name the new feature's dimensions "<name>_X" ... ; without it the others are
// ignored.
enum kelt2pDimFlags : std::int32_t {
    KELT2P_DIM_X = 1,
    KELT2P_DIM_Y = 2,
    KELT2P_DIM_Z = 4,
    KELT2P_DIM_A = 8,
    KELT2P_DIM_B = 16,
    KELT2P_DIM_C = 32,
    KELT2P_DIM_NAMES = 64,
};

// ---------------------------------------------------------------------------
// Assemblies

// The outline box of a model: the first and the second corner, in this order.
struct kelt2pBox {
    Point first;
    Point second;
};

// A feature that references a coordinate system from outside its own model: the
// component path of the referencing feature's component and the feature's id.
struct kelt2pExtRef {
    kelt2pCompPath path;
    std::int32_t id;
};

// ---------------------------------------------------------------------------
// Curves

// One element of the process-wide curve-element list: a straight segment or a circular
// arc, passed by value.
struct kelt2pCurveElement {
    Point start;
    Point end;
    Point center;   // an arc's centre; not meaningful for a line
    Vector normal;  // an arc's unit plane normal, opposite to its turning axis; not for a line
    bool isLine;
    bool mark;  // the caller's flag, kept and returned, not interpreted
};

// ---------------------------------------------------------------------------
// Parameters and dimensions

// Value-type tags of a parameter value: the host's parameter-value type numbers.
enum kelt2pParamType : std::int32_t {
    KELT2P_PARAM_DOUBLE = 50,
    KELT2P_PARAM_STRING = 51,
    KELT2P_PARAM_INTEGER = 52,
    KELT2P_PARAM_BOOLEAN = 53,
};

// A parameter's name and typed value, passed by value in both directions. `type` is a
// kelt2pParamType and names the member of `value` that holds the value.
struct kelt2pParamValue {
    char name[32];  // at most 31 characters
    std::int32_t type;
    union {
        double d;        // KELT2P_PARAM_DOUBLE
        char s[81];      // KELT2P_PARAM_STRING, at most 80 characters
        std::int32_t i;  // KELT2P_PARAM_INTEGER
        std::int16_t b;  // KELT2P_PARAM_BOOLEAN: 0 false, non-zero true
    } value;
};

// The host session's dimension display mode (a setting of the session, not of a model),
// the host's number.
enum DimDisplayMode : std::int32_t {
    DIM_DISPLAY_NUMERIC = 0,
    DIM_DISPLAY_SYMBOLIC = 1,
};

// ---------------------------------------------------------------------------
// Display, views and layers

// The host's layer display status number, passed unchanged.
enum kelt2pLayerDisplay : std::int32_t {
    KELT2P_LAYER_NONE = -1,
    KELT2P_LAYER_NORMAL = 1,
    KELT2P_LAYER_DISPLAY = 2,
    KELT2P_LAYER_BLANK = 3,
    KELT2P_LAYER_HIDDEN = 5,
    KELT2P_LAYER_SKIP = 6,
};

// ---------------------------------------------------------------------------
// External data

// A slot's value, passed by value: `type` 1 integer, 2 double, 3 text names the member
// of `value` that holds it.
struct kelt2pExtdataSlotValue {
    std::int32_t type;
    union {
        std::int32_t i;  // 1
        double d;        // 2
        char s[512];     // 3, narrow, at most 511 characters
    } value;
};

// ---------------------------------------------------------------------------
// Import and export

// The host's 3D export format number, passed unchanged.
enum kelt2p3D_Export_Type : std::int32_t {
    KELT2P_EXPORT_STEP = 1,
    KELT2P_EXPORT_IGES = 4,
    KELT2P_EXPORT_SAT = 7,
};

// The host's assembly configuration of a 3D export, passed unchanged.
enum kelt2pOutput_AsmCfg : std::int32_t {
    KELT2P_OUTPUT_FLAT_FILE = 0,
    KELT2P_OUTPUT_SINGLE_FILE = 1,
    KELT2P_OUTPUT_MULTI_FILES = 2,
    KELT2P_OUTPUT_PARTS = 3,
};

// The host's interface-file type number of an import into a new model, passed unchanged.
enum kelt2pIntfImportType : std::int32_t {
    KELT2P_IMPORT_IGES = 1,
    KELT2P_IMPORT_STEP = 6,
    KELT2P_IMPORT_STL = 7,
    KELT2P_IMPORT_VRML = 8,
    KELT2P_IMPORT_ACIS = 14,
};

// ---------------------------------------------------------------------------
class KELT2PROE_API kelt2pMdl {
public:
    // Unbound and unnamed.
    kelt2pMdl();
    kelt2pMdl(const kelt2pMdl& other);
    kelt2pMdl& operator=(const kelt2pMdl& other);
    ~kelt2pMdl();

    // --- Binding and identity -------------------------------------------------
    kelt2pMdl& Load(const char* name, kelt2pMdlType type, bool flag);
    kelt2pMdl& Load(bool flag);  // with the stored name and type
    kelt2pMdl& Create(const char* name, kelt2pMdlType type);
    bool IsLoaded();
    void Current();
    const char* NameGet();
    void NameSet(const char* name);
    kelt2pMdlType TypeGet();
    void TypeSet(kelt2pMdlType type);
    kelt2pMdlsubtype SubtypeGet();
    bool IsAsm();
    bool IsMfg();
    bool IsInstance();
    bool IsFlexible();
    kelt2pMdldata DataGet();

    // --- Whole-model operations -----------------------------------------------
    void Save();
    void Rename(const char* name);
    void Copy(const char* name);
    void Backup(const char* dir);
    void Erase();
    void EraseAll();
    void Display();
    bool ModificationVerify();
    int WindowGet();
    void TreetoolRefresh();
    void Regenerate();

    // --- Units and accuracy ---------------------------------------------------
    void AccuracySet(kelt2pAccuracyType type, double value);
    double AccuracyGet();
    kelt2pAccuracyType AccuracyTypeGet();
    kelt2pLengthUnit LengthUnitGet();
    void LengthUnitSet(kelt2pLengthUnit unit);

    // --- Colour ---------------------------------------------------------------
    kelt2pModelColor ColorGet();
    void ColorSet(const kelt2pModelColor& color);
    void ColorSet(double red, double green, double blue);

    // --- Version stamp --------------------------------------------------------
    // Copies the stamp text into `buf` unless it is null; returns the text's length.
    int VerstampStringGet(char* buf);
    bool VerstampEqual(const char* stamp);

    // --- Through the model's window -------------------------------------------
    void Repaint();
    void Refresh();

    // --- Features -------------------------------------------------------------
    // Lists the active features of `type` whose names match the whole `pattern`, in
    // the host's order; returns their number. FeatureList(index) is the listed id.
    int FeatureList(const char* pattern, kelt2pFeaturetype type);
    int FeatureList(int index);
    // The feature's name, or "fid_<id>" when it has none; valid until the next call.
    const char* FeatureName(int id);
    kelt2pFeaturetype FeatureType(int id);
    int FeatureFind(const char* name);
    bool FeatueExist(int id);
    bool FeatueExist(const char* name);
    // The id of the next / previous active feature, -1 when there is none.
    int FeatureNext(int id);
    int FeaturePrevious(int id);
    void FeatureDelete(const char* name);
    void FeatureDelete(int id);
    // Lists the feature's children (one list shared by all models); returns their number.
    int FeatureChildrenGet(int id);
    int FeatureChildrenGet(const char* name);
    int FeatureChildrenAt(int index);
    // Writes the feature's element tree to "elemtree.inf" (and "fixt.xml" through the
    // host); raises nothing, the outcome is the model's status.
    void PrintFeatTree(int id);
    void PrintFeatTree(const char* name);

    // --- Coordinate systems and datum points ----------------------------------
    // Names and patterns are matched whole and case-sensitively; where one coordinate
    // system is needed the first match in the host's order is taken. The coordinate-
    // system and datum-point lists are shared by all models of the process.
    int CsysList(const char* pattern);
    // The name of entry `index`; valid until the next call.
    const char* CsysListAt(int index);
    // A default coordinate system (the model's own frame).
    void CsysCreate(const char* name);
    // A coordinate system offset from the one `refName` matches: rotated by a, b, c
    // degrees about X, Y, Z (X first), then moved by x, y, z along the reference's axes.
    void CsysCreateOffSet(const char* name, const char* refName, int flags, double x, double y,
                          double z, double a, double b, double c);
    // The same with the offsets taken from `m` (angles by Matrix::RotGet).
    void CsysCreateOffSet(const char* name, const char* refName, Matrix& m, int flags);
    void CsysRename(const char* oldName, const char* newName);
    void CsysHighlight(const char* pattern, kelt2pColortype color);
    void CsysUnHighlight(const char* pattern);
    // The placement in model coordinates: columns 0..2 the axes, column 3 the origin.
    Matrix CsysGetTransform(const char* name);
    // A datum point named `name` at (x, y, z) of the coordinate system `csysPattern`
    // matches.
    void PntCreate(const char* csysPattern, const char* name, int flags, double x, double y,
                   double z);
    int PntList(const char* pattern);
    kelt2pPointData PntListAt(int index);
    // The point in model coordinates.
    Vector TransGet(kelt2pPointData point);
    // m applied (rotation part only) to the point minus the coordinate system's origin.
    Vector TransGet(const char* csysName, kelt2pPointData point, Matrix& m);

    // --- Coordinate systems against components --------------------------------
    // As CsysCreateOffSet above, the reference found in the model at the end of `path`;
    // the new coordinate system belongs to this assembly.
    void CsysCreateOffSet(const char* name, const char* refName, kelt2pCompPath& path, int flags,
                          double x, double y, double z, double a, double b, double c);
    // The component placed onto the one coordinate system `pattern` matches in the
    // model at the end of `path`.
    kelt2pCompPath CsysComponent(const char* pattern, kelt2pCompPath& path);
    bool CsysHasComponent(const char* pattern, kelt2pCompPath& path);
    // Lists the features referencing the feature `name` of the model at the end of
    // `path` from other components (a list shared by all models); returns their number.
    int CsysExtRefs(const char* name, kelt2pCompPath& path);
    kelt2pExtRef CsysExtRefs(int index);

    // --- Assemblies -----------------------------------------------------------
    // A new component of this assembly: placed by default, by a matrix (columns 0..2
    // the component's axes, column 3 its origin), or by making the first coordinate
    // system of `component` matching `compCsys` coincide with the first one matching
    // `asmCsys` in this model or `targetCsys` in the model at the end of `target`.
    kelt2pCompPath Add(kelt2pMdl& component);
    kelt2pCompPath Add(kelt2pMdl& component, Matrix& placement);
    kelt2pCompPath Add(kelt2pMdl& component, const char* compCsys, const char* asmCsys);
    kelt2pCompPath Add(kelt2pMdl& component, const char* compCsys, kelt2pCompPath& target,
                       const char* targetCsys);
    // One component per matching coordinate system of `target`; returns the last.
    kelt2pCompPath AddMultiple(kelt2pMdl& component, const char* compCsys, kelt2pCompPath& target,
                               const char* targetCsys);
    // Lists the active components at every level whose model names match `pattern`
    // (pre-order; a sub-assembly that does not match is skipped with its components);
    // the list belongs to this object. Returns the number listed.
    int ComponetList(const char* pattern);
    kelt2pCompPath ComponetListAt(int index);
    // Opens the host's placement dialog for a direct component; true when it ended
    // without error. A deeper path returns false at once.
    bool CompRedefine(kelt2pCompPath& path, bool removeConstraints);
    // The smallest clearance between the parts below two components; 1e30 when no pair
    // was measured, -1.0 at the first interference when `stop` is set.
    double Distance(kelt2pCompPath& first, kelt2pCompPath& second, bool stop);
    // The distance between two geometry items, each a feature's one point, axis or
    // surface, or a datum point by id.
    double DistanceEval(int firstId, kelt2pCompPath& first, int secondId, kelt2pCompPath& second);
    // The box of the model in the frame of `m`.
    kelt2pBox OutlineCompute(Matrix& m);
    // Lists the models this model depends on (a list shared by all models); returns
    // their number. An entry not in session has a name and type but no handle.
    int DependenciesList();
    kelt2pMdl DependenciesListAt(int index);
    // The varied parameters / dimensions of the flexible component at `path`, whose
    // model must be this one (else the text "not the same model" is thrown), into the
    // lists ParamListAt / DimListAt read.
    int ParamsVariantfeat(kelt2pCompPath& path, const char* pattern);
    int DimsVariantfeat(kelt2pCompPath& path, const char* pattern);

    // --- Curves and the features made from them ---------------------------------
    // One curve-element list for the whole process. CurveElements replaces it with the
    // lines and arcs of curve feature `curveFeatureId` of this model (free-form curves cut
    // into lines of at most `tolerance`), CurveElementsAdd appends them; both return the
    // list's length.
    int CurveElements(int curveFeatureId, bool mark, double tolerance);
    int CurveElementsAdd(int curveFeatureId, bool mark, double tolerance);
    static int CurveElementsAdd(kelt2pCurveElement element);
    // The element at `index` (from 0).
    static kelt2pCurveElement CurveElementsAt(int index);
    static void CurveElementsClear();
    // Orders the list into one connected chain (points equal within 0.01, which becomes
    // the point tolerance of the process); ardotk::no_chain when the elements do not join,
    // the list then holding the elements not chained.
    static void CurveElementsMakeChain();
    // Moves every element by `m`.
    static void CurveElementsTransform(Matrix& m);
    // A datum curve of the list's elements in the frame of the one coordinate system
    // matching `csysPattern`; returns the new feature's id. An empty name keeps the
    // host's default name.
    int CreateIntfCurveFeature(const char* csysPattern, const char* name);
    // A solid revolved about the vertical axis of a sketch through the coordinate system
    // matching `csysPattern`: the profile is the list (already in the sketch's frame) or
    // the loop of curve feature `curveFeatureId`. Returns the new feature's id.
    int CreateRevolveFeature(const char* csysPattern, const char* name);
    int CreateRevolveFeature(int curveFeatureId, const char* csysPattern, const char* name,
                             bool flag);

    // --- User-defined features (UDFs) and insert mode ----------------------------
    // UdfInit makes `name` the current UDF (one for the process) and lists its required
    // references (one process-wide list); returns their number. UdfRef reads entry
    // `index` (prompt into 80, name into 32 characters), UdfAddSetRef chooses its item.
    static int UdfInit(const char* name);
    static void UdfRef(int index, char* prompt, kelt2pFeaturetype* type, char* name,
                       kelt2pCompPath* path);
    static void UdfAddSetRef(int index, const char* name, kelt2pCompPath& path);
    // Places the current UDF against the chosen references.
    void UdfAdd(bool ungroup, bool regenerate);
    // Places a UDF without references in front of the model's other features.
    void UdfAddStd(const char* name);
    // Places the tip gauge of an assembly: at datum point `pointName` of the model at
    // `path`, oriented as this model's coordinate system `csysName`; adds "TIP".
    void UdfAddTip(const char* csysName, kelt2pCompPath& path, const char* pointName,
                   bool regenerate);
    void InsertModeActivate(int featureId);
    void InsertModeCancel(bool resume);
    bool InsertModeIsActive();

    // --- Parameters and dimensions --------------------------------------------
    // `feature` names the one feature whose whole name matches it as a pattern; the
    // other forms work on the model's own parameters.
    bool ParamExist(const char* name);
    bool ParamExist(const char* feature, const char* name);
    kelt2pParamValue ParamGet(const char* name);
    kelt2pParamValue ParamGet(const char* feature, const char* name);
    // A missing parameter is created with the value's type.
    void ParamSet(kelt2pParamValue value);
    void ParamSet(const char* feature, kelt2pParamValue value);
    void ParamSet(const char* name, double value);
    void ParamSet(const char* feature, const char* name, double value);
    void ParamSet(const char* name, int value);
    void ParamSet(const char* feature, const char* name, int value);
    void ParamSet(const char* name, const char* text);
    void ParamSet(const char* feature, const char* name, const char* text);
    void ParamDelete(const char* name);
    void ParamDelete(int featureId, const char* name);
    // At most 80 characters, empty without a description; valid until the next call of
    // the same form.
    const char* ParamDescription(const char* name);
    const char* ParamDescription(const char* feature, const char* name);
    void ParamDescriptionSet(const char* name, const char* text);
    void ParamDescriptionSet(const char* feature, const char* name, const char* text);
    // Lists the parameters whose whole name matches `pattern` into this object's
    // parameter list; returns their number. ParamListAt(i) reads entry i.
    int ParamList(const char* pattern);
    int ParamList(const char* feature, const char* pattern);
    kelt2pParamValue ParamListAt(int i);

    // Dimensions by symbol, compared whole and case-sensitively. The value read and
    // written carries the sign the user sees.
    bool DimExist(const char* name);
    double DimGet(const char* name);
    void DimSet(const char* name, double value);
    void DimShow(const char* name);
    // Lists the dimensions whose whole symbol matches `pattern`; returns their number.
    // DimListAt(i) is the id of entry i, which DimName takes.
    int DimList(const char* pattern);
    int DimListAt(int i);
    // The symbol of dimension `id`; valid until the next call.
    const char* DimName(int id);
    DimDisplayMode DimDisplaymodeGet();
    void DimDisplaymodeSet(DimDisplayMode mode);

    // --- Relations ------------------------------------------------------------
    // One relations buffer for the whole process. Relations reads a relation set of
    // this model into it (false: the model's set; true: its post-regeneration set; an
    // int: the set of that feature) and returns the number of lines; RelationsSet
    // writes the buffer to such a set.
    int Relations(bool kind);
    int Relations(int featureId);
    void RelationsSet(bool kind);
    void RelationsSet(int featureId);
    static void RelationsClear();
    // Appends a line; returns the new line count. Lines longer than 259 characters are
    // refused when the buffer is written.
    static int RelationsAdd(const char* line);
    static int RelationsSize();
    // Line i; valid until the buffer next changes.
    static const char* RelationAt(int i);

    // --- Display, views and layers ----------------------------------------------
    // Each switch sets a display option of the whole host session and returns whether
    // it was on before; a change invalidates the model's display list and repaints it.
    bool DispModePlane(bool on);
    bool DispModePoint(bool on);
    bool DispModeCsys(bool on);
    bool DispModeAxis(bool on);
    bool DispModeNote(bool on);
    void ViewRetrieve(const char* name);
    void ViewStore(const char* name);
    void ViewReset();
    void ViewRefit();
    // The orientation of the named view (the empty name: the current view); columns
    // 0..2 the view's axes.
    Matrix ViewMatrixGet(const char* name);
    // Orients the current view by `m`, which is normalised in place first (rotation
    // scaled to unit axes, no translation).
    void ViewMatrixSet(Matrix& m);
    // Returns the new layer's id.
    int LayerCreate(const char* name);
    // The status of the one layer whose whole name matches `pattern`.
    kelt2pLayerDisplay LayerDisplaystatus(const char* pattern);
    // Sets the status of every layer whose whole name matches `pattern`.
    void LayerDisplaystatus(const char* pattern, kelt2pLayerDisplay status);
    // Puts the model item `id` on the layer named `layerName`.
    void LayerItemAdd(const char* layerName, int id);
    // Lists the layers whose whole name matches `pattern` (one list shared by all
    // models); returns their number. LayerList(i) is the name of entry i, valid until
    // the next call.
    int LayerList(const char* pattern);
    const char* LayerList(int i);

    // --- External data --------------------------------------------------------------
    // Classes and slots the application keeps in the model, saved with it. Without
    // `strict`, registering an existing class and unregistering a missing one raise
    // nothing.
    void ExtdataClassRegister(const char* className, bool strict);
    void ExtdataClassUnRegister(const char* className, bool strict);
    // Lists the classes whose whole name matches `pattern` (one list shared by all
    // models, in the host's order); returns their number. ExtdataClassNames(i) is the
    // name of entry i, valid until the next call.
    int ExtdataClassNames(const char* pattern);
    const char* ExtdataClassNames(int i);
    // Lists the class's slots whose whole name matches `pattern`, sorted by name (one
    // list shared by all models); returns their number. ExtdataSlotList(i) is the name
    // of entry i, valid until the next call.
    int ExtdataSlotList(const char* className, const char* pattern);
    const char* ExtdataSlotList(int i);
    kelt2pExtdataSlotValue ExtdataSlot(const char* className, const char* slot);
    // A write creates a missing slot; the class must be registered.
    void ExtdataSlot(const char* className, const char* slot, const char* text);
    void ExtdataSlot(const char* className, const char* slot, int value);
    void ExtdataSlot(const char* className, const char* slot, double value);
    void ExtdataSlot(const char* className, const char* slot, kelt2pExtdataSlotValue value);
    void ExtdataDelete(const char* className, const char* slot);

    // --- Import and export ------------------------------------------------------------
    // The model's geometry in the frame of the first coordinate system whose whole
    // name matches `csysPattern`: as surfaces or as a solid, with datums (incl1) and
    // blanked items (incl2).
    void WriteSTEP(const char* file, const char* csysPattern, bool surfaces, bool incl1,
                   bool incl2);
    void WriteACIS(const char* file, const char* csysPattern, bool surfaces, bool incl1,
                   bool incl2);
    void WriteExport(const char* file, const char* csysPattern, kelt2p3D_Export_Type format,
                     kelt2pOutput_AsmCfg cfg, bool surfaces, bool incl1, bool incl2);
    // Writes "<name>.stl": each point p of the model as m · A⁻¹ · p, A the placement of
    // the coordinate system named `csysName`. `m` is left inverted.
    void WriteSTL(const char* name, Matrix& m, const char* csysName, double chord, double angle);
    void WritePDF(const char* file);
    void ExportVRML(const char* file);
    // Brings the file's solid into the model as an import feature.
    void ImportSTEP(const char* file);
    void ImportACIS(const char* file);
    // The shrinkwrap of the model into a faceted file, or into the model `target`;
    // returns the host's code of releasing the options. `level` is not read.
    int ShrinkwrapCreate(const char* file, int level, bool holes);
    int ShrinkwrapCreate(kelt2pMdl& target, int level, bool holes);
    // A new model `name` of `type` from an interface file. With `split`, an imported
    // assembly's first component takes `name`, the others "<name>_<i>", and the
    // assembly "_<name>".
    kelt2pMdl& Create(const char* name, kelt2pMdlType type, const char* file,
                      kelt2pIntfImportType itype, bool split);

private:
    friend struct FacadeAccess;
    // A model with a copy of `solid`: how the library hands out host models.
    explicit kelt2pMdl(const Solid& solid);

    CopiedImpl<Solid> impl;
};

}  // namespace Ardo

#include "model/io_fixture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "kelt2proe/simhost/control.h"

namespace iotest {

std::string boxFile() {
    return R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
        {"id": 2, "type": 979, "name": "MOVED", "items": [{"id": 12, "type": 25,
            "placement": {"origin": [5, 0, 0], "x": [0, 1, 0], "y": [-1, 0, 0],
                          "z": [0, 0, 1]}}]}],
        "solids": [{"box": {"corner": [0, 0, 0], "size": [10, 20, 30]}}]})";
}

Ardo::Matrix movedPlacement() {
    const double m[4][4] = {{0, -1, 0, 5}, {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    return Ardo::Matrix(m);
}

std::vector<Vertex> boxCorners() {
    std::vector<Vertex> corners;
    for (double x : {0.0, 10.0}) {
        for (double y : {0.0, 20.0}) {
            for (double z : {0.0, 30.0}) {
                corners.push_back({x, y, z});
            }
        }
    }
    return corners;
}

namespace {

// The numbered entities of a STEP file's data section.
class StepData {
public:
    int add(const std::string& entity) {
        text_ << "#" << next_ << "=" << entity << ";\n";
        return next_++;
    }
    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    int next_ = 1;
};

std::string ref(int id) {
    return "#" + std::to_string(id);
}

std::string triple(const Vertex& v) {
    std::ostringstream text;
    text.precision(17);
    text << "(" << v[0] << "," << v[1] << "," << v[2] << ")";
    return text.str();
}

}  // namespace

std::string boxStep(const Vertex& corner, const Vertex& size) {
    StepData d;
    int app = d.add("APPLICATION_CONTEXT('automotive design')");
    d.add("APPLICATION_PROTOCOL_DEFINITION('international standard','automotive_design',2000," +
          ref(app) + ")");
    int productContext = d.add("PRODUCT_CONTEXT(''," + ref(app) + ",'mechanical')");
    int product =
        d.add("PRODUCT('OTHER','OTHER',''," + std::string("(") + ref(productContext) + "))");
    int formation =
        d.add("PRODUCT_DEFINITION_FORMATION(''," + std::string("''") + "," + ref(product) + ")");
    int definitionContext =
        d.add("PRODUCT_DEFINITION_CONTEXT('part definition'," + ref(app) + ",'design')");
    int definition = d.add("PRODUCT_DEFINITION('design',''," + ref(formation) + "," +
                           ref(definitionContext) + ")");
    int shape =
        d.add("PRODUCT_DEFINITION_SHAPE(''," + std::string("''") + "," + ref(definition) + ")");
    int mm = d.add("(LENGTH_UNIT()NAMED_UNIT(*)SI_UNIT(.MILLI.,.METRE.))");
    int rad = d.add("(NAMED_UNIT(*)PLANE_ANGLE_UNIT()SI_UNIT($,.RADIAN.))");
    int sr = d.add("(NAMED_UNIT(*)SI_UNIT($,.STERADIAN.)SOLID_ANGLE_UNIT())");
    int uncertainty = d.add("UNCERTAINTY_MEASURE_WITH_UNIT(LENGTH_MEASURE(1.E-07)," + ref(mm) +
                            ",'distance_accuracy_value','')");
    int context =
        d.add("(GEOMETRIC_REPRESENTATION_CONTEXT(3)GLOBAL_UNCERTAINTY_ASSIGNED_CONTEXT((" +
              ref(uncertainty) + "))GLOBAL_UNIT_ASSIGNED_CONTEXT((" + ref(mm) + "," + ref(rad) +
              "," + ref(sr) + "))REPRESENTATION_CONTEXT('',''))");

    // Corner i has the bits x (1), y (2), z (4); edges run from the lower corner index.
    std::vector<Vertex> at;
    std::vector<int> vertex;
    for (int i = 0; i < 8; ++i) {
        Vertex p = {corner[0] + ((i & 1) ? size[0] : 0), corner[1] + ((i & 2) ? size[1] : 0),
                    corner[2] + ((i & 4) ? size[2] : 0)};
        at.push_back(p);
        vertex.push_back(
            d.add("VERTEX_POINT(''," + ref(d.add("CARTESIAN_POINT(''," + triple(p) + ")")) + ")"));
    }
    auto direction = [&](const Vertex& from, const Vertex& to) {
        Vertex u = {to[0] - from[0], to[1] - from[1], to[2] - from[2]};
        double length = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
        return Vertex{u[0] / length, u[1] / length, u[2] / length};
    };
    std::vector<std::vector<int>> edge(8, std::vector<int>(8, 0));
    for (int a = 0; a < 8; ++a) {
        for (int bit : {1, 2, 4}) {
            int b = a | bit;
            if (b == a) {
                continue;
            }
            Vertex u = direction(at[a], at[b]);
            int origin = d.add("CARTESIAN_POINT(''," + triple(at[a]) + ")");
            int vector =
                d.add("VECTOR(''," + ref(d.add("DIRECTION(''," + triple(u) + ")")) + ",1.)");
            int line = d.add("LINE(''," + ref(origin) + "," + ref(vector) + ")");
            edge[a][b] = d.add("EDGE_CURVE(''," + ref(vertex[a]) + "," + ref(vertex[b]) + "," +
                               ref(line) + ",.T.)");
        }
    }
    // Each face's corners run anticlockwise seen from outside; its normal points out.
    const int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                             {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    const Vertex normals[6] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};
    std::string faceList;
    for (int f = 0; f < 6; ++f) {
        std::string loop;
        for (int k = 0; k < 4; ++k) {
            int a = faces[f][k];
            int b = faces[f][(k + 1) % 4];
            bool forward = a < b;
            int e = forward ? edge[a][b] : edge[b][a];
            int oriented = d.add("ORIENTED_EDGE('',*,*," + ref(e) + (forward ? ",.T.)" : ",.F.)"));
            loop += (loop.empty() ? "" : ",") + ref(oriented);
        }
        int edgeLoop = d.add("EDGE_LOOP('',(" + loop + "))");
        int bound = d.add("FACE_OUTER_BOUND(''," + ref(edgeLoop) + ",.T.)");
        int origin = d.add("CARTESIAN_POINT(''," + triple(at[faces[f][0]]) + ")");
        int axis = d.add("DIRECTION(''," + triple(normals[f]) + ")");
        int refDirection =
            d.add("DIRECTION(''," + triple(direction(at[faces[f][0]], at[faces[f][1]])) + ")");
        int placement = d.add("AXIS2_PLACEMENT_3D(''," + ref(origin) + "," + ref(axis) + "," +
                              ref(refDirection) + ")");
        int plane = d.add("PLANE(''," + ref(placement) + ")");
        int face = d.add("ADVANCED_FACE('',(" + ref(bound) + ")," + ref(plane) + ",.T.)");
        faceList += (faceList.empty() ? "" : ",") + ref(face);
    }
    int shell = d.add("CLOSED_SHELL('',(" + faceList + "))");
    int brep = d.add("MANIFOLD_SOLID_BREP('OTHER'," + ref(shell) + ")");
    int frameOrigin = d.add("CARTESIAN_POINT('',(0.,0.,0.))");
    int frameZ = d.add("DIRECTION('',(0.,0.,1.))");
    int frameX = d.add("DIRECTION('',(1.,0.,0.))");
    int frame = d.add("AXIS2_PLACEMENT_3D(''," + ref(frameOrigin) + "," + ref(frameZ) + "," +
                      ref(frameX) + ")");
    int representation = d.add("ADVANCED_BREP_SHAPE_REPRESENTATION('',(" + ref(frame) + "," +
                               ref(brep) + ")," + ref(context) + ")");
    d.add("SHAPE_DEFINITION_REPRESENTATION(" + ref(shape) + "," + ref(representation) + ")");
    return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('box'),'2;1');\n"
           "FILE_NAME('other.stp','2026-01-01T00:00:00',(''),(''),'','','');\n"
           "FILE_SCHEMA(('AUTOMOTIVE_DESIGN { 1 0 10303 214 1 1 1 1 }'));\nENDSEC;\nDATA;\n" +
           d.text() + "ENDSEC;\nEND-ISO-10303-21;\n";
}

std::vector<std::string> callsAmong(const std::vector<std::string>& functions) {
    std::vector<std::string> calls;
    for (const std::string& entry : simhost::journal()) {
        std::string function = entry.substr(0, entry.find(' '));
        if (std::find(functions.begin(), functions.end(), function) != functions.end()) {
            calls.push_back(function);
        }
    }
    return calls;
}

std::vector<std::string> entriesOf(const std::string& function) {
    std::vector<std::string> entries;
    for (const std::string& entry : simhost::journal()) {
        if (entry == function || entry.rfind(function + " ", 0) == 0) {
            entries.push_back(entry);
        }
    }
    return entries;
}

namespace {

float floatAt(const std::string& bytes, std::size_t offset) {
    float value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

bool sameVertex(const Vertex& a, const Vertex& b, double tolerance) {
    return std::fabs(a[0] - b[0]) <= tolerance && std::fabs(a[1] - b[1]) <= tolerance &&
           std::fabs(a[2] - b[2]) <= tolerance;
}

std::string describe(const Vertex& v) {
    std::ostringstream text;
    text << "(" << v[0] << ", " << v[1] << ", " << v[2] << ")";
    return text.str();
}

}  // namespace

std::vector<Vertex> stlVertices(const std::string& path, int* triangles) {
    constexpr std::size_t kHeader = 80;
    constexpr std::size_t kRecord = 50;
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Vertex> vertices;
    *triangles = -1;
    if (bytes.size() < kHeader + 4) {
        ADD_FAILURE() << path << ": no binary STL header (" << bytes.size() << " bytes)";
        return vertices;
    }
    std::uint32_t count = 0;
    std::memcpy(&count, bytes.data() + kHeader, sizeof count);
    if (bytes.size() != kHeader + 4 + std::size_t{count} * kRecord) {
        ADD_FAILURE() << path << ": " << count << " triangles but " << bytes.size() << " bytes";
        return vertices;
    }
    *triangles = static_cast<int>(count);
    for (std::size_t t = 0; t < count; ++t) {
        std::size_t record = kHeader + 4 + t * kRecord;
        for (std::size_t corner = 0; corner < 3; ++corner) {
            std::size_t at = record + 12 + corner * 12;
            Vertex v = {floatAt(bytes, at), floatAt(bytes, at + 4), floatAt(bytes, at + 8)};
            bool known = std::any_of(vertices.begin(), vertices.end(),
                                     [&](const Vertex& seen) { return sameVertex(seen, v, 1e-6); });
            if (!known) {
                vertices.push_back(v);
            }
        }
    }
    return vertices;
}

::testing::AssertionResult samePoints(std::vector<Vertex> expected, std::vector<Vertex> actual,
                                      double tolerance) {
    if (expected.size() != actual.size()) {
        return ::testing::AssertionFailure()
               << expected.size() << " points expected, " << actual.size() << " found";
    }
    for (const Vertex& v : expected) {
        auto match = std::find_if(actual.begin(), actual.end(),
                                  [&](const Vertex& a) { return sameVertex(a, v, tolerance); });
        if (match == actual.end()) {
            return ::testing::AssertionFailure() << "no point at " << describe(v);
        }
        actual.erase(match);
    }
    return ::testing::AssertionSuccess();
}

std::vector<Vertex> transformed(const Ardo::Matrix& m, const std::vector<Vertex>& points) {
    std::vector<Vertex> moved;
    for (const Vertex& v : points) {
        Ardo::Point p = m * Ardo::Point(v[0], v[1], v[2]);
        moved.push_back({p.x, p.y, p.z});
    }
    return moved;
}

void IoTest::SetUp() {
    ModelTest::SetUp();
    box = load("box.prt", Ardo::KELT2P_MDL_PART, boxFile().c_str());
}

double IoTest::volumeOf(const wchar_t* name, ProMdlType type) {
    double volume = -1;
    EXPECT_EQ(simhost::modelVolume(hostModel(name, type), &volume), PRO_TK_NO_ERROR);
    return volume;
}

Ardo::kelt2pMdl IoTest::threePartAssembly() {
    Ardo::kelt2pMdl assembly;
    assembly.Create("ASM", Ardo::KELT2P_MDL_ASSEMBLY);
    assembly.CsysCreate("CS0");
    const char* names[] = {"PA", "PB", "PC"};
    for (int i = 0; i < 3; ++i) {
        std::ostringstream file;
        file << R"({"type": "PRT", "features": [)"
             << R"({"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]}],)"
             << R"( "solids": [{"box": {"corner": [)" << 20 * i << R"(, 0, 0], "size": [10, )"
             << 10 + i << ", 10]}}]}";
        std::string fileName = std::string(names[i]) + ".prt";
        Ardo::kelt2pMdl part = load(fileName.c_str(), Ardo::KELT2P_MDL_PART, file.str().c_str());
        assembly.Add(part);
    }
    return assembly;
}

}  // namespace iotest

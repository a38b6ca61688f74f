// Model files from arbitrary bytes: the input is written as a part, a manufacturing model
// or a drawing (by its first byte: bit 0 set a manufacturing model, else bit 1 set a
// drawing), loaded with ProMdlLoad on a fresh simulated host, and read back by the
// library's listings (a drawing also written as DXF and PDF). Refusals are expected;
// crashes, hangs and leaks are faults.
#include <ProCore.h>
#include <ProMdl.h>
#include <ProUtil.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <kelt2proe/kelt2proe.h>
#include <kelt2proe/simhost/control.h>

namespace {

// A scratch directory the host works in, made once per process.
struct Scratch {
    Scratch() {
        dir = std::filesystem::temp_directory_path() /
              ("kelt2proe-fuzz-model-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    std::filesystem::path dir;
};

void connect() {
    simhost::reset();
    std::string id = simhost::launch();
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
}

// Each listing on its own: a refusal of one does not hide the others.
template <typename Step>
void attempt(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

void listSolid(Ardo::kelt2pMdl& mdl) {
    int features = 0;
    attempt([&] { features = mdl.FeatureList(".*", Ardo::KELT2P_FEAT_ANY); });
    for (int i = 0; i < features; ++i) {
        attempt([&] {
            int id = mdl.FeatureList(i);
            const char* name = mdl.FeatureName(id);
            std::string feature = name != nullptr ? name : "";
            mdl.FeatureType(id);
            mdl.PrintFeatTree(id);
            mdl.ParamList(feature.c_str(), ".*");
        });
    }
    int params = 0;
    attempt([&] { params = mdl.ParamList(".*"); });
    for (int i = 0; i < params; ++i) {
        attempt([&] { mdl.ParamListAt(i); });
    }
    int dims = 0;
    attempt([&] { dims = mdl.DimList(".*"); });
    for (int i = 0; i < dims; ++i) {
        attempt([&] { mdl.DimName(mdl.DimListAt(i)); });
    }
}

void listMfg() {
    Ardo::kelt2pMfg mfg;
    attempt([&] { mfg.Load("fuzz"); });
    int wcells = 0;
    attempt([&] { wcells = mfg.WcellList(".*"); });
    for (int i = 0; i < wcells; ++i) {
        attempt([&] {
            Ardo::kelt2pWcell wcell = mfg.WcellList(i);
            wcell.Name();
            wcell.Type();
            wcell.Axis();
            wcell.Heads();
            wcell.LatheDir();
            int lines = wcell.Comment();
            for (int n = 0; n < lines; ++n) {
                wcell.Comment(static_cast<unsigned>(n));
            }
            int entries = wcell.ToolList();
            for (int n = 0; n < entries; ++n) {
                wcell.ToolListAt(n);
            }
        });
    }
    int opers = 0;
    attempt([&] { opers = mfg.OperList(".*"); });
    for (int i = 0; i < opers; ++i) {
        attempt([&] {
            Ardo::kelt2pOperation oper = mfg.OperList(i);
            oper.Name();
            oper.Origin();
        });
    }
    int seqs = 0;
    attempt([&] { seqs = mfg.NcSeqList(); });
    for (int i = 0; i < seqs; ++i) {
        attempt([&] { mfg.NcseqToolid(mfg.NcSeqList(i)); });
    }
    int tools = 0;
    attempt([&] { tools = mfg.ToolList(); });
    for (int i = 0; i < tools; ++i) {
        attempt([&] { mfg.ToolExist(mfg.ToolList(i)); });
    }
    attempt([&] {
        Ardo::kelt2pMdl solid = mfg.GetMdl();
        listSolid(solid);
    });
}

void listDrawing(ProMdl model) {
    Ardo::kelt2pDrw drw;
    attempt([&] { drw.Load("fuzz"); });
    int sheets = 0;
    attempt([&] { sheets = drw.SheetsCount(); });
    for (int i = 1; i <= sheets; ++i) {
        attempt([&] { drw.FormatGet(i, false); });
    }
    int shown = 0;
    attempt([&] { shown = drw.GetMdls(); });
    for (int i = 0; i < shown; ++i) {
        attempt([&] { drw.GetMdls(i).NameGet(); });
    }
    ProFileName dxf = L"fuzz.dxf";
    ProOutputFileWrite(model, dxf, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr);
    attempt([&] { drw.WritePDF("fuzz.pdf"); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Scratch scratch;
    if (size == 0) {
        return 0;
    }
    const bool mfg = (data[0] & 1) != 0;
    const bool drawing = !mfg && (data[0] & 2) != 0;
    const char* file = mfg ? "fuzz.mfg" : drawing ? "fuzz.drw" : "fuzz.prt";
    std::ofstream(scratch.dir / file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    connect();
    ProPath path{};
    for (std::size_t i = 0; file[i] != '\0'; ++i) {
        path[i] = static_cast<wchar_t>(file[i]);
    }
    ProMdl model = nullptr;
    if (ProMdlLoad(path, PRO_MDL_UNUSED, PRO_B_FALSE, &model) == PRO_TK_NO_ERROR) {
        if (mfg) {
            listMfg();
        } else if (drawing) {
            listDrawing(model);
        } else {
            Ardo::kelt2pMdl part;
            attempt([&] { part.Load("fuzz", Ardo::KELT2P_MDL_PART, false); });
            listSolid(part);
        }
    }
    simhost::reset();
    return 0;
}

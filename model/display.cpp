// The display switches: yes/no options of the host session that show or hide datum
// planes, points, coordinate systems, axes and annotations. A change invalidates the
// model's display lists and repaints its window.
#include <ProDisplist.h>
#include <ProMdl.h>
#include <ProUtil.h>
#include <ProWindows.h>

#include <cwchar>

#include "model/mdl.h"

namespace Ardo {

bool Mdl::displaySwitch(const wchar_t* option, bool on, const char* text) {
    requireHandle(text);
    ProName name = {};
    std::wcsncpy(name, option, PRO_NAME_SIZE - 1);
    ProLine value = {};
    check(ProConfigoptGet(name, value), text);
    // The option is written in lower case and read back against the host's upper case.
    const bool previous = std::wcscmp(value, L"YES") == 0;
    if (on == previous) {
        return previous;
    }
    ProPath setting = {};
    std::wcsncpy(setting, on ? L"yes" : L"no", PRO_PATH_SIZE - 1);
    check(ProConfigoptSet(name, setting), text);
    status = ProDisplistInvalidate(handle);
    if (status != PRO_TK_NOT_EXIST) {
        check(status, text);
    }
    int window = -1;
    check(ProMdlWindowGet(handle, &window), text);
    check(ProWindowRepaint(window), text);
    return previous;
}

bool Mdl::DispModePlane(bool on) {
    return displaySwitch(L"display_planes", on, "Ardo::Mdl::DispModePlane");
}

bool Mdl::DispModePoint(bool on) {
    return displaySwitch(L"display_points", on, "Ardo::Mdl::DispModePoint");
}

bool Mdl::DispModeCsys(bool on) {
    return displaySwitch(L"display_coord_sys", on, "Ardo::Mdl::DispModeCsys");
}

bool Mdl::DispModeAxis(bool on) {
    return displaySwitch(L"display_axes", on, "Ardo::Mdl::DispModeAxis");
}

bool Mdl::DispModeNote(bool on) {
    return displaySwitch(L"display_annotations", on, "Ardo::Mdl::DispModeNote");
}

}  // namespace Ardo

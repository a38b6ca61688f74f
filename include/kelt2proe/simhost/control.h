// Control API of the simulated host: what a test needs beyond the toolkit itself.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// On Windows the host's DLL exports what is marked so; its users call through the import
// library (or link the host's objects, as the test programs do).
#if defined(_WIN32) && defined(SIMHOST_BUILDING)
#define SIMHOST_API __declspec(dllexport)
#elif defined(_WIN32)
#define SIMHOST_API
#else
#define SIMHOST_API __attribute__((visibility("default")))
#endif

namespace simhost {

// Ends every session, forgets the connection, clears journal, faults, events, the
// messages shown and the macros run, and restores the journal's default limit.
SIMHOST_API void reset();

// Starts a host session as a user would (not connected to this process) and returns
// its connection identifier. A non-empty start file is read as `option value` lines;
// a start file that does not exist throws std::runtime_error.
SIMHOST_API std::string launch(const std::string& startFile = "");

// Every toolkit call since the last clear, one entry each: the function name, then its
// key arguments, separated by single spaces (an empty argument shows as "").
SIMHOST_API std::vector<std::string> journal();
SIMHOST_API void clearJournal();
// The journal keeps the latest `limit` entries (default 100,000) and drops older ones.
SIMHOST_API void setJournalLimit(std::size_t limit);

// The occurrence-th next call of `function` ("*": of any function) returns `code` and
// does nothing.
SIMHOST_API void injectFault(const std::string& function, int code, int occurrence = 1);
// Drops every pending fault.
SIMHOST_API void clearFaults();

// Queue a press of a host command / the end of the host session for the event loop.
SIMHOST_API void postCommand(const std::string& action);
SIMHOST_API void postExit();
// Runs `callback` when the event loop serves a press of `action`, in place of the
// command action an application registered; lets a test act from inside the loop (for
// example interrupt it). Cleared by reset().
SIMHOST_API void onCommand(const std::string& action, std::function<void()> callback);

// A message the host showed in its message area: the message file and key the
// application named, and the English text with its placeholders replaced.
struct ShownMessage {
    std::string file;
    std::string key;
    std::string text;
};
// The messages shown since the last reset or clear, oldest first.
SIMHOST_API std::vector<ShownMessage> messages();
SIMHOST_API void clearMessages();

// A command an application added to the connected session's user interface, as its
// button shows now.
struct CommandButton {
    std::string action;
    std::string icon;
    // The icon's file found in the application's text path ("text/resource/<icon>" or
    // "resource/<icon>"); empty when there is none.
    std::string iconFile;
    // The button's texts from the message file; empty until the command is designated.
    std::string label;
    std::string help;
    std::string description;
    bool designated = false;
    // The access function's answer, asked now (ACCESS_... of ProUICmd.h: 3 available,
    // 1 unavailable); 0 (invisible) without asking for a command that has no button.
    int access = 0;
    bool available() const { return access == 3; }
};
// The commands of the connected session in the order they were added; empty without
// a connection.
SIMHOST_API std::vector<CommandButton> commands();
// The user presses the button of `action`: when the command is designated and its
// access function answers available, the press is queued for the event loop, which
// runs the command's action, and true is returned. A press of a command without a
// button or of an unavailable one does nothing and returns false.
SIMHOST_API bool pressCommand(const std::string& action);

// A command of a macro the host ran (ProMacroExecute): the command as written, without
// surrounding blanks, and whether the host understood it (see docs/test-kit.md).
struct MacroCommand {
    std::string command;
    bool understood = false;
};
// The macro commands run since the last reset or clear, oldest first.
SIMHOST_API std::vector<MacroCommand> macrosRun();
SIMHOST_API void clearMacrosRun();

// An item shown highlighted in the host's graphics window (ProSelectionHighlight, or
// ProSelectionDisplay, which shows it in the item's own colour).
struct ItemHighlight {
    std::string model;  // the owning model as NAME.TYPE, for example "BOX.PRT"
    int type = 0;       // item type (25 coordinate system, 66 datum point ...)
    int id = 0;
    int color = 0;  // the highlight colour (ProColortype); -1 for ProSelectionDisplay
};
// The items shown now, in the order they were first shown; ProSelectionUnhighlight takes
// an item off, and so do erasing its model and reset().
SIMHOST_API std::vector<ItemHighlight> highlights();

// Path of an existing file that stands for the host's communication program; point the
// environment variable PRO_COMM_MSG_EXE at it.
SIMHOST_API std::string commProgram();

// The feature id of the active fixture (ProMfgFixtActivate) of the manufacturing model
// named `model` ("JOB" or "JOB.MFG") in the connected session; 0 when it has none, -1
// when there is no such model.
SIMHOST_API int activeFixture(const std::string& model);

// True when this build of the host has its geometry kernel (solids, outlines, clearances);
// without it those calls answer PRO_TK_UNSUPPORTED.
SIMHOST_API bool geometryKernelAvailable();

// The volume of a part's or an assembly's solid: the union of the solids of the part
// (those its file declares and those of its revolved features), or of every part placed
// below the assembly, overlaps counted once. PRO_TK_BAD_INPUTS for a handle that is no
// part or assembly of the connected session, PRO_TK_UNSUPPORTED without the kernel.
// `model` is the model's toolkit handle (ProMdl); the answer is a toolkit result code.
// Plain types here: the control API's header needs no toolkit header.
SIMHOST_API int modelVolume(const void* model, double* volume);

// Makes the component `componentId` of the assembly named `assembly` ("FRAME" or
// "FRAME.ASM", in the connected session) a flexible one that varies these dimensions
// (ids) and parameters (names) of its model; empty lists make it an ordinary component
// again. False when there is no such assembly.
SIMHOST_API bool setVaried(const std::string& assembly, int componentId,
                           const std::vector<int>& dimensions,
                           const std::vector<std::string>& parameters);

// Number of texts, arrays and other objects handed out by the toolkit and not yet
// released by their free functions.
SIMHOST_API long liveObjects();

// Why the most recent model-file load failed, as `<path>:<line>:<column>: <what is wrong>`
// (`<path>: <what is wrong>` where no place in the file is to blame); empty when no load
// failed since reset() or since the last load that succeeded.
SIMHOST_API std::string lastLoadDiagnostic();

// Answers of the component placement dialog (ProAsmcompConstrRedefUI) of the connected
// session, queued in order; each opening of the dialog takes the next one, and with
// none queued the dialog is cancelled. Cancel: PRO_TK_USER_ABORT, nothing changes.
// Matrix (host row layout: rows 0 to 2 the axes, row 3 the origin, orthonormal): the
// component gets that placement and no constraints. Default: the component gets one
// default-placement constraint. Throws std::runtime_error without a connected session
// and std::invalid_argument for a matrix that is no placement. Cleared with the session.
SIMHOST_API void queuePlacementCancel();
SIMHOST_API void queuePlacementMatrix(const double matrix[4][4]);
SIMHOST_API void queuePlacementDefault();

// What the host drew: how often the display lists of the model `model` (its toolkit
// handle, ProMdl) were invalidated (ProDisplistInvalidate) and its view refitted
// (ProViewRefit), and how often the open window `windowId` was repainted
// (ProWindowRepaint, ProWindowClear). -1 for a handle or id that names nothing in the
// connected session.
SIMHOST_API int displayListInvalidations(const void* model);
SIMHOST_API int viewRefits(const void* model);
SIMHOST_API int windowRepaints(int windowId);

// Drawings (docs/test-kit.md). A sheet of a drawing template: its size (A4 to A0, A to E)
// and the format placed on it (a format's name and sheet; empty: none).
struct TemplateSheetEntry {
    std::string size = "A4";
    std::string format;
    int formatSheet = 1;
};
// A view a drawing template asks for: the saved view `view` of the model the drawing is
// made for, as a general view on `sheet` centred at (x, y) in drawing coordinates (mm),
// at `scale` (0: the host's default scale).
struct TemplateViewEntry {
    std::string view;
    int sheet = 1;
    double x = 0.0;
    double y = 0.0;
    double scale = 0.0;
};
// Writes the drawing template `<name>.drw` / the drawing format `<name>.frm` (sheets of
// these sizes) into the connected session's working directory. Throws std::runtime_error
// without a connected session or when the file cannot be written, std::invalid_argument
// for an invalid name, size, sheet, number or an empty list of sheets.
SIMHOST_API void writeDrawingTemplate(const std::string& name,
                                      const std::vector<TemplateSheetEntry>& sheets,
                                      const std::vector<TemplateViewEntry>& views = {});
SIMHOST_API void writeDrawingFormat(const std::string& name,
                                    const std::vector<std::string>& sheetSizes);
// Gives sheet `sheet` of the drawing `drawing` (its toolkit handle) another screen
// transform: host row layout, rows 0 to 2 the images of the screen axes, row 3 the
// origin; any finite numbers, a singular transform too. False when the handle or sheet
// names nothing in the connected session or a number is not finite.
SIMHOST_API bool setSheetTransform(const void* drawing, int sheet, const double matrix[4][4]);
// What could not be applied of the template when the drawing `drawing` (its toolkit
// handle) was made, one text each; empty when nothing or no such drawing.
SIMHOST_API std::vector<std::string> drawingCreateErrors(const void* drawing);

}  // namespace simhost

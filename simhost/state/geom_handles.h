// Handles of geometry items (ProCsys, ProPoint): opaque pointers that the host keeps,
// not the caller. Each (model, item) pair gets one handle the first time it is handed
// out and keeps it; a handle resolves to its pair through a table, never to memory, so a
// handle of an erased model or deleted item finds no item instead of dangling.
#pragma once

namespace simhost::state {

void* geomHandle(int modelId, int itemId);
// False for a value that is no geometry handle.
bool geomHandleResolve(const void* handle, int& modelId, int& itemId);

}  // namespace simhost::state

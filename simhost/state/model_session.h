// Model operations that involve the session as a whole: files in the working
// directory, models that use other models, and the windows showing a model.
#pragma once

#include <ProToolkit.h>

#include <filesystem>
#include <string>

#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

// Loads a model by name (from the working directory) or by path, with or without the
// file extension; `type` may be PRO_MDL_UNUSED (-1) when the extension gives it. A model
// already in session is returned as is. An assembly's components are loaded with it;
// if one fails, nothing of this load stays in session, and the load diagnostic tells why.
ProError modelLoad(Session& s, const std::string& pathText, int type, Model** out);
// A new part or assembly in session (not on disk until saved).
ProError modelCreate(Session& s, const std::string& name, int type, Model** out);
// Writes the model's file into its directory with the next version number.
ProError modelSave(Model& model);
// Writes the model's file into `directory`; the model itself is unchanged.
ProError modelBackup(Model& model, const std::filesystem::path& directory);
// A copy under a new name, in session and written to disk next to the original.
ProError modelCopy(Session& s, Model& model, const std::string& newName, Model** out);
ProError modelRename(Session& s, Model& model, const std::string& newName);
// Removes the model from session (its file stays); its windows close. A model that
// another model in session uses is refused (PRO_TK_E_IN_USE).
ProError modelErase(Session& s, Model& model);
// Erases the model and, in turn, every model it uses that nothing else uses.
ProError modelEraseAll(Session& s, Model& model);
// The family-table generic of an instance, loaded when needed; with `immediate` false
// the top generic of a chain of instances.
ProError modelGeneric(Session& s, Model& model, bool immediate, Model** out);

}  // namespace simhost::state

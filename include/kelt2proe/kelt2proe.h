// Everything the library exports, in one include.
#pragma once

#include "kelt2proe/comp_path.h"
#include "kelt2proe/drw.h"
#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/mfg.h"
#include "kelt2proe/session.h"
#include "kelt2proe/tool.h"
#include "kelt2proe/window.h"

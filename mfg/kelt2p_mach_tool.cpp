// The tool-table entry record.
#include "kelt2proe/tool.h"

namespace Ardo {

kelt2pMachTool::kelt2pMachTool()
    : toolId{},
      position(1),
      head(KELT2P_HEAD_1),
      tipCount(1),
      registers{},
      comments{},
      gauge{},
      inUse(false) {}

}  // namespace Ardo

// The trail file of the session.
#include <ProUtil.h>

#include <string>

#include "simhost/api/tool_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/trail.h"

extern "C" {

ProError ProTrailfileCommentWrite(ProComment comment) try {
    SIMHOST_ENTER("ProTrailfileCommentWrite", simhost::api::wideArg(comment, PRO_COMMENT_SIZE));
    SIMHOST_SESSION(s);
    std::wstring text;
    if (!simhost::api::wideBuffer(comment, PRO_COMMENT_SIZE, text)) {
        return PRO_TK_BAD_INPUTS;
    }
    return simhost::state::trailCommentAppend(s->startDir, text) ? PRO_TK_NO_ERROR
                                                                 : PRO_TK_CANT_WRITE;
}
SIMHOST_CATCH

}  // extern "C"

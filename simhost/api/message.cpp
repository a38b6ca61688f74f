// Messages in the host's message area, from the application's message files.
#define PRO_USE_VAR_ARGS
#include <ProMessage.h>

#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/message_files.h"
#include "simhost/state/message_format.h"
#include "simhost/state/message_log.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

std::string keyArg(const char* key) {
    return key == nullptr ? std::string() : std::string(key, strnlen(key, PRO_LINE_SIZE));
}

}  // namespace

extern "C" {

ProError ProMessageDisplay(ProFileName file_name, ProCharLine message_name, ...) try {
    SIMHOST_ENTER("ProMessageDisplay", wideArg(file_name, PRO_FILE_NAME_SIZE),
                  keyArg(message_name));
    SIMHOST_SESSION(s);
    std::string file;
    if (!wideText(file_name, PRO_FILE_NAME_SIZE, file) || message_name == nullptr ||
        strnlen(message_name, PRO_LINE_SIZE) == PRO_LINE_SIZE || *message_name == '\0') {
        return PRO_TK_BAD_INPUTS;
    }
    std::string key(message_name);
    MessageText text;
    ProError rc = messageLookup(*s, file, key, text);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    int count = messageArgumentCount(text.english);
    if (count < 0) {
        return PRO_TK_MSG_FMT_ERROR;
    }
    // The caller passes one pointer per placeholder number, in number order.
    std::vector<const void*> args;
    va_list ap;
    va_start(ap, message_name);
    for (int i = 0; i < count; ++i) {
        args.push_back(va_arg(ap, const void*));
    }
    va_end(ap);
    std::string shown;
    if (!messageFormat(text.english, args, shown)) {
        return PRO_TK_MSG_FMT_ERROR;
    }
    messageShown({file, key, shown});
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"

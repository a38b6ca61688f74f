// The message files of an application: "<text path>/text/<file>", where <text path> is
// the path the application connected with. A file is a sequence of blocks of four lines:
//
//     KEY                      the message key, as the application names it
//     English text %0s         the text the host shows, with numbered placeholders
//     translation or #         the translated text ("#": none)
//     #                        closes the block ('#' or an empty line)
//
// Empty lines and lines starting with '#' between blocks are skipped. A block cut short
// by the end of the file, or a key given twice, makes the whole file unreadable. This
// host runs in English: it shows the English text.
#pragma once

#include <ProToolkit.h>

#include <filesystem>
#include <map>
#include <string>

#include "simhost/state/sessions.h"

namespace simhost::state {

struct MessageText {
    std::string english;
    std::string translation;  // empty when the file gives none
};

using MessageFile = std::map<std::string, MessageText>;

// Parses a message file's content; false when a block is incomplete or a key repeats.
bool messageFileParse(const std::string& content, MessageFile& out);

// Reads `fileName` from the text directory of the session's application:
// PRO_TK_E_NOT_FOUND when no application with a text path runs or the file does not
// exist there, PRO_TK_MSG_FMT_ERROR when it is not a message file.
ProError messageFileRead(const Session& session, const std::string& fileName, MessageFile& out);

// The text of `key` in `fileName`: the codes of messageFileRead, PRO_TK_MSG_NOT_FOUND
// for a key the file does not have.
ProError messageLookup(const Session& session, const std::string& fileName, const std::string& key,
                       MessageText& out);

}  // namespace simhost::state

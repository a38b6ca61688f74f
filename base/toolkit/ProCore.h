// Toolkit contract: asynchronous-mode session functions.
#pragma once

#include <ProToolkit.h>

// The connection to a host process, passed and copied by value.
typedef struct PeerIdxTag {
    int array_index;
    long auth_key;
} PeerIdx;
typedef PeerIdx ProProcessHandle;

typedef char ProConnectionId[PRO_CONNECTID_SIZE];

typedef enum { PROTERM_EXIT = 1, PROTERM_ABNORMAL = 2, PROTERM_SIGNAL = 3 } ProeTerminationStatus;

typedef ProError (*ProTerminationAction)(ProeTerminationStatus term_type);

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProEngineerStart(char* proe_path, char* prodev_text_path);
PRO_TK_EXPORT ProError ProEngineerConnectionStart(char* proe_path, char* prodev_text_path,
                                                  ProProcessHandle* p_handle);
PRO_TK_EXPORT ProError ProEngineerConnect(char* proe_session_id, char* display, char* user,
                                          char* textpath, ProBoolean allow_random,
                                          unsigned int timeout_sec, ProBoolean* random_choice,
                                          ProProcessHandle* p_handle);
PRO_TK_EXPORT ProError ProEngineerConnectWS(char* proe_session_id, char* display, char* user,
                                            wchar_t* workspace, char* textpath,
                                            ProBoolean allow_random, unsigned int timeout_sec,
                                            ProBoolean* random_choice, ProProcessHandle* p_handle);
PRO_TK_EXPORT ProBoolean ProEngineerConnectIdExtract(ProProcessHandle p_handle,
                                                     ProConnectionId proe_connect_id);
PRO_TK_EXPORT ProError ProEngineerDisconnect(ProProcessHandle* p_handle, unsigned int timeout_sec);
PRO_TK_EXPORT ProError ProEngineerEnd(void);
PRO_TK_EXPORT ProError ProEngineerStatusGet(void);
PRO_TK_EXPORT ProError ProAsynchronousEventLoop(void);
PRO_TK_EXPORT ProError ProAsynchronousEventLoopInterrupt(void);
PRO_TK_EXPORT ProError ProTermFuncSet(ProTerminationAction term_function);
PRO_END_C_DECLS

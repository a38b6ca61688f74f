// Toolkit contract: model items (features, geometry items and others) by id and name.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef ProError (*ProModelitemVisitAction)(ProModelitem* item, ProError error,
                                            ProAppData app_data);
typedef ProError (*ProModelitemFilterAction)(ProModelitem* item, ProAppData app_data);

PRO_BEGIN_C_DECLS
// Note the order: id before type.
PRO_TK_EXPORT ProError ProModelitemInit(ProMdl p_owner_handle, int item_id, ProType item_type,
                                        ProModelitem* p_handle);
// Note the order: type before name.
PRO_TK_EXPORT ProError ProModelitemByNameInit(ProMdl mdl, ProType type, ProName name,
                                              ProModelitem* p_item);
PRO_TK_EXPORT ProError ProModelitemNameGet(ProModelitem* p_item, ProName name);
PRO_TK_EXPORT ProError ProModelitemNameSet(ProModelitem* p_item, ProName name);
PRO_END_C_DECLS

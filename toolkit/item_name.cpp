#include "toolkit/item_name.h"

#include "toolkit/check.h"

namespace ardotk {

ProError ItemNameRead(ProModelitem& item, ProName name) {
    ProError err = ProModelitemNameGet(&item, name);
    if (err == PRO_TK_E_NOT_FOUND) {
        name[0] = L'\0';
        return PRO_TK_NO_ERROR;
    }
    name[PRO_NAME_SIZE - 1] = L'\0';
    return err;
}

void ItemNameGet(ProModelitem& item, ProName name, const char* text) {
    check(ItemNameRead(item, name), text);
}

}  // namespace ardotk

#include "status/CombatantList.h"

#include "common/DecimalText.h"

namespace vesk {

int CombatantList::healthTenths(int index) const {
    if (index < 0 || index >= size()) {
        return 0;
    }
    return decimalValue(entries_[static_cast<std::size_t>(index)].health);
}

} // namespace vesk

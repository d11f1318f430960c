// Compiled against the settings area: a setting that does not exist by this name must not
// compile. The ctest "a_misspelt_setting_does_not_compile" builds it and passes only when the
// compiler names the missing setting.
#include "settings/Settings.h"

int echoOf(const vesk::Settings& settings) {
    return settings.number(vesk::setting::cmdEchoo);
}

// Compiled as part of the display area, which lies below the app area: this include runs back
// up and must not compile. The ctest "core_area_refuses_an_include_from_above" builds it and
// passes only when the compiler cannot find the header.
#include "app/Client.h"

#include "shownight/ShowNightGlobals.h"

namespace varnholt {

void ShowNightGlobals::describe(GlobalTable&) {}

}  // namespace varnholt

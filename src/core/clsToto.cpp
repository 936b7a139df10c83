#include "core/clsToto.h"

namespace kestrel {

int clsToto::GetMaxGrade(int32_t /*lngKaisaikai*/) const { return 2; }

} // namespace kestrel

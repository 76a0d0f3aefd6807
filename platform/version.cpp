#include "platform/version.h"

namespace vh {

std::string_view programVersion() {
    return VARNHOLT_VERSION;
}

} // namespace vh

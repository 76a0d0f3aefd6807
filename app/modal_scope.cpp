#include "app/modal_scope.h"

namespace vh::app {

int ModalScope::depth_ = 0;

} // namespace vh::app

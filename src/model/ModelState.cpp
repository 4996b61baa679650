#include "model/ModelState.h"

#include "model/GraphConstants.h"

namespace model {

ModelState::ModelState() {
    InitGraphConstants(*this);
}

}  // namespace model

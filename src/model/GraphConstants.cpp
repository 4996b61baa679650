#include "model/GraphConstants.h"

#include "sys/Numeric.h"

namespace model {

const double GraphTwPerDecade = GraphWidthTw / (sys::Log10(20000) - sys::Log10(20));

}  // namespace model

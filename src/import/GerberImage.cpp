#include "GerberImage.h"

#include <cmath>

namespace trazello {

double GTransform::scale() const {
  return std::sqrt(std::fabs(xx * yy - xy * yx));
}

GTransform GTransform::then(const GTransform& o) const {
  return {o.xx * xx + o.xy * yx, o.xx * xy + o.xy * yy, o.yx * xx + o.yy * yx,
          o.yx * xy + o.yy * yy};
}

}  // namespace trazello

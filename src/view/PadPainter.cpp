#include "PadPainter.h"

namespace trazello {

void fillPad(Canvas& c, const GrownPad& pad, ColorRef colour) {
  switch (pad.form) {
    case PadForm::Disc:
      c.setNoPen();
      c.setBrush(colour);
      c.ellipse(pad.centre, pad.radius);
      return;
    case PadForm::Stadium:
      c.setPen(colour, 2 * pad.radius);
      c.line(pad.points[0], pad.points[1]);
      return;
    case PadForm::Polygon:
      c.setNoPen();
      c.setBrush(colour);
      c.polygon(pad.points);
      return;
    case PadForm::None:
      return;
  }
}

}  // namespace trazello

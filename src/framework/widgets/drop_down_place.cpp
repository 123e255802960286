#include "framework/widgets/drop_down_place.h"

#include "framework/windowing/monitors.h"

namespace brisat {

TPoint DropDownOrigin(const TRect& box, int32_t height) {
    const TRect area = MonitorFromRect(box).WorkareaRect();
    TPoint at{box.Left, box.Bottom};
    if (at.Y + height > area.Bottom) at.Y = box.Top - height;
    if (at.X + box.Width() > area.Right) at.X = area.Right - box.Width();
    return at;
}

} // namespace brisat

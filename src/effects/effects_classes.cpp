#include "effects/effects_classes.h"

#include "effects/about_box.h"
#include "effects/clock_label.h"
#include "effects/gradient_label.h"
#include "framework/widgets/basic_control_classes.h"
#include "framework/core/class_registry.h"

namespace brisat {

void RegisterEffectsClasses(TClassRegistry& registry) {
    TClassDeclaration<TZeltClock>("TZeltClock", "TLabel")
        .String("Format", &TZeltClock::Format, &TZeltClock::SetFormat,
                [](const TZeltClock& c) { return c.Format() != "hh:nn:ss"; })
        .Register(registry);
    TClassDeclaration<TZeltLiquidLabel>("TZeltLiquidLabel", "TLabel")
        .Color("FromColor", &TZeltLiquidLabel::FromColor, &TZeltLiquidLabel::SetFromColor)
        .Color("ToColor", &TZeltLiquidLabel::ToColor, &TZeltLiquidLabel::SetToColor)
        .Enumeration("Direction", DirectionInfo, &TZeltLiquidLabel::Direction,
                     &TZeltLiquidLabel::SetDirection)
        .Register(registry);
    TClassDeclaration<TZeltShellAbout>("TZeltShellAbout", "TComponent")
        .Object(
            "Icon", [](TZeltShellAbout& a) -> TBitmap& { return a.Icon(); },
            [](const TZeltShellAbout& a) { return !a.Icon().Empty(); })
        .String("Caption", &TZeltShellAbout::Caption, &TZeltShellAbout::SetCaption)
        .String("Text", &TZeltShellAbout::Text, &TZeltShellAbout::SetText)
        .Register(registry);
}

void RegisterEffectsClasses() {
    static const bool registered = [] {
        RegisterBasicControlClasses();
        RegisterEffectsClasses(TClassRegistry::Instance());
        return true;
    }();
    (void)registered;
}

} // namespace brisat

#include "app/layouts.h"

namespace brisat {

// Defined in the source generated from src/app/layouts.
namespace layout_text {
extern const std::string_view frm_main;
extern const std::string_view frm_main_decorations;
extern const std::string_view color_control_form;
extern const std::string_view form_select_url;
extern const std::string_view form_select_url_decorations;
} // namespace layout_text

std::string_view FrmMainLayout() {
    return layout_text::frm_main;
}

std::string_view FrmMainDecorationsLayout() {
    return layout_text::frm_main_decorations;
}

std::string_view ColorControlFormLayout() {
    return layout_text::color_control_form;
}

std::string_view FormSelectURLLayout() {
    return layout_text::form_select_url;
}

std::string_view FormSelectURLDecorationsLayout() {
    return layout_text::form_select_url_decorations;
}

} // namespace brisat

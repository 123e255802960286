#include "skin/objects/skin_object_text.h"

#include "framework/core/exceptions.h"
#include "framework/core/object_text_reader.h"
#include "framework/core/object_text_writer.h"
#include "skin/objects/skin_object_registry.h"
#include "skin/objects/skin_object_text_form.h"

namespace brisat {

namespace {

thread_local TSkinTextForm t_writingForm = TSkinTextForm::tsfFile;

// Nested object blocks may hold any registered component; a skin tree holds skin objects only.
void RequireSkinObjects(const TComponent& component) {
    for (int i = 0; i < component.ComponentCount(); ++i) {
        const TComponent& child = component.Components(i);
        if (!dynamic_cast<const TSeSkinObject*>(&child))
            throw EReadError("'" + child.Name() + "' is a " + child.ClassName() +
                             ", not a skin object");
        RequireSkinObjects(child);
    }
}

} // namespace

TSkinTextForm WritingTextForm() {
    return t_writingForm;
}

TTextFormScope::TTextFormScope(TSkinTextForm form) : m_saved(t_writingForm) {
    t_writingForm = form;
}

TTextFormScope::~TTextFormScope() {
    t_writingForm = m_saved;
}

std::string SkinObjectText(const TSeSkinObject& object, TSkinTextForm form) {
    TTextFormScope scope(form);
    return ComponentToText(object);
}

std::unique_ptr<TSeSkinObject> SkinObjectFromText(std::string_view text) {
    RegisterSkinObjectClasses();
    std::unique_ptr<TComponent> read = TextToComponent(text);
    auto* object = dynamic_cast<TSeSkinObject*>(read.get());
    if (!object) throw EReadError("a " + read->ClassName() + " is not a skin object");
    RequireSkinObjects(*object);
    read.release();
    return std::unique_ptr<TSeSkinObject>(object);
}

} // namespace brisat

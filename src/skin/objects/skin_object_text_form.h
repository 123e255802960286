// The text form being written, which decides whether children go into the "Objects" block or
// into nested object blocks. File form unless a SkinObjectText call for the editable form runs.
#pragma once

#include "skin/objects/skin_object_text.h"

namespace brisat {

TSkinTextForm WritingTextForm();

// Sets the form for its lifetime (on this thread) and restores the previous one.
class TTextFormScope {
public:
    explicit TTextFormScope(TSkinTextForm form);
    ~TTextFormScope();
    TTextFormScope(const TTextFormScope&) = delete;
    TTextFormScope& operator=(const TTextFormScope&) = delete;

private:
    TSkinTextForm m_saved;
};

} // namespace brisat

#include "framework/core/class_registry.h"
#include "skin/files/skin_source.h"

namespace brisat {

void RegisterSkinSourceClass() {
    static const bool registered = [] {
        using S = TSeSkinSource;
        TClassDeclaration<S>("TSeSkinSource", "TComponent")
            .String("SkinName", &S::SkinName, &S::SetSkinName)
            .String("SkinVersion", &S::SkinVersion, &S::SetSkinVersion)
            .String("Author", &S::Author, &S::SetAuthor)
            .String("AuthorEMail", &S::AuthorEMail, &S::SetAuthorEMail)
            .String("AuthorURL", &S::AuthorURL, &S::SetAuthorURL)
            .Register();
        return true;
    }();
    (void)registered;
}

} // namespace brisat

#pragma once

#include "app/Language.h"

// The window's texts in another language for the life of a test; English again after it.
struct Translated {
    explicit Translated(const char* code)
        : loaded(language::install(QStringLiteral(ROPEWIT_PROGRAM_DIR), QLatin1String(code))) {}
    ~Translated() { language::uninstall(); }
    Translated(const Translated&) = delete;
    Translated& operator=(const Translated&) = delete;
    const bool loaded;
};

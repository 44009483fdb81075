#pragma once

#include <QString>

namespace numora {

// The user manual that "Dokumentation anzeigen" and F1 open: the one written in the interface
// language, the German one for a language that has none.
class ManualFile {
public:
    // "Numora.pdf" (German), "Numora.en.pdf", "Numora.tr.pdf" for the stored language index.
    static QString name(int sprache);
};

} // namespace numora

#include "engine/AReconnaitre.h"
#include "engine/FichierEnsemble.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any text either reads as a trained set that writes back to a stable form and
// can be recognised against, or is refused with a message and an empty set.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LectureEnsemble read = lireEnsemble(text, "fuzz.gst");
    if (!read.ensemble)
        std::abort();
    if (!read.erreur.empty()) {
        if (read.ensemble->nbClasses() != 0)
            std::abort();
        return 0;
    }
    const std::string once = ecrireEnsemble(*read.ensemble);
    const LectureEnsemble again = lireEnsemble(once, "fuzz.gst");
    if (!again.erreur.empty() || ecrireEnsemble(*again.ensemble) != once)
        std::abort();
    const CEnsemble& set = *read.ensemble;
    for (int c = 0; c < set.nbClasses(); ++c)
        for (int e = 0; e < set.classe(c).nbExemples(); ++e) {
            CAReconnaitre shape(set.classe(c).exemple(e), set);
            shape.reconnaitre();
            if (shape.rejete() && shape.code() != AUCUN_CODE)
                std::abort();
        }
    return 0;
}

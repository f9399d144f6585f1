#include "Require.h"
#include "engine/AReconnaitre.h"
#include "engine/FichierEnsemble.h"

#include <cstdint>
#include <string_view>

// Any text either reads as a trained set that writes back to a stable form and
// can be recognised against, or is refused with a message and an empty set.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LectureEnsemble read =
        lireEnsemble(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.gst");
    require(read.ensemble != nullptr && (read.erreur.empty() || read.ensemble->nbClasses() == 0));
    if (!read.erreur.empty())
        return 0;
    const std::string once = ecrireEnsemble(*read.ensemble);
    const LectureEnsemble again = lireEnsemble(once, "fuzz.gst");
    require(again.erreur.empty() && ecrireEnsemble(*again.ensemble) == once);
    const CEnsemble& set = *read.ensemble;
    for (int c = 0; c < set.nbClasses(); ++c)
        for (int e = 0; e < set.classe(c).nbExemples(); ++e) {
            CAReconnaitre shape(set.classe(c).exemple(e), set);
            shape.reconnaitre();
            require(!shape.rejete() || shape.code() == AUCUN_CODE);
        }
    return 0;
}

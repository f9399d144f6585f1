#include "flowchart/OrgArchive.h"
#include "flowchart/Organigramme.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes either load as a flowchart that stores back to the same bytes, or
// are refused with a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    OrgLoadResult loaded = loadOrganigramme(bytes, "fuzz.org");
    if (!loaded.organigramme) {
        if (loaded.error.empty())
            std::abort();
        return 0;
    }
    const std::string once = storeOrganigramme(*loaded.organigramme);
    OrgLoadResult again = loadOrganigramme(once, "fuzz.org");
    if (!again.organigramme || storeOrganigramme(*again.organigramme) != once)
        std::abort();
    return 0;
}

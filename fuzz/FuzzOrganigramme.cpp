#include "Require.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/Organigramme.h"

#include <cstdint>
#include <string_view>

// Any bytes either load as a flowchart that stores back to the same bytes, or
// are refused with a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OrgLoadResult loaded =
        loadOrganigramme(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.org");
    require(loaded.organigramme || !loaded.error.empty());
    if (!loaded.organigramme)
        return 0;
    const std::string once = storeOrganigramme(*loaded.organigramme);
    OrgLoadResult again = loadOrganigramme(once, "fuzz.org");
    require(again.organigramme && storeOrganigramme(*again.organigramme) == once);
    return 0;
}

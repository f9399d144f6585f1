#include "Require.h"
#include "text/StrovikText.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>

#include <cstdint>
#include <string_view>

namespace {

// Made on the first input and destroyed before the Qt objects that it made.
void startApplication() {
    static int argc = 3;
    static char name[] = "fuzz_svk", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static const QGuiApplication application(argc, argv);
}

} // namespace

// fontconfig keeps some of the patterns that unusual font names make it build:
// a leak of the system's library, not of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

// Any bytes are either refused, leaving the text empty, or read as a text that
// lays out, images included, and whose characters come back from its own file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    startApplication();
    CStrovikText text;
    if (text.readSvk(std::string_view(reinterpret_cast<const char*>(data), size)) !=
        SvkProblem::None) {
        require(text.isEmpty());
        return 0;
    }
    text.documentLayout()->documentSize();
    const QByteArray saved = text.toSvk();
    CStrovikText again;
    require(again.readSvk(std::string_view(saved.constData(), saved.size())) == SvkProblem::None &&
            again.toRawText() == text.toRawText());
    return 0;
}

#include "ui/font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>

#include <initializer_list>

namespace velmora::ui {
namespace {

// Loading fontconfig's set-up while Qt starts raises the peak of memory
// over loading one after the other. When the process's memory is capped,
// that peak could leave Qt without room for its own threads, so the set-up
// then waits for Qt to load it, as it would without this warm-up.
bool MemoryIsCapped() {
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit limit{};
        if (getrlimit(resource, &limit) != 0 || limit.rlim_cur != RLIM_INFINITY) return true;
    }
    return false;
}

}  // namespace

void WarmFonts() {
    if (!MemoryIsCapped()) FcInit();
}

}  // namespace velmora::ui

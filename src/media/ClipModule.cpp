#include "ClipModule.h"

#include <dlfcn.h>

namespace pivo {

std::unique_ptr<ClipDeck> openClipModule(const std::string& path) {
    // Never unloaded: the deck's audio stack keeps threads of its own.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) return nullptr;
    using Entry = ClipDeck* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(handle, ClipModuleEntry));
    if (!entry) return nullptr;
    return std::unique_ptr<ClipDeck>(entry());
}

}  // namespace pivo

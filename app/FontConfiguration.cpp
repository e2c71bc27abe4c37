#include "app/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

namespace nonagra::app {

namespace {

bool namesCacheDirectory(FcConfig* config) {
    FcStrList* dirs = FcConfigGetCacheDirs(config);
    if (dirs == nullptr) {
        return false;
    }
    const bool any = FcStrListNext(dirs) != nullptr;
    FcStrListDone(dirs);
    return any;
}

} // namespace

bool loadFontConfiguration() {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return false;
    }
    // The file fontconfig would read: FONTCONFIG_FILE, else fonts.conf where
    // FONTCONFIG_PATH or the system keeps it, with all it includes.
    const bool loaded = FcConfigParseAndLoad(config, nullptr, FcTrue) &&
                        namesCacheDirectory(config) && FcConfigBuildFonts(config) &&
                        FcConfigSetCurrent(config);
    // Once current, the configuration holds a reference of its own.
    FcConfigDestroy(config);
    return loaded;
}

} // namespace nonagra::app

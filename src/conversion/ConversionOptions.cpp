#include "ConversionOptions.h"

ConversionOptions withTargetRules(ConversionOptions options) {
    const ImportTargetRules& rules = importTargetRules(options.importTarget);
    options.vCardVersion = versionForTarget(options.importTarget, options.vCardVersion);
    options.singleFile = options.singleFile && rules.singleFileAllowed;
    if (options.destination == CardDestination::Server) {
        if (options.vCardVersion == VCardVersion::V21) {
            options.vCardVersion = VCardVersion::V30;
        }
        options.singleFile = false;
    }
    return options;
}

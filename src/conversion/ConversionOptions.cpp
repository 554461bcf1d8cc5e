#include "ConversionOptions.h"

ConversionOptions withTargetRules(ConversionOptions options) {
    const ImportTargetRules& rules = importTargetRules(options.importTarget);
    options.vCardVersion = versionForTarget(options.importTarget, options.vCardVersion);
    options.singleFile = options.singleFile && rules.singleFileAllowed;
    return options;
}

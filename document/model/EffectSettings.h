#pragma once

#include "EffectRequest.h"
#include "LedPanelTypes.h"
#include "kamdeldocument_export.h"

class QSettings;

// An effect's parameters in the settings, under the settings' current group.
// Stored senses mean "clockwise as seen", so that a request keeps turning the
// same way round whichever side the board shows.
namespace EffectSettings {

// Reads what the group holds over `request`; missing or bad values keep
// the request's own.
KAMDELDOCUMENT_EXPORT void read(QSettings& settings, EffectRequest* request);
KAMDELDOCUMENT_EXPORT void write(QSettings& settings, const EffectRequest& request);
// Turns a request as the board shows it from `side` into one as stored, and
// back: positions run the other way round seen from the top.
KAMDELDOCUMENT_EXPORT EffectRequest seenFrom(EffectRequest request, eLedPanelSide side);

} // namespace EffectSettings

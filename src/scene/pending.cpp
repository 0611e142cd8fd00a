// Temporary empty definitions so every layer links while the subsystems are written.
// Each owner deletes a definition here when writing the real one. This file goes away.
#include "flight/flight_clock.h"
#include "flight/ground_view.h"
#include "flight/joined_arrows.h"
#include "manipulation/copy_selection.h"
#include "manipulation/dragging.h"
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "scene/artwork.h"
#include "scene/platform.h"
#include "scene/scene.h"
#include "scene/startup.h"
#include "vectors/arrows.h"
#include "vectors/notation.h"
#include "vectors/velocity_panel.h"

namespace zephyra {

// ---- startup, artwork, flight clock, ground view, notation ----






// ---- velocity panel, arrows, joined arrows, dragging ----





} // namespace zephyra

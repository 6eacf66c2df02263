#pragma once

// What the rest of the program calls of the renderer, once per frame in this order: clear and
// set the camera (viewport.h), draw the HUD with the HUD primitives, rebuild the polygons into
// this frame's draw list, and draw the draw list. Everything else in this folder is its
// machinery. Only drawing and the HUD primitives issue GL calls; building polygons needs no
// context.
#include "render/hud_primitives.h"
#include "render/line_segments.h"
#include "render/polygon_drawing.h"
#include "render/polygon_rebuild.h"
#include "render/render_settings.h"
#include "render/viewport.h"

// Everything a painter draws with: lines, boxes, gradients, colour helpers,
// scoped GDI objects and the rounding rule. Every routine catches its own
// errors and returns quietly, keeping what it had drawn.
#pragma once

#include "control/styles/Boxes.h"
#include "control/styles/CheckedMath.h"
#include "control/styles/Color.h"
#include "control/styles/Colors.h"
#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/GdiScoped.h"

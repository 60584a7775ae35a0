// Colours, fonts, icons and cursors of the form runtime, as Qt wants them.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>

#include "host/Control.h"
#include "host/Font.h"

namespace presenter {

// Resolves a system-colour reference (0x80000000 + index) through the
// layer's current system colours.
QColor ToQColor(host::OLE_COLOR color);

// Sized in pixels at 96 dpi, so the layout in twips holds on any screen;
// the family is the installed one the layer's own fonts of that name use.
QFont ToQFont(const host::Font& font);

// The first image of .ico file bytes (a .cur file retyped as an icon);
// null when they hold none.
QImage ImageFromIco(QByteArray bytes);

// From an "ICON" resource; a null icon when there is none.
QIcon IconFromResource(int id);
// From a "CURSOR" resource (a .cur file); the arrow when there is none.
QCursor CursorFromResource(int id);

}  // namespace presenter

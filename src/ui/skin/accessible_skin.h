#pragma once
// Accessible interfaces of skinned windows: the window lists the controls its
// SkinControls describe as its children (real child controls speak for
// themselves), each control has its role, name, value, state and actions, and
// a control with a list has the list's rows as children that can be chosen.

#include "ui/skin/skin_controls.h"

class QAccessibleInterface;

namespace pelmora {

// Makes Qt ask for these interfaces for every window that has SkinControls,
// and name the application by its display name. Safe to call more than
// once; before the first window, for the application's name to count.
void installSkinAccessibility();

// A new interface for a control (row -1) or a row of its list.
QAccessibleInterface* makeControlInterface(SkinControls& controls, SkinControls::Id id, int row);

} // namespace pelmora

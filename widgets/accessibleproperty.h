#pragma once

// The dynamic properties by which a window tells the accessible views how
// to read one of its controls, named once. The windows set them from the
// rules' own numbers when they are made; accessibility/ reads them.

namespace AccessibleProperty {

// A skill bar: the twips of one level and how many levels fill the bar.
inline constexpr char UnitTwips[] = "accessibleUnitTwips";
inline constexpr char Levels[] = "accessibleLevels";
// A strength bar: the width in twips that stands for full.
inline constexpr char FullTwips[] = "accessibleFullTwips";
// A container whose child of this name is the marker whose square it reports.
inline constexpr char Marker[] = "accessibleMarker";
// The container's other marker, by name, whose way it tells after each
// move instead of the nearest one's (the enemy the player chose).
inline constexpr char Chosen[] = "accessibleChosen";
// Set while the container's other markers stand where nobody placed them
// yet (the enemies before the clock's first round): no way is told.
inline constexpr char Unplaced[] = "accessibleUnplaced";
// A value box's name, set in the forms: a label with it is read by that
// name. A label that also announces is a notification, spoken when shown.
inline constexpr char ValueName[] = "valueName";
inline constexpr char Announces[] = "announces";
// A label whose words its window already tells a reader: it has no name.
inline constexpr char Silent[] = "accessibleSilent";
// DialogKind for a window that reads as a dialog.
inline constexpr char WindowKind[] = "accessibleWindowKind";
inline constexpr char DialogKind[] = "dialog";

} // namespace AccessibleProperty

// What every program that opens the character window does before it: the
// same texts, fonts and desktop identity for the game, its screenshot tool
// and the start-up probe, so that what is measured and shown is what the
// player starts.
#pragma once

class QApplication;

namespace orvandel {

class CharacterWindow;

// Ties the application to the installed desktop entry and its icon, gives
// Qt's own texts in French and registers the sheet's fonts.
void prepareApplication(QApplication& app);

// The zoom the window opens at: the largest of at most 100 % at which it
// fits the free area of the main screen. Building the window at that zoom
// spares start-up a second layout of every control.
double startupZoom();

// Opens `window` at the largest zoom of at most 100 % at which it fits the
// free area of its screen, and places it there.
void placeOnScreen(CharacterWindow& window);

}  // namespace orvandel

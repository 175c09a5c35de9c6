#pragma once

#include "engine/show_sequences.hpp"
#include "platform/drawing/device_context.hpp"

// What the game screen draws over the board and the frame that belongs to no
// single board item: the sound icon, the banners, the blinking decorations of
// the portrait frame, the paint pot and the direction-pad cursor.
namespace render {

// Serves SoundIconChanged: the sound icon of the current setting, on the screen.
void DrawSoundIcon(platform::DeviceContext& screen);
// While the completed word blinks: the bonus banner over the board, taken
// away (board redrawn) once the blink has run its course.
void DrawBonusBanner(bool ended);
// One frame of the level-up sequence, if one is pending.
void DrawLevelUpBanner(platform::DeviceContext& screen, const engine::LevelUpFrameResult& frame);
// Coils and hazard sign swap frames while the hazard counter runs.
void DrawHazardBlink(platform::DeviceContext& screen, bool secondPhase);
// The drip request in HARD and PANIC: the paint pot's frames.
void DrawPaintPot(platform::DeviceContext& screen);
// The pot frame its counter shows now, for the frame refresh.
void DrawPaintPotAsShown(platform::DeviceContext& screen);
// The direction-pad cursor over its cell; the cell it left is redrawn.
void DrawCursorFrame();

// "Paused" over the middle of the board while the game waits for the window.
void DrawPausedNotice(platform::DeviceContext& screen);

// A catalogue picture at its own size, plain or leaving out its key colour.
void DrawPicture(platform::DeviceContext& dc, int picture, int x, int y);
void DrawPictureKeyed(platform::DeviceContext& dc, int picture, int x, int y);

// Forgets the overlays' own counters (pot, cursor cell).
void ResetGameOverlays();

}  // namespace render

#pragma once

#include <cstdint>

// What browser_page.js gives the program. The waits and the storage calls give
// the page its turn: the program's stack is put aside until they answer.
extern "C" {
int fandriass_page_open(int width, int height);
// The downloaded resource pack and its size, or null.
const std::uint8_t* fandriass_page_take_resources(int* size);
// Fills kind, a, b, c of the oldest input; 0 when there is none.
int fandriass_page_next_event(int* event);
void fandriass_page_wait(int ms);
void fandriass_page_sleep(int ms);
void fandriass_page_present(const void* rgba, int width, int height, int left, int top, int right,
                            int bottom);
void fandriass_page_want_text(int on);
void fandriass_page_close();
int fandriass_page_audio_open(int channels, std::int16_t* buffer, int frames);
void fandriass_page_audio_close();
// Stops playing while the mix is silent; plays again at the next change.
void fandriass_page_audio_rest();
void fandriass_page_audio_wake();
int fandriass_page_mount(const char* folder);
int fandriass_page_sync();
int fandriass_page_store_now();
// 1 when this tab is the one that plays, 0 when another tab of the page does.
int fandriass_page_claim();
}

// The kinds of input the page sends.
namespace platform::page_event {
constexpr int StylusDown = 1;  // a: x, b: y in screen pixels
constexpr int StylusMove = 2;
constexpr int StylusUp = 3;
constexpr int KeyDown = 4;  // a: virtual key, b: 1 when the key repeats
constexpr int KeyUp = 5;
constexpr int Char = 6;  // a: a UTF-16 unit typed
constexpr int FocusLost = 7;
constexpr int FocusGained = 8;
}  // namespace platform::page_event

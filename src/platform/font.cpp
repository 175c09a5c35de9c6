#include "platform/font.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

extern "C" {
extern const unsigned char fandriass_font_regular_begin[];
extern const unsigned char fandriass_font_regular_end[];
extern const unsigned char fandriass_font_bold_begin[];
extern const unsigned char fandriass_font_bold_end[];
}

namespace platform {

namespace {

bool EnsureTtf() {
  if (TTF_WasInit()) return true;
  return TTF_Init() == 0;
}

TTF_Font* OpenFace(bool bold, int pointSize) {
  const unsigned char* begin = bold ? fandriass_font_bold_begin : fandriass_font_regular_begin;
  const unsigned char* end = bold ? fandriass_font_bold_end : fandriass_font_regular_end;
  SDL_RWops* data = SDL_RWFromConstMem(begin, static_cast<int>(end - begin));
  if (!data) return nullptr;
  return TTF_OpenFontRW(data, 1, pointSize);
}

}  // namespace

Font Font::Create(int cellHeight, int weight) {
  Font font;
  if (cellHeight <= 0 || !EnsureTtf()) return font;
  const bool bold = weight >= 600;
  TTF_Font* face = OpenFace(bold, cellHeight);
  if (!face) return font;
  // The layouts ask for a cell height; take the largest size whose cell fits it.
  int size = cellHeight;
  while (size > 1 && TTF_FontHeight(face) > cellHeight) {
    --size;
    TTF_SetFontSize(face, size);
  }
  while (TTF_SetFontSize(face, size + 1) == 0 && TTF_FontHeight(face) <= cellHeight) ++size;
  TTF_SetFontSize(face, size);
  font.face_ = std::shared_ptr<void>(face, [](void* f) {
    if (TTF_WasInit()) TTF_CloseFont(static_cast<TTF_Font*>(f));
  });
  font.cellHeight_ = cellHeight;
  font.weight_ = weight;
  return font;
}

}  // namespace platform

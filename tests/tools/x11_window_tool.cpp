// Test helper for the whole-program tests under Xvfb:
//   x11_window_tool count NAME   prints how many mapped top-level windows carry NAME
//   x11_window_tool close NAME   asks every such window to close, as a window manager would
//   x11_window_tool pixel NAME X Y   prints the colour (RRGGBB) at X, Y of the first such window
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// Compares WM_NAME's bytes whatever type it claims: SDL's own message boxes label
// theirs "UTF-8", which neither XFetchName nor the Xutf8 conversions accept.
bool NameIs(Display* display, Window window, const char* name) {
  XTextProperty property{};
  if (!XGetWMName(display, window, &property) || !property.value) return false;
  const bool same = property.format == 8 && property.nitems == std::strlen(name) &&
                    std::memcmp(property.value, name, property.nitems) == 0;
  XFree(property.value);
  return same;
}

void Collect(Display* display, Window window, const char* name, std::vector<Window>& found) {
  XWindowAttributes attributes;
  if (NameIs(display, window, name) && XGetWindowAttributes(display, window, &attributes) &&
      attributes.map_state == IsViewable) {
    found.push_back(window);
  }
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
  for (unsigned i = 0; i < count; ++i) Collect(display, children[i], name, found);
  if (children) XFree(children);
}

// Windows come and go while the tree is walked (a starting program makes and
// drops helper windows): one that is gone is simply not counted. Xlib's own
// handler would end the tool mid-walk, before any close was sent.
int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

// A busy server may be slow to take a new client; it is asked again for a while.
Display* OpenDisplay() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (Display* display = XOpenDisplay(nullptr)) return display;
    usleep(100000);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (!(argc == 3 && (command == "count" || command == "close")) &&
      !(argc == 5 && command == "pixel")) {
    std::fprintf(stderr, "usage: %s count|close NAME, or pixel NAME X Y\n", argv[0]);
    return 2;
  }
  XSetErrorHandler(&IgnoreErrors);
  Display* display = OpenDisplay();
  if (!display) {
    std::fprintf(stderr, "no display\n");
    return 2;
  }
  std::vector<Window> found;
  Collect(display, DefaultRootWindow(display), argv[2], found);
  bool done = !found.empty();
  if (command == "count") {
    std::printf("%zu\n", found.size());
    done = true;
  } else if (command == "pixel" && done) {
    // A 24-bit true-colour screen, as the server holds it.
    XImage* image = XGetImage(display, found[0], std::atoi(argv[3]), std::atoi(argv[4]), 1, 1,
                              AllPlanes, ZPixmap);
    done = image != nullptr;
    if (done) {
      std::printf("%06lx\n", XGetPixel(image, 0, 0) & 0xFFFFFFul);
      XDestroyImage(image);
    }
  } else if (command == "close") {
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    for (Window w : found) {
      XEvent event{};
      event.xclient.type = ClientMessage;
      event.xclient.window = w;
      event.xclient.message_type = protocols;
      event.xclient.format = 32;
      event.xclient.data.l[0] = static_cast<long>(deleteWindow);
      event.xclient.data.l[1] = CurrentTime;
      XSendEvent(display, w, False, NoEventMask, &event);
    }
    XSync(display, False);
  }
  XCloseDisplay(display);
  return done ? 0 : 1;
}

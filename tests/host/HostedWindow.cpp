#include "HostedWindow.h"

// After the framework: Xlib's macros (KeyPress, None, Bool...) would clash with its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace
{
    Display* x (void* d) { return static_cast<Display*> (d); }

    /** The deepest mapped window of the given size below a window: the plug-in's own,
        inside the host's embedding windows of the same size. */
    Window deepestOfSize (Display* d, Window w, int width, int height)
    {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        Window found = 0;
        if (XQueryTree (d, w, &root, &parent, &children, &count) != 0)
        {
            for (unsigned int i = 0; i < count && found == 0; ++i)
                found = deepestOfSize (d, children[i], width, height);
            if (children != nullptr)
                XFree (children);
        }
        XWindowAttributes a {};
        if (found == 0 && XGetWindowAttributes (d, w, &a) != 0 && a.map_state == IsViewable && a.width == width && a.height == height)
            found = w;
        return found;
    }

    /** True when the screen shows the window at one of its points: walking down from
        the root, window by window, through the topmost one holding that point meets it. */
    bool isOnTop (Display* d, Window w, juce::Point<int> p)
    {
        const auto root = XDefaultRootWindow (d);
        int rx = 0, ry = 0, cx = 0, cy = 0;
        Window child = 0;
        XTranslateCoordinates (d, w, root, p.x, p.y, &rx, &ry, &child);
        for (Window at = root; at != w; at = child)
            if (! XTranslateCoordinates (d, root, at, rx, ry, &cx, &cy, &child) || child == 0)
                return false;
        return true;
    }
}

HostedWindow::HostedWindow (juce::AudioPluginInstance& plugin)
    : editor (plugin.createEditorIfNeeded()),
      display (XOpenDisplay (nullptr))
{
    if (editor == nullptr || display == nullptr)
        return;

    size = { editor->getWidth(), editor->getHeight() };
    // As hosts hold plug-in windows: a window of the host with the window manager's title bar.
    frame = std::make_unique<juce::DocumentWindow> ("Vortane", juce::Colours::black, 0);
    frame->setUsingNativeTitleBar (true);
    frame->setContentNonOwned (editor.get(), true);
    frame->setTopLeftPosition (60, 60);
    frame->setVisible (true);
    frame->toFront (true);

    // The plug-in maps its window once the host has attached it, a few loop turns later.
    pumpUntil ([this]
    {
        if (auto* peer = frame->getPeer())
            pluginWindow = deepestOfSize (x (display), (Window) peer->getNativeHandle(), size.x, size.y);
        return pluginWindow != 0;
    });
    // The window manager then gives the host's window the focus itself. Asked to take it
    // (WM_TAKE_FOCUS), the framework's window hands it to a key window of its own, which
    // passes no key on: on a busy machine that could come after the plug-in took the
    // focus at a click, and the keys typed next went nowhere.
    auto closeOnly = XInternAtom (x (display), "WM_DELETE_WINDOW", False);
    XSetWMProtocols (x (display), (Window) frame->getPeer()->getNativeHandle(), &closeOnly, 1);
    XSync (x (display), False);
    // A busy window manager may report a passing size of its own while it maps the
    // window, which the host's window then keeps (at its least, 128 square): as a host
    // does when its window is resized, fit it to the plug-in again, until the whole
    // plug-in window shows.
    const bool whole = pumpUntil ([this]
    {
        if (editor->getWidth() != size.x || editor->getHeight() != size.y)
            editor->setSize (size.x, size.y);
        return isOnTop (x (display), pluginWindow, { 0, 0 }) && isOnTop (x (display), pluginWindow, size - juce::Point<int> (1, 1));
    });
    if (! whole)
        pluginWindow = 0;
    pumpUntil ([this] { return frame->getPeer()->isFocused(); }, 2000);
    pumpMessages (100);
}

HostedWindow::~HostedWindow()
{
    frame.reset();
    editor.reset();
    if (display != nullptr)
        XCloseDisplay (x (display));
}

void HostedWindow::settle()
{
    XSync (x (display), False);
    // Enough turns of the loop for the plug-in to read and handle what the server sent
    // it (LV2's idle call comes every 16 ms).
    pumpMessages (60);
}

void HostedWindow::move (juce::Point<int> at)
{
    // The window manager may still be fitting the host's window around the plug-in's
    // (reparenting, resizing), which leaves that point uncovered for a while.
    pumpUntil ([&] { return isOnTop (x (display), pluginWindow, at); }, 5000);
    Window child = 0;
    int sx = 0, sy = 0;
    XTranslateCoordinates (x (display), pluginWindow, XDefaultRootWindow (x (display)), at.x, at.y, &sx, &sy, &child);
    XTestFakeMotionEvent (x (display), -1, sx, sy, CurrentTime);
    settle();
}

void HostedWindow::button (int number, bool down)
{
    XTestFakeButtonEvent (x (display), (unsigned int) number, down ? True : False, CurrentTime);
    settle();
}

void HostedWindow::click (juce::Point<int> at, int number)
{
    move (at);
    button (number, true);
    button (number, false);
}

void HostedWindow::doubleClick (juce::Point<int> at)
{
    click (at);
    button (1, true);
    button (1, false);
}

void HostedWindow::controlClick (juce::Point<int> at)
{
    move (at);
    const auto control = XKeysymToKeycode (x (display), XK_Control_L);
    XTestFakeKeyEvent (x (display), control, True, CurrentTime);
    button (1, true);
    button (1, false);
    XTestFakeKeyEvent (x (display), control, False, CurrentTime);
    settle();
}

void HostedWindow::drag (juce::Point<int> from, juce::Point<int> offset)
{
    move (from);
    button (1, true);
    for (int step = 1; step <= 4; ++step)
        move (from + offset * step / 4);
    button (1, false);
}

void HostedWindow::key (unsigned long keysym)
{
    const auto code = XKeysymToKeycode (x (display), (KeySym) keysym);
    jassert (code != 0);
    XTestFakeKeyEvent (x (display), code, True, CurrentTime);
    XTestFakeKeyEvent (x (display), code, False, CurrentTime);
    settle();
}

void HostedWindow::typeAndReturn (const juce::String& text)
{
    for (auto c : text)
        key (c == '-' ? XK_minus : c == '.' ? XK_period : c == ' ' ? XK_space : c == '\b' ? XK_BackSpace : c == 0x7f ? XK_Delete : (KeySym) c);
    key (XK_Return);
}

void HostedWindow::hostTakesKeyboard()
{
    XSetInputFocus (x (display), (Window) frame->getPeer()->getNativeHandle(), RevertToParent, CurrentTime);
    settle();
}

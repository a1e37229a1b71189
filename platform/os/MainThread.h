#pragma once
// Closures posted from any thread and run on the GUI thread, in posting
// order. The window system's message loop drains the queue; audio and
// worker threads use it to deliver their events on the GUI thread.

#include <exception>
#include <functional>

void PostToMainThread(std::function<void()> fn);

// Runs the closures posted so far (not those they post in turn) and
// returns how many ran. Called by the message loop, and by tests. When a
// closure throws, the ones after it stay queued, in order, for the next
// pass, and the exception goes to the handler below (rethrown without one).
int RunMainThreadQueue();

// Receives what a posted closure threw. Pass an empty function to remove it.
void SetMainThreadExceptionHandler(std::function<void(std::exception_ptr)> handler);

// The message loop registers a waker so that a post from another thread
// interrupts its wait. Pass an empty function to remove it.
void SetMainThreadWaker(std::function<void()> waker);

// The GUI thread is the one that first called MarkMainThread().
void MarkMainThread();
bool IsMainThread();

// Builds with checks (debug and sanitizer builds) stop at once, naming the
// call, when a window-system call comes from another thread than the GUI
// thread; other builds check nothing. Quiet before a GUI thread is marked.
void CheckGuiThread(const char* call);

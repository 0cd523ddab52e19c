#pragma once
// NOTE: MinGW's GL/gl.h pulls in all of windows.h unless WINGDIAPI and
// APIENTRY are already defined, and GL/glu.h needs CALLBACK. Defining them
// here keeps the drawing code free of windows.h, so the native tests can run
// it on an offscreen context.
#if defined(_WIN32)
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall  // GLU's callback types
#endif
#endif
#include <GL/gl.h>
#include <GL/glu.h>

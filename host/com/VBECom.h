#pragma once
// The VB6 environment seen through the object-model interfaces: every call goes late-bound by
// name (names looked up once per type and kept) to the environment's own objects; its UTF-16
// strings are converted to and from the projects' code page here, and its errors become our
// run-time errors with the same number. Windows only.

#include "host/vbide/VBE.h"

#include <memory>

struct IDispatch;

namespace hostcom {

// The root object handed to the add-in at connection. Holds a reference to `application`
// until destroyed. `paginaCodigos`: the projects' code page (the system's ANSI code page).
std::unique_ptr<vbide::VBE> AbreVBE(IDispatch* application, int paginaCodigos);

// The environment's main window, to own the add-in's windows: its `MainWindow.hWnd` where the
// environment has one, else the process's foreground top-level window; null when neither.
void* VentanaPrincipal(IDispatch* application);

// The click sinks of this library still held by someone (the environment, until each is
// unadvised): the component must not unload while there are any.
long SumiderosVivos();

} // namespace hostcom

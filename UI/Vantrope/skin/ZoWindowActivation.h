#pragma once

// Hands the keyboard back to the window a dialog was opened over when the
// dialog closes while no other window has it. A window manager does this
// itself; without one (a bare X server, kiosk sessions) the X focus falls to
// the root window, Qt then knows no active window, and the window's
// shortcuts (Ctrl+O, Ctrl+Return) stay dead while typed keys still reach its
// focused control. Covers every dialog: the skin's, Qt's file dialogs and
// message boxes.
namespace ZoWindowActivation {

// Starts it for this application; later calls do nothing. Every skinned
// widget's ZoSkin calls it.
void install();

} // namespace ZoWindowActivation

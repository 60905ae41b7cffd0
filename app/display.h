// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

// Whether the window system that Qt is going to use has a display to show
// the windows on. Without one, Qt ends the program with a hint about
// reinstalling it, which sends the user the wrong way; the program tells
// the user itself instead. Windows always has its desktop.
bool HasDisplay(int argc, char** argv);

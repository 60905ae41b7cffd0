// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

// Lets assistive technologies see the windows as a person sees them: a
// window as a window, a picture control that takes clicks as a button with
// its name, its state and a press action, so that a screen-reader user can
// pass the start screen, follow the board and play. Installed once, before
// the first window.
void InstallAccessibility();

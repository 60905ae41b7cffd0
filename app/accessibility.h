// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

// Lets assistive technologies see a picture control that takes clicks as a
// button, with its name, its state and a press action, so that a
// screen-reader user can follow the board and play.
void InstallAccessibility();

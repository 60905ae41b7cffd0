// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// Lets assistive technologies see the windows as a person sees them: a
// window as a window, a picture control that takes clicks as a button with
// its name, its state and a press action, so that a screen-reader user can
// pass the start screen, follow the board and play. Installed once, before
// the first window.
void InstallAccessibility();

// Has assistive technologies read `window` as these controls in this order,
// the order in which a person reads the window, and as nothing else: what
// the list leaves out only decorates. The stacking of the controls stays.
void SetReadingOrder(QWidget& window, const QWidgetList& controls);

// Tells assistive technologies that `label` has come to show something or
// has become blank; a blank label is hidden from them, as it says nothing.
void ReportShowing(QWidget& label, bool showing);

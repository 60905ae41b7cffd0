// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

// A window of fixed size with a title bar and a close box only.
inline constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void SetWhiteBackground(QWidget& widget);

// A font of the first of `families` that is installed, at a size in pixels
// (the layout is fixed in pixels at 96 dots per inch).
QFont LayoutFont(const QStringList& families, int pixelSize, bool bold);

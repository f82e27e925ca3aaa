// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/body_water_picture.h"

#include <QtGlobal>

class QPainter;

// Draws a laid-out picture of the body water with a painter whose units are
// the picture's, in the painter's font, its lines `lineWidth` wide: for the
// window and for the answer key's pages.
void paintBodyWater(QPainter& painter, const BodyWaterPicture& picture, qreal lineWidth);

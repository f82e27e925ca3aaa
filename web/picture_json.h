// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/body_water_picture.h"
#include "web/json.h"

// A laid-out picture of the body water: its size and line height, every box
// with its fill, every line and every text.
Json pictureParts(const BodyWaterPicture& picture);

// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/body_water_picture.h"

#include <QFont>
#include <QWidget>

// The patient's body water drawn to scale, in the room the window leaves
// free below the emblem once answer 4 is shown. The core lays the picture
// out at full size in this face; the view only draws it, at the window's
// zoom, and gives a screen reader the same values as its accessible name
// and description.
class BodyWaterView final : public QWidget {
public:
    BodyWaterView(const Language& language, QWidget* parent);

    void draw(const BodyWater& water);
    void setZoom(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Language language_;
    QFont font_;
    BodyWaterPicture picture_;
    qreal zoom_ = 1.0;
};

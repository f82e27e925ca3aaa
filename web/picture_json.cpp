// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/picture_json.h"

#include <cstdio>

Json pictureParts(const BodyWaterPicture& picture) {
    std::vector<std::string> boxes, lines, texts;
    for (const PictureBox& box : picture.boxes) {
        char fill[8];
        std::snprintf(fill, sizeof fill, "#%02x%02x%02x", box.fill.red, box.fill.green,
                      box.fill.blue);
        boxes.push_back(Json().box("box", box.rect).text("fill", fill).object());
    }
    for (const PictureLine& line : picture.lines)
        lines.push_back(Json()
                            .box("line", {line.x1, line.y1, line.x2, line.y2})
                            .flag("hatching", line.hatching)
                            .object());
    for (const PictureText& text : picture.texts)
        texts.push_back(Json().box("box", text.rect).raw("lines", strings(text.lines)).object());
    return std::move(Json()
                         .number("width", picture.width)
                         .number("height", picture.height)
                         .number("lineHeight", picture.lineHeight)
                         .raw("boxes", listOf(boxes))
                         .raw("lines", listOf(lines))
                         .raw("texts", listOf(texts)));
}

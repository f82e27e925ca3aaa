// SPDX-FileCopyrightText: 2026 Compartica developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's emblem and icon and writes them into the folder named
// on the command line: emblem.png (165 x 100, 256-colour palette),
// icon-32.png (16 colours), icon-64.png, icon-128.png, icon-192.png and
// icon-512.png (the web page's install icons) and compartica.svg.
//
// The picture is the indicator-dilution experiment itself: a bar of the
// body's water split into cell water (blue), interstitial fluid (light blue)
// and plasma (red), with three brackets above it for the space that each
// indicator fills: antipyrine all of it, thiosulphate the extracellular
// part, Evans blue the plasma alone.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cstdio>

namespace {

const QColor outline(0x24, 0x47, 0x6b);
const QColor cellWater(0x2f, 0x6d, 0xb5);
const QColor interstitial(0x8c, 0xc8, 0xec);
const QColor plasma(0xd0, 0x34, 0x3a);
const QColor antipyrine(0x6a, 0x3d, 0x9a);
const QColor thiosulphate(0x1b, 0x8a, 0x5a);
const QColor evansBlue(0x1f, 0x3f, 0xbf);
const QColor tile(0xf4, 0xf8, 0xfc);

// A bracket over [left, right] at height y, its ends turned down.
void bracket(QPainter& p, const QColor& colour, qreal left, qreal right, qreal y, qreal drop,
             qreal pen) {
    p.setPen(QPen(colour, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(left, y + drop);
    path.lineTo(left, y);
    path.lineTo(right, y);
    path.lineTo(right, y + drop);
    p.drawPath(path);
}

// The design inside a box: the brackets in the top half, the bar beneath.
void drawDesign(QPainter& p, const QRectF& box) {
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal pen = h / 16;
    const qreal x0 = box.left();
    const qreal x1 = x0 + w * 0.50;
    const qreal x2 = x0 + w * 0.83;
    const qreal x3 = box.right();
    const QRectF bar(x0, box.top() + h * 0.55, w, h * 0.45);

    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(x0, bar.top(), x1 - x0, bar.height()), cellWater);
    p.fillRect(QRectF(x1, bar.top(), x2 - x1, bar.height()), interstitial);
    p.fillRect(QRectF(x2, bar.top(), x3 - x2, bar.height()), plasma);
    p.setPen(QPen(outline, pen));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);

    const qreal drop = h * 0.10;
    bracket(p, antipyrine, x0 + pen, x3 - pen, box.top() + h * 0.05, drop, pen);
    bracket(p, thiosulphate, x1 + pen, x3 - pen, box.top() + h * 0.22, drop, pen);
    bracket(p, evansBlue, x2 + pen, x3 - pen, box.top() + h * 0.39, drop, pen);
}

// The icon in a square of the given side: a light tile with the design.
void drawIcon(QPainter& p, qreal side) {
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(outline, 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    drawDesign(p, QRectF(5, 5, 22, 22));
}

QImage iconImage(int side, bool antialiased) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(antialiased ? Qt::transparent : Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, antialiased);
    drawIcon(p, side);
    return image;
}

// The 32-pixel icon in 16 colours, fully opaque: drawn without smoothing,
// so every pixel is one of the design's colours.
QImage sixteenColourIcon() {
    const QList<QRgb> palette = {
        qRgb(255, 255, 255), outline.rgb(),    cellWater.rgb(),     interstitial.rgb(),
        plasma.rgb(),        antipyrine.rgb(), thiosulphate.rgb(),  evansBlue.rgb(),
        tile.rgb(),          qRgb(0, 0, 0),    qRgb(128, 128, 128), qRgb(192, 192, 192),
        qRgb(0, 128, 128),   qRgb(128, 0, 0),  qRgb(0, 0, 128),     qRgb(255, 255, 0)};
    return iconImage(32, false).convertToFormat(QImage::Format_Indexed8, palette,
                                                Qt::ThresholdDither | Qt::AvoidDither);
}

QImage emblemImage() {
    QImage image(165, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawDesign(p, QRectF(8, 8, 145, 80));
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8);
}

bool writeSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(128, 128));
    svg.setViewBox(QRect(0, 0, 128, 128));
    svg.setTitle(QStringLiteral("Compartica"));
    svg.setDescription(QStringLiteral("The body's water compartments and the three indicators"));
    QPainter p(&svg);
    drawIcon(p, 128);
    return p.end();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    const bool written = emblemImage().save(folder + "emblem.png") &&
                         sixteenColourIcon().save(folder + "icon-32.png") &&
                         iconImage(64, true).save(folder + "icon-64.png") &&
                         iconImage(128, true).save(folder + "icon-128.png") &&
                         iconImage(192, true).save(folder + "icon-192.png") &&
                         iconImage(512, true).save(folder + "icon-512.png") &&
                         writeSvg(folder + "compartica.svg");
    if (!written)
        std::fprintf(stderr, "make_art: could not write into %s\n", argv[1]);
    return written ? 0 : 1;
}
